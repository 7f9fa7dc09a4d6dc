#include "SerialNumbers.h"

#include "data/SqlDialect.h"
#include "data/TDataFormSQL.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

#include <algorithm>
#include <array>

namespace {

// One serial table: the rows it belongs to and how it counts in stock.
struct Source
{
    const char *serialTable;
    const char *ownerTable;
    const char *itemColumn;
    int sign; // +1 into stock, -1 out of stock
    int kind; // document kind of the owner, -1 for the opening stock
};

constexpr std::array<Source, 7> kSources{{
    {"SNoInv", "InvOne", "ItemID", 1, 0},
    {"SNoBTU", "BToUsOne", "ItemID", 1, 3},
    {"SNoFGood", "FGood", "ItemId", 1, -1},
    {"SNoIndOut", "IndOutTB", "ItemID", 1, 5},
    {"SNoSale", "SaleOne", "ItemID", -1, 1},
    {"SNoIndIn", "IndInTB", "ItemID", -1, 5},
    {"SNoBFU", "BFrUsOne", "ItemID", -1, 4},
}};

constexpr int kSnoLength = 50;
// More rows than this are never offered: a quantity is no count of units then.
constexpr int kMaxRows = 100000;

const Source *source(const QString &serialTable)
{
    for (const Source &s : kSources)
        if (serialTable == QLatin1String(s.serialTable))
            return &s;
    return nullptr;
}

QString q(const char *identifier)
{
    return SqlDialect::quote(QString::fromLatin1(identifier));
}

} // namespace

// ------------------------------------------------------------------ owner

SerialOwner SerialOwner::line(DocKind kind, int lineId, bool products)
{
    const DocumentKind &k = DocumentKinds::get(kind);
    SerialOwner owner;
    owner.serialTable = products && !k.outSerialTable.isEmpty() ? k.outSerialTable : k.serialTable;
    owner.ownerId = lineId;
    return owner;
}

SerialOwner SerialOwner::openingStock(int fgoodId)
{
    return SerialOwner{QStringLiteral("SNoFGood"), fgoodId};
}

bool SerialOwner::isValid() const
{
    return ownerId > 0 && source(serialTable) != nullptr;
}

bool SerialOwner::isOpeningStock() const
{
    return serialTable == QLatin1String("SNoFGood");
}

bool SerialOwner::takesOutOfStock() const
{
    return SerialNumbers::stockSign(serialTable) < 0;
}

QString SerialOwner::ownerTable() const
{
    const Source *s = source(serialTable);
    return s ? QString::fromLatin1(s->ownerTable) : QString();
}

// ------------------------------------------------------------------ tables

SerialNumbers::SerialNumbers(TDataFormSQL &data)
    : m_data(data)
{ }

const QStringList &SerialNumbers::tables()
{
    static const QStringList names = [] {
        QStringList n;
        for (const Source &s : kSources)
            n << QString::fromLatin1(s.serialTable);
        return n;
    }();
    return names;
}

int SerialNumbers::stockSign(const QString &serialTable)
{
    const Source *s = source(serialTable);
    return s ? s->sign : 0;
}

bool SerialNumbers::fail(QString *error, const QString &message) const
{
    m_error = message;
    if (error)
        *error = message;
    return false;
}

// ------------------------------------------------------------------ one owner

QStringList SerialNumbers::serials(const SerialOwner &owner, bool *ok) const
{
    QStringList out;
    const Source *s = source(owner.serialTable);
    if (!s) {
        if (ok)
            *ok = true;
        return out;
    }
    bool done = false;
    QSqlQuery query =
        m_data.exec(QStringLiteral(R"(SELECT "SNo" FROM %1 WHERE "SOneID"=? ORDER BY "ID")")
                        .arg(q(s->serialTable)),
                    {owner.ownerId}, &done);
    while (done && query.next())
        out << query.value(0).toString();
    if (!done)
        m_error = m_data.lastErrorText();
    if (ok)
        *ok = done;
    return out;
}

QStringList SerialNumbers::listed(const SerialOwner &owner, bool *ok) const
{
    QStringList out = serials(owner, ok);
    out.removeIf([](const QString &sno) { return sno.trimmed().isEmpty(); });
    return out;
}

SerialOwnerInfo SerialNumbers::info(const SerialOwner &owner) const
{
    SerialOwnerInfo out;
    const Source *s = source(owner.serialTable);
    if (!s || owner.ownerId <= 0)
        return out;
    QSqlQuery query;
    bool done = false;
    if (s->kind < 0) {
        query =
            m_data.exec(QStringLiteral(R"(SELECT "ItemId", "Quantity" FROM "FGood" WHERE "ID"=?)"),
                        {owner.ownerId}, &done);
        if (!done || !query.next())
            return out;
        out.caption = tr("Beginning Inventory");
    } else {
        const DocumentKind &kind = DocumentKinds::get(s->kind);
        const QString number = kind.supplierNumber ? QStringLiteral(R"(h."InvoiceNo")")
                                                   : QStringLiteral(R"(h."InvID")");
        query = m_data.exec(
            QStringLiteral(
                R"(SELECT o."ItemID", o."Quantity", o."InvID", %1, h."Date1", a."AName" )"
                R"(FROM %2 o JOIN %3 h ON h."InvID"=o."InvID" )"
                R"(LEFT JOIN "Address" a ON a."ID"=h."CompanyID" WHERE o."ID"=?)")
                .arg(number, q(s->ownerTable), SqlDialect::quote(kind.headerTable)),
            {owner.ownerId}, &done);
        if (!done || !query.next())
            return out;
        out.invId = query.value(2).toInt();
        const QDateTime date = m_data.toDateTime(query.value(4));
        out.caption = tr("No:") + query.value(3).toString() + tr("  Date:")
            + (date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString())
            + tr("  Name:") + query.value(5).toString().trimmed();
    }
    out.found = true;
    out.itemId = query.value(0).toInt();
    out.quantity = query.value(1).toDouble();
    const double rounded = std::clamp(out.quantity, 0.0, double(kMaxRows));
    out.rows = qRound(rounded);
    return out;
}

bool SerialNumbers::save(const SerialOwner &owner, const QStringList &rows, QString *error)
{
    const Source *s = source(owner.serialTable);
    if (!s || owner.ownerId <= 0)
        return fail(error, tr("This line has no serial numbers."));
    const QStringList arranged = arrange(rows);
    if (!duplicates(arranged).isEmpty())
        return fail(error, tr("Error "));
    for (const QString &sno : arranged)
        if (sno.size() > kSnoLength)
            return fail(
                error,
                tr("A serial number has at most %1 characters: %2").arg(kSnoLength).arg(sno));

    TTransaction tx(m_data);
    bool done = false;
    const QVariant exists =
        m_data.scalar(QStringLiteral(R"(SELECT "ID" FROM %1 WHERE "ID"=?)").arg(q(s->ownerTable)),
                      {owner.ownerId}, &done);
    if (!done)
        return fail(error, tr("The serial numbers were not saved: %1").arg(m_data.lastErrorText()));
    if (!exists.isValid())
        return fail(error, tr("The serial numbers were not saved: the line no longer exists."));
    const QString table = q(s->serialTable);
    if (!m_data.DoSqlNEW(QStringLiteral(R"(DELETE FROM %1 WHERE "SOneID"=?)").arg(table),
                         {owner.ownerId}))
        return fail(error, tr("The serial numbers were not saved: %1").arg(m_data.lastErrorText()));
    const QString insert =
        QStringLiteral(R"(INSERT INTO %1("SOneID","SNo") VALUES(?,?))").arg(table);
    for (const QString &sno : arranged)
        if (!m_data.DoSqlNEW(insert, {owner.ownerId, sno}))
            return fail(error,
                        tr("The serial numbers were not saved: %1").arg(m_data.lastErrorText()));
    if (!tx.commit())
        return fail(error, tr("The serial numbers were not saved: %1").arg(m_data.lastErrorText()));
    m_error.clear();
    return true;
}

// ------------------------------------------------------------------ rows

QStringList SerialNumbers::arrange(const QStringList &rows)
{
    QStringList filled, empty;
    for (const QString &row : rows) {
        const QString value = row.trimmed();
        (value.isEmpty() ? empty : filled) << value;
    }
    return filled + empty;
}

QStringList SerialNumbers::duplicates(const QStringList &rows)
{
    QHash<QString, int> seen;
    QStringList out;
    for (const QString &row : rows) {
        const QString value = row.trimmed();
        if (!value.isEmpty() && ++seen[value] == 2)
            out << value;
    }
    return out;
}

bool SerialNumbers::take(QStringList &rows, const QString &sno)
{
    const QString value = sno.trimmed();
    if (value.isEmpty())
        return false;
    for (QString &row : rows)
        if (row.trimmed().isEmpty()) {
            row = value;
            return true;
        }
    return false;
}

bool SerialNumbers::giveBack(QStringList &rows, int index)
{
    if (index < 0 || index >= rows.size())
        return false;
    rows.removeAt(index);
    rows << QString();
    return true;
}

// ------------------------------------------------------------------ stock

QList<InStockSerial> SerialNumbers::inStock(int itemId, bool *ok) const
{
    // Every serial row counts (UNION ALL): a serial sold and then returned
    // to us is in stock again.
    QStringList parts;
    QVariantList values;
    for (const Source &s : kSources) {
        parts
            << QStringLiteral(
                   R"(SELECT sn."SNo" AS "SNo", %1 AS "C" FROM %2 sn JOIN %3 o ON o."ID"=sn."SOneID" )"
                   R"(WHERE o.%4=? AND sn."SNo"<>'')")
                   .arg(s.sign)
                   .arg(q(s.serialTable), q(s.ownerTable), q(s.itemColumn));
        values << itemId;
    }
    const QString sql = QStringLiteral(R"(SELECT x."SNo", SUM(x."C") FROM ()")
        + parts.join(QStringLiteral(" UNION ALL "))
        + QStringLiteral(R"() x GROUP BY x."SNo" HAVING SUM(x."C")<>0)");
    bool done = false;
    QSqlQuery query = m_data.exec(sql, values, &done);
    QList<InStockSerial> out;
    while (done && query.next())
        out << InStockSerial{query.value(0).toString(), query.value(1).toInt()};
    if (!done)
        m_error = m_data.lastErrorText();
    if (ok)
        *ok = done;
    // One order on both engines, whatever the database's collation.
    std::sort(out.begin(), out.end(), [](const InStockSerial &a, const InStockSerial &b) {
        const int c = a.sno.compare(b.sno, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.sno < b.sno;
    });
    return out;
}

// ------------------------------------------------------------------ document

QList<DocumentSerial> SerialNumbers::documentSerials(DocKind kind, int invId, bool *ok) const
{
    const DocumentKind &k = DocumentKinds::get(kind);
    QList<DocumentSerial> out;
    bool allDone = true;
    const QList<QPair<QString, QString>> sets{{k.serialTable, k.lineTable},
                                              {k.outSerialTable, k.outLineTable}};
    for (const auto &[serialTable, lineTable] : sets) {
        if (!source(serialTable))
            continue;
        bool done = false;
        QSqlQuery query = m_data.exec(
            QStringLiteral(
                R"(SELECT c."ItemID", sn."SNo", c."ItemCode", c."Description" FROM %1 sn )"
                R"(JOIN %2 o ON o."ID"=sn."SOneID" JOIN "CodeTb" c ON c."ItemID"=o."ItemID" )"
                R"(WHERE o."InvID"=? AND sn."SNo"<>'' ORDER BY o."ID", sn."ID")")
                .arg(SqlDialect::quote(serialTable), SqlDialect::quote(lineTable)),
            {invId}, &done);
        while (done && query.next())
            out << DocumentSerial{query.value(0).toInt(), query.value(1).toString(),
                                  query.value(2).toString().trimmed(),
                                  query.value(3).toString().trimmed()};
        if (!done) {
            m_error = m_data.lastErrorText();
            allDone = false;
        }
    }
    if (ok)
        *ok = allDone;
    return out;
}

QStringList SerialNumbers::groupedText(const QList<DocumentSerial> &serials)
{
    QList<int> order;
    QHash<int, QString> heading;
    QHash<int, QStringList> numbers;
    QSet<QString> listedOnce;
    for (const DocumentSerial &s : serials) {
        if (!heading.contains(s.itemId)) {
            order << s.itemId;
            heading.insert(s.itemId, s.itemCode + u' ' + s.description);
        }
        // A serial is listed once per document, whatever item it came with.
        if (listedOnce.contains(s.sno))
            continue;
        listedOnce.insert(s.sno);
        numbers[s.itemId] << s.sno;
    }
    QStringList out;
    const QString indent(9, u' ');
    for (int item : order) {
        out << heading.value(item);
        for (const QString &sno : numbers.value(item))
            out << indent + sno;
    }
    return out;
}
