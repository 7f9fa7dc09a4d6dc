#pragma once

#include <QWidget>

class CatalogueModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class QToolButton;
class TDataFormSQL;
class TNewItemForm;
class TStoreForm;

// The codes page: the items table with its search, the card of the
// current item and the item kinds with the import from all.txt.
class CataloguePage : public QWidget
{
    Q_OBJECT
public:
    explicit CataloguePage(TDataFormSQL &data, QWidget *parent = nullptr);

    // The page becomes active: the list is read again, the search box
    // emptied, and the items table shown (the kinds when there is none).
    void enterPage();

    CatalogueModel *model() const { return m_model; }
    TNewItemForm *editor() const { return m_editor; }
    int currentItemId() const;
    void selectItem(int itemId);

    // -- the page's operations
    void AddNewItemBtnClick();
    void EditItemBtnClick();
    void DelItemBtnClick();
    void NewKindBtnClick();
    void DeleteKindBtnClick();
    void ImportBTNClick();
    void R1ChkClick();

signals:
    // Items were added, changed or deleted (the quick keys may follow).
    void itemsChanged();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildCodesTab();
    QWidget *buildCardTab();
    QWidget *buildKindsTab();
    void retranslate();
    void updateCount();
    void updateButtons();
    void showCard();
    void reloadKinds(int selectId = 0);
    int currentKindId() const;
    void subPageChanged(int index);
    void moveTo(int row);

    TDataFormSQL &m_data;
    CatalogueModel *m_model = nullptr;
    TNewItemForm *m_editor = nullptr;

    QTabWidget *m_pages = nullptr;
    QWidget *m_codesTab = nullptr;
    QWidget *m_cardTab = nullptr;
    QWidget *m_kindsTab = nullptr;
    QTableView *m_grid = nullptr;
    QWidget *m_searchPanel = nullptr;
    QLineEdit *m_find = nullptr;
    QLabel *m_findLabel = nullptr;
    QCheckBox *m_viewPrice = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_excel = nullptr;
    QToolButton *m_nav[4] = {};

    QLabel *m_cardLabels[12] = {};
    QLabel *m_cardValues[12] = {};

    QTableWidget *m_kinds = nullptr;
    QPushButton *m_newKind = nullptr;
    QPushButton *m_deleteKind = nullptr;
    QPushButton *m_import = nullptr;
    QLabel *m_importHint = nullptr;
};

// Puts the codes page into page 3 of the main window with its page work;
// other pages reach the item editor through it.
CataloguePage *installCataloguePage(TStoreForm &window);
