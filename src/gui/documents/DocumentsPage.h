#pragma once

#include "documents/DocumentKinds.h"
#include "documents/Documents.h"

#include <QList>
#include <QWidget>

struct ClipLine;
class DocumentLinesModel;
class DocumentListModel;
class PricePeek;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTableView;
class TGetItemForm;
class TNewInvForm;
class TStoreForm;

// The line the user is on, for the line's popup and its serial numbers.
struct CurrentDocumentLine
{
    int kind = 1;
    int lineId = 0; // 0 when there is none
    int itemId = 0;
    bool products = false; // a product line of a manufacturing document
};
Q_DECLARE_METATYPE(CurrentDocumentLine)

// The invoices page: one tab per document kind, the kind's document list
// with its search, the current document's header and its lines (and for
// manufacturing the products), with every operation on them. One page
// serves all kinds; the kind's description decides tables and fields.
class DocumentsPage : public QWidget
{
    Q_OBJECT
public:
    explicit DocumentsPage(TStoreForm &window, QWidget *parent = nullptr);

    // The page becomes active: hint, empty search, the current tab's kind.
    void enterPage();
    // Shows kind k (0..5): tables, list on its last document, lines.
    void PurSale(int kind);
    DocKind kind() const { return m_kind; }

    // -- the documents
    const DocumentListRow *currentDocument() const;
    int currentInvId() const;
    void selectDocument(int invId);
    void reloadList(int selectInvId = 0); // 0: the last document
    DocumentListModel *listModel() const { return m_list; }
    TNewInvForm *editor() const { return m_editor; }
    // The pay / receive vouchers are allowed for the current document.
    bool vouchersAllowed() const;

    void NewInvBtnClick();
    void EditInvBtnClick();
    void DelInvBtnClick();
    void ChangeCashDebitBtnClick();
    void CostBtnClick();
    void InvAddNewItemBtnClick();

    // -- the lines
    DocumentLinesModel *linesModel() const { return m_lines; }
    DocumentLinesModel *productsModel() const { return m_products; }
    TGetItemForm *chooser() const { return m_chooser; }
    // 1: raw materials / lines (BillGrd), 2: products (IndOutGrd).
    int activeGrid() const { return m_activeGrid; }
    void setActiveGrid(int grid);
    CurrentDocumentLine currentLine() const;

    // Enter in a grid: the chooser, or the scan field for a barcode user.
    void gridEnter();
    void openChooser(bool forSearch);
    void chooserAccepted();
    void InvBarCodeEdEnter();
    void InvDelItemBtnClick();
    void MoveItemBtnClick();

    // -- the item clipboard (the lines of the lines grid)
    void CopyItemsBtnClick();
    // "Print": the current document with the print design.
    void PrintSalBtnClick();
    void PasteItemsBtnClick();
    void CopyToFileBtnClick();
    void PasteFromFileBtnClick();

    // -- the item search
    void FindCodeCBClick();
    void setSearchCode(const QString &code);
    void JBtnClick();

signals:
    // The current line changed (another line, document or kind).
    void currentLineChanged(const CurrentDocumentLine &line);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // construction (DocumentsPage.cpp)
    QWidget *buildHeaderView();
    QWidget *buildLines();
    void retranslate();
    void applyTabOptions();
    // the document shown (DocumentsPage.cpp)
    void InvIdEdChange();
    void showHeader();
    void updateButtons();
    void reloadLines(int selectLineId = -1);
    void refreshTotals(int selectLineId = -1);
    void lineMoved();
    // lines (DocumentsPageLines.cpp)
    bool postLine(const DocumentLine &line, bool products);
    bool addItem(int itemId);
    QTableView *activeView() const;
    DocumentLinesModel *activeModel() const;
    bool productsActive() const;
    // the item clipboard (DocumentsPageClipboard.cpp)
    void updateClipboardButtons();
    bool pasteLines(const QList<ClipLine> &lines);
    // the item search (DocumentsPageSearch.cpp)
    void endSearch();
    void showSearchHit(int invId, int lineId);
    void refreshPeek();
    void FindCodeEDIKey(int key);

    TStoreForm &m_window;
    DocKind m_kind = DocKind::Sale;
    int m_activeGrid = 1;
    bool m_chooserForSearch = false;
    QString m_searchCode;

    DocumentListModel *m_list = nullptr;
    DocumentLinesModel *m_lines = nullptr;
    DocumentLinesModel *m_products = nullptr;
    TNewInvForm *m_editor = nullptr;
    TGetItemForm *m_chooser = nullptr;

    QWidget *m_panel = nullptr;
    QTabBar *m_tabs = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_findLabel = nullptr;
    QLineEdit *m_find = nullptr;
    QCheckBox *m_findCode = nullptr;
    QLineEdit *m_findCodeEd = nullptr;
    QPushButton *m_jump = nullptr;
    PricePeek *m_peek = nullptr;
    QTableView *m_listView = nullptr;

    enum HeaderField { HNo, HDate, HName, HTel, HTotal, HStart, HUser, HIndOut, HCount };
    QLabel *m_headLabels[HCount] = {};
    QLabel *m_headValues[HCount] = {};
    QLabel *m_cashLabel = nullptr;
    QLabel *m_discountLabel = nullptr;

    QPushButton *m_newInv = nullptr;
    QPushButton *m_editInv = nullptr;
    QPushButton *m_delInv = nullptr;
    QPushButton *m_changeCash = nullptr;
    QPushButton *m_cost = nullptr;
    QPushButton *m_pay = nullptr;
    QPushButton *m_credit = nullptr;
    QPushButton *m_cheque = nullptr;
    QPushButton *m_print = nullptr;

    QLabel *m_gridTitle = nullptr;
    QTableView *m_billGrid = nullptr;
    QTableView *m_outGrid = nullptr;
    QLabel *m_inLabel = nullptr;
    QLabel *m_outLabel = nullptr;
    QLabel *m_scanLabel = nullptr;
    QLineEdit *m_scan = nullptr;
    QPushButton *m_delItem = nullptr;
    QPushButton *m_moveItem = nullptr;
    QPushButton *m_newCode = nullptr;
    QPushButton *m_toExcel = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_paste = nullptr;
    QPushButton *m_copyFile = nullptr;
    QPushButton *m_pasteFile = nullptr;
};
