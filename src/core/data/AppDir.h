#pragma once

#include <QString>
#include <QStringList>

// The data folder that holds every file the program keeps (dbOptions.txt,
// the embedded year databases, all.txt, temp.bak, backups, the help page).
namespace AppDir {

// The per-user application data folder of the platform.
QString defaultDir();
// "--data DIR" (or "--data=DIR") from the arguments, else defaultDir().
// The result is absolute, created when missing, and ends in a separator.
QString fromArguments(const QStringList &arguments);
// Removes "--data DIR" from the arguments (for the remaining parsing).
QStringList stripDataArgument(const QStringList &arguments);
QString withSeparator(const QString &dir);

} // namespace AppDir
