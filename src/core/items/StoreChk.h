#pragma once

#include <QDate>
#include <QList>
#include <QString>

class QSqlQuery;
class TDataFormSQL;

// One row of the stock list.
struct StockRow
{
    int itemId = 0;
    QString itemCode;
    QString description;
    double quantity = 0; // stock on hand (negative when sold beyond stock)
    double costRate = 0; // unit cost, 0 when the item was never bought or made
    double value = 0;    // quantity x cost rate
    double notLes = 0;   // minimum stock
    bool down = false;   // "Down!": below the minimum (at it is not)
};

// Stock and unit cost of one item, as the popup of a document line shows them.
struct ItemStock
{
    bool ok = false;    // the database answered
    bool found = false; // the item has a stock row (a stocked item with movements)
    double quantity = 0;
    double costRate = 0;
};

// The stock recomputation: rebuilds the connection's Store table (one row
// per stocked item that has any movement, numbered from 1) from the opening
// stock and every document line of the open year, with the unit costs, in
// one set-based statement inside a transaction. Store is a temporary table
// of the connection: other workstations never see it, and a recomputation
// that fails or is cut off leaves the previous list as it was.
//
// The work is skipped while the result is fresh. It is fresh when the last
// successful recomputation on this connection was made for the same year
// and the same "Up to Date" limit, and no change was posted since: the
// program's DataChanged flag is taken into a change counter on every run,
// so a change made through one connection marks every connection stale.
class StoreChk
{
public:
    explicit StoreChk(TDataFormSQL &data);

    // "Up to Date": documents dated up to the end of this day count; the
    // opening stock always counts. An invalid date removes the limit.
    void setUpToDate(const QDate &day) { m_upTo = day; }
    QDate upToDate() const { return m_upTo; }

    // True when run() would recompute.
    bool isStale() const;

    // Rebuilds Store when stale. Returns false (lastError() tells why) when
    // the database refused; Store then keeps the previous list.
    bool run();
    // "Re Calc Store": marks the stock stale, then runs.
    bool recalc();

    bool recomputedLastRun() const { return m_recomputed; }
    QString lastError() const { return m_error; }

    // Stock value of the list: sum of quantity x cost rate (services never
    // take part). Valid after a successful run().
    double totalValue() const { return m_total; }

    // The list in Store, by item code.
    QList<StockRow> rows(bool *ok = nullptr) const;
    // The statement behind rows() and the row it gives, for readers that
    // take the list in steps.
    static QString listStatement();
    static StockRow readRow(const QSqlQuery &query);

    // Stock and cost of one item under this limit: read from Store when it
    // is fresh, otherwise computed for that item alone (index lookups, no
    // rebuild).
    ItemStock itemStock(int itemId) const;

    // The fiscal year of the open database (from its name), the year of
    // the program's state when the name carries none.
    int openYear() const;

    // Recomputations actually carried out in this process.
    static int recomputations();

private:
    QString cacheKey() const;

    TDataFormSQL &m_data;
    QDate m_upTo;
    bool m_recomputed = false;
    double m_total = 0;
    QString m_error;
};
