// The documents page: the search for an item through the documents of the
// kind, with the concealed price of the line found.

#include "DocumentsPage.h"

#include "DocumentLinesModel.h"
#include "DocumentListModel.h"
#include "PricePeek.h"
#include "accounts/Money.h"
#include "documents/ItemSearch.h"
#include "shell/MsgBox.h"
#include "shell/TStoreForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

void DocumentsPage::FindCodeCBClick()
{
    const bool on = m_findCode->isChecked();
    if (on) {
        {
            const QSignalBlocker block(m_find);
            m_find->clear();
        }
        m_find->hide();
        m_findLabel->hide();
        m_findCodeEd->clear();
        m_findCodeEd->show();
        m_findCodeEd->setFocus();
        reloadList(currentInvId());
        return;
    }
    endSearch();
    m_find->show();
    m_findLabel->show();
    m_findCodeEd->hide();
}

void DocumentsPage::endSearch()
{
    m_searchCode.clear();
    m_findCodeEd->clear();
    m_jump->hide();
    m_peek->hide();
    m_lines->setCodeFilter(QString());
    m_billGrid->setColumnHidden(DocumentLinesModel::Rate1, false);
    m_billGrid->setColumnHidden(DocumentLinesModel::Amount1, false);
    reloadLines(-2);
}

void DocumentsPage::FindCodeEDIKey(int key)
{
    if (key == Qt::Key_Return) {
        openChooser(true);
        return;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Shift
        || key == Qt::Key_Control || key == Qt::Key_Alt)
        return;
    MsgBox::information(this, tr("Press Enter to chose item "));
    endSearch();
}

void DocumentsPage::setSearchCode(const QString &code)
{
    if (code.trimmed().isEmpty()) {
        endSearch();
        return;
    }
    if (!m_findCode->isChecked()) {
        m_findCode->setChecked(true);
        FindCodeCBClick();
    }
    m_searchCode = code.trimmed();
    m_findCodeEd->setText(m_searchCode);
    m_lines->setCodeFilter(m_searchCode);
    m_jump->show();
    const std::optional<ItemSearchHit> hit =
        ItemSearch(m_window.data(), m_kind).start(m_searchCode);
    if (hit)
        showSearchHit(hit->InvID, hit->lineId);
    else
        showSearchHit(m_list->rowCount() > 0 ? m_list->rows().first().InvID : 0, 0);
}

void DocumentsPage::JBtnClick()
{
    if (m_searchCode.isEmpty())
        return;
    const int invId = currentInvId();
    const DocumentLine *line = m_lines->line(m_billGrid->currentIndex().row());
    const std::optional<ItemSearchHit> hit =
        ItemSearch(m_window.data(), m_kind).previous(invId, line ? line->ID : 0, m_searchCode);
    if (hit)
        showSearchHit(hit->InvID, hit->lineId);
    else
        // None earlier: the first document (with an empty grid).
        showSearchHit(m_list->rowCount() > 0 ? m_list->rows().first().InvID : 0, 0);
}

void DocumentsPage::showSearchHit(int invId, int lineId)
{
    setActiveGrid(1);
    if (invId != currentInvId())
        selectDocument(invId);
    else
        reloadLines();
    const int row = m_lines->rowOf(lineId);
    if (row >= 0)
        m_billGrid->setCurrentIndex(m_lines->index(row, DocumentLinesModel::Quantity));
    refreshPeek();
}

void DocumentsPage::refreshPeek()
{
    const DocumentLine *line = m_lines->line(m_billGrid->currentIndex().row());
    if (m_searchCode.isEmpty() || !line) {
        m_peek->clear();
        return;
    }
    m_peek->setText(ItemSearch::pricePeekText(line->Rate1, Money::decimals()));
}
