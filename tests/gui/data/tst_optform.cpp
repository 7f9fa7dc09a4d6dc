// The options window: its controls and their ranges, who may open it, the
// round trip through the options, "OK" and "Back", the FTP secrets, and the
// buttons that lead on.
//
// Most settings travel only with the main company's databases (prefix
// "DATA"), which parallel tests on a shared server would share: these tests
// run on the embedded engine.

#include "../shell/OptionRows.h"

#include "data/TDbOptionsForm.h"
#include "data/TOptForm.h"
#include "pos/CustomerDisplay.h"
#include "shell/GridLayoutStore.h"
#include "shell/PickDialogs.h"
#include "shell/Options.h"
#include "shell/StoreActions.h"
#include "shell/StoreTopBar.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimeEdit>

using namespace OptionRows;

class TestOptForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAndRanges();
    void onlyAdministratorsOpenIt();
    void okAppliesWithoutSavingAndTheOptionsComeBack();
    void backForgetsTheChanges();
    void aLongFtpPasswordRoundTrip();
    void customerDisplaySettings();
    void okShowsAndHidesTheBars();
    void firstSaleNumberOfAPastYearIsRefused();
    void changeDatabaseOpensTheSettings();
    void dataMaintenanceKeepsTheOptionsAndRestarts();

private:
    void startAsAdministrator(bool pastYearToo = false);
    TOptForm &form() { return *m_f->window().optForm(); }
    template<class T>
    T *field(const char *name)
    {
        T *widget = form().findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qWarning("no %s", name);
        return widget;
    }
    void openWindow();
    std::unique_ptr<StoreFixture> m_f;
};

void TestOptForm::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestOptForm::init()
{
    options().resetToDefaults();
    PickDialogs::clearQueues();
}

void TestOptForm::cleanup()
{
    m_f.reset();
    options().resetToDefaults();
    GridLayoutStore::setBoolTexts(QStringLiteral("Yes;        No"));
}

void TestOptForm::startAsAdministrator(bool pastYearToo)
{
    m_f = std::make_unique<StoreFixture>();
    if (pastYearToo)
        QVERIFY(m_f->createYear(2025));
    QVERIFY(m_f->createYear());
    QVERIFY(addAdministrator(*m_f));
    QVERIFY(m_f->start());
    logIn(m_f->window());
    MsgBox::clearShown();
}

void TestOptForm::openWindow()
{
    m_f->window().actions()["OptAction"]->trigger();
    QVERIFY(form().isVisible());
}

void TestOptForm::controlsAndRanges()
{
    startAsAdministrator();
    openWindow();
    QCOMPARE(form().windowTitle(), QStringLiteral("Program Options"));

    const QList<std::pair<const char *, const char *>> checks{
        {"ZakahChk", "Show Zakah"},
        {"BTUsChk", "Show Back To Us"},
        {"BFUsChk", "Show Back From Us"},
        {"IndChk", "Show Industr."},
        {"EngCodeChk", "Item Codes in English language"},
        {"EngSaleChk", "English Sales Name"},
        {"AutoSaveChk", "Auto save"},
        {"AutoSaveExitChk", "Auto save on exit"},
        {"FoodMenuChk", "Show Menu for Cutomer"},
        {"CashInCaptionChk", "Show Cash In Caption"},
        {"TopBarChk", "Show Top Bar"},
        {"BottomBarChk", "Show Bottom Bar"},
        {"NewCalcChk", "New Calculater"},
    };
    for (const auto &[name, caption] : checks) {
        QCheckBox *box = field<QCheckBox>(name);
        QVERIFY2(box, name);
        QCOMPARE(box->text(), QString::fromUtf8(caption));
    }
    QCOMPARE(field<QCheckBox>("MoreDebitDetailChk")->text(),
             QStringLiteral("أضف عبارة عليه /له إلى مدين/دائن"));
    QVERIFY(field<QCheckBox>("previewChk"));
    // The defaults.
    QVERIFY(field<QCheckBox>("ZakahChk")->isChecked());
    QVERIFY(!field<QCheckBox>("EngSaleChk")->isChecked());
    QVERIFY(field<QCheckBox>("AutoSaveExitChk")->isChecked());
    QCOMPARE(field<QTimeEdit>("AutoSaveTimeEd")->time(), QTime(12, 52, 40));

    const QList<std::tuple<const char *, int, int, int>> spins{
        {"ConfPassSE", 1, 3, 3}, {"FrameWSE", 1, 5, 1}, {"RowHSE", 10, 40, 20}};
    for (const auto &[name, low, high, value] : spins) {
        QSpinBox *spin = field<QSpinBox>(name);
        QVERIFY2(spin, name);
        QCOMPARE(spin->minimum(), low);
        QCOMPARE(spin->maximum(), high);
        QCOMPARE(spin->value(), value);
    }

    // Only the first sale number may be edited, and only while logged in.
    QVERIFY(!field<QLineEdit>("FirstBillNo")->isReadOnly());
    QCOMPARE(field<QLineEdit>("FirstBillNo")->text(), QStringLiteral("1"));
    for (const char *name : {"FirstPriceListNo", "FirstToUsNo", "FirstFromUsNo", "FirstPayNo",
                             "FirstCreditNo", "FirstIndNo"})
        QVERIFY2(field<QLineEdit>(name)->isReadOnly(), name);
    form().setLoggedIn(false);
    QVERIFY(field<QLineEdit>("FirstBillNo")->isReadOnly());
    QVERIFY(field<QWidget>("AdvancedPanel")->isHidden());
    form().setLoggedIn(true);
    QVERIFY(!field<QWidget>("AdvancedPanel")->isHidden());

    QCOMPARE(field<QLineEdit>("ftpPEd")->echoMode(), QLineEdit::Password);
    for (const char *name : {"PrinterInvIDED", "PrinterDisplayNoED", "PrinterBarcodeNoED", "ftpEd",
                             "ftpUEd", "AutoSavePathEd"})
        QVERIFY2(field<QLineEdit>(name), name);

    // The windows of other work are not there yet.
    for (const char *name : {"AutoSaveBtn", "MkNewYear", "ChequeBtn"})
        QVERIFY2(!field<QPushButton>(name)->isEnabled(), name);
    QCOMPARE(field<QPushButton>("MkNewYear")->text(), QStringLiteral("Build Nwe Year"));
    for (const char *name : {"ChangeDbBtn", "MaintainBtn", "DesignBtn", "OkBtn", "BackBtn"})
        QVERIFY2(field<QPushButton>(name)->isEnabled(), name);
}

void TestOptForm::onlyAdministratorsOpenIt()
{
    startAsAdministrator();
    TStoreForm &w = m_f->window();
    QAction *opt = w.actions()["OptAction"];
    QVERIFY(opt->isVisible());
    w.PassOk(false, QStringLiteral("clerk"));
    QVERIFY(!opt->isVisible());
    opt->trigger();
    QVERIFY(!form().isVisible());
}

void TestOptForm::okAppliesWithoutSavingAndTheOptionsComeBack()
{
    startAsAdministrator();
    openWindow();
    field<QCheckBox>("ZakahChk")->setChecked(false);
    field<QCheckBox>("EngSaleChk")->setChecked(true);
    field<QSpinBox>("RowHSE")->setValue(31);
    field<QLineEdit>("FirstBillNo")->setText(QStringLiteral("1200"));
    field<QLineEdit>("PrinterInvIDED")->setText(QStringLiteral("Counter printer"));
    field<QTimeEdit>("AutoSaveTimeEd")->setTime(QTime(23, 5, 0));
    QTest::mouseClick(field<QPushButton>("OkBtn"), Qt::LeftButton);

    QVERIFY(!form().isVisible());
    QVERIFY(!options().isOn(OptKey::Zakah));
    QVERIFY(options().isOn(OptKey::EngSale));
    QCOMPARE(options().number(OptKey::RowH), 31);
    QCOMPARE(options().firstNumber(OptKey::FirstBillNo), 1200);
    QCOMPARE(options().text(OptKey::AutoSaveTime), QStringLiteral("23:05:00"));
    // "OK" does not save.
    QCOMPARE(get(*m_f, OptKey::Zakah), kMissing);

    QVERIFY(m_f->window().SaveOptions());
    QCOMPARE(get(*m_f, OptKey::Zakah), QStringLiteral("False"));
    options().resetToDefaults();
    QVERIFY(m_f->window().LoadOptions());
    openWindow();
    QVERIFY(!field<QCheckBox>("ZakahChk")->isChecked());
    QVERIFY(field<QCheckBox>("EngSaleChk")->isChecked());
    QCOMPARE(field<QSpinBox>("RowHSE")->value(), 31);
    QCOMPARE(field<QLineEdit>("FirstBillNo")->text(), QStringLiteral("1200"));
    QCOMPARE(field<QLineEdit>("PrinterInvIDED")->text(), QStringLiteral("Counter printer"));
    QCOMPARE(field<QTimeEdit>("AutoSaveTimeEd")->time(), QTime(23, 5, 0));
}

void TestOptForm::backForgetsTheChanges()
{
    startAsAdministrator();
    openWindow();
    field<QCheckBox>("ZakahChk")->setChecked(false);
    QTest::mouseClick(field<QPushButton>("BackBtn"), Qt::LeftButton);
    QVERIFY(!form().isVisible());
    QVERIFY(options().isOn(OptKey::Zakah));
    openWindow();
    QVERIFY(field<QCheckBox>("ZakahChk")->isChecked());
}

void TestOptForm::aLongFtpPasswordRoundTrip()
{
    startAsAdministrator();
    openWindow();
    const QString password = QStringLiteral("abcdefghij1234"); // 14 characters
    field<QLineEdit>("ftpPEd")->setText(password);
    field<QLineEdit>("ftpUEd")->setText(QStringLiteral("backup"));
    QTest::mouseClick(field<QPushButton>("OkBtn"), Qt::LeftButton);
    QVERIFY(m_f->window().SaveOptions());

    QCOMPARE(get(*m_f, "OptForm.ftpPEd.text").size(), 808);
    QCOMPARE(get(*m_f, "OptForm.ftpPEd.text0"), QStringLiteral("1234"));
    QCOMPARE(get(*m_f, "OptForm.ftpUEd.text0"), QString());

    options().resetToDefaults();
    QVERIFY(m_f->window().LoadOptions());
    openWindow();
    QCOMPARE(field<QLineEdit>("ftpPEd")->text(), password);
    QCOMPARE(field<QLineEdit>("ftpUEd")->text(), QStringLiteral("backup"));
}

void TestOptForm::customerDisplaySettings()
{
    startAsAdministrator();
    openWindow();
    QLineEdit *printer = field<QLineEdit>("PrinterDisplayNoED");
    // The name comes from the chooser, "Delete" or "Memo Display", never typed.
    QVERIFY(printer->isReadOnly());
    PickDialogs::queuePrinter(QStringLiteral("Pole 1"));
    QTest::mouseClick(field<QPushButton>("ChangeDisplayBtn"), Qt::LeftButton);
    QCOMPARE(printer->text(), QStringLiteral("Pole 1"));
    PickDialogs::queuePrinter(std::nullopt); // cancelled: the name stays
    QTest::mouseClick(field<QPushButton>("ChangeDisplayBtn"), Qt::LeftButton);
    QCOMPARE(printer->text(), QStringLiteral("Pole 1"));
    QTest::mouseClick(field<QPushButton>("DeleteDisplayBtn"), Qt::LeftButton);
    QCOMPARE(printer->text(), QString());
    QTest::mouseClick(field<QPushButton>("MemoDisplayBtn"), Qt::LeftButton);
    QCOMPARE(printer->text(), QStringLiteral("DisplayMemo"));

    QCOMPARE(field<QSpinBox>("DisplayLinesSE")->minimum(), 1);
    QCOMPARE(field<QSpinBox>("DisplayLinesSE")->maximum(), 4);
    QCOMPARE(field<QSpinBox>("DisplayLinesSE")->value(), 2);
    QCOMPARE(field<QSpinBox>("DisplayCharsSE")->value(), 20);
    QCOMPARE(field<QLineEdit>("DisplayeEd")->text(), QString::number(QGuiApplication::screens().size()));
    field<QSpinBox>("DisplayLinesSE")->setValue(3);
    field<QSpinBox>("DisplayCharsSE")->setValue(16);
    field<QComboBox>("PoleDisplayPortCB")->setCurrentText(QStringLiteral("ttyUSB7"));
    QComboBox *baud = field<QComboBox>("PoleDisplayBaudCB");
    baud->setCurrentIndex(baud->findData(19200));
    QTest::mouseClick(field<QPushButton>("OkBtn"), Qt::LeftButton);

    QCOMPARE(options().text(QStringLiteral("PrinterDisplayNoED.text")), QStringLiteral("DisplayMemo"));
    QCOMPARE(options().number(QString::fromLatin1(DisplayKeys::Lines)), 3);
    QCOMPARE(options().number(QString::fromLatin1(DisplayKeys::Chars)), 16);
    QCOMPARE(options().text(QString::fromLatin1(DisplayKeys::SerialPort)), QStringLiteral("ttyUSB7"));
    QCOMPARE(options().number(QString::fromLatin1(DisplayKeys::SerialBaud)), 19200);
    // The sale screen's display follows at once.
    auto *display = m_f->window().findChild<CustomerDisplay *>(QStringLiteral("CustomerDisplay"));
    QVERIFY(display);
    QCOMPARE(display->config().lines, 3);
    QCOMPARE(display->config().chars, 16);
    QCOMPARE(display->config().serialPort, QStringLiteral("ttyUSB7"));
    QVERIFY(display->memoActive());

    // Saved with the options and back after loading them.
    QVERIFY(m_f->window().SaveOptions());
    options().resetToDefaults();
    QVERIFY(m_f->window().LoadOptions());
    openWindow();
    QCOMPARE(field<QSpinBox>("DisplayLinesSE")->value(), 3);
    QCOMPARE(field<QSpinBox>("DisplayCharsSE")->value(), 16);
    QCOMPARE(field<QComboBox>("PoleDisplayPortCB")->currentText(), QStringLiteral("ttyUSB7"));
    QCOMPARE(field<QComboBox>("PoleDisplayBaudCB")->currentData().toInt(), 19200);
}

void TestOptForm::okShowsAndHidesTheBars()
{
    startAsAdministrator();
    TStoreForm &w = m_f->window();
    QVERIFY(!w.topBar()->isHidden());
    QVERIFY(!w.statusBar()->isHidden());
    QSignalSpy applied(&w, &TStoreForm::optionsApplied);
    openWindow();
    field<QCheckBox>("TopBarChk")->setChecked(false);
    field<QCheckBox>("BottomBarChk")->setChecked(false);
    field<QLineEdit>("YesED")->setText(QStringLiteral("نعم"));
    field<QLineEdit>("NoED")->setText(QStringLiteral("لا"));
    QTest::mouseClick(field<QPushButton>("OkBtn"), Qt::LeftButton);
    QVERIFY(w.topBar()->isHidden());
    QVERIFY(w.statusBar()->isHidden());
    QCOMPARE(GridLayoutStore::boolTexts(), QStringLiteral("نعم;لا"));
    QCOMPARE(applied.count(), 1);

    openWindow();
    field<QCheckBox>("TopBarChk")->setChecked(true);
    QTest::mouseClick(field<QPushButton>("OkBtn"), Qt::LeftButton);
    QVERIFY(!w.topBar()->isHidden());
}

void TestOptForm::firstSaleNumberOfAPastYearIsRefused()
{
    startAsAdministrator(true);
    TStoreForm &w = m_f->window();
    QComboBox *years = w.topBar()->yearList();
    years->setCurrentIndex(years->findText(QStringLiteral("2025")));
    emit years->activated(years->currentIndex());
    QCOMPARE(appState().CurYear, 2025);
    MsgBox::clearShown();

    openWindow();
    field<QLineEdit>("FirstBillNo")->setText(QStringLiteral("900"));
    field<QCheckBox>("ZakahChk")->setChecked(false);
    QTest::mouseClick(field<QPushButton>("OkBtn"), Qt::LeftButton);
    QCOMPARE(MsgBox::shownTexts(),
             QStringList{QStringLiteral("You can change only the current year data!!!")});
    QCOMPARE(options().text(OptKey::FirstBillNo), QStringLiteral("1"));
    // The settings of the program are not data of the year.
    QVERIFY(!options().isOn(OptKey::Zakah));
}

void TestOptForm::changeDatabaseOpensTheSettings()
{
    startAsAdministrator();
    openWindow();
    QTest::mouseClick(field<QPushButton>("ChangeDbBtn"), Qt::LeftButton);
    QVERIFY(m_f->window().dbOptionsForm()->isVisible());
}

void TestOptForm::dataMaintenanceKeepsTheOptionsAndRestarts()
{
    startAsAdministrator();
    QVERIFY(set(*m_f, "SomeWindow.SomeControl.text", "kept"));
    openWindow();
    field<QCheckBox>("IndChk")->setChecked(false);
    QTest::mouseClick(field<QPushButton>("OkBtn"), Qt::LeftButton);
    openWindow();
    QTest::mouseClick(field<QPushButton>("MaintainBtn"), Qt::LeftButton);

    QCOMPARE(m_f->launches.size(), 1);
    QVERIFY(appState().Restarting);
    QVERIFY(MsgBox::shownTexts().isEmpty());
    QCOMPARE(get(*m_f, "SomeWindow.SomeControl.text"), QStringLiteral("kept"));
    QCOMPARE(get(*m_f, OptKey::Ind), QStringLiteral("False"));
}

QTEST_MAIN(TestOptForm)
#include "tst_optform.moc"
