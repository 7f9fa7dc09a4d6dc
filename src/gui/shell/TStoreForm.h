#pragma once

#include "StorePages.h"
#include "data/StartupOpen.h"
#include "shell/Users.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class AboutPage;
class PageAppearance;
class StoreActions;
class StoreMenus;
class StoreTopBar;
class TDataFormSQL;
class TDbOptionsForm;
class TLogInForm;
class TOptForm;
class TAddUserForm;
class TChangePassForm;
class TUsersForm;
class VerticalLabel;
class WaitPanel;

// The main window: the page control TNote with the fifteen work pages, the
// action list with its shortcuts, the main menu, top bar, status bar, wait
// panel and read-only marker. It runs the start-up, page changes, logout /
// login states, the exit sequence and the restart.
class TStoreForm : public QMainWindow
{
    Q_OBJECT
public:
    // Starts the program again (program file, arguments).
    using Launcher = std::function<bool(const QString &, const QStringList &)>;
    // Asks the system to power off with the given flags.
    using PowerOff = std::function<bool(int)>;

    explicit TStoreForm(TDataFormSQL &data, QWidget *parent = nullptr);
    ~TStoreForm() override;

    // -- pages
    // Makes page `index` the active page and runs its page-change work,
    // if that page and the page control are visible.
    void GoTab(int index);
    int currentPage() const;
    void setPageVisible(int index, bool visible);
    bool isPageVisible(int index) const;
    QWidget *page(int index) const;
    // The work a page does when it becomes active (replaces any earlier).
    void setPageWork(int index, PageDispatch::Work work);
    // What the print action prints on a page (PrintBillNor): the page's
    // own printout; pages without one print nothing.
    void setPagePrint(int index, std::function<void()> print);
    void PrintBillNor();
    // Runs before the page-specific work on every page change.
    void setCommonPageWork(std::function<void()> work) { m_commonPageWork = std::move(work); }

    // -- sessions (logged-in / logged-out states; StoreSession.cpp)
    // The login of the login window: finds the user by login name, checks
    // the password and enters the logged-in state with the user's rights.
    bool logIn(const QString &loginName, const QString &password);
    void PassOk(bool isAdmin, const QString &name);
    void PassNotOK();
    bool isLoggedIn() const { return m_loggedIn; }
    // The logged-in user (UID 0 when nobody, or the automatic session).
    const Users::User &currentUser() const { return m_user; }
    // Shows (true) or hides the controls kept for an unlocked session.
    void OldPass(bool flag);
    // Controls that OldPass shows and hides; a function receives the flag.
    void addAdvancedControl(QWidget *widget);
    void addAdvancedControl(QAction *action);
    void addAdvancedControl(std::function<void(bool)> apply);
    // Applies the options and the user's rights to menus and bars.
    void CheckMenu();
    // More work for CheckMenu (sub-pages that follow options, ...).
    void addMenuCheck(std::function<void()> check) { m_menuChecks.append(std::move(check)); }
    // Page selector style: 0 buttons, 1 flat buttons, 2 tabs, 3 tabs on the
    // left, 4 on the right, 5 none (pages change by actions only).
    void TabShow(int style);
    int tabShowStyle() const { return m_tabShow; }
    // -- users' windows (StoreUsers.cpp)
    TUsersForm *usersForm() const { return m_usersForm; }
    TAddUserForm *addUserForm() const { return m_addUserForm; }
    TChangePassForm *changePassForm() const { return m_changePassForm; }

    // -- ending
    void restart();
    bool WindowsExit(int flags);
    void setRestartLauncher(Launcher launcher) { m_launcher = std::move(launcher); }
    void setPowerOff(PowerOff powerOff) { m_powerOff = std::move(powerOff); }
    // Closes without the exit question (e.g. when the program is told to
    // quit from outside).
    void closeWithoutQuestions();
    // Work to run on a confirmed exit before the connection closes.
    void addExitWork(std::function<void()> work) { m_exitWork.append(std::move(work)); }

    // -- read-only marker and status bar
    void updateReadOnlyMarker();
    void updateUserStatus();
    void setTopBarOption(bool show) { m_showTopBarOption = show; }

    // -- parts
    StartupOpen &startupOpen() { return m_startup; }
    StoreActions &actions() const { return *m_actions; }
    StoreMenus &menus() const { return *m_menus; }
    QTabWidget *note() const { return m_note; }
    StoreTopBar *topBar() const { return m_topBar; }
    WaitPanel *waitPanel() const { return m_waitPanel; }
    TLogInForm *loginForm() const { return m_login; }
    TDbOptionsForm *dbOptionsForm() const { return m_dbOptions; }
    QCheckBox *shutdownBox() const;
    TDataFormSQL &data() const { return m_data; }

    void retranslate();

    // -- years and companies (StoreYears.cpp)
    // Rebuilds the year list of the current company from the server. When
    // CurYear is not among its years: the message, the first-time panel of
    // the login window, and false.
    bool FindYears();
    // Opens the year selected in YearSP.
    void YearSpChange();
    void selectLatestYear();
    // Selects company 1..5 and opens its latest year.
    void switchCompany(int company);
    // The company of DataPrefix (1..5), 0 when it is none of them.
    int currentCompany() const;

    // -- options (StoreOptions.cpp)
    // Loads the options of the open year database and applies them.
    bool LoadOptions();
    // The invoice print design from the options in memory.
    void loadPrintDesign();
    // Writes dbOptions.txt and saves the options into the open database.
    bool SaveOptions();
    // Applies the options in memory to the window (bars, grids, pages).
    void applyOptions();
    TOptForm *optForm() const { return m_optForm; }
    PageAppearance &appearance() const { return *m_appearance; }

    // -- language and appearance (StoreLanguage.cpp)
    void SetMyLanguage(bool arabic);
    // The language right of the logged-in user: 0 both (the saved one),
    // 1 Arabic only, 2 English only.
    void applyUserLanguage(int lang);
    void SetKeyBoardLanguage(bool arabic);

signals:
    // The options in memory were loaded or changed and have been applied.
    void optionsApplied();
    // The first show's start-up is over (ok: the year database is open).
    void startupFinished(bool ok);
    // A document action opened the invoices page on document kind `kind`
    // (0 purchases, 1 sales, 2 price lists, 3 returns to us, 4 returns
    // from us, 5 manufacturing).
    void documentKindRequested(int kind);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildWindow();
    void wireActions();
    void wireDialogs();
    void onPageChanged(int index);
    void runPageWork(int index);
    void setMainMenuShown(bool shown);
    void exitAndShutDown();
    void showLoginAgain();

    // years and companies (StoreYears.cpp)
    void wireYears();
    void openSelectedYear(bool saveLeaving);
    // options (StoreOptions.cpp)
    void wireOptions();
    void showOptForm();
    void dataMaintain();
    // language and appearance (StoreLanguage.cpp)
    void wireLanguage();
    void onLanguageChanged(bool arabic);

    // sessions and users (StoreSession.cpp, StoreUsers.cpp)
    void wireSession();
    void applyRights(const Users::User &user);
    void applyOptionsAfterLogin();
    void openUsersForm();
    void openAddUserForm(const QVector<bool> &rights, bool firstAdministrator);
    void addUserFormClosed();

    // start-up (StoreStartup.cpp)
    void FormShow();
    bool openYearDatabase();
    void firstShowWork();
    void upgradeProbe();

    TDataFormSQL &m_data;
    StartupOpen m_startup;
    StoreActions *m_actions = nullptr;
    StoreMenus *m_menus = nullptr;
    QTabWidget *m_note = nullptr;
    AboutPage *m_about = nullptr;
    StoreTopBar *m_topBar = nullptr;
    WaitPanel *m_waitPanel = nullptr;
    VerticalLabel *m_noModify = nullptr;
    QPushButton *m_loginButton = nullptr;
    QLabel *m_status[3] = {nullptr, nullptr, nullptr};
    TLogInForm *m_login = nullptr;
    TDbOptionsForm *m_dbOptions = nullptr;
    TOptForm *m_optForm = nullptr;
    PageAppearance *m_appearance = nullptr;

    TUsersForm *m_usersForm = nullptr;
    TAddUserForm *m_addUserForm = nullptr;
    TChangePassForm *m_changePassForm = nullptr;
    Users::User m_user;
    int m_tabShow = 0;
    QList<std::function<void(bool)>> m_advanced;
    QList<std::function<void()>> m_menuChecks;

    PageDispatch m_dispatch;
    std::array<std::function<void()>, StorePages::kCount> m_pagePrint;
    std::function<void()> m_commonPageWork;
    QList<std::function<void()>> m_exitWork;
    Launcher m_launcher;
    PowerOff m_powerOff;

    bool m_loggedIn = false;
    bool m_shownOnce = false;
    bool m_closingSilently = false;
    bool m_showTopBarOption = true;
    QString m_userName;
};
