#include "accounts/Money.h"

#include <QtGlobal>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace Money {
namespace {

constexpr int kSignificant = 15;
constexpr int kMaxDecimals = 20;

struct Scaled
{
    bool negative = false;
    QByteArray digits; // value * 10^decimals rounded, no leading zeros ("0" for zero)
};

// |value| * 10^decimals rounded half away from zero, worked out on the
// decimal digits of the value rather than on its binary form.
Scaled scaled(double value, int decimals)
{
    char buf[64];
    // d.dddddddddddddde+XX: the value to 15 significant digits.
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                   std::chars_format::scientific, kSignificant - 1);
    const QByteArray text(buf, int(res.ptr - buf));
    const qsizetype ePos = text.indexOf('e');
    QByteArray mantissa = text.left(ePos);
    mantissa.remove(1, 1); // the point
    const int exponent = std::atoi(text.constData() + ePos + 1);

    // Digits of the integer part of the scaled value.
    const int integerDigits = exponent + decimals + 1;
    QByteArray digits;
    bool roundUp = false;
    if (integerDigits <= 0) {
        digits = "0";
        roundUp = integerDigits == 0 && mantissa.at(0) >= '5';
    } else if (integerDigits >= mantissa.size()) {
        digits = mantissa + QByteArray(integerDigits - mantissa.size(), '0');
    } else {
        digits = mantissa.left(integerDigits);
        roundUp = mantissa.at(integerDigits) >= '5';
    }
    if (roundUp) {
        qsizetype i = digits.size() - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i < 0)
            digits.prepend('1');
        else
            ++digits[i];
    }
    while (digits.size() > 1 && digits.at(0) == '0')
        digits.remove(0, 1);

    Scaled s;
    s.digits = digits;
    s.negative = std::signbit(value) && digits != "0";
    return s;
}

int clampDecimals(int decimals)
{
    return qBound(0, decimals, kMaxDecimals);
}

} // namespace

int decimalsFor(int parts)
{
    return parts == 2 ? 2 : 3;
}

QString displayFormat(int decimals)
{
    decimals = clampDecimals(decimals);
    QString format = QStringLiteral(",0");
    if (decimals > 0)
        format += u'.' + QString(decimals, u'0');
    return format + QStringLiteral(";;0");
}

QString format(double value, int decimals)
{
    if (!std::isfinite(value))
        return {};
    decimals = clampDecimals(decimals);
    const Scaled s = scaled(value, decimals);
    QByteArray digits = s.digits;
    if (digits.size() <= decimals)
        digits.prepend(QByteArray(decimals + 1 - digits.size(), '0'));
    if (decimals > 0)
        digits.insert(digits.size() - decimals, '.');
    if (s.negative)
        digits.prepend('-');
    return QString::fromLatin1(digits);
}

QString display(double value, int decimals)
{
    const QString plain = format(value, decimals);
    if (plain.isEmpty())
        return plain;
    if (scaled(value, clampDecimals(decimals)).digits == "0")
        return QStringLiteral("0");
    const bool negative = plain.startsWith(u'-');
    const qsizetype start = negative ? 1 : 0;
    qsizetype point = plain.indexOf(u'.');
    if (point < 0)
        point = plain.size();
    QString grouped = plain.mid(start, point - start);
    for (qsizetype i = grouped.size() - 3; i > 0; i -= 3)
        grouped.insert(i, u',');
    return (negative ? QStringLiteral("-") : QString()) + grouped + plain.mid(point);
}

double round(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    return format(value, decimals).toDouble();
}

} // namespace Money
