#pragma once

#include "data/DbEngine.h"
#include "data/TDataFormSQL.h"

#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Fresh year databases for tests, on either engine.
//
// A test class that runs its cases on both engines declares
//     void initTestCase_data() { TestDb::addEngines(); }
// and starts each case with QARVEL_FETCH_ENGINE(engine);
// PostgreSQL comes from QARVEL_TEST_PG_HOST/PORT/USER/PASSWORD (set by
// ./qarvel test, which starts a throwaway server). Without them the
// PostgreSQL rows are skipped, unless QARVEL_TEST_PG_REQUIRED is set.
namespace TestDb {

void addEngines();
bool postgresConfigured();
bool postgresRequired();
// Server part of the connection (no database chosen yet).
ConnectionParams serverParams(DbEngine engine, const QString &dataDir);
QString engineName(DbEngine engine);
// A database name no other test uses ("Qarvel" + unique prefix + year).
QString uniqueName(int year = 2026);

// Makes the database refuse every UPDATE of table with the error "refused",
// as a crash or a failing disk would cut an operation off; and takes that
// back again.
bool refuseUpdates(TDataFormSQL &data, const QString &table);
bool acceptUpdates(TDataFormSQL &data, const QString &table);

} // namespace TestDb

#define QARVEL_FETCH_ENGINE(var)                                                                   \
    QFETCH_GLOBAL(int, engineRow);                                                                 \
    const DbEngine var = static_cast<DbEngine>(engineRow);                                         \
    if (var == DbEngine::PostgreSQL && !TestDb::postgresConfigured()) {                            \
        if (TestDb::postgresRequired())                                                            \
            QFAIL("PostgreSQL is required but QARVEL_TEST_PG_HOST is not set");                    \
        QSKIP("PostgreSQL not configured (QARVEL_TEST_PG_HOST)");                                  \
    }

// One fresh year database, removed again at the end of the test.
class ScratchYear
{
public:
    enum class Content { Template, Base, Empty };
    explicit ScratchYear(DbEngine engine, Content content = Content::Template, int year = 2026);
    ~ScratchYear();

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    TDataFormSQL &data() { return *m_data; }
    const ConnectionParams &params() const { return m_params; }
    QString dataDir() const { return m_dir.path() + QLatin1Char('/'); }

    // Close and open again (a second program start on the same database).
    bool reopen();

private:
    QTemporaryDir m_dir;
    ConnectionParams m_params;
    std::unique_ptr<TDataFormSQL> m_data;
    bool m_ok = false;
    QString m_error;
};
