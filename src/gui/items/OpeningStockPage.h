#pragma once

#include <QList>
#include <QWidget>

class OpeningStockDelegate;
class OpeningStockModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class TDataFormSQL;
struct OpeningStockRow;

// The opening-stock sub-page ("Beginning Inventory") of the opening
// entries page: the grid with its search, import, empty, delete and the
// total, and the adding of items chosen on the codes page.
class OpeningStockPage : public QWidget
{
    Q_OBJECT
public:
    explicit OpeningStockPage(TDataFormSQL &data, QWidget *parent = nullptr);

    // The sub-page becomes active: search emptied, grid read again, the
    // import offered only while there is no row.
    void enterPage();

    OpeningStockModel *model() const { return m_model; }
    // The row under the cursor, nullptr when none.
    const OpeningStockRow *currentRow() const;
    void selectItem(int itemId);

    // "2 Beginning Inventory" of the codes page: adds the items selected
    // there (in selection order) or, on "Yes To All", every item. The
    // items table is hidden while the rows are added.
    void AddToFGoodBtnClick(const QList<int> &selectedItemIds, QWidget *itemsTable = nullptr);

    // -- the sub-page's operations
    void ImportFGoodBtnClick();
    void EmptyFGoodBtnClick();
    void DelFGoodBtnClick();
    void SumFGoodBtnClick();

signals:
    // Rows were added or removed.
    void openingStockChanged();

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void reloadGrid();
    void updateImport();
    void updateButtons();
    bool allowEdit();

    TDataFormSQL &m_data;
    OpeningStockModel *m_model = nullptr;
    OpeningStockDelegate *m_delegate = nullptr;

    QTableView *m_grid = nullptr;
    QLabel *m_findLabel = nullptr;
    QLineEdit *m_find = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_empty = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_sum = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_excel = nullptr;
    QLabel *m_totalLabel = nullptr;
    QLineEdit *m_total = nullptr;
};
