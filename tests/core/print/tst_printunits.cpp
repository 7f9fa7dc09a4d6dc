// Design millimetres, report units and the margins as printing reads them.

#include "PrintDesign.h"
#include "PrintUnits.h"

#include <QtTest>

class TestPrintUnits : public QObject
{
    Q_OBJECT
private slots:
    void wholeMillimetresToUnits_data();
    void wholeMillimetresToUnits();
    void roundTrips();
    void margins_data();
    void margins();
};

void TestPrintUnits::wholeMillimetresToUnits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("units");
    QTest::newRow("10 mm") << "10" << 34;
    QTest::newRow("1 mm") << "1" << 3;
    QTest::newRow("15 mm") << "15" << 51;
    QTest::newRow("-50 mm") << "-50" << -170;
    QTest::newRow("-1 mm") << "-1" << -3;
    QTest::newRow("2 mm rounds up") << "2" << 7; // 6.8
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("blanks around") << " 60 " << 204;
    QTest::newRow("decimal is no whole number") << "1.5" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestPrintUnits::wholeMillimetresToUnits()
{
    QFETCH(QString, text);
    QFETCH(int, units);
    QCOMPARE(PrintUnits::designTextToUnits(text), units);
    QCOMPARE(PrintUnits::designTextToMm(text), units / 3.4);
}

void TestPrintUnits::roundTrips()
{
    for (int mm = -200; mm <= 600; ++mm) {
        const int u = PrintUnits::wholeMmToUnits(mm);
        // never more than half a unit away from the exact length
        QVERIFY2(std::abs(PrintUnits::unitsToMm(u) - mm) <= 0.5 / 3.4 + 1e-9,
                 qPrintable(QString::number(mm)));
        // units -> mm -> units is exact
        QCOMPARE(qRound(PrintUnits::mmToUnits(PrintUnits::unitsToMm(u))), u);
    }
    QCOMPARE(PrintUnits::mmToDevice(25.4, 600), 600.0);
}

void TestPrintUnits::margins_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("left");
    QTest::addColumn<double>("topMm");
    QTest::addColumn<QString>("topTextAfter");
    QTest::addColumn<double>("leftMm");
    QTest::newRow("decimals") << "5.00"
                              << "2.5" << 5.0 << "5.00" << 2.5;
    QTest::newRow("above 100") << "120.5"
                               << "0" << 100.0 << "100" << 0.0;
    QTest::newRow("unreadable") << "five"
                                << "1,5" << 0.0 << "five" << 0.0;
    QTest::newRow("empty") << ""
                           << "" << 0.0 << "" << 0.0;
}

void TestPrintUnits::margins()
{
    QFETCH(QString, top);
    QFETCH(QString, left);
    QFETCH(double, topMm);
    QFETCH(QString, topTextAfter);
    QFETCH(double, leftMm);
    PrintDesign d = PrintDesign::initial();
    d.setText("TMarginEd.text", top);
    d.setText("LMarginEd.text", left);
    QCOMPARE(d.topMargin(), topMm);
    QCOMPARE(d.text("TMarginEd.text"), topTextAfter);
    QCOMPARE(d.leftMargin(), leftMm);
}

QTEST_MAIN(TestPrintUnits)
#include "tst_printunits.moc"
