// The start-up of the main window: what happens when it is first shown.

#include "TStoreForm.h"

#include "MsgBox.h"
#include "StoreTopBar.h"
#include "TLogInForm.h"
#include "WaitPanel.h"
#include "data/SchemaUpgrade.h"
#include "data/SqlDialect.h"
#include "data/TDataFormSQL.h"
#include "data/TDbOptionsForm.h"
#include "data/YearDatabases.h"
#include "shell/AppState.h"
#include "shell/Companies.h"
#include "shell/Years.h"

#include <QCheckBox>
#include <QComboBox>
#include <QShowEvent>
#include <QTimer>

void TStoreForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // Let the window appear before the database work starts.
    QTimer::singleShot(0, this, &TStoreForm::FormShow);
}

void TStoreForm::FormShow()
{
    shutdownBox()->setChecked(false);
    updateUserStatus();

    if (!openYearDatabase()) {
        emit startupFinished(false);
        return;
    }
    firstShowWork();
    selectLatestYear();
    YearSpChange();
    upgradeProbe();
    if (!appState().Restarting)
        appState().FirstShow = false;
    emit startupFinished(true);
}

bool TStoreForm::openYearDatabase()
{
    if (!m_startup.progress)
        m_startup.progress = [this](const QString &text) { m_waitPanel->showText(text); };

    DbSettings settings;
    const StartupOpen::Result result = m_startup.run(m_data, appState().AppDir, &settings);
    m_waitPanel->finish();
    m_dbOptions->setSettings(settings);
    m_dbOptions->setDatabaseName(result.database);

    if (!result.ok) {
        if (!result.message.isEmpty())
            MsgBox::error(this, result.message);
        MsgBox::error(this, QStringLiteral("DB Error, Restart the Program"));
        // Not connected: only the first-time panel of the login window is
        // of use until the settings are fixed.
        m_login->showFirstTimePanel();
        PassNotOK();
        return false;
    }
    if (result.createdFirstYear && !result.message.isEmpty())
        MsgBox::information(this, result.message);
    return true;
}

void TStoreForm::firstShowWork()
{
    AppState &state = appState();
    state.refreshToday();
    QString prefix;
    int year = 0;
    const QString database = m_data.params().database;
    state.CurYear = YearDatabases::parseName(database, &prefix, &year) && year > 0 ? year : state.ThisYear;
    state.recomputeWorkDate();
    FindYears();
    LoadOptions();

    m_topBar->companyPanel()->show();
    const Company *company = Companies::byPrefix(state.DataPrefix);
    setWindowTitle(company ? company->windowCaption : Companies::byNumber(1)->windowCaption);

    // Without an administrator the program logs in as one at once, so
    // that the first administrator can be added.
    bool ok = false;
    const QVariant admin = m_data.scalar(
        QStringLiteral(R"(SELECT "UID" FROM "Users" WHERE "UKind" = 0)") + SqlDialect::limit(1), {}, &ok);
    if (ok && admin.isValid() && !admin.isNull()) {
        m_login->showUserPanel();
        PassNotOK();
    } else {
        m_login->showFirstTimePanel();
        PassOk(true, QStringLiteral("adm"));
        m_login->present();
    }
    // The main menu comes with a login.
    setMainMenuShown(false);
    updateReadOnlyMarker();
}

void TStoreForm::upgradeProbe()
{
    if (!SchemaUpgrade::needsUpgrade(m_data))
        return;
    if (!MsgBox::confirm(this, tr("It is new Version, You must Maitain DB, Do you like to do that now?")))
        return;
    const SchemaUpgrade::Result result = SchemaUpgrade::DataMaintain(m_data);
    if (result.ok) {
        restart();
        return;
    }
    MsgBox::error(this, tr("The database maintenance failed:\n%1").arg(result.error));
}
