// The logged-in and logged-out states of the main window.

#include "TStoreForm.h"

#include "MsgBox.h"
#include "StoreActions.h"
#include "StoreMenus.h"
#include "StoreTopBar.h"
#include "TLogInForm.h"
#include "shell/AppState.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

// -- sessions ----------------------------------------------------------

void TStoreForm::PassOk(bool isAdmin, const QString &name)
{
    AppState &state = appState();
    m_loggedIn = true;
    state.IsAdminSession = isAdmin;
    const bool posUser = state.CurUID != 0 && state.CurUKind == 2;

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
    setMainMenuShown(!posUser);
}

void TStoreForm::PassNotOK()
{
    m_loggedIn = false;
    m_actions->setSuspended(true);
    m_login->userEdit()->clear();
    m_login->passwordEdit()->setText(QStringLiteral("**"));
    appState().IsAdminSession = false;
    setMainMenuShown(false);
    m_topBar->hide();
    m_note->hide();
    m_loginButton->show();
    m_loginButton->setFocus();
    if (!m_login->firstTimePanelShowing())
        m_login->showUserPanel();
    m_topBar->logoutButton()->hide();
    m_userName.clear();
    updateUserStatus();
    m_login->present();
}

void TStoreForm::showLoginAgain()
{
    if (m_note->isHidden() && !m_login->isVisible())
        m_login->present();
}

