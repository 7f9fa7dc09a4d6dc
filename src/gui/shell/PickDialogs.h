#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The colour and font choosers. Like MsgBox and FileDialogs, a test queues
// the next answers instead of seeing a dialog; a queued std::nullopt is a
// cancel. With nothing queued and QARVEL_MSGBOX_AUTOANSWER set, every
// chooser is cancelled without showing anything.
class PickDialogs
{
public:
    // The chosen colour, or nullopt when cancelled.
    static std::optional<QColor> color(QWidget *parent, const QColor &initial,
                                       const QString &caption);
    // The chosen font, or nullopt when cancelled.
    static std::optional<QFont> font(QWidget *parent, const QFont &initial, const QString &caption);
    // The chosen printer name for the field of this kind (see
    // TChosePrinterDialog::Kind), or nullopt when cancelled.
    static std::optional<QString> printer(QWidget *parent, int kind, const QString &current);

    // -- test seam
    static void queueColor(const std::optional<QColor> &answer);
    static void queueFont(const std::optional<QFont> &answer);
    static void queuePrinter(const std::optional<QString> &answer);
    static void clearQueues();
    // Captions of the choosers that were asked for.
    static QStringList askedCaptions();
    static void clearAsked();
};
