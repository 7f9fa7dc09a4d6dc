#include "StartupOpen.h"

#include "TDataFormSQL.h"
#include "YearDatabases.h"
#include "shell/AppState.h"

#include <QCoreApplication>
#include <QThread>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("StartupOpen", text);
}
} // namespace

StartupOpen::Result StartupOpen::run(TDataFormSQL &data, const QString &dataDir,
                                     DbSettings *settingsOut) const
{
    Result result;
    AppState &state = appState();
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        if (attempt > 1) {
            const QString counter = QStringLiteral("Try to open DB: %1 / %2").arg(attempt).arg(attempts);
            if (progress)
                progress(counter);
            // A short pause that keeps the window alive.
            for (int step = 1; step <= 100; ++step) {
                if (pauseMs > 0)
                    QThread::usleep(static_cast<unsigned long>(pauseMs) * 10);
                if (step % 10 == 0) {
                    if (progress)
                        progress(counter + QStringLiteral("   wait: %1 / 100").arg(step));
                    if (QCoreApplication::instance())
                        QCoreApplication::processEvents();
                }
            }
        }

        DbSettings settings;
        settings.load(dataDir + QLatin1String(DbSettings::kFileName));
        state.refreshToday();
        state.CurYear = state.ThisYear;
        state.recomputeWorkDate();
        result.database = state.yearDatabaseName();
        const ConnectionParams params = settings.params(dataDir, result.database);
        if (settingsOut)
            *settingsOut = settings;

        // A first start on a machine with an empty data folder makes the
        // current year of the main company, so the program just works.
        if (params.engine == DbEngine::SQLite && attempt == 1) {
            bool listed = false;
            const QStringList names = YearDatabases::listDatabases(params, &listed);
            bool any = false;
            for (const QString &n : names)
                any = any || YearDatabases::parseName(n, nullptr, nullptr);
            if (!any) {
                ConnectionParams first = params;
                first.database = YearDatabases::databaseName(QStringLiteral("DATA"), state.ThisYear);
                QString error;
                if (YearDatabases::create(first, &error)) {
                    result.createdFirstYear = true;
                } else {
                    result.message = error;
                }
            }
        }

        if (data.OpenDB(params)) {
            result.ok = true;
            if (result.createdFirstYear)
                result.message = tr("A new year database %1 was created in %2")
                                     .arg(result.database, dataDir);
            return result;
        }
    }
    result.ok = false;
    result.message = tr("SQL Server Error OR Database is not exists:") + result.database;
    if (!data.lastErrorText().isEmpty())
        result.message += QStringLiteral("\n") + data.lastErrorText();
    return result;
}
