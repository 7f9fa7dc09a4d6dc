// The item clipboard (copy and paste of document lines, across kinds and
// year databases, through .inv files) and the search for an item through
// the documents of a kind.

#include "TestDb.h"

#include "data/TextCodec.h"
#include "documents/Documents.h"
#include "documents/ItemClipboard.h"
#include "documents/ItemSearch.h"
#include "items/Catalogue.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

class TestItemClipboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void copySaleIntoPurchase();
    void pasteCreatesMissingItemsInTheFirstKind();
    void refusedStatementLeavesTheDocument();
    void files_data();
    void files();
    void fileTextRoundTrips();
    void searchLandsOnTheLatestEarlierDocument();
    void searchFollowsThePurchaseDates();
    void pricePeek();
};

namespace {

const QString kTeaCode = QString::fromUtf8("شاي'1");
const QString kTea = QString::fromUtf8("شاي أخضر");

struct Shop
{
    int user = 0, customer = 0, supplier = 0;
};

int insertId(TDataFormSQL &d, const QString &sql, const QVariantList &values, const QString &table,
             const QString &col)
{
    if (!d.DoSqlNEW(sql, values))
        qWarning() << d.lastErrorText();
    return d.scalar(QStringLiteral("SELECT max(\"%1\") FROM \"%2\"").arg(col, table)).toInt();
}

Shop people(TDataFormSQL &d)
{
    Shop s;
    s.user =
        insertId(d, R"(INSERT INTO "Users"("UName","UKind") VALUES('boss',0))", {}, "Users", "UID");
    s.customer = insertId(d, R"(INSERT INTO "Address"("AName") VALUES(?))", {"O'Hara Trading"},
                          "Address", "ID");
    s.supplier = insertId(d, R"(INSERT INTO "Address"("AName") VALUES('Supplier One'))", {},
                          "Address", "ID");
    return s;
}

void items(TDataFormSQL &d)
{
    d.DoSqlNEW(R"(INSERT INTO "ItemKind"("ItemKind") VALUES('General'))");
    d.DoSqlNEW(
        R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES('A1','Soap',1,2.5))");
    d.DoSqlNEW(
        R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate","IsService") VALUES('B2','Delivery',1,10,?))",
        {d.boolValue(true)});
    d.DoSqlNEW(R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES(?,?,1,4))",
               {kTeaCode, kTea});
}

int itemId(TDataFormSQL &d, const QString &code)
{
    return d.scalar(R"(SELECT "ItemID" FROM "CodeTb" WHERE "ItemCode"=?)", {code}).toInt();
}

int itemCount(TDataFormSQL &d)
{
    return d.scalar(R"(SELECT count(*) FROM "CodeTb")").toInt();
}

int newDocument(Documents &docs, int company, int user, const QDate &date = QDate(2026, 5, 1),
                int invoiceNo = 0)
{
    DocumentHeader h;
    h.CompanyID = company;
    h.UID = user;
    h.InvoiceNo = invoiceNo;
    h.Date1 = QDateTime(date, QTime(10, 0));
    return docs.create(h);
}

// A sale of three lines: soap, the delivery service and tea (a code with
// an apostrophe and a note with one).
int threeLineSale(TDataFormSQL &d, const Shop &s)
{
    Documents sales(d, DocKind::Sale);
    const int inv = newDocument(sales, s.customer, s.user);
    sales.addLine(inv, itemId(d, "A1"), 2, 2.5);
    sales.addLine(inv, itemId(d, "B2"), 1.5, 10, "fast");
    sales.addLine(inv, itemId(d, kTeaCode), 3, 4.25, "O'Brien");
    return inv;
}

QList<ClipLine> expectedSale()
{
    return {{"A1", "Soap", false, 2, 2.5, ""},
            {"B2", "Delivery", true, 1.5, 10, "fast"},
            {kTeaCode, kTea, false, 3, 4.25, "O'Brien"}};
}

} // namespace

void TestItemClipboard::copySaleIntoPurchase()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const Shop s = people(d);
    items(d);
    const int sale = threeLineSale(d, s);

    QString error = "stale";
    const QList<ClipLine> copied = ItemClipboard::copyLines(d, DocKind::Sale, sale, false, &error);
    QVERIFY(error.isEmpty());
    QCOMPARE(copied, expectedSale());
    ItemClipboard::setCurrent(copied);
    QCOMPARE(ItemClipboard::current(), copied);

    Documents purchases(d, DocKind::Purchase);
    const int purchase = newDocument(purchases, s.supplier, s.user, QDate(2026, 5, 2), 77);
    PasteReport report;
    QVERIFY2(ItemClipboard::paste(d, DocKind::Purchase, purchase, ItemClipboard::current(), false,
                                  &report, &error),
             qPrintable(error));
    QCOMPARE(report.lines, 3);
    QVERIFY(report.createdCodes.isEmpty());
    const QList<DocumentLine> lines = purchases.lines(purchase);
    QCOMPARE(lines.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(lines[i].ItemCode, copied[i].ItemCode);
        QCOMPARE(lines[i].Quantity, copied[i].Quantity);
        QCOMPARE(lines[i].Rate1, copied[i].Rate1);
        QCOMPARE(lines[i].Note, copied[i].Note);
    }
    QCOMPARE(purchases.header(purchase)->TotalAmount, 5 + 15 + 12.75);
    QCOMPARE(itemCount(d), 3);

    // Pasting never removes lines: twice doubles them. Nothing pastes nothing.
    QVERIFY(ItemClipboard::paste(d, DocKind::Purchase, purchase, copied, false, &report, &error));
    QCOMPARE(purchases.lines(purchase).size(), 6);
    QCOMPARE(purchases.header(purchase)->TotalAmount, 2 * (5 + 15 + 12.75));
    QVERIFY(ItemClipboard::paste(d, DocKind::Purchase, purchase, {}, false, &report, &error));
    QCOMPARE(report.lines, 0);
    QCOMPARE(purchases.lines(purchase).size(), 6);

    // A document that is not there takes nothing.
    QVERIFY(
        !ItemClipboard::paste(d, DocKind::Purchase, purchase + 5, copied, false, &report, &error));
    QVERIFY(error.contains(QString::number(purchase + 5)));

    // The raw materials of a manufacturing document, and its products.
    Documents ind(d, DocKind::Manufacturing);
    const int job = newDocument(ind, 0, s.user);
    QVERIFY(ItemClipboard::paste(d, DocKind::Manufacturing, job, copied.mid(0, 1), false, nullptr,
                                 &error));
    QVERIFY(
        ItemClipboard::paste(d, DocKind::Manufacturing, job, copied.mid(1), true, nullptr, &error));
    QCOMPARE(ind.lines(job).size(), 1);
    QCOMPARE(ind.lines(job, true).size(), 2);
    QCOMPARE(ItemClipboard::copyLines(d, DocKind::Manufacturing, job, true), copied.mid(1));
}

void TestItemClipboard::pasteCreatesMissingItemsInTheFirstKind()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = people(year.data());
    items(year.data());
    const QList<ClipLine> copied =
        ItemClipboard::copyLines(year.data(), DocKind::Sale, threeLineSale(year.data(), s));

    // Another year database, still without item kinds.
    ScratchYear other(engine, ScratchYear::Content::Template, 2025);
    QVERIFY2(other.ok(), qPrintable(other.error()));
    TDataFormSQL &d = other.data();
    const Shop o = people(d);
    Documents sales(d, DocKind::Sale);
    const int inv = newDocument(sales, o.customer, o.user);
    QString error;
    QVERIFY(!ItemClipboard::paste(d, DocKind::Sale, inv, copied, false, nullptr, &error));
    QVERIFY2(error.contains("item kind"), qPrintable(error));
    QCOMPARE(sales.lines(inv).size(), 0);
    QCOMPARE(itemCount(d), 0);

    // Kinds 2 and 3 remain; the created items go to kind 2.
    for (const char *name : {"Old", "Tools", "Food"})
        QVERIFY(d.DoSqlNEW(R"(INSERT INTO "ItemKind"("ItemKind") VALUES(?))",
                           {QString::fromLatin1(name)}));
    QVERIFY(d.DoSqlNEW(R"(DELETE FROM "ItemKind" WHERE "ItemKindID"=1)"));
    QVERIFY(d.DoSqlNEW(
        R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind") VALUES('A1','Soap of 2025',3))"));

    PasteReport report;
    QVERIFY2(ItemClipboard::paste(d, DocKind::Sale, inv, copied, false, &report, &error),
             qPrintable(error));
    QCOMPARE(report.lines, 3);
    QCOMPARE(report.createdCodes, QStringList({"B2", kTeaCode}));
    QCOMPARE(report.kindId, 2);
    QCOMPARE(report.kindName, QString("Tools"));
    QCOMPARE(itemCount(d), 3);

    Catalogue catalogue(d);
    CatalogueItem delivery, tea, soap;
    QVERIFY(catalogue.item(itemId(d, "B2"), &delivery));
    QCOMPARE(delivery.description, QString("Delivery"));
    QVERIFY(delivery.isService);
    QCOMPARE(delivery.kind, 2);
    QVERIFY(catalogue.item(itemId(d, kTeaCode), &tea));
    QCOMPARE(tea.description, kTea);
    QVERIFY(!tea.isService);
    QVERIFY(catalogue.item(itemId(d, "A1"), &soap));
    QCOMPARE(soap.description, QString("Soap of 2025"));     // an existing item stays as it is
    QCOMPARE(catalogue.search(QString()).size(), size_t(3)); // all listed with their kind

    const QList<DocumentLine> lines = sales.lines(inv);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[2].ItemCode, kTeaCode);
    QCOMPARE(lines[2].Note, QString("O'Brien"));
    QCOMPARE(sales.header(inv)->TotalAmount, 5 + 15 + 12.75);
}

void TestItemClipboard::refusedStatementLeavesTheDocument()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const Shop s = people(d);
    items(d);
    QList<ClipLine> copied = ItemClipboard::copyLines(d, DocKind::Sale, threeLineSale(d, s));
    copied << ClipLine{"NEW-9", "Created then undone", false, 1, 1, ""};

    Documents sales(d, DocKind::Sale);
    const int inv = newDocument(sales, s.customer, s.user);
    QVERIFY(TestDb::refuseUpdates(d, "Sales"));
    QString error;
    PasteReport report;
    QVERIFY(!ItemClipboard::paste(d, DocKind::Sale, inv, copied, false, &report, &error));
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(report.lines, 0);
    QCOMPARE(sales.lines(inv).size(), 0);
    QCOMPARE(itemCount(d), 3); // the created item went with the rest
    QCOMPARE(d.transactionDepth(), 0);

    // Values the tables cannot hold are refused before anything is written.
    QVERIFY(TestDb::acceptUpdates(d, "Sales"));
    QList<ClipLine> bad = copied.mid(0, 1);
    bad << ClipLine{"A1", "", false, 1, 1, QString(26, u'x')};
    QVERIFY(!ItemClipboard::paste(d, DocKind::Sale, inv, bad, false, &report, &error));
    QVERIFY2(error.contains("Line 2"), qPrintable(error));
    bad.last() = ClipLine{"  ", "", false, 1, 1, ""};
    QVERIFY(!ItemClipboard::paste(d, DocKind::Sale, inv, bad, false, &report, &error));
    QVERIFY2(error.contains("Line 2"), qPrintable(error));
    QCOMPARE(sales.lines(inv).size(), 0);
}

void TestItemClipboard::files_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("ignored");
    QTest::addColumn<QString>("firstDescription");
    QTest::addColumn<double>("firstRate");

    QStringEncoder cp1256("windows-1256");
    const QString arabic =
        QString::fromUtf8("شاي'1\r\nشاي أخضر\r\nFalse\r\n3\r\n4.25\r\nملاحظة\r\n");
    const QByteArray group = "A1\r\nSoap\r\nfalse\r\n2\r\n2.5\r\n\r\n";
    QTest::newRow("13 lines: two items")
        << (group + "B2\nDelivery\nTRUE\n1.5\n10\nfast\nC3\n") << 2 << 1 << "Soap" << 2.5;
    QTest::newRow("cp1256") << QByteArray(cp1256.encode(arabic)) << 1 << 0 << kTea << 4.25;
    QTest::newRow("utf-8") << arabic.toUtf8() << 1 << 0 << kTea << 4.25;
    QTest::newRow("utf-8 with mark")
        << ("\xEF\xBB\xBF" + arabic.toUtf8()) << 1 << 0 << kTea << 4.25;
    QTest::newRow("decimal comma, no last line end")
        << QByteArray("A1\nSoap\nFalse\n2\n2,5\nnote") << 1 << 0 << "Soap" << 2.5;
    QTest::newRow("initial clipboard") << QByteArray("ClipMemo\r\n") << 0 << 1 << "" << 0.0;
    QTest::newRow("empty") << QByteArray() << 0 << 0 << "" << 0.0;
}

void TestItemClipboard::files()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QByteArray, bytes);
    QFETCH(int, lines);
    QFETCH(int, ignored);
    QFETCH(QString, firstDescription);
    QFETCH(double, firstRate);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const Shop s = people(d);
    items(d);

    QTemporaryDir dir;
    const QString path = dir.filePath("bill.inv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    QString error;
    int left = -1;
    const auto read = ItemClipboard::readFile(path, &error, &left);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->size(), lines);
    QCOMPARE(left, ignored);
    QCOMPARE(ItemClipboard::ignoredLinesText(left).isEmpty(), ignored == 0);
    if (lines > 0) {
        QCOMPARE(read->first().Description, firstDescription);
        QCOMPARE(read->first().Rate1, firstRate);
    }

    Documents sales(d, DocKind::Sale);
    const int inv = newDocument(sales, s.customer, s.user);
    QVERIFY2(ItemClipboard::paste(d, DocKind::Sale, inv, *read, false, nullptr, &error),
             qPrintable(error));
    QCOMPARE(sales.lines(inv).size(), lines);
}

void TestItemClipboard::fileTextRoundTrips()
{
    QARVEL_FETCH_ENGINE(engine);
    Q_UNUSED(engine);
    QTemporaryDir dir;
    QString error;

    // Arabic is written in the Arabic Windows code page and read back.
    const QString path = dir.filePath("bill.inv");
    QVERIFY2(ItemClipboard::writeFile(path, expectedSale(), &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    QStringEncoder cp1256("windows-1256");
    const QString text = ItemClipboard::toText(expectedSale()).join("\r\n") + "\r\n";
    QCOMPARE(bytes, QByteArray(cp1256.encode(text)));
    QVERIFY(bytes.startsWith(
        "A1\r\nSoap\r\nFalse\r\n2\r\n2.5\r\n\r\nB2\r\nDelivery\r\nTrue\r\n1.5\r\n10\r\n"));
    QCOMPARE(ItemClipboard::readFile(path, &error).value_or(QList<ClipLine>()), expectedSale());

    // A text the code page cannot hold is kept, as UTF-8.
    QList<ClipLine> wide = expectedSale();
    wide[0].Description = QString::fromUtf8("茶 شاي");
    QVERIFY(ItemClipboard::writeFile(path, wide, &error));
    QCOMPARE(ItemClipboard::readFile(path, &error).value_or(QList<ClipLine>()), wide);

    // A quantity that is no number is refused with its line.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("A1\nSoap\nFalse\n2\n2.5\n\nB2\nDelivery\nFalse\ntwo\n10\n\n");
    file.close();
    QVERIFY(!ItemClipboard::readFile(path, &error));
    QVERIFY2(error.contains("Line 10") && error.contains("two"), qPrintable(error));

    QVERIFY(!ItemClipboard::readFile(dir.filePath("missing.inv"), &error));
    QVERIFY(!error.isEmpty());
}

void TestItemClipboard::searchLandsOnTheLatestEarlierDocument()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const Shop s = people(d);
    items(d);
    const int soap = itemId(d, "A1"), delivery = itemId(d, "B2");
    Documents sales(d, DocKind::Sale);
    // 1: soap; 2: delivery; 3: soap twice and delivery; 4: delivery; 5: empty
    int inv[6] = {};
    for (int i = 1; i <= 5; ++i)
        inv[i] = newDocument(sales, s.customer, s.user);
    const int first = sales.addLine(inv[1], soap, 1, 2);
    sales.addLine(inv[2], delivery, 1, 10);
    const int third1 = sales.addLine(inv[3], soap, 1, 3);
    sales.addLine(inv[3], delivery, 1, 10);
    const int third2 = sales.addLine(inv[3], soap, 2, 3.5);
    sales.addLine(inv[4], delivery, 1, 10);

    ItemSearch search(d, DocKind::Sale);
    QCOMPARE(search.order(), QList<int>({inv[1], inv[2], inv[3], inv[4], inv[5]}));
    QCOMPARE(search.matchingLines(inv[3], "A1").size(), 2);

    auto hit = search.start("A1");
    QVERIFY(hit);
    QCOMPARE(hit->InvID, inv[3]);
    QCOMPARE(hit->lineId, third1);
    QCOMPARE(hit->Rate1, 3.0);
    hit = search.previous(hit->InvID, hit->lineId,
                          "A1"); // the next matching line of the same document
    QVERIFY(hit);
    QCOMPARE(hit->InvID, inv[3]);
    QCOMPARE(hit->lineId, third2);
    QCOMPARE(hit->Rate1, 3.5);
    hit = search.previous(hit->InvID, hit->lineId, "A1");
    QVERIFY(hit);
    QCOMPARE(hit->InvID, inv[1]);
    QCOMPARE(hit->lineId, first);
    QVERIFY(!search.previous(hit->InvID, hit->lineId, "A1"));

    // From a document without the item: the latest earlier one that has it.
    hit = search.previous(inv[5], 0, "B2");
    QVERIFY(hit);
    QCOMPARE(hit->InvID, inv[4]);
    QCOMPARE(search.start("B2")->InvID, inv[4]);

    // No document has it (a code with an apostrophe, bound as a value).
    QVERIFY(!search.start(kTeaCode));
    QVERIFY(!search.previous(inv[5], 0, kTeaCode));
    sales.addLine(inv[2], itemId(d, kTeaCode), 1, 4);
    QCOMPARE(search.start(kTeaCode)->InvID, inv[2]);
    QVERIFY(!search.start("' OR 1=1 --"));
}

void TestItemClipboard::searchFollowsThePurchaseDates()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const Shop s = people(d);
    items(d);
    Documents purchases(d, DocKind::Purchase);
    // Purchases are listed by date: the second one entered is the older.
    const int late = newDocument(purchases, s.supplier, s.user, QDate(2026, 5, 10), 1);
    const int early = newDocument(purchases, s.supplier, s.user, QDate(2026, 5, 1), 2);
    purchases.addLine(late, itemId(d, "A1"), 1, 2);
    purchases.addLine(early, itemId(d, "A1"), 1, 1.75);

    ItemSearch search(d, DocKind::Purchase);
    QCOMPARE(search.order(), QList<int>({early, late}));
    auto hit = search.start("A1");
    QVERIFY(hit);
    QCOMPARE(hit->InvID, late);
    hit = search.previous(hit->InvID, hit->lineId, "A1");
    QVERIFY(hit);
    QCOMPARE(hit->InvID, early);
    QCOMPARE(hit->Rate1, 1.75);
    QVERIFY(!search.previous(early, hit->lineId, "A1"));
}

void TestItemClipboard::pricePeek()
{
    QARVEL_FETCH_ENGINE(engine);
    Q_UNUSED(engine);
    QCOMPARE(ItemSearch::pricePeekText(12.5, 2, 3, 7), QString("3712.50"));
    QCOMPARE(ItemSearch::pricePeekText(12.5, 3, 0, 8), QString("0812.500"));
    for (int i = 0; i < 50; ++i) {
        const QString text = ItemSearch::pricePeekText(4.25, 2);
        QCOMPARE(text.size(), 6);
        QVERIFY(text.endsWith("4.25"));
        QVERIFY(text[0] >= u'0' && text[0] <= u'8' && text[1] >= u'0' && text[1] <= u'8');
    }
}

QTEST_GUILESS_MAIN(TestItemClipboard)
#include "tst_itemclipboard.moc"
