// Barcode labels on paper: every symbology draws bars, the A4 sheet of
// columns x rows labels, and a barcode printer that is not installed.

#include "LabelSheet.h"
#include "PrintOutput.h"
#include "ReportRenderer.h"
#include "ZintBarcode.h"

#include <QPainter>
#include <QtTest>

class TestLabelSheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installZintBarcodes(); }
    void everySymbologyDrawsBars_data();
    void everySymbologyDrawsBars();
    void dataThatDoesNotFitDrawsNoBars_data();
    void dataThatDoesNotFitDrawsNoBars();
    void ratioWidensTheWideBars();
    void fourByTenIsFortyLabelsOnOnePage();
    void labelSizeFollowsTheTexts();
    void unknownBarcodePrinterPrintsNothing();
};

namespace {

// Dark pixels across the middle of the image: the bars leave many, a
// frame only its two sides.
int darkColumns(const QImage &image)
{
    int count = 0;
    const int y = image.height() / 2;
    for (int x = 0; x < image.width(); ++x)
        count += qGray(image.pixel(x, y)) < 128;
    return count;
}

QImage paintSymbol(const QString &data, int symbology, int ratio = 0)
{
    QImage image(600, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    BarcodePainter::Style style;
    style.showText = false;
    style.ratio = ratio;
    BarcodePainter::current().paint(p, QRectF(0, 0, 600, 120), data, symbology, style);
    p.end();
    return image;
}

LabelContent label(const QString &data = QStringLiteral("6281000000014"))
{
    LabelContent c;
    c.data = data;
    c.symbology = 14;
    c.upperText = QStringLiteral("Qarvel Shop");
    c.lowerText = QStringLiteral("Sugar 1kg");
    c.barHeight = Labels::barHeight(10, 10, 10);
    return c;
}

} // namespace

void TestLabelSheet::everySymbologyDrawsBars_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("data");
    const char *samples[] = {"12345678",    "12345678",    "12345678",
                             "CODE-39",     "code 39 ext", "ABC123",
                             "Abc123",      "12345678",    "CODE-93",
                             "Code 93 ext", "123456",      "12345",
                             "123456",      "6281000",     "6281000000014",
                             "01234567890", "123456",      "123456",
                             "12",          "12345",       "[01]06281000000014",
                             "ABC123",      "12345678"};
    const QStringList names = Labels::symbologyNames();
    QCOMPARE(names.size(), Labels::SymbologyCount);
    for (int i = 0; i < Labels::SymbologyCount; ++i)
        QTest::newRow(qPrintable(names[i])) << i << QString::fromLatin1(samples[i]);
}

void TestLabelSheet::everySymbologyDrawsBars()
{
    QFETCH(int, symbology);
    QFETCH(QString, data);
    const ZintBarcode::Symbol s = ZintBarcode::encode(data, symbology);
    QVERIFY2(s.ok, qPrintable(s.error));
    QVERIFY(s.modules > 10);
    QVERIFY(darkColumns(paintSymbol(data, symbology)) > 20);
}

void TestLabelSheet::dataThatDoesNotFitDrawsNoBars_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("data");
    QTest::newRow("EAN-13 letters") << 14 << "ABCDEFGHIJKLM";
    QTest::newRow("EAN-13 bad check digit") << 14 << "6281000000012";
    QTest::newRow("EAN-8 too long") << 13 << "123456789";
    QTest::newRow("2 of 5 letters") << 0 << "AB12";
    QTest::newRow("add-on of 3") << 18 << "123";
}

void TestLabelSheet::dataThatDoesNotFitDrawsNoBars()
{
    QFETCH(int, symbology);
    QFETCH(QString, data);
    const ZintBarcode::Symbol s = ZintBarcode::encode(data, symbology);
    QVERIFY(!s.ok);
    QVERIFY(!s.error.isEmpty());
    // Only the frame: its two sides.
    QVERIFY(darkColumns(paintSymbol(data, symbology)) <= 4);
}

void TestLabelSheet::ratioWidensTheWideBars()
{
    const int own = ZintBarcode::encode(QStringLiteral("CODE39"), 3).modules;
    const int two = ZintBarcode::encode(QStringLiteral("CODE39"), 3, 2).modules;
    const int four = ZintBarcode::encode(QStringLiteral("CODE39"), 3, 4).modules;
    QVERIFY(own > 0);
    QVERIFY(two < four);
    // Code 128 has no two widths: the ratio changes nothing.
    QCOMPARE(ZintBarcode::encode(QStringLiteral("ABC"), 6, 4).modules,
             ZintBarcode::encode(QStringLiteral("ABC"), 6).modules);
}

void TestLabelSheet::fourByTenIsFortyLabelsOnOnePage()
{
    Labels::Settings s;
    s.columns = 4;
    s.rows = 10;
    const Print::Report sheet = LabelSheet::sheet(label(), s);
    QCOMPARE(LabelSheet::labelCount(sheet), 40);
    QCOMPARE(ReportRenderer::paginate(sheet).size(), 1);
    const QList<QImage> pages = PrintOutput::renderImages(sheet, 100);
    QCOMPARE(pages.size(), 1);
    // Four labels across, inside the margins, none overlapping the next.
    QList<const Print::ReportElement *> bars;
    for (const Print::ReportElement &e : sheet.detail.elements)
        if (e.kind == Print::ElementKind::Barcode)
            bars << &e;
    QCOMPARE(bars.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QVERIFY(bars[i]->width > 0);
        QVERIFY(sheet.page.left + bars[i]->right() <= 210 - 10 + 1e-6);
        if (i > 0)
            QVERIFY(bars[i]->left >= bars[i - 1]->right() + s.columnSpace - 1e-6);
    }
    // Ten rows of the bar height fill the page between the margins.
    QVERIFY(10 * sheet.detail.height <= 297 - 20 + 1e-6);
    QVERIFY(10 * sheet.detail.height > 297 - 20 - 10 * Labels::PixelMm);
    // Ink in the last row of labels, none below the bottom margin.
    const QImage &page = pages.first();
    const double mm = 100 / 25.4;
    const int lastRowTop = int((10 + 9 * sheet.detail.height) * mm) + 2;
    bool inkInLastRow = false, inkBelow = false;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) {
                inkInLastRow = inkInLastRow || (y >= lastRowTop && y < int(287 * mm));
                inkBelow = inkBelow || y > int(287 * mm) + 1;
            }
    QVERIFY(inkInLastRow);
    QVERIFY(!inkBelow);
}

void TestLabelSheet::labelSizeFollowsTheTexts()
{
    LabelContent c = label();
    const int bars = LabelSheet::symbolWidth(c);
    QVERIFY(bars > 90); // 95 modules of EAN-13
    QCOMPARE(LabelSheet::labelSize(c), QSize(bars + 5, c.barHeight + 16));
    c.lowerOn = false;
    c.whiteOnRight = 10;
    c.zoom = 2;
    QCOMPARE(LabelSheet::labelSize(c), QSize(2 * bars + 15, c.barHeight + 2));
    const QImage image = LabelSheet::renderLabel(c);
    QCOMPARE(image.size(), LabelSheet::labelSize(c));
    QVERIFY(darkColumns(image) > 40);
}

void TestLabelSheet::unknownBarcodePrinterPrintsNothing()
{
    Labels::Settings s;
    s.columns = 4;
    s.rows = 10;
    const PrintOutput::Result r = PrintOutput::printOn(LabelSheet::sheet(label(), s),
                                                       QStringLiteral("No Such Label Printer"));
    QVERIFY(!r.printed);
    QCOMPARE(r.pages, 0);
    QVERIFY(r.message.contains(QStringLiteral("No Such Label Printer")));
}

QTEST_MAIN(TestLabelSheet)
#include "tst_labelsheet.moc"
