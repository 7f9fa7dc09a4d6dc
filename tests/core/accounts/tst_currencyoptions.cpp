// The currency record among the options of the year database, and the money
// decimals that follow from it.

#include "TestDb.h"

#include "accounts/AmountInWords.h"
#include "accounts/CurrencyOptions.h"
#include "accounts/Money.h"
#include "data/OptionsStore.h"
#include "shell/AppState.h"
#include "shell/Clock.h"
#include "shell/Options.h"

#include <QtTest>

Q_DECLARE_METATYPE(Currency)

class TestCurrencyOptions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void init();
    void recordTravelsThroughTheOptionsTable_data();
    void recordTravelsThroughTheOptionsTable();
    void rowsUnderTheirKeys();
    void longNamesAreCutWhenStored();
    void missingRecordKeepsTheDefaults();
    void decimalsFollowParts_data();
    void decimalsFollowParts();
};

void TestCurrencyOptions::init()
{
    Clock::setNow(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    appState().resetForTests();
    appState().refreshToday();
    appState().CurYear = 2026;
    options().resetToDefaults();
}

void TestCurrencyOptions::recordTravelsThroughTheOptionsTable_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::newRow("UAE") << Currency::presetUAE();
    QTest::newRow("SYR") << Currency::presetSYR();
    Currency thousand = Currency::presetUAE();
    thousand.NameE = QStringLiteral("KD");
    thousand.Parts = 3;
    thousand.IsMale = false;
    thousand.PartsIsMale = false;
    QTest::newRow("1000 parts, both feminine") << thousand;
    Currency quoted;
    quoted.NameA = QStringLiteral("ريال");
    quoted.NameE = QStringLiteral("o'riyal");
    quoted.PartNameE = QStringLiteral("ha\"la");
    QTest::newRow("quotes, empty names") << quoted;
}

void TestCurrencyOptions::recordTravelsThroughTheOptionsTable()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(Currency, currency);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));

    CurrencyOptions::save(currency);
    QCOMPARE(CurrencyOptions::load(), currency);
    const Options::Result saved = options().SaveOptions(year.data());
    QVERIFY2(saved.ok, qPrintable(saved.message));

    // a second start of the program on the same database
    QVERIFY2(year.reopen(), qPrintable(year.error()));
    options().resetToDefaults();
    QCOMPARE(CurrencyOptions::load(), Currency());
    QVERIFY(options().LoadOptions(year.data()).ok);
    QCOMPARE(CurrencyOptions::load(), currency);
    QCOMPARE(Money::decimals(), currency.decimals());
}

void TestCurrencyOptions::rowsUnderTheirKeys()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    CurrencyOptions::save(Currency::presetSYR());
    QVERIFY(options().SaveOptions(year.data()).ok);

    OptionsStore store(year.data());
    QCOMPARE(store.load(QStringLiteral("money.NameA")), QStringLiteral("ليرة"));
    QCOMPARE(store.load(QStringLiteral("money.TowName")), QStringLiteral("ليرتان"));
    QCOMPARE(store.load(QStringLiteral("money.ManyPartName")), QStringLiteral("قروش"));
    QCOMPARE(store.load(QStringLiteral("money.Parts")), QStringLiteral("2"));
    QCOMPARE(store.load(QStringLiteral("money.IsMale")), QStringLiteral("False"));
    QCOMPARE(store.load(QStringLiteral("money.PartsIsMale")), QStringLiteral("True"));

    // rows written by hand, keys in another spelling, flags in any case
    QVERIFY(store.save(QStringLiteral("MONEY.NAMEE"), QStringLiteral("SP")));
    QVERIFY(store.save(QStringLiteral("money.ismale"), QStringLiteral("true")));
    QVERIFY(store.save(QStringLiteral("money.Parts"), QStringLiteral("3")));
    options().resetToDefaults();
    QVERIFY(options().LoadOptions(year.data()).ok);
    const Currency c = CurrencyOptions::load();
    QCOMPARE(c.NameE, QStringLiteral("SP"));
    QVERIFY(c.IsMale);
    QCOMPARE(c.Parts, 3);
    QCOMPARE(c.NameA, QStringLiteral("ليرة"));
}

void TestCurrencyOptions::longNamesAreCutWhenStored()
{
    Currency c = Currency::presetUAE();
    c.NameE = QStringLiteral("Emirati Dirham");
    c.ManyName = QStringLiteral("دراهم إماراتية");
    CurrencyOptions::save(c);
    const Currency back = CurrencyOptions::load();
    QCOMPARE(back.NameE, QStringLiteral("Emirati D"));
    QCOMPARE(back.ManyName, QStringLiteral("دراهم إما"));
    QCOMPARE(back.NameA, c.NameA);
}

void TestCurrencyOptions::missingRecordKeepsTheDefaults()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    QVERIFY(options().LoadOptions(year.data()).ok);
    const Currency c = CurrencyOptions::load();
    QVERIFY(c.needsSetup());
    QCOMPARE(c.Parts, 2);
    QVERIFY(c.IsMale);
    QVERIFY(c.PartsIsMale);
    QCOMPARE(Money::decimals(), 2);
}

void TestCurrencyOptions::decimalsFollowParts_data()
{
    QTest::addColumn<QString>("parts");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("shown");
    QTest::newRow("2") << "2" << 2 << "1,234.57";
    QTest::newRow("3") << "3" << 3 << "1,234.567";
    QTest::newRow("any other number") << "5" << 3 << "1,234.567";
    QTest::newRow("not a number") << "x" << 2 << "1,234.57";
}

void TestCurrencyOptions::decimalsFollowParts()
{
    QFETCH(QString, parts);
    QFETCH(int, decimals);
    QFETCH(QString, shown);
    options().setText(QString::fromLatin1(CurrencyKeys::Parts), parts);
    QCOMPARE(Money::decimals(), decimals);
    QCOMPARE(CurrencyOptions::load().decimals(), decimals);
    QCOMPARE(Money::display(1234.5671, Money::decimals()), shown);
}

QTEST_GUILESS_MAIN(TestCurrencyOptions)
#include "tst_currencyoptions.moc"
