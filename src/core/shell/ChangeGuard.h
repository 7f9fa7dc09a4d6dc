#pragma once

#include <QString>

#include <functional>
#include <optional>

// The change guard: data of a past year is read-only, and a guarded change
// of the current year asks the supervisor password as many times as the
// option "Confirm Password Times" says.
namespace ChangeGuard {

// Asks one password with the given caption; nullopt when cancelled.
using AskPassword = std::function<std::optional<QString>(const QString &caption)>;
using ShowError = std::function<void(const QString &message)>;

// "You can change only the current year data!!!" in the interface language.
QString pastYearMessage();
QString wrongPasswordMessage(); // "Password Error!!!!!!"
QString editText();             // "Password required 3 times to Edit"

// True when the open year may be changed; otherwise shows the refusal.
bool yearAllowsChange(const ShowError &showError);

// Returns true to go ahead. times < 0 takes the option; 0 asks nothing.
bool ConfirmByPassword(const QString &text, const AskPassword &ask, const ShowError &showError,
                       int times = -1);

} // namespace ChangeGuard
