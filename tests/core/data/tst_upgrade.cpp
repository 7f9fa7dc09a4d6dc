// The in-place upgrade of an old year database (base tables only) to the
// current schema: it must end equal to a fresh database, keep the data, and
// change nothing when run again.

#include "TestDb.h"

#include "data/SchemaDef.h"
#include "data/SchemaUpgrade.h"

#include <QSqlQuery>
#include <QtTest>

class TestUpgrade : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void baseDatabaseBecomesCurrent();
    void secondRunChangesNothing();
    void keepsDataAndNumbering();
    void oldDocumentsWithoutAnyUser();
    void duplicateItemCodesAreReported();
    void probeFindsMissingSerialTable();
};

namespace {

bool fillOldData(TDataFormSQL &d, bool withUser = true)
{
    QStringList sql;
    if (withUser)
        sql << R"(INSERT INTO "Users"("EID","UName","UKind") VALUES(4,'boss',0))"
            << R"(INSERT INTO "Users"("EID","UName","UKind") VALUES(5,'clerk',1))";
    sql << R"(INSERT INTO "Address"("AName") VALUES('Customer'))"
        << R"(INSERT INTO "CodeTb"("ItemCode","Description","Rate") VALUES('A1','Soap',2.5))"
        << R"(INSERT INTO "Sales"("CompanyID","Cash","TotalAmount") VALUES(1,TRUE,10))"
        << R"(INSERT INTO "Sales"("CompanyID","Cash","TotalAmount") VALUES(1,FALSE,20))"
        << R"(INSERT INTO "Sales"("CompanyID","Cash","TotalAmount") VALUES(1,FALSE,30))"
        << R"(DELETE FROM "Sales" WHERE "InvID"=3)"  // deleted without reseed
        << R"(INSERT INTO "SaleOne"("InvID","ItemID","Quantity","Rate1") VALUES(1,1,4,2.5))"
        << R"(INSERT INTO "InvoiceS"("CompanyID","InvoiceNo") VALUES(1,77))"
        << R"(INSERT INTO "FGood"("ItemId","Quantity","Rate") VALUES(1,3,2))"
        << R"(INSERT INTO "FGood"("ItemId","Quantity","Rate") VALUES(NULL,3,2))"
        << R"(INSERT INTO "Weeks"("Date1") VALUES('2026-01-05 00:00:00'))"
        << R"(INSERT INTO "WeekCase"("WeekID","TruckNo","DriverName","KM","Galons","Dhs") VALUES(1,7,'Ali',12.6,NULL,40))"
        << R"(INSERT INTO "Bank"("BankName","Options") VALUES('B','layout'))";
    for (const QString &s : sql)
        if (!d.DoSqlNEW(s)) {
            qWarning() << s << d.lastErrorText();
            return false;
        }
    return true;
}

QStringList freshDescription(DbEngine engine)
{
    ScratchYear fresh(engine);
    if (!fresh.ok())
        return {fresh.error()};
    return SchemaUpgrade::describe(fresh.data());
}

void compareLines(const QStringList &got, const QStringList &want)
{
    if (got == want)
        return;
    for (int i = 0; i < std::max(got.size(), want.size()); ++i) {
        const QString g = got.value(i), w = want.value(i);
        if (g != w)
            QFAIL(qPrintable(QStringLiteral("line %1: got '%2', want '%3'").arg(i).arg(g, w)));
    }
}

} // namespace

void TestUpgrade::baseDatabaseBecomesCurrent()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear old(engine, ScratchYear::Content::Base);
    QVERIFY2(old.ok(), qPrintable(old.error()));
    QVERIFY(fillOldData(old.data()));
    QVERIFY(SchemaUpgrade::needsUpgrade(old.data()));
    QCOMPARE(SchemaUpgrade::storedVersion(old.data()), Schema::kBaseVersion);

    const SchemaUpgrade::Result r = SchemaUpgrade::DataMaintain(old.data());
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.fromVersion, Schema::kBaseVersion);
    QCOMPARE(r.toVersion, Schema::currentVersion());
    QVERIFY(!SchemaUpgrade::needsUpgrade(old.data()));
    compareLines(SchemaUpgrade::describe(old.data()), freshDescription(engine));
}

void TestUpgrade::secondRunChangesNothing()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear old(engine, ScratchYear::Content::Base);
    QVERIFY2(old.ok(), qPrintable(old.error()));
    QVERIFY(fillOldData(old.data()));
    QVERIFY(SchemaUpgrade::DataMaintain(old.data()).ok);
    const QStringList before = SchemaUpgrade::describe(old.data());
    const int sales = old.data().scalar(R"(SELECT count(*) FROM "Sales")").toInt();

    QVERIFY(old.reopen());
    const SchemaUpgrade::Result again = SchemaUpgrade::DataMaintain(old.data());
    QVERIFY2(again.ok, qPrintable(again.error));
    QVERIFY2(again.done.isEmpty(), qPrintable(again.done.join(", ")));
    QCOMPARE(SchemaUpgrade::describe(old.data()), before);
    QCOMPARE(old.data().scalar(R"(SELECT count(*) FROM "Sales")").toInt(), sales);

    // a fresh database needs nothing either
    ScratchYear fresh(engine);
    QVERIFY(fresh.ok());
    const SchemaUpgrade::Result none = SchemaUpgrade::DataMaintain(fresh.data());
    QVERIFY(none.ok);
    QVERIFY2(none.done.isEmpty(), qPrintable(none.done.join(", ")));
}

void TestUpgrade::keepsDataAndNumbering()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear old(engine, ScratchYear::Content::Base);
    QVERIFY2(old.ok(), qPrintable(old.error()));
    QVERIFY(fillOldData(old.data()));
    QVERIFY(SchemaUpgrade::DataMaintain(old.data()).ok);
    TDataFormSQL &d = old.data();

    // documents got the lowest user; discount defaults to 0
    QSqlQuery s = d.exec(R"(SELECT "InvID","UID","Discount","TotalAmount","Cash" FROM "Sales" ORDER BY "InvID")");
    QVERIFY(s.next());
    QCOMPARE(s.value(0).toInt(), 1);
    QCOMPARE(s.value(1).toInt(), 1);
    QCOMPARE(s.value(2).toDouble(), 0.0);
    QCOMPARE(s.value(3).toDouble(), 10.0);
    QCOMPARE(s.value(4).toBool(), true);
    QVERIFY(s.next());
    QCOMPARE(s.value(3).toDouble(), 20.0);
    QVERIFY(!s.next());
    QCOMPARE(d.scalar(R"(SELECT "UID" FROM "InvoiceS")").toInt(), 1);
    QCOMPARE(d.scalar(R"(SELECT "InvoiceNo" FROM "InvoiceS")").toInt(), 77);
    // the line and its computed amount
    QCOMPARE(d.scalar(R"(SELECT "Amount1" FROM "SaleOne")").toDouble(), 10.0);
    // numbering continues where it was: number 3 was deleted without reseed
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Sales"("CompanyID","UID") VALUES(1,1))"));
    QCOMPARE(d.scalar(R"(SELECT max("InvID") FROM "Sales")").toInt(), 4);
    // opening stock without item removed, the rest kept
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "FGood")").toInt(), 1);
    // the vehicle sheet keeps its figures as whole numbers
    QSqlQuery w = d.exec(R"(SELECT "KM","Galons","Dhs","DriverName" FROM "WeekCase")");
    QVERIFY(w.next());
    QCOMPARE(w.value(0).toInt(), 13);
    QCOMPARE(w.value(1).toInt(), 0);
    QVERIFY(!w.value(1).isNull());
    QCOMPARE(w.value(2).toInt(), 40);
    QCOMPARE(w.value(3).toString(), QStringLiteral("Ali"));
    QCOMPARE(float(d.scalar(R"(SELECT "GalonPrice" FROM "Weeks")").toDouble()), 10.68f);
    QCOMPARE(d.scalar(R"(SELECT "Options" FROM "Bank")").toString(), QStringLiteral("layout"));
    // the new keys hold from now on
    QVERIFY(!d.DoSqlNEW(R"(INSERT INTO "Sales"("CompanyID","UID") VALUES(1,99))"));
}

void TestUpgrade::oldDocumentsWithoutAnyUser()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear old(engine, ScratchYear::Content::Base);
    QVERIFY2(old.ok(), qPrintable(old.error()));
    QVERIFY(fillOldData(old.data(), false));
    const SchemaUpgrade::Result r = SchemaUpgrade::DataMaintain(old.data());
    QVERIFY2(r.ok, qPrintable(r.error));
    compareLines(SchemaUpgrade::describe(old.data()), freshDescription(engine));
    // the old documents are kept
    QCOMPARE(old.data().scalar(R"(SELECT count(*) FROM "Sales")").toInt(), 2);
}

void TestUpgrade::duplicateItemCodesAreReported()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear old(engine, ScratchYear::Content::Base);
    QVERIFY2(old.ok(), qPrintable(old.error()));
    TDataFormSQL &d = old.data();
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "CodeTb"("ItemCode") VALUES('DUP-1'))"));
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "CodeTb"("ItemCode") VALUES('DUP-1'))"));
    const SchemaUpgrade::Result r = SchemaUpgrade::DataMaintain(d);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains("DUP-1"), qPrintable(r.error));
    QVERIFY(SchemaUpgrade::needsUpgrade(d));
    // once corrected, the upgrade completes
    QVERIFY(d.DoSqlNEW(R"(UPDATE "CodeTb" SET "ItemCode"='DUP-2' WHERE "ItemID"=2)"));
    const SchemaUpgrade::Result again = SchemaUpgrade::DataMaintain(d);
    QVERIFY2(again.ok, qPrintable(again.error));
    QVERIFY(!SchemaUpgrade::needsUpgrade(d));
}

void TestUpgrade::probeFindsMissingSerialTable()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    QVERIFY(!SchemaUpgrade::needsUpgrade(year.data()));
    QVERIFY(year.data().DoSqlNEW(R"(DROP TABLE "SNoFGood")"));
    QVERIFY(SchemaUpgrade::needsUpgrade(year.data()));
    // asked on every start until the upgrade runs
    QVERIFY(year.reopen());
    QVERIFY(SchemaUpgrade::needsUpgrade(year.data()));
    QVERIFY(SchemaUpgrade::DataMaintain(year.data()).ok);
    QVERIFY(!SchemaUpgrade::needsUpgrade(year.data()));
}

QTEST_GUILESS_MAIN(TestUpgrade)
#include "tst_upgrade.moc"
