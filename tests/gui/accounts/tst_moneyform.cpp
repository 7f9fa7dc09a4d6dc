// The currency window: the country presets, the test line, "OK" into the
// options and on into the year database, "Cancel", and the way in from the
// options window.

#include "../shell/StoreFixture.h"

#include "accounts/AmountInWords.h"
#include "accounts/CurrencyOptions.h"
#include "accounts/Money.h"
#include "accounts/TMoneyForm.h"
#include "data/TOptForm.h"
#include "shell/AppState.h"
#include "shell/Clock.h"
#include "shell/Options.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestMoneyForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void fieldsAndCaptions();
    void countryFillsThePreset_data();
    void countryFillsThePreset();
    void okStoresIntoTheOptionsAndTheNextSaveWritesThem();
    void cancelPutsTheStoredRecordBack();
    void testLineFollowsTheFields();
    void optionsWindowOpensIt();
    void shownAtStartWhileNoArabicNameIsStored_data();
    void shownAtStartWhileNoArabicNameIsStored();

private:
    template<class T>
    static T *field(QWidget &form, const char *name)
    {
        T *w = form.findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qWarning("no %s", name);
        return w;
    }
    static void choose(TMoneyForm &form, const QString &country);
};

void TestMoneyForm::init()
{
    Clock::setNow(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    appState().resetForTests();
    appState().refreshToday();
    appState().CurYear = 2026;
    options().resetToDefaults();
}

void TestMoneyForm::choose(TMoneyForm &form, const QString &country)
{
    auto *combo = field<QComboBox>(form, "CountryRB");
    QVERIFY(combo);
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < combo->count() && combo->currentText() != country; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), country);
}

void TestMoneyForm::fieldsAndCaptions()
{
    TMoneyForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Mony Type مواصفات العملة"));
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    auto *combo = field<QComboBox>(form, "CountryRB");
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("Chose"));
    QCOMPARE(combo->itemText(1), QStringLiteral("SYR"));
    QCOMPARE(combo->itemText(2), QStringLiteral("UAE "));
    QCOMPARE(combo->currentIndex(), 0);
    for (const char *name : {"AMoneyNameEd", "EMoneyNameEd", "APartNameEd", "EPartNameEd", "Money2NameEd",
                             "Part2NameEd", "Money3NameEd", "part3NameEd"}) {
        auto *e = field<QLineEdit>(form, name);
        QVERIFY2(e, name);
        QCOMPARE(e->maxLength(), Currency::kMaxNameLength);
    }
    QCOMPARE(field<QRadioButton>(form, "PartsRB100")->text(), QStringLiteral("100"));
    QCOMPARE(field<QRadioButton>(form, "PartsRB1000")->text(), QStringLiteral("1000"));
    QCOMPARE(field<QCheckBox>(form, "MoneyMaleChk")->text(), QStringLiteral("العملة مذكر"));
    QCOMPARE(field<QCheckBox>(form, "PartMaleChk")->text(), QStringLiteral("أجزاء العملة مذكر"));
    // an empty record: 100 parts, both masculine
    QVERIFY(field<QRadioButton>(form, "PartsRB100")->isChecked());
    QVERIFY(field<QCheckBox>(form, "MoneyMaleChk")->isChecked());
}

void TestMoneyForm::countryFillsThePreset_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("nameA");
    QTest::addColumn<QString>("nameE");
    QTest::addColumn<bool>("male");
    QTest::newRow("SYR") << "SYR" << "ليرة" << "S.POUND" << false;
    QTest::newRow("UAE") << "UAE " << "درهم" << "Dhs" << true;
}

void TestMoneyForm::countryFillsThePreset()
{
    QFETCH(QString, country);
    QFETCH(QString, nameA);
    QFETCH(QString, nameE);
    QFETCH(bool, male);
    Currency thousand;
    thousand.NameA = QStringLiteral("دينار");
    thousand.Parts = 3;
    thousand.PartsIsMale = false;
    CurrencyOptions::save(thousand);
    TMoneyForm form;
    choose(form, country);
    QCOMPARE(field<QLineEdit>(form, "AMoneyNameEd")->text(), nameA);
    QCOMPARE(field<QLineEdit>(form, "EMoneyNameEd")->text(), nameE);
    QCOMPARE(field<QCheckBox>(form, "MoneyMaleChk")->isChecked(), male);
    QVERIFY(field<QCheckBox>(form, "PartMaleChk")->isChecked());
    QVERIFY(field<QRadioButton>(form, "PartsRB100")->isChecked());
    QCOMPARE(form.currency(), *Currency::preset(country));
    // choosing "Chose" changes nothing
    choose(form, QStringLiteral("Chose"));
    QCOMPARE(form.currency(), *Currency::preset(country));
    // nothing is stored before OK
    QCOMPARE(CurrencyOptions::load(), thousand);
}

void TestMoneyForm::okStoresIntoTheOptionsAndTheNextSaveWritesThem()
{
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    CurrencyOptions::save(Currency::presetUAE());
    TMoneyForm form;
    form.show();
    choose(form, QStringLiteral("SYR"));
    field<QLineEdit>(form, "EMoneyNameEd")->setText(QStringLiteral("S.POUND"));
    field<QRadioButton>(form, "PartsRB1000")->setChecked(true);
    QTest::mouseClick(field<QPushButton>(form, "BitBtn1"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));

    Currency expected = Currency::presetSYR();
    expected.Parts = 3;
    QCOMPARE(CurrencyOptions::load(), expected);
    QCOMPARE(options().text(QStringLiteral("money.IsMale")), QStringLiteral("False"));
    QCOMPARE(Money::decimals(), 3);

    QVERIFY(options().SaveOptions(year.data()).ok);
    options().resetToDefaults();
    QVERIFY(options().LoadOptions(year.data()).ok);
    QCOMPARE(CurrencyOptions::load(), expected);
}

void TestMoneyForm::cancelPutsTheStoredRecordBack()
{
    CurrencyOptions::save(Currency::presetUAE());
    TMoneyForm form;
    form.show();
    choose(form, QStringLiteral("SYR"));
    field<QLineEdit>(form, "Money3NameEd")->setText(QStringLiteral("xyz"));
    QTest::mouseClick(field<QPushButton>(form, "BitBtn2"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(CurrencyOptions::load(), Currency::presetUAE());
    QCOMPARE(form.currency(), Currency::presetUAE());
    QCOMPARE(field<QComboBox>(form, "CountryRB")->currentIndex(), 0);
}

void TestMoneyForm::testLineFollowsTheFields()
{
    CurrencyOptions::save(Currency::presetUAE());
    TMoneyForm form;
    auto *english = field<QLabel>(form, "SampleEnglishLbl");
    auto *arabic = field<QLabel>(form, "SampleArabicLbl");
    auto *amount = field<QLineEdit>(form, "SampleAmountEd");
    QVERIFY(english && arabic && amount);
    QCOMPARE(english->text(), QStringLiteral("Only One Thousand, Two Hundred and Thirty Four Dhs And Fifty Fils"));
    QCOMPARE(arabic->text(), QStringLiteral("فقط ألف و مائتان و أربعة وثلاثون درهماً و خمسون فلساً"));

    choose(form, QStringLiteral("SYR"));
    const AmountWords syr = AmountInWords(amount->text(), Currency::presetSYR());
    QCOMPARE(english->text(), syr.English);
    QCOMPARE(arabic->text(), syr.Arabic);
    QVERIFY(english->text().contains(QStringLiteral("S.POUND")));

    amount->setText(QStringLiteral("1"));
    QCOMPARE(english->text(), QStringLiteral("Only One S.POUND"));
    QCOMPARE(arabic->text(), QStringLiteral("فقط ليرة واحدة لا غير"));
    // the gender flag is followed at once
    QTest::mouseClick(field<QCheckBox>(form, "MoneyMaleChk"), Qt::LeftButton);
    QCOMPARE(arabic->text(), QStringLiteral("فقط ليرة واحد لا غير"));
    // three decimals keep the third digit of the fraction
    amount->setText(QStringLiteral("0.129"));
    QCOMPARE(english->text(), QStringLiteral("Only Twelve QRSH"));
    field<QRadioButton>(form, "PartsRB1000")->setChecked(true);
    QCOMPARE(english->text(), QStringLiteral("Only One Hundred and Twenty Nine QRSH"));
}

void TestMoneyForm::optionsWindowOpensIt()
{
    CurrencyOptions::save(Currency::presetSYR());
    TOptForm opt;
    opt.show();
    auto *button = field<QPushButton>(opt, "MoneyBtn");
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    button->click();
    auto *form = opt.findChild<TMoneyForm *>();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QVERIFY(!form->isModal());
    QCOMPARE(form->currency(), Currency::presetSYR());
    QCOMPARE(field<QComboBox>(*form, "CountryRB")->currentIndex(), 0);
    QPointer<TMoneyForm> guard(form);
    QTest::mouseClick(field<QPushButton>(*form, "BitBtn2"), Qt::LeftButton);
    QTRY_VERIFY(guard.isNull()); // closed and gone
}

void TestMoneyForm::shownAtStartWhileNoArabicNameIsStored_data()
{
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<bool>("unattended");
    QTest::addColumn<bool>("shown");
    QTest::newRow("no name") << "" << false << true;
    QTest::newRow("a name") << "ليرة" << false << false;
    QTest::newRow("no name, unattended") << "" << true << false;
}

void TestMoneyForm::shownAtStartWhileNoArabicNameIsStored()
{
    QFETCH(QString, storedName);
    QFETCH(bool, unattended);
    QFETCH(bool, shown);
    StoreFixture f;
    QVERIFY(f.createYear());
    if (!storedName.isEmpty())
        QVERIFY(f.exec(QStringLiteral(R"(INSERT INTO "options"("OName","OValue") VALUES(?,?))"),
                       {QStringLiteral("MONEY.NAMEA"), storedName}));
    const QByteArray before = qgetenv("QARVEL_MSGBOX_AUTOANSWER");
    if (!unattended)
        qunsetenv("QARVEL_MSGBOX_AUTOANSWER");
    const bool started = f.start();
    qputenv("QARVEL_MSGBOX_AUTOANSWER", before.isEmpty() ? QByteArray("1") : before);
    QVERIFY(started);
    TMoneyForm *form = f.window().findChild<TMoneyForm *>();
    QCOMPARE(form != nullptr && form->isVisible(), shown);
    if (shown) {
        QCOMPARE(form->currency(), Currency::presetUAE());
        // filled in, not stored until OK
        QVERIFY(CurrencyOptions::load().needsSetup());
        QTest::mouseClick(field<QPushButton>(*form, "BitBtn1"), Qt::LeftButton);
        QCOMPARE(CurrencyOptions::load(), Currency::presetUAE());
    }
}

QTEST_MAIN(TestMoneyForm)
#include "tst_moneyform.moc"
