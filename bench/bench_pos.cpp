// The point-of-sale scan path: the same core code the POS page runs per scan
// (exact lookup, weight fallback, line insert, total) against the bare
// statements through the sqlite3 C API on the same file.
//
//   bench_pos --data DIR --db NAME [--scans 5000] [--per-sale 20]

#include "BenchTable.h"

#include "data/DbSettings.h"
#include "data/TDataFormSQL.h"
#include "pos/PosSale.h"
#include "shell/AppState.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

QString option(const QStringList &args, const QString &name, const QString &fallback = {})
{
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

// Codes to scan: mostly exact item codes, some weight labels.
QStringList scanCodes(TDataFormSQL &data, int count)
{
    QStringList exact, weight;
    QSqlQuery q = data.exec(QStringLiteral(R"(SELECT "ItemCode" FROM "CodeTb" WHERE NOT "IsService")"));
    while (q.next()) {
        const QString code = q.value(0).toString().trimmed();
        (code.size() == 7 && code.startsWith(u'2') ? weight : exact) << code;
    }
    QRandomGenerator rng(42);
    QStringList out;
    for (int i = 0; i < count; ++i) {
        if (!weight.isEmpty() && i % 10 == 9)
            out << weight[rng.bounded(weight.size())] + QStringLiteral("%1").arg(rng.bounded(1, 5000), 5, 10, QChar(u'0'));
        else if (!exact.isEmpty())
            out << exact[rng.bounded(exact.size())];
    }
    return out;
}

QList<double> runCore(TDataFormSQL &data, const QStringList &codes, int perSale, int uid, int *failures)
{
    PosSale pos(data);
    QList<double> samples;
    QElapsedTimer t;
    for (int i = 0; i < codes.size(); ++i) {
        if (i % perSale == 0)
            pos.closeSale();
        t.start();
        const PosSale::Scan s = pos.AddItemFromBarCode(codes[i], uid);
        samples << t.nsecsElapsed() / 1e6;
        if (s.status != PosSale::Scan::Added)
            ++*failures;
    }
    return samples;
}

QList<double> runBare(const QString &file, const QStringList &codes, int perSale, int uid, int account)
{
    sqlite3 *db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(db, 5000);
    sqlite3_stmt *item, *line, *total, *header;
    sqlite3_prepare_v2(db, R"(SELECT "ItemID","Rate" FROM "CodeTb" WHERE "ItemCode"=?)", -1, &item, nullptr);
    sqlite3_prepare_v2(db, R"(INSERT INTO "SaleOne"("InvID","ItemID","Quantity","Rate1") VALUES(?,?,?,?))", -1, &line, nullptr);
    sqlite3_prepare_v2(db, R"(UPDATE "Sales" SET "TotalAmount"=(100+"Discount")*(SELECT coalesce(sum("Amount1"),0) FROM "SaleOne" WHERE "InvID"=?1)/100 WHERE "InvID"=?1)", -1, &total, nullptr);
    sqlite3_prepare_v2(db, R"(INSERT INTO "Sales"("CompanyID","Date1","Cash","UID") VALUES(?,datetime('now'),1,?))", -1, &header, nullptr);
    QList<double> samples;
    QElapsedTimer t;
    qint64 inv = 0;
    for (int i = 0; i < codes.size(); ++i) {
        if (i % perSale == 0) {
            sqlite3_bind_int(header, 1, account);
            sqlite3_bind_int(header, 2, uid);
            sqlite3_step(header);
            sqlite3_reset(header);
            inv = sqlite3_last_insert_rowid(db);
        }
        t.start();
        QByteArray code = codes[i].toUtf8();
        double quantity = 1;
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_bind_text(item, 1, code.constData(), int(code.size()), SQLITE_TRANSIENT);
        int rc = sqlite3_step(item);
        if (rc != SQLITE_ROW) {
            sqlite3_reset(item);
            quantity = code.right(5).toInt() / 1000.0;
            code.chop(5);
            sqlite3_bind_text(item, 1, code.constData(), int(code.size()), SQLITE_TRANSIENT);
            rc = sqlite3_step(item);
        }
        const int itemId = sqlite3_column_int(item, 0);
        const double rate = sqlite3_column_double(item, 1);
        sqlite3_reset(item);
        sqlite3_bind_int64(line, 1, inv);
        sqlite3_bind_int(line, 2, itemId);
        sqlite3_bind_double(line, 3, quantity);
        sqlite3_bind_double(line, 4, rate);
        sqlite3_step(line);
        sqlite3_reset(line);
        sqlite3_bind_int64(total, 1, inv);
        sqlite3_step(total);
        sqlite3_reset(total);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        samples << t.nsecsElapsed() / 1e6;
    }
    for (sqlite3_stmt *s : {item, line, total, header})
        sqlite3_finalize(s);
    sqlite3_close(db);
    return samples;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString dir = option(args, "--data");
    const QString name = option(args, "--db");
    const int scans = option(args, "--scans", "5000").toInt();
    const int perSale = std::max(1, option(args, "--per-sale", "20").toInt());
    if (dir.isEmpty() || name.isEmpty()) {
        fprintf(stderr, "usage: bench_pos --data DIR --db NAME [--scans N] [--per-sale N]\n");
        return 2;
    }
    DbSettings settings;
    settings.load(dir + "/" + DbSettings::kFileName);
    ConnectionParams params = settings.params(dir.endsWith(u'/') ? dir : dir + u'/', name);
    TDataFormSQL data;
    if (!data.OpenDB(params)) {
        fprintf(stderr, "cannot open %s: %s\n", qPrintable(name), qPrintable(data.lastErrorText()));
        return 1;
    }
    const int uid = data.scalar(R"(SELECT min("UID") FROM "Users")").toInt();
    const QStringList warm = scanCodes(data, 200);
    const QStringList codes = scanCodes(data, scans);
    const QString engine = params.engine == DbEngine::SQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");

    int failures = 0;
    runCore(data, warm, perSale, uid, &failures);
    failures = 0;
    const QList<double> core = runCore(data, codes, perSale, uid, &failures);
    if (failures)
        fprintf(stderr, "bench_pos: %d scans were not added\n", failures);

    if (params.engine == DbEngine::SQLite) {
        PosSale pos(data);
        const int account = pos.cashAccount();
        data.CloseDB();
        runBare(params.sqliteFile(), warm, perSale, uid, account);
        const QList<double> bare = runBare(params.sqliteFile(), codes, perSale, uid, account);
        const double c50 = Bench::percentile(core, 0.5), b50 = Bench::percentile(bare, 0.5);
        const double c99 = Bench::percentile(core, 0.99), b99 = Bench::percentile(bare, 0.99);
        Bench::row(QStringLiteral("POS scan p50 (%1, %2 scans)").arg(engine).arg(scans), Bench::ms(c50), Bench::ms(b50),
                   b50 > 0 ? c50 / b50 : 0, QStringLiteral("-"));
        Bench::row(QStringLiteral("POS scan p99 (%1, %2 scans)").arg(engine).arg(scans), Bench::ms(c99), Bench::ms(b99),
                   b99 > 0 ? c99 / b99 : 0, QStringLiteral("<= 2 ms, ratio <= 1.5"));
    } else {
        Bench::row(QStringLiteral("POS scan p50 (%1)").arg(engine), Bench::ms(Bench::percentile(core, 0.5)),
                   QStringLiteral("-"), 0, QStringLiteral("-"));
        Bench::row(QStringLiteral("POS scan p99 (%1)").arg(engine), Bench::ms(Bench::percentile(core, 0.99)),
                   QStringLiteral("-"), 0, QStringLiteral("-"));
    }
    return 0;
}
