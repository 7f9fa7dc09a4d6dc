#include "Documents.h"

#include "data/SqlDialect.h"
#include "data/TDataFormSQL.h"
#include "shell/AppState.h"
#include "shell/Options.h"

#include <QSqlQuery>

namespace {
QString q(const QString &identifier)
{
    return SqlDialect::quote(identifier);
}
} // namespace

Documents::Documents(TDataFormSQL &data, DocKind kind)
    : m_data(data)
    , m_kind(DocumentKinds::get(kind))
{
}

QString Documents::lastErrorText() const
{
    return m_data.lastErrorText();
}

bool Documents::fail(QString *error) const
{
    if (error)
        *error = m_data.lastErrorText();
    return false;
}

QString Documents::lines_(bool products) const
{
    return products && !m_kind.outLineTable.isEmpty() ? m_kind.outLineTable : m_kind.lineTable;
}

QString Documents::serials_(bool products) const
{
    return products && !m_kind.outLineTable.isEmpty() ? m_kind.outSerialTable : m_kind.serialTable;
}

// ------------------------------------------------------------------ list

QString Documents::listSql(const QString &search, QVariantList *values) const
{
    const QString number = m_kind.supplierNumber ? QStringLiteral(R"(I."InvoiceNo")") : QStringLiteral(R"(I."InvID")");
    QString sql = QStringLiteral(R"(SELECT I."InvID", %1 AS "InvNo", I."CompanyID", I."StartTime", I."Date1", )"
                                 R"(I."Cash", A."AName", A."Telno1", I."TotalAmount", A."CashOnly", I."Note", )"
                                 R"(I."Discount", I."UID", U."UName" FROM %2 I JOIN "Address" A ON A."ID" = )"
                                 R"(I."CompanyID" LEFT JOIN "Users" U ON U."UID" = I."UID")")
                      .arg(number, q(m_kind.headerTable));
    if (!m_kind.hasCounterpart)
        sql += QStringLiteral(R"( WHERE I."CompanyID" = 1)");
    else if (!search.trimmed().isEmpty()) {
        sql += QStringLiteral(R"( WHERE (lower(A."AName") LIKE lower(?) OR CAST(%1 AS VARCHAR(20)) LIKE ?))").arg(number);
        const QString pattern = u'%' + search.trimmed() + u'%';
        if (values)
            *values << pattern << pattern;
    }
    sql += QStringLiteral(" ORDER BY I.%1, I.\"InvID\"").arg(q(m_kind.orderColumn));
    return sql;
}

QList<DocumentListRow> Documents::list(const QString &search) const
{
    QVariantList values;
    const QString sql = listSql(search, &values);
    QList<DocumentListRow> rows;
    bool ok = false;
    QSqlQuery query = m_data.exec(sql, values, &ok);
    while (ok && query.next()) {
        DocumentListRow r;
        r.InvID = query.value(0).toInt();
        r.InvNo = query.value(1).toInt();
        r.CompanyID = query.value(2).toInt();
        r.StartTime = SqlDialect::toDateTime(query.value(3));
        r.Date1 = SqlDialect::toDateTime(query.value(4));
        r.Cash = query.value(5).toBool();
        r.AName = query.value(6).toString();
        r.Telno1 = query.value(7).toString();
        r.TotalAmount = query.value(8).toDouble();
        r.CashOnly = query.value(9).toBool();
        r.Note = query.value(10).toString();
        r.Discount = query.value(11).toDouble();
        r.UID = query.value(12).toInt();
        r.UName = query.value(13).toString();
        rows << r;
    }
    return rows;
}

// --------------------------------------------------------------- headers

std::optional<DocumentHeader> Documents::header(int invId) const
{
    const QString invoiceNo = m_kind.supplierNumber ? QStringLiteral(R"("InvoiceNo")") : QStringLiteral("0");
    bool ok = false;
    QSqlQuery query = m_data.exec(QStringLiteral(R"(SELECT "InvID", %1, "CompanyID", "Date1", "StartTime", "Cash", )"
                                                 R"("Discount", "Note", "UID", "TotalAmount" FROM %2 WHERE "InvID"=?)")
                                      .arg(invoiceNo, q(m_kind.headerTable)),
                                  {invId}, &ok);
    if (!ok || !query.next())
        return std::nullopt;
    DocumentHeader h;
    h.InvID = query.value(0).toInt();
    h.InvoiceNo = query.value(1).toInt();
    h.CompanyID = query.value(2).toInt();
    h.Date1 = SqlDialect::toDateTime(query.value(3));
    h.StartTime = SqlDialect::toDateTime(query.value(4));
    h.Cash = query.value(5).toBool();
    h.Discount = query.value(6).toDouble();
    h.Note = query.value(7).toString();
    h.UID = query.value(8).toInt();
    h.TotalAmount = query.value(9).toDouble();
    return h;
}

int Documents::create(const DocumentHeader &h, QString *error)
{
    QStringList columns{QStringLiteral("CompanyID"), QStringLiteral("Date1"), QStringLiteral("Cash"),
                        QStringLiteral("Discount"), QStringLiteral("UID"), QStringLiteral("TotalAmount")};
    QVariantList values{m_kind.hasCounterpart ? h.CompanyID : DocumentKinds::kManufacturingAccount,
                        m_data.ToSqlDate(h.Date1),
                        m_data.boolValue(m_kind.hasCashDebit ? h.Cash : false), h.Discount, h.UID, 0.0};
    if (m_kind.supplierNumber) {
        columns << QStringLiteral("InvoiceNo");
        values << h.InvoiceNo;
    }
    if (m_kind.writesStartTime) {
        columns << QStringLiteral("StartTime");
        values << m_data.ToSqlDate(h.StartTime.isValid() ? h.StartTime : h.Date1);
    }
    if (m_kind.hasNote) {
        columns << QStringLiteral("Note");
        values << h.Note;
    }
    QStringList quoted, marks;
    for (const QString &c : columns) {
        quoted << q(c);
        marks << QStringLiteral("?");
    }
    // The new document is the one this insert returned, never "the last
    // row", which another workstation may have added meanwhile.
    bool ok = false;
    QSqlQuery query = m_data.exec(QStringLiteral(R"(INSERT INTO %1 (%2) VALUES (%3) RETURNING "InvID")")
                                      .arg(q(m_kind.headerTable), quoted.join(u','), marks.join(u',')),
                                  values, &ok);
    if (!ok || !query.next()) {
        fail(error);
        return 0;
    }
    return query.value(0).toInt();
}

bool Documents::update(const DocumentHeader &h, QString *error)
{
    QString sql = QStringLiteral(R"(UPDATE %1 SET "CompanyID"=?, "Date1"=?, "Cash"=?, "Discount"=?)").arg(q(m_kind.headerTable));
    QVariantList values{m_kind.hasCounterpart ? h.CompanyID : DocumentKinds::kManufacturingAccount,
                        m_data.ToSqlDate(h.Date1), m_data.boolValue(m_kind.hasCashDebit ? h.Cash : false),
                        h.Discount};
    if (m_kind.writesStartTime) {
        sql += QStringLiteral(R"(, "StartTime"=?)");
        values << m_data.ToSqlDate(h.StartTime.isValid() ? h.StartTime : h.Date1);
    }
    if (m_kind.hasNote) {
        sql += QStringLiteral(R"(, "Note"=?)");
        values << h.Note;
    }
    sql += QStringLiteral(R"( WHERE "InvID"=?)");
    values << h.InvID;
    TTransaction tx(m_data);
    if (!m_data.DoSqlNEW(sql, values) || !FindSumP(h.InvID) || !tx.commit())
        return fail(error);
    return true;
}

bool Documents::invoiceNoTaken(int supplier, int invoiceNo, int exceptInvId) const
{
    if (!m_kind.supplierNumber)
        return false;
    return m_data.scalar(QStringLiteral(R"(SELECT count(*) FROM %1 WHERE "CompanyID"=? AND "InvoiceNo"=? AND "InvID"<>?)")
                             .arg(q(m_kind.headerTable)),
                         {supplier, invoiceNo, exceptInvId})
               .toInt()
           > 0;
}

int Documents::lastInvId() const
{
    return m_data.scalar(QStringLiteral(R"(SELECT max("InvID") FROM %1)").arg(q(m_kind.headerTable))).toInt();
}

bool Documents::mayDelete(int invId) const
{
    if (invId <= 0)
        return false;
    return m_kind.anyMayBeDeleted || invId == lastInvId();
}

bool Documents::remove(int invId, QString *error)
{
    if (!mayDelete(invId)) {
        if (error)
            *error = QStringLiteral("Error");
        return false;
    }
    TTransaction tx(m_data);
    auto run = [&](const QString &sql, const QVariantList &values) { return m_data.DoSqlNEW(sql, values); };
    // Serial numbers go with their lines; they would otherwise stay behind
    // as stock that no line holds.
    for (bool products : {false, true}) {
        if (products && m_kind.outLineTable.isEmpty())
            continue;
        if (!serials_(products).isEmpty()
            && !run(QStringLiteral(R"(DELETE FROM %1 WHERE "SOneID" IN (SELECT "ID" FROM %2 WHERE "InvID"=?))")
                        .arg(q(serials_(products)), q(lines_(products))),
                    {invId}))
            return fail(error);
        if (!run(QStringLiteral(R"(DELETE FROM %1 WHERE "InvID"=?)").arg(q(lines_(products))), {invId}))
            return fail(error);
    }
    if (!run(QStringLiteral(R"(DELETE FROM %1 WHERE "InvID"=?)").arg(q(m_kind.headerTable)), {invId}))
        return fail(error);
    bool ok = m_data.ResetSeed(QStringLiteral("InvID"), m_kind.headerTable)
              && m_data.ResetSeed(QStringLiteral("ID"), m_kind.lineTable);
    if (ok && !m_kind.outLineTable.isEmpty())
        ok = m_data.ResetSeed(QStringLiteral("ID"), m_kind.outLineTable,
                              options().firstNumber(QString::fromLatin1(OptKey::FirstIndNo)));
    if (!ok || !tx.commit())
        return fail(error);
    return true;
}

bool Documents::switchCash(int invId, QString *error)
{
    if (!m_data.DoSqlNEW(QStringLiteral(R"(UPDATE %1 SET "Cash" = NOT "Cash" WHERE "InvID"=?)").arg(q(m_kind.headerTable)),
                         {invId}))
        return fail(error);
    return true;
}

// ---------------------------------------------------------------- totals

bool Documents::FindSumP(int invId)
{
    return m_data.DoSqlNEW(QStringLiteral(R"(UPDATE %1 SET "TotalAmount" = (100 + "Discount") * )"
                                          R"((SELECT coalesce(sum("Amount1"), 0) FROM %2 WHERE "InvID"=?) / 100 )"
                                          R"(WHERE "InvID"=?)")
                               .arg(q(m_kind.headerTable), q(m_kind.lineTable)),
                           {invId, invId});
}

bool Documents::mendMissingTotal(int invId)
{
    const QVariant missing = m_data.scalar(
        QStringLiteral(R"(SELECT count(*) FROM %1 WHERE "InvID"=? AND "TotalAmount" IS NULL)").arg(q(m_kind.headerTable)),
        {invId});
    return missing.toInt() > 0 && FindSumP(invId);
}

double Documents::productsTotal(int invId) const
{
    if (m_kind.outLineTable.isEmpty())
        return 0;
    return m_data.scalar(QStringLiteral(R"(SELECT coalesce(sum("Amount1"), 0) FROM %1 WHERE "InvID"=?)")
                             .arg(q(m_kind.outLineTable)),
                         {invId})
        .toDouble();
}

QString Documents::discountLabel(double totalAmount, double discount, int decimals)
{
    if (discount == 0 || 100 + discount == 0)
        return {};
    const double before = totalAmount * 100 / (100 + discount);
    const QString head = discount > 0 ? QStringLiteral("Commition: ") : QStringLiteral("Discount: ");
    return QStringLiteral("Total:") + QString::number(before, 'f', decimals) + QStringLiteral("\n\r") + head
           + QString::number(std::abs(discount), 'f', decimals) + QStringLiteral(" %");
}

// ----------------------------------------------------------------- lines

QList<DocumentLine> Documents::lines(int invId, bool products) const
{
    QList<DocumentLine> out;
    bool ok = false;
    QSqlQuery query = m_data.exec(
        QStringLiteral(R"(SELECT L."ID", L."InvID", L."ItemID", C."ItemCode", C."Description", C."ISize", C."Location", )"
                       R"(K."ItemKind", L."Quantity", L."Rate1", L."Amount1", L."Note" FROM %1 L JOIN "CodeTb" C ON )"
                       R"(C."ItemID" = L."ItemID" LEFT JOIN "ItemKind" K ON K."ItemKindID" = C."Kind" )"
                       R"(WHERE L."InvID"=? ORDER BY L."ID")")
            .arg(q(lines_(products))),
        {invId}, &ok);
    while (ok && query.next()) {
        DocumentLine l;
        l.ID = query.value(0).toInt();
        l.InvID = query.value(1).toInt();
        l.ItemID = query.value(2).toInt();
        l.ItemCode = query.value(3).toString().trimmed();
        l.Description = query.value(4).toString().trimmed();
        l.ISize = query.value(5).toString().trimmed();
        l.Location = query.value(6).toString();
        l.ItemKind = query.value(7).toString().trimmed();
        l.Quantity = query.value(8).toDouble();
        l.Rate1 = query.value(9).toDouble();
        l.Amount1 = query.value(10).toDouble();
        l.Note = query.value(11).toString();
        out << l;
    }
    return out;
}

int Documents::addLine(int invId, int itemId, double quantity, double rate, const QString &note, bool products,
                       QString *error)
{
    TTransaction tx(m_data);
    bool ok = false;
    QSqlQuery query = m_data.exec(QStringLiteral(R"(INSERT INTO %1 ("InvID","ItemID","Quantity","Rate1","Note") )"
                                                 R"(VALUES (?,?,?,?,?) RETURNING "ID")")
                                      .arg(q(lines_(products))),
                                  {invId, itemId, quantity, rate, note}, &ok);
    if (!ok || !query.next()) {
        fail(error);
        return 0;
    }
    const int id = query.value(0).toInt();
    query.finish();
    if ((!products && !FindSumP(invId)) || !tx.commit()) {
        fail(error);
        return 0;
    }
    if (m_kind.movesStock)
        appState().DataChanged = true;
    return id;
}

int Documents::addItemByCode(int invId, const QString &code, bool products, QString *error)
{
    bool ok = false;
    QSqlQuery item = m_data.exec(QStringLiteral(R"(SELECT "ItemID", "Rate" FROM "CodeTb" WHERE "ItemCode"=?)"), {code}, &ok);
    if (!ok || !item.next()) {
        if (error)
            *error = ok ? QStringLiteral("Error") : m_data.lastErrorText();
        return 0;
    }
    const int itemId = item.value(0).toInt();
    const double rate = products ? 0.0 : item.value(1).toDouble();
    item.finish();
    return addLine(invId, itemId, 1.0, rate, QString(), products, error);
}

bool Documents::updateLine(int lineId, double quantity, double rate, const QString &note, bool products,
                           QString *error)
{
    TTransaction tx(m_data);
    const int invId = m_data.scalar(QStringLiteral(R"(SELECT "InvID" FROM %1 WHERE "ID"=?)").arg(q(lines_(products))),
                                    {lineId})
                          .toInt();
    if (!m_data.DoSqlNEW(QStringLiteral(R"(UPDATE %1 SET "Quantity"=?, "Rate1"=?, "Note"=? WHERE "ID"=?)")
                             .arg(q(lines_(products))),
                         {quantity, rate, note, lineId})
        || (!products && !FindSumP(invId)) || !tx.commit())
        return fail(error);
    if (m_kind.movesStock)
        appState().DataChanged = true;
    return true;
}

bool Documents::deleteLine(int lineId, bool products, QString *error)
{
    TTransaction tx(m_data);
    const QString table = lines_(products);
    const int invId = m_data.scalar(QStringLiteral(R"(SELECT "InvID" FROM %1 WHERE "ID"=?)").arg(q(table)), {lineId})
                          .toInt();
    if (invId == 0) {
        if (error)
            *error = QStringLiteral("Error");
        return false;
    }
    const QString serials = serials_(products);
    if (!serials.isEmpty()
        && !m_data.DoSqlNEW(QStringLiteral(R"(DELETE FROM %1 WHERE "SOneID"=?)").arg(q(serials)), {lineId}))
        return fail(error);
    if (!m_data.DoSqlNEW(QStringLiteral(R"(DELETE FROM %1 WHERE "ID"=?)").arg(q(table)), {lineId})
        || !m_data.ResetSeed(QStringLiteral("ID"), table) || (!products && !FindSumP(invId)) || !tx.commit())
        return fail(error);
    if (m_kind.movesStock)
        appState().DataChanged = true;
    return true;
}

bool Documents::swapLines(int lineA, int lineB, bool products, QString *error)
{
    if (lineA == lineB)
        return true;
    const QString table = lines_(products);
    TTransaction tx(m_data);
    struct Content
    {
        QVariant item, quantity, rate, note;
    };
    auto read = [&](int id, Content *c) {
        bool ok = false;
        QSqlQuery query = m_data.exec(QStringLiteral(R"(SELECT "ItemID","Quantity","Rate1","Note" FROM %1 WHERE "ID"=?)")
                                          .arg(q(table)),
                                      {id}, &ok);
        if (!ok || !query.next())
            return false;
        *c = {query.value(0), query.value(1), query.value(2), query.value(3)};
        return true;
    };
    Content a, b;
    if (!read(lineA, &a) || !read(lineB, &b)) {
        if (error)
            *error = QStringLiteral("Error");
        return false;
    }
    const QString set = QStringLiteral(R"(UPDATE %1 SET "ItemID"=?, "Quantity"=?, "Rate1"=?, "Note"=? WHERE "ID"=?)").arg(q(table));
    if (!m_data.DoSqlNEW(set, {b.item, b.quantity, b.rate, b.note, lineA})
        || !m_data.DoSqlNEW(set, {a.item, a.quantity, a.rate, a.note, lineB}))
        return fail(error);
    // The serial numbers follow the contents (not for product lines).
    const QString serials = products ? QString() : m_kind.serialTable;
    if (!serials.isEmpty()) {
        auto ids = [&](int owner, QVariantList *out) {
            bool ok = false;
            QSqlQuery query = m_data.exec(QStringLiteral(R"(SELECT "ID" FROM %1 WHERE "SOneID"=?)").arg(q(serials)),
                                          {owner}, &ok);
            while (ok && query.next())
                *out << query.value(0);
            return ok;
        };
        auto moveTo = [&](int owner, const QVariantList &serialIds) {
            if (serialIds.isEmpty())
                return true;
            QStringList marks;
            for (int i = 0; i < serialIds.size(); ++i)
                marks << QStringLiteral("?");
            return m_data.DoSqlNEW(QStringLiteral(R"(UPDATE %1 SET "SOneID"=? WHERE "ID" IN (%2))")
                                       .arg(q(serials), marks.join(u',')),
                                   QVariantList{owner} + serialIds);
        };
        QVariantList ofA, ofB;
        if (!ids(lineA, &ofA) || !ids(lineB, &ofB) || !moveTo(lineB, ofA) || !moveTo(lineA, ofB))
            return fail(error);
    }
    if ((!products && !FindSumP(m_data.scalar(QStringLiteral(R"(SELECT "InvID" FROM %1 WHERE "ID"=?)").arg(q(table)), {lineA}).toInt()))
        || !tx.commit())
        return fail(error);
    return true;
}
