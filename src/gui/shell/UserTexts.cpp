#include "UserTexts.h"

#include <QCoreApplication>

namespace UserTexts {

QStringList kinds()
{
    // Only the edit-permission kind has an English caption; the others read
    // the same in both languages.
    return {QStringLiteral("مدير"), QStringLiteral("عادي"), QStringLiteral("نقطة بيع POS"),
            QCoreApplication::translate("UserTexts", "Edit Permission for POS")};
}

QStringList languages()
{
    // Radio captions: "&&" shows a single ampersand.
    return {QStringLiteral("Arabic && English"), QStringLiteral("Arabic only"), QStringLiteral("English Only")};
}

QStringList inputs()
{
    return {QStringLiteral("KB"), QStringLiteral("Barcode")};
}

QStringList pageStyles()
{
    return {QStringLiteral("Buttons"), QStringLiteral("Flat Buttons"), QStringLiteral("Tabs"),
            QStringLiteral("Left "), QStringLiteral("Right"), QStringLiteral("None")};
}

QString caption(const QStringList &list, int value)
{
    QString text = value >= 0 && value < list.size() ? list.at(value) : QString();
    return text.replace(QLatin1String("&&"), QLatin1String("&"));
}

QString quickKeyFlag()
{
    return QStringLiteral("POS, Q. Key, One Print");
}

QString couponFlag()
{
    return QStringLiteral("Coupon, Print 1 Item");
}

QString yesNo(bool yes)
{
    return yes ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString plainCaption(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&')
                out += u'&', ++i;
            continue;
        }
        out += caption.at(i);
    }
    return out;
}

} // namespace UserTexts
