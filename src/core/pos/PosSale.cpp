#include "PosSale.h"

#include "data/TDataFormSQL.h"
#include "shell/AppState.h"
#include "shell/Clock.h"

#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

// Prepared once per connection: the scan path runs the same four
// statements thousands of times a day.
struct PosSale::Prepared
{
    explicit Prepared(const QSqlDatabase &db)
        : item(db)
        , insertLine(db)
        , total(db)
    {
        item.prepare(QStringLiteral(R"(SELECT "ItemID", "Rate", "Description" FROM "CodeTb" WHERE "ItemCode"=?)"));
        insertLine.prepare(QStringLiteral(R"(INSERT INTO "SaleOne"("InvID","ItemID","Quantity","Rate1") )"
                                          R"(VALUES(?,?,?,?) RETURNING "ID")"));
        total.prepare(QStringLiteral(R"(UPDATE "Sales" SET "TotalAmount" = (100 + "Discount") * )"
                                     R"((SELECT coalesce(sum("Amount1"), 0) FROM "SaleOne" WHERE "InvID"=?) / 100 )"
                                     R"(WHERE "InvID"=? RETURNING "TotalAmount")"));
    }
    QSqlQuery item;
    QSqlQuery insertLine;
    QSqlQuery total;
};

PosSale::PosSale(TDataFormSQL &data, QObject *parent)
    : QObject(parent)
    , m_data(data)
{
    connect(&m_data, &TDataFormSQL::aboutToClose, this, &PosSale::reset);
    connect(&m_data, &TDataFormSQL::connectionChanged, this, &PosSale::reset);
}

PosSale::~PosSale() = default;

void PosSale::reset()
{
    m_prepared.reset();
    m_invId = 0;
    m_cashAccount = 0;
}

PosSale::Prepared &PosSale::prepared()
{
    if (!m_prepared)
        m_prepared = std::make_unique<Prepared>(m_data.database());
    return *m_prepared;
}

bool PosSale::parseWeight(const QString &text, QString *code, double *quantity)
{
    if (text.size() <= 5)
        return false;
    const QString digits = text.right(5);
    for (QChar c : digits)
        if (!c.isDigit() || c.unicode() > 127)
            return false;
    *code = text.left(text.size() - 5);
    *quantity = digits.left(2).toInt() + digits.mid(2).toInt() / 1000.0;
    return true;
}

int PosSale::cashAccount(QString *error)
{
    if (m_cashAccount)
        return m_cashAccount;
    bool ok = false;
    QVariant id = m_data.scalar(QStringLiteral(R"(SELECT min("ID") FROM "Address" WHERE "CashOnly" AND "ID">3)"), {}, &ok);
    if (ok && !id.isNull() && id.isValid()) {
        m_cashAccount = id.toInt();
        return m_cashAccount;
    }
    QSqlQuery q = m_data.exec(QStringLiteral(R"(INSERT INTO "Address"("AName","CashOnly") VALUES('Cash',TRUE) RETURNING "ID")"),
                              {}, &ok);
    if (!ok || !q.next()) {
        if (error)
            *error = m_data.lastErrorText();
        return 0;
    }
    m_cashAccount = q.value(0).toInt();
    return m_cashAccount;
}

bool PosSale::currentSaleIsEmpty() const
{
    if (!m_invId)
        return true;
    return m_data.scalar(QStringLiteral(R"(SELECT count(*) FROM "SaleOne" WHERE "InvID"=?)"), {m_invId}).toInt() == 0;
}

int PosSale::newSale(int uid, QString *error)
{
    // An empty sale of this terminal is reused, never a second one opened.
    if (m_invId && currentSaleIsEmpty()
        && m_data.scalar(QStringLiteral(R"(SELECT count(*) FROM "Sales" WHERE "InvID"=?)"), {m_invId}).toInt() == 1)
        return m_invId;
    const int account = cashAccount(error);
    if (!account)
        return 0;
    bool ok = false;
    const QDateTime now = Clock::now();
    QSqlQuery q = m_data.exec(QStringLiteral(R"(INSERT INTO "Sales"("CompanyID","Date1","StartTime","Cash","UID") )"
                                             R"(VALUES(?,?,?,TRUE,?) RETURNING "InvID")"),
                              {account, m_data.ToSqlDate(now), m_data.ToSqlDate(now), uid}, &ok);
    if (!ok || !q.next()) {
        if (error)
            *error = m_data.lastErrorText();
        return 0;
    }
    m_invId = q.value(0).toInt();
    return m_invId;
}

bool PosSale::lookup(const QString &code, Scan *scan)
{
    QSqlQuery &item = prepared().item;
    item.addBindValue(code);
    if (!item.exec()) {
        scan->error = item.lastError().text();
        return false;
    }
    const bool found = item.next();
    if (found) {
        scan->itemId = item.value(0).toInt();
        scan->rate = item.value(1).toDouble();
        scan->description = item.value(2).toString().trimmed();
        scan->itemCode = code;
    }
    item.finish();
    return found;
}

PosSale::Scan PosSale::AddItemFromBarCode(const QString &text, int uid)
{
    Scan scan;
    const QString code = text.trimmed();
    scan.quantity = 1;
    bool found = !code.isEmpty() && lookup(code, &scan);
    if (!found && scan.error.isEmpty()) {
        QString itemCode;
        double weight = 0;
        if (PosSale::parseWeight(code, &itemCode, &weight) && lookup(itemCode, &scan)) {
            found = true;
            scan.quantity = weight;
        }
    }
    if (!found) {
        scan.status = scan.error.isEmpty() ? Scan::NotFound : Scan::Failed;
        return scan;
    }
    if (!m_invId && !newSale(uid, &scan.error))
        return scan;

    TTransaction tx(m_data);
    Prepared &p = prepared();
    p.insertLine.addBindValue(m_invId);
    p.insertLine.addBindValue(scan.itemId);
    p.insertLine.addBindValue(scan.quantity);
    p.insertLine.addBindValue(scan.rate);
    if (!p.insertLine.exec() || !p.insertLine.next()) {
        scan.error = p.insertLine.lastError().text();
        p.insertLine.finish();
        return scan;
    }
    scan.lineId = p.insertLine.value(0).toInt();
    p.insertLine.finish();
    p.total.addBindValue(m_invId);
    p.total.addBindValue(m_invId);
    if (!p.total.exec() || !p.total.next()) {
        scan.error = p.total.lastError().text();
        p.total.finish();
        return scan;
    }
    scan.total = p.total.value(0).toDouble();
    p.total.finish();
    if (!tx.commit()) {
        scan.error = m_data.lastErrorText();
        return scan;
    }
    appState().DataChanged = true;
    scan.invId = m_invId;
    scan.status = Scan::Added;
    return scan;
}

bool PosSale::changeQuantity(int lineId, double quantity, int decimals, QString *error)
{
    if (!(quantity > 0)) {
        if (error)
            *error = QStringLiteral("Error! Quantity must be >0");
        return false;
    }
    const double factor = std::pow(10.0, decimals);
    const double rounded = std::round(quantity * factor) / factor;
    TTransaction tx(m_data);
    const bool ok = m_data.DoSqlNEW(QStringLiteral(R"(UPDATE "SaleOne" SET "Quantity"=? WHERE "ID"=? AND "InvID"=?)"),
                                    {rounded, lineId, m_invId})
                    && m_data.sql1().numRowsAffected() == 1
                    && m_data.DoSqlNEW(QStringLiteral(R"(UPDATE "Sales" SET "TotalAmount" = (100 + "Discount") * )"
                                                      R"((SELECT coalesce(sum("Amount1"), 0) FROM "SaleOne" WHERE "InvID"=?) / 100 )"
                                                      R"(WHERE "InvID"=?)"),
                                       {m_invId, m_invId})
                    && tx.commit();
    if (!ok && error)
        *error = m_data.lastErrorText().isEmpty() ? QStringLiteral("Error") : m_data.lastErrorText();
    if (ok)
        appState().DataChanged = true;
    return ok;
}

double PosSale::total() const
{
    return m_data.scalar(QStringLiteral(R"(SELECT "TotalAmount" FROM "Sales" WHERE "InvID"=?)"), {m_invId}).toDouble();
}
