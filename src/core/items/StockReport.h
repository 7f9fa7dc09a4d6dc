#pragma once

#include "StoreChk.h"

#include <QDate>
#include <QStringList>

class TDataFormSQL;

// The stock list as text: tab-separated with a header line, one line per
// item (code, description, quantity, cost rate, "Down!"), and the stock
// value on the last line.
namespace StockReport {

QStringList lines(const QList<StockRow> &rows, double totalValue, int moneyDecimals);

// Recomputes (always, as "Re Calc Store" does) and gives the lines.
bool make(TDataFormSQL &data, const QDate &upTo, int moneyDecimals, QStringList *out,
          QString *error);

// "dd/mm/yyyy" (or d/m/yyyy); invalid when it is no date.
QDate parseDay(const QString &text);

} // namespace StockReport
