#pragma once

#include "StorePages.h"
#include "data/StartupOpen.h"

#include <QMainWindow>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class AboutPage;
class StoreActions;
class StoreMenus;
class StoreTopBar;
class TDataFormSQL;
class TDbOptionsForm;
class TLogInForm;
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
    // Runs before the page-specific work on every page change.
    void setCommonPageWork(std::function<void()> work) { m_commonPageWork = std::move(work); }

    // -- sessions (logged-in / logged-out states)
    void PassOk(bool isAdmin, const QString &name);
    void PassNotOK();
    bool isLoggedIn() const { return m_loggedIn; }

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

signals:
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
    // options (StoreOptions.cpp)
    // language and appearance (StoreLanguage.cpp)

    // start-up (StoreStartup.cpp)
    void FormShow();
    bool openYearDatabase();
    void firstShowWork();
    void fillYearList();
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

    PageDispatch m_dispatch;
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
