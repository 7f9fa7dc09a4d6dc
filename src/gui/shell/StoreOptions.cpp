// The options in the main window: loading, applying and saving them, and
// the options window.

#include "TStoreForm.h"

#include "GridLayoutStore.h"
#include "MsgBox.h"
#include "PageAppearance.h"
#include "StoreActions.h"
#include "StoreTopBar.h"
#include "TLogInForm.h"
#include "data/SchemaUpgrade.h"
#include "data/TDataFormSQL.h"
#include "data/TDbOptionsForm.h"
#include "data/TOptForm.h"
#include "InvoicePrinting.h"
#include "shell/AppState.h"
#include "shell/Companies.h"
#include "shell/Options.h"

#include <QAction>
#include <QStatusBar>

void TStoreForm::wireOptions()
{
    m_appearance = new PageAppearance(m_note, this);
    connect(this, &TStoreForm::documentKindRequested, m_appearance,
            &PageAppearance::setDocumentKind);

    m_optForm = new TOptForm(this);
    QAction *opt = m_actions->action(QStringLiteral("OptAction"));
    m_actions->markReady(opt);
    connect(opt, &QAction::triggered, this, &TStoreForm::showOptForm);
    connect(m_optForm, &TOptForm::applied, this, [this] {
        applyOptions();
        CheckMenu(); // menus and rights follow the options
    });
    connect(m_optForm, &TOptForm::dbOptionsRequested, this, [this] {
        m_dbOptions->show();
        m_dbOptions->raise();
        m_dbOptions->activateWindow();
    });
    connect(m_optForm, &TOptForm::maintainRequested, this, &TStoreForm::dataMaintain);
    // The advanced buttons and the first sale number come with a login.
    addAdvancedControl([this](bool loggedIn) { m_optForm->setLoggedIn(loggedIn); });

    addExitWork([this] {
        m_optForm->hide();
        SaveOptions();
    });
}

void TStoreForm::showOptForm()
{
    // The options are the administrators' business.
    if (!m_loggedIn || !appState().IsAdminSession)
        return;
    m_optForm->setLoggedIn(m_loggedIn);
    m_optForm->show();
    m_optForm->raise();
    m_optForm->activateWindow();
}

bool TStoreForm::LoadOptions()
{
    // Nothing to load without a usable year database.
    if (m_login->firstTimePanelShowing() || !m_data.isOpen())
        return false;
    const Options::Result result = options().LoadOptions(m_data);
    if (!result.ok) {
        MsgBox::error(this, result.message);
        return false;
    }
    SetMyLanguage(options()
                      .text(QString::fromLatin1(OptKey::ArEn))
                      .compare(QStringLiteral("Ar"), Qt::CaseInsensitive)
                  == 0);
    GridLayoutStore::loadAll();
    m_appearance->load();
    m_optForm->fromOptions();
    applyOptions();
    loadPrintDesign();
    return true;
}

void TStoreForm::loadPrintDesign()
{
    // The print design follows the options and the open company's names.
    const Company *company = Companies::byPrefix(appState().DataPrefix);
    const Company::Header header = Companies::header(company ? company->number : 1);
    const PrintDesignApply::Outcome out =
        InvoicePrinting::instance().loadAndApply(options(), header.nameEn, header.nameAr);
    if (!out.ok)
        MsgBox::error(this, out.error);
}

void TStoreForm::applyOptions()
{
    const AppState &state = appState();
    setTopBarOption(options().isOn(QString::fromLatin1(OptKey::TopBar)));
    if (m_loggedIn) {
        const bool posUser = state.CurUID != 0 && state.CurUKind == 2;
        m_topBar->setVisible(m_showTopBarOption && state.CurUID != 0 && !posUser);
    }
    statusBar()->setVisible(options().isOn(QString::fromLatin1(OptKey::BottomBar)));
    GridLayoutStore::applyLookToAll();
    emit optionsApplied();
}

bool TStoreForm::SaveOptions()
{
    // Nothing is saved while the start-up is still opening the database.
    if (appState().FirstShow)
        return true;
    bool ok = true;

    DbSettings settings = m_dbOptions->settings();
    if (m_data.isOpen())
        settings.database = m_data.params().database;
    QString error;
    if (!settings.save(TDbOptionsForm::settingsPath(), &error)) {
        MsgBox::error(this,
                      tr("The database settings could not be saved to %1:\n%2")
                          .arg(TDbOptionsForm::settingsPath(), error));
        ok = false;
    }
    if (!m_data.isOpen())
        return ok;

    GridLayoutStore::saveAll();
    m_appearance->savePanelWidths();
    InvoicePrinting::instance().save(options());
    const Options::Result result = options().SaveOptions(m_data);
    if (!result.ok) {
        MsgBox::error(this, result.message);
        ok = false;
    }
    return ok;
}

void TStoreForm::dataMaintain()
{
    const SchemaUpgrade::Result result = SchemaUpgrade::DataMaintain(m_data);
    m_data.hideGauge();
    if (!result.ok) {
        MsgBox::error(this, tr("The database maintenance failed:\n%1").arg(result.error));
        return;
    }
    SaveOptions();
    m_optForm->hide();
    restart();
}
