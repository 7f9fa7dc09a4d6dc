// A document whose total was never computed gets it when it is shown.

#include "TestDb.h"

#include "documents/Documents.h"

#include <QtTest>

class TestDocumentTotals : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void missingTotalIsComputed();
};

void TestDocumentTotals::missingTotalIsComputed()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Address"("AName") VALUES('Customer'))"));
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "ItemKind"("ItemKind") VALUES('General'))"));
    QVERIFY(d.DoSqlNEW(
        R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES('A1','Soap',1,2.5))"));
    const int customer = d.scalar(R"(SELECT max("ID") FROM "Address")").toInt();
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Users"("UName","UKind") VALUES('boss',0))"));
    Documents sales(d, DocKind::Sale);
    DocumentHeader h;
    h.CompanyID = customer;
    h.Date1 = QDateTime(QDate(2026, 5, 1), QTime(10, 0));
    h.Discount = -10;
    h.UID = d.scalar(R"(SELECT max("UID") FROM "Users")").toInt();
    const int inv = sales.create(h);
    QVERIFY2(inv > 0, qPrintable(sales.lastErrorText()));
    QVERIFY(!sales.mendMissingTotal(inv)); // it has one

    const auto forget = [&] {
        return d.DoSqlNEW(R"(UPDATE "Sales" SET "TotalAmount"=NULL WHERE "InvID"=?)", {inv});
    };
    QVERIFY(forget());
    QVERIFY(sales.mendMissingTotal(inv));
    QVERIFY(!d.scalar(R"(SELECT "TotalAmount" FROM "Sales")").isNull());
    QCOMPARE(sales.header(inv)->TotalAmount, 0.0);

    QVERIFY(d.DoSqlNEW(
        R"(INSERT INTO "SaleOne"("InvID","ItemID","Quantity","Rate1") VALUES(?,1,8,25))", {inv}));
    QVERIFY(forget());
    QVERIFY(sales.mendMissingTotal(inv));
    QCOMPARE(sales.header(inv)->TotalAmount, 180.0);
}

QTEST_GUILESS_MAIN(TestDocumentTotals)
#include "tst_documenttotals.moc"
