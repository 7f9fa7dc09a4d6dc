#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

// Page 5 of the main window: the program's name and version, the greeting
// line of the Arabic interface, a second language button and the choice to
// power the computer off after the exit backup.
class AboutPage : public QWidget
{
    Q_OBJECT
public:
    explicit AboutPage(QWidget *parent = nullptr);

    QCheckBox *shutdownBox() const { return m_shutdown; }
    QPushButton *languageButton() const { return m_arEn; }

    void retranslate();

signals:
    void languageClicked();

private:
    QLabel *m_greeting;
    QLabel *m_name;
    QLabel *m_version;
    QPushButton *m_arEn;
    QCheckBox *m_shutdown;
};
