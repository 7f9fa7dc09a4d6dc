#include "PickDialogs.h"

#include "shell/AppState.h"
#include "shell/TChosePrinterDialog.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QQueue>

namespace {

QQueue<std::optional<QColor>> &colors()
{
    static QQueue<std::optional<QColor>> queue;
    return queue;
}

QQueue<std::optional<QFont>> &fonts()
{
    static QQueue<std::optional<QFont>> queue;
    return queue;
}

QQueue<std::optional<QString>> &printers()
{
    static QQueue<std::optional<QString>> queue;
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

Qt::LayoutDirection direction()
{
    return appState().IsArabic ? Qt::RightToLeft : Qt::LeftToRight;
}

} // namespace

std::optional<QColor> PickDialogs::color(QWidget *parent, const QColor &initial,
                                         const QString &caption)
{
    asked().append(caption);
    if (!colors().isEmpty())
        return colors().dequeue();
    if (autoAnswer())
        return std::nullopt;
    QColorDialog dialog(initial, parent);
    dialog.setWindowTitle(caption);
    dialog.setLayoutDirection(direction());
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QFont> PickDialogs::font(QWidget *parent, const QFont &initial,
                                       const QString &caption)
{
    asked().append(caption);
    if (!fonts().isEmpty())
        return fonts().dequeue();
    if (autoAnswer())
        return std::nullopt;
    QFontDialog dialog(initial, parent);
    dialog.setWindowTitle(caption);
    dialog.setLayoutDirection(direction());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

std::optional<QString> PickDialogs::printer(QWidget *parent, int kind, const QString &current)
{
    asked().append(QStringLiteral("printer %1").arg(kind));
    if (!printers().isEmpty())
        return printers().dequeue();
    if (autoAnswer())
        return std::nullopt;
    TChosePrinterDialog dialog(kind, current, parent);
    dialog.setLayoutDirection(direction());
    if (dialog.exec() != QDialog::Accepted || dialog.chosen().isEmpty())
        return std::nullopt;
    return dialog.chosen();
}

void PickDialogs::queueColor(const std::optional<QColor> &answer)
{
    colors().enqueue(answer);
}

void PickDialogs::queueFont(const std::optional<QFont> &answer)
{
    fonts().enqueue(answer);
}

void PickDialogs::clearQueues()
{
    colors().clear();
    fonts().clear();
    printers().clear();
}

void PickDialogs::queuePrinter(const std::optional<QString> &answer)
{
    printers().enqueue(answer);
}

QStringList PickDialogs::askedCaptions()
{
    return asked();
}

void PickDialogs::clearAsked()
{
    asked().clear();
}
