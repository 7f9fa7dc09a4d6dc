// The grid printer's layout and the grid's spreadsheet forms: column
// places, pages, right to left, the column limit, TSV, CSV and xlsx.

#include "GridExport.h"
#include "GridReport.h"
#include "PrintOutput.h"
#include "ReportRenderer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Print;

namespace {

GridTable tableOf(const QList<int> &widths, int rows,
                  const QString &cellPrefix = QStringLiteral("r"))
{
    GridTable t;
    for (int c = 0; c < widths.size(); ++c) {
        GridColumn col;
        col.title = QStringLiteral("T%1").arg(c);
        col.width = widths[c];
        t.columns << col;
    }
    for (int r = 0; r < rows; ++r) {
        QList<GridCell> cells;
        for (int c = 0; c < widths.size(); ++c)
            cells << GridCell::fromValue(QStringLiteral("%1%2c%3").arg(cellPrefix).arg(r).arg(c));
        t.rows << cells;
    }
    return t;
}

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// pdftotext output with Arabic presentation forms folded to their letters,
// direction marks and blanks removed.
QString squeeze(QString text)
{
    text = text.normalized(QString::NormalizationForm_KC);
    QString out;
    for (QChar c : std::as_const(text)) {
        const ushort u = c.unicode();
        if (c.isSpace() || (u >= 0x200E && u <= 0x200F) || (u >= 0x202A && u <= 0x202E)
            || (u >= 0x2066 && u <= 0x2069))
            continue;
        out += c;
    }
    return out;
}

// x of the first word equal to `word` in pdftotext's box listing; -1 if none.
double wordX(const QString &bbox, const QString &word)
{
    static const QRegularExpression re(
        QStringLiteral(R"re(<word xMin="([0-9.]+)"[^>]*>([^<]*)</word>)re"));
    auto it = re.globalMatch(bbox);
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(2) == word)
            return m.captured(1).toDouble();
    }
    return -1;
}

} // namespace

class TestGridReport : public QObject
{
    Q_OBJECT
private slots:
    void columnPlaces_data();
    void columnPlaces();
    void pages_data();
    void pages();
    void headingAndFooterOnEveryPage();
    void arabicTextsInThePdf();
    void rightToLeftPutsFirstColumnRight();
    void onlyThirteenShownColumnsPrint();
    void tabSeparatedText();
    void csvRoundTrip();
    void xlsxHasNumbersAndDirection();
};

void TestGridReport::columnPlaces_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<QList<int>>("lefts");
    QTest::newRow("frame 1") << 1 << QList<int>{2, 103, 164};
    QTest::newRow("frame 3") << 3 << QList<int>{4, 107, 170};
}

void TestGridReport::columnPlaces()
{
    QFETCH(int, frame);
    QFETCH(QList<int>, lefts);
    GridPrintSetup setup;
    setup.frameWidth = frame;
    const Report r = GridReport::build(tableOf({100, 60, 200}, 2), setup);
    const QList<int> widths{100, 60, 200};
    for (int k = 0; k < 3; ++k) {
        const ReportElement *title = r.find(QStringLiteral("Title%1").arg(k));
        const ReportElement *cell = r.detail.find(QStringLiteral("Cell%1").arg(k));
        QVERIFY(title && cell);
        QCOMPARE(qRound(title->left / GridReport::pxToMm(1)), lefts[k]);
        QCOMPARE(qRound(cell->left / GridReport::pxToMm(1)), lefts[k]);
        QCOMPARE(qRound(cell->width / GridReport::pxToMm(1)), widths[k] - 2);
        QCOMPARE(title->text, QStringLiteral("T%1").arg(k));
    }
    QCOMPARE(r.rows.first().value(QStringLiteral("c2")), QStringLiteral("r0c2"));
}

void TestGridReport::pages_data()
{
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("two");
    QTest::addColumn<int>("pages");
    // A4 upright: 25 rows of 40 pixels or 51 of 20 pixels fit under the
    // header and above the footer.
    QTest::newRow("wide, 30 tall rows") << QList<int>{300, 200, 250} << 40 << 30 << false << 2;
    QTest::newRow("wide, 30 rows") << QList<int>{300, 200, 250} << 20 << 30 << false << 1;
    QTest::newRow("wide, 51 tall rows") << QList<int>{300, 200, 250} << 40 << 51 << false << 3;
    QTest::newRow("narrow, 30 tall rows") << QList<int>{100, 60, 200} << 40 << 30 << true << 1;
    QTest::newRow("narrow, 60 tall rows") << QList<int>{100, 60, 200} << 40 << 60 << true << 2;
    QTest::newRow("empty") << QList<int>{300, 200, 250} << 20 << 0 << false << 1;
}

void TestGridReport::pages()
{
    QFETCH(QList<int>, widths);
    QFETCH(int, rowHeight);
    QFETCH(int, rows);
    QFETCH(bool, two);
    QFETCH(int, pages);
    GridPrintSetup setup;
    setup.rowHeight = rowHeight;
    const GridTable table = tableOf(widths, rows);
    QCOMPARE(GridReport::twoColumns(table, setup), two);
    const Report r = GridReport::build(table, setup);
    QCOMPARE(ReportRenderer::paginate(r).size(), pages);
    QCOMPARE(PrintOutput::renderImages(r, 30).size(), pages);
    if (two && rows == 60) {
        // A full page runs down the first column (25 records), then the second.
        QCOMPARE(r.rows[0].value(QStringLiteral("c0")), QStringLiteral("r0c0"));
        QCOMPARE(r.rows[0].value(QStringLiteral("d0")), QStringLiteral("r25c0"));
        QCOMPARE(r.rows[24].value(QStringLiteral("d0")), QStringLiteral("r49c0"));
        // The last page shares its ten records between both columns.
        QCOMPARE(r.rows[25].value(QStringLiteral("c0")), QStringLiteral("r50c0"));
        QCOMPARE(r.rows[25].value(QStringLiteral("d0")), QStringLiteral("r55c0"));
        QCOMPARE(r.rows.size(), 30);
    }
}

void TestGridReport::headingAndFooterOnEveryPage()
{
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed");
    GridPrintSetup setup;
    setup.rowHeight = 40;
    setup.heading = QStringLiteral("Stock list");
    setup.footer = QStringLiteral("Total Amount 123.50");
    setup.dateText = QStringLiteral("11/12/2026");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("grid.pdf"));
    QVERIFY(PrintOutput::writePdf(GridReport::build(tableOf({300, 200, 250}, 30), setup), pdf));
    for (int page = 1; page <= 2; ++page) {
        const QString text = run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                  QString::number(page), pdf, QStringLiteral("-")});
        QVERIFY2(text.contains(setup.heading), qPrintable(text));
        QVERIFY(text.contains(setup.footer));
        QVERIFY(text.contains(setup.dateText));
        QVERIFY(text.contains(QStringLiteral("T0")) && text.contains(QStringLiteral("T2")));
    }
    const QString all = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QCOMPARE(all.count(u'\f'), 2);
    QVERIFY(all.contains(QStringLiteral("r0c0")) && all.contains(QStringLiteral("r29c2")));
}

void TestGridReport::arabicTextsInThePdf()
{
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed");
    GridTable t = tableOf({200, 200}, 0);
    t.rightToLeft = true;
    t.columns[0].title = QStringLiteral("الصنف");
    t.columns[1].title = QStringLiteral("الكمية");
    t.rows << QList<GridCell>{GridCell::fromValue(QStringLiteral("قلم رصاص")),
                              GridCell::fromValue(QStringLiteral("12"))};
    GridPrintSetup setup;
    setup.heading = QStringLiteral("المخزن");
    setup.footer = QStringLiteral("المبلغ الإجمالي 12");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("ar.pdf"));
    QVERIFY(PrintOutput::writePdf(GridReport::build(t, setup), pdf));
    const QString text = squeeze(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
    for (const QString &s :
         {QStringLiteral("الصنف"), QStringLiteral("الكمية"), QStringLiteral("قلم رصاص"),
          QStringLiteral("المخزن"), QStringLiteral("المبلغ الإجمالي")})
        QVERIFY2(text.contains(squeeze(s)), qPrintable(s + u'\n' + text));
}

void TestGridReport::rightToLeftPutsFirstColumnRight()
{
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed");
    GridTable t = tableOf({150, 150, 150}, 0);
    t.rows << QList<GridCell>{GridCell::fromValue(QStringLiteral("AAA")),
                              GridCell::fromValue(QStringLiteral("BBB")),
                              GridCell::fromValue(QStringLiteral("CCC"))};
    QTemporaryDir dir;
    QList<double> a, c;
    for (bool rtl : {false, true}) {
        t.rightToLeft = rtl;
        const Report r = GridReport::build(t, GridPrintSetup());
        const QString pdf =
            dir.filePath(rtl ? QStringLiteral("rtl.pdf") : QStringLiteral("ltr.pdf"));
        QVERIFY(PrintOutput::writePdf(r, pdf));
        const QString bbox =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        a << wordX(bbox, QStringLiteral("AAA"));
        c << wordX(bbox, QStringLiteral("CCC"));
        QVERIFY(a.last() >= 0 && c.last() >= 0);
        if (rtl) {
            // The first column takes the band's right end.
            const ReportElement *first = r.find(QStringLiteral("Title0"));
            QVERIFY(qAbs(first->right() - (r.page.printableWidth() - GridReport::pxToMm(2))) < 0.2);
        }
    }
    QVERIFY(a[0] < c[0]);
    QVERIFY(a[1] > c[1]);
    // On A4 (595 points wide) the right-to-left first column sits in the right half.
    QVERIFY(a[1] > 595 / 2.0);
}

void TestGridReport::onlyThirteenShownColumnsPrint()
{
    QList<int> widths(15, 40);
    GridTable t = tableOf(widths, 1);
    t.columns[2].visible = false; // hidden: neither printed nor counted
    t.columns[3].width = 0;       // no width: the same
    const QList<int> printed = GridReport::printedColumns(t);
    QCOMPARE(printed.size(), 13);
    QCOMPARE(printed.first(), 0);
    QCOMPARE(printed[2], 4);
    QCOMPARE(printed.last(), 14);

    t.columns[3].width = 40;
    const Report r = GridReport::build(t, GridPrintSetup());
    QVERIFY(r.find(QStringLiteral("Title12")));
    QVERIFY(!r.find(QStringLiteral("Title13")));
    QStringList titles;
    for (int k = 0; k < 13; ++k)
        titles << r.find(QStringLiteral("Title%1").arg(k))->text;
    QVERIFY(!titles.contains(QStringLiteral("T2")));
    QCOMPARE(titles.last(), QStringLiteral("T13"));
    QVERIFY(!titles.contains(QStringLiteral("T14")));
    QCOMPARE(r.rows.first().value(QStringLiteral("c2")), QStringLiteral("r0c3"));
}

void TestGridReport::tabSeparatedText()
{
    GridTable t = tableOf({50, 50, 50}, 0);
    t.columns[1].visible = false;
    t.rows << QList<GridCell>{GridCell::fromValue(QStringLiteral("a")),
                              GridCell::fromValue(QVariant()),
                              GridCell::fromValue(QStringLiteral("x\ty"))};
    t.rows << QList<GridCell>{GridCell::fromValue(QStringLiteral("b")),
                              GridCell::fromValue(QStringLiteral("h")),
                              GridCell::fromValue(QString())};
    QCOMPARE(GridExport::toTsv(t), QStringLiteral("T0\tT1\tT2\na\t \tx y\nb\th\t"));
    QCOMPARE(GridExport::toTsv(t, GridExport::Columns::Shown),
             QStringLiteral("T0\tT2\na\tx y\nb\t"));
    QCOMPARE(GridExport::toTsv(tableOf({50}, 0)), QStringLiteral("T0"));
}

void TestGridReport::csvRoundTrip()
{
    GridTable t = tableOf({50, 50, 50}, 0);
    t.columns[0].title = QStringLiteral("Name, full");
    t.rows << QList<GridCell>{GridCell::fromValue(QStringLiteral("Smith, John")),
                              GridCell::fromValue(QStringLiteral("a \"big\" one")),
                              GridCell::fromValue(QStringLiteral("قلم رصاص"))};
    t.rows << QList<GridCell>{GridCell::fromValue(QStringLiteral("two\nlines")),
                              GridCell::fromValue(QVariant()), GridCell::fromValue(12.5)};
    const QByteArray csv = GridExport::toCsv(t);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    QVERIFY(csv.contains("\"a \"\"big\"\" one\""));
    const QList<QStringList> back = GridExport::parseCsv(csv);
    QCOMPARE(back.size(), 3);
    QCOMPARE(back[0], QStringList({"Name, full", "T1", "T2"}));
    QCOMPARE(back[1], QStringList({"Smith, John", "a \"big\" one", QStringLiteral("قلم رصاص")}));
    QCOMPARE(back[2], QStringList({"two\nlines", "", "12.5"}));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("grid.csv"));
    QVERIFY(GridExport::writeCsv(t, file));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(GridExport::parseCsv(f.readAll()), back);
    QString error;
    QVERIFY(!GridExport::writeCsv(t, dir.filePath(QStringLiteral("no/such/dir/x.csv")), &error));
    QVERIFY(!error.isEmpty());
}

void TestGridReport::xlsxHasNumbersAndDirection()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is needed to read the workbook");
    GridTable t = tableOf({80, 80, 80, 80}, 0);
    t.columns[0].title = QStringLiteral("الصنف");
    t.columns[3].visible = false;
    t.rows << QList<GridCell>{
        GridCell::fromValue(QStringLiteral("قلم")), GridCell::fromValue(QStringLiteral("12.50")),
        GridCell::fromValue(QStringLiteral("007")), GridCell::fromValue(QStringLiteral("hidden"))};
    t.rows << QList<GridCell>{
        GridCell::fromValue(QStringLiteral("Pen")), GridCell::fromValue(QVariant(3)),
        GridCell::fromValue(QStringLiteral("1,234.5")), GridCell::fromValue(QVariant())};
    QTemporaryDir dir;
    const QString read = QStringLiteral("import "
                                        "sys,zipfile\nz=zipfile.ZipFile(sys.argv[1])\nsys.stdout."
                                        "buffer.write(z.read(sys.argv[2]))");
    for (bool rtl : {true, false}) {
        t.rightToLeft = rtl;
        const QString file =
            dir.filePath(rtl ? QStringLiteral("ar.xlsx") : QStringLiteral("en.xlsx"));
        QString error;
        QVERIFY2(GridExport::writeXlsx(t, file, QStringLiteral("Stock"), &error),
                 qPrintable(error));
        const QString sheet = run(
            python, {QStringLiteral("-c"), read, file, QStringLiteral("xl/worksheets/sheet1.xml")});
        const QString strings =
            run(python, {QStringLiteral("-c"), read, file, QStringLiteral("xl/sharedStrings.xml")});
        const QString book =
            run(python, {QStringLiteral("-c"), read, file, QStringLiteral("xl/workbook.xml")});
        QVERIFY2(sheet.contains(QStringLiteral("<c r=\"B2\"><v>12.5</v></c>")), qPrintable(sheet));
        QVERIFY(sheet.contains(QStringLiteral("<c r=\"B3\"><v>3</v></c>")));
        QVERIFY(sheet.contains(QStringLiteral("<c r=\"C3\"><v>1234.5</v></c>")));
        // A code with leading zeros stays text.
        QVERIFY(sheet.contains(QStringLiteral("<c r=\"C2\" t=\"s\">")));
        QVERIFY(!sheet.contains(QStringLiteral("r=\"D1\"")));
        QCOMPARE(sheet.contains(QStringLiteral("rightToLeft=\"1\"")), rtl);
        QVERIFY(strings.contains(QStringLiteral("الصنف"))
                && strings.contains(QStringLiteral("قلم")));
        QVERIFY(!strings.contains(QStringLiteral("hidden")));
        QVERIFY(book.contains(QStringLiteral("name=\"Stock\"")));
    }
    QString error;
    QVERIFY(!GridExport::writeXlsx(t, dir.filePath(QStringLiteral("no/such/x.xlsx")), {}, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestGridReport)
#include "tst_gridreport.moc"
