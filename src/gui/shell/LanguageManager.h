#pragma once

#include <QObject>
#include <QTranslator>

// Switches the interface language at run time: sets IsArabic, swaps the
// program's and Qt's own Arabic translations and the layout direction.
// Windows pick the change up in changeEvent(QEvent::LanguageChange) and
// re-translate their captions there; the event is posted, so it arrives
// on the next turn of the event loop.
class LanguageManager : public QObject
{
    Q_OBJECT
public:
    static LanguageManager &instance();

    void setLanguage(bool arabic);
    void toggle();
    bool isArabic() const;

    // Whether the program's Arabic translation could be loaded.
    bool arabicAvailable();

signals:
    void languageChanged(bool arabic);

private:
    LanguageManager();
    void loadTranslators();

    QTranslator m_program;
    QTranslator m_qt;
    bool m_loaded = false;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
    bool m_installed = false;
};
