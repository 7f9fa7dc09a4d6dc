#pragma once

#include "data/DbEngine.h"

#include <QDate>
#include <QString>
#include <QVariantList>

// The set-based statement behind the stock list, the stock of one item and
// the cost of a document: every movement of the year as one signed UNION ALL
// over the opening stock and the line tables (each joined to its header),
// grouped once by item.
//
// The grouped result has the columns
//   "ItemID"  the item
//   "Q"       stock on hand: opening stock + purchases + returns to us
//             - returns from us - sales - raw materials + products
//   "R"       unit cost (NULL when the item has no costing row): the rate of
//             the latest dated purchase or product line - the highest line
//             ID among lines of the same date - else the opening-stock rate
//             (the highest opening-stock row). Never limited by date.
// Price lists never move stock.
namespace StockQuery {

enum class Scope {
    AllItems,      // every item
    OneItem,       // one item (bound value)
    DocumentItems, // the items on the lines of one document (line table, InvID)
};

struct Statement
{
    QString sql;
    QVariantList values; // in the order of the placeholders
};

struct Options
{
    DbEngine engine = DbEngine::SQLite;
    QDate upTo; // documents dated up to the end of this day; invalid: no limit
    Scope scope = Scope::AllItems;
    int itemId = 0;        // Scope::OneItem
    QString lineTable;     // Scope::DocumentItems: one of lineTables()
    int invId = 0;         // Scope::DocumentItems
    bool costOnly = false; // only the rows that decide the unit cost ("Q" is then meaningless)
};

// The grouped statement ("ItemID", "Q", "R"; SQLite adds a helper column "K").
Statement grouped(const Options &options);

// The rows of the stock list: stocked items (no services) that have any
// movement, as "ItemID", "Q" (never NULL) and "R" (rounded to the scale of
// the stored cost, 0 when none), joined to CodeTb as c.
// extraColumns go in front of them, extraValues are bound first.
Statement stockRows(const Options &options, const QString &extraColumns = {},
                    const QVariantList &extraValues = {});

// The SQL expression that rounds a unit cost as Store keeps it.
QString roundedRate(DbEngine engine, const QString &expression);

// The seven line tables; only these names are ever put into SQL.
const QStringList &lineTables();

} // namespace StockQuery
