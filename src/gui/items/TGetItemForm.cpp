#include "TGetItemForm.h"

#include "CatalogueModel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TGetItemForm::TGetItemForm(TDataFormSQL &data, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("GetItemForm"));
    m_model = new CatalogueModel(data, this);
    m_model->setColumns({CatalogueModel::Code, CatalogueModel::Description});
    auto *layout = new QVBoxLayout(this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("FindED"));
    m_find->setClearButtonEnabled(true);
    layout->addWidget(m_find);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("ItemGrd"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(0, 140);
    layout->addWidget(m_grid, 1);
    auto *buttons = new QHBoxLayout;
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    resize(480, 420);

    connect(m_find, &QLineEdit::textChanged, m_model, &CatalogueModel::setFilterText);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &QTableView::doubleClicked, this, &QDialog::accept);
    retranslate();
}

void TGetItemForm::prepare()
{
    m_find->clear();
    m_model->reload();
    if (m_model->rowCount() > 0)
        m_grid->selectRow(0);
}

int TGetItemForm::selectedItemId() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? m_model->itemIdAt(current.row()) : 0;
}

void TGetItemForm::retranslate()
{
    setWindowTitle(tr("Select Item"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
}

void TGetItemForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
