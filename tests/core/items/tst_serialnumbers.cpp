// Serial numbers: the set of an owner, the serials in stock, the serials of
// a document, and the stock texts of a line's popup.

#include "SerialShop.h"
#include "TestDb.h"

#include "items/LineStockPopup.h"
#include "items/SerialNumbers.h"
#include "shell/AppState.h"

#include <QtTest>

class TestSerialNumbers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void saleOfThreeWithTwoTakenKeepsOnePlaceholder();
    void inStockNetsEveryTable_data();
    void inStockNetsEveryTable();
    void saveReplacesTheWholeSetOrNothing();
    void editorRowRules();
    void documentListAndGroupedText();
    void popupTexts_data();
    void popupTexts();
};

namespace {
QStringList snos(const QList<InStockSerial> &list)
{
    QStringList out;
    for (const InStockSerial &s : list)
        out << s.sno;
    return out;
}
} // namespace

void TestSerialNumbers::saleOfThreeWithTwoTakenKeepsOnePlaceholder()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    SerialNumbers sn(d);

    const int bought = shop.line(d, DocKind::Purchase, shop.tv, 3);
    QVERIFY2(sn.save(SerialOwner::line(DocKind::Purchase, bought), {"TV-A", "TV-B", "TV-C"}),
             qPrintable(sn.lastError()));
    const int sold = shop.line(d, DocKind::Sale, shop.tv, 3);
    const SerialOwner owner = SerialOwner::line(DocKind::Sale, sold);
    QVERIFY(owner.takesOutOfStock());
    const SerialOwnerInfo info = sn.info(owner);
    QVERIFY(info.found);
    QCOMPARE(info.rows, 3);
    QCOMPARE(info.itemId, shop.tv);
    QCOMPARE(info.caption,
             QStringLiteral("No:%1  Date:01/05/2026  Name:O'Hara Trading").arg(shop.inv[1]));

    // the editor takes two from stock, saving after each
    QStringList rows(info.rows);
    for (const QString &taken : {QStringLiteral("TV-B"), QStringLiteral("TV-A")}) {
        QVERIFY(snos(sn.inStock(shop.tv)).contains(taken));
        QVERIFY(SerialNumbers::take(rows, taken));
        QVERIFY2(sn.save(owner, rows), qPrintable(sn.lastError()));
        rows = sn.serials(owner);
    }
    QCOMPARE(sn.serials(owner), (QStringList{"TV-B", "TV-A", ""}));
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "SNoSale" WHERE "SOneID"=?)", {sold}).toInt(), 3);
    QCOMPARE(sn.listed(owner), (QStringList{"TV-B", "TV-A"}));

    bool ok = false;
    const QList<InStockSerial> stock = sn.inStock(shop.tv, &ok);
    QVERIFY(ok);
    QCOMPARE(snos(stock), QStringList{"TV-C"});
    QCOMPARE(stock.first().count, 1);
    const QList<DocumentSerial> doc = sn.documentSerials(DocKind::Sale, shop.inv[1]);
    QCOMPARE(doc.size(), 2);
    for (const DocumentSerial &s : doc)
        QVERIFY(!s.sno.isEmpty());

    // giving one back moves the rest up and leaves two placeholders
    rows = sn.serials(owner);
    QVERIFY(SerialNumbers::giveBack(rows, 0));
    QVERIFY(sn.save(owner, rows));
    QCOMPARE(sn.serials(owner), (QStringList{"TV-A", "", ""}));
    QCOMPARE(snos(sn.inStock(shop.tv)), (QStringList{"TV-B", "TV-C"}));
}

void TestSerialNumbers::inStockNetsEveryTable_data()
{
    // moves: "kind:serial" with kind p purchase, s sale, t back to us,
    // f back from us, o opening stock, m product made, r raw material used
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("bought and sold nets out")
        << QStringList{"p:X1", "s:X1", "p:X2"} << QStringList{"X2"} << QList<int>{1};
    QTest::newRow("sold never bought is listed")
        << QStringList{"s:Y9"} << QStringList{"Y9"} << QList<int>{-1};
    QTest::newRow("sold then brought back is in stock")
        << QStringList{"p:Z1", "s:Z1", "t:Z1"} << QStringList{"Z1"} << QList<int>{1};
    QTest::newRow("opening stock, made, used, returned to supplier")
        << QStringList{"o:A1", "o:A2", "m:A3", "r:A1", "f:A2", "m:A4"} << QStringList{"A3", "A4"}
        << QList<int>{1, 1};
    QTest::newRow("ordered by serial")
        << QStringList{"p:b", "p:C", "p:a"} << QStringList{"a", "b", "C"} << QList<int>{1, 1, 1};
}

void TestSerialNumbers::inStockNetsEveryTable()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QStringList, moves);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, counts);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    SerialNumbers sn(d);
    for (const QString &move : moves) {
        const QChar k = move.at(0);
        const QString serial = move.mid(2);
        SerialOwner owner;
        if (k == u'o')
            owner = SerialOwner::openingStock(shop.openingStock(d, shop.tv, 1));
        else {
            const DocKind kind = k == u'p' ? DocKind::Purchase
                : k == u's'                ? DocKind::Sale
                : k == u't'                ? DocKind::BackToUs
                : k == u'f'                ? DocKind::BackFromUs
                                           : DocKind::Manufacturing;
            const bool product = k == u'm';
            owner = SerialOwner::line(kind, shop.line(d, kind, shop.tv, 1, 10, product), product);
        }
        QVERIFY(owner.isValid());
        QVERIFY2(sn.save(owner, {serial}), qPrintable(sn.lastError()));
    }
    // a serial of another item never shows
    QVERIFY(sn.save(
        SerialOwner::line(DocKind::Purchase, shop.line(d, DocKind::Purchase, shop.radio, 1)),
        {"R-1"}));
    bool ok = false;
    const QList<InStockSerial> stock = sn.inStock(shop.tv, &ok);
    QVERIFY2(ok, qPrintable(sn.lastError()));
    QCOMPARE(snos(stock), expected);
    QList<int> got;
    for (const InStockSerial &s : stock)
        got << s.count;
    QCOMPARE(got, counts);
}

void TestSerialNumbers::saveReplacesTheWholeSetOrNothing()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    SerialNumbers sn(d);
    const SerialOwner owner =
        SerialOwner::line(DocKind::Purchase, shop.line(d, DocKind::Purchase, shop.tv, 3));
    const SerialOwner other =
        SerialOwner::line(DocKind::Purchase, shop.line(d, DocKind::Purchase, shop.tv, 1));
    QVERIFY(sn.save(owner, {"", "P-1", " P-2 "}));
    QVERIFY(sn.save(other, {"Q-1"}));
    QCOMPARE(sn.serials(owner), (QStringList{"P-1", "P-2", ""}));

    // a whole new set replaces the old one
    QVERIFY(sn.save(owner, {"N-1", "N-2"}));
    QCOMPARE(sn.serials(owner), (QStringList{"N-1", "N-2"}));

    // a refused insert half way leaves the previous set
    QVERIFY(refuseSerial(d, "SNoInv"));
    QString error;
    QVERIFY(!sn.save(owner, {"Z-1", "BAD", "Z-3"}, &error));
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(sn.serials(owner), (QStringList{"N-1", "N-2"}));
    QCOMPARE(sn.serials(other), QStringList{"Q-1"});

    // a serial given twice, one too long, an owner that is gone: nothing changes
    QVERIFY(!sn.save(owner, {"D-1", "D-2", " D-1"}, &error));
    QCOMPARE(error, QStringLiteral("Error "));
    QVERIFY(!sn.save(owner, {QString(51, u'9')}, &error));
    QCOMPARE(sn.serials(owner), (QStringList{"N-1", "N-2"}));
    QVERIFY(!sn.save(SerialOwner::line(DocKind::Purchase, 9999), {"G-1"}, &error));
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "SNoInv" WHERE "SOneID"=9999)").toInt(), 0);
    // price lists have no serials
    QVERIFY(!SerialOwner::line(DocKind::PriceList, 1).isValid());
    QVERIFY(!sn.save(SerialOwner::line(DocKind::PriceList, 1), {"G-1"}));
}

void TestSerialNumbers::editorRowRules()
{
    QCOMPARE(SerialNumbers::arrange({"", "a", " ", "b ", ""}), (QStringList{"a", "b", "", "", ""}));
    QCOMPARE(SerialNumbers::duplicates({"a", "b", "a", "", "", "a", "b"}), (QStringList{"a", "b"}));
    QVERIFY(SerialNumbers::duplicates({"a", "", ""}).isEmpty());
    QStringList rows{"a", "", ""};
    QVERIFY(SerialNumbers::take(rows, "b"));
    QCOMPARE(rows, (QStringList{"a", "b", ""}));
    QVERIFY(!SerialNumbers::take(rows, " "));
    QVERIFY(SerialNumbers::take(rows, "c"));
    QVERIFY(!SerialNumbers::take(rows, "d"));
    QVERIFY(SerialNumbers::giveBack(rows, 1));
    QCOMPARE(rows, (QStringList{"a", "c", ""}));
    QVERIFY(!SerialNumbers::giveBack(rows, 3));
}

void TestSerialNumbers::documentListAndGroupedText()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    SerialNumbers sn(d);
    QVERIFY(sn.save(SerialOwner::line(DocKind::Sale, shop.line(d, DocKind::Sale, shop.tv, 2)),
                    {"T-1", ""}));
    QVERIFY(sn.save(SerialOwner::line(DocKind::Sale, shop.line(d, DocKind::Sale, shop.radio, 1)),
                    {"R-1"}));
    QVERIFY(sn.save(SerialOwner::line(DocKind::Sale, shop.line(d, DocKind::Sale, shop.tv, 2)),
                    {"T-2", "T-1"}));
    bool ok = false;
    const QList<DocumentSerial> doc = sn.documentSerials(DocKind::Sale, shop.inv[1], &ok);
    QVERIFY(ok);
    QCOMPARE(doc.size(), 4);
    QCOMPARE(doc.first().itemId, shop.tv);
    QCOMPARE(doc.first().itemCode, QStringLiteral("TV1"));
    QCOMPARE(doc.first().description, QStringLiteral("Television"));
    QCOMPARE(SerialNumbers::groupedText(doc),
             (QStringList{"TV1 Television", "         T-1", "         T-2", "R2 Radio",
                          "         R-1"}));
    // manufacturing lists the raw materials and the products
    QVERIFY(sn.save(SerialOwner::line(DocKind::Manufacturing,
                                      shop.line(d, DocKind::Manufacturing, shop.radio, 1)),
                    {"IN-1"}));
    QVERIFY(
        sn.save(SerialOwner::line(DocKind::Manufacturing,
                                  shop.line(d, DocKind::Manufacturing, shop.tv, 1, 0, true), true),
                {"OUT-1"}));
    QStringList made;
    for (const DocumentSerial &s : sn.documentSerials(DocKind::Manufacturing, shop.inv[5]))
        made << s.sno;
    QCOMPARE(made, (QStringList{"IN-1", "OUT-1"}));
    QVERIFY(sn.documentSerials(DocKind::Purchase, shop.inv[0]).isEmpty());
}

void TestSerialNumbers::popupTexts_data()
{
    QTest::addColumn<double>("bought");
    QTest::addColumn<double>("sold");
    QTest::addColumn<QString>("quantityText");
    QTest::addColumn<QString>("rateText");
    QTest::addColumn<bool>("negative");
    QTest::newRow("in stock") << 5.0 << 2.0 << "Quantity: 3"
                              << "Rate: 4.50" << false;
    QTest::newRow("sold beyond stock") << 5.0 << 8.0 << "Quantity: -3!!!!!!!!!!"
                                       << "Rate: 4.50" << true;
    QTest::newRow("rounded to whole") << 5.0 << 2.4 << "Quantity: 3"
                                      << "Rate: 4.50" << false;
    QTest::newRow("no stock row") << 0.0 << 0.0 << "Quantity: 0"
                                  << "Rate: 0.00" << false;
}

void TestSerialNumbers::popupTexts()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(double, bought);
    QFETCH(double, sold);
    QFETCH(QString, quantityText);
    QFETCH(QString, rateText);
    QFETCH(bool, negative);
    appState().IsArabic = false;
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    if (bought > 0)
        QVERIFY(shop.line(d, DocKind::Purchase, shop.tv, bought, 4.5) > 0);
    if (sold > 0)
        QVERIFY(shop.line(d, DocKind::Sale, shop.tv, sold, 300) > 0);
    const LineStockTexts t = LineStockPopup::texts(d, shop.tv, 2);
    QVERIFY(t.ok);
    QCOMPARE(t.quantityText, quantityText);
    QCOMPARE(t.rateText, rateText);
    QCOMPARE(t.negative, negative);
}

QTEST_GUILESS_MAIN(TestSerialNumbers)
#include "tst_serialnumbers.moc"
