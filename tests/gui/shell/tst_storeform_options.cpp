// The options in the main window: loaded at start and with every change of
// year, applied to the window, saved before a change of year and at exit,
// and only the first numbers travel with a past year.
//
// Most settings travel only with the main company's databases (prefix
// "DATA"), which parallel tests on a shared server would share: these tests
// run on the embedded engine.

#include "OptionRows.h"

#include "data/TOptForm.h"
#include "shell/Options.h"
#include "shell/PageAppearance.h"
#include "shell/StorePages.h"
#include "shell/StoreTopBar.h"
#include "shell/TLogInForm.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>

using namespace OptionRows;

class TestStoreFormOptions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void optionsAreLoadedAndAppliedAtStart();
    void aFailedLoadIsReported();
    void aPastYearKeepsTheAppearanceButBringsItsFirstNumbers();
    void optionsAreSavedBeforeAChangeOfYearAndAtExit();
    void nothingIsSavedWhileTheDatabaseIsBeingOpened();

private:
    static void pickYear(TStoreForm &w, const QString &year);
};

void TestStoreFormOptions::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestStoreFormOptions::init()
{
    options().resetToDefaults();
}

void TestStoreFormOptions::cleanup()
{
    options().resetToDefaults();
}

void TestStoreFormOptions::pickYear(TStoreForm &w, const QString &year)
{
    QComboBox *years = w.topBar()->yearList();
    const int index = years->findText(year);
    QVERIFY2(index >= 0, qPrintable(year));
    years->setCurrentIndex(index);
    emit years->activated(index);
}

void TestStoreFormOptions::optionsAreLoadedAndAppliedAtStart()
{
    StoreFixture f;
    QVERIFY(f.createYear());
    QVERIFY(addAdministrator(f));
    QVERIFY(set(f, OptKey::BottomBar, "False"));
    QVERIFY(set(f, OptKey::TopBar, "False"));
    QVERIFY(set(f, OptKey::ConfPass, "2"));
    QVERIFY(set(f, OptKey::FirstBillNo, "40"));
    QVERIFY(f.start());
    TStoreForm &w = f.window();

    QVERIFY(w.statusBar()->isHidden());
    QCOMPARE(options().number(OptKey::ConfPass), 2);
    QCOMPARE(options().firstNumber(OptKey::FirstBillNo), 40);
    QCOMPARE(w.optForm()->findChild<QLineEdit *>("FirstBillNo")->text(), QStringLiteral("40"));
    logIn(w);
    QVERIFY(w.topBar()->isHidden());
}

void TestStoreFormOptions::aFailedLoadIsReported()
{
    StoreFixture f;
    QVERIFY(f.createYear());
    QVERIFY(f.exec(R"(DROP TABLE "options")"));
    QVERIFY(f.start());
    QVERIFY(MsgBox::shownTexts().contains(QStringLiteral("Error in Loading Options-Load Options")));
}

void TestStoreFormOptions::aPastYearKeepsTheAppearanceButBringsItsFirstNumbers()
{
    StoreFixture f;
    QVERIFY(f.createYear(2025));
    QVERIFY(f.createYear(2026));
    QVERIFY(addAdministrator(f, 2026));
    const QString blue = QString::number(PageAppearance::colorNumber(QColor(0, 0, 200)));
    const QString red = QString::number(PageAppearance::colorNumber(QColor(200, 0, 0)));
    QVERIFY(set(f, "CodePanel.color", blue, 2026));
    QVERIFY(set(f, "TNote.font.Size", "17", 2026));
    QVERIFY(set(f, OptKey::RowH, "25", 2026));
    QVERIFY(set(f, "CodePanel.color", red, 2025));
    QVERIFY(set(f, "TNote.font.Size", "9", 2025));
    QVERIFY(set(f, OptKey::RowH, "12", 2025));
    QVERIFY(set(f, OptKey::FirstBillNo, "500", 2025));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    QWidget *codePanel = w.appearance().panel(StorePages::ItemCode);
    QCOMPARE(codePanel->palette().color(QPalette::Window), QColor(0, 0, 200));
    QCOMPARE(w.note()->font().pointSize(), 17);

    pickYear(w, QStringLiteral("2025"));
    QCOMPARE(appState().CurYear, 2025);
    QCOMPARE(options().text(OptKey::FirstBillNo), QStringLiteral("500"));
    QCOMPARE(codePanel->palette().color(QPalette::Window), QColor(0, 0, 200));
    QCOMPARE(options().text("CodePanel.color"), blue);
    QCOMPARE(w.note()->font().pointSize(), 17);
    QCOMPARE(options().number(OptKey::RowH), 25);

    // Leaving the past year saves nothing of the appearance into it.
    pickYear(w, QStringLiteral("2026"));
    QCOMPARE(get(f, "CodePanel.color", 2025), red);
    QCOMPARE(options().text(OptKey::FirstBillNo), QStringLiteral("1"));
}

void TestStoreFormOptions::optionsAreSavedBeforeAChangeOfYearAndAtExit()
{
    StoreFixture f;
    QVERIFY(f.createYear(2025));
    QVERIFY(f.createYear(2026));
    QVERIFY(f.start());
    TStoreForm &w = f.window();

    options().setOn(OptKey::Zakah, false);
    pickYear(w, QStringLiteral("2025"));
    QCOMPARE(get(f, OptKey::Zakah, 2026), QStringLiteral("False"));
    QCOMPARE(get(f, OptKey::FirstBillNo, 2026), QStringLiteral("1"));

    // In the past year only the first numbers are saved.
    options().setText(OptKey::FirstBillNo, QStringLiteral("77"));
    options().setOn(OptKey::EngSale, true);
    MsgBox::queueAnswer(QMessageBox::Yes);
    QVERIFY(w.close());
    QCOMPARE(get(f, OptKey::FirstBillNo, 2025), QStringLiteral("77"));
    QCOMPARE(get(f, OptKey::EngSale, 2025), kMissing);
    QCOMPARE(get(f, OptKey::EngSale, 2026), QStringLiteral("False"));

    // dbOptions.txt names the database that was open.
    QFile file(f.dataDir() + QLatin1String(DbSettings::kFileName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QRegularExpression("\r?\n"));
    QVERIFY(lines.size() >= 4);
    QCOMPARE(lines.at(3), f.yearParams(2025).database);
}

void TestStoreFormOptions::nothingIsSavedWhileTheDatabaseIsBeingOpened()
{
    StoreFixture f;
    QVERIFY(f.createYear());
    QVERIFY(f.start());
    // The start loads the options but writes none back.
    QCOMPARE(get(f, OptKey::Zakah), kMissing);
    QVERIFY(f.window().SaveOptions());
    QCOMPARE(get(f, OptKey::Zakah), QStringLiteral("True"));
}

QTEST_MAIN(TestStoreFormOptions)
#include "tst_storeform_options.moc"
