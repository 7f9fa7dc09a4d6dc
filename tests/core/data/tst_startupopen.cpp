// Opening the year database when the program starts.

#include "TestDb.h"

#include "data/DbSettings.h"
#include "data/StartupOpen.h"
#include "data/YearDatabases.h"
#include "shell/AppState.h"
#include "shell/Clock.h"

#include <QFile>
#include <QtTest>

class TestStartupOpen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstStartCreatesTheCurrentYear();
    void secondStartOpensWithoutCreating();
    void missingCurrentYearFailsAfterThreeAttempts();
    void postgresServerFromSettings();
    void unreachableServerFails();
};

void TestStartupOpen::init()
{
    Clock::setNow(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
    appState().resetForTests();
}

void TestStartupOpen::cleanup()
{
    Clock::reset();
}

void TestStartupOpen::firstStartCreatesTheCurrentYear()
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    TDataFormSQL data;
    StartupOpen open;
    open.pauseMs = 0;
    const StartupOpen::Result r = open.run(data, appDir);
    QVERIFY2(r.ok, qPrintable(r.message));
    QVERIFY(r.createdFirstYear);
    QCOMPARE(r.database, QStringLiteral("QarvelDATA2026"));
    QVERIFY(QFile::exists(appDir + "QarvelDATA2026.sqlite"));
    QVERIFY(r.message.contains("QarvelDATA2026"));
    QVERIFY(data.isOpen());
    QCOMPARE(appState().CurYear, 2026);
    QCOMPARE(appState().ThisYear, 2026);
    QCOMPARE(appState().WorkDate, QDate(2026, 12, 10));
    QCOMPARE(data.scalar(R"(SELECT count(*) FROM "Address")").toInt(), 3);
}

void TestStartupOpen::secondStartOpensWithoutCreating()
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    {
        TDataFormSQL data;
        StartupOpen open;
        open.pauseMs = 0;
        QVERIFY(open.run(data, appDir).ok);
        QVERIFY(data.DoSqlNEW(R"(INSERT INTO "Diary"("Note") VALUES('mine'))"));
    }
    TDataFormSQL data;
    StartupOpen open;
    open.pauseMs = 0;
    const StartupOpen::Result r = open.run(data, appDir);
    QVERIFY(r.ok);
    QVERIFY(!r.createdFirstYear);
    QCOMPARE(data.scalar(R"(SELECT "Note" FROM "Diary")").toString(), QStringLiteral("mine"));
}

void TestStartupOpen::missingCurrentYearFailsAfterThreeAttempts()
{
    // Only last year's database is there: the new year must be built (or
    // restored) first; the program does not invent one.
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    ConnectionParams last = TestDb::serverParams(DbEngine::SQLite, appDir);
    last.database = "QarvelDATA2025";
    QVERIFY(YearDatabases::create(last));

    TDataFormSQL data;
    StartupOpen open;
    open.pauseMs = 0;
    QStringList shown;
    open.progress = [&](const QString &text) { shown << text; };
    const StartupOpen::Result r = open.run(data, appDir);
    QVERIFY(!r.ok);
    QVERIFY(!r.createdFirstYear);
    QVERIFY(!data.isOpen());
    QVERIFY2(r.message.startsWith("SQL Server Error OR Database is not exists:QarvelDATA2026"), qPrintable(r.message));
    QVERIFY(shown.contains("Try to open DB: 2 / 3"));
    QVERIFY(shown.contains("Try to open DB: 3 / 3   wait: 100 / 100"));
    QVERIFY(!shown.contains("Try to open DB: 4 / 3"));
    QVERIFY(!QFile::exists(appDir + "QarvelDATA2026.sqlite"));
}

void TestStartupOpen::postgresServerFromSettings()
{
    if (!TestDb::postgresConfigured()) {
        if (TestDb::postgresRequired())
            QFAIL("PostgreSQL required");
        QSKIP("PostgreSQL not configured");
    }
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    const ConnectionParams server = TestDb::serverParams(DbEngine::PostgreSQL, appDir);
    DbSettings settings;
    settings.server = server.host + u':' + QString::number(server.port);
    settings.user = server.user;
    settings.password = server.password;
    QVERIFY(settings.save(appDir + DbSettings::kFileName));

    // A company of its own so that parallel tests never meet.
    appState().DataPrefix = QStringLiteral("T%1S").arg(QCoreApplication::applicationPid());
    ConnectionParams year = server;
    year.database = YearDatabases::databaseName(appState().DataPrefix, 2026);
    YearDatabases::drop(year);

    TDataFormSQL data;
    StartupOpen open;
    open.pauseMs = 0;
    StartupOpen::Result r = open.run(data, appDir);
    QVERIFY(!r.ok); // never created on a server
    QVERIFY(!r.createdFirstYear);

    QVERIFY(YearDatabases::create(year));
    r = open.run(data, appDir);
    QVERIFY2(r.ok, qPrintable(r.message));
    QCOMPARE(data.engine(), DbEngine::PostgreSQL);
    QCOMPARE(data.params().database, year.database);
    data.CloseDB();
    QVERIFY(YearDatabases::drop(year));
}

void TestStartupOpen::unreachableServerFails()
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    DbSettings settings;
    settings.server = "127.0.0.1:1"; // nothing listens there
    QVERIFY(settings.save(appDir + DbSettings::kFileName));
    TDataFormSQL data;
    StartupOpen open;
    open.pauseMs = 0;
    QElapsedTimer t;
    t.start();
    const StartupOpen::Result r = open.run(data, appDir);
    QVERIFY(!r.ok);
    QVERIFY(r.message.startsWith("SQL Server Error OR Database is not exists:"));
    // bounded: a few seconds per attempt at most
    QVERIFY2(t.elapsed() < 15000, qPrintable(QString::number(t.elapsed())));
}

QTEST_GUILESS_MAIN(TestStartupOpen)
#include "tst_startupopen.moc"
