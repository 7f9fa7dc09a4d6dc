#pragma once

#include <QString>

class TDataFormSQL;

// "Cost" of a document: its lines priced at today's unit costs (the costing
// rule of the stock list, over the whole year). For manufacturing the lines
// are the raw materials consumed. A line whose item has no cost adds
// nothing; each line counts once.
namespace DocumentCost {

struct Result
{
    bool ok = false;    // the database answered
    bool found = false; // at least one line has a cost
    double value = 0;
    QString error;
};

// Document kinds 0..5: purchases, sales, price lists, returns to us,
// returns from us, manufacturing. Empty for any other number.
QString lineTable(int documentKind);

Result ofDocument(TDataFormSQL &data, int documentKind, int invId);

// The message: "Cost: " and the value with the money decimals, or "0"
// when no line has a cost.
QString message(const Result &result, int moneyDecimals);

} // namespace DocumentCost
