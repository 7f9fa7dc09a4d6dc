#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class PosPage;
class TDataFormSQL;
class TStoreForm;

// "Quick Keys": 24 keys, each bound to one item of the catalogue (the
// item's QkbNo), so that a counter sells without scanning. While it is
// open the main window cannot be used.
class TQKBForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kKeys = 24;

    TQKBForm(TStoreForm &window, PosPage &pos, QWidget *parent = nullptr);

    // The caption of key k: "F1".."F12", "1".."9", "0", "-", "=".
    static QString keyCaption(int k);
    // The key number of a released key, 0 for none.
    static int keyNumber(int key, Qt::KeyboardModifiers modifiers);

    void AddQuickKeyItem(int k);
    void EnterKBClick();
    void StartInvEDChange();
    void setLastInv(int invId);
    void refreshTotal() { StartInvEDChange(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void FormShow();
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    void showEnter(bool shown);
    void retranslate();

    TStoreForm &m_window;
    PosPage &m_pos;
    TDataFormSQL &m_data;
    QTableWidget *m_sg;
    QPushButton *m_keys[kKeys];
    QLabel *m_labels[kKeys];
    QLabel *m_prices;
    QLabel *m_prices1;
    QPushButton *m_enter;
    QLabel *m_enterLb;
    QCheckBox *m_calcChk;
    QWidget *m_calcPanel;
    QLabel *m_startLb;
    QLineEdit *m_startInv;
    QLineEdit *m_totalEd;
    QLabel *m_lastInv;
};
