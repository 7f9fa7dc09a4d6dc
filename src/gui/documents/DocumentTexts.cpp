#include "DocumentTexts.h"

#include <QCoreApplication>

namespace DocumentTexts {

QString kindCaption(int kind)
{
    static const char *const captions[] = {
        QT_TRANSLATE_NOOP("DocumentsPage", "Purchase Invoice"),
        QT_TRANSLATE_NOOP("DocumentsPage", "Sale Bill"),
        QT_TRANSLATE_NOOP("DocumentsPage", "Price List"),
        QT_TRANSLATE_NOOP("DocumentsPage", "Back To Us"),
        QT_TRANSLATE_NOOP("DocumentsPage", "Back From Us"),
        QT_TRANSLATE_NOOP("DocumentsPage", "Industrialization"),
    };
    if (kind < 0 || kind > 5)
        return {};
    return QCoreApplication::translate("DocumentsPage", captions[kind]);
}

} // namespace DocumentTexts
