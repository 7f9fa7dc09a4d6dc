#include "TChangePassForm.h"

#include "MsgBox.h"
#include "shell/AppState.h"
#include "shell/Users.h"
#include "ui_TChangePassForm.h"

TChangePassForm::TChangePassForm(TDataFormSQL &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
    , m_ui(std::make_unique<Ui::TChangePassForm>())
{
    m_ui->setupUi(this);
    connect(m_ui->ChangeBtn, &QPushButton::clicked, this, &TChangePassForm::ChangeBtnClick);
    connect(m_ui->CancelBtn, &QPushButton::clicked, this, [this] {
        clearFields();
        reject();
    });
}

TChangePassForm::~TChangePassForm() = default;

QString TChangePassForm::wrongPasswordMessage()
{
    return tr("Wrong Password");
}

void TChangePassForm::ChangeBtnClick()
{
    const int uid = appState().CurUID;
    const std::optional<Users::User> user = uid != 0 ? Users::findById(m_data, uid) : std::nullopt;
    const QString newPassword = m_ui->NewPassEd->text();
    if (!user || newPassword != m_ui->ConfirmPassEd->text()
        || !Users::passwordMatches(*user, m_ui->OldPassEd->text())) {
        MsgBox::error(this, wrongPasswordMessage());
        clearFields();
        return;
    }
    QString error;
    if (!Users::changePassword(m_data, uid, newPassword, &error)) {
        MsgBox::error(this, tr("The password could not be saved:\n%1").arg(error));
        return;
    }
    clearFields();
    emit passwordChanged(uid);
    accept();
}

void TChangePassForm::clearFields()
{
    m_ui->OldPassEd->clear();
    m_ui->NewPassEd->clear();
    m_ui->ConfirmPassEd->clear();
    m_ui->OldPassEd->setFocus();
}

void TChangePassForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    clearFields();
}

void TChangePassForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
