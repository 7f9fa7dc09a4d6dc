#include "AppDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppDir {
namespace {

const QString kOption = QStringLiteral("--data");
const QString kOptionEq = QStringLiteral("--data=");

QString expandHome(const QString &dir)
{
    if (dir == QLatin1String("~"))
        return QDir::homePath();
    if (dir.startsWith(QLatin1String("~/")))
        return QDir::homePath() + dir.mid(1);
    return dir;
}

// The value of the last "--data" argument; a null text when there is none.
QString dataArgument(const QStringList &arguments)
{
    QString value;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == kOption) {
            if (i + 1 < arguments.size())
                value = arguments.at(++i);
        } else if (arg.startsWith(kOptionEq)) {
            value = arg.mid(kOptionEq.size());
        }
    }
    return value;
}

QString prepared(const QString &dir)
{
    const QString absolute = QDir::cleanPath(QFileInfo(expandHome(dir)).absoluteFilePath());
    if (!QDir().mkpath(absolute))
        qWarning("Cannot create the data folder %s",
                 qPrintable(QDir::toNativeSeparators(absolute)));
    return withSeparator(absolute);
}

} // namespace

QString defaultDir()
{
    QString dir;
    if (QCoreApplication::applicationName().isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (!QCoreApplication::organizationName().isEmpty())
            dir += QLatin1Char('/') + QCoreApplication::organizationName();
        dir += QStringLiteral("/Qarvel");
    } else {
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    return prepared(dir);
}

QString fromArguments(const QStringList &arguments)
{
    const QString value = dataArgument(arguments);
    return value.isEmpty() ? defaultDir() : prepared(value);
}

QStringList stripDataArgument(const QStringList &arguments)
{
    QStringList rest;
    rest.reserve(arguments.size());
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == kOption)
            ++i; // and its value
        else if (!arg.startsWith(kOptionEq))
            rest.append(arg);
    }
    return rest;
}

QString withSeparator(const QString &dir)
{
    if (dir.isEmpty() || dir.endsWith(QLatin1Char('/')) || dir.endsWith(QDir::separator()))
        return dir;
    return dir + QLatin1Char('/');
}

} // namespace AppDir
