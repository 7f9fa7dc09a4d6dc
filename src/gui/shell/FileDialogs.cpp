#include "FileDialogs.h"

#include "shell/AppState.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QQueue>

namespace {

QQueue<QString> &names()
{
    static QQueue<QString> queue;
    return queue;
}

QQueue<bool> &printAnswers()
{
    static QQueue<bool> queue;
    return queue;
}

QStringList &asked()
{
    static QStringList captions;
    return captions;
}

bool autoAnswer()
{
    return qEnvironmentVariableIsSet("QARVEL_MSGBOX_AUTOANSWER");
}

enum class Mode { Open, Save, Folder };

QString choose(Mode mode, QWidget *parent, const QString &caption, const QString &dir,
               const QString &filter)
{
    asked().append(caption);
    if (!names().isEmpty())
        return names().dequeue();
    if (autoAnswer())
        return QString();

    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setLayoutDirection(appState().IsArabic ? Qt::RightToLeft : Qt::LeftToRight);
    switch (mode) {
    case Mode::Open:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case Mode::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    case Mode::Folder:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString FileDialogs::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                  const QString &filter)
{
    return choose(Mode::Open, parent, caption, dir, filter);
}

QString FileDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                  const QString &filter)
{
    return choose(Mode::Save, parent, caption, dir, filter);
}

QString FileDialogs::folder(QWidget *parent, const QString &caption, const QString &dir)
{
    return choose(Mode::Folder, parent, caption, dir, QString());
}

bool FileDialogs::print(QWidget *parent, QPrinter *printer)
{
    asked().append(QStringLiteral("print"));
    if (!printAnswers().isEmpty())
        return printAnswers().dequeue();
    if (autoAnswer())
        return false;
    QPrintDialog dialog(printer, parent);
    dialog.setLayoutDirection(appState().IsArabic ? Qt::RightToLeft : Qt::LeftToRight);
    return dialog.exec() == QDialog::Accepted;
}

void FileDialogs::queueFileName(const QString &path)
{
    names().enqueue(path);
}

void FileDialogs::queuePrintAnswer(bool accepted)
{
    printAnswers().enqueue(accepted);
}

void FileDialogs::clearQueues()
{
    names().clear();
    printAnswers().clear();
}

QStringList FileDialogs::askedCaptions()
{
    return asked();
}

void FileDialogs::clearAsked()
{
    asked().clear();
}
