#include "StoreChk.h"

#include "StockQuery.h"

#include "data/TDataFormSQL.h"
#include "data/YearDatabases.h"
#include "shell/AppState.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QSqlQuery>

#include <atomic>

namespace {

// What the Store table of each connection was last built for.
struct Built
{
    QString key;         // year and limit
    quint64 changes = 0; // the change counter at that time
    double total = 0;
};

struct Cache
{
    QMutex mutex;
    quint64 changes = 0; // posted changes seen so far
    QHash<QString, Built> byConnection;

    // Takes a posted change (the DataChanged flag) into the counter.
    // Call with the mutex held.
    void absorbFlag()
    {
        AppState &state = appState();
        if (state.DataChanged) {
            state.DataChanged = false;
            ++changes;
        }
    }

    bool fresh(const QString &connection, const QString &key) const
    {
        const auto it = byConnection.constFind(connection);
        return it != byConnection.constEnd() && it->key == key && it->changes == changes;
    }
};

Cache &cache()
{
    static Cache c;
    return c;
}

std::atomic<int> g_recomputations{0};

QString waitText()
{
    return QCoreApplication::translate("StoreChk", "Wait");
}

// A bound date in a select list: PostgreSQL must be told its type there.
QString dateParameter(DbEngine engine)
{
    return engine == DbEngine::PostgreSQL ? QStringLiteral("CAST(? AS timestamp)")
                                          : QStringLiteral("?");
}

} // namespace

StoreChk::StoreChk(TDataFormSQL &data)
    : m_data(data)
{ }

int StoreChk::recomputations()
{
    return g_recomputations.load();
}

int StoreChk::openYear() const
{
    QString prefix;
    int year = 0;
    if (YearDatabases::parseName(m_data.params().database, &prefix, &year) && year > 0)
        return year;
    return appState().CurYear;
}

QString StoreChk::cacheKey() const
{
    return QString::number(openYear()) + u'|'
        + (m_upTo.isValid() ? m_upTo.toString(Qt::ISODate) : QStringLiteral("-"));
}

bool StoreChk::isStale() const
{
    if (!m_data.isOpen())
        return true;
    Cache &c = cache();
    QMutexLocker lock(&c.mutex);
    return appState().DataChanged || !c.fresh(m_data.database().connectionName(), cacheKey());
}

bool StoreChk::recalc()
{
    {
        QMutexLocker lock(&cache().mutex);
        appState().DataChanged = true;
    }
    return run();
}

bool StoreChk::run()
{
    m_recomputed = false;
    m_error.clear();
    if (!m_data.isOpen()) {
        m_error = QCoreApplication::translate("StoreChk", "No database is open");
        return false;
    }
    const QString connection = m_data.database().connectionName();
    const QString key = cacheKey();
    Cache &c = cache();
    quint64 changes = 0;
    {
        QMutexLocker lock(&c.mutex);
        c.absorbFlag();
        if (c.fresh(connection, key)) {
            m_total = c.byConnection.value(connection).total;
            return true;
        }
        changes = c.changes;
    }

    m_recomputed = true;
    ++g_recomputations;
    m_data.IncGauge(waitText());

    const DbEngine engine = m_data.engine();
    StockQuery::Options options;
    options.engine = engine;
    options.upTo = m_upTo;
    const StockQuery::Statement rows = StockQuery::stockRows(
        options, dateParameter(engine), {m_data.ToSqlDate(QDate(openYear(), 1, 1))});

    bool ok = false;
    double total = 0;
    {
        // Store is the connection's own table; the transaction keeps the
        // previous list whole when any step fails.
        TTransaction tx(m_data);
        // Numbers restart at 1 and follow the item keys, so that reading the
        // list back walks the catalogue in its own order.
        ok = tx.isActive() && m_data.DoSqlNEW(QStringLiteral("DELETE FROM \"Store\""))
            && m_data.ResetSeed(QStringLiteral("CNO"), QStringLiteral("Store"))
            && m_data.DoSqlNEW(
                QStringLiteral("INSERT INTO \"Store\"(\"Date1\", \"ItemId\", \"Quantity\", "
                               "\"RateStr\") ")
                    + rows.sql + QStringLiteral(" ORDER BY s.\"ItemID\""),
                rows.values);
        if (ok) {
            // Store holds stocked items only: the value leaves services out.
            const QVariant sum = m_data.scalar(
                QStringLiteral("SELECT sum(\"Quantity\" * \"RateStr\") FROM \"Store\""), {}, &ok);
            total = sum.isNull() ? 0 : sum.toDouble();
        }
        if (ok)
            ok = tx.commit();
        if (!ok)
            m_error = m_data.lastErrorText();
    }
    m_data.hideGauge();

    QMutexLocker lock(&c.mutex);
    if (ok) {
        c.byConnection.insert(connection, Built{key, changes, total});
        m_total = total;
    } else {
        // Still stale: the next run tries again.
        c.byConnection.remove(connection);
        appState().DataChanged = true;
    }
    return ok;
}

QString StoreChk::listStatement()
{
    return QStringLiteral(
        "SELECT s.\"ItemId\", c.\"ItemCode\", c.\"Description\", s.\"Quantity\", "
        "s.\"RateStr\", c.\"NotLes\" FROM \"Store\" s "
        "JOIN \"CodeTb\" c ON c.\"ItemID\" = s.\"ItemId\" ORDER BY c.\"ItemCode\", s.\"CNO\"");
}

StockRow StoreChk::readRow(const QSqlQuery &q)
{
    StockRow r;
    r.itemId = q.value(0).toInt();
    r.itemCode = q.value(1).toString().trimmed();
    r.description = q.value(2).toString().trimmed();
    r.quantity = q.value(3).toDouble();
    r.costRate = q.value(4).toDouble();
    r.value = r.quantity * r.costRate;
    r.notLes = q.value(5).toDouble(); // an empty minimum counts as 0
    r.down = r.quantity < r.notLes;
    return r;
}

QList<StockRow> StoreChk::rows(bool *ok) const
{
    QList<StockRow> out;
    bool done = false;
    QSqlQuery q = m_data.exec(listStatement(), {}, &done);
    while (done && q.next())
        out << readRow(q);
    if (ok)
        *ok = done;
    return out;
}

ItemStock StoreChk::itemStock(int itemId) const
{
    ItemStock out;
    QSqlQuery q;
    bool done = false;
    if (!isStale()) {
        q = m_data.exec(
            QStringLiteral("SELECT \"Quantity\", \"RateStr\" FROM \"Store\" WHERE \"ItemId\" = ?"),
            {itemId}, &done);
    } else {
        StockQuery::Options options;
        options.engine = m_data.engine();
        options.upTo = m_upTo;
        options.scope = StockQuery::Scope::OneItem;
        options.itemId = itemId;
        const StockQuery::Statement st = StockQuery::stockRows(options);
        q = m_data.exec(QStringLiteral("SELECT x.\"Q\", x.\"R\" FROM (") + st.sql
                            + QStringLiteral(") x"),
                        st.values, &done);
    }
    out.ok = done;
    if (done && q.next()) {
        out.found = true;
        out.quantity = q.value(0).toDouble();
        out.costRate = q.value(1).toDouble();
    }
    return out;
}
