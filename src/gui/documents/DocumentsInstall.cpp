#include "DocumentsInstall.h"

#include "DocumentsPage.h"
#include "items/DocumentSerials.h"
#include "items/LinePopupEntries.h"
#include "items/SerialDisplay.h"
#include "shell/LayoutPlace.h"
#include "shell/StoreActions.h"
#include "shell/StorePages.h"
#include "shell/TStoreForm.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace {

// The serial numbers under the lines with "Item SNO" and "Invoice SNO"
// next to the line buttons.
void addSerials(DocumentsPage *documents, TDataFormSQL &data)
{
    auto *serials = new DocumentSerials(*documents, data);
    LayoutPlace::after(documents, documents->findChild<QTableView *>(QStringLiteral("BillGrd")),
                       {serials->display()});
    int at = -1;
    auto *del = documents->findChild<QPushButton *>(QStringLiteral("InvDelItemBtn"));
    if (QBoxLayout *buttons = LayoutPlace::holding(documents, del, &at)) {
        const int end = buttons->count() - 1; // before the stretch
        buttons->insertWidget(end, serials->itemSnoButton());
        buttons->insertWidget(end + 1, serials->invoiceSnoButton());
    }
}

// Right-click on a line: its stock on hand and unit cost.
void addLinePopup(DocumentsPage *documents, TDataFormSQL &data)
{
    for (const char *name : {"BillGrd", "IndOutGrd"}) {
        auto *grid = documents->findChild<QTableView *>(QString::fromLatin1(name));
        if (!grid)
            continue;
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(grid, &QWidget::customContextMenuRequested, documents,
                         [documents, grid, &data](const QPoint &at) {
                             const int itemId = documents->currentLine().itemId;
                             if (!itemId)
                                 return;
                             QMenu menu(grid);
                             menu.setObjectName(QStringLiteral("LinePopup"));
                             addLinePopupEntries(&menu, data, itemId);
                             menu.exec(grid->viewport()->mapToGlobal(at));
                         });
    }
}

} // namespace

DocumentsPage *installDocumentsPage(TStoreForm &window)
{
    QWidget *page = window.page(StorePages::Purchase);
    if (auto *existing = page->findChild<DocumentsPage *>(QStringLiteral("DocumentsPage")))
        return existing;
    auto *layout = qobject_cast<QBoxLayout *>(page->layout());
    if (!layout) {
        layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    auto *documents = new DocumentsPage(window, page);
    layout->addWidget(documents);
    addSerials(documents, window.data());
    addLinePopup(documents, window.data());
    window.setPageWork(StorePages::Purchase, [documents] { documents->enterPage(); });
    window.setPagePrint(StorePages::Purchase, [documents] { documents->PrintSalBtnClick(); });
    // The actions that work on the current document of the page.
    const auto onPage = [&window, documents](const char *name, void (DocumentsPage::*work)()) {
        QAction *action = window.actions().action(QString::fromLatin1(name));
        if (!action)
            return;
        QObject::connect(action, &QAction::triggered, documents, [&window, documents, work] {
            if (window.currentPage() == StorePages::Purchase)
                (documents->*work)();
        });
        window.actions().markReady(action);
    };
    onPage("ChangeCashAction", &DocumentsPage::ChangeCashDebitBtnClick);
    onPage("CopyAction", &DocumentsPage::CopyItemsBtnClick);
    onPage("PastAction", &DocumentsPage::PasteItemsBtnClick);
    onPage("CopyToFileAction", &DocumentsPage::CopyToFileBtnClick);
    onPage("PastFromFileAction", &DocumentsPage::PasteFromFileBtnClick);
    // A page shown already when the page arrives gets its work now.
    if (window.currentPage() == StorePages::Purchase)
        documents->enterPage();
    return documents;
}
