// The interface language, the keyboard layout and the appearance of the
// pages.

#include "TStoreForm.h"

#include "AboutPage.h"
#include "KeyboardLayout.h"
#include "LanguageManager.h"
#include "MsgBox.h"
#include "PageAppearance.h"
#include "StoreActions.h"
#include "StoreMenus.h"
#include "StoreTopBar.h"
#include "data/TDataFormSQL.h"
#include "shell/Options.h"
#include "shell/Years.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include <functional>

void TStoreForm::wireLanguage()
{
    // Whoever switches the language (buttons, menu, login), the window
    // follows it here.
    connect(&LanguageManager::instance(), &LanguageManager::languageChanged, this,
            &TStoreForm::onLanguageChanged);

    const auto wire = [this](const char *name, std::function<void()> work) {
        QAction *action = m_actions->action(QString::fromLatin1(name));
        m_actions->markReady(action);
        connect(action, &QAction::triggered, this, std::move(work));
        return action;
    };
    QAction *color =
        wire("ChangeColorAction", [this] { m_appearance->changeColor(currentPage()); });
    QAction *font = wire("ChangeFontAction", [this] { m_appearance->changeFont(currentPage()); });
    QAction *mainFont = wire("ChangeMFontAction", [this] { m_appearance->changeMainFont(); });
    QAction *reset = wire("DelFontAction", [this] { m_appearance->resetColor(currentPage()); });

    // The reset sits beside the other appearance actions of the options
    // menu; all four are also on the pop-up menu of the pages.
    if (QMenu *optionsMenu = m_menus->menu(QStringLiteral("OptionsMenu")))
        optionsMenu->insertAction(m_actions->action(QStringLiteral("ChangePassAction")), reset);
    m_note->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_note->addActions({color, font, mainFont, reset});
}

void TStoreForm::SetMyLanguage(bool arabic)
{
    // Sets IsArabic, the translations and the reading order; every window
    // re-translates itself, and onLanguageChanged does the rest.
    LanguageManager::instance().setLanguage(arabic);
}

void TStoreForm::onLanguageChanged(bool arabic)
{
    options().setText(QString::fromLatin1(OptKey::ArEn),
                      arabic ? QStringLiteral("Ar") : QStringLiteral("En"));
    // The system accounts carry names in the interface language.
    if (m_data.isOpen()) {
        QString error;
        if (!SystemAccounts::ensure(m_data, arabic, &error))
            MsgBox::warning(this, tr("The system accounts could not be renamed:\n%1").arg(error));
    }
}

void TStoreForm::applyUserLanguage(int lang)
{
    // Only a user allowed both languages may switch between them.
    const bool both = lang != 1 && lang != 2;
    m_topBar->languageButton()->setVisible(both);
    m_about->languageButton()->setVisible(both);
    if (QMenu *language = m_menus->menu(QStringLiteral("LanguageMenu")))
        language->menuAction()->setVisible(both);
    m_menus->arabicItem()->setEnabled(both);
    m_menus->englishItem()->setEnabled(both);

    if (lang == 1)
        SetMyLanguage(true);
    else if (lang == 2)
        SetMyLanguage(false);
    else
        SetMyLanguage(options()
                          .text(QString::fromLatin1(OptKey::ArEn))
                          .compare(QStringLiteral("Ar"), Qt::CaseInsensitive)
                      == 0);
}

void TStoreForm::SetKeyBoardLanguage(bool arabic)
{
    // Layout 1 is taken as the Arabic one, layout 0 as the English one; a
    // missing layout or a failed switch is of no consequence.
    KeyboardLayout::activate(arabic ? 1 : 0);
}
