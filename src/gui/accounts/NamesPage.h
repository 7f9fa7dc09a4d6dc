#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;
class TDataFormSQL;
class TNewNameForm;
class TStoreForm;

// The address book page: the accounts (without the system accounts) with
// their search, and the entry window for new and changed accounts.
class NamesPage : public QWidget
{
    Q_OBJECT
public:
    explicit NamesPage(TDataFormSQL &data, QWidget *parent = nullptr);

    // The page becomes active: the list is read again, the search box
    // emptied and focused.
    void enterPage();
    void reload(int selectId = 0);

    TNewNameForm *entryForm() const { return m_form; }
    int currentId() const;
    QString currentName() const;
    void selectId(int id);

    void NewNameBtnClick();
    void EditNameBtnClick();
    void DelNameBtnClick();
    void AddressEdChange();

signals:
    // Accounts were added, changed or deleted.
    void accountsChanged();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void NamesIdEdChange();
    void moveTo(int row);

    TDataFormSQL &m_data;
    TNewNameForm *m_form = nullptr;
    QTableWidget *m_grid = nullptr;
    QLineEdit *m_search = nullptr;
    QLabel *m_searchLabel = nullptr;
    QLineEdit *m_idEdit = nullptr;
    QToolButton *m_nav[4] = {};
    QPushButton *m_new = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_excel = nullptr;
    QPushButton *m_pay = nullptr;
    QPushButton *m_credit = nullptr;
    QPushButton *m_cheque = nullptr;
};

// Puts the address book into the names page of the main window with its
// page work.
NamesPage *installAddressBookPage(TStoreForm &window);
