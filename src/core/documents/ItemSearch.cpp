#include "ItemSearch.h"

#include "accounts/Money.h"
#include "data/SqlDialect.h"
#include "data/TDataFormSQL.h"

#include <QRandomGenerator>
#include <QSet>
#include <QSqlQuery>

ItemSearch::ItemSearch(TDataFormSQL &data, DocKind kind)
    : m_data(data)
    , m_kind(kind)
{ }

QList<int> ItemSearch::order() const
{
    // The same order as the documents list (no name filter while searching).
    QVariantList values;
    const QString sql = Documents(m_data, m_kind).listSql(QString(), &values);
    QList<int> out;
    bool ok = false;
    QSqlQuery query = m_data.exec(sql, values, &ok);
    if (!ok)
        m_error = m_data.lastErrorText();
    while (ok && query.next())
        out << query.value(0).toInt();
    return out;
}

QList<DocumentLine> ItemSearch::matchingLines(int invId, const QString &code) const
{
    const QString wanted = code.trimmed();
    QList<DocumentLine> out;
    for (const DocumentLine &line : Documents(m_data, m_kind).lines(invId))
        if (line.ItemCode == wanted)
            out << line;
    return out;
}

QList<int> ItemSearch::withItem(const QString &code) const
{
    QList<int> out;
    bool ok = false;
    QSqlQuery query =
        m_data.exec(QStringLiteral(R"(SELECT DISTINCT L."InvID" FROM %1 L JOIN "CodeTb" C ON )"
                                   R"(C."ItemID" = L."ItemID" WHERE C."ItemCode"=?)")
                        .arg(SqlDialect::quote(DocumentKinds::get(m_kind).lineTable)),
                    {code.trimmed()}, &ok);
    if (!ok)
        m_error = m_data.lastErrorText();
    while (ok && query.next())
        out << query.value(0).toInt();
    return out;
}

std::optional<ItemSearchHit> ItemSearch::latestAmong(const QList<int> &order, qsizetype before,
                                                     const QString &code) const
{
    const QList<int> found = withItem(code);
    const QSet<int> having(found.begin(), found.end());
    for (qsizetype i = std::min(before, order.size()) - 1; i >= 0; --i) {
        if (!having.contains(order[i]))
            continue;
        const QList<DocumentLine> lines = matchingLines(order[i], code);
        if (!lines.isEmpty())
            return ItemSearchHit{order[i], lines.first().ID, lines.first().Rate1};
    }
    return std::nullopt;
}

std::optional<ItemSearchHit> ItemSearch::start(const QString &code) const
{
    const QList<int> documents = order();
    return latestAmong(documents, documents.size(), code);
}

std::optional<ItemSearchHit> ItemSearch::latestBefore(int invId, const QString &code) const
{
    const QList<int> documents = order();
    const qsizetype at = documents.indexOf(invId);
    if (at < 0)
        return std::nullopt;
    return latestAmong(documents, at, code);
}

std::optional<ItemSearchHit> ItemSearch::previous(int invId, int lineId, const QString &code) const
{
    if (lineId != 0) {
        const QList<DocumentLine> lines = matchingLines(invId, code);
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            if (lines[i].ID == lineId)
                return ItemSearchHit{invId, lines[i + 1].ID, lines[i + 1].Rate1};
    }
    return latestBefore(invId, code);
}

QString ItemSearch::pricePeekText(double rate, int decimals)
{
    QRandomGenerator *random = QRandomGenerator::global();
    return pricePeekText(rate, decimals, int(random->bounded(9)), int(random->bounded(9)));
}

QString ItemSearch::pricePeekText(double rate, int decimals, int digit1, int digit2)
{
    return QString::number(digit1) + QString::number(digit2) + Money::format(rate, decimals);
}
