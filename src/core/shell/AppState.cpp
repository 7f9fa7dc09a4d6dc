#include "AppState.h"

#include "Clock.h"
#include "data/YearDatabases.h"

AppState &AppState::instance()
{
    static AppState state;
    return state;
}

void AppState::refreshToday()
{
    ThisYear = Clock::today().year();
    recomputeWorkDate();
}

void AppState::recomputeWorkDate()
{
    const QDate today = Clock::today();
    if (ThisYear == 0)
        ThisYear = today.year();
    WorkDate = CurYear == ThisYear ? today : today.addYears(CurYear - ThisYear);
}

QString AppState::yearDatabaseName() const
{
    return YearDatabases::databaseName(DataPrefix, CurYear);
}

void AppState::resetForTests()
{
    const QString dir = AppDir;
    *this = AppState();
    AppDir = dir;
}
