#include "TDataFormSQL.h"

#include "SchemaDef.h"
#include "shell/AppState.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QThread>

namespace {
TDataFormSQL *g_current = nullptr;
int g_connectionCounter = 0;

// A server that is still starting or a file held for a moment by another
// workstation: worth another try. A missing database or a wrong password
// is not.
bool isTransient(const QString &error)
{
    for (const char *sign : {"starting up", "Connection refused", "could not connect", "is locked",
                             "timeout expired", "shutting down"})
        if (error.contains(QLatin1String(sign), Qt::CaseInsensitive))
            return true;
    return false;
}
} // namespace

TDataFormSQL::TDataFormSQL(QObject *parent)
    : QObject(parent)
    , m_dialect(SqlDialect::create(DbEngine::SQLite))
{
    m_previous = g_current;
    g_current = this;
}

TDataFormSQL::~TDataFormSQL()
{
    CloseDB();
    if (g_current == this)
        g_current = m_previous;
}

TDataFormSQL *TDataFormSQL::current()
{
    return g_current;
}

bool TDataFormSQL::isOpen() const
{
    return !m_connectionName.isEmpty() && QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase TDataFormSQL::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool TDataFormSQL::OpenDB(const ConnectionParams &params)
{
    CloseDB();
    m_params = params;
    m_dialect = SqlDialect::create(params.engine);
    m_lastError.clear();

    if (params.engine == DbEngine::SQLite && !QFileInfo::exists(params.sqliteFile())) {
        m_lastError = tr("Database does not exist: %1").arg(params.sqliteFile());
        return false;
    }

    m_connectionName = QStringLiteral("qarvel-main-%1").arg(++g_connectionCounter);
    QSqlDatabase db = QSqlDatabase::addDatabase(m_dialect->driverName(), m_connectionName);
    QStringList options;
    if (params.engine == DbEngine::SQLite) {
        db.setDatabaseName(params.sqliteFile());
        options << QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
        if (params.readOnly)
            options << QStringLiteral("QSQLITE_OPEN_READONLY");
    } else {
        db.setHostName(params.host);
        db.setPort(params.port);
        db.setUserName(params.user);
        db.setPassword(params.password);
        db.setDatabaseName(params.database);
        options << QStringLiteral("connect_timeout=5");
    }
    db.setConnectOptions(options.join(u';'));

    // A server that is starting, or a file held by another workstation's
    // checkpoint, gets short retries for a few seconds; never an endless loop.
    bool opened = false;
    QElapsedTimer clock;
    clock.start();
    for (int attempt = 1; !opened; ++attempt) {
        opened = db.open();
        if (opened)
            break;
        m_lastError = db.lastError().text();
        if (clock.elapsed() > 3000 || !isTransient(m_lastError))
            break;
        IncGauge(tr("Wait DB Open %1").arg(attempt));
        QThread::msleep(300);
    }
    hideGauge();
    if (!opened) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        m_connectionName.clear();
        return false;
    }

    QString error;
    if (!m_dialect->prepareConnection(db, params.readOnly, &error)) {
        m_lastError = error;
        CloseDB();
        return false;
    }

    m_sql1 = std::make_unique<QSqlQuery>(db);
    AppState &state = appState();
    state.DateOrder = 1; // dates travel as bound values; the order is fixed
    state.IsServer = params.engine == DbEngine::SQLite
                     || params.host == u"127.0.0.1" || params.host.compare(u"localhost", Qt::CaseInsensitive) == 0;
    OpenTables();
    emit connectionChanged();
    return true;
}

void TDataFormSQL::CloseDB()
{
    if (m_connectionName.isEmpty())
        return;
    emit aboutToClose();
    CloseTables();
    m_sql1.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
    m_txDepth = 0;
    emit connectionChanged();
}

void TDataFormSQL::OpenTables()
{
    if (!m_params.readOnly)
        createScratchTables();
}

void TDataFormSQL::CloseTables()
{
    if (m_sql1)
        m_sql1->finish();
}

void TDataFormSQL::createScratchTables()
{
    // Scratch tables live in the connection's temporary schema: two
    // workstations never see each other's rows, and a half-done fill
    // vanishes with the connection.
    QSqlDatabase db = database();
    for (const TableDef &t : Schema::scratchTables()) {
        if (m_dialect->engine() == DbEngine::SQLite) {
            QSqlQuery probe(db);
            probe.prepare(QStringLiteral("SELECT 1 FROM sqlite_temp_master WHERE name=?"));
            probe.addBindValue(t.name);
            if (probe.exec() && probe.next())
                continue;
        }
        for (const QString &sql : m_dialect->createTableSql(t)) {
            QString statement = sql;
            if (m_dialect->engine() == DbEngine::PostgreSQL)
                statement.replace(QStringLiteral("CREATE TEMPORARY TABLE "),
                                  QStringLiteral("CREATE TEMPORARY TABLE IF NOT EXISTS "));
            QSqlQuery q(db);
            if (!q.exec(statement))
                m_lastError = q.lastError().text();
        }
    }
}

bool TDataFormSQL::runOn(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    if (!isOpen()) {
        m_lastError = tr("No database is open");
        return false;
    }
    query.finish();
    bool ok;
    if (values.isEmpty()) {
        // Statements without values run as they are (PostgreSQL cannot
        // prepare DDL).
        ok = query.exec(sql);
    } else {
        ok = query.prepare(sql);
        if (ok) {
            for (const QVariant &v : values)
                query.addBindValue(v);
            ok = query.exec();
        }
    }
    if (!ok)
        m_lastError = query.lastError().text();
    else
        m_lastError.clear();
    return ok;
}

bool TDataFormSQL::DoSqlNEW(const QString &sql, const QVariantList &values)
{
    if (!m_sql1) {
        m_lastError = tr("No database is open");
        return false;
    }
    return runOn(*m_sql1, sql, values);
}

bool TDataFormSQL::DoSql(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    return runOn(query, sql, values);
}

QSqlQuery TDataFormSQL::exec(const QString &sql, const QVariantList &values, bool *ok)
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    const bool done = runOn(q, sql, values);
    if (ok)
        *ok = done;
    return q;
}

QVariant TDataFormSQL::scalar(const QString &sql, const QVariantList &values, bool *ok)
{
    bool done = false;
    QSqlQuery q = exec(sql, values, &done);
    if (ok)
        *ok = done;
    if (done && q.next())
        return q.value(0);
    return {};
}

bool TDataFormSQL::TableExists(const QString &table)
{
    if (!isOpen())
        return false;
    QSqlDatabase db = database();
    return m_dialect->tableExists(db, table);
}

bool TDataFormSQL::ColumnExists(const QString &table, const QString &column)
{
    if (!isOpen())
        return false;
    QSqlDatabase db = database();
    return m_dialect->columnNames(db, table).contains(column, Qt::CaseInsensitive);
}

bool TDataFormSQL::ResetSeed(const QString &column, const QString &table, int emptyValue)
{
    bool ok = false;
    const QVariant max = scalar(QStringLiteral("SELECT max(%1) FROM %2")
                                    .arg(SqlDialect::quote(column), SqlDialect::quote(table)),
                                {}, &ok);
    if (!ok)
        return false;
    const qint64 seed = max.isNull() || !max.isValid() ? emptyValue - 1 : max.toLongLong();
    QSqlDatabase db = database();
    QString error;
    if (!m_dialect->reseed(db, table, column, seed, &error)) {
        m_lastError = error;
        return false;
    }
    return true;
}

QVariant TDataFormSQL::ToSqlDate(const QString &displayText) const
{
    const QString text = displayText.trimmed();
    for (const char *format : {"dd/MM/yyyy HH:mm:ss", "dd/MM/yyyy HH:mm", "dd/MM/yyyy", "d/M/yyyy H:mm:ss",
                               "d/M/yyyy H:mm", "d/M/yyyy"}) {
        const QDateTime dt = QDateTime::fromString(text, QString::fromLatin1(format));
        if (dt.isValid())
            return m_dialect->dateValue(dt);
    }
    return m_dialect->dateValue(QDateTime());
}

QVariant TDataFormSQL::ToSqlDate(const QDateTime &value) const
{
    return m_dialect->dateValue(value);
}

QVariant TDataFormSQL::ToSqlDate(const QDate &value) const
{
    return m_dialect->dateValue(value);
}

bool TDataFormSQL::beginTransaction()
{
    if (!isOpen())
        return false;
    bool ok;
    if (m_txDepth == 0) {
        ok = database().transaction();
        if (!ok)
            m_lastError = database().lastError().text();
    } else {
        QSqlQuery q(database());
        ok = q.exec(QStringLiteral("SAVEPOINT sp%1").arg(m_txDepth));
        if (!ok)
            m_lastError = q.lastError().text();
    }
    if (ok)
        ++m_txDepth;
    return ok;
}

bool TDataFormSQL::commitTransaction()
{
    if (m_txDepth <= 0 || !isOpen())
        return false;
    bool ok;
    if (m_txDepth == 1) {
        ok = database().commit();
        if (!ok) {
            m_lastError = database().lastError().text();
            database().rollback();
        }
    } else {
        QSqlQuery q(database());
        ok = q.exec(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_txDepth - 1));
        if (!ok)
            m_lastError = q.lastError().text();
    }
    --m_txDepth;
    return ok;
}

bool TDataFormSQL::rollbackTransaction()
{
    if (m_txDepth <= 0 || !isOpen())
        return false;
    bool ok;
    if (m_txDepth == 1) {
        ok = database().rollback();
    } else {
        QSqlQuery q(database());
        ok = q.exec(QStringLiteral("ROLLBACK TO SAVEPOINT sp%1").arg(m_txDepth - 1))
             && q.exec(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_txDepth - 1));
    }
    --m_txDepth;
    return ok;
}

void TDataFormSQL::IncGauge(const QString &caption)
{
    emit gaugeStep(caption);
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TDataFormSQL::hideGauge()
{
    emit gaugeHidden();
}

// ------------------------------------------------------------ TTransaction

TTransaction::TTransaction(TDataFormSQL &data)
    : m_data(data)
{
    m_active = m_data.beginTransaction();
}

TTransaction::~TTransaction()
{
    if (m_active)
        rollback();
}

bool TTransaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    return m_data.commitTransaction();
}

void TTransaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    m_data.rollbackTransaction();
}
