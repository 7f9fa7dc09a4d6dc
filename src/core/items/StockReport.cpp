#include "StockReport.h"

#include "data/TDataFormSQL.h"

namespace StockReport {

namespace {

QString quantityText(double q)
{
    QString t = QString::number(q, 'f', 3);
    while (t.endsWith(u'0'))
        t.chop(1);
    if (t.endsWith(u'.'))
        t.chop(1);
    return t == u"-0" ? QStringLiteral("0") : t;
}

QString plain(QString text)
{
    text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    return text;
}

} // namespace

QStringList lines(const QList<StockRow> &rows, double totalValue, int moneyDecimals)
{
    QStringList out;
    out << QStringLiteral("ItemCode\tDescription\tQuantity\tCost Rate\tDown!");
    for (const StockRow &r : rows)
        out << QStringList{plain(r.itemCode), plain(r.description), quantityText(r.quantity),
                           QString::number(r.costRate, 'f', moneyDecimals),
                           r.down ? QStringLiteral("Yes") : QStringLiteral("No")}
                   .join(u'\t');
    out << QStringLiteral("Total Amount\t") + QString::number(totalValue, 'f', moneyDecimals);
    return out;
}

bool make(TDataFormSQL &data, const QDate &upTo, int moneyDecimals, QStringList *out,
          QString *error)
{
    StoreChk chk(data);
    chk.setUpToDate(upTo);
    bool ok = chk.recalc();
    QList<StockRow> rows;
    if (ok)
        rows = chk.rows(&ok);
    if (!ok) {
        if (error)
            *error = chk.lastError().isEmpty() ? data.lastErrorText() : chk.lastError();
        return false;
    }
    if (out)
        *out = lines(rows, chk.totalValue(), moneyDecimals);
    return true;
}

QDate parseDay(const QString &text)
{
    for (const char *format : {"dd/MM/yyyy", "d/M/yyyy"}) {
        const QDate d = QDate::fromString(text.trimmed(), QString::fromLatin1(format));
        if (d.isValid())
            return d;
    }
    return {};
}

} // namespace StockReport
