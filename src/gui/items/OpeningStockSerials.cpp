#include "OpeningStockSerials.h"

#include "OpeningStockPage.h"
#include "SerialDisplay.h"
#include "TSNoForm.h"
#include "items/OpeningStock.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>

OpeningStockSerials::OpeningStockSerials(OpeningStockPage &page, TDataFormSQL &data)
    : QObject(&page)
    , m_page(page)
    , m_data(data)
{
    setObjectName(QStringLiteral("OpeningStockSerials"));
    m_display = new SerialDisplay(data, &page, QStringLiteral("ItemSNoGrdOld"));
    m_itemSno = new QPushButton(&page);
    m_itemSno->setObjectName(QStringLiteral("ItemSnoOldBtn"));
    m_itemSno->setText(tr("Item SNO"));
    connect(m_itemSno, &QPushButton::clicked, this, &OpeningStockSerials::ItemSnoOldBtnClick);
    connect(&page, &OpeningStockPage::openingStockChanged, this, &OpeningStockSerials::refresh);
    if (auto *grid = page.findChild<QTableView *>(QStringLiteral("GoodGRD"))) {
        if (grid->selectionModel())
            connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
                    &OpeningStockSerials::refresh);
        if (grid->model()) {
            connect(grid->model(), &QAbstractItemModel::modelReset, this,
                    &OpeningStockSerials::refresh);
            connect(grid->model(), &QAbstractItemModel::dataChanged, this,
                    &OpeningStockSerials::refresh);
        }
    }
    page.installEventFilter(this);
    refresh();
}

bool OpeningStockSerials::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_page && event->type() == QEvent::LanguageChange)
        m_itemSno->setText(tr("Item SNO"));
    return QObject::eventFilter(watched, event);
}

void OpeningStockSerials::refresh()
{
    const OpeningStockRow *row = m_page.currentRow();
    const int id = row ? row->id : 0;
    m_display->setOpeningStockRow(id);
    m_itemSno->setEnabled(id > 0);
}

void OpeningStockSerials::ItemSnoOldBtnClick()
{
    if (const OpeningStockRow *row = m_page.currentRow())
        TSNoForm::editOpeningStock(&m_page, m_data, row->id);
    refresh();
}
