// The opening stock: adding selected or all items, the import, deleting,
// editing in place, the value, and the stock that follows it.

#include "TestDb.h"

#include "items/OpeningStock.h"
#include "items/StoreChk.h"
#include "shell/AppState.h"

#include <QtTest>

namespace {

int addItem(TDataFormSQL &d, const QString &code, bool service = false)
{
    bool ok = false;
    const int id =
        d.scalar(
             QStringLiteral(
                 R"(INSERT INTO "CodeTb"("ItemCode","Description","NotLes","IsService") VALUES(?,?,0,?) RETURNING "ItemID")"),
             {code, QStringLiteral("Item ") + code, d.boolValue(service)}, &ok)
            .toInt();
    if (!ok)
        qWarning() << d.lastErrorText();
    return id;
}

int fgoodRows(TDataFormSQL &d, int itemId = 0)
{
    if (itemId == 0)
        return d.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood")")).toInt();
    return d.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood" WHERE "ItemId"=?)"), {itemId})
        .toInt();
}

double stockOf(TDataFormSQL &d, const QString &code)
{
    StoreChk chk(d);
    if (!chk.run())
        qWarning() << chk.lastError();
    for (const StockRow &r : chk.rows())
        if (r.itemCode == code)
            return r.quantity;
    return -999;
}

} // namespace

class TestOpeningStock : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void init() { appState().resetForTests(); }

    void addSelectedSkipsItemsPresent();
    void addedListStopsAtNine_data();
    void addedListStopsAtNine();
    void yesToAllTwiceAddsNothingTheSecondTime();
    void importTakesStockItemsOnly();
    void deleteAndEmptyTakeSerialsAlong();
    void editInPlaceMovesTheStock();
    void valueLeavesServicesOut();
};

void TestOpeningStock::addSelectedSkipsItemsPresent()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const int a = addItem(d, "A"), b = addItem(d, "B"), c = addItem(d, "C");
    OpeningStock fg(d);
    QVERIFY(fg.isEmpty());
    QVERIFY(fg.addItems({b}).ok);
    QVERIFY(!fg.isEmpty());

    appState().DataChanged = false;
    StoreChk(d).run();
    QVERIFY(!StoreChk(d).isStale());
    int steps = 0;
    const OpeningStock::AddResult r = fg.addItems({c, b, a}, [&steps] { ++steps; });
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(steps, 3);
    QCOMPARE(r.rows, 2);
    QCOMPARE(r.codes, QStringList({"C", "A"})); // in the order selected
    QCOMPARE(r.message, QStringLiteral("I Add :\r\n       C\r\n       A\r\n"));
    QCOMPARE(fgoodRows(d), 3);
    QCOMPARE(fgoodRows(d, b), 1);
    QVERIFY(StoreChk(d).isStale()); // the stock follows the change
    const QList<OpeningStockRow> rows = fg.rows();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].itemCode, QStringLiteral("A"));
    QCOMPARE(rows[0].quantity, 0.0);
    QCOMPARE(rows[0].note, QString());

    // nothing new: an empty list and no change
    const OpeningStock::AddResult again = fg.addItems({a, b});
    QVERIFY(again.ok);
    QCOMPARE(again.rows, 0);
    QCOMPARE(again.message, QStringLiteral("I Add :\r\n"));
}

void TestOpeningStock::addedListStopsAtNine_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("listed");
    QTest::addColumn<bool>("dots");
    QTest::newRow("nine") << 9 << 9 << false;
    QTest::newRow("ten") << 10 << 9 << true;
    QTest::newRow("twelve") << 12 << 9 << true;
}

void TestOpeningStock::addedListStopsAtNine()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(int, items);
    QFETCH(int, listed);
    QFETCH(bool, dots);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QList<int> ids;
    QString expected = QStringLiteral("I Add :\r\n");
    for (int i = 0; i < items; ++i) {
        const QString code = QStringLiteral("K%1").arg(i, 2, 10, QLatin1Char('0'));
        ids << addItem(d, code);
        if (i < listed)
            expected += QStringLiteral("       ") + code + QStringLiteral("\r\n");
    }
    if (dots)
        expected += QStringLiteral("       .......\r\n");
    const OpeningStock::AddResult r = OpeningStock(d).addItems(ids);
    QVERIFY(r.ok);
    QCOMPARE(r.rows, items);
    QCOMPARE(r.message, expected);
    QCOMPARE(fgoodRows(d), items);
}

void TestOpeningStock::yesToAllTwiceAddsNothingTheSecondTime()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const int a = addItem(d, "A");
    addItem(d, "B");
    const int svc = addItem(d, "SVC", true);
    OpeningStock fg(d);
    QVERIFY(fg.addItems({a}).ok);
    OpeningStock::Outcome first = fg.addAllItems();
    QVERIFY2(first.ok, qPrintable(first.error));
    QCOMPARE(first.rows, 2); // B and the service
    QCOMPARE(fgoodRows(d, svc), 1);
    OpeningStock::Outcome second = fg.addAllItems();
    QVERIFY(second.ok);
    QCOMPARE(second.rows, 0);
    QCOMPARE(fgoodRows(d), 3);
}

void TestOpeningStock::importTakesStockItemsOnly()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const int a = addItem(d, "A"), b = addItem(d, "B"), svc = addItem(d, "SVC", true);
    QVERIFY(d.DoSqlNEW(QStringLiteral(R"(UPDATE "CodeTb" SET "IsService"=NULL WHERE "ItemID"=?)"),
                       {b}));
    OpeningStock fg(d);
    const OpeningStock::Outcome r = fg.importStockItems();
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.rows, 2);
    QCOMPARE(fgoodRows(d, a), 1);
    QCOMPARE(fgoodRows(d, b), 1); // an empty service mark counts as a stocked item
    QCOMPARE(fgoodRows(d, svc), 0);
    // a second import never doubles a row
    QCOMPARE(fg.importStockItems().rows, 0);
    QCOMPARE(fgoodRows(d), 2);
}

void TestOpeningStock::deleteAndEmptyTakeSerialsAlong()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const int a = addItem(d, "A"), b = addItem(d, "B");
    OpeningStock fg(d);
    QVERIFY(fg.addItems({a, b}).ok);
    // a second row of A, as older data may hold, and serials on A's rows
    QVERIFY(d.DoSqlNEW(
        QStringLiteral(R"(INSERT INTO "FGood"("ItemId","Quantity","Rate") VALUES(?,2,1))"), {a}));
    QVERIFY(d.DoSqlNEW(
        QStringLiteral(
            R"(INSERT INTO "SNoFGood"("SOneID","SNo") SELECT "ID", 'S-' || CAST("ID" AS VARCHAR(10)) FROM "FGood" WHERE "ItemId"=?)"),
        {a}));
    QVERIFY(d.DoSqlNEW(
        QStringLiteral(
            R"(INSERT INTO "SNoFGood"("SOneID","SNo") SELECT "ID", 'T' FROM "FGood" WHERE "ItemId"=?)"),
        {b}));

    const OpeningStock::Outcome del = fg.deleteItem(a);
    QVERIFY2(del.ok, qPrintable(del.error));
    QCOMPARE(del.rows, 2);
    QCOMPARE(fgoodRows(d, a), 0);
    QCOMPARE(fgoodRows(d, b), 1);
    QCOMPARE(d.scalar(QStringLiteral(R"(SELECT count(*) FROM "SNoFGood")")).toInt(), 1);

    const OpeningStock::Outcome empty = fg.emptyAll();
    QVERIFY2(empty.ok, qPrintable(empty.error));
    QCOMPARE(empty.rows, 1);
    QVERIFY(fg.isEmpty());
    QCOMPARE(d.scalar(QStringLiteral(R"(SELECT count(*) FROM "SNoFGood")")).toInt(), 0);
}

void TestOpeningStock::editInPlaceMovesTheStock()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const int a = addItem(d, "A");
    OpeningStock fg(d);
    QVERIFY(fg.addItems({a}).ok);
    const int id = fg.rows().first().id;
    QCOMPARE(stockOf(d, "A"), 0.0);

    OpeningStockRow stored;
    QVERIFY(fg.setField(id, OpeningStock::Field::Quantity, 12.5, &stored).ok);
    QVERIFY(fg.setField(id, OpeningStock::Field::Rate, QStringLiteral("2.5"), &stored).ok);
    QVERIFY(fg.setField(id, OpeningStock::Field::Note, QString(30, u'n'), &stored).ok);
    QCOMPARE(stored.quantity, 12.5);
    QCOMPARE(stored.rate, 2.5);
    QCOMPARE(stored.amount, 31.25);
    QCOMPARE(stored.note, QString(25, u'n'));
    QCOMPARE(stockOf(d, "A"), 12.5);

    // a text that is no number changes nothing
    const OpeningStock::Outcome bad =
        fg.setField(id, OpeningStock::Field::Quantity, QStringLiteral("abc"));
    QVERIFY(!bad.ok);
    QVERIFY(!bad.error.isEmpty());
    QVERIFY(!fg.setField(id + 100, OpeningStock::Field::Quantity, 1).ok);
    QCOMPARE(stockOf(d, "A"), 12.5);
}

void TestOpeningStock::valueLeavesServicesOut()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    OpeningStock fg(d);
    OpeningStock::Total none = fg.total();
    QVERIFY(none.ok);
    QCOMPARE(none.value, 0.0);
    const int a = addItem(d, "A"), b = addItem(d, "B"), svc = addItem(d, "SVC", true);
    QVERIFY(fg.addItems({a, b, svc}).ok);
    for (const OpeningStockRow &r : fg.rows()) {
        fg.setField(r.id, OpeningStock::Field::Quantity, r.itemId == a ? 4 : 3);
        fg.setField(r.id, OpeningStock::Field::Rate, r.itemId == svc ? 100 : 1.25);
    }
    const OpeningStock::Total t = fg.total();
    QVERIFY2(t.ok, qPrintable(t.error));
    QCOMPARE(t.value, 8.75); // 4 x 1.25 + 3 x 1.25, the service's 300 left out
}

QTEST_GUILESS_MAIN(TestOpeningStock)
#include "tst_openingstock.moc"
