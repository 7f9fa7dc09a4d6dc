#pragma once

#include <QWidget>

class QGroupBox;
class QStandardItemModel;
class QTableView;
class TDataFormSQL;

// The customer's window on a second monitor: the orders being prepared,
// the lines of the current order and, when the options say so, the menu of
// the quick-key items with their prices.
class TCusomerLCDForm : public QWidget
{
    Q_OBJECT
public:
    explicit TCusomerLCDForm(TDataFormSQL &data, QWidget *parent = nullptr);

    // Shown on the second monitor when there are two or more, else hidden.
    void placeOnScreens();
    // Reads the quick-key items again and shows or hides the menu.
    void refreshMenu();

    QStandardItemModel *ordersModel() const { return m_orders; }
    QStandardItemModel *orderLinesModel() const { return m_orderLines; }
    QStandardItemModel *menuModel() const { return m_menu; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    TDataFormSQL &m_data;
    QStandardItemModel *m_orders;
    QStandardItemModel *m_orderLines;
    QStandardItemModel *m_menu;
    QTableView *m_grd1;
    QTableView *m_grd2;
    QTableView *m_grd3;
    QGroupBox *m_menuPanel;
};
