// The customer display: the fixed-width texts, the number of lines, the
// choice of the memo and of no display at all, and the serial bytes.

#include "pos/CustomerDisplay.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QtTest>

namespace {
class RecordingSink : public DisplaySink
{
public:
    void show(const QStringList &lines) override { shown << lines; }
    QList<QStringList> shown;
};

CustomerDisplay::Config config(int lines, int chars, const QString &printer = QStringLiteral("Pole"))
{
    CustomerDisplay::Config c;
    c.lines = lines;
    c.chars = chars;
    c.printer = printer;
    return c;
}
} // namespace

class TestCustomerDisplay : public QObject
{
    Q_OBJECT
private slots:
    void itemLine_data();
    void itemLine();
    void totalLine_data();
    void totalLine();
    void linesFollowTheConfiguredNumber_data();
    void linesFollowTheConfiguredNumber();
    void nothingIsShownWithoutADisplay();
    void memoShowsTheLinesWhenNamed_data();
    void memoShowsTheLinesWhenNamed();
    void serialBytes();
    void aDisplayPrinterThatIsNotInstalledPrintsNothing();
};

void TestCustomerDisplay::itemLine_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("line");
    QTest::newRow("short description padded") << "Tomatoes" << 1.0 << 22.0 << 2 << 20 << "Tomatoes    1x 22.00";
    QTest::newRow("long description cut") << "Orange juice fresh 1l" << 2.0 << 1.5 << 2 << 20
                                          << "Orange juice 2x 1.50";
    QTest::newRow("weight keeps its decimals") << "Cheese" << 1.25 << 40.0 << 2 << 20 << "Cheese   1.25x 40.00";
    QTest::newRow("half kilo, three decimals") << "Cheese" << 0.5 << 40.0 << 3 << 20 << "Cheese  0.50x 40.000";
    QTest::newRow("wider display") << "Milk" << 3.0 << 3.25 << 2 << 24 << "Milk" + QString(13, u' ') + "3x 3.25";
}

void TestCustomerDisplay::itemLine()
{
    QFETCH(QString, description);
    QFETCH(double, quantity);
    QFETCH(double, rate);
    QFETCH(int, decimals);
    QFETCH(int, width);
    QFETCH(QString, line);
    const QString got = CustomerDisplay::itemLine(description, quantity, rate, decimals, width);
    QCOMPARE(got, line);
    QCOMPARE(got.size(), width);
}

void TestCustomerDisplay::totalLine_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("line");
    QTest::newRow("amount pushed right") << "122.50" << 20 << "Total:" + QString(8, u' ') + "122.50";
    QTest::newRow("one blank more") << "1234567890123" << 21 << "Total:  1234567890123";
    QTest::newRow("too long") << "12345678901234" << 20 << "Total: !!!!";
    QTest::newRow("exactly the width") << "1234567890123" << 20 << "Total: !!!!";
}

void TestCustomerDisplay::totalLine()
{
    QFETCH(QString, total);
    QFETCH(int, width);
    QFETCH(QString, line);
    QCOMPARE(CustomerDisplay::totalLine(total, width), line);
}

void TestCustomerDisplay::linesFollowTheConfiguredNumber_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QStringList>("shown");
    const QString item = "Milk" + QString(9, u' ') + "1x 3.25";
    const QString total = "Total:" + QString(10, u' ') + "3.25";
    QTest::newRow("one line drops the total") << 1 << QStringList{item};
    QTest::newRow("two lines") << 2 << QStringList{item, total};
    QTest::newRow("four lines") << 4 << QStringList{item, total, QString(20, u' '), QString(20, u' ')};
}

void TestCustomerDisplay::linesFollowTheConfiguredNumber()
{
    QFETCH(int, lines);
    QFETCH(QStringList, shown);
    CustomerDisplay display;
    RecordingSink sink;
    display.configure(config(lines, 20));
    display.setSinkOverride(&sink);
    display.DisplayText(QStringLiteral("Milk"), 1, 3.25, QStringLiteral("3.25"), 2);
    QCOMPARE(sink.shown.size(), 1);
    QCOMPARE(sink.shown.first(), shown);
    QCOMPARE(display.lastLines(), shown);

    display.SendLineToDisplay(QStringLiteral("Welcome"));
    QCOMPARE(sink.shown.last().first(), QStringLiteral("Welcome").leftJustified(20, u' '));
    QCOMPARE(sink.shown.last().size(), lines);
}

void TestCustomerDisplay::nothingIsShownWithoutADisplay()
{
    CustomerDisplay display;
    QSignalSpy shown(&display, &CustomerDisplay::shown);
    display.configure(config(2, 20, QString()));
    display.SendLineToDisplay(QStringLiteral("Welcome"));
    display.DisplayText(QStringLiteral("Milk"), 1, 3.25, QStringLiteral("3.25"), 2);
    QCOMPARE(shown.count(), 0);
    QVERIFY(display.lastLines().isEmpty());
}

void TestCustomerDisplay::memoShowsTheLinesWhenNamed_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<bool>("memo");
    QTest::newRow("DisplayMemo") << "DisplayMemo" << true;
    QTest::newRow("any letter case") << "DISPLAYMEMO" << true;
    QTest::newRow("lower case") << "displaymemo" << true;
    QTest::newRow("a printer") << "Pole Display" << false;
    QTest::newRow("none") << "" << false;
}

void TestCustomerDisplay::memoShowsTheLinesWhenNamed()
{
    QFETCH(QString, printer);
    QFETCH(bool, memo);
    QWidget page;
    auto *edit = new QPlainTextEdit(&page);
    page.show();
    CustomerDisplay display;
    display.setMemo(edit);
    display.configure(config(2, 20, printer));
    QCOMPARE(edit->isVisible(), memo);
    if (!memo)
        return;
    display.SendLineToDisplay(QStringLiteral("Next Customer"));
    QCOMPARE(edit->toPlainText(), QStringLiteral("Next Customer       \n") + QString(20, u' '));
    // Leaving the memo hides it again.
    display.configure(config(2, 20, QStringLiteral("Pole")));
    QVERIFY(!edit->isVisible());
}

void TestCustomerDisplay::serialBytes()
{
    const QByteArray bytes = SerialDisplaySink::encode({QStringLiteral("Welcome   "), QStringLiteral("Total: 1.00")});
    QCOMPARE(bytes, QByteArray("\x0CWelcome   \r\nTotal: 1.00"));
    // Arabic descriptions reach the display in its code page.
    const QByteArray arabic = SerialDisplaySink::encode({QStringLiteral("حليب")});
    QCOMPARE(arabic.size(), 5);
    QCOMPARE(uchar(arabic.at(1)), uchar(0xCD)); // ha
}

QTEST_MAIN(TestCustomerDisplay)
void TestCustomerDisplay::aDisplayPrinterThatIsNotInstalledPrintsNothing()
{
    // The default printer of the workstation (the invoice printer) must
    // never receive the display text in place of a missing pole display.
    QVERIFY(!PrinterDisplaySink::isInstalled(QStringLiteral("No Such Pole Display")));
    QVERIFY(!PrinterDisplaySink::isInstalled(QString()));
    PrinterDisplaySink sink(QStringLiteral("No Such Pole Display"));
    sink.show({QStringLiteral("Welcome")}); // must neither print nor fail
}

#include "tst_customerdisplay.moc"
