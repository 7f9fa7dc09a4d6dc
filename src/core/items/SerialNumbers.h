#pragma once

#include "documents/DocumentKinds.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class TDataFormSQL;

// The owner of a set of serial numbers: a document line (a product line of
// a manufacturing document has its own table) or an opening-stock row.
struct SerialOwner
{
    QString serialTable; // one of SerialNumbers::tables(); empty: no serials (price lists)
    int ownerId = 0;     // the line's ID, or FGood.ID

    // The owner of a line of this kind; price lists have none (invalid).
    static SerialOwner line(DocKind kind, int lineId, bool products = false);
    static SerialOwner openingStock(int fgoodId);

    bool isValid() const;
    bool isOpeningStock() const;
    // Lines that take goods out of stock: their serials are chosen from the
    // serials in stock (sales, returns from us, raw materials).
    bool takesOutOfStock() const;
    // The table of the owning rows (InvOne, ..., FGood).
    QString ownerTable() const;
};

// The owning row of a set of serial numbers, as the editor shows it.
struct SerialOwnerInfo
{
    bool found = false;
    int itemId = 0;
    int invId = 0; // 0 for an opening-stock row
    double quantity = 0;
    int rows = 0;    // the quantity rounded to a whole number (never below 0)
    QString caption; // the editor's first row
};

// One serial number of the item in stock, with its net count.
struct InStockSerial
{
    QString sno;
    int count = 0;
};

// One serial number of a document.
struct DocumentSerial
{
    int itemId = 0;
    QString sno;
    QString itemCode;
    QString description;
};

// Serial numbers: one per unit of a line's quantity, kept in one table per
// source (the owner's SOneID). An empty serial is a placeholder for a unit
// not yet numbered; it is stored but never listed.
class SerialNumbers
{
    Q_DECLARE_TR_FUNCTIONS(SerialNumbers)
public:
    explicit SerialNumbers(TDataFormSQL &data);

    // The seven serial tables; only these names are ever put into SQL.
    static const QStringList &tables();
    // +1 for the tables that bring a serial into stock, -1 for those that
    // take it out, 0 for a name that is none of them.
    static int stockSign(const QString &serialTable);

    // -- one owner
    // Every stored serial of the owner, placeholders included, in the order
    // they were written.
    QStringList serials(const SerialOwner &owner, bool *ok = nullptr) const;
    // The serials of the owner without the placeholders.
    QStringList listed(const SerialOwner &owner, bool *ok = nullptr) const;
    SerialOwnerInfo info(const SerialOwner &owner) const;

    // Replaces the whole set of the owner by rows (one per unit; empty rows
    // go to the end, the filled ones keep their order), in one transaction:
    // a refused statement leaves the previous set. Refuses a serial given
    // twice, a serial longer than the column and an owner that is gone.
    bool save(const SerialOwner &owner, const QStringList &rows, QString *error = nullptr);

    // -- the rules of the editor's rows (no database)
    // Trimmed values; the filled ones first in their order, then the empty.
    static QStringList arrange(const QStringList &rows);
    // The non-empty values that occur more than once (each named once).
    static QStringList duplicates(const QStringList &rows);
    // "<": puts sno into the first empty row. False when no row is empty
    // or sno is empty.
    static bool take(QStringList &rows, const QString &sno);
    // ">": removes row index, moving the following rows up and emptying the
    // last. False for an index outside the rows.
    static bool giveBack(QStringList &rows, int index);

    // -- stock
    // The serials of the item whose net count over all serial tables is not
    // zero (bought, returned to us, produced and opening stock count +1;
    // sold, returned from us and consumed count -1), ordered by serial.
    QList<InStockSerial> inStock(int itemId, bool *ok = nullptr) const;

    // -- one document
    // Every serial of the document's lines with its item (for manufacturing
    // the raw materials, then the products), placeholders left out.
    QList<DocumentSerial> documentSerials(DocKind kind, int invId, bool *ok = nullptr) const;
    // The grouped list: per item in the order given, "code description",
    // then each of its serials once, indented by nine spaces.
    static QStringList groupedText(const QList<DocumentSerial> &serials);

    QString lastError() const { return m_error; }

private:
    bool fail(QString *error, const QString &message) const;

    TDataFormSQL &m_data;
    mutable QString m_error;
};
