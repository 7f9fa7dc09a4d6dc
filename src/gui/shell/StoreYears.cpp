// The year list of the top bar, the change of year and of company.

#include "TStoreForm.h"

#include "MsgBox.h"
#include "StoreActions.h"
#include "StoreTopBar.h"
#include "TLogInForm.h"
#include "data/TDataFormSQL.h"
#include "data/TDbOptionsForm.h"
#include "shell/AppState.h"
#include "shell/Companies.h"
#include "shell/Years.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

void TStoreForm::wireYears()
{
    // Only a choice of the user opens a year; filling and selecting from
    // the program does not.
    connect(m_topBar->yearList(), &QComboBox::activated, this, [this] { YearSpChange(); });

    for (const Company &company : Companies::all()) {
        QAction *action = m_actions->action(company.actionName);
        m_actions->markReady(action);
        connect(action, &QAction::triggered, this,
                [this, n = company.number] { switchCompany(n); });
        // A company without a caption keeps its inactive "---" button.
        if (QPushButton *button = m_topBar->companyButton(company.number);
            !company.buttonCaption.isEmpty()) {
            button->setEnabled(true);
            connect(button, &QPushButton::clicked, action, &QAction::trigger);
        }
    }
}

bool TStoreForm::FindYears()
{
    AppState &state = appState();
    const ConnectionParams server =
        m_data.isOpen() ? m_data.params() : m_dbOptions->settings().params(state.AppDir, QString());
    bool listed = false;
    QString error;
    const Years::YearList list = Years::FindYears(server, state.DataPrefix, &listed, &error);
    if (!listed || !list.contains(state.CurYear)) {
        MsgBox::error(this,
                      listed ? Years::notFoundMessage(state.CurYear)
                             : tr("The year databases could not be listed:\n%1").arg(error));
        m_login->showFirstTimePanel();
        m_login->present();
        return false;
    }

    QComboBox *years = m_topBar->yearList();
    const QSignalBlocker detached(years);
    years->clear();
    for (int year : list.years)
        years->addItem(QString::number(year));
    years->setCurrentText(QString::number(state.CurYear));
    return true;
}

void TStoreForm::selectLatestYear()
{
    QComboBox *years = m_topBar->yearList();
    const QSignalBlocker detached(years);
    years->setCurrentIndex(years->count() - 1);
}

void TStoreForm::YearSpChange()
{
    openSelectedYear(true);
}

void TStoreForm::openSelectedYear(bool saveLeaving)
{
    QComboBox *years = m_topBar->yearList();
    if (years->count() == 0 || years->currentIndex() < 0)
        return;
    AppState &state = appState();
    const bool firstShow = state.FirstShow;

    // The options belong to the year being left.
    if (saveLeaving)
        SaveOptions();
    m_note->setCurrentIndex(StorePages::About);

    bool isYear = false;
    const QString yearText = years->currentText();
    const int year = yearText.toInt(&isYear);
    if (!isYear) {
        MsgBox::error(this, yearText + QStringLiteral(" Error"));
        return;
    }
    state.CurYear = year;
    state.recomputeWorkDate();

    // The settings window writes dbOptions.txt and reconnects; on failure
    // it has shown the message and the first-time panel.
    m_dbOptions->setDatabaseName(state.yearDatabaseName());
    const bool opened = m_dbOptions->saveChanges();
    if (!opened)
        m_data.CloseDB(); // nothing may go on in the year left behind
    else if (!firstShow)
        LoadOptions();
    updateReadOnlyMarker();

    if (years->currentText().isEmpty()) {
        if (MsgBox::confirm(
                this, tr("You do not have Database in %1You must create it").arg(state.AppDir))) {
            QAction *restore = m_actions->action(QStringLiteral("RestoreAction"));
            if (restore && restore->isEnabled())
                restore->trigger();
        }
    } else if (years->currentIndex() < 0) {
        selectLatestYear();
    }
}

int TStoreForm::currentCompany() const
{
    const Company *company = Companies::byPrefix(appState().DataPrefix);
    return company ? company->number : 0;
}

void TStoreForm::switchCompany(int number)
{
    const Company *company = Companies::byNumber(number);
    if (!company)
        return;
    // Choosing the current company again does nothing, but the main
    // company is opened afresh (its list of years and its latest year).
    if (number == currentCompany() && number != 1)
        return;

    // Saved while the prefix still names the company they belong to.
    SaveOptions();
    appState().DataPrefix = company->prefix;
    setWindowTitle(company->windowCaption);
    // Printouts take the header texts of the current company
    // (Companies::header) when they are made.

    if (!FindYears())
        return;
    selectLatestYear();
    openSelectedYear(false);
}
