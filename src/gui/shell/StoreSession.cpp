// The logged-in and logged-out states of the main window: the login, the
// user's rights, the controls of an unlocked session, the menus and bars
// that follow options and rights, and the page selector style.

#include "TStoreForm.h"

#include "AboutPage.h"
#include "MsgBox.h"
#include "StoreActions.h"
#include "StoreMenus.h"
#include "StoreTopBar.h"
#include "TAddUserForm.h"
#include "TChangePassForm.h"
#include "TLogInForm.h"
#include "TUsersForm.h"
#include "data/TDataFormSQL.h"
#include "shell/AppState.h"
#include "shell/Options.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

namespace {

constexpr int kNoSelector = 5;

bool pointOfSaleSession()
{
    const AppState &state = appState();
    return state.CurUID != 0 && state.CurUKind == Users::PointOfSale;
}

} // namespace

// -- login -------------------------------------------------------------

bool TStoreForm::logIn(const QString &loginName, const QString &password)
{
    AppState &state = appState();
    // The name is looked up as a value, never as part of the statement.
    std::optional<Users::User> user;
    if (m_data.isOpen())
        user = Users::find(m_data, loginName);
    if (!user || !Users::passwordMatches(*user, password)) {
        // An unknown name and a wrong password get the same answer.
        state.CurUID = 0;
        MsgBox::error(m_login, tr("Error in Username or Password"));
        m_login->showLoginFailed();
        return false;
    }

    try {
        m_user = *user;
        state.CurUID = user->UID;
        state.CurUKind = user->UKind;
        state.CurUserName = user->AName;
        PassOk(user->UKind == Users::Administrator, user->AName);
        m_login->hide();
        applyRights(*user);
        applyOptionsAfterLogin();
        state.SupervisorPassword = Users::supervisorPassword(m_data);
        CheckMenu();
        // The cashier starts on the sale screen, everybody else on page 5.
        GoTab(pointOfSaleSession() ? StorePages::POS : StorePages::About);
    } catch (...) {
        PassNotOK();
        return false;
    }
    return true;
}

void TStoreForm::applyRights(const Users::User &user)
{
    const QVector<bool> pages = Users::visiblePages(user);
    for (int i = 0; i < StorePages::kCount; ++i)
        setPageVisible(i, pages.value(i));
}

// The options of the open year database are read again at every login,
// then the user's language right is applied.
void TStoreForm::applyOptionsAfterLogin()
{
    // Loads the options of the open year and applies them (reports a
    // failure itself), then the user's own language right.
    LoadOptions();
    applyUserLanguage(m_user.Lang);
}

// -- sessions ----------------------------------------------------------

void TStoreForm::PassOk(bool isAdmin, const QString &name)
{
    AppState &state = appState();
    m_loggedIn = true;
    state.IsAdminSession = isAdmin;
    const bool posUser = pointOfSaleSession();
    if (state.CurUID == 0) {
        // The automatic administrator session (no administrator yet) has
        // every right.
        m_user = Users::User();
        for (int i = 0; i < StorePages::kCount; ++i)
            setPageVisible(i, true);
    }

    m_note->show();
    m_actions->setSuspended(currentPage() == StorePages::POS);
    m_actions->action(QStringLiteral("OptAction"))->setVisible(isAdmin);
    m_menus->otherMenu()->menuAction()->setEnabled(isAdmin);
    m_actions->setAllowed(m_actions->action(QStringLiteral("UsersAction")), isAdmin);
    m_topBar->setVisible(m_showTopBarOption && state.CurUID != 0 && !posUser);
    m_topBar->logoutButton()->setVisible(!m_login->firstTimePanelShowing());
    m_loginButton->hide();
    m_userName = name;
    updateUserStatus();
    OldPass(true);
    setMainMenuShown(!posUser);
    TabShow(posUser ? kNoSelector : m_user.TabShow);
}

void TStoreForm::PassNotOK()
{
    AppState &state = appState();
    m_loggedIn = false;
    m_actions->setSuspended(true);
    m_login->userEdit()->clear();
    m_login->passwordEdit()->setText(QStringLiteral("**"));
    state.IsAdminSession = false;
    state.CurUID = 0;
    state.CurUKind = 0;
    state.CurUserName.clear();
    m_user = Users::User();
    setMainMenuShown(false);
    m_topBar->hide();
    m_note->hide();
    // The users' windows belong to the session that ends.
    m_usersForm->hide();
    m_changePassForm->hide();
    if (!m_login->isVisible())
        m_addUserForm->hide();
    m_loginButton->show();
    m_loginButton->setFocus();
    if (!m_login->firstTimePanelShowing())
        m_login->showUserPanel();
    m_topBar->logoutButton()->hide();
    m_userName.clear();
    updateUserStatus();
    OldPass(false);
    m_login->present();
}

void TStoreForm::showLoginAgain()
{
    if (m_note->isHidden() && !m_login->isVisible())
        m_login->present();
}

// -- controls of an unlocked session -------------------------------------

void TStoreForm::OldPass(bool flag)
{
    m_menus->otherMenu()->menuAction()->setVisible(flag);
    for (const auto &apply : std::as_const(m_advanced))
        apply(flag);
}

void TStoreForm::addAdvancedControl(QWidget *widget)
{
    const QPointer<QWidget> guarded(widget);
    m_advanced.append([guarded](bool shown) {
        if (guarded)
            guarded->setVisible(shown);
    });
}

void TStoreForm::addAdvancedControl(QAction *action)
{
    const QPointer<QAction> guarded(action);
    m_advanced.append([guarded](bool shown) {
        if (guarded)
            guarded->setVisible(shown);
    });
}

void TStoreForm::addAdvancedControl(std::function<void(bool)> apply)
{
    m_advanced.append(std::move(apply));
}

// -- menus and bars ----------------------------------------------------

void TStoreForm::CheckMenu()
{
    const AppState &state = appState();
    // The menu items of a page follow the page.
    for (int page : {StorePages::Purchase, StorePages::Sum, StorePages::ItemCode, StorePages::Store, StorePages::Pay,
                     StorePages::Credit, StorePages::Names, StorePages::Cash, StorePages::Dept}) {
        for (QAction *action : m_actions->pageActions(page))
            action->setVisible(isPageVisible(page));
    }
    if (QMenu *invoices = m_menus->menu(QStringLiteral("InvoicesMenu")))
        invoices->menuAction()->setVisible(isPageVisible(StorePages::Purchase));

    // Only a user allowed both languages gets the language switch.
    const bool bothLanguages = state.CurUID == 0 || m_user.Lang == 0;
    m_topBar->languageButton()->setVisible(bothLanguages);
    m_about->languageButton()->setVisible(bothLanguages);
    if (QMenu *language = m_menus->menu(QStringLiteral("LanguageMenu")))
        language->menuAction()->setVisible(bothLanguages);

    setTopBarOption(options().isOn(QString::fromLatin1(OptKey::TopBar)));
    m_topBar->setVisible(m_loggedIn && m_showTopBarOption && state.CurUID != 0 && !pointOfSaleSession());
    statusBar()->setVisible(options().isOn(QString::fromLatin1(OptKey::BottomBar)));

    for (const auto &check : std::as_const(m_menuChecks))
        check();
}

void TStoreForm::TabShow(int style)
{
    m_tabShow = style >= 0 && style <= kNoSelector ? style : 0;
    switch (m_tabShow) {
    case 3:
        m_note->setTabPosition(QTabWidget::West);
        break;
    case 4:
        m_note->setTabPosition(QTabWidget::East);
        break;
    default:
        m_note->setTabPosition(QTabWidget::North);
        break;
    }
    m_note->setDocumentMode(m_tabShow == 1);
    m_note->setTabShape(m_tabShow == 2 ? QTabWidget::Triangular : QTabWidget::Rounded);
    m_note->tabBar()->setExpanding(false);
    // Without a selector the pages change through actions and shortcuts.
    m_note->tabBar()->setVisible(m_tabShow != kNoSelector);
}
