#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QSqlQuery;
class TDataFormSQL;

// The cashier's sale: a sales document of the cash account, filled one scan
// at a time. Each scan is one transaction (line + total), so every line the
// screen showed is stored with its total, and the sale is always the one
// this terminal inserted.
class PosSale : public QObject
{
    Q_OBJECT
public:
    explicit PosSale(TDataFormSQL &data, QObject *parent = nullptr);
    ~PosSale() override;

    struct Scan
    {
        enum Status { Added, NotFound, Failed };
        Status status = Failed;
        int invId = 0;
        int lineId = 0;
        int itemId = 0;
        QString itemCode;
        QString description;
        double quantity = 0;
        double rate = 0;
        double total = 0; // the sale's total after this line
        QString error;
    };

    // A weight barcode: item code followed by five digits, the quantity with
    // three decimals after the first two digits ("01250" is 1.25).
    static bool parseWeight(const QString &text, QString *code, double *quantity);

    // The walk-in customer: an account with CashOnly beyond the system
    // accounts, made as 'Cash' on first need. 0 on failure.
    int cashAccount(QString *error = nullptr);

    int currentSale() const { return m_invId; }
    // Forget the current sale (printed by a point-of-sale user: the next
    // scan opens a new one).
    void closeSale() { m_invId = 0; }
    // Opens a new sale for the user, or keeps the current one of this
    // terminal while it has no lines. Returns its InvID (0 on failure).
    int newSale(int uid, QString *error = nullptr);
    bool currentSaleIsEmpty() const;

    // Adds the scanned text: an exact item code, else a weight barcode.
    Scan AddItemFromBarCode(const QString &text, int uid);

    // Changes the quantity of a line of the current sale (rounded to the
    // money decimals) and recomputes the total.
    bool changeQuantity(int lineId, double quantity, int decimals, QString *error = nullptr);
    double total() const;

    // The last-year / read-only rule is checked by the caller.

private:
    struct Prepared;
    Prepared &prepared();
    bool lookup(const QString &code, Scan *scan);
    void reset();

    TDataFormSQL &m_data;
    int m_invId = 0;
    int m_cashAccount = 0;
    std::unique_ptr<Prepared> m_prepared;
};
