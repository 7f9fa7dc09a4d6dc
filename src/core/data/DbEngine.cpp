#include "DbEngine.h"

#include <QCoreApplication>
#include <QDir>

QString ConnectionParams::serverText() const
{
    if (engine == DbEngine::SQLite)
        return QCoreApplication::translate("ConnectionParams", "data folder %1")
            .arg(QDir::toNativeSeparators(dataDir));
    const QString shownHost =
        host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return shownHost + QLatin1Char(':') + QString::number(port);
}
