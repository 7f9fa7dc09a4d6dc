// The year list of the top bar, the change of year and of company.

#include "TStoreForm.h"

#include "StoreTopBar.h"
#include "shell/AppState.h"
#include "shell/Years.h"
#include "data/TDataFormSQL.h"

#include <QComboBox>

void TStoreForm::fillYearList()
{
    QComboBox *years = m_topBar->yearList();
    years->clear();
    bool ok = false;
    const Years::YearList list = Years::FindYears(m_data.params(), appState().DataPrefix, &ok);
    if (!ok || !list.found())
        return;
    for (int year : list.years)
        years->addItem(QString::number(year));
    years->setCurrentText(QString::number(appState().CurYear));
}

