// Stock recomputation through the program's code against the bare aggregate
// query run by the sqlite3 shell on the same file.
//
//   bench_stock [--dir DIR] [--items N] [--lines N] [--reps N] [--up-to dd/mm/yyyy]
//
// The year database DIR/QarvelBENCH2026.sqlite is generated once (kept for
// later runs). Each repetition times, in turn: the bare query (sqlite3 shell,
// output thrown away), the same with the unit costs, and the program's
// recomputation (Store rebuilt, stock value, list read back), for the whole
// year and up to the given day. Medians are printed with their ratios.

#include "BenchTable.h"
#include "data/DataGenerator.h"
#include "data/TDataFormSQL.h"
#include "data/YearDatabases.h"
#include "items/StockQuery.h"
#include "items/StockReport.h"
#include "items/StoreChk.h"
#include "shell/AppState.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QString option(const QStringList &args, const QString &name, const QString &fallback)
{
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

// Processor seconds (user + system) of this process or of its finished children.
double cpuSeconds(int who)
{
    rusage u{};
    getrusage(who, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Timing
{
    double wall = -1;
    double cpu = -1;
};

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    if (v.isEmpty())
        return 0;
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// The fastest bare form: one signed UNION ALL of all sources joined to
// their headers, one GROUP BY, then the join to the catalogue.
QString bareStock(const QString &limit)
{
    const QString where =
        limit.isEmpty() ? QString() : QStringLiteral(" WHERE h.\"Date1\" <= '%1'").arg(limit);
    QStringList parts{
        QStringLiteral("SELECT \"ItemId\" AS \"ItemID\", \"Quantity\" AS \"Q\" FROM \"FGood\"")};
    const QList<QStringList> sources{{"InvOne", "InvoiceS", ""},    {"BToUsOne", "BToUsS", ""},
                                     {"BFrUsOne", "BFromUsS", "-"}, {"SaleOne", "Sales", "-"},
                                     {"IndInTB", "IndTB", "-"},     {"IndOutTB", "IndTB", ""}};
    for (const QStringList &s : sources)
        parts << QStringLiteral(
                     "SELECT o.\"ItemID\", %1o.\"Quantity\" FROM \"%2\" o JOIN \"%3\" h ON "
                     "h.\"InvID\" = o.\"InvID\"%4")
                     .arg(s[2], s[0], s[1], where);
    return QStringLiteral(
               "SELECT c.\"ItemID\", c.\"ItemCode\", c.\"Description\", s.\"Q\" FROM (SELECT "
               "\"ItemID\", sum(\"Q\") AS \"Q\" FROM (%1) GROUP BY \"ItemID\") s JOIN \"CodeTb\" c "
               "ON c.\"ItemID\" = s.\"ItemID\" WHERE c.\"IsService\" IS NOT TRUE ORDER BY "
               "c.\"ItemCode\";")
        .arg(parts.join(QStringLiteral(" UNION ALL ")));
}

// The program's own statement with its values written in, for the shell.
QString withValues(StockQuery::Statement st)
{
    QString sql = st.sql;
    for (const QVariant &v : st.values) {
        const int at = sql.indexOf(u'?');
        sql.replace(at, 1,
                    v.typeId() == QMetaType::QString ? u'\'' + v.toString() + u'\'' : v.toString());
    }
    return sql + QStringLiteral(" ORDER BY c.\"ItemCode\";");
}

bool writeFile(const QString &path, const QString &text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(".output /dev/null\n");
    f.write(text.toUtf8());
    f.write("\n");
    return true;
}

Timing timeShell(const QString &dbFile, const QString &sqlFile)
{
    QProcess p;
    p.setStandardInputFile(sqlFile);
    p.setStandardOutputFile(QProcess::nullDevice());
    const double cpu0 = cpuSeconds(RUSAGE_CHILDREN);
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral("sqlite3"), {dbFile});
    if (!p.waitForFinished(600000) || p.exitCode() != 0) {
        out() << "sqlite3 failed: " << p.readAllStandardError() << Qt::endl;
        return {};
    }
    return {t.nsecsElapsed() / 1e9, cpuSeconds(RUSAGE_CHILDREN) - cpu0};
}

// The recomputation alone (Store rebuilt, stock value) and with the list
// read back as the stock page shows it.
Timing timeCore(TDataFormSQL &data, const QDate &upTo, int *rows, Timing *recomputeOnly)
{
    const double cpu0 = cpuSeconds(RUSAGE_SELF);
    QElapsedTimer t;
    t.start();
    StoreChk chk(data);
    chk.setUpToDate(upTo);
    if (!chk.recalc()) {
        out() << "recomputation failed: " << chk.lastError() << Qt::endl;
        return {};
    }
    *recomputeOnly = {t.nsecsElapsed() / 1e9, cpuSeconds(RUSAGE_SELF) - cpu0};
    *rows = int(chk.rows().size());
    return {t.nsecsElapsed() / 1e9, cpuSeconds(RUSAGE_SELF) - cpu0};
}

QString ratioLine(const QList<Timing> &bare, const QList<Timing> &costed, const QList<Timing> &core,
                  const QList<Timing> &recompute)
{
    auto med = [](const QList<Timing> &l, bool cpu) {
        QList<double> v;
        for (const Timing &t : l)
            v << (cpu ? t.cpu : t.wall);
        return median(v);
    };
    QString line;
    for (bool cpu : {false, true}) {
        const double b = med(bare, cpu), bc = med(costed, cpu), k = med(core, cpu),
                     r = med(recompute, cpu);
        line +=
            QStringLiteral(
                "  %1: bare stock %2, bare stock+cost %3, program %4 (recomputation %5, list %6); "
                "program/bare %7, program/bare+cost %8\n")
                .arg(cpu ? QStringLiteral("cpu ") : QStringLiteral("wall"))
                .arg(b, 0, 'f', 3)
                .arg(bc, 0, 'f', 3)
                .arg(k, 0, 'f', 3)
                .arg(r, 0, 'f', 3)
                .arg(k - r, 0, 'f', 3)
                .arg(k / b, 0, 'f', 2)
                .arg(k / bc, 0, 'f', 2);
    }
    return line;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString dir =
        QDir(option(args, "--dir", "/tmp/qarvel-bench-stock")).absolutePath() + u'/';
    const int reps = option(args, "--reps", "5").toInt();
    const QDate upTo = StockReport::parseDay(option(args, "--up-to", "30/06/2026"));
    QDir().mkpath(dir);

    ConnectionParams params;
    params.engine = DbEngine::SQLite;
    params.dataDir = dir;
    params.database = YearDatabases::databaseName(QStringLiteral("BENCH"), 2026);
    const QString file = params.sqliteFile();
    if (!QFile::exists(file)) {
        DataGeneratorOptions o;
        o.items = option(args, "--items", "200000").toInt();
        o.lines = option(args, "--lines", "2000000").toLongLong();
        o.accounts = 2000;
        out() << "generating " << file << " (" << o.items << " items, " << o.lines << " lines)..."
              << Qt::endl;
        QString error;
        if (!YearDatabases::create(params, &error))
            return out() << "cannot create: " << error << Qt::endl, 1;
        TDataFormSQL data;
        if (!data.OpenDB(params))
            return out() << "cannot open: " << data.lastErrorText() << Qt::endl, 1;
        DataGenerator g(data, o);
        if (!g.run(&error))
            return out() << "generation failed: " << error << Qt::endl, 1;
        data.DoSqlNEW(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }

    const QString limit =
        QDateTime(upTo, QTime(23, 59, 59)).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    StockQuery::Options whole;
    StockQuery::Options part;
    part.upTo = upTo;
    struct Case
    {
        const char *name;
        QString bare, costed;
        QDate upTo;
    };
    const QList<Case> cases{
        {"whole year", bareStock({}), withValues(StockQuery::stockRows(whole)), {}},
        {"up to date", bareStock(limit), withValues(StockQuery::stockRows(part)), upTo}};

    appState().CurYear = 2026;
    TDataFormSQL data;
    if (!data.OpenDB(params))
        return out() << "cannot open: " << data.lastErrorText() << Qt::endl, 1;

    out() << "file " << file << ", " << reps << " repetitions (medians, seconds)" << Qt::endl;
    for (const Case &c : cases) {
        const QString bareFile = dir + "bare.sql", costedFile = dir + "bare_costed.sql";
        writeFile(bareFile, c.bare);
        writeFile(costedFile, c.costed);
        QList<Timing> bare, costed, core, recompute;
        int rows = 0;
        for (int i = 0; i < reps; ++i) {
            bare << timeShell(file, bareFile);
            costed << timeShell(file, costedFile);
            Timing r;
            core << timeCore(data, c.upTo, &rows, &r);
            recompute << r;
        }
        out() << c.name
              << (c.upTo.isValid() ? " (" + c.upTo.toString("dd/MM/yyyy") + ")" : QString()) << ": "
              << rows << " rows\n"
              << ratioLine(bare, costed, core, recompute) << Qt::flush;
        // The rows of the common table (wall time, medians).
        QList<double> b, r;
        for (const Timing &t : bare)
            b << t.wall;
        for (const Timing &t : recompute)
            r << t.wall;
        const QString what = QStringLiteral("Stock recomputation, %1 (%2 rows)")
                                 .arg(QString::fromLatin1(c.name)).arg(rows);
        Bench::row(what, QString::number(median(r), 'f', 2) + QStringLiteral(" s"),
                   QString::number(median(b), 'f', 2) + QStringLiteral(" s (sqlite3 shell)"),
                   median(b) > 0 ? median(r) / median(b) : 0, QStringLiteral("ratio <= 1.3"));
    }
    return 0;
}
