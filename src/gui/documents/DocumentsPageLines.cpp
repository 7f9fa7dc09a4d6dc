// The documents page: the lines grid and the products grid, the item
// chooser, the scan field, deleting and swapping lines.

#include "DocumentsPage.h"

#include "DocumentLinesModel.h"
#include "data/TDataFormSQL.h"
#include "items/Catalogue.h"
#include "items/CataloguePage.h"
#include "items/TGetItemForm.h"
#include "items/TNewItemForm.h"
#include "shell/Guard.h"
#include "shell/KeyboardLayout.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"
#include "shell/TStoreForm.h"
#include "shell/YearGuard.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

bool DocumentsPage::productsActive() const
{
    return m_kind == DocKind::Manufacturing && m_activeGrid == 2;
}

QTableView *DocumentsPage::activeView() const
{
    return productsActive() ? m_outGrid : m_billGrid;
}

DocumentLinesModel *DocumentsPage::activeModel() const
{
    return productsActive() ? m_products : m_lines;
}

void DocumentsPage::setActiveGrid(int grid)
{
    const int wanted = grid == 2 && m_kind == DocKind::Manufacturing ? 2 : 1;
    if (wanted == m_activeGrid)
        return;
    m_activeGrid = wanted;
    m_gridTitle->setText(productsActive() ? tr("Out ") : tr("In"));
    lineMoved();
}

void DocumentsPage::gridEnter()
{
    if (currentInvId() <= 0)
        return;
    // A user who sells with the scanner adds lines by scanning.
    if (m_window.currentUser().KbBarcode == 1) {
        m_scan->clear();
        m_scan->setFocus();
        return;
    }
    openChooser(false);
}

void DocumentsPage::openChooser(bool forSearch)
{
    if (!forSearch && m_findCode->isChecked()) {
        m_findCode->setChecked(false);
        FindCodeCBClick();
    }
    if (!forSearch && currentInvId() <= 0)
        return;
    m_chooserForSearch = forSearch;
    m_chooser->prepare();
    m_chooser->open();
    // Item codes are typed in the layout the options ask for.
    KeyboardLayout::activate(options().isOn(QString::fromLatin1(OptKey::EngCode)) ? 0 : 1);
}

void DocumentsPage::chooserAccepted()
{
    const int itemId = m_chooser->selectedItemId();
    if (itemId <= 0)
        return;
    if (m_chooserForSearch) {
        m_chooserForSearch = false;
        QString code, description;
        if (Catalogue(m_window.data()).codeAndDescription(itemId, &code, &description))
            setSearchCode(code);
        return;
    }
    addItem(itemId);
}

bool DocumentsPage::addItem(int itemId)
{
    const int invId = currentInvId();
    if (invId <= 0 || ShowCurYearErrorIfPast(this))
        return false;
    CatalogueItem item;
    if (!Catalogue(m_window.data()).item(itemId, &item)) {
        MsgBox::error(this, QStringLiteral("Error"));
        return false;
    }
    const bool products = productsActive();
    QString error;
    // Every kind starts the line at the sale price; products at 0.
    const int lineId =
        Documents(m_window.data(), m_kind)
            .addLine(invId, itemId, 1.0, products ? 0.0 : item.rate, QString(), products, &error);
    if (lineId <= 0) {
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
        return false;
    }
    refreshTotals(lineId);
    QTableView *view = activeView();
    view->setFocus();
    view->setCurrentIndex(
        activeModel()->index(activeModel()->rowOf(lineId), DocumentLinesModel::Quantity));
    return true;
}

void DocumentsPage::InvBarCodeEdEnter()
{
    const int invId = currentInvId();
    if (invId <= 0 || ShowCurYearErrorIfPast(this))
        return;
    QString error;
    const int lineId = Documents(m_window.data(), m_kind)
                           .addItemByCode(invId, m_scan->text().trimmed(), false, &error);
    if (lineId <= 0) {
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
        m_scan->selectAll();
        m_scan->setFocus();
        return;
    }
    setActiveGrid(1);
    refreshTotals(lineId);
    m_scan->setFocus();
    m_scan->selectAll();
}

bool DocumentsPage::postLine(const DocumentLine &line, bool products)
{
    if (ShowCurYearErrorIfPast(this))
        return false;
    QString error;
    if (!Documents(m_window.data(), m_kind)
             .updateLine(line.ID, line.Quantity, line.Rate1, line.Note, products, &error)) {
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
        return false;
    }
    // The lines stay as they are (the grid is inside the edit); the list
    // and the header take the new total.
    refreshTotals();
    return true;
}

void DocumentsPage::InvDelItemBtnClick()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    const DocumentLine *line = activeModel()->line(activeView()->currentIndex().row());
    if (!line || line->ID <= 0) {
        MsgBox::error(this, QStringLiteral("Error"));
        return;
    }
    const int lineId = line->ID;
    const bool products = productsActive();
    const QString question = tr("Are you sure to delete the Item :") + QStringLiteral("\n\r ")
        + line->ItemCode + QStringLiteral(" ?");
    if (!MsgBox::confirm(this, question, QMessageBox::No) || !ConfirmByPassword(this, question))
        return;
    QString error;
    if (!Documents(m_window.data(), m_kind).deleteLine(lineId, products, &error)) {
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
        return;
    }
    // Back on the row that followed (or the last one).
    refreshTotals(-2);
}

void DocumentsPage::MoveItemBtnClick()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    DocumentLinesModel *model = activeModel();
    const int row = activeView()->currentIndex().row();
    const DocumentLine *a = model->line(row);
    if (!a)
        return;
    const int lineA = a->ID;
    bool ok = false;
    const QString answer = MsgBox::inputText(this, tr(" Replace Location"),
                                             tr("Change ther row: (") + QString::number(row + 1)
                                                 + tr(") with the row No:"),
                                             QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return;
    bool number = false;
    const int target = answer.trimmed().toInt(&number);
    if (!number || target < 1 || target > model->rowCount()) {
        MsgBox::error(this, QStringLiteral("Error"));
        return;
    }
    const int lineB = model->line(target - 1)->ID;
    QString error;
    if (!Documents(m_window.data(), m_kind).swapLines(lineA, lineB, productsActive(), &error)) {
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
        return;
    }
    refreshTotals(-2);
}

void DocumentsPage::InvAddNewItemBtnClick()
{
    // The item editor of the codes page.
    if (auto *codes = m_window.findChild<CataloguePage *>(QStringLiteral("CataloguePage")))
        codes->editor()->openInsert();
}
