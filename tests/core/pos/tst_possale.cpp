// The cashier's scan path: exact codes, weight barcodes, one transaction
// per scan, and each terminal on its own sale.

#include "TestDb.h"

#include "pos/PosSale.h"
#include "shell/AppState.h"

#include <QLocale>
#include <QSqlQuery>
#include <QtTest>

class TestPosSale : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void weightBarcodes_data();
    void weightBarcodes();
    void scans_data();
    void scans();
    void emptySaleIsReused();
    void cashAccountMadeOnce();
    void changeQuantity_data();
    void changeQuantity();
    void refusedTotalLeavesNoLine();
    void twoTerminalsTwoSales();
};

namespace {
int setUp(TDataFormSQL &d)
{
    d.DoSqlNEW(R"(INSERT INTO "Users"("UName","UKind") VALUES('till',2))");
    d.DoSqlNEW(R"(INSERT INTO "ItemKind"("ItemKind") VALUES('Food'))");
    d.DoSqlNEW(R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES
                 ('6281000000014','Milk',1,3.25),('2000123','Cheese per kg',1,40),('A','Apple',1,2),
                 ('12345','Five',1,1))");
    return d.scalar(R"(SELECT "UID" FROM "Users")").toInt();
}
} // namespace

void TestPosSale::weightBarcodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("quantity");
    QTest::newRow("1.25 kg") << "200012301250" << true << "2000123" << 1.25;
    QTest::newRow("12.345") << "200012312345" << true << "2000123" << 12.345;
    QTest::newRow("six characters") << "A00500" << true << "A" << 0.5;
    QTest::newRow("five characters") << "01250" << false << "" << 0.0;
    QTest::newRow("not digits") << "2000123012a0" << false << "" << 0.0;
    QTest::newRow("arabic digits") << QString::fromUtf8("2000123٠١٢٥٠") << false << "" << 0.0;
}

void TestPosSale::weightBarcodes()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, code);
    QFETCH(double, quantity);
    QString c;
    double q = 0;
    QCOMPARE(PosSale::parseWeight(text, &c, &q), ok);
    if (ok) {
        QCOMPARE(c, code);
        QCOMPARE(q, quantity);
    }
}

void TestPosSale::scans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("added");
    QTest::addColumn<QString>("item");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("total");
    QTest::newRow("item code") << "6281000000014" << true << "Milk" << 1.0 << 3.25;
    QTest::newRow("weight") << "200012301250" << true << "Cheese per kg" << 1.25 << 50.0;
    QTest::newRow("six characters") << "A02000" << true << "Apple" << 2.0 << 4.0;
    QTest::newRow("five character item") << "12345" << true << "Five" << 1.0 << 1.0;
    QTest::newRow("five characters unknown") << "54321" << false << "" << 0.0 << 0.0;
    QTest::newRow("unknown") << "999999999999" << false << "" << 0.0 << 0.0;
    QTest::newRow("quote") << "x' OR '1'='1" << false << "" << 0.0 << 0.0;
}

void TestPosSale::scans()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, text);
    QFETCH(bool, added);
    QFETCH(QString, item);
    QFETCH(double, quantity);
    QFETCH(double, total);
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt)); // decimal comma, other digits
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const int uid = setUp(year.data());
    PosSale pos(year.data());
    const PosSale::Scan s = pos.AddItemFromBarCode(text, uid);
    QLocale::setDefault(saved);
    QCOMPARE(s.status == PosSale::Scan::Added, added);
    const int lines = year.data().scalar(R"(SELECT count(*) FROM "SaleOne")").toInt();
    QCOMPARE(lines, added ? 1 : 0);
    if (!added) {
        QCOMPARE(s.status, PosSale::Scan::NotFound);
        return;
    }
    QCOMPARE(s.description, item);
    QCOMPARE(s.quantity, quantity);
    QCOMPARE(s.total, total);
    QCOMPARE(year.data().scalar(R"(SELECT "Quantity" FROM "SaleOne")").toDouble(), quantity);
    QCOMPARE(year.data().scalar(R"(SELECT "TotalAmount" FROM "Sales" WHERE "InvID"=?)", {s.invId}).toDouble(), total);
    QCOMPARE(year.data().scalar(R"(SELECT "UID" FROM "Sales" WHERE "InvID"=?)", {s.invId}).toInt(), uid);
    QVERIFY(year.data().scalar(R"(SELECT "Cash" FROM "Sales" WHERE "InvID"=?)", {s.invId}).toBool());
}

void TestPosSale::emptySaleIsReused()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const int uid = setUp(year.data());
    PosSale pos(year.data());
    const int first = pos.newSale(uid);
    QVERIFY(first > 0);
    QCOMPARE(pos.newSale(uid), first);
    QCOMPARE(year.data().scalar(R"(SELECT count(*) FROM "Sales")").toInt(), 1);
    QCOMPARE(pos.AddItemFromBarCode("A", uid).invId, first);
    const int second = pos.newSale(uid);
    QCOMPARE(second, first + 1);
    // a printed sale of a point-of-sale user is closed; the next scan opens one
    pos.closeSale();
    QCOMPARE(pos.AddItemFromBarCode("A", uid).invId, second + 1);
}

void TestPosSale::cashAccountMadeOnce()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const int uid = setUp(d);
    {
        PosSale pos(d);
        const int account = pos.cashAccount();
        QVERIFY(account > 3);
        QCOMPARE(d.scalar(R"(SELECT "AName" FROM "Address" WHERE "ID"=?)", {account}).toString(), QStringLiteral("Cash"));
        pos.newSale(uid);
    }
    PosSale again(d);
    again.cashAccount();
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "Address" WHERE "CashOnly")").toInt(), 1);
}

void TestPosSale::changeQuantity_data()
{
    QTest::addColumn<double>("quantity");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("stored");
    QTest::newRow("2.5") << 2.5 << 2 << true << 2.5;
    QTest::newRow("2.5555 at 2 decimals") << 2.5555 << 2 << true << 2.56;
    QTest::newRow("2.5555 at 3 decimals") << 2.5555 << 3 << true << 2.556;
    QTest::newRow("zero") << 0.0 << 2 << false << 1.0;
    QTest::newRow("negative") << -1.0 << 2 << false << 1.0;
}

void TestPosSale::changeQuantity()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(double, quantity);
    QFETCH(int, decimals);
    QFETCH(bool, ok);
    QFETCH(double, stored);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const int uid = setUp(year.data());
    PosSale pos(year.data());
    const PosSale::Scan s = pos.AddItemFromBarCode("A", uid);
    QString error;
    QCOMPARE(pos.changeQuantity(s.lineId, quantity, decimals, &error), ok);
    if (!ok)
        QCOMPARE(error, QStringLiteral("Error! Quantity must be >0"));
    QCOMPARE(year.data().scalar(R"(SELECT "Quantity" FROM "SaleOne")").toDouble(), stored);
    QCOMPARE(pos.total(), qRound(stored * 2 * 1000) / 1000.0);
}

void TestPosSale::refusedTotalLeavesNoLine()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const int uid = setUp(d);
    PosSale pos(d);
    QCOMPARE(pos.AddItemFromBarCode("A", uid).status, PosSale::Scan::Added);
    QVERIFY(TestDb::refuseUpdates(d, "Sales"));
    const PosSale::Scan s = pos.AddItemFromBarCode("A", uid);
    QCOMPARE(s.status, PosSale::Scan::Failed);
    QVERIFY(s.error.contains("refused"));
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "SaleOne")").toInt(), 1);
    QCOMPARE(d.transactionDepth(), 0);
    // and the next scan works again once the database takes it
    QVERIFY(TestDb::acceptUpdates(d, "Sales"));
    QCOMPARE(pos.AddItemFromBarCode("A", uid).total, 4.0);
}

void TestPosSale::twoTerminalsTwoSales()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const int uid = setUp(year.data());
    TDataFormSQL other;
    QVERIFY(other.OpenDB(year.params()));
    PosSale a(year.data()), b(other);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(a.AddItemFromBarCode("A", uid).status, PosSale::Scan::Added);
        QCOMPARE(b.AddItemFromBarCode("6281000000014", uid).status, PosSale::Scan::Added);
    }
    QVERIFY(a.currentSale() != b.currentSale());
    QCOMPARE(a.total(), 10.0);
    QCOMPARE(b.total(), 16.25);
    QCOMPARE(year.data().scalar(R"(SELECT count(*) FROM "SaleOne" WHERE "InvID"=?)", {a.currentSale()}).toInt(), 5);
}

QTEST_GUILESS_MAIN(TestPosSale)
#include "tst_possale.moc"
