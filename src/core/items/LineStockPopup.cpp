#include "LineStockPopup.h"

#include "StoreChk.h"
#include "accounts/Money.h"

#include <cmath>

LineStockTexts LineStockPopup::texts(TDataFormSQL &data, int itemId, int decimals)
{
    StoreChk store(data);
    const ItemStock stock = store.itemStock(itemId);
    LineStockTexts out =
        texts(stock.found ? stock.quantity : 0.0, stock.found ? stock.costRate : 0.0,
              decimals < 0 ? Money::decimals() : decimals);
    out.ok = stock.ok;
    return out;
}

LineStockTexts LineStockPopup::texts(double quantity, double costRate, int decimals)
{
    LineStockTexts out;
    out.ok = true;
    out.quantity = quantity;
    out.costRate = costRate;
    // Quantities are kept to three decimals: a sum that is negative only in
    // its last binary digits is no stock sold beyond what there was.
    out.negative = std::round(quantity * 1000.0) < 0;
    const double whole = std::round(quantity);
    out.quantityText = tr("Quantity: ") + QString::number(whole == 0 ? 0.0 : whole, 'f', 0);
    if (out.negative)
        out.quantityText += QStringLiteral("!!!!!!!!!!");
    out.rateText = tr("Rate: ") + Money::format(costRate, decimals);
    return out;
}
