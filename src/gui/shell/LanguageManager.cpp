#include "LanguageManager.h"

#include "shell/AppState.h"

#include <QApplication>
#include <QLibraryInfo>

LanguageManager &LanguageManager::instance()
{
    static LanguageManager manager;
    return manager;
}

LanguageManager::LanguageManager() = default;

void LanguageManager::loadTranslators()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_programLoaded = m_program.load(QStringLiteral(":/i18n/qarvel_ar.qm"));
    m_qtLoaded = m_qt.load(QStringLiteral("qtbase_ar"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool LanguageManager::arabicAvailable()
{
    loadTranslators();
    return m_programLoaded;
}

bool LanguageManager::isArabic() const
{
    return appState().IsArabic;
}

void LanguageManager::setLanguage(bool arabic)
{
    appState().IsArabic = arabic;
    loadTranslators();

    if (arabic && !m_installed) {
        if (m_qtLoaded)
            QCoreApplication::installTranslator(&m_qt);
        if (m_programLoaded)
            QCoreApplication::installTranslator(&m_program);
        m_installed = true;
    } else if (!arabic && m_installed) {
        QCoreApplication::removeTranslator(&m_program);
        QCoreApplication::removeTranslator(&m_qt);
        m_installed = false;
    }

    if (qApp)
        qApp->setLayoutDirection(arabic ? Qt::RightToLeft : Qt::LeftToRight);
    emit languageChanged(arabic);
}

void LanguageManager::toggle()
{
    setLanguage(!appState().IsArabic);
}
