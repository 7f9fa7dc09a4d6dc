// Numbers typed by the user: the program's notation, the workstation's,
// and Arabic-Indic digits.

#include "shell/TypedNumber.h"

#include <QLocale>
#include <QtTest>

class TestTypedNumber : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
};

void TestTypedNumber::read_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("point") << "en_US"
                           << " 2.5 " << true << 2.5;
    QTest::newRow("thousands") << "en_US"
                               << "1,234.5" << true << 1234.5;
    QTest::newRow("point in German") << "de_DE"
                                     << "2.5" << true << 2.5;
    QTest::newRow("comma in German") << "de_DE"
                                     << "2,5" << true << 2.5;
    QTest::newRow("comma, English workstation") << "en_US"
                                                << "2,5" << false << 0.0;
    QTest::newRow("Arabic digits") << "ar_EG" << QString::fromUtf8("٢٫٥") << true << 2.5;
    QTest::newRow("Arabic thousands") << "ar_EG" << QString::fromUtf8("١٬٢٣٤") << true << 1234.0;
    QTest::newRow("Eastern Arabic digits") << "fa_IR" << QString::fromUtf8("۱۲") << true << 12.0;
    QTest::newRow("negative") << "en_US"
                              << "-3" << true << -3.0;
    QTest::newRow("empty") << "en_US"
                           << "" << false << 0.0;
    QTest::newRow("text") << "en_US"
                          << "five" << false << 0.0;
    QTest::newRow("infinity") << "en_US"
                              << "inf" << false << 0.0;
}

void TestTypedNumber::read()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(locale));
    double got = -99;
    const bool ok = TypedNumber::read(text, &got);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(ok, isNumber);
    if (isNumber)
        QCOMPARE(got, value);
    else
        QCOMPARE(got, -99.0); // untouched
}

QTEST_GUILESS_MAIN(TestTypedNumber)
#include "tst_typednumber.moc"
