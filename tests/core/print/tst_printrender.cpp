// The print engine: bands on pages, right-to-left text, outputs.

#include "PrintOutput.h"
#include "Report.h"
#include "ReportRenderer.h"

#include <QtTest>

using namespace Print;

class TestPrintRender : public QObject
{
    Q_OBJECT
private slots:
    void textAlignsOnTheRightEdge_data();
    void textAlignsOnTheRightEdge();
    void bandsOnPages_data();
    void bandsOnPages();
    void rollIsAsLongAsItsContent();
    void pdfOfAnEmptyReportHasOnePage();
    void namedPrinterNeverFallsBack_data();
    void namedPrinterNeverFallsBack();
};

namespace {

constexpr int kDpi = 100;

// The leftmost and rightmost ink columns of the image, in mm (-1 if none).
std::pair<double, double> inkSpan(const QImage &image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    const double mm = 25.4 / kDpi;
    return {first < 0 ? -1 : first * mm, last < 0 ? -1 : last * mm};
}

Report textReport(const QString &text, Qt::LayoutDirection direction, Qt::Alignment align)
{
    Report r;
    r.page = PageSetup{210, 30, 0, 0, 0, 0, false};
    r.pageHeader.height = 20;
    ReportElement e;
    e.name = "t";
    e.text = text;
    e.left = 20;
    e.top = 5;
    e.width = 170;
    e.height = 8;
    e.font = defaultFont(14);
    e.direction = direction;
    e.alignment = align;
    r.pageHeader.add(e);
    r.titleBand.visible = r.closeBand.visible = r.pageFooter.visible = false;
    return r;
}

Report banded(int rows, bool continuous)
{
    Report r;
    r.page = PageSetup{210, 100, 5, 5, 5, 5, false}; // 90 mm printable
    r.pageHeader.height = 20;
    r.titleBand.height = 5;
    r.detail.height = 10;
    r.closeBand.height = 5;
    r.pageFooter.height = 15;
    r.continuous = continuous;
    for (int i = 0; i < rows; ++i)
        r.rows << Row{{"n", QString::number(i + 1)}};
    return r;
}

QString layout(const QList<ReportRenderer::Page> &pages)
{
    QStringList out;
    for (const ReportRenderer::Page &p : pages) {
        QString page;
        for (const ReportRenderer::Placed &placed : p)
            page += QHash<QString, QString>{
                {"PageHeader", "H"},
                {"TitleBand", "T"},
                {"Detail", "d"},
                {"CloseBand", "C"},
                {"PageFooter",
                 "P"}}.value(placed.band->name, "?");
        out << page;
    }
    return out.join(u'|');
}

} // namespace

void TestPrintRender::textAlignsOnTheRightEdge_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("atRight");
    const QString arabic = QString::fromUtf8("فاتورة نقداً");
    QTest::newRow("arabic right") << arabic << int(Qt::RightToLeft) << int(Qt::AlignRight) << true;
    QTest::newRow("arabic left") << arabic << int(Qt::RightToLeft) << int(Qt::AlignLeft) << false;
    QTest::newRow("latin right") << QStringLiteral("Cash") << int(Qt::LeftToRight)
                                 << int(Qt::AlignRight) << true;
    QTest::newRow("latin left") << QStringLiteral("Cash") << int(Qt::LeftToRight)
                                << int(Qt::AlignLeft) << false;
}

void TestPrintRender::textAlignsOnTheRightEdge()
{
    QFETCH(QString, text);
    QFETCH(int, direction);
    QFETCH(int, align);
    QFETCH(bool, atRight);
    const QList<QImage> pages = PrintOutput::renderImages(
        textReport(text, Qt::LayoutDirection(direction), Qt::Alignment(align)), kDpi);
    QCOMPARE(pages.size(), 1);
    const auto [first, last] = inkSpan(pages[0]);
    QVERIFY(first >= 0);
    if (atRight) {
        QVERIFY2(last > 186 && last <= 190.5, qPrintable(QString::number(last)));
        QVERIFY2(first > 120, qPrintable(QString::number(first)));
    } else {
        QVERIFY2(first >= 19.5 && first < 24, qPrintable(QString::number(first)));
        QVERIFY2(last < 90, qPrintable(QString::number(last)));
    }
}

void TestPrintRender::bandsOnPages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("continuous");
    QTest::addColumn<QString>("pages");
    // H header, T title (once), d line, C close band (once, after the last
    // line), P footer. 90 mm printable: 20 header + 15 footer leave 55 mm.
    QTest::newRow("no lines") << 0 << false << "HTCP";
    QTest::newRow("one page") << 3 << false << "HTdddCP";
    QTest::newRow("close band moves on") << 5 << false << "HTdddddP|HCP";
    QTest::newRow("three pages") << 12 << false << "HTdddddP|HdddddP|HddCP";
    // continuous: the header only first, the footer only after the last line
    QTest::newRow("continuous three pages") << 17 << true << "HTdddddd|ddddddddd|ddP";
    QTest::newRow("continuous footer moves on") << 15 << true << "HTdddddd|ddddddddd|P";
}

void TestPrintRender::bandsOnPages()
{
    QFETCH(int, rows);
    QFETCH(bool, continuous);
    QFETCH(QString, pages);
    const Report r = banded(rows, continuous);
    QCOMPARE(layout(ReportRenderer::paginate(r)), pages);
    QCOMPARE(PrintOutput::renderImages(r, 20).size(), pages.count(u'|') + 1);
}

void TestPrintRender::rollIsAsLongAsItsContent()
{
    Report r = banded(40, true);
    r.page.width = 80;
    r.page.fitToContent = true;
    // margins 10 + header 20 + title 5 + 40 lines + footer 15
    QCOMPARE(ReportRenderer::pageHeight(r), 450.0);
    QCOMPARE(ReportRenderer::paginate(r).size(), 1);
    const QList<QImage> pages = PrintOutput::renderImages(r, 50);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].width(), qRound(80 * 50 / 25.4));
    QCOMPARE(pages[0].height(), qRound(450 * 50 / 25.4));
}

void TestPrintRender::pdfOfAnEmptyReportHasOnePage()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("empty.pdf");
    QString error;
    QVERIFY2(PrintOutput::writePdf(banded(0, false), file, &error), qPrintable(error));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
    QVERIFY(!PrintOutput::writePdf(banded(0, false), dir.filePath("no/such/folder/x.pdf"), &error));
    QVERIFY2(error.contains("Cannot write the file"), qPrintable(error));
}

void TestPrintRender::namedPrinterNeverFallsBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QString() << "No printer is set for this print; nothing was printed.";
    QTest::newRow("unknown")
        << "No Such Printer 42"
        << "The printer \"No Such Printer 42\" is not installed; nothing was printed.";
}

void TestPrintRender::namedPrinterNeverFallsBack()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(!PrintOutput::PrinterOf(name));
    const PrintOutput::Result r = PrintOutput::printOn(banded(2, false), name);
    QVERIFY(!r.printed);
    QCOMPARE(r.pages, 0);
    QCOMPARE(r.message, message);
}

QTEST_MAIN(TestPrintRender)
#include "tst_printrender.moc"
