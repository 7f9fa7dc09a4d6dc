// Several point-of-sale terminals selling at once on one PostgreSQL year
// database: each terminal is a process of its own with its own connection,
// running the core scan path for a fixed time. The parent adds up the lines
// per second and checks against the database that no line and no sale
// number was lost, duplicated or written into another terminal's sale.
//
//   bench_terminals --data DIR --db NAME [--terminals 4] [--seconds 20] [--per-sale 20]

#include "BenchTable.h"

#include "data/DbSettings.h"
#include "data/TDataFormSQL.h"
#include "pos/PosSale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlQuery>
#include <QTextStream>

namespace {

QString option(const QStringList &args, const QString &name, const QString &fallback = {})
{
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

bool open(TDataFormSQL &data, const QString &dir, const QString &name)
{
    DbSettings settings;
    settings.load(dir + QLatin1Char('/') + QLatin1String(DbSettings::kFileName));
    const ConnectionParams params = settings.params(dir.endsWith(u'/') ? dir : dir + u'/', name);
    if (!data.OpenDB(params)) {
        fprintf(stderr, "cannot open %s: %s\n", qPrintable(name), qPrintable(data.lastErrorText()));
        return false;
    }
    return true;
}

// One terminal: sells until the time is up, then prints "SALE <InvID> <lines>"
// for every sale it made and "SCANS <added> <failed>".
int child(const QString &dir, const QString &name, int terminal, int seconds, int perSale)
{
    TDataFormSQL data;
    if (!open(data, dir, name))
        return 1;
    QStringList codes;
    QSqlQuery q = data.exec(QStringLiteral(R"(SELECT "ItemCode" FROM "CodeTb" WHERE NOT "IsService" LIMIT 5000)"));
    while (q.next())
        codes << q.value(0).toString().trimmed();
    q.finish();
    if (codes.isEmpty())
        return 1;
    const int uid = data.scalar(QStringLiteral(R"(SELECT min("UID") FROM "Users")")).toInt();
    PosSale pos(data);
    QRandomGenerator rng(terminal + 1);
    QHash<int, int> lines; // InvID -> lines this terminal put into it
    int added = 0, failed = 0, inSale = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000LL) {
        if (inSale == perSale) {
            pos.closeSale();
            inSale = 0;
        }
        const PosSale::Scan s = pos.AddItemFromBarCode(codes[rng.bounded(codes.size())], uid);
        if (s.status == PosSale::Scan::Added) {
            ++added;
            ++inSale;
            ++lines[s.invId];
        } else {
            ++failed;
        }
    }
    QTextStream out(stdout);
    for (auto it = lines.cbegin(); it != lines.cend(); ++it)
        out << "SALE " << it.key() << ' ' << it.value() << '\n';
    out << "SCANS " << added << ' ' << failed << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString dir = option(args, "--data");
    const QString name = option(args, "--db");
    const int terminals = std::max(1, option(args, "--terminals", "4").toInt());
    const int seconds = std::max(1, option(args, "--seconds", "20").toInt());
    const int perSale = std::max(1, option(args, "--per-sale", "20").toInt());
    if (dir.isEmpty() || name.isEmpty()) {
        fprintf(stderr, "usage: bench_terminals --data DIR --db NAME [--terminals N] [--seconds S]\n");
        return 2;
    }
    if (args.contains(QStringLiteral("--child")))
        return child(dir, name, option(args, "--child").toInt(), seconds, perSale);

    TDataFormSQL data;
    if (!open(data, dir, name))
        return 1;
    if (data.engine() != DbEngine::PostgreSQL)
        fprintf(stderr, "bench_terminals: %s is not on a PostgreSQL server\n", qPrintable(name));
    const int linesBefore = data.scalar(QStringLiteral(R"(SELECT count(*) FROM "SaleOne")")).toInt();
    const int maxBefore = data.scalar(QStringLiteral(R"(SELECT coalesce(max("InvID"),0) FROM "Sales")")).toInt();
    // The cash account is made once before the terminals start.
    PosSale(data).cashAccount();

    QList<QProcess *> children;
    for (int t = 0; t < terminals; ++t) {
        auto *p = new QProcess(&app);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(),
                 {"--data", dir, "--db", name, "--seconds", QString::number(seconds), "--per-sale",
                  QString::number(perSale), "--child", QString::number(t)});
        children << p;
    }
    QHash<int, int> claimed; // InvID -> lines, from every terminal
    int added = 0, failed = 0, duplicateSales = 0;
    for (QProcess *p : std::as_const(children)) {
        p->waitForFinished(seconds * 1000 + 120000);
        const QStringList out = QString::fromUtf8(p->readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString &line : out) {
            const QStringList f = line.split(u' ');
            if (f.value(0) == QLatin1String("SALE")) {
                if (claimed.contains(f.value(1).toInt()))
                    ++duplicateSales; // two terminals wrote into one sale
                claimed[f.value(1).toInt()] += f.value(2).toInt();
            } else if (f.value(0) == QLatin1String("SCANS")) {
                added += f.value(1).toInt();
                failed += f.value(2).toInt();
            }
        }
    }

    // What the database holds for the sales made during the run.
    QHash<int, int> stored;
    QSqlQuery q = data.exec(QStringLiteral(R"(SELECT "InvID", count(*) FROM "SaleOne" WHERE "InvID" > ? GROUP BY "InvID")"),
                            {maxBefore});
    while (q.next())
        stored[q.value(0).toInt()] = q.value(1).toInt();
    q.finish();
    const int linesAfter = data.scalar(QStringLiteral(R"(SELECT count(*) FROM "SaleOne")")).toInt();
    int mismatched = 0;
    for (auto it = claimed.cbegin(); it != claimed.cend(); ++it)
        if (stored.value(it.key()) != it.value())
            ++mismatched;
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        if (!claimed.contains(it.key()))
            ++mismatched;
    const int lost = std::abs(linesAfter - linesBefore - added) + mismatched + duplicateSales + failed;
    const double perSecond = double(linesAfter - linesBefore) / seconds;
    Bench::row(QStringLiteral("%1 terminals selling for %2 s (PostgreSQL)").arg(terminals).arg(seconds),
               QStringLiteral("%1 lines/s").arg(perSecond, 0, 'f', 0), QStringLiteral("-"), 0,
               QStringLiteral(">= 500 lines/s"));
    Bench::row(QStringLiteral("  lines or sales lost, duplicated or mixed"), QString::number(lost), QStringLiteral("-"), 0,
               QStringLiteral("0"));
    if (lost)
        fprintf(stderr,
                "bench_terminals: %d added, %d failed, %d lines stored, %d sales differ, %d sales shared\n",
                added, failed, linesAfter - linesBefore, mismatched, duplicateSales);
    return 0;
}
