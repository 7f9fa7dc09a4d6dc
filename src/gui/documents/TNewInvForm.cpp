#include "TNewInvForm.h"

#include "DocumentLinesModel.h"
#include "DocumentTexts.h"
#include "accounts/AddressBook.h"
#include "accounts/Money.h"
#include "accounts/TNewNameForm.h"
#include "documents/Documents.h"
#include "shell/AppState.h"
#include "shell/ChangeGuard.h"
#include "shell/Clock.h"
#include "shell/Guard.h"
#include "shell/KeyboardLayout.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"
#include "shell/YearGuard.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {
template<typename T>
T *named(QWidget *parent, const char *name)
{
    auto *w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

TNewInvForm::TNewInvForm(TDataFormSQL &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("NewInvForm"));
    setWindowModality(Qt::ApplicationModal);
    auto *form = new QFormLayout;

    m_nameLabel = new QLabel(this);
    auto *nameRow = new QHBoxLayout;
    m_name = named<QComboBox>(this, "NameCB");
    m_name->setMinimumWidth(260);
    m_newName = named<QPushButton>(this, "NewNameBtn");
    m_changeName = named<QPushButton>(this, "ChangeNameBtn");
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_newName);
    nameRow->addWidget(m_changeName);
    form->addRow(m_nameLabel, nameRow);

    m_noteLabel = new QLabel(this);
    m_note = named<QLineEdit>(this, "NoteEd");
    form->addRow(m_noteLabel, m_note);
    m_invLabel = new QLabel(this);
    m_invNo = named<QLineEdit>(this, "InvEd");
    form->addRow(m_invLabel, m_invNo);

    m_cashBox = named<QGroupBox>(this, "CashRG");
    auto *cashLayout = new QHBoxLayout(m_cashBox);
    m_cash = named<QRadioButton>(m_cashBox, "CashRB");
    m_debit = named<QRadioButton>(m_cashBox, "DebitRB");
    cashLayout->addWidget(m_cash);
    cashLayout->addWidget(m_debit);
    form->addRow(m_cashBox);

    m_dateLabel = new QLabel(this);
    m_date = named<QLineEdit>(this, "DateEd");
    form->addRow(m_dateLabel, m_date);
    m_startLabel = new QLabel(this);
    m_start = named<QLineEdit>(this, "StartDateEd");
    form->addRow(m_startLabel, m_start);

    m_discountBox = named<QGroupBox>(this, "DiscountRG");
    auto *discountLayout = new QHBoxLayout(m_discountBox);
    m_discount = named<QRadioButton>(m_discountBox, "DiscountRB");
    m_commission = named<QRadioButton>(m_discountBox, "CommitionRB");
    m_percent = named<QLineEdit>(m_discountBox, "DiscountED");
    discountLayout->addWidget(m_discount);
    discountLayout->addWidget(m_commission);
    discountLayout->addWidget(m_percent);
    form->addRow(m_discountBox);

    auto *buttons = new QHBoxLayout;
    m_ok = named<QPushButton>(this, "OkBtn");
    m_cancel = named<QPushButton>(this, "CancelBtn");
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    // Enter saves; the other buttons only take a click.
    for (QPushButton *b : {m_newName, m_changeName, m_cancel})
        b->setAutoDefault(false);
    m_ok->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    for (QLineEdit *e : {m_date, m_start})
        e->installEventFilter(this);
    connect(m_name, &QComboBox::currentIndexChanged, this, &TNewInvForm::NameCBChange);
    connect(m_invNo, &QLineEdit::textEdited, this, &TNewInvForm::InvEdChange);
    connect(m_date, &QLineEdit::textChanged, this, &TNewInvForm::updateSave);
    connect(m_note, &QLineEdit::textChanged, this, &TNewInvForm::updateSave);
    connect(m_percent, &QLineEdit::textEdited, this, &TNewInvForm::DiscountEDChange);
    connect(m_ok, &QPushButton::clicked, this, &TNewInvForm::OkBtnClick);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(this, &QDialog::rejected, this, &TNewInvForm::closed); // Esc, Cancel, the close box
    connect(m_newName, &QPushButton::clicked, this, &TNewInvForm::NewNameBtnClick);
    connect(m_changeName, &QPushButton::clicked, this, &TNewInvForm::ChangeNameBtnClick);
    retranslate();
}

void TNewInvForm::retranslate()
{
    const QString caption = DocumentTexts::kindCaption(int(m_kind));
    setWindowTitle((m_mode == Insert ? tr("Add new ") : tr("Edit ")) + caption);
    m_nameLabel->setText(tr("Company Name"));
    m_newName->setText(QStringLiteral("+ اسم جديد"));
    m_newName->setToolTip(tr("Add New Name"));
    m_changeName->setText(QStringLiteral("تغيير الاسم"));
    m_noteLabel->setText(tr("Ind. Name/Note"));
    m_invLabel->setText(tr("Invoice No."));
    m_cashBox->setTitle(QString());
    m_cash->setText(tr("Cash"));
    m_debit->setText(tr("Debit"));
    m_dateLabel->setText(tr("Date"));
    m_startLabel->setText(tr("Start Prepare At"));
    m_discount->setText(tr("Discount"));
    m_commission->setText(tr("Commition"));
    m_ok->setText(tr("Save"));
    m_cancel->setText(tr("Cancel"));
}

void TNewInvForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

bool TNewInvForm::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (field && (field == m_date || field == m_start)) {
        if (event->type() == QEvent::MouseButtonDblClick)
            putNow(field);
        else if (event->type() == QEvent::KeyRelease
                 && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Control)
            putNow(field);
    }
    return QDialog::eventFilter(watched, event);
}

void TNewInvForm::putNow(QLineEdit *field)
{
    field->setText(Clock::now().toString(dateFormat()));
}

QDateTime TNewInvForm::readDate(const QString &text)
{
    const QString t = text.trimmed();
    for (const char *format : {"dd/MM/yyyy hh:mm:ss", "d/M/yyyy h:m:s", "dd/MM/yyyy hh:mm",
                               "d/M/yyyy h:m", "dd/MM/yyyy", "d/M/yyyy"}) {
        const QDateTime dt = QDateTime::fromString(t, QString::fromLatin1(format));
        if (dt.isValid())
            return dt;
    }
    return {};
}

int TNewInvForm::readInvoiceNo(const QString &text, bool *ok)
{
    double value = 0;
    const bool number = DocumentLinesModel::parseNumber(text, &value) && value == std::floor(value)
        && std::abs(value) <= std::numeric_limits<int>::max();
    if (ok)
        *ok = number;
    return number ? int(value) : 0;
}

void TNewInvForm::loadNames(int selectId)
{
    const QSignalBlocker block(m_name);
    m_name->clear();
    m_cashOnly.clear();
    for (const AccountRow &row : AddressBook(m_data).list()) {
        m_name->addItem(row.name, row.id);
        m_cashOnly.insert(row.id, row.cashOnly);
    }
    m_name->setCurrentIndex(m_name->findData(selectId));
}

bool TNewInvForm::open(Mode mode, DocKind kind, int invId)
{
    if (ShowCurYearErrorIfPast(parentWidget()))
        return false;
    Documents docs(m_data, kind);
    std::optional<DocumentHeader> header;
    if (mode == Edit) {
        if (!ConfirmByPassword(parentWidget(), ChangeGuard::editText()))
            return false;
        header = docs.header(invId);
        if (!header) {
            MsgBox::error(parentWidget(), QStringLiteral("Error"));
            return false;
        }
    }
    m_mode = mode;
    m_kind = kind;
    m_invId = mode == Edit ? invId : 0;
    const DocumentKind &k = docs.kind();

    m_nameLabel->setVisible(k.hasCounterpart);
    m_name->setVisible(k.hasCounterpart);
    m_noteLabel->setVisible(k.hasNote);
    m_note->setVisible(k.hasNote);
    m_invLabel->setVisible(k.supplierNumber);
    m_invNo->setVisible(k.supplierNumber);
    m_cashBox->setVisible(k.hasCashDebit);
    m_startLabel->setVisible(k.writesStartTime);
    m_start->setVisible(k.writesStartTime);
    m_cashBox->setEnabled(true);

    const QSignalBlocker blockInv(m_invNo), blockDate(m_date), blockNote(m_note),
        blockPercent(m_percent);
    if (mode == Insert) {
        loadNames(0);
        m_date->setText(Clock::now().toString(dateFormat()));
        m_start->clear();
        m_note->clear();
        m_invNo->clear();
        m_cash->setChecked(true);
        m_discount->setChecked(true);
        m_percent->setText(QStringLiteral("0"));
        m_storedCompany = 0;
    } else {
        loadNames(header->CompanyID);
        m_storedCompany = header->CompanyID;
        m_date->setText(header->Date1.toString(dateFormat()));
        m_start->setText(header->StartTime.isValid() ? header->StartTime.toString(dateFormat())
                                                     : QString());
        m_note->setText(header->Note);
        m_invNo->setText(k.supplierNumber ? QString::number(header->InvoiceNo) : QString());
        (header->Cash ? m_cash : m_debit)->setChecked(true);
        (header->Discount > 0 ? m_commission : m_discount)->setChecked(true);
        m_percent->setText(QString::number(std::abs(header->Discount), 'g', 12));
    }
    m_name->setEnabled(mode == Insert);
    m_invNo->setEnabled(mode == Insert);
    m_newName->setVisible(k.hasCounterpart && mode == Insert);
    m_changeName->setVisible(k.hasCounterpart && mode == Edit);
    applyCashOnly();
    retranslate();
    updateSave();
    KeyboardLayout::activate(options().isOn(QString::fromLatin1(OptKey::EngSale)) ? 0 : 1);
    show();
    raise();
    activateWindow();
    return true;
}

int TNewInvForm::counterpart() const
{
    return m_name->currentIndex() >= 0 ? m_name->currentData().toInt() : 0;
}

void TNewInvForm::applyCashOnly()
{
    const bool cashOnly = m_cashOnly.value(counterpart(), false);
    if (cashOnly)
        m_cash->setChecked(true);
    m_cashBox->setEnabled(!cashOnly);
}

void TNewInvForm::NameCBChange()
{
    applyCashOnly();
    updateSave();
}

void TNewInvForm::InvEdChange()
{
    const QString text = m_invNo->text().trimmed();
    bool ok = false;
    const int number = readInvoiceNo(text, &ok);
    if (!text.isEmpty() && (!ok || number < 0))
        MsgBox::error(this, tr("Erro No   "));
    updateSave();
}

void TNewInvForm::DiscountEDChange()
{
    const QString text = m_percent->text().trimmed();
    double value = 0;
    if (text.isEmpty())
        return;
    if (!DocumentLinesModel::parseNumber(text, &value) || value < 0 || value > 100)
        MsgBox::error(this, QStringLiteral("Error, value must be real between 0 an 100"));
}

bool TNewInvForm::canSave() const
{
    const DocumentKind &k = DocumentKinds::get(m_kind);
    if (m_date->text().trimmed().isEmpty())
        return false;
    if (!k.hasCounterpart)
        return true; // manufacturing needs only a date
    if (counterpart() <= 0)
        return false;
    if (!k.supplierNumber)
        return true;
    bool ok = false;
    const int number = readInvoiceNo(m_invNo->text(), &ok);
    if (!ok || number < 0)
        return m_mode == Edit; // an edit keeps the stored number
    // A purchase moved to another supplier must not take a number that
    // supplier has already used.
    if (m_mode == Edit && counterpart() == m_storedCompany)
        return true;
    return !Documents(m_data, m_kind).invoiceNoTaken(counterpart(), number, m_invId);
}

void TNewInvForm::updateSave()
{
    m_ok->setEnabled(canSave());
}

void TNewInvForm::OkBtnClick()
{
    updateSave();
    if (!m_ok->isEnabled() || m_saving)
        return;
    if (ShowCurYearErrorIfPast(this))
        return;
    const DocumentKind &k = DocumentKinds::get(m_kind);
    const QString badInput = tr("Erro No  or date ");
    const QDateTime date = readDate(m_date->text());
    QDateTime start;
    if (k.writesStartTime && !m_start->text().trimmed().isEmpty()) {
        start = readDate(m_start->text());
        if (!start.isValid()) {
            MsgBox::error(this, badInput);
            return;
        }
    }
    double percent = 0;
    bool ok = date.isValid() && DocumentLinesModel::parseNumber(m_percent->text(), &percent);
    int number = 0;
    if (ok && k.supplierNumber && m_mode == Insert)
        number = readInvoiceNo(m_invNo->text(), &ok);
    if (!ok) {
        MsgBox::error(this, badInput);
        return;
    }
    // A percentage outside 0..100 would turn the total upside down.
    if (percent < 0 || percent > 100) {
        MsgBox::error(this, QStringLiteral("Error, value must be real between 0 an 100"));
        return;
    }
    percent = Money::round(std::abs(percent), Money::decimals());
    if (m_discount->isChecked())
        percent = -percent;

    Documents docs(m_data, m_kind);
    DocumentHeader h;
    if (m_mode == Edit)
        h = docs.header(m_invId).value_or(DocumentHeader{});
    h.InvID = m_invId;
    h.CompanyID = k.hasCounterpart ? counterpart() : DocumentKinds::kManufacturingAccount;
    h.Date1 = date;
    h.StartTime = start.isValid() ? start : date;
    h.Cash = m_cash->isChecked() || m_cashOnly.value(h.CompanyID, false);
    h.Discount = percent;
    h.Note = m_note->text();
    QString error;
    m_saving = true;
    int savedId = 0;
    if (m_mode == Insert) {
        h.InvoiceNo = number;
        h.UID = appState().CurUID;
        savedId = docs.create(h, &error);
    } else if (docs.update(h, &error)) {
        savedId = m_invId;
    }
    m_saving = false;
    if (savedId <= 0) {
        // The editor stays open with what was typed.
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
        return;
    }
    const bool inserted = m_mode == Insert;
    hide();
    emit saved(savedId, inserted);
    emit closed();
}

void TNewInvForm::NewNameBtnClick()
{
    if (!m_nameForm) {
        m_nameForm = new TNewNameForm(m_data, this);
        connect(m_nameForm, &TNewNameForm::saved, this, [this](int id) {
            loadNames(id);
            NameCBChange();
            // The new name is the counterpart: the header is saved at once.
            if (m_ok->isEnabled())
                OkBtnClick();
        });
    }
    m_nameForm->open('N');
}

void TNewInvForm::ChangeNameBtnClick()
{
    m_name->setEnabled(true);
    m_name->setFocus();
}
