#include "YearGuard.h"

#include "MsgBox.h"
#include "shell/ChangeGuard.h"

bool ShowCurYearErrorIfPast(QWidget *parent)
{
    return !ChangeGuard::yearAllowsChange(
        [parent](const QString &message) { MsgBox::error(parent, message); });
}
