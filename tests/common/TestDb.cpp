#include "TestDb.h"

#include "data/SchemaUpgrade.h"
#include "data/YearDatabases.h"

#include <QCoreApplication>
#include <QFile>

namespace TestDb {

void addEngines()
{
    QTest::addColumn<int>("engineRow");
    QTest::newRow("sqlite") << static_cast<int>(DbEngine::SQLite);
    QTest::newRow("postgres") << static_cast<int>(DbEngine::PostgreSQL);
}

bool postgresConfigured()
{
    return !qEnvironmentVariableIsEmpty("QARVEL_TEST_PG_HOST");
}

bool postgresRequired()
{
    return !qEnvironmentVariableIsEmpty("QARVEL_TEST_PG_REQUIRED");
}

ConnectionParams serverParams(DbEngine engine, const QString &dataDir)
{
    ConnectionParams p;
    p.engine = engine;
    p.dataDir = dataDir;
    if (engine == DbEngine::PostgreSQL) {
        p.host = qEnvironmentVariable("QARVEL_TEST_PG_HOST");
        p.port = qEnvironmentVariableIntValue("QARVEL_TEST_PG_PORT");
        if (p.port == 0)
            p.port = 5432;
        p.user = qEnvironmentVariable("QARVEL_TEST_PG_USER", QStringLiteral("postgres"));
        p.password = qEnvironmentVariable("QARVEL_TEST_PG_PASSWORD");
    }
    return p;
}

QString engineName(DbEngine engine)
{
    return engine == DbEngine::SQLite ? QStringLiteral("sqlite") : QStringLiteral("postgres");
}

QString uniqueName(int year)
{
    static int counter = 0;
    return YearDatabases::databaseName(
        QStringLiteral("T%1X%2").arg(QCoreApplication::applicationPid()).arg(++counter), year);
}

bool refuseUpdates(TDataFormSQL &data, const QString &table)
{
    const QString t = SqlDialect::quote(table);
    if (data.engine() == DbEngine::SQLite)
        return data.DoSqlNEW(QStringLiteral("CREATE TRIGGER \"refuse\" BEFORE UPDATE ON %1 BEGIN SELECT "
                                            "RAISE(ABORT, 'refused'); END").arg(t));
    return data.DoSqlNEW(QStringLiteral("CREATE OR REPLACE FUNCTION refuse() RETURNS trigger AS $$ BEGIN RAISE "
                                        "EXCEPTION 'refused'; END $$ LANGUAGE plpgsql"))
           && data.DoSqlNEW(QStringLiteral("CREATE TRIGGER \"refuse\" BEFORE UPDATE ON %1 FOR EACH ROW EXECUTE "
                                           "FUNCTION refuse()").arg(t));
}

bool acceptUpdates(TDataFormSQL &data, const QString &table)
{
    if (data.engine() == DbEngine::SQLite)
        return data.DoSqlNEW(QStringLiteral("DROP TRIGGER \"refuse\""));
    return data.DoSqlNEW(QStringLiteral("DROP TRIGGER \"refuse\" ON %1").arg(SqlDialect::quote(table)));
}

} // namespace TestDb

ScratchYear::ScratchYear(DbEngine engine, Content content, int year)
{
    m_params = TestDb::serverParams(engine, dataDir());
    m_params.database = TestDb::uniqueName(year);
    m_data = std::make_unique<TDataFormSQL>();
    if (content == Content::Template) {
        m_ok = YearDatabases::create(m_params, &m_error) && m_data->OpenDB(m_params);
    } else {
        // An old database: made empty, then given the base tables only.
        ConnectionParams p = m_params;
        if (engine == DbEngine::SQLite) {
            QFile f(p.sqliteFile());
            m_ok = f.open(QIODevice::WriteOnly);
            f.close();
        } else {
            // Create through the template path's server connection, then
            // drop everything the template made.
            m_ok = YearDatabases::create(p, &m_error);
            if (m_ok && m_data->OpenDB(p)) {
                m_ok = m_data->DoSqlNEW(QStringLiteral("DROP SCHEMA public CASCADE"))
                       && m_data->DoSqlNEW(QStringLiteral("CREATE SCHEMA public"));
                m_data->CloseDB();
            }
        }
        m_ok = m_ok && m_data->OpenDB(m_params);
        if (m_ok && content == Content::Base)
            m_ok = SchemaUpgrade::createBaseSchema(*m_data, &m_error);
    }
    if (!m_ok && m_error.isEmpty())
        m_error = m_data->lastErrorText();
}

ScratchYear::~ScratchYear()
{
    m_data->CloseDB();
    YearDatabases::drop(m_params);
}

bool ScratchYear::reopen()
{
    m_data->CloseDB();
    return m_data->OpenDB(m_params);
}
