#include "TNewItemForm.h"

#include "TGetItemForm.h"
#include "data/TDataFormSQL.h"
#include "items/Catalogue.h"
#include "shell/ChangeGuard.h"
#include "shell/Guard.h"
#include "shell/MsgBox.h"
#include "shell/YearGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit *edit(QWidget *parent, const char *name, int maxLength = 0)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}
} // namespace

TNewItemForm::TNewItemForm(TDataFormSQL &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("NewItemForm"));
    setModal(false);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    build();
    m_picker = new TGetItemForm(data, this);
    connect(m_picker, &QDialog::accepted, this, [this] {
        if (m_picker->selectedItemId() > 0)
            m_ofItemId->setText(QString::number(m_picker->selectedItemId()));
    });
    retranslate();
}

void TNewItemForm::build()
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    for (auto &label : m_labels)
        label = new QLabel(this);

    m_toId = new QLabel(this);
    m_toId->setObjectName(QStringLiteral("ToIDLB"));
    m_toId->hide();
    m_code = edit(this, "CodeED", 20);
    m_description = edit(this, "DesED", 100);
    m_kindList = new QComboBox(this);
    m_kindList->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_kindName = edit(this, "ItemED");
    m_kindName->setReadOnly(true);
    m_price = edit(this, "PriceED");
    m_min = edit(this, "MinED");
    m_location = edit(this, "LocationED", 50);
    m_size = edit(this, "SizeED", 6);
    m_note = edit(this, "NoteED", 50);
    m_isService = new QCheckBox(this);
    m_isService->setObjectName(QStringLiteral("IsServiceChk"));
    m_quickKey = edit(this, "QKbEd", 4);
    m_partCount = edit(this, "ofCountEd");
    m_ofItemId = edit(this, "OfItemIdED");
    m_ofItemId->hide();
    m_ofItemCode = edit(this, "ofItemEd");
    m_ofItemCode->setReadOnly(true);
    m_ofItemDescription = edit(this, "ofDesEd");
    m_ofItemDescription->setReadOnly(true);
    m_change = new QPushButton(this);
    m_change->setObjectName(QStringLiteral("ChangeBtn"));

    auto *kindRow = new QHBoxLayout;
    kindRow->addWidget(m_kindList, 1);
    kindRow->addWidget(m_kindName, 1);
    auto *partRow = new QHBoxLayout;
    partRow->addWidget(m_partCount);
    partRow->addWidget(m_ofItemCode);
    partRow->addWidget(m_ofItemDescription, 1);
    partRow->addWidget(m_change);

    form->addRow(m_labels[0], m_code);
    form->addRow(m_labels[1], m_description);
    form->addRow(m_labels[2], kindRow);
    form->addRow(m_labels[3], m_price);
    form->addRow(m_labels[4], m_min);
    form->addRow(m_labels[5], m_location);
    form->addRow(m_labels[6], m_size);
    form->addRow(m_labels[7], m_note);
    form->addRow(m_labels[8], m_isService);
    form->addRow(m_labels[9], m_quickKey);
    form->addRow(m_labels[10], partRow);
    layout->addWidget(m_toId);
    layout->addWidget(m_ofItemId);

    auto *buttons = new QHBoxLayout;
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_code, &QLineEdit::textChanged, this, &TNewItemForm::codeChanged);
    connect(m_kindList, &QComboBox::activated, this, &TNewItemForm::kindChosen);
    connect(m_ofItemId, &QLineEdit::textChanged, this, &TNewItemForm::partOfChanged);
    connect(m_change, &QPushButton::clicked, this, [this] {
        m_picker->prepare();
        m_picker->open();
    });
    connect(m_ok, &QPushButton::clicked, this, &TNewItemForm::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewItemForm::retranslate()
{
    m_labels[0]->setText(tr("* Item Code"));
    m_labels[1]->setText(tr("Description"));
    m_labels[2]->setText(tr("* Item Kind"));
    m_labels[3]->setText(tr("Sale Price"));
    m_labels[4]->setText(tr("Min/stock"));
    m_labels[5]->setText(tr("Location"));
    m_labels[6]->setText(tr("Item Size"));
    m_labels[7]->setText(tr("Note"));
    m_labels[8]->setText(QString());
    m_isService->setText(tr("Is Service"));
    m_labels[9]->setText(tr("Quick Key(1..24)"));
    m_labels[10]->setText(tr("Part Count"));
    m_change->setText(tr("Change"));
    m_ok->setText(tr("Save"));
    m_cancel->setText(tr("Cancel"));
    setWindowTitle(isInserting() ? Catalogue::text(" Insert ", " إضافة  ") : Catalogue::text(" Edit ", " تحرير  "));
}

void TNewItemForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void TNewItemForm::loadKinds()
{
    m_kindList->clear();
    for (const ItemKindRow &k : Catalogue(m_data).kinds())
        m_kindList->addItem(k.name, k.id);
}

void TNewItemForm::clearFields()
{
    for (QLineEdit *e : {m_code, m_description, m_kindName, m_price, m_min, m_location, m_size, m_note, m_quickKey,
                         m_partCount, m_ofItemId, m_ofItemCode, m_ofItemDescription})
        e->clear();
    m_isService->setChecked(false);
    m_toId->clear();
}

bool TNewItemForm::openInsert()
{
    if (ShowCurYearErrorIfPast(parentWidget()))
        return false;
    m_itemId = 0;
    loadKinds();
    clearFields();
    m_code->setEnabled(true);
    const ItemKindRow first = Catalogue(m_data).firstKind();
    m_kindList->setCurrentIndex(m_kindList->findData(first.id));
    m_kindName->setText(first.name);
    retranslate();
    codeChanged();
    show();
    raise();
    activateWindow();
    m_code->setFocus();
    return true;
}

bool TNewItemForm::openEdit(int itemId)
{
    if (ShowCurYearErrorIfPast(parentWidget()))
        return false;
    if (!ConfirmByPassword(parentWidget(), ChangeGuard::editText()))
        return false;
    CatalogueItem item;
    if (!Catalogue(m_data).item(itemId, &item))
        return false;
    m_itemId = itemId;
    loadKinds();
    clearFields();
    m_toId->setText(QString::number(itemId));
    m_code->setText(item.code);
    m_code->setEnabled(false);
    m_description->setText(item.description);
    m_kindList->setCurrentIndex(m_kindList->findData(item.kind));
    m_kindName->setText(item.kindName);
    static const QLocale numbers = QLocale::c();
    m_price->setText(item.rate == 0 ? QString() : numbers.toString(item.rate, 'f', 2));
    m_min->setText(item.notLes == 0 ? QString() : QString::number(item.notLes, 'g', 10));
    m_location->setText(item.location);
    m_size->setText(item.size);
    m_note->setText(item.note);
    m_isService->setChecked(item.isService);
    m_quickKey->setText(item.qkbNo.isNull() ? QString() : item.qkbNo.toString());
    m_partCount->setText(item.ofCount.isNull() ? QString() : item.ofCount.toString());
    m_ofItemId->setText(item.ofItemId.isNull() ? QString() : item.ofItemId.toString());
    retranslate();
    codeChanged();
    show();
    raise();
    activateWindow();
    return true;
}

void TNewItemForm::codeChanged()
{
    m_ok->setEnabled(Catalogue(m_data).canSave(m_code->text(), isInserting()));
}

void TNewItemForm::kindChosen(int index)
{
    m_kindName->setText(index >= 0 ? m_kindList->itemText(index) : QString());
}

void TNewItemForm::partOfChanged()
{
    bool ok = false;
    const int id = m_ofItemId->text().trimmed().toInt(&ok);
    QString code, description;
    if (ok)
        Catalogue(m_data).codeAndDescription(id, &code, &description);
    m_ofItemCode->setText(code);
    m_ofItemDescription->setText(description);
}

void TNewItemForm::focusField(QLineEdit *e)
{
    e->setFocus();
    e->selectAll();
}

bool TNewItemForm::save()
{
    if (!m_ok->isEnabled())
        return false;
    ItemInput in;
    in.itemId = m_itemId;
    in.code = m_code->text();
    in.description = m_description->text();
    in.kind = m_kindList->currentIndex() >= 0 ? m_kindList->currentData().toInt() : 0;
    in.location = m_location->text();
    in.size = m_size->text();
    in.rate = m_price->text();
    in.notLes = m_min->text();
    in.note = m_note->text();
    in.isService = m_isService->isChecked();
    in.qkbNo = m_quickKey->text();
    in.ofCount = m_partCount->text();
    in.ofItemId = m_ofItemId->text();
    Catalogue catalogue(m_data);
    const Catalogue::SaveOutcome out = catalogue.saveItem(in);
    if (!out.ok) {
        switch (out.field) {
        case Catalogue::Field::PartCount:
            MsgBox::information(this, out.message);
            focusField(m_partCount);
            break;
        case Catalogue::Field::Rate: MsgBox::error(this, out.message); focusField(m_price); break;
        case Catalogue::Field::Min: MsgBox::error(this, out.message); focusField(m_min); break;
        case Catalogue::Field::QuickKey: MsgBox::error(this, out.message); focusField(m_quickKey); break;
        case Catalogue::Field::Kind: MsgBox::error(this, out.message); m_kindList->setFocus(); break;
        case Catalogue::Field::Code: codeChanged(); focusField(m_code); break;
        case Catalogue::Field::None: MsgBox::error(this, out.message); break;
        }
        return false;
    }
    m_itemId = out.itemId;
    emit saved(out.itemId);
    accept();
    return true;
}
