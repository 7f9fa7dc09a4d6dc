// Barcode labels: the encoded data with its weight, the label height, the
// lower text of an item and the settings file of the data folder.

#include "items/Labels.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLabels : public QObject
{
    Q_OBJECT
private slots:
    void encodedData_data();
    void encodedData();
    void barHeightFollowsTheRows_data();
    void barHeightFollowsTheRows();
    void lowerText_data();
    void lowerText();
    void firstOpenWritesTheFileInItsLineOrder();
    void settingsReadBack();
    void missingLastLineMeansNoWhite();
    void unreadableFileKeepsTheSettings();
};

void TestLabels::encodedData_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("weightOn");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("fixed");
    QTest::newRow("13 digits, 2.5") << "6281000000014" << true << "2.5"
                                    << "628100000001402500" << true << "";
    QTest::newRow("weight 1") << "12" << true << "1"
                              << "1201000" << true << "";
    QTest::newRow("12.345") << "12" << true << "12.345"
                            << "1212345" << true << "";
    QTest::newRow("comma") << "12" << true << "2,5"
                           << "1202500" << true << "";
    QTest::newRow("off") << "6281000000014" << false << "2.5"
                         << "6281000000014" << true << "";
    QTest::newRow("100 is too much") << "12" << true << "150"
                                     << "1215000" << false << "15.000";
    QTest::newRow("not a number") << "12" << true << "xy"
                                  << "1200000" << false << "0.000";
    QTest::newRow("negative") << "12" << true << "-3"
                              << "1200000" << false << "0.000";
}

void TestLabels::encodedData()
{
    QFETCH(QString, code);
    QFETCH(bool, weightOn);
    QFETCH(QString, weight);
    QFETCH(QString, data);
    QFETCH(bool, ok);
    QFETCH(QString, fixed);
    const Labels::Encoded e = Labels::encodedData(code, weightOn, weight);
    QCOMPARE(e.data, data);
    QCOMPARE(e.weightOk, ok);
    QCOMPARE(e.fixedWeight, fixed);
    QCOMPARE(e.message.isEmpty(), ok);
    if (!ok)
        QCOMPARE(e.message, QStringLiteral("Weight: 12.345 less than 100"));
}

void TestLabels::barHeightFollowsTheRows_data()
{
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("height");
    QTest::newRow("one row") << 10.0 << 10.0 << 1 << 464;
    QTest::newRow("ten rows") << 10.0 << 10.0 << 10 << 46;
    QTest::newRow("twenty rows") << 10.0 << 10.0 << 20 << 23;
    QTest::newRow("other margins") << 5.0 << 20.0 << 4 << 113; // 272*464 div 1108
}

void TestLabels::barHeightFollowsTheRows()
{
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(int, rows);
    QFETCH(int, height);
    QCOMPARE(Labels::barHeight(top, bottom, rows), height);
    // The rows of labels fit the printable height of the A4 page.
    QVERIFY(rows * height * Labels::PixelMm <= 297 - top - bottom + 1e-9);
}

void TestLabels::lowerText_data()
{
    QTest::addColumn<bool>("rate");
    QTest::addColumn<bool>("desc");
    QTest::addColumn<QString>("text");
    QTest::newRow("neither") << false << false << "Sugar 1kg";
    QTest::newRow("price") << true << false << "12.50";
    QTest::newRow("description") << false << true << "   Sugar 1kg";
    QTest::newRow("both") << true << true << "12.50   Sugar 1kg";
}

void TestLabels::lowerText()
{
    QFETCH(bool, rate);
    QFETCH(bool, desc);
    QFETCH(QString, text);
    QCOMPARE(Labels::lowerText(QStringLiteral("Sugar 1kg"), QStringLiteral("12.50"), rate, desc),
             text);
}

namespace {
QStringList fileLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

void TestLabels::firstOpenWritesTheFileInItsLineOrder()
{
    QTemporaryDir dir;
    const QString path = Labels::Settings::fileName(dir.path());
    QVERIFY(path.endsWith(QStringLiteral("/options.txt")));
    QVERIFY(!QFile::exists(path));
    Labels::Settings s;
    s.upperText = QStringLiteral("متجر");
    QString error;
    QVERIFY2(s.open(path, &error), qPrintable(error));
    QVERIFY(QFile::exists(path));
    // top, right, bottom, left, column space, upper text, columns, rows,
    // symbology, colour, zoom, ratio, language, stretch, upper on, page
    // width, page height, white on right.
    const QStringList expected = {"10", "10", "10", "10", "2", "متجر", "1",   "1",   "9",
                                  "0",  "1",  "1",  "1",  "0", "1",    "210", "297", "0"};
    QCOMPARE(fileLines(path), expected);
}

void TestLabels::settingsReadBack()
{
    QTemporaryDir dir;
    const QString path = Labels::Settings::fileName(dir.path());
    Labels::Settings s;
    s.topMargin = 12.5;
    s.rightMargin = 3;
    s.bottomMargin = 7;
    s.leftMargin = 4;
    s.columnSpace = -1.5;
    s.upperText = QStringLiteral("Shop");
    s.columns = 4;
    s.rows = 10;
    s.symbology = 14;
    s.barColor = 0xFF0000; // blue
    s.zoom = 3;
    s.ratio = 2;
    s.language = 0;
    s.stretch = true;
    s.upperOn = false;
    s.pageWidth = 200;
    s.pageHeight = 280;
    s.whiteOnRight = 6;
    QVERIFY(s.save(path));
    const QStringList expected = {"12.5",     "3", "7", "4", "-1.5", "Shop", "4",   "10",  "14",
                                  "16711680", "3", "2", "0", "1",    "0",    "200", "280", "6"};
    QCOMPARE(fileLines(path), expected);
    Labels::Settings r;
    QVERIFY(r.open(path));
    QCOMPARE(r.lines(), s.lines());
}

void TestLabels::missingLastLineMeansNoWhite()
{
    QTemporaryDir dir;
    const QString path = Labels::Settings::fileName(dir.path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("5\r\n6\r\n7\r\n8\r\n3\r\nUp\r\n2\r\n5\r\n3\r\n255\r\n2\r\n3\r\n0\r\n0\r\n1\r\n210\r\n2"
            "97\r\n");
    f.close();
    Labels::Settings s;
    s.whiteOnRight = 9;
    QVERIFY(s.open(path));
    QCOMPARE(s.topMargin, 5.0);
    QCOMPARE(s.rightMargin, 6.0);
    QCOMPARE(s.bottomMargin, 7.0);
    QCOMPARE(s.leftMargin, 8.0);
    QCOMPARE(s.columns, 2);
    QCOMPARE(s.rows, 5);
    QCOMPARE(s.symbology, 3);
    QCOMPARE(s.barColor, 255u);
    QCOMPARE(s.whiteOnRight, 0.0);
}

void TestLabels::unreadableFileKeepsTheSettings()
{
    QTemporaryDir dir;
    const QString path = Labels::Settings::fileName(dir.path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("ten\r\n");
    f.close();
    Labels::Settings s;
    s.rows = 7;
    QString error;
    QVERIFY(!s.open(path, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(s.rows, 7);
    // The damaged file is left as it was.
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("ten\r\n"));
}

QTEST_GUILESS_MAIN(TestLabels)
#include "tst_labels.moc"
