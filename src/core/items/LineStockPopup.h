#pragma once

#include <QCoreApplication>
#include <QString>

class TDataFormSQL;

// The two entries of the documents page's popup menu for the current line:
// the stock on hand of its item and its unit cost.
struct LineStockTexts
{
    bool ok = false;       // the database answered
    bool negative = false; // sold beyond stock: the quantity entry loses its tick
    double quantity = 0;
    double costRate = 0;
    QString quantityText; // "Quantity: 12", "Quantity: -3!!!!!!!!!!"
    QString rateText;     // "Rate: 4.50"
};

class LineStockPopup
{
    Q_DECLARE_TR_FUNCTIONS(LineStockPopup)
public:
    // The stock of the item (from Store when it is fresh, otherwise computed
    // for the item alone) and its texts with the money decimals; an item
    // without a stock row shows 0 for both. decimals < 0 takes the currency's.
    static LineStockTexts texts(TDataFormSQL &data, int itemId, int decimals = -1);
    // The texts for a stock and a cost already known.
    static LineStockTexts texts(double quantity, double costRate, int decimals);
};
