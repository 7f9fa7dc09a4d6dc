#pragma once

#include <QFrame>

class QComboBox;
class QPushButton;
class QWidget;

// The top bar of the main window (Panel1): language button, calculator,
// company buttons (MultiPanel), logout button and the working-year list.
class StoreTopBar : public QFrame
{
    Q_OBJECT
public:
    explicit StoreTopBar(QWidget *parent = nullptr);

    QPushButton *languageButton() const { return m_arEn; }
    QPushButton *calculatorButton() const { return m_calc; }
    QWidget *companyPanel() const { return m_multiPanel; }
    QPushButton *companyButton(int company) const; // 1..5
    QPushButton *logoutButton() const { return m_logout; }
    QComboBox *yearList() const { return m_yearSP; }

    void retranslate();

signals:
    void languageClicked();
    void logoutClicked();

private:
    QPushButton *m_arEn;
    QPushButton *m_calc;
    QWidget *m_multiPanel;
    QPushButton *m_companies[5];
    QPushButton *m_logout;
    QComboBox *m_yearSP;
};
