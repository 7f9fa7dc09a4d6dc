#include "TypedNumber.h"

#include <QLocale>

#include <cmath>

namespace TypedNumber {

QString latinDigits(const QString &text)
{
    QString t = text;
    for (QChar &c : t) {
        const char16_t u = c.unicode();
        if (u >= 0x0660 && u <= 0x0669) // Arabic-Indic digits
            c = QChar(u'0' + (u - 0x0660));
        else if (u >= 0x06F0 && u <= 0x06F9) // Eastern Arabic-Indic digits
            c = QChar(u'0' + (u - 0x06F0));
        else if (u == 0x066B) // Arabic decimal separator
            c = u'.';
        else if (u == 0x066C) // Arabic thousands separator
            c = u',';
    }
    return t;
}

bool read(const QString &text, double *value)
{
    const QString t = latinDigits(text.trimmed());
    if (t.isEmpty())
        return false;
    bool ok = false;
    double v = QLocale::c().toDouble(t, &ok);
    if (!ok)
        v = QLocale().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (value)
        *value = v;
    return true;
}

} // namespace TypedNumber
