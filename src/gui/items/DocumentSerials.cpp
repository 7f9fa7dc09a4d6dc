#include "DocumentSerials.h"

#include "SerialDisplay.h"
#include "TAllSnoForm.h"
#include "TSNoForm.h"
#include "documents/DocumentsPage.h"

#include <QEvent>
#include <QPushButton>

DocumentSerials::DocumentSerials(DocumentsPage &page, TDataFormSQL &data)
    : QObject(&page)
    , m_page(page)
    , m_data(data)
{
    setObjectName(QStringLiteral("DocumentSerials"));
    m_display = new SerialDisplay(data, &page, QStringLiteral("ItemSNoGrd"));
    m_itemSno = new QPushButton(&page);
    m_itemSno->setObjectName(QStringLiteral("ItemSnoBtn"));
    m_invoiceSno = new QPushButton(&page);
    m_invoiceSno->setObjectName(QStringLiteral("BitBtn3"));
    connect(m_itemSno, &QPushButton::clicked, this, &DocumentSerials::ItemSnoBtnClick);
    connect(m_invoiceSno, &QPushButton::clicked, this, &DocumentSerials::BitBtn3Click);
    connect(&page, &DocumentsPage::currentLineChanged, this, &DocumentSerials::refresh);
    page.installEventFilter(this);
    retranslate();
    refresh();
}

void DocumentSerials::retranslate()
{
    m_itemSno->setText(tr("Item SNO"));
    m_invoiceSno->setText(tr("Invoice SNO"));
}

bool DocumentSerials::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_page && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void DocumentSerials::refresh()
{
    const CurrentDocumentLine line = m_page.currentLine();
    const DocKind kind = static_cast<DocKind>(line.kind);
    m_display->setLine(kind, line.lineId, line.products);
    m_itemSno->setEnabled(m_display->owner().isValid());
    m_invoiceSno->setEnabled(DocumentKinds::get(kind).hasSerials() && m_page.currentInvId() > 0);
}

void DocumentSerials::ItemSnoBtnClick()
{
    const CurrentDocumentLine line = m_page.currentLine();
    if (line.lineId > 0)
        TSNoForm::editLine(&m_page, m_data, static_cast<DocKind>(line.kind), line.lineId,
                           line.products);
    refresh();
}

void DocumentSerials::BitBtn3Click()
{
    if (m_page.currentInvId() > 0)
        TAllSnoForm::showDocument(&m_page, m_data, m_page.kind(), m_page.currentInvId());
}
