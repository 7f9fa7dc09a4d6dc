// Logging in and out: the login window's fields and button, the rights of
// the user on the pages, menus and bars, the page selector style and the
// controls of an unlocked session.

#include "UsersSupport.h"

#include "data/OptionsStore.h"
#include "shell/AboutPage.h"
#include "shell/Options.h"
#include "shell/StoreActions.h"
#include "shell/StoreMenus.h"
#include "shell/StorePages.h"
#include "shell/StoreTopBar.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

using namespace UsersSupport;

namespace {
const QString kLoginError = QStringLiteral("Error in Username or Password");
const QString kArabicName = QStringLiteral("أحمد");

QString visiblePages(const TStoreForm &w)
{
    QString flags;
    for (int i = 0; i < StorePages::kCount; ++i)
        flags += w.isPageVisible(i) ? u'1' : u'0';
    return flags;
}
} // namespace

class TestLogin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void initTestCase_data() { TestDb::addEngines(); }
    void init();

    void login_data();
    void login();
    void pointOfSaleUserSeesTheSalePageOnly_data();
    void pointOfSaleUserSeesTheSalePageOnly();
    void normalUserSeesThePagesOfHisRights();
    void administratorSeesEverything();
    void logoutReturnsToTheLoginWindow_data();
    void logoutReturnsToTheLoginWindow();
    void pageSelectorStyleFollowsTheUser_data();
    void pageSelectorStyleFollowsTheUser();
    void barsFollowTheOptions_data();
    void barsFollowTheOptions();
    void languageSwitchOnlyForBothLanguages();
    void supervisorPasswordIsTheEditPermissionHolders();
};

void TestLogin::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestLogin::init()
{
    options().resetToDefaults();
}

void TestLogin::login_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("person");
    QTest::newRow("right name and password") << "boss" << "s3cret" << true << "boss person";
    QTest::newRow("wrong password") << "boss" << "s3creT" << false << "";
    QTest::newRow("password with a blank more") << "boss" << "s3cret " << false << "";
    QTest::newRow("unknown name") << "nobody" << "s3cret" << false << "";
    QTest::newRow("injection in the name") << "x' or '1'=" << "s3cret" << false << "";
    QTest::newRow("injection in the password") << "boss" << "' or 1=1--" << false << "";
    QTest::newRow("arabic login name") << kArabicName << QStringLiteral("سر١٢") << true << "أحمد person";
    QTest::newRow("arabic name, wrong password") << kArabicName << QStringLiteral("سر١") << false << "";
}

void TestLogin::login()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, ok);
    QFETCH(QString, person);

    StoreFixture f(engine);
    QVERIFY(f.createYear());
    const int boss = addUser(f, {"boss", "s3cret", Users::Administrator});
    const int ahmad = addUser(f, {kArabicName, QStringLiteral("سر١٢"), Users::Normal, "1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;"});
    QVERIFY(boss && ahmad);
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    QVERIFY(!w.isLoggedIn());
    MsgBox::clearShown();

    loginThroughWindow(w, name, password);
    if (QTest::currentTestFailed())
        return;

    auto *pass = w.loginForm()->findChild<QLineEdit *>("PEdit");
    QCOMPARE(w.isLoggedIn(), ok);
    if (ok) {
        QCOMPARE(appState().CurUID, name == "boss" ? boss : ahmad);
        QCOMPARE(appState().CurUKind, name == "boss" ? 0 : 1);
        QCOMPARE(appState().CurUserName, person);
        QCOMPARE(appState().IsAdminSession, name == "boss");
        QVERIFY(!w.loginForm()->isVisible());
        QVERIFY(w.note()->isVisible());
        QVERIFY(w.menuBar()->isVisible());
        QCOMPARE(w.currentPage(), int(StorePages::About));
        QVERIFY(!w.actions().isSuspended());
        QVERIFY(w.findChild<QLabel *>("StatusPanel2")->text().endsWith("       User: " + person));
        QVERIFY(!MsgBox::shownTexts().contains(kLoginError));
    } else {
        // Both kinds of failure get the same message; the password is
        // selected for typing again.
        QCOMPARE(MsgBox::shownTexts(), QStringList{kLoginError});
        QCOMPARE(appState().CurUID, 0);
        QVERIFY(!appState().IsAdminSession);
        QVERIFY(w.loginForm()->isVisible());
        QVERIFY(!w.note()->isVisible());
        QVERIFY(!w.menuBar()->isVisible());
        QVERIFY(w.actions().isSuspended());
        QCOMPARE(pass->selectedText(), pass->text());
        QVERIFY(!pass->text().isEmpty());
    }

    // The users are as they were.
    QCOMPARE(f.scalar(R"(SELECT count(*) FROM "Users")").toInt(), 2);
}

void TestLogin::pointOfSaleUserSeesTheSalePageOnly_data()
{
    QTest::addColumn<QString>("rights");
    QTest::newRow("every page in the rights") << "1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;";
    QTest::newRow("no page in the rights") << "0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;";
    QTest::newRow("empty rights") << "";
    QTest::newRow("garbage") << "x;1;1;yes";
}

void TestLogin::pointOfSaleUserSeesTheSalePageOnly()
{
    QFETCH(QString, rights);
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"boss", "1", Users::Administrator}));
    QVERIFY(addUser(f, {"cashier", "2", Users::PointOfSale, rights, {}, /*tabShow*/ 2}));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    loginThroughWindow(w, "cashier", "2");
    QVERIFY(w.isLoggedIn());

    QCOMPARE(visiblePages(w), QStringLiteral("100001000000000"));
    QCOMPARE(w.currentPage(), int(StorePages::POS));
    // No menu, no top bar, no page selector; the action list rests on the
    // sale page.
    QVERIFY(!w.menuBar()->isVisible());
    QVERIFY(!w.topBar()->isVisible());
    QCOMPARE(w.tabShowStyle(), 5);
    QVERIFY(!w.note()->tabBar()->isVisible());
    QVERIFY(w.actions().isSuspended());
    QVERIFY(!appState().IsAdminSession);
}

void TestLogin::normalUserSeesThePagesOfHisRights()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"boss", "1", Users::Administrator}));
    QVERIFY(addUser(f, {"clerk", "2", Users::Normal, "0;1;0;1;0;0;0;1;0;0;0;0;0;0;0;"}));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    loginThroughWindow(w, "clerk", "2");
    QVERIFY(w.isLoggedIn());

    QCOMPARE(visiblePages(w), QStringLiteral("010101010000000"));
    QCOMPARE(w.currentPage(), int(StorePages::About));
    QVERIFY(w.menuBar()->isVisible());
    QVERIFY(w.topBar()->isVisible());
    // The menu items follow the pages.
    StoreActions &a = w.actions();
    QVERIFY(a["SaleAction"]->isVisible());
    QVERIFY(a["CodeAction"]->isVisible());
    QVERIFY(a["CrdAction"]->isVisible());
    QVERIFY(!a["SumAction"]->isVisible());
    QVERIFY(!a["StoreAction"]->isVisible());
    QVERIFY(!a["PayAction"]->isVisible());
    QVERIFY(!a["NamesAction"]->isVisible());
    QVERIFY(!a["CashAction"]->isVisible());
    QVERIFY(!a["DebitAction"]->isVisible());
    // Administrators' things stay out of reach.
    QVERIFY(!a["UsersAction"]->isEnabled());
    QVERIFY(!a["OptAction"]->isVisible());
    QVERIFY(!w.menus().otherMenu()->menuAction()->isEnabled());
    QVERIFY(a["ChangePassAction"]->isEnabled());

    // A shortcut to a page he may not see does nothing; one he may, works.
    QVERIFY(f.activate());
    QTest::keyClick(&w, Qt::Key_F5);
    QCOMPARE(w.currentPage(), int(StorePages::About));
    QTest::keyClick(&w, Qt::Key_F4);
    QCOMPARE(w.currentPage(), int(StorePages::ItemCode));
}

void TestLogin::administratorSeesEverything()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    // An administrator's stored rights do not matter.
    QVERIFY(addUser(f, {"boss", "1", Users::Administrator, "0;0;0;"}));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    loginThroughWindow(w, "boss", "1");
    QVERIFY(w.isLoggedIn());
    QCOMPARE(visiblePages(w), QStringLiteral("111111111111111"));
    QVERIFY(w.actions()["UsersAction"]->isEnabled());
    QVERIFY(w.actions()["OptAction"]->isVisible());
    QVERIFY(w.menus().otherMenu()->menuAction()->isEnabled());
    QVERIFY(w.menus().otherMenu()->menuAction()->isVisible());
    QVERIFY(appState().IsAdminSession);
}

void TestLogin::logoutReturnsToTheLoginWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ctrl+F1") << "ctrl+f1";
    QTest::newRow("logout button") << "button";
    QTest::newRow("lock") << "lock";
}

void TestLogin::logoutReturnsToTheLoginWindow()
{
    QFETCH(QString, how);
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"boss", "1", Users::Administrator}));
    QVERIFY(addUser(f, {"clerk", "2", Users::Normal, "0;0;1;"}));
    QVERIFY(f.start());
    TStoreForm &w = f.window();

    // A control of an unlocked session comes and goes with the login.
    auto *costButton = new QPushButton(w.page(StorePages::ItemCode));
    w.addAdvancedControl(costButton);
    bool advanced = false;
    w.addAdvancedControl([&advanced](bool on) { advanced = on; });

    loginThroughWindow(w, "boss", "1");
    QVERIFY(w.isLoggedIn());
    QVERIFY(!costButton->isHidden());
    QVERIFY(advanced);

    if (how == "ctrl+f1") {
        QVERIFY(f.activate());
        QTest::keyClick(&w, Qt::Key_F1, Qt::ControlModifier);
    } else if (how == "button") {
        QTest::mouseClick(w.topBar()->logoutButton(), Qt::LeftButton);
    } else {
        w.menus().lockItem()->trigger();
    }

    QVERIFY(!w.isLoggedIn());
    QCOMPARE(appState().CurUID, 0);
    QVERIFY(!appState().IsAdminSession);
    QVERIFY(!w.note()->isVisible());
    QVERIFY(!w.topBar()->isVisible());
    QVERIFY(!w.menuBar()->isVisible());
    QVERIFY(w.actions().isSuspended());
    QVERIFY(w.loginForm()->isVisible());
    QVERIFY(!w.loginForm()->firstTimePanelShowing());
    QCOMPARE(w.loginForm()->userEdit()->text(), QString());
    QCOMPARE(w.loginForm()->passwordEdit()->text().size(), 2);
    QVERIFY(costButton->isHidden());
    QVERIFY(!advanced);
    QVERIFY(!w.menus().otherMenu()->menuAction()->isVisible());

    // The next user gets his own rights, not those of the last one.
    loginThroughWindow(w, "clerk", "2");
    QVERIFY(w.isLoggedIn());
    QCOMPARE(visiblePages(w), QStringLiteral("001001000000000"));
    QCOMPARE(appState().CurUserName, QStringLiteral("clerk person"));
    QVERIFY(!w.actions()["UsersAction"]->isEnabled());
}

void TestLogin::pageSelectorStyleFollowsTheUser_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("selector");
    QTest::newRow("buttons") << 0 << int(QTabWidget::North) << true;
    QTest::newRow("flat buttons") << 1 << int(QTabWidget::North) << true;
    QTest::newRow("tabs") << 2 << int(QTabWidget::North) << true;
    QTest::newRow("left") << 3 << int(QTabWidget::West) << true;
    QTest::newRow("right") << 4 << int(QTabWidget::East) << true;
    QTest::newRow("none") << 5 << int(QTabWidget::North) << false;
}

void TestLogin::pageSelectorStyleFollowsTheUser()
{
    QFETCH(int, style);
    QFETCH(int, position);
    QFETCH(bool, selector);
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"boss", "1", Users::Administrator, {}, {}, style}));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    loginThroughWindow(w, "boss", "1");
    QVERIFY(w.isLoggedIn());
    QCOMPARE(w.tabShowStyle(), style);
    QCOMPARE(int(w.note()->tabPosition()), position);
    QCOMPARE(w.note()->tabBar()->isVisible(), selector);
    // Without a selector the pages still change by shortcut.
    QVERIFY(f.activate());
    QTest::keyClick(&w, Qt::Key_F4);
    QCOMPARE(w.currentPage(), int(StorePages::ItemCode));
}

void TestLogin::barsFollowTheOptions_data()
{
    QTest::addColumn<QString>("topBar");
    QTest::addColumn<QString>("bottomBar");
    QTest::newRow("both on") << "True" << "True";
    QTest::newRow("top bar off") << "False" << "True";
    QTest::newRow("bottom bar off") << "True" << "False";
}

void TestLogin::barsFollowTheOptions()
{
    QFETCH(QString, topBar);
    QFETCH(QString, bottomBar);
    QARVEL_FETCH_ENGINE(engine);
    if (engine != DbEngine::SQLite)
        QSKIP("the general options travel only with the main company's databases");
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"boss", "1", Users::Administrator}));
    QVERIFY(addUser(f, {"cashier", "2", Users::PointOfSale}));
    QVERIFY(f.start());
    {
        // Another workstation changes the options meanwhile; the login
        // reads them again.
        TDataFormSQL own;
        QVERIFY(own.OpenDB(f.yearParams()));
        OptionsStore store(own);
        QVERIFY(store.save(OptKey::TopBar, topBar));
        QVERIFY(store.save(OptKey::BottomBar, bottomBar));
    }
    TStoreForm &w = f.window();
    loginThroughWindow(w, "boss", "1");
    QVERIFY(w.isLoggedIn());
    QCOMPARE(w.topBar()->isVisible(), topBar == "True");
    QCOMPARE(w.statusBar()->isVisible(), bottomBar == "True");

    // Never a top bar for the cashier.
    w.PassNotOK();
    loginThroughWindow(w, "cashier", "2");
    QVERIFY(w.isLoggedIn());
    QVERIFY(!w.topBar()->isVisible());
    QCOMPARE(w.statusBar()->isVisible(), bottomBar == "True");
}

void TestLogin::languageSwitchOnlyForBothLanguages()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"boss", "1", Users::Administrator, {}, {}, 0, /*lang*/ 0}));
    QVERIFY(addUser(f, {"arab", "2", Users::Normal, "1;1;", {}, 0, /*lang*/ 1}));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    QMenu *language = w.menus().menu("LanguageMenu");

    loginThroughWindow(w, "arab", "2");
    QVERIFY(w.isLoggedIn());
    QVERIFY(w.topBar()->isVisible());
    QVERIFY(!w.topBar()->languageButton()->isVisible());
    QVERIFY(!language->menuAction()->isVisible());

    w.PassNotOK();
    loginThroughWindow(w, "boss", "1");
    QVERIFY(w.isLoggedIn());
    QVERIFY(w.topBar()->languageButton()->isVisible());
    QVERIFY(language->menuAction()->isVisible());
}

void TestLogin::supervisorPasswordIsTheEditPermissionHolders()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"boss", "bosspw", Users::Administrator}));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    loginThroughWindow(w, "boss", "bosspw");
    QCOMPARE(appState().SupervisorPassword, QStringLiteral("bosspw"));

    // Loaded again at every login.
    QVERIFY(addUser(f, {"keeper", "guard1", Users::EditPermission, "1;"}));
    w.PassNotOK();
    QVERIFY(appState().SupervisorPassword == QStringLiteral("bosspw"));
    loginThroughWindow(w, "boss", "bosspw");
    QVERIFY(w.isLoggedIn());
    QCOMPARE(appState().SupervisorPassword, QStringLiteral("guard1"));
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
