#include "ChangeGuard.h"

#include "AppState.h"
#include "Options.h"

#include <QCoreApplication>

namespace ChangeGuard {

QString pastYearMessage()
{
    return QCoreApplication::translate("ChangeGuard", "You can change only the current year data!!!");
}

QString wrongPasswordMessage()
{
    return QStringLiteral("Password Error!!!!!!");
}

QString editText()
{
    return QCoreApplication::translate("ChangeGuard", "Password required 3 times to Edit");
}

bool yearAllowsChange(const ShowError &showError)
{
    if (appState().isCurrentYear())
        return true;
    if (showError)
        showError(pastYearMessage());
    return false;
}

bool ConfirmByPassword(const QString &text, const AskPassword &ask, const ShowError &showError, int times)
{
    if (!yearAllowsChange(showError))
        return false;
    const int n = times >= 0 ? times : std::clamp(options().number(OptKey::ConfPass, 3), 0, 3);
    for (int i = 1; i <= n; ++i) {
        const std::optional<QString> entry = ask ? ask(QStringLiteral("%1-Password  %2").arg(i).arg(text))
                                                 : std::nullopt;
        // Cancelling counts as a wrong entry.
        if (!entry || *entry != appState().SupervisorPassword) {
            if (showError)
                showError(wrongPasswordMessage());
            return false;
        }
    }
    return true;
}

} // namespace ChangeGuard
