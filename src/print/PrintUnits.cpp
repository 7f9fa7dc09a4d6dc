#include "PrintUnits.h"

#include <QRegularExpression>

double PrintUnits::mmToDevice(double mm, int dpi)
{
    return mm * dpi / 25.4;
}

int PrintUnits::wholeMmToUnits(int mm)
{
    const qint64 tenths = qint64(mm) * 34; // units x 10
    const qint64 units = tenths >= 0 ? (tenths + 5) / 10 : -((-tenths + 5) / 10);
    return int(units);
}

int PrintUnits::designTextToUnits(const QString &text)
{
    bool ok = false;
    const int mm = text.trimmed().toInt(&ok);
    return ok ? wholeMmToUnits(mm) : 0;
}

double PrintUnits::designTextToMm(const QString &text)
{
    return unitsToMm(designTextToUnits(text));
}

double PrintUnits::decimalMm(const QString &text, bool *ok)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString t = text.trimmed();
    const bool good = decimal.match(t).hasMatch();
    if (ok)
        *ok = good;
    return good ? t.toDouble() : 0.0;
}
