#include "LinePopupEntries.h"

#include "items/LineStockPopup.h"

#include <QAction>
#include <QMenu>

namespace {
QAction *entry(QMenu *menu, const QString &name)
{
    for (QAction *action : menu->actions())
        if (action->objectName() == name)
            return action;
    auto *action = menu->addAction(QString());
    action->setObjectName(name);
    action->setCheckable(true);
    return action;
}
} // namespace

void addLinePopupEntries(QMenu *menu, TDataFormSQL &data, int itemId)
{
    if (!menu)
        return;
    QAction *quantity = entry(menu, QStringLiteral("QuantityMenu"));
    QAction *rate = entry(menu, QStringLiteral("RateMenu"));
    if (itemId <= 0) {
        for (QAction *a : {quantity, rate}) {
            a->setText(QString());
            a->setChecked(false);
            a->setVisible(false);
        }
        return;
    }
    const LineStockTexts texts = LineStockPopup::texts(data, itemId);
    quantity->setText(texts.quantityText);
    quantity->setChecked(!texts.negative);
    rate->setText(texts.rateText);
    rate->setChecked(false);
    // The entries only inform; a stock that could not be read shows greyed.
    quantity->setEnabled(texts.ok);
    rate->setEnabled(texts.ok);
    quantity->setVisible(true);
    rate->setVisible(true);
}
