// The year list of a company, and the system accounts.

#include "TestDb.h"

#include "data/YearDatabases.h"
#include "shell/Years.h"

#include <QSqlQuery>
#include <QtTest>

class TestYears : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void gapsAreFilled();
    void fromTheDataFolder();
    void systemAccountsFollowTheLanguage();
};

void TestYears::gapsAreFilled()
{
    const Years::YearList l = Years::fromNames({"QarvelDATA2011", "QarvelDATA2013", "QarvelDATABR2015",
                                                "qarveldata2012x", "Other2014"},
                                               "DATA");
    QCOMPARE(l.years, QList<int>({2011, 2012, 2013}));
    QVERIFY(l.contains(2012)); // listed, though its database is missing
    QVERIFY(!l.contains(2014));
    const Years::YearList br = Years::fromNames({"QarvelDATA2011", "QarvelDATABR2015"}, "DATABR");
    QCOMPARE(br.years, QList<int>({2015}));
    const Years::YearList none = Years::fromNames({}, "DATA");
    QVERIFY(!none.found());
    QVERIFY(!none.contains(2026));
    QCOMPARE(Years::notFoundMessage(2026), QStringLiteral("Year: 2026 not found It must be creatred"));
}

void TestYears::fromTheDataFolder()
{
    QARVEL_FETCH_ENGINE(engine);
    QTemporaryDir dir;
    const QString prefix = QStringLiteral("Y%1").arg(QCoreApplication::applicationPid());
    ConnectionParams p = TestDb::serverParams(engine, dir.path() + u'/');
    for (const QString &name : {YearDatabases::databaseName(prefix, 2011), YearDatabases::databaseName(prefix, 2013),
                                YearDatabases::databaseName(prefix + "BR", 2012)}) {
        p.database = name;
        QVERIFY(YearDatabases::create(p));
    }
    bool ok = false;
    const Years::YearList l = Years::FindYears(p, prefix, &ok);
    QVERIFY(ok);
    QCOMPARE(l.years, QList<int>({2011, 2012, 2013}));
    // opening the gap year fails: there is no database
    p.database = YearDatabases::databaseName(prefix, 2012);
    TDataFormSQL d;
    QVERIFY(!d.OpenDB(p));
    for (const QString &name : {YearDatabases::databaseName(prefix, 2011), YearDatabases::databaseName(prefix, 2013),
                                YearDatabases::databaseName(prefix + "BR", 2012)}) {
        p.database = name;
        YearDatabases::drop(p);
    }
}

void TestYears::systemAccountsFollowTheLanguage()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QVERIFY(SystemAccounts::ensure(d, true));
    QCOMPARE(d.scalar(R"(SELECT "AName" FROM "Address" WHERE "ID"=2)").toString(), QString::fromUtf8("ثمن بضاعة أول المدة"));
    QCOMPARE(d.scalar(R"(SELECT "Note" FROM "Address" WHERE "ID"=1)").toString(), QString::fromUtf8("لا يمكن تغيير هذا الحساب"));
    QVERIFY(SystemAccounts::ensure(d, false));
    QCOMPARE(d.scalar(R"(SELECT "AName" FROM "Address" WHERE "ID"=3)").toString(), QStringLiteral("Opening Cash"));
    // a database without accounts gets them, and new accounts follow them
    QVERIFY(d.DoSqlNEW(R"(DELETE FROM "Address")"));
    QVERIFY(SystemAccounts::ensure(d, false));
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "Address")").toInt(), 3);
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Address"("AName") VALUES('n'))"));
    QCOMPARE(d.scalar(R"(SELECT max("ID") FROM "Address")").toInt(), 4);
}

QTEST_GUILESS_MAIN(TestYears)
#include "tst_years.moc"
