#include "MsgBox.h"

#include "shell/AppState.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QQueue>
#include <QWidget>

namespace {

struct QueuedInput
{
    QString text;
    bool ok = true;
};

QQueue<QMessageBox::StandardButton> &answers()
{
    static QQueue<QMessageBox::StandardButton> queue;
    return queue;
}

QQueue<QueuedInput> &inputs()
{
    static QQueue<QueuedInput> queue;
    return queue;
}

QStringList &shown()
{
    static QStringList texts;
    return texts;
}

Qt::LayoutDirection messageDirection()
{
    return appState().IsArabic ? Qt::RightToLeft : Qt::LeftToRight;
}

QString boxTitle()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Qarvel") : name;
}

} // namespace

bool MsgBox::unattended()
{
    return !answers().isEmpty() || !inputs().isEmpty()
        || qEnvironmentVariableIsSet("QARVEL_MSGBOX_AUTOANSWER");
}

QMessageBox::StandardButton MsgBox::show(QWidget *parent, Kind kind, const QString &text,
                                         QMessageBox::StandardButton defaultButton)
{
    shown().append(text);

    if (kind == Kind::Question) {
        if (!answers().isEmpty())
            return answers().dequeue();
        if (unattended())
            return defaultButton;
    } else {
        // A notice takes a queued Ok (a test acknowledging it explicitly);
        // any other queued answer is left for the next question.
        if (!answers().isEmpty() && answers().head() == QMessageBox::Ok)
            return answers().dequeue();
        if (unattended())
            return QMessageBox::Ok;
    }

    QMessageBox box(parent);
    box.setWindowTitle(boxTitle());
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    box.setLayoutDirection(messageDirection());
    switch (kind) {
    case Kind::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultButton);
        break;
    case Kind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Kind::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    const int result = box.exec();
    if (kind == Kind::Question)
        return result == QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::No;
    return QMessageBox::Ok;
}

QMessageBox::StandardButton MsgBox::question(QWidget *parent, const QString &text,
                                             QMessageBox::StandardButton defaultButton)
{
    return show(parent, Kind::Question, text, defaultButton);
}

bool MsgBox::confirm(QWidget *parent, const QString &text, QMessageBox::StandardButton defaultButton)
{
    return question(parent, text, defaultButton) == QMessageBox::Yes;
}

QMessageBox::StandardButton MsgBox::ask(QWidget *parent, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    shown().append(text);
    if (!answers().isEmpty())
        return answers().dequeue();
    if (unattended())
        return defaultButton;

    QMessageBox box(parent);
    box.setWindowTitle(boxTitle());
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    box.setLayoutDirection(messageDirection());
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(buttons);
    box.setDefaultButton(defaultButton);
    const auto result = QMessageBox::StandardButton(box.exec());
    return buttons.testFlag(result) ? result : defaultButton;
}

void MsgBox::error(QWidget *parent, const QString &text)
{
    show(parent, Kind::Error, text, QMessageBox::Ok);
}

void MsgBox::warning(QWidget *parent, const QString &text)
{
    show(parent, Kind::Warning, text, QMessageBox::Ok);
}

void MsgBox::information(QWidget *parent, const QString &text)
{
    show(parent, Kind::Information, text, QMessageBox::Ok);
}

QString MsgBox::inputText(QWidget *parent, const QString &title, const QString &label,
                          QLineEdit::EchoMode echo, const QString &text, bool *ok)
{
    shown().append(label);
    auto answer = [&](const QString &value, bool accepted) {
        if (ok)
            *ok = accepted;
        return value;
    };

    if (!inputs().isEmpty()) {
        const QueuedInput next = inputs().dequeue();
        return answer(next.ok ? next.text : text, next.ok);
    }
    if (unattended())
        return answer(text, false);

    QInputDialog dialog(parent);
    dialog.setWindowTitle(title.isEmpty() ? boxTitle() : title);
    dialog.setLabelText(label);
    dialog.setTextEchoMode(echo);
    dialog.setTextValue(text);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setLayoutDirection(messageDirection());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    return answer(accepted ? dialog.textValue() : text, accepted);
}

void MsgBox::queueAnswer(QMessageBox::StandardButton answer)
{
    answers().enqueue(answer);
}

void MsgBox::queueInput(const QString &text, bool ok)
{
    inputs().enqueue({text, ok});
}

int MsgBox::queuedAnswers()
{
    return int(answers().size());
}

int MsgBox::queuedInputs()
{
    return int(inputs().size());
}

void MsgBox::clearQueues()
{
    answers().clear();
    inputs().clear();
}

QStringList MsgBox::shownTexts()
{
    return shown();
}

void MsgBox::clearShown()
{
    shown().clear();
}
