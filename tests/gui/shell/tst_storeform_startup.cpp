// The main window's start-up: opening the year database, the first-show
// work (automatic administrator session or the login window) and the
// upgrade probe.

#include "StoreFixture.h"

#include "data/SchemaUpgrade.h"
#include "shell/StoreActions.h"
#include "shell/TLogInForm.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>

class TestStoreFormStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void initTestCase_data() { TestDb::addEngines(); }

    void firstStartWithoutAdministratorLogsInAsAdministrator();
    void administratorPresentShowsTheLogin();
    void missingYearDatabaseLeavesTheProgramNotConnected();
    void emptyDataFolderCreatesTheFirstYear();
    void outdatedDatabaseAnsweredNoIsAskedAgain();
    void outdatedDatabaseAnsweredYesUpgradesAndRestarts();
    void currentDatabaseAsksNoUpgrade();
    void yearListShowsTheCompanysYears();
};

void TestStoreFormStartup::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestStoreFormStartup::firstStartWithoutAdministratorLogsInAsAdministrator()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(f.start());

    TStoreForm &w = f.window();
    QVERIFY(!appState().FirstShow);
    QCOMPARE(appState().CurYear, StoreFixture::kYear);
    QCOMPARE(appState().ThisYear, StoreFixture::kYear);
    QCOMPARE(appState().WorkDate, QDate(2026, 12, 10));
    QCOMPARE(w.windowTitle(), QStringLiteral(" Main الرئيسي"));
    QVERIFY(w.isLoggedIn());
    QVERIFY(appState().IsAdminSession);
    QVERIFY(!w.actions().isSuspended());
    QVERIFY(w.note()->isVisible());
    // The first-time panel invites adding the administrator; the main menu
    // waits for a real login.
    QVERIFY(w.loginForm()->isVisible());
    QVERIFY(w.loginForm()->firstTimePanelShowing());
    QCOMPARE(w.loginForm()->height(), TLogInForm::kFirstTimePanelHeight);
    QVERIFY(!w.menuBar()->isVisible());
    QVERIFY(!w.findChild<QWidget *>("NoModifyLb")->isVisible());
    QVERIFY(w.findChild<QLabel *>("StatusPanel2")->text().startsWith("10/12/2026"));
    QVERIFY(!MsgBox::shownTexts().contains(Texts::upgradeQuestion));
}

void TestStoreFormStartup::administratorPresentShowsTheLogin()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(f.exec(R"(INSERT INTO "Users" ("EID", "UName", "Pass", "UKind") VALUES (1, ?, ?, 0))",
                   {QStringLiteral("boss"), QStringLiteral("x")}));
    QVERIFY(f.start());

    TStoreForm &w = f.window();
    QVERIFY(!w.isLoggedIn());
    QVERIFY(!appState().IsAdminSession);
    QVERIFY(w.actions().isSuspended());
    QVERIFY(!w.note()->isVisible());
    QVERIFY(!w.menuBar()->isVisible());
    QVERIFY(w.loginForm()->isVisible());
    QVERIFY(!w.loginForm()->firstTimePanelShowing());
    QCOMPARE(w.loginForm()->height(), TLogInForm::kUserPanelHeight);
    QVERIFY(w.findChild<QWidget *>("LogInBtn")->isVisible());
}

void TestStoreFormStartup::missingYearDatabaseLeavesTheProgramNotConnected()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    // Only an older year exists: the current one cannot be opened.
    QVERIFY(f.createYear(2020));
    QVERIFY(!f.start());

    TStoreForm &w = f.window();
    QVERIFY(!f.data().isOpen());
    const QStringList shown = MsgBox::shownTexts();
    QVERIFY2(shown.size() >= 2, qPrintable(shown.join('|')));
    QVERIFY(shown.at(shown.size() - 2).startsWith("SQL Server Error OR Database is not exists:"));
    QCOMPARE(shown.last(), Texts::dbError);
    QVERIFY(!w.menuBar()->isVisible());
    QVERIFY(!w.note()->isVisible());
    QVERIFY(w.actions().isSuspended());
    QVERIFY(w.loginForm()->isVisible());
    QVERIFY(w.loginForm()->firstTimePanelShowing());
    QVERIFY(appState().FirstShow); // page work stays off
}

void TestStoreFormStartup::emptyDataFolderCreatesTheFirstYear()
{
    QARVEL_FETCH_ENGINE(engine);
    if (engine != DbEngine::SQLite)
        QSKIP("only the embedded engine makes its first year by itself");
    StoreFixture f(engine);
    QVERIFY(f.start());
    QVERIFY(QFile::exists(f.dataDir() + "QarvelDATA2026.sqlite"));
    const QStringList shown = MsgBox::shownTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains("QarvelDATA2026"), qPrintable(shown.first()));
    QVERIFY(f.window().isLoggedIn());
}

void TestStoreFormStartup::outdatedDatabaseAnsweredNoIsAskedAgain()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(f.exec(R"(DROP TABLE "SNoFGood")"));

    for (int start = 1; start <= 2; ++start) {
        MsgBox::clearShown();
        MsgBox::queueAnswer(QMessageBox::No);
        QVERIFY(f.start());
        QCOMPARE(MsgBox::shownTexts().count(Texts::upgradeQuestion), 1);
        QCOMPARE(MsgBox::queuedAnswers(), 0);
        QVERIFY(f.window().isVisible());
        QVERIFY(f.data().isOpen());
        QVERIFY(f.launches.isEmpty());
        QVERIFY(!appState().FirstShow);
        f.stop();
    }
    QVERIFY(!f.exec(R"(SELECT "ID" FROM "SNoFGood")"));
}

void TestStoreFormStartup::outdatedDatabaseAnsweredYesUpgradesAndRestarts()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(f.exec(R"(DROP TABLE "SNoFGood")"));

    MsgBox::queueAnswer(QMessageBox::Yes);
    QVERIFY(f.start());
    QCOMPARE(MsgBox::shownTexts().count(Texts::upgradeQuestion), 1);
    QCOMPARE(f.launches, QStringList{QCoreApplication::applicationFilePath()});
    QVERIFY(appState().Restarting);
    QVERIFY(!f.window().isVisible());
    QVERIFY(!f.data().isOpen());
    // The restart closes without the exit question.
    QVERIFY(!MsgBox::shownTexts().contains(Texts::exitQuestion));

    // The table is back, and the next start asks nothing.
    QVERIFY(f.exec(R"(SELECT "ID" FROM "SNoFGood")"));
    MsgBox::clearShown();
    f.launches.clear();
    QVERIFY(f.start());
    QVERIFY(!MsgBox::shownTexts().contains(Texts::upgradeQuestion));
    QVERIFY(f.launches.isEmpty());
}

void TestStoreFormStartup::currentDatabaseAsksNoUpgrade()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(f.start());
    QVERIFY(!SchemaUpgrade::needsUpgrade(f.data()));
    QVERIFY(!MsgBox::shownTexts().contains(Texts::upgradeQuestion));
    QVERIFY(f.launches.isEmpty());
}

void TestStoreFormStartup::yearListShowsTheCompanysYears()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear(2024));
    QVERIFY(f.createYear());
    QVERIFY(f.start());
    QComboBox *years = f.window().findChild<QComboBox *>("YearSP");
    QVERIFY(years);
    QCOMPARE(years->toolTip(), QStringLiteral("Working Year"));
    QStringList shown;
    for (int i = 0; i < years->count(); ++i)
        shown << years->itemText(i);
    // Every year from the lowest to the highest, gaps included.
    QCOMPARE(shown, (QStringList{"2024", "2025", "2026"}));
    QCOMPARE(years->currentText(), QStringLiteral("2026"));
}

QTEST_MAIN(TestStoreFormStartup)
#include "tst_storeform_startup.moc"
