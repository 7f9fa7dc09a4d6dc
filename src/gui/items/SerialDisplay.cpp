#include "SerialDisplay.h"

#include <QEvent>
#include <QHeaderView>

SerialDisplay::SerialDisplay(TDataFormSQL &data, QWidget *parent, const QString &objectName)
    : QTableWidget(parent)
    , m_data(data)
{
    setObjectName(objectName);
    setColumnCount(1);
    setHorizontalHeaderLabels({tr("SNo")});
    horizontalHeader()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    hide();
}

void SerialDisplay::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setHorizontalHeaderLabels({tr("SNo")});
    QTableWidget::changeEvent(event);
}

void SerialDisplay::setLine(DocKind kind, int lineId, bool products)
{
    setOwner(SerialOwner::line(kind, lineId, products));
}

void SerialDisplay::setOpeningStockRow(int fgoodId)
{
    setOwner(SerialOwner::openingStock(fgoodId));
}

void SerialDisplay::setOwner(const SerialOwner &owner)
{
    m_owner = owner;
    refresh();
}

void SerialDisplay::clearOwner()
{
    setOwner(SerialOwner{});
}

void SerialDisplay::refresh()
{
    m_listed.clear();
    if (m_owner.isValid()) {
        SerialNumbers serials(m_data);
        m_listed = serials.listed(m_owner);
    }
    setRowCount(m_listed.size());
    for (int r = 0; r < m_listed.size(); ++r)
        setItem(r, 0, new QTableWidgetItem(m_listed.at(r)));
    setVisible(!m_listed.isEmpty());
}
