#include "TNewNameForm.h"

#include "accounts/AddressBook.h"
#include "data/TDataFormSQL.h"
#include "shell/AppState.h"
#include "shell/ChangeGuard.h"
#include "shell/Guard.h"
#include "shell/MsgBox.h"
#include "shell/YearGuard.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {
QLineEdit *edit(QWidget *parent, const char *name, int maxLength)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    return e;
}
} // namespace

TNewNameForm::TNewNameForm(TDataFormSQL &data, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_data(data)
{
    setObjectName(QStringLiteral("NewNameForm"));
    // The main window takes no input while an account is being entered.
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_name = edit(this, "NameEd", 100);
    m_tel1 = edit(this, "TelEd1", 15);
    m_tel2 = edit(this, "TelEd2", 15);
    m_fax = edit(this, "FaxEd", 15);
    m_kind = edit(this, "KindEd", 10);
    m_address = edit(this, "AddressED", 50);
    m_note = edit(this, "NoteED", 100);
    QLineEdit *edits[] = {m_name, m_tel1, m_tel2, m_fax, m_kind, m_address, m_note};
    for (int i = 0; i < 7; ++i) {
        m_labels[i] = new QLabel(this);
        form->addRow(m_labels[i], edits[i]);
    }
    m_cashOnly = new QCheckBox(this);
    m_cashOnly->setObjectName(QStringLiteral("IsCashOnlyChk"));
    form->addRow(QString(), m_cashOnly);
    layout->addLayout(form);

    m_grid = new QTableWidget(0, 1, this);
    m_grid->setObjectName(QStringLiteral("NameGrd"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->hide();
    layout->addWidget(m_grid);
    m_toId = new QLabel(this);
    m_toId->setObjectName(QStringLiteral("ToNameIDLB"));
    m_toId->hide();
    layout->addWidget(m_toId);

    auto *buttons = new QHBoxLayout;
    m_changeName = new QPushButton(this);
    m_changeName->setObjectName(QStringLiteral("ChangeNameBtn"));
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addWidget(m_changeName);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &TNewNameForm::OkBtnClick);
    connect(m_cancel, &QPushButton::clicked, this, &TNewNameForm::CancelBtnClick);
    connect(m_changeName, &QPushButton::clicked, this, &TNewNameForm::ChangeNameBtnClick);
    connect(m_name, &QLineEdit::textChanged, this, &TNewNameForm::NameEdChange);
    connect(m_name, &QLineEdit::returnPressed, this, &TNewNameForm::OkBtnClick);
    retranslate();
}

void TNewNameForm::retranslate()
{
    const char *captions[] = {QT_TR_NOOP("Name/ Account"), QT_TR_NOOP("Tel. 1"), QT_TR_NOOP("Tel. 2"),
                              QT_TR_NOOP("Fax No"),        QT_TR_NOOP("Kind"),   QT_TR_NOOP("Address"),
                              QT_TR_NOOP("Note")};
    for (int i = 0; i < 7; ++i)
        m_labels[i]->setText(tr(captions[i]));
    m_cashOnly->setText(tr("Cash Only"));
    m_ok->setText(tr("&Save"));
    m_cancel->setText(tr("Cancel"));
    m_changeName->setText(tr("Change Name"));
    setWindowTitle(m_mode == 'E' ? tr("Edit Name/Account") : tr("Add new Name/Account"));
}

void TNewNameForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TNewNameForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

int TNewNameForm::editedId() const
{
    return m_toId->text().toInt();
}

void TNewNameForm::clearFields()
{
    for (QLineEdit *e : {m_name, m_tel1, m_tel2, m_fax, m_kind, m_address, m_note})
        e->clear();
    m_cashOnly->setChecked(false);
    m_toId->clear();
}

bool TNewNameForm::open(char mode, int id)
{
    if (ShowCurYearErrorIfPast(parentWidget()))
        return false;
    AccountRow row;
    if (mode == 'E') {
        if (AddressBook::isSystemAccount(id) || !ConfirmByPassword(parentWidget(), ChangeGuard::editText()))
            return false;
        if (!AddressBook(m_data).account(id, &row)) {
            MsgBox::error(parentWidget(), QStringLiteral("Error!"));
            return false;
        }
    }
    m_mode = mode == 'E' ? 'E' : 'N';
    const QSignalBlocker block(m_name);
    clearFields();
    m_name->setEnabled(m_mode == 'N');
    m_changeName->setVisible(m_mode == 'E');
    if (m_mode == 'E') {
        m_name->setText(row.name);
        m_tel1->setText(row.tel1);
        m_tel2->setText(row.tel2);
        m_fax->setText(row.fax);
        m_kind->setText(row.kind);
        m_address->setText(row.address);
        m_note->setText(row.note);
        m_cashOnly->setChecked(row.cashOnly);
        m_toId->setText(QString::number(id));
    }
    retranslate();
    showWindow();
    return true;
}

void TNewNameForm::showWindow()
{
    show();
    raise();
    activateWindow();
    (m_name->isEnabled() ? m_name : m_tel1)->setFocus();
    NameEdChange();
}

void TNewNameForm::NameEdChange()
{
    if (m_mode != 'N') {
        m_ok->setEnabled(true);
        return;
    }
    m_ok->setEnabled(!AddressBook(m_data).nameExists(m_name->text()));
}

void TNewNameForm::OkBtnClick()
{
    if (!m_ok->isEnabled())
        return;
    if (m_name->text().trimmed().isEmpty()) {
        MsgBox::error(this, QStringLiteral("Error, Chose Name"));
        m_name->setFocus();
        return;
    }
    AccountRow row;
    row.id = m_mode == 'E' ? editedId() : 0;
    row.name = m_name->text();
    row.tel1 = m_tel1->text();
    row.tel2 = m_tel2->text();
    row.fax = m_fax->text();
    row.kind = m_kind->text();
    row.address = m_address->text();
    row.note = m_note->text();
    row.cashOnly = m_cashOnly->isChecked();
    const AddressBook::Outcome out = AddressBook(m_data).save(row);
    if (!out.ok) {
        // The window stays open with what was typed.
        MsgBox::error(this, out.message);
        return;
    }
    emit saved(out.id);
    close();
}

void TNewNameForm::CancelBtnClick()
{
    close();
}

void TNewNameForm::ChangeNameBtnClick()
{
    if (m_mode != 'E')
        return;
    const QString oldName = m_name->text();
    bool ok = false;
    const QString newName =
        MsgBox::inputText(this, tr(" Change Account Name"), tr("Input the New Name"), QLineEdit::Normal, QString(), &ok);
    if (!ok || newName.isEmpty())
        return;
    const QString question = AddressBook::renameQuestion(oldName, newName);
    if (!MsgBox::confirm(this, question) || !ConfirmByPassword(this, question))
        return;
    const AddressBook::Outcome out = AddressBook(m_data).rename(editedId(), newName);
    if (!out.ok) {
        if (!out.message.isEmpty())
            MsgBox::error(this, out.message);
        return;
    }
    emit saved(out.id);
    close();
    MsgBox::information(parentWidget(), out.message);
}
