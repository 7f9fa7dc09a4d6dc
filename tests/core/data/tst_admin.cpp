// qarvel-admin commands, run in-process.

#include "TestDb.h"

#include "AdminRun.h"
#include "data/DbSettings.h"
#include "data/SchemaUpgrade.h"
#include "data/YearDatabases.h"

#include <QFile>
#include <QtTest>

namespace {
using Run = AdminRun;

// Points the data folder's settings at the engine under test.
void connectTo(DbEngine engine, const QString &appDir)
{
    if (engine == DbEngine::SQLite)
        return;
    const ConnectionParams p = TestDb::serverParams(engine, appDir);
    DbSettings s;
    s.server = p.host + u':' + QString::number(p.port);
    s.user = p.user;
    s.password = p.password;
    QVERIFY(s.save(appDir + DbSettings::kFileName));
}
} // namespace

class TestAdmin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void createListQueryAndUpgrade();
    void refusals_data();
    void refusals();
    void bothEnginesHaveTheSameTables();
};

void TestAdmin::createListQueryAndUpgrade()
{
    QARVEL_FETCH_ENGINE(engine);
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    connectTo(engine, appDir);
    const QString prefix = QStringLiteral("A%1").arg(QCoreApplication::applicationPid());
    const QString name = YearDatabases::databaseName(prefix, 2026);

    Run r = admin({"--data", appDir, "create-year", "--company", prefix, "2026"});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(name), qPrintable(r.out + r.err));
    if (engine == DbEngine::SQLite)
        QVERIFY(QFile::exists(appDir + name + ".sqlite"));
    // a second time it refuses
    r = admin({"--data", appDir, "create-year", "--company", prefix, "2026"});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains("exists"));
    QCOMPARE(admin({"--data", appDir, "create-year", "--company", prefix, "2024"}).status, 0);

    r = admin({"--data", appDir, "list-years", "--company", prefix});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringLiteral("2024\t%1\n2026\t%2\n").arg(YearDatabases::databaseName(prefix, 2024), name));

    r = admin({"--data", appDir, "query", name, R"(SELECT "ID","AName","CashOnly" FROM "Address" ORDER BY "ID")"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringLiteral("ID\tAName\tCashOnly\n1\tCapital\t0\n2\tBeginning Inventory Cost\t0\n"
                                   "3\tOpening Cash\t0\n"));

    r = admin({"--data", appDir, "upgrade", name});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.contains("schema version 2 -> 2"));

    for (int y : {2024, 2026}) {
        ConnectionParams p = TestDb::serverParams(engine, appDir);
        p.database = YearDatabases::databaseName(prefix, y);
        YearDatabases::drop(p);
    }
}

void TestAdmin::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("write query") << QStringList{"query", "@", R"(DELETE FROM "Address")"} << 2 << "read-only";
    QTest::newRow("write hidden after select")
        << QStringList{"query", "@", R"(SELECT 1; DELETE FROM "Address")"} << 1 << "query failed";
    QTest::newRow("update") << QStringList{"query", "@", R"(update "Address" set "AName"='x')"} << 2 << "read-only";
    QTest::newRow("bad sql") << QStringList{"query", "@", "SELECT * FROM nowhere"} << 1 << "query failed";
    QTest::newRow("unknown database") << QStringList{"query", "QarvelDATA1901", "SELECT 1"} << 1 << "cannot open";
    QTest::newRow("unknown command") << QStringList{"explode"} << 2 << "unknown command";
    QTest::newRow("bad year") << QStringList{"create-year", "20x6"} << 2 << "not a year";
    QTest::newRow("bad prefix") << QStringList{"create-year", "--company", "A;B", "2026"} << 2 << "prefix";
}

void TestAdmin::refusals()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    connectTo(engine, appDir);
    ConnectionParams p = TestDb::serverParams(engine, appDir);
    p.database = TestDb::uniqueName();
    QVERIFY(YearDatabases::create(p));
    args.replaceInStrings("@", p.database);
    const Run r = admin(QStringList{"--data", appDir} + args);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    // nothing was changed
    TDataFormSQL d;
    QVERIFY(d.OpenDB(p));
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "Address")").toInt(), 3);
    d.CloseDB();
    YearDatabases::drop(p);
}

void TestAdmin::bothEnginesHaveTheSameTables()
{
    if (!TestDb::postgresConfigured())
        QSKIP("PostgreSQL not configured");
    QFETCH_GLOBAL(int, engineRow);
    if (engineRow != static_cast<int>(DbEngine::SQLite))
        QSKIP("compares the two engines once");
    QStringList shapes[2];
    for (DbEngine e : {DbEngine::SQLite, DbEngine::PostgreSQL}) {
        ScratchYear year(e);
        QVERIFY2(year.ok(), qPrintable(year.error()));
        QStringList names;
        for (QString line : SchemaUpgrade::describe(year.data())) {
            // names only: the column types are each engine's own
            if (line.startsWith("  column "))
                line = line.section(u' ', 0, 3);
            names << line;
        }
        shapes[e == DbEngine::SQLite ? 0 : 1] = names;
    }
    QCOMPARE(shapes[0], shapes[1]);
}

QTEST_GUILESS_MAIN(TestAdmin)
#include "tst_admin.moc"
