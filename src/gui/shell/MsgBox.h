#pragma once

#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box and text prompt of the program goes through here.
//
// The boxes are modal and follow the interface language (right to left in
// Arabic). For tests there is a queue of next answers: a question takes
// the next queued button, a prompt the next queued text. While anything is
// queued, or when the environment variable QARVEL_MSGBOX_AUTOANSWER is set,
// no dialog is shown: questions without a queued answer return their
// default button, prompts count as cancelled and notices are only recorded.
// Every text shown (or that would have been shown) is recorded.
class MsgBox
{
public:
    // Yes/No question; returns QMessageBox::Yes or QMessageBox::No.
    static QMessageBox::StandardButton question(QWidget *parent, const QString &text,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::Yes);
    // True when the answer to a Yes/No question is Yes.
    static bool confirm(QWidget *parent, const QString &text,
                        QMessageBox::StandardButton defaultButton = QMessageBox::Yes);

    // A question with its own buttons (e.g. Yes | Cancel | YesToAll);
    // returns the button chosen, defaultButton when unattended.
    static QMessageBox::StandardButton ask(QWidget *parent, const QString &text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton);

    static void error(QWidget *parent, const QString &text);
    static void warning(QWidget *parent, const QString &text);
    static void information(QWidget *parent, const QString &text);

    // A one-line text prompt. ok (if given) is false when cancelled; the
    // result is then the preset text.
    static QString inputText(QWidget *parent, const QString &title, const QString &label,
                             QLineEdit::EchoMode echo = QLineEdit::Normal,
                             const QString &text = QString(), bool *ok = nullptr);

    // -- test seam
    static void queueAnswer(QMessageBox::StandardButton answer);
    static void queueInput(const QString &text, bool ok = true);
    static int queuedAnswers();
    static int queuedInputs();
    static void clearQueues();
    static QStringList shownTexts();
    static void clearShown();

private:
    enum class Kind { Question, Error, Warning, Information };
    static QMessageBox::StandardButton show(QWidget *parent, Kind kind, const QString &text,
                                            QMessageBox::StandardButton defaultButton);
    static bool unattended();
};
