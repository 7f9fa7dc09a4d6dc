// The users' windows: the first administrator from the login window, the
// users window with its rights list, adding, editing and deleting users,
// and the change of one's own password.

#include "UsersSupport.h"

#include "shell/Options.h"
#include "shell/Password.h"
#include "shell/StoreActions.h"
#include "shell/TAddUserForm.h"
#include "shell/TChangePassForm.h"
#include "shell/TUsersForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>

using namespace UsersSupport;

namespace {
const QString kNameTaken = QStringLiteral("اسم المستخدم موجود مسبقاً");
const QString kBadData = QStringLiteral("خطأ في البيانات المدخلة");

template <typename T> T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

QListWidget *rightsList(TStoreForm &w)
{
    return child<QListWidget>(w.usersForm(), "RightsList");
}

QString checks(QListWidget *list)
{
    QString flags;
    for (int i = 0; i < list->count(); ++i)
        flags += list->item(i)->checkState() == Qt::Checked ? u'1' : u'0';
    return flags;
}

QString lockedPages(QListWidget *list)
{
    QString flags;
    for (int i = 0; i < list->count(); ++i)
        flags += list->item(i)->flags().testFlag(Qt::ItemIsUserCheckable) ? u'0' : u'1';
    return flags;
}

void selectRow(TStoreForm &w, const QString &loginName)
{
    auto *grid = child<QTableWidget>(w.usersForm(), "UsersGrd");
    for (int row = 0; row < grid->rowCount(); ++row)
        if (grid->item(row, 0)->text() == loginName) {
            grid->selectRow(row);
            return;
        }
    QFAIL(qPrintable("no row for " + loginName));
}

// Clicks a radio button on its indicator.
void choose(QRadioButton *radio)
{
    QVERIFY(radio);
    QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(6, radio->height() / 2));
    QVERIFY(radio->isChecked());
}

// Presses Space on a page of the rights list, as a user ticks it.
void toggle(QListWidget *list, int page)
{
    list->setFocus();
    list->setCurrentRow(page);
    QTest::keyClick(list->viewport(), Qt::Key_Space);
}

// Fills the add/edit window: a new account through "Add Name", the login
// name and the passwords.
void fillNewUser(TAddUserForm *form, const QString &account, const QString &loginName, const QString &password,
                 const QString &repeat)
{
    MsgBox::queueInput(account);
    click(form, "AddNameBtn");
    QCOMPARE(child<QComboBox>(form, "UserCB")->currentText(), account);
    retype(child<QLineEdit>(form, "UNameEd"), loginName);
    retype(child<QLineEdit>(form, "PassEd"), password);
    retype(child<QLineEdit>(form, "Pass2Ed"), repeat);
}
} // namespace

class TestUsersWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void initTestCase_data() { TestDb::addEngines(); }
    void init();

    void firstAdministratorFromTheLoginWindowRestarts();
    void cancellingTheFirstAdministratorRestartsToo();
    void usersWindowIsForAdministratorsOnly();
    void usersListAndRights();
    void tickingAPageWritesTheRightsString();
    void deletingTheNewestUserReusesItsNumber();
    void duplicateLoginNameIsRefused();
    void incompletePasswordsAreRefused_data();
    void incompletePasswordsAreRefused();
    void editKeepsAccountAndLoginName();
    void changeOwnPassword();

private:
    // Adds an administrator "boss" and a normal "clerk" to the year, starts
    // and logs in as boss with the users window open.
    bool startWithUsersWindow(StoreFixture &f);
    int m_boss = 0;
    int m_clerk = 0;
};

void TestUsersWindow::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestUsersWindow::init()
{
    options().resetToDefaults();
}

bool TestUsersWindow::startWithUsersWindow(StoreFixture &f)
{
    m_boss = addUser(f, {"boss", "b1", Users::Administrator});
    m_clerk = addUser(f, {"clerk", "c1", Users::Normal, "0;1;0;0;0;1;0;0;0;0;0;0;0;0;0;"});
    if (!m_boss || !m_clerk || !f.start())
        return false;
    loginThroughWindow(f.window(), "boss", "b1");
    if (!f.window().isLoggedIn())
        return false;
    f.window().actions()["UsersAction"]->trigger();
    return f.window().usersForm()->isVisible();
}

void TestUsersWindow::firstAdministratorFromTheLoginWindowRestarts()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    QVERIFY(w.loginForm()->firstTimePanelShowing());

    click(w.loginForm(), "AddAdminBtn");
    TAddUserForm *form = w.addUserForm();
    QVERIFY(form->isVisible());
    QVERIFY(form->isNewUser());
    // The kind is fixed at administrator.
    QVERIFY(child<QRadioButton>(form, "UKind0")->isChecked());
    QVERIFY(!child<QGroupBox>(form, "UKindRG")->isEnabled());
    QVERIFY(child<QCheckBox>(form, "ChangePassChk")->isChecked());
    QVERIFY(child<QLineEdit>(form, "UNameEd")->isEnabled());

    fillNewUser(form, QStringLiteral("المدير العام"), "chief", "pw123", "pw123");
    if (QTest::currentTestFailed())
        return;
    QVERIFY(f.launches.isEmpty());
    click(form, "SaveBtn");

    const QVariant uid = f.scalar(R"(SELECT "UID" FROM "Users" WHERE "UName" = 'chief')");
    QVERIFY(uid.isValid());
    const auto chief = readUser(f, uid.toInt());
    QVERIFY(chief);
    QCOMPARE(chief->UKind, int(Users::Administrator));
    QCOMPARE(chief->password, QStringLiteral("pw123"));
    QCOMPARE(chief->AName, QStringLiteral("المدير العام"));
    QCOMPARE(chief->options, QStringLiteral("1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;"));
    // The new administrator takes effect through a new start.
    QCOMPARE(f.launches, QStringList{QCoreApplication::applicationFilePath()});
    QVERIFY(appState().Restarting);
    QVERIFY(!w.isVisible());

    f.launches.clear();
    QVERIFY(f.start());
    QVERIFY(!f.window().loginForm()->firstTimePanelShowing());
    loginThroughWindow(f.window(), "chief", "pw123");
    QVERIFY(f.window().isLoggedIn());
    QVERIFY(appState().IsAdminSession);
}

void TestUsersWindow::cancellingTheFirstAdministratorRestartsToo()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(f.start());
    click(f.window().loginForm(), "AddAdminBtn");
    QVERIFY(f.window().addUserForm()->isVisible());
    click(f.window().addUserForm(), "CancelBtn");
    QCOMPARE(f.scalar(R"(SELECT count(*) FROM "Users")").toInt(), 0);
    QCOMPARE(f.launches.size(), 1);
}

void TestUsersWindow::usersWindowIsForAdministratorsOnly()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"boss", "b1", Users::Administrator}));
    QVERIFY(addUser(f, {"clerk", "c1", Users::Normal, "1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;"}));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    loginThroughWindow(w, "clerk", "c1");
    QVERIFY(w.isLoggedIn());
    QAction *users = w.actions()["UsersAction"];
    QVERIFY(!users->isEnabled());
    users->trigger();
    QVERIFY(!w.usersForm()->isVisible());

    w.PassNotOK();
    loginThroughWindow(w, "boss", "b1");
    QVERIFY(users->isEnabled());
    users->trigger();
    QVERIFY(w.usersForm()->isVisible());
    // Logging out closes it.
    w.PassNotOK();
    QVERIFY(!w.usersForm()->isVisible());
}

void TestUsersWindow::usersListAndRights()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"cashier", "p1", Users::PointOfSale, "1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;", {}, 2}));
    QVERIFY(startWithUsersWindow(f));
    TStoreForm &w = f.window();
    TUsersForm *users = w.usersForm();
    QCOMPARE(users->windowTitle(), QStringLiteral("مستخدمو النظام"));

    auto *grid = child<QTableWidget>(users, "UsersGrd");
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("اسم الدخول"));
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("مدير"));
    QCOMPARE(grid->rowCount(), 3);
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows << grid->item(r, 0)->text() + "=" + grid->item(r, 1)->text();
    QCOMPARE(rows, (QStringList{"cashier=No", "boss=Yes", "clerk=No"}));

    QListWidget *list = rightsList(w);
    QCOMPARE(list->count(), 15);
    QCOMPARE(list->item(3)->text(), QStringLiteral("Codes"));
    QCOMPARE(list->item(11)->text(), QStringLiteral("Cash"));

    selectRow(w, "boss");
    QCOMPARE(checks(list), QStringLiteral("111111111111111"));
    QCOMPARE(lockedPages(list), QStringLiteral("111111111111111"));
    QCOMPARE(child<QLabel>(users, "ANameLB")->text(), QStringLiteral("boss person"));

    selectRow(w, "cashier");
    QCOMPARE(checks(list), QStringLiteral("100000000000000"));
    QCOMPARE(lockedPages(list), QStringLiteral("111111111111111"));
    QCOMPARE(child<QLineEdit>(users, "TabShowView")->text(), QStringLiteral("None"));
    QCOMPARE(child<QLineEdit>(users, "KindView")->text(), QStringLiteral("نقطة بيع POS"));

    selectRow(w, "clerk");
    QCOMPARE(checks(list), QStringLiteral("010001000000000"));
    QCOMPARE(lockedPages(list), QStringLiteral("000001000000000"));
    QCOMPARE(child<QLineEdit>(users, "KindView")->text(), QStringLiteral("عادي"));
    QCOMPARE(child<QLineEdit>(users, "TabShowView")->text(), QStringLiteral("Buttons"));

    QVERIFY(child<QPushButton>(users, "PrintPassBtn")->isEnabled());
}

void TestUsersWindow::tickingAPageWritesTheRightsString()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(startWithUsersWindow(f));
    TStoreForm &w = f.window();
    QListWidget *list = rightsList(w);
    selectRow(w, "clerk");

    const auto rightsOf = [&f](int uid) {
        return f.scalar(QStringLiteral(R"(SELECT "options" FROM "Users" WHERE "UID" = %1)").arg(uid)).toString();
    };
    toggle(list, 3);
    QCOMPARE(rightsOf(m_clerk), QStringLiteral("0;1;0;1;0;1;0;0;0;0;0;0;0;0;0;"));
    toggle(list, 1);
    QCOMPARE(rightsOf(m_clerk), QStringLiteral("0;0;0;1;0;1;0;0;0;0;0;0;0;0;0;"));
    // The list shows what was written, on the same user.
    QCOMPARE(checks(list), QStringLiteral("000101000000000"));
    QCOMPARE(child<QTableWidget>(w.usersForm(), "UsersGrd")->currentRow(), 1);

    // The about page and an administrator's pages cannot be taken away.
    toggle(list, 5);
    QCOMPARE(rightsOf(m_clerk), QStringLiteral("0;0;0;1;0;1;0;0;0;0;0;0;0;0;0;"));
    const QString bossRights = rightsOf(m_boss);
    selectRow(w, "boss");
    toggle(list, 2);
    QCOMPARE(rightsOf(m_boss), bossRights);

    // The clerk's next login follows the new rights.
    w.PassNotOK();
    loginThroughWindow(w, "clerk", "c1");
    QVERIFY(w.isLoggedIn());
    QVERIFY(w.isPageVisible(3));
    QVERIFY(!w.isPageVisible(1));
}

void TestUsersWindow::deletingTheNewestUserReusesItsNumber()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(startWithUsersWindow(f));
    const int newest = addUser(f, {"temp", "t1", Users::Normal});
    QVERIFY(newest > m_clerk);
    TStoreForm &w = f.window();
    TUsersForm *users = w.usersForm();
    users->reload();

    // Answering No keeps the user.
    selectRow(w, "temp");
    MsgBox::clearShown();
    MsgBox::queueAnswer(QMessageBox::No);
    click(users, "DelBtn");
    QCOMPARE(MsgBox::shownTexts(), QStringList{TUsersForm::deleteQuestion("temp")});
    QVERIFY(MsgBox::shownTexts().first().startsWith(QStringLiteral("هل أنت متأكد من حذف المستخدم")));
    QCOMPARE(f.scalar(R"(SELECT count(*) FROM "Users")").toInt(), 3);

    MsgBox::queueAnswer(QMessageBox::Yes);
    click(users, "DelBtn");
    QCOMPARE(f.scalar(R"(SELECT count(*) FROM "Users")").toInt(), 2);
    QCOMPARE(child<QTableWidget>(users, "UsersGrd")->rowCount(), 2);

    click(users, "AddBtn");
    TAddUserForm *form = w.addUserForm();
    QVERIFY(form->isVisible());
    QVERIFY(!users->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Add New User"));
    QVERIFY(child<QGroupBox>(form, "UKindRG")->isEnabled());
    choose(child<QRadioButton>(form, "UKind1"));
    fillNewUser(form, "Sami", "sami", "s1", "s1");
    if (QTest::currentTestFailed())
        return;
    click(form, "SaveBtn");
    QVERIFY(!form->isVisible());
    QCOMPARE(form->savedUid(), newest);
    QCOMPARE(f.scalar(R"(SELECT "UName" FROM "Users" WHERE "UID" = )" + QString::number(newest)).toString(),
             QStringLiteral("sami"));
    // Back in the users window, on the new user; no restart.
    QVERIFY(users->isVisible());
    QCOMPARE(users->currentUser()->UID, newest);
    QVERIFY(f.launches.isEmpty());
}

void TestUsersWindow::duplicateLoginNameIsRefused()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(startWithUsersWindow(f));
    TStoreForm &w = f.window();
    click(w.usersForm(), "AddBtn");
    TAddUserForm *form = w.addUserForm();
    fillNewUser(form, "Other Clerk", "clerk", "x1", "x1");
    if (QTest::currentTestFailed())
        return;
    MsgBox::clearShown();
    click(form, "SaveBtn");
    QCOMPARE(MsgBox::shownTexts(), QStringList{kNameTaken});
    QVERIFY(form->isVisible());
    QCOMPARE(f.scalar(R"(SELECT count(*) FROM "Users" WHERE "UName" = 'clerk')").toInt(), 1);

    // Another name goes through.
    retype(child<QLineEdit>(form, "UNameEd"), "clerk2");
    click(form, "SaveBtn");
    QVERIFY(!form->isVisible());
    QCOMPARE(f.scalar(R"(SELECT count(*) FROM "Users")").toInt(), 3);
}

void TestUsersWindow::incompletePasswordsAreRefused_data()
{
    QTest::addColumn<QString>("loginName");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("repeat");
    QTest::newRow("different") << "newbie" << "abc" << "abd";
    QTest::newRow("empty") << "newbie" << "" << "";
    QTest::newRow("no login name") << "" << "abc" << "abc";
}

void TestUsersWindow::incompletePasswordsAreRefused()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, loginName);
    QFETCH(QString, password);
    QFETCH(QString, repeat);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(startWithUsersWindow(f));
    click(f.window().usersForm(), "AddBtn");
    TAddUserForm *form = f.window().addUserForm();
    fillNewUser(form, "Someone", loginName, password, repeat);
    if (QTest::currentTestFailed())
        return;
    MsgBox::clearShown();
    click(form, "SaveBtn");
    QCOMPARE(MsgBox::shownTexts(), QStringList{kBadData});
    QVERIFY(form->isVisible());
    QCOMPARE(f.scalar(R"(SELECT count(*) FROM "Users")").toInt(), 2);
}

void TestUsersWindow::editKeepsAccountAndLoginName()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(startWithUsersWindow(f));
    TStoreForm &w = f.window();
    selectRow(w, "clerk");
    click(w.usersForm(), "EditBtn");
    TAddUserForm *form = w.addUserForm();
    QVERIFY(form->isVisible());
    QVERIFY(!form->isNewUser());
    QCOMPARE(form->windowTitle(), QStringLiteral("Edit User"));
    QVERIFY(!child<QComboBox>(form, "UserCB")->isEnabled());
    QVERIFY(!child<QLineEdit>(form, "UNameEd")->isEnabled());
    QVERIFY(!child<QLabel>(form, "NoChangeLB")->isHidden());
    QVERIFY(!child<QCheckBox>(form, "ChangePassChk")->isChecked());
    QCOMPARE(child<QLineEdit>(form, "UNameEd")->text(), QStringLiteral("clerk"));
    QVERIFY(child<QCheckBox>(form, "QkbChk")->isHidden());

    // A cashier gets the quick-key choice and no page selector.
    choose(child<QRadioButton>(form, "UKind2"));
    QVERIFY(!child<QCheckBox>(form, "QkbChk")->isHidden());
    QVERIFY(child<QRadioButton>(form, "TabShow5")->isChecked());
    child<QCheckBox>(form, "QkbChk")->setChecked(true);
    click(form, "SaveBtn");
    QVERIFY(!form->isVisible());

    const auto clerk = readUser(f, m_clerk);
    QVERIFY(clerk);
    QCOMPARE(clerk->UKind, int(Users::PointOfSale));
    QCOMPARE(clerk->TabShow, 5);
    QVERIFY(clerk->Qkb);
    QCOMPARE(clerk->options, QStringLiteral("1;0;0;0;0;1;0;0;0;0;0;0;0;0;0;"));
    // The password stays as it was.
    QCOMPARE(clerk->password, QStringLiteral("c1"));
    QCOMPARE(clerk->UName, QStringLiteral("clerk"));
}

void TestUsersWindow::changeOwnPassword()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"boss", "b1", Users::Administrator}));
    const int clerk = addUser(f, {"clerk", "c1", Users::Normal, "1;1;"});
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    loginThroughWindow(w, "clerk", "c1");
    QVERIFY(w.isLoggedIn());
    w.actions()["ChangePassAction"]->trigger();
    TChangePassForm *form = w.changePassForm();
    QVERIFY(form->isVisible());

    struct Try
    {
        QString old, fresh, confirm;
    };
    for (const Try &t : {Try{"c2", "n1", "n1"}, Try{"c1", "n1", "n2"}}) {
        retype(child<QLineEdit>(form, "OldPassEd"), t.old);
        retype(child<QLineEdit>(form, "NewPassEd"), t.fresh);
        retype(child<QLineEdit>(form, "ConfirmPassEd"), t.confirm);
        MsgBox::clearShown();
        click(form, "ChangeBtn");
        QCOMPARE(MsgBox::shownTexts(), QStringList{QStringLiteral("Wrong Password")});
        QVERIFY(form->isVisible());
        QCOMPARE(child<QLineEdit>(form, "OldPassEd")->text(), QString());
        QCOMPARE(child<QLineEdit>(form, "NewPassEd")->text(), QString());
        QCOMPARE(readUser(f, clerk)->password, QStringLiteral("c1"));
    }

    retype(child<QLineEdit>(form, "OldPassEd"), "c1");
    retype(child<QLineEdit>(form, "NewPassEd"), "n1");
    retype(child<QLineEdit>(form, "ConfirmPassEd"), "n1");
    click(form, "ChangeBtn");
    QVERIFY(!form->isVisible());
    QCOMPARE(readUser(f, clerk)->password, QStringLiteral("n1"));

    w.PassNotOK();
    loginThroughWindow(w, "clerk", "c1");
    QVERIFY(!w.isLoggedIn());
    loginThroughWindow(w, "clerk", "n1");
    QVERIFY(w.isLoggedIn());
}

QTEST_MAIN(TestUsersWindow)
#include "tst_userswindow.moc"
