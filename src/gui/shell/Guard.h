#pragma once

#include <QString>

class QWidget;

// The change guard as the windows use it: refuses any change in a past
// year, otherwise asks the supervisor password in a masked prompt as many
// times as the option "Confirm Password Times" says. Returns true to go
// ahead. Deletions pass the text of their own question; edits pass
// ChangeGuard::editText().
bool ConfirmByPassword(QWidget *parent, const QString &text);

namespace Guard {
// The text the prompt starts with: longer than any password, so that a
// prompt left as it is (or cancelled) counts as a wrong entry.
QString presetText();
} // namespace Guard
