#include "TStoreForm.h"

#include "AboutPage.h"
#include "LanguageManager.h"
#include "MsgBox.h"
#include "StoreActions.h"
#include "StoreMenus.h"
#include "StoreTopBar.h"
#include "TLogInForm.h"
#include "VerticalLabel.h"
#include "WaitPanel.h"
#include "data/TDataFormSQL.h"
#include "data/TDbOptionsForm.h"
#include "pos/PosInstall.h"
#include "accounts/NamesPage.h"
#include "documents/DocumentsInstall.h"
#include "items/CataloguePage.h"
#include "items/LabelInstall.h"
#include "items/StockInstall.h"
#include "accounts/TMoneyForm.h"
#include "shell/AppState.h"
#include "shell/Clock.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

bool startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool systemPowerOff(int flags)
{
    Q_UNUSED(flags) // always a forced power-off here
#if defined(Q_OS_LINUX)
    return QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
#else
    return false;
#endif
}

// Document kinds of the invoices page, as the document actions open them.
enum DocumentKind { Purchases = 0, Sales = 1, PriceLists = 2, ReturnsToUs = 3, ReturnsFromUs = 4, Manufacturing = 5 };

} // namespace

TStoreForm::TStoreForm(TDataFormSQL &data, QWidget *parent)
    : QMainWindow(parent)
    , m_data(data)
    , m_launcher(startDetached)
    , m_powerOff(systemPowerOff)
{
    setObjectName(QStringLiteral("TStoreForm"));
    buildWindow();
    wireActions();
    wireDialogs();
    wireSession();
    wireYears();
    wireOptions();
    wireLanguage();
    connect(m_actions->action(QStringLiteral("PrintBillAction")), &QAction::triggered, this,
            &TStoreForm::PrintBillNor);
    installPosPage(*this);
    installCataloguePage(*this);
    installStockPage(*this); // puts its button onto the codes page
    installBarcodeLabels(*this);
    installDocumentsPage(*this);
    installAddressBookPage(*this);
    installMoneyForm(*this);

    // Nothing is open until the window is shown; the start-up opens the
    // year database of the settings file.
    m_data.CloseDB();
    m_note->setCurrentIndex(StorePages::About);
    m_actions->setSuspended(true);
    retranslate();
}

TStoreForm::~TStoreForm() = default;

void TStoreForm::buildWindow()
{
    resize(1024, 700);
    setMenuBar(new QMenuBar(this));
    m_actions = new StoreActions(this);
    m_menus = new StoreMenus(menuBar(), *m_actions);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainPanel"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    m_topBar = new StoreTopBar(central);
    m_topBar->hide();
    layout->addWidget(m_topBar);

    m_waitPanel = new WaitPanel(central);
    layout->addWidget(m_waitPanel);

    auto *pagesRow = new QHBoxLayout;
    m_note = new QTabWidget(central);
    m_note->setObjectName(QStringLiteral("TNote"));
    for (int i = 0; i < StorePages::kCount; ++i) {
        QWidget *page = nullptr;
        if (i == StorePages::About) {
            m_about = new AboutPage(m_note);
            page = m_about;
        } else {
            page = new QWidget(m_note);
        }
        page->setObjectName(StorePages::objectName(i));
        m_note->addTab(page, QString());
    }
    pagesRow->addWidget(m_note, 1);

    m_noModify = new VerticalLabel(central);
    m_noModify->setObjectName(QStringLiteral("NoModifyLb"));
    m_noModify->setText(QStringLiteral("  You Can not Modify  لا يمكنك التعديل "));
    QPalette red = m_noModify->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_noModify->setPalette(red);
    QFont bold = m_noModify->font();
    bold.setBold(true);
    m_noModify->setFont(bold);
    m_noModify->hide();
    pagesRow->addWidget(m_noModify);
    layout->addLayout(pagesRow, 1);

    m_loginButton = new QPushButton(central);
    m_loginButton->setObjectName(QStringLiteral("LogInBtn"));
    m_loginButton->hide();
    layout->addWidget(m_loginButton, 0, Qt::AlignCenter);
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 3; ++i) {
        m_status[i] = new QLabel(statusBar());
        m_status[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    }
    statusBar()->addWidget(m_status[0], 3);
    statusBar()->addWidget(m_status[1], 1);
    statusBar()->addWidget(m_status[2], 2);

    m_login = new TLogInForm(this);
    m_dbOptions = new TDbOptionsForm(m_data, m_login);
}

void TStoreForm::wireActions()
{
    StoreActions &a = *m_actions;
    const auto toPage = [this](const char *name, int page) {
        connect(m_actions->action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, page] { GoTab(page); });
    };
    // The document actions open the invoices page; the document kind is
    // chosen there.
    const auto toDocuments = [this](const char *name, int kind) {
        connect(m_actions->action(QString::fromLatin1(name)), &QAction::triggered, this, [this, kind] {
            GoTab(StorePages::Purchase);
            if (currentPage() == StorePages::Purchase)
                emit documentKindRequested(kind);
        });
    };
    toDocuments("SaleAction", Sales);
    toDocuments("PListAction", PriceLists);
    toDocuments("BToUAction", ReturnsToUs);
    toDocuments("BFromUsAction", ReturnsFromUs);
    toDocuments("PurAction", Purchases);
    toDocuments("IndAction", Manufacturing);
    toPage("SumAction", StorePages::Sum);
    toPage("CodeAction", StorePages::ItemCode);
    toPage("StoreAction", StorePages::Store);
    toPage("AboutAction", StorePages::About);
    toPage("PayAction", StorePages::Pay);
    toPage("CrdAction", StorePages::Credit);
    toPage("OldAction", StorePages::Old);
    toPage("EmpAction", StorePages::Employee);
    toPage("NamesAction", StorePages::Names);
    toPage("CashAction", StorePages::Cash);
    toPage("DebitAction", StorePages::Dept);
    toPage("PrepAction", StorePages::Rep);
    connect(a[QStringLiteral("ExitUserAction")], &QAction::triggered, this, &TStoreForm::PassNotOK);

    connect(m_menus->exitItem(), &QAction::triggered, this, &QWidget::close);
    connect(m_menus->shutdownItem(), &QAction::triggered, this, &TStoreForm::exitAndShutDown);
    connect(m_menus->lockItem(), &QAction::triggered, this, &TStoreForm::PassNotOK);
    connect(m_menus->arabicItem(), &QAction::triggered, this,
            [] { LanguageManager::instance().setLanguage(true); });
    connect(m_menus->englishItem(), &QAction::triggered, this,
            [] { LanguageManager::instance().setLanguage(false); });

    connect(m_topBar, &StoreTopBar::languageClicked, this, [] { LanguageManager::instance().toggle(); });
    connect(m_about, &AboutPage::languageClicked, this, [] { LanguageManager::instance().toggle(); });
    connect(m_topBar, &StoreTopBar::logoutClicked, this, &TStoreForm::PassNotOK);
    connect(m_loginButton, &QPushButton::clicked, this, &TStoreForm::showLoginAgain);

    connect(m_note, &QTabWidget::currentChanged, this, &TStoreForm::onPageChanged);
    connect(&m_data, &TDataFormSQL::gaugeStep, m_waitPanel, &WaitPanel::step);
    connect(&m_data, &TDataFormSQL::gaugeHidden, m_waitPanel, &WaitPanel::finish);
}

void TStoreForm::wireDialogs()
{
    connect(m_login, &TLogInForm::closeRequested, this, &QWidget::close);
    connect(m_login, &TLogInForm::dbOptionsRequested, this, [this] {
        m_dbOptions->show();
        m_dbOptions->raise();
        m_dbOptions->activateWindow();
    });
    connect(m_dbOptions, &TDbOptionsForm::connectFailed, this, [this] {
        m_login->showFirstTimePanel();
        m_login->present();
    });
}

// -- pages -------------------------------------------------------------

int TStoreForm::currentPage() const
{
    return m_note->currentIndex();
}

QWidget *TStoreForm::page(int index) const
{
    return m_note->widget(index);
}

bool TStoreForm::isPageVisible(int index) const
{
    return index >= 0 && index < m_note->count() && m_note->isTabVisible(index);
}

void TStoreForm::setPageVisible(int index, bool visible)
{
    if (index < 0 || index >= m_note->count())
        return;
    if (index == StorePages::About)
        visible = true; // the about page is always there
    m_note->setTabVisible(index, visible);
    for (QAction *action : m_actions->pageActions(index))
        action->setVisible(visible);
    if (index == StorePages::Purchase)
        m_menus->menu(QStringLiteral("InvoicesMenu"))->menuAction()->setVisible(visible);
}

void TStoreForm::setPageWork(int index, PageDispatch::Work work)
{
    m_dispatch.setWork(index, std::move(work));
}

void TStoreForm::setPagePrint(int index, std::function<void()> print)
{
    if (index < 0 || index >= StorePages::kCount)
        return;
    m_pagePrint[size_t(index)] = std::move(print);
    m_actions->markReady(m_actions->action(QStringLiteral("PrintBillAction")));
}

void TStoreForm::PrintBillNor()
{
    const int index = currentPage();
    if (index >= 0 && index < StorePages::kCount && m_pagePrint[size_t(index)])
        m_pagePrint[size_t(index)]();
}

void TStoreForm::GoTab(int index)
{
    if (!isPageVisible(index) || !m_note->isVisibleTo(this))
        return;
    if (m_note->currentIndex() != index)
        m_note->setCurrentIndex(index); // the page change runs its work
    else
        runPageWork(index);
}

void TStoreForm::onPageChanged(int index)
{
    runPageWork(index);
}

void TStoreForm::runPageWork(int index)
{
    if (appState().FirstShow || index < 0)
        return;
    if (m_commonPageWork) {
        try {
            m_commonPageWork();
        } catch (...) {
            qWarning("Page change: the common page work failed");
        }
    }
    // The action list is live on every page but the point of sale, and
    // only while somebody is logged in.
    m_actions->setSuspended(!m_loggedIn || index == StorePages::POS);
    m_status[0]->setText(StorePages::hint(index));
    m_dispatch.run(index);
}

void TStoreForm::setMainMenuShown(bool shown)
{
    // A hidden menu bar also takes the menu's own shortcuts away.
    menuBar()->setVisible(shown);
}

// -- status and marker -------------------------------------------------

void TStoreForm::updateReadOnlyMarker()
{
    m_noModify->setVisible(!appState().isCurrentYear());
}

void TStoreForm::updateUserStatus()
{
    QString text = Clock::today().toString(QStringLiteral("dd/MM/yyyy"));
    if (m_loggedIn && !m_userName.isEmpty())
        text += tr("       User: ") + m_userName;
    m_status[2]->setText(text);
}

QCheckBox *TStoreForm::shutdownBox() const
{
    return m_about->shutdownBox();
}

// -- ending ------------------------------------------------------------

void TStoreForm::closeEvent(QCloseEvent *event)
{
    const auto finish = [this, event] {
        m_login->hide();
        m_dbOptions->hide();
        event->accept();
    };
    if (appState().Restarting || m_closingSilently || !isVisible()) {
        m_data.CloseDB();
        finish();
        return;
    }
    if (!MsgBox::confirm(this, tr("Are You Sure To EXIT program?"))) {
        event->ignore();
        m_note->setCurrentIndex(StorePages::About);
        return;
    }
    for (const auto &work : std::as_const(m_exitWork))
        work();
    m_note->hide();
    m_topBar->hide();
    m_loginButton->hide();
    m_data.CloseDB();
    finish();
    if (shutdownBox()->isChecked())
        WindowsExit(12);
}

void TStoreForm::closeWithoutQuestions()
{
    m_closingSilently = true;
    close();
}

void TStoreForm::exitAndShutDown()
{
    shutdownBox()->setChecked(true);
    if (!close())
        shutdownBox()->setChecked(false);
}

void TStoreForm::restart()
{
    appState().Restarting = true;
    close();
    if (!m_launcher || !m_launcher(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1)))
        MsgBox::error(nullptr, tr("The program could not be started again. Please start it yourself."));
}

bool TStoreForm::WindowsExit(int flags)
{
    return m_powerOff && m_powerOff(flags);
}

// -- language ----------------------------------------------------------

void TStoreForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void TStoreForm::retranslate()
{
    for (int i = 0; i < m_note->count(); ++i)
        m_note->setTabText(i, StorePages::caption(i));
    m_actions->retranslate();
    m_menus->retranslate();
    m_topBar->retranslate();
    m_about->retranslate();
    m_loginButton->setText(tr("&LogIn"));
    if (!appState().FirstShow)
        m_status[0]->setText(StorePages::hint(currentPage()));
    updateUserStatus();
}
