#pragma once

#include <QHash>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;
class CustomerDisplay;
class PosLinesModel;
class PosSale;
class TQKBForm;
class TStoreForm;
struct DocumentLine;

// The cashier's sale screen (page 0): the code box fed by the scanner, the
// lines of the current sale, its number, date and total in large type, and
// the buttons of a cash sale. Every sale is a sales document of the cash
// account; each scan is stored at once.
class PosPage : public QWidget
{
    Q_OBJECT
public:
    PosPage(TStoreForm &window, CustomerDisplay &display, QWidget *parent = nullptr);
    ~PosPage() override;

    // -- operations
    void InsBtnClick();
    void AddItemFromBarCode();
    void QutBtnClick();
    void InvDelItemBtn1Click();
    void PrintBillActionExecute();
    void PriceChkClick();
    void ChkPriceEDKeyDown();
    void ClrScrBtnClick();
    void LogOutBtn2Click();
    void ChangePWBtnClick();
    // The point-of-sale user's OK on the start page.
    void POSOkBtnClick();
    void kbBtnClick();
    // Puts a code into the code box and adds it (the quick keyboard).
    void addCode(const QString &code);
    void setQuickKeyboard(TQKBForm *form);

    // The page-change work of the page.
    void enterPage();
    // The user logged out: the next user starts with a sale of his own.
    void sessionEnded();
    // The line and total of the current sale on the customer display.
    void DisplayText();

    PosSale &sale() const { return *m_sale; }
    CustomerDisplay &display() const { return m_display; }
    int shownSale() const { return m_shownInvId; }
    int moneyDecimals() const;

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPage();
    void retranslate();
    void NoEdChange(); // the labels of the shown sale
    void loadSale(int invId);
    void showSelling(bool selling);
    void signalError();
    void focusCode();
    void updateButtons();
    int currentRow() const;
    void setCurrentRow(int row);
    bool itemDetails(int itemId, DocumentLine *line);

    TStoreForm &m_window;
    CustomerDisplay &m_display;
    PosSale *m_sale;
    PosLinesModel *m_model;
    int m_shownInvId = 0;
    double m_shownTotal = 0;
    bool m_saleClosed = false; // printed by a point-of-sale user
    struct ItemExtra
    {
        QString kind;
        QString size;
    };
    QHash<int, ItemExtra> m_itemExtras;

    QLabel *m_codeLb = nullptr;
    QLineEdit *m_barCode = nullptr;
    QLineEdit *m_chkPrice = nullptr;
    QCheckBox *m_priceChk = nullptr;
    QLabel *m_priceLb = nullptr;
    QLabel *m_noLb = nullptr;
    QLabel *m_posNo = nullptr;
    QLabel *m_dateLb = nullptr;
    QLabel *m_posDate = nullptr;
    QLabel *m_tAmountLb = nullptr;
    QLabel *m_posTotal = nullptr;
    QLineEdit *m_taeds = nullptr;
    QTableView *m_grid = nullptr;
    QToolButton *m_nav[4] = {nullptr, nullptr, nullptr, nullptr};
    QWidget *m_btnPanel = nullptr;
    QPushButton *m_insBtn = nullptr;
    QPushButton *m_qutBtn = nullptr;
    QPushButton *m_delBtn = nullptr;
    QPushButton *m_printBtn = nullptr;
    QPushButton *m_clrBtn = nullptr;
    QPushButton *m_logoutBtn = nullptr;
    QPushButton *m_changePwBtn = nullptr;
    QPushButton *m_kbBtn = nullptr;
    QPushButton *m_arEnBtn = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    TQKBForm *m_qkb = nullptr;
};
