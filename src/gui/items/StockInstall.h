#pragma once

class OpeningStockPage;
class QTabWidget;
class StockPage;
class TStoreForm;

struct StockPages
{
    StockPage *stock = nullptr;
    OpeningStockPage *opening = nullptr;
};

// Puts the stock page into page 4 of the main window with its page work,
// the opening-stock sub-page into the tabs of the opening entries page
// (page 8), and the "2 Beginning Inventory" button onto the codes page
// when that page is installed.
StockPages installStockPage(TStoreForm &window);

// The tabs of the opening entries page ("OldFGoodPC"), made on first use:
// every sub-page of that page goes in here.
QTabWidget *openingEntriesTabs(TStoreForm &window);
