#pragma once

#include "DocumentKinds.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantList>

#include <optional>

class TDataFormSQL;

struct DocumentHeader
{
    int InvID = 0;
    int InvoiceNo = 0;   // purchases: the supplier's number
    int CompanyID = 0;
    QDateTime Date1;
    QDateTime StartTime; // empty: takes Date1 (kinds 1-4)
    bool Cash = true;
    double Discount = 0; // percent: negative discount, positive commission
    QString Note;        // manufacturing: the operation's name
    int UID = 0;
    double TotalAmount = 0;
};

struct DocumentListRow
{
    int InvID = 0;
    int InvNo = 0;      // the shown number
    int CompanyID = 0;
    QDateTime StartTime;
    QDateTime Date1;
    bool Cash = false;
    QString AName;
    QString Telno1;
    double TotalAmount = 0;
    bool CashOnly = false;
    QString Note;
    double Discount = 0;
    int UID = 0;
    QString UName;
};

struct DocumentLine
{
    int ID = 0;
    int InvID = 0;
    int ItemID = 0;
    QString ItemCode;
    QString Description;
    QString ISize;
    QString Location;
    QString ItemKind;
    double Quantity = 0;
    double Rate1 = 0;
    double Amount1 = 0;
    QString Note;
};

// The documents of one kind: headers, lines and totals. Every operation
// that writes more than one statement is one transaction, so a refused
// statement leaves the document as it was.
class Documents
{
public:
    Documents(TDataFormSQL &data, DocKind kind);
    const DocumentKind &kind() const { return m_kind; }

    // -- the list of the kind (search: counterpart name or shown number)
    QString listSql(const QString &search, QVariantList *values) const;
    QList<DocumentListRow> list(const QString &search = {}) const;

    // -- headers
    std::optional<DocumentHeader> header(int invId) const;
    // Inserts a header; returns the InvID its own insert produced (0 on failure).
    int create(const DocumentHeader &header, QString *error = nullptr);
    bool update(const DocumentHeader &header, QString *error = nullptr);
    bool invoiceNoTaken(int supplier, int invoiceNo, int exceptInvId = 0) const;
    int lastInvId() const;
    // Purchases may be deleted in any order, the other kinds only the last.
    bool mayDelete(int invId) const;
    // Deletes the lines (with their serial numbers) and the header, then
    // reseeds the numbering so the numbers stay gapless.
    bool remove(int invId, QString *error = nullptr);
    bool switchCash(int invId, QString *error = nullptr);

    // -- totals
    // TotalAmount := sum of the line amounts x (100 + Discount) / 100.
    bool FindSumP(int invId);
    double productsTotal(int invId) const;
    // A header whose total was never computed (written before its lines)
    // gets it now, 0 without lines. True when the total was missing.
    bool mendMissingTotal(int invId);
    // The label under the total when there is a discount or commission.
    static QString discountLabel(double totalAmount, double discount, int decimals);

    // -- lines (products = the manufacturing products grid)
    QList<DocumentLine> lines(int invId, bool products = false) const;
    // Adds a line and recomputes the total; returns the line ID (0 on failure).
    int addLine(int invId, int itemId, double quantity, double rate, const QString &note = {},
                bool products = false, QString *error = nullptr);
    // Adds one of the item with this exact code at its sale price (products
    // at rate 0). Returns the line ID; 0 when there is no such item.
    int addItemByCode(int invId, const QString &code, bool products = false, QString *error = nullptr);
    bool updateLine(int lineId, double quantity, double rate, const QString &note, bool products = false,
                    QString *error = nullptr);
    bool deleteLine(int lineId, bool products = false, QString *error = nullptr);
    // The two lines exchange their contents (and serial numbers), keeping
    // their IDs.
    bool swapLines(int lineA, int lineB, bool products = false, QString *error = nullptr);

    QString lastErrorText() const;

private:
    QString lines_(bool products) const;
    QString serials_(bool products) const;
    bool fail(QString *error) const;

    TDataFormSQL &m_data;
    const DocumentKind &m_kind;
};
