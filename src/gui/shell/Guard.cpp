#include "Guard.h"

#include "MsgBox.h"
#include "shell/ChangeGuard.h"
#include "shell/Password.h"

QString Guard::presetText()
{
    return QString(Password::kMaxLength + 2, u'*');
}

bool ConfirmByPassword(QWidget *parent, const QString &text)
{
    const auto ask = [parent](const QString &caption) -> std::optional<QString> {
        bool ok = false;
        const QString entry =
            MsgBox::inputText(parent, caption, caption, QLineEdit::Password, Guard::presetText(), &ok);
        if (!ok)
            return std::nullopt;
        return entry;
    };
    const auto showError = [parent](const QString &message) { MsgBox::error(parent, message); };
    return ChangeGuard::ConfirmByPassword(text, ask, showError);
}
