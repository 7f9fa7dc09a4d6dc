// The users' windows of the main window: the users window, the add/edit
// window (also the login window's "Add ADMIN") and the change of password.

#include "TStoreForm.h"

#include "StoreActions.h"
#include "TAddUserForm.h"
#include "TChangePassForm.h"
#include "TLogInForm.h"
#include "TUsersForm.h"
#include "shell/AppState.h"

#include <QAction>

void TStoreForm::wireSession()
{
    m_usersForm = new TUsersForm(m_data, this);
    m_addUserForm = new TAddUserForm(m_data, this);
    m_changePassForm = new TChangePassForm(m_data, this);

    connect(m_login, &TLogInForm::loginRequested, this,
            [this](const QString &name, const QString &password) { logIn(name, password); });
    connect(m_login, &TLogInForm::addAdminRequested, this,
            [this] { openAddUserForm(QVector<bool>(Users::kPageCount, true), true); });

    QAction *users = m_actions->action(QStringLiteral("UsersAction"));
    m_actions->markReady(users);
    m_actions->setAllowed(users, false); // administrators only, from PassOk on
    connect(users, &QAction::triggered, this, &TStoreForm::openUsersForm);

    QAction *changePass = m_actions->action(QStringLiteral("ChangePassAction"));
    m_actions->markReady(changePass);
    connect(changePass, &QAction::triggered, this, [this] {
        m_changePassForm->show();
        m_changePassForm->raise();
        m_changePassForm->activateWindow();
    });
    // The guard asks the supervisor's password as it is now.
    connect(m_changePassForm, &TChangePassForm::passwordChanged, this,
            [this] { appState().SupervisorPassword = Users::supervisorPassword(m_data); });

    connect(m_usersForm, &TUsersForm::addRequested, this,
            [this](const QVector<bool> &rights) { openAddUserForm(rights, false); });
    connect(m_usersForm, &TUsersForm::editRequested, this,
            [this](const Users::User &user, const QVector<bool> &rights) {
                m_usersForm->hide();
                m_addUserForm->openEdit(user, rights);
            });
    connect(m_addUserForm, &TAddUserForm::closed, this, &TStoreForm::addUserFormClosed);
}

void TStoreForm::openUsersForm()
{
    if (!m_loggedIn || !appState().IsAdminSession)
        return;
    m_usersForm->show();
    m_usersForm->raise();
    m_usersForm->activateWindow();
}

void TStoreForm::openAddUserForm(const QVector<bool> &rights, bool firstAdministrator)
{
    m_usersForm->hide();
    // While the login window is up nobody works in the program yet: the
    // user added is its first administrator.
    m_addUserForm->openNew(rights, firstAdministrator || m_login->isVisible());
}

void TStoreForm::addUserFormClosed()
{
    // A first administrator takes effect through a new start.
    if (m_login->isVisible()) {
        restart();
        return;
    }
    const int saved = m_addUserForm->savedUid();
    m_usersForm->show();
    m_usersForm->reload(saved);
}
