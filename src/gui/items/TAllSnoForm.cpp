#include "TAllSnoForm.h"

#include "shell/MsgBox.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TAllSnoForm::TAllSnoForm(TDataFormSQL &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("AllSnoForm"));
    auto *layout = new QVBoxLayout(this);
    auto *body = new QHBoxLayout;
    layout->addLayout(body, 1);
    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("AllSnoGrd"));
    m_grid->setColumnCount(4);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->hide();
    body->addWidget(m_grid, 2);
    m_grouped = new QListWidget(this);
    m_grouped->setObjectName(QStringLiteral("GroupLst"));
    // The serials are indented under their item: a fixed-width font keeps
    // the columns.
    m_grouped->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_grouped->hide();
    body->addWidget(m_grouped, 1);

    auto *buttons = new QHBoxLayout;
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("CloseBtn"));
    m_group = new QPushButton(this);
    m_group->setObjectName(QStringLiteral("GroupBtn"));
    buttons->addWidget(m_close);
    buttons->addWidget(m_group);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_group, &QPushButton::clicked, this, &TAllSnoForm::showGrouped);
    retranslate();
    resize(640, 400);
}

void TAllSnoForm::retranslate()
{
    setWindowTitle(tr("Invoice SNO"));
    m_grid->setHorizontalHeaderLabels(
        {tr("Item ID"), tr("SNo"), tr("Item Code"), tr("Description")});
    m_close->setText(tr("Close"));
    m_group->setText(tr("Group by Item"));
}

void TAllSnoForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

bool TAllSnoForm::load(DocKind kind, int invId)
{
    SerialNumbers serials(m_data);
    bool ok = false;
    m_rows = serials.documentSerials(kind, invId, &ok);
    m_grouped->clear();
    m_grouped->hide();
    m_grid->setRowCount(m_rows.size());
    for (int r = 0; r < m_rows.size(); ++r) {
        const DocumentSerial &s = m_rows.at(r);
        m_grid->setItem(r, 0, new QTableWidgetItem(QString::number(s.itemId)));
        m_grid->setItem(r, 1, new QTableWidgetItem(s.sno));
        m_grid->setItem(r, 2, new QTableWidgetItem(s.itemCode));
        m_grid->setItem(r, 3, new QTableWidgetItem(s.description));
    }
    if (!ok)
        MsgBox::error(this, serials.lastError());
    return ok;
}

void TAllSnoForm::showGrouped()
{
    m_grouped->clear();
    m_grouped->addItems(SerialNumbers::groupedText(m_rows));
    m_grouped->show();
}

void TAllSnoForm::showDocument(QWidget *parent, TDataFormSQL &data, DocKind kind, int invId)
{
    TAllSnoForm form(data, parent);
    if (form.load(kind, invId))
        form.exec();
}
