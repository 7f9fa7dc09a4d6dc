#include "OpeningStock.h"

#include "data/SchemaDef.h"
#include "data/TDataFormSQL.h"
#include "shell/AppState.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {

// Only the named columns are ever put into the SQL text.
QString columnOf(OpeningStock::Field field)
{
    switch (field) {
    case OpeningStock::Field::Quantity:
        return QStringLiteral("\"Quantity\"");
    case OpeningStock::Field::Rate:
        return QStringLiteral("\"Rate\"");
    case OpeningStock::Field::Note:
        return QStringLiteral("\"Note\"");
    }
    return {};
}

QString notReadable()
{
    return QCoreApplication::translate("OpeningStock", "The opening stock could not be read");
}

} // namespace

OpeningStock::OpeningStock(TDataFormSQL &data)
    : m_data(data)
{ }

OpeningStock::Outcome OpeningStock::fail(Outcome out) const
{
    out.ok = false;
    out.rows = 0;
    if (out.error.isEmpty())
        out.error = m_data.lastErrorText();
    return out;
}

// -- the list ---------------------------------------------------------------

QString OpeningStock::listStatement()
{
    // Every row shows, whatever the item's kind: a row the list hid would
    // still count in the stock. The items lead (CROSS JOIN keeps SQLite
    // from reordering), so the rows come in code order from the index and
    // the first ones arrive before the last are found.
    return QStringLiteral(
        "SELECT g.\"ID\", g.\"ItemId\", c.\"ItemCode\", c.\"Description\", g.\"Quantity\", "
        "g.\"Rate\", g.\"Amount\", g.\"Note\" FROM \"CodeTb\" c CROSS JOIN \"FGood\" g "
        "WHERE g.\"ItemId\" = c.\"ItemID\" ORDER BY c.\"ItemCode\", g.\"ID\"");
}

OpeningStockRow OpeningStock::readRow(const QSqlQuery &q)
{
    OpeningStockRow r;
    r.id = q.value(0).toInt();
    r.itemId = q.value(1).toInt();
    r.itemCode = q.value(2).toString().trimmed();
    r.description = q.value(3).toString().trimmed();
    r.quantity = q.value(4).toDouble();
    r.rate = q.value(5).toDouble();
    r.amount = q.value(6).toDouble();
    r.note = q.value(7).toString();
    return r;
}

QList<OpeningStockRow> OpeningStock::rows(bool *ok) const
{
    QList<OpeningStockRow> out;
    bool done = false;
    QSqlQuery q = m_data.exec(listStatement(), {}, &done);
    while (done && q.next())
        out << readRow(q);
    if (ok)
        *ok = done;
    return out;
}

bool OpeningStock::row(int id, OpeningStockRow *out) const
{
    QString sql = listStatement();
    sql.insert(sql.indexOf(QStringLiteral(" ORDER BY")), QStringLiteral(" AND g.\"ID\" = ?"));
    bool done = false;
    QSqlQuery q = m_data.exec(sql, {id}, &done);
    if (!done || !q.next())
        return false;
    if (out)
        *out = readRow(q);
    return true;
}

bool OpeningStock::isEmpty(bool *ok) const
{
    bool done = false;
    QSqlQuery q = m_data.exec(QStringLiteral("SELECT 1 FROM \"FGood\" LIMIT 1"), {}, &done);
    const bool any = done && q.next();
    if (ok)
        *ok = done;
    return !any;
}

// -- adding -----------------------------------------------------------------

QString OpeningStock::addedMessage(const QStringList &codes)
{
    const QString eol = QStringLiteral("\r\n");
    QString text = QStringLiteral("I Add :") + eol;
    for (int i = 0; i < codes.size() && i < 9; ++i)
        text += QStringLiteral("       ") + codes[i] + eol;
    if (codes.size() > 9)
        text += QStringLiteral("       .......") + eol;
    return text;
}

OpeningStock::AddResult OpeningStock::addItems(const QList<int> &itemIds,
                                               const std::function<void()> &step)
{
    AddResult out;
    {
        TTransaction tx(m_data);
        bool ok = tx.isActive();
        for (int itemId : itemIds) {
            if (!ok)
                break;
            if (step)
                step();
            bool found = false;
            QSqlQuery code = m_data.exec(
                QStringLiteral(
                    "SELECT c.\"ItemCode\", (SELECT count(*) FROM \"FGood\" g WHERE "
                    "g.\"ItemId\" = c.\"ItemID\") FROM \"CodeTb\" c WHERE c.\"ItemID\" = ?"),
                {itemId}, &found);
            if (!found) {
                ok = false;
                break;
            }
            if (!code.next() || code.value(1).toInt() > 0)
                continue; // no such item, or already in the opening stock
            ok = m_data.DoSqlNEW(QStringLiteral("INSERT INTO \"FGood\"(\"ItemId\", \"Quantity\", "
                                                "\"Rate\", \"Note\") VALUES (?, 0, 0, '')"),
                                 {itemId});
            if (ok) {
                out.codes << code.value(0).toString().trimmed();
                ++out.rows;
            }
        }
        if (ok)
            ok = tx.commit();
        if (!ok) {
            static_cast<Outcome &>(out) = fail(out);
            out.codes.clear();
            return out;
        }
    }
    out.ok = true;
    out.message = addedMessage(out.codes);
    if (out.rows > 0)
        appState().DataChanged = true;
    return out;
}

OpeningStock::Outcome OpeningStock::addAllItems()
{
    Outcome out;
    if (!m_data.DoSqlNEW(QStringLiteral(
            "INSERT INTO \"FGood\"(\"ItemId\", \"Quantity\", \"Rate\", \"Note\") "
            "SELECT c.\"ItemID\", 0, 0, '' FROM \"CodeTb\" c WHERE NOT EXISTS "
            "(SELECT 1 FROM \"FGood\" g WHERE g.\"ItemId\" = c.\"ItemID\") ORDER BY c.\"ItemID\"")))
        return fail(out);
    out.ok = true;
    out.rows = std::max(0, m_data.sql1().numRowsAffected());
    if (out.rows > 0)
        appState().DataChanged = true;
    return out;
}

OpeningStock::Outcome OpeningStock::importStockItems()
{
    Outcome out;
    // Offered only while the table is empty; an item that has a row
    // already never gets a second one.
    if (!m_data.DoSqlNEW(QStringLiteral(
            "INSERT INTO \"FGood\"(\"ItemId\", \"Quantity\", \"Rate\", \"Note\") "
            "SELECT c.\"ItemID\", 0, 0, '' FROM \"CodeTb\" c WHERE c.\"IsService\" IS NOT TRUE "
            "AND NOT EXISTS (SELECT 1 FROM \"FGood\" g WHERE g.\"ItemId\" = c.\"ItemID\") "
            "ORDER BY c.\"ItemID\"")))
        return fail(out);
    out.ok = true;
    out.rows = std::max(0, m_data.sql1().numRowsAffected());
    if (out.rows > 0)
        appState().DataChanged = true;
    return out;
}

// -- removing ---------------------------------------------------------------

OpeningStock::Outcome OpeningStock::emptyAll()
{
    Outcome out;
    TTransaction tx(m_data);
    bool ok = tx.isActive() && m_data.DoSqlNEW(QStringLiteral("DELETE FROM \"SNoFGood\""))
        && m_data.DoSqlNEW(QStringLiteral("DELETE FROM \"FGood\""));
    if (ok)
        out.rows = std::max(0, m_data.sql1().numRowsAffected());
    if (!ok || !tx.commit())
        return fail(out);
    out.ok = true;
    appState().DataChanged = true;
    return out;
}

OpeningStock::Outcome OpeningStock::deleteItem(int itemId)
{
    Outcome out;
    TTransaction tx(m_data);
    bool ok = tx.isActive()
        && m_data.DoSqlNEW(QStringLiteral("DELETE FROM \"SNoFGood\" WHERE \"SOneID\" IN "
                                          "(SELECT \"ID\" FROM \"FGood\" WHERE \"ItemId\" = ?)"),
                           {itemId})
        && m_data.DoSqlNEW(QStringLiteral("DELETE FROM \"FGood\" WHERE \"ItemId\" = ?"), {itemId});
    if (ok)
        out.rows = std::max(0, m_data.sql1().numRowsAffected());
    if (!ok || !tx.commit())
        return fail(out);
    out.ok = true;
    if (out.rows > 0)
        appState().DataChanged = true;
    return out;
}

// -- editing ----------------------------------------------------------------

int OpeningStock::noteLength()
{
    const TableDef *t = Schema::table(QStringLiteral("FGood"));
    const ColumnDef *c = t ? t->column(QStringLiteral("Note")) : nullptr;
    return c && c->size > 0 ? c->size : 25;
}

OpeningStock::Outcome OpeningStock::setField(int id, Field field, const QVariant &value,
                                             OpeningStockRow *stored)
{
    Outcome out;
    QVariant bound;
    if (field == Field::Note) {
        bound = value.toString().left(noteLength());
    } else {
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        if (!isNumber || !qIsFinite(number)) {
            out.error = QCoreApplication::translate("OpeningStock", "Not a number: %1")
                            .arg(value.toString());
            return out;
        }
        bound = number;
    }
    if (!m_data.DoSqlNEW(
            QStringLiteral("UPDATE \"FGood\" SET %1 = ? WHERE \"ID\" = ?").arg(columnOf(field)),
            {bound, id}))
        return fail(out);
    out.rows = std::max(0, m_data.sql1().numRowsAffected());
    if (out.rows == 0) {
        out.error = QCoreApplication::translate("OpeningStock",
                                                "The row is no longer in the opening stock");
        return out;
    }
    out.ok = true;
    appState().DataChanged = true;
    if (stored && !row(id, stored))
        *stored = {};
    return out;
}

// -- the value --------------------------------------------------------------

OpeningStock::Total OpeningStock::total() const
{
    Total out;
    const QVariant sum = m_data.scalar(
        QStringLiteral("SELECT sum(g.\"Amount\") FROM \"FGood\" g JOIN \"CodeTb\" c "
                       "ON c.\"ItemID\" = g.\"ItemId\" WHERE c.\"IsService\" IS NOT TRUE"),
        {}, &out.ok);
    if (!out.ok) {
        out.error = m_data.lastErrorText().isEmpty() ? notReadable() : m_data.lastErrorText();
        return out;
    }
    out.value = sum.isNull() ? 0 : sum.toDouble();
    return out;
}
