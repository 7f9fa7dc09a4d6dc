#include "TLogInForm.h"

#include "ui_TLogInForm.h"

#include <QCloseEvent>
#include <QScreen>

TLogInForm::TLogInForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::TLogInForm>())
{
    m_ui->setupUi(this);
    connect(m_ui->LoginBtn, &QPushButton::clicked, this,
            [this] { emit loginRequested(m_ui->UEdit->text(), m_ui->PEdit->text()); });
    connect(m_ui->PEdit, &QLineEdit::returnPressed, m_ui->LoginBtn, &QPushButton::click);
    connect(m_ui->UEdit, &QLineEdit::returnPressed, this, [this] { m_ui->PEdit->setFocus(); });
    connect(m_ui->AddAdminBtn, &QPushButton::clicked, this, &TLogInForm::addAdminRequested);
    connect(m_ui->RestoreBtn, &QPushButton::clicked, this, &TLogInForm::restoreRequested);
    connect(m_ui->DbOptionsBtn, &QPushButton::clicked, this, &TLogInForm::dbOptionsRequested);
    showUserPanel();
}

TLogInForm::~TLogInForm() = default;

void TLogInForm::showUserPanel()
{
    m_ui->FirstTimePanel->hide();
    m_ui->UserInPanel->show();
    setFixedHeight(kUserPanelHeight);
}

void TLogInForm::showFirstTimePanel()
{
    m_ui->UserInPanel->hide();
    m_ui->FirstTimePanel->show();
    setFixedHeight(kFirstTimePanelHeight);
}

bool TLogInForm::firstTimePanelShowing() const
{
    return !m_ui->FirstTimePanel->isHidden();
}

QLineEdit *TLogInForm::userEdit() const
{
    return m_ui->UEdit;
}

QLineEdit *TLogInForm::passwordEdit() const
{
    return m_ui->PEdit;
}

void TLogInForm::present()
{
    centre();
    show();
    raise();
    activateWindow();
    if (!firstTimePanelShowing())
        m_ui->UEdit->setFocus();
}

void TLogInForm::showLoginFailed()
{
    show();
    raise();
    activateWindow();
    m_ui->PEdit->setFocus();
    m_ui->PEdit->selectAll();
}

void TLogInForm::centre()
{
    QRect area;
    if (parentWidget() && parentWidget()->isVisible())
        area = parentWidget()->frameGeometry();
    else if (const QScreen *screen = this->screen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void TLogInForm::retranslate()
{
    m_ui->retranslateUi(this);
}

void TLogInForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TLogInForm::closeEvent(QCloseEvent *event)
{
    // Only a close by the user takes the program with it; the window may
    // also be asked to close while hidden (when the program quits).
    const bool byUser = isVisible();
    event->accept();
    if (byUser)
        emit closeRequested();
}
