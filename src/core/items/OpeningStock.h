#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QSqlQuery;
class TDataFormSQL;

// One row of the opening stock, with its item.
struct OpeningStockRow
{
    int id = 0; // FGood.ID (owner of the row's serial numbers)
    int itemId = 0;
    QString itemCode;
    QString description;
    double quantity = 0;
    double rate = 0;
    double amount = 0; // quantity x rate, kept by the database
    QString note;
};

// The opening stock of the year (FGood): what the opening-stock page lists
// and changes. Every change that takes more than one statement runs in one
// transaction, and every successful change marks the stock stale so that
// the next stock recomputation takes it in.
class OpeningStock
{
public:
    explicit OpeningStock(TDataFormSQL &data);

    struct Outcome
    {
        bool ok = false;
        int rows = 0; // rows added or removed
        QString error;
    };

    // -- the list
    // Every opening-stock row with its item, by item code.
    static QString listStatement();
    static OpeningStockRow readRow(const QSqlQuery &query);
    QList<OpeningStockRow> rows(bool *ok = nullptr) const;
    bool row(int id, OpeningStockRow *out) const;
    // True when the table has no row (then the import is offered).
    bool isEmpty(bool *ok = nullptr) const;

    // -- adding
    struct AddResult : Outcome
    {
        QStringList codes; // the codes added, in order
        QString message;   // "I Add :" and the list (see addedMessage)
    };
    // Adds a row (quantity 0, rate 0, empty note) for each item that has
    // none yet, in the order given; the others are skipped. step runs once
    // per item (the progress display).
    AddResult addItems(const QList<int> &itemIds, const std::function<void()> &step = {});
    // "I Add :" and a line per code (seven spaces before it), at most nine,
    // then "       ......." when there are more. Lines end in CR LF.
    static QString addedMessage(const QStringList &codes);
    // "Yes To All": a row for every item without one, services included.
    Outcome addAllItems();
    // Import: a row for every stocked item (no services) without one.
    Outcome importStockItems();

    // -- removing (the rows' serial numbers go with them)
    Outcome emptyAll();
    Outcome deleteItem(int itemId);

    // -- editing in place
    enum class Field { Quantity, Rate, Note };
    // Writes one field of row `id`; out (if given) receives the row as stored.
    Outcome setField(int id, Field field, const QVariant &value, OpeningStockRow *out = nullptr);
    // The longest note the table keeps.
    static int noteLength();

    // -- the value
    struct Total
    {
        bool ok = false;
        double value = 0; // 0 when it cannot be read
        QString error;
    };
    // Sum of the amounts of stocked items (services never count).
    Total total() const;

private:
    Outcome fail(Outcome out) const;

    TDataFormSQL &m_data;
};
