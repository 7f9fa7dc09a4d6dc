#include "StockQuery.h"

#include "data/SchemaDef.h"
#include "data/SqlDialect.h"

#include <QDateTime>

namespace StockQuery {

namespace {

enum class Costing { None, Purchase, Product };

struct Source
{
    const char *lines;
    const char *header;
    int sign;
    Costing costing;
};

// The document sources, after the opening stock (which always adds).
constexpr Source kSources[] = {
    {"InvOne", "InvoiceS", +1, Costing::Purchase}, {"BToUsOne", "BToUsS", +1, Costing::None},
    {"BFrUsOne", "BFromUsS", -1, Costing::None},   {"SaleOne", "Sales", -1, Costing::None},
    {"IndInTB", "IndTB", -1, Costing::None},       {"IndOutTB", "IndTB", +1, Costing::Product},
};

// SQLite: the costing key is one integer, ordered like (date, line ID,
// product over purchase); opening-stock rows sit below every document.
// unixepoch() * 2^30 stays inside 64 bits for dates up to the 23rd century
// and leaves room for line IDs below 2^29.
const char *kSqliteOpeningBase = "-4611686018427387904"; // -2^62

QString sqliteKey(const Source &s)
{
    return QStringLiteral("unixepoch(h.\"Date1\") * 1073741824 + o.\"ID\" * 2 + %1")
        .arg(s.costing == Costing::Product ? 1 : 0);
}

// PostgreSQL: an array compared element by element, the rate last. A row
// without a date never decides the cost (a NULL element would sort high).
QString postgresKey(const Source &s)
{
    return QStringLiteral("CASE WHEN h.\"Date1\" IS NOT NULL THEN ARRAY[1, EXTRACT(EPOCH FROM "
                          "h.\"Date1\"), o.\"ID\", %1, o.\"Rate1\"::numeric]::numeric[] END")
        .arg(s.costing == Costing::Product ? 1 : 0);
}

struct Builder
{
    const Options &opt;
    QStringList branches;
    QVariantList values;
    QVariant limitValue;

    bool sqlite() const { return opt.engine == DbEngine::SQLite; }
    bool limited() const { return opt.upTo.isValid(); }

    // The item condition on column, or nothing; binds its values.
    QString scopeCondition(const QString &column)
    {
        switch (opt.scope) {
        case Scope::AllItems:
            return {};
        case Scope::OneItem:
            values << opt.itemId;
            return column + QStringLiteral(" = ?");
        case Scope::DocumentItems:
            values << opt.invId;
            return column + QStringLiteral(" IN (SELECT d.\"ItemID\" FROM ")
                + SqlDialect::quote(opt.lineTable) + QStringLiteral(" d WHERE d.\"InvID\" = ?)");
        }
        return {};
    }

    static QString where(const QStringList &conditions)
    {
        return conditions.isEmpty()
            ? QString()
            : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    }

    void opening()
    {
        // The opening stock is never limited by date.
        const QString q = QStringLiteral("f.\"Quantity\"");
        QString cost;
        if (sqlite())
            cost = QStringLiteral("f.\"ID\" + (%1) AS \"K\", f.\"Rate\" AS \"R\"")
                       .arg(QLatin1String(kSqliteOpeningBase));
        else
            cost =
                QStringLiteral("ARRAY[0, 0, f.\"ID\", 0, f.\"Rate\"::numeric]::numeric[] AS \"A\"");
        QStringList conditions;
        const QString scope = scopeCondition(QStringLiteral("f.\"ItemId\""));
        if (!scope.isEmpty())
            conditions << scope;
        branches << QStringLiteral(
                        "SELECT f.\"ItemId\" AS \"ItemID\", %1 AS \"Q\", %2 FROM \"FGood\" f%3")
                        .arg(q, cost, where(conditions));
    }

    void document(const Source &s)
    {
        const bool costing = s.costing != Costing::None;
        if (opt.costOnly && !costing)
            return;
        const QString sign = s.sign < 0 ? QStringLiteral("-") : QString();
        QStringList conditions;
        QString q;
        if (!limited()) {
            q = sign + QStringLiteral("o.\"Quantity\"");
        } else if (costing) {
            // The cost looks at every line; the stock only at those up to the limit.
            q = QStringLiteral("CASE WHEN h.\"Date1\" <= ? THEN %1o.\"Quantity\" END").arg(sign);
            values << limitValue;
        } else {
            q = sign + QStringLiteral("o.\"Quantity\"");
            conditions << QStringLiteral("h.\"Date1\" <= ?");
            values << limitValue;
        }
        QString cost;
        if (sqlite())
            cost = costing ? sqliteKey(s) + QStringLiteral(", o.\"Rate1\"")
                           : QStringLiteral("NULL, NULL");
        else
            cost = costing ? postgresKey(s) : QStringLiteral("NULL::numeric[]");
        const QString scope = scopeCondition(QStringLiteral("o.\"ItemID\""));
        if (!scope.isEmpty())
            conditions << scope;
        branches
            << QStringLiteral(
                   "SELECT o.\"ItemID\", %1, %2 FROM %3 o JOIN %4 h ON h.\"InvID\" = o.\"InvID\"%5")
                   .arg(q, cost, SqlDialect::quote(QLatin1String(s.lines)),
                        SqlDialect::quote(QLatin1String(s.header)), where(conditions));
    }
};

} // namespace

const QStringList &lineTables()
{
    static const QStringList names{QStringLiteral("InvOne"),   QStringLiteral("SaleOne"),
                                   QStringLiteral("PListOne"), QStringLiteral("BToUsOne"),
                                   QStringLiteral("BFrUsOne"), QStringLiteral("IndInTB"),
                                   QStringLiteral("IndOutTB")};
    return names;
}

Statement grouped(const Options &options)
{
    Statement out;
    if (options.scope == Scope::DocumentItems && !lineTables().contains(options.lineTable))
        return out; // never a name from outside into the SQL text

    Builder b{options, {}, {}, {}};
    if (options.upTo.isValid()) {
        const QDateTime endOfDay(options.upTo, QTime(23, 59, 59));
        b.limitValue = SqlDialect::create(options.engine)->dateValue(endOfDay);
    }
    b.opening();
    for (const Source &s : kSources)
        b.document(s);

    const QString cost = options.engine == DbEngine::SQLite
        // one max() per group: SQLite takes the bare "R" from its row
        // (a group without a dated costing row has no cost)
        ? QStringLiteral("max(m.\"K\") AS \"K\", CASE WHEN max(m.\"K\") IS NULL "
                         "THEN NULL ELSE m.\"R\" END AS \"R\"")
        : QStringLiteral("(max(m.\"A\"))[5] AS \"R\"");
    // With a limit, an item whose only lines lie after it has no stock row
    // (those lines carry no quantity; a line without a quantity moves nothing).
    const QString having = options.upTo.isValid() && !options.costOnly
        ? QStringLiteral(" HAVING count(m.\"Q\") > 0")
        : QString();
    out.sql =
        QStringLiteral("SELECT m.\"ItemID\" AS \"ItemID\", sum(m.\"Q\") AS \"Q\", %1 FROM (%2) m "
                       "GROUP BY m.\"ItemID\"%3")
            .arg(cost, b.branches.join(QStringLiteral(" UNION ALL ")), having);
    out.values = b.values;
    return out;
}

QString roundedRate(DbEngine engine, const QString &expression)
{
    const TableDef *store = Schema::table(QStringLiteral("Store"));
    const ColumnDef *rate = store ? store->column(QStringLiteral("RateStr")) : nullptr;
    const int scale = rate ? rate->scale : 2;
    if (engine == DbEngine::SQLite)
        return QStringLiteral("round(COALESCE(%1, 0), %2)").arg(expression).arg(scale);
    return QStringLiteral("round(COALESCE(%1, 0)::numeric, %2)").arg(expression).arg(scale);
}

Statement stockRows(const Options &options, const QString &extraColumns,
                    const QVariantList &extraValues)
{
    const Statement g = grouped(options);
    Statement out;
    if (g.sql.isEmpty())
        return out;
    out.sql = QStringLiteral("SELECT %1s.\"ItemID\" AS \"ItemID\", COALESCE(s.\"Q\", 0) AS \"Q\", "
                             "%2 AS \"R\" FROM (%3) s "
                             "JOIN \"CodeTb\" c ON c.\"ItemID\" = s.\"ItemID\" "
                             "WHERE c.\"IsService\" IS NOT TRUE")
                  .arg(extraColumns.isEmpty() ? QString() : extraColumns + QStringLiteral(", "),
                       roundedRate(options.engine, QStringLiteral("s.\"R\"")), g.sql);
    out.values = extraValues + g.values;
    return out;
}

} // namespace StockQuery
