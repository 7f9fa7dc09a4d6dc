#pragma once

#include "items/StoreChk.h"

#include <QWidget>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class StockModel;
class TDataFormSQL;

// The stock page: the stock list with its search and "Down!" filter, the
// "Up to Date" limit, "Re Calc Store" and the stock value.
class StockPage : public QWidget
{
    Q_OBJECT
public:
    explicit StockPage(TDataFormSQL &data, QWidget *parent = nullptr);

    // The page becomes active: the stock is recomputed when stale and the
    // list and value shown.
    void enterPage();

    StockModel *model() const { return m_model; }
    StoreChk &storeChk() { return m_chk; }

    // -- the page's operations
    void ReChkStoreBtnClick();
    void UpToDateChkClick();
    void UpToDateEDChange();
    void applyFilter();

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Recomputes (always when force, else only when stale) and shows the result.
    void refresh(bool force);
    void retranslate();

    TDataFormSQL &m_data;
    StoreChk m_chk;
    StockModel *m_model = nullptr;

    QTableView *m_grid = nullptr;
    QLabel *m_findLabel = nullptr;
    QLineEdit *m_find = nullptr;
    QCheckBox *m_down = nullptr;
    QCheckBox *m_upTo = nullptr;
    QDateEdit *m_upToDate = nullptr;
    QPushButton *m_recalc = nullptr;
    QPushButton *m_print = nullptr;
    QLabel *m_totalLabel = nullptr;
    QLineEdit *m_total = nullptr;
    QLabel *m_count = nullptr;
};
