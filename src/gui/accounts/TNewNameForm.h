#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TDataFormSQL;

// The entry window of an account: new ('N') or edit ('E'). In edit mode
// the name is changed only through "Change Name".
class TNewNameForm : public QWidget
{
    Q_OBJECT
public:
    explicit TNewNameForm(TDataFormSQL &data, QWidget *parent = nullptr);

    // Mode 'N' (new) or 'E' (edit account id). False when the window
    // stays closed (past year, password refused, account missing).
    bool open(char mode, int id = 0);
    int editedId() const;

    void OkBtnClick();
    void CancelBtnClick();
    void NameEdChange();
    void ChangeNameBtnClick();

signals:
    // An account was added or changed.
    void saved(int id);
    void closed();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void retranslate();
    void showWindow();
    void clearFields();

    TDataFormSQL &m_data;
    char m_mode = 'N';
    QLabel *m_labels[7] = {};
    QLineEdit *m_name = nullptr;
    QLineEdit *m_tel1 = nullptr;
    QLineEdit *m_tel2 = nullptr;
    QLineEdit *m_fax = nullptr;
    QLineEdit *m_kind = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_note = nullptr;
    QCheckBox *m_cashOnly = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_changeName = nullptr;
    QTableWidget *m_grid = nullptr;
    QLabel *m_toId = nullptr;
};
