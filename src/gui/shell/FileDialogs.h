#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// File, folder and print choosers. Like MsgBox, a test queues the next
// answers instead of seeing a dialog: a queued empty name is a cancel.
// With nothing queued and QARVEL_MSGBOX_AUTOANSWER set, every chooser is
// cancelled without showing anything.
class FileDialogs
{
public:
    static QString openFileName(QWidget *parent, const QString &caption,
                                const QString &dir = QString(), const QString &filter = QString());
    static QString saveFileName(QWidget *parent, const QString &caption,
                                const QString &dir = QString(), const QString &filter = QString());
    static QString folder(QWidget *parent, const QString &caption, const QString &dir = QString());
    // The print dialog on printer; true when the user accepted it.
    static bool print(QWidget *parent, QPrinter *printer);

    // -- test seam
    static void queueFileName(const QString &path); // empty: cancelled
    static void queuePrintAnswer(bool accepted);
    static void clearQueues();
    // Captions of the choosers that were asked for.
    static QStringList askedCaptions();
    static void clearAsked();
};
