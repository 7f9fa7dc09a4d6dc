#include "DocumentCost.h"

#include "StockQuery.h"

#include "data/SqlDialect.h"
#include "data/TDataFormSQL.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace DocumentCost {

QString lineTable(int documentKind)
{
    switch (documentKind) {
    case 0:
        return QStringLiteral("InvOne");
    case 1:
        return QStringLiteral("SaleOne");
    case 2:
        return QStringLiteral("PListOne");
    case 3:
        return QStringLiteral("BToUsOne");
    case 4:
        return QStringLiteral("BFrUsOne");
    case 5:
        return QStringLiteral("IndInTB");
    default:
        return {};
    }
}

Result ofDocument(TDataFormSQL &data, int documentKind, int invId)
{
    Result r;
    const QString table = lineTable(documentKind);
    if (table.isEmpty()) {
        r.error = QCoreApplication::translate("DocumentCost", "Unknown document kind %1")
                      .arg(documentKind);
        return r;
    }
    // The costs of the document's own items only: index lookups, not a
    // pass over the year.
    StockQuery::Options options;
    options.engine = data.engine();
    options.scope = StockQuery::Scope::DocumentItems;
    options.lineTable = table;
    options.invId = invId;
    options.costOnly = true;
    const StockQuery::Statement costs = StockQuery::grouped(options);
    const QString rate = StockQuery::roundedRate(data.engine(), QStringLiteral("k.\"R\""));
    bool ok = false;
    QSqlQuery q =
        data.exec(QStringLiteral("SELECT sum(l.\"Quantity\" * %1), count(k.\"R\") FROM %2 l "
                                 "JOIN (%3) k ON k.\"ItemID\" = l.\"ItemID\" WHERE l.\"InvID\" = ?")
                      .arg(rate, SqlDialect::quote(table), costs.sql),
                  costs.values + QVariantList{invId}, &ok);
    r.ok = ok;
    if (!ok) {
        r.error = data.lastErrorText();
        return r;
    }
    if (q.next() && q.value(1).toInt() > 0) {
        r.found = true;
        r.value = q.value(0).toDouble();
    }
    return r;
}

QString message(const Result &result, int moneyDecimals)
{
    const QString amount = result.ok && result.found
        ? QString::number(result.value, 'f', moneyDecimals)
        : QStringLiteral("0");
    return QStringLiteral("Cost: ") + amount;
}

} // namespace DocumentCost
