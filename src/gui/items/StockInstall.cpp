#include "StockInstall.h"

#include "CatalogueModel.h"
#include "CataloguePage.h"
#include "OpeningStockPage.h"
#include "OpeningStockSerials.h"
#include "SerialDisplay.h"
#include "StockPage.h"
#include "shell/LayoutPlace.h"
#include "shell/StorePages.h"
#include "shell/TranslatedButton.h"
#include "shell/TStoreForm.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace {

QBoxLayout *pageLayout(QWidget *page)
{
    auto *layout = qobject_cast<QBoxLayout *>(page->layout());
    if (!layout) {
        layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    return layout;
}


void addCatalogueButton(TStoreForm &window, OpeningStockPage *opening)
{
    QWidget *codesPage = window.page(StorePages::ItemCode);
    auto *codes = codesPage ? codesPage->findChild<CataloguePage *>() : nullptr;
    auto *grid = codes ? codes->findChild<QTableView *>(QStringLiteral("CodeGRD1")) : nullptr;
    auto *after =
        codes ? codes->findChild<QPushButton *>(QStringLiteral("ToExcelItemBtn")) : nullptr;
    if (!grid || !after)
        return;
    auto *add = new TranslatedButton(
        QStringLiteral("AddToFGoodBtn"), "OpeningStockPage",
        QT_TRANSLATE_NOOP("OpeningStockPage", "2 Beginning Inventory"),
        QT_TRANSLATE_NOOP("OpeningStockPage", "Use Ctrl+Click to select many items to add"),
        after->parentWidget());
    if (!LayoutPlace::after(codes, after, {add})) {
        delete add;
        return;
    }
    CatalogueModel *model = codes->model();
    auto follow = [add, model] { add->setEnabled(model->rowCount() > 0); };
    QObject::connect(model, &CatalogueModel::countChanged, add, follow);
    QObject::connect(model, &QAbstractItemModel::modelReset, add, follow);
    follow();
    QObject::connect(add, &QPushButton::clicked, opening, [grid, model, opening] {
        QList<int> ids;
        for (const QModelIndex &index : grid->selectionModel()->selectedRows()) {
            const int id = model->itemIdAt(index.row());
            if (id > 0 && !ids.contains(id))
                ids << id;
        }
        opening->AddToFGoodBtnClick(ids, grid);
    });
}

} // namespace

QTabWidget *openingEntriesTabs(TStoreForm &window)
{
    QWidget *page = window.page(StorePages::Old);
    if (!page)
        return nullptr;
    if (auto *tabs = page->findChild<QTabWidget *>(QStringLiteral("OldFGoodPC")))
        return tabs;
    auto *tabs = new QTabWidget(page);
    tabs->setObjectName(QStringLiteral("OldFGoodPC"));
    pageLayout(page)->addWidget(tabs);
    return tabs;
}

StockPages installStockPage(TStoreForm &window)
{
    StockPages out;
    QWidget *page = window.page(StorePages::Store);
    // Installed once: a second call gives the pages already there.
    if (auto *present = page->findChild<StockPage *>()) {
        out.stock = present;
        out.opening = window.page(StorePages::Old)->findChild<OpeningStockPage *>();
        return out;
    }
    out.stock = new StockPage(window.data(), page);
    pageLayout(page)->addWidget(out.stock);
    StockPage *stock = out.stock;
    window.setPageWork(StorePages::Store, [stock] { stock->enterPage(); });
    // The print action on the stock page prints the stock list.
    window.setPagePrint(StorePages::Store, [stock] {
        auto *button = stock->findChild<QPushButton *>(QStringLiteral("PrintStoreBtn"));
        if (button && button->isEnabled())
            button->click();
    });

    // The opening stock is the second tab, after the opening balances.
    QTabWidget *tabs = openingEntriesTabs(window);
    out.opening = new OpeningStockPage(window.data());
    OpeningStockPage *opening = out.opening;
    tabs->insertTab(std::min(1, tabs->count()), opening,
                    QCoreApplication::translate("OpeningStockPage", "Beginning Inventory"));
    // Entering the sub-page, or the opening entries page while it is the
    // tab in front, reads it again.
    QObject::connect(tabs, &QTabWidget::currentChanged, opening, [&window, tabs, opening] {
        if (tabs->currentWidget() == opening && window.currentPage() == StorePages::Old)
            opening->enterPage();
    });
    QObject::connect(window.note(), &QTabWidget::currentChanged, opening, [&window, tabs, opening] {
        if (window.currentPage() == StorePages::Old && tabs->currentWidget() == opening)
            opening->enterPage();
    });

    // The serial numbers of the current row, under the grid, and "Item SNO"
    // after the row buttons.
    auto *serials = new OpeningStockSerials(*opening, window.data());
    LayoutPlace::after(opening, opening->findChild<QTableView *>(QStringLiteral("GoodGRD")),
                       {serials->display()});
    LayoutPlace::after(opening, opening->findChild<QPushButton *>(QStringLiteral("DelFGoodBtn")),
                       {serials->itemSnoButton()});

    addCatalogueButton(window, opening);
    return out;
}
