// The items list of the codes page on a large catalogue: reading it in
// chunks, typing a search fragment letter by letter, scrolling, and the
// memory the list takes. The baselines are the same read and the same
// search as one SQL statement.
//
//   bench_catalogue --data DIR --db NAME [--fragment abc]

#include "BenchTable.h"
#include "data/DbSettings.h"
#include "data/TDataFormSQL.h"
#include "items/Catalogue.h"
#include "items/CatalogueModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <random>

#include <sys/resource.h>

namespace {

QString option(const QStringList &args, const char *name, const QString &fallback = {})
{
    const int i = args.indexOf(QString::fromLatin1(name));
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

double peakRssMb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0; // kilobytes on Linux
}

double msSince(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString dir = option(args, "--data");
    const QString name = option(args, "--db");
    if (dir.isEmpty() || name.isEmpty()) {
        fprintf(stderr, "usage: bench_catalogue --data DIR --db NAME [--fragment abc]\n");
        return 2;
    }
    DbSettings settings;
    settings.load(dir + "/" + DbSettings::kFileName);
    const ConnectionParams params = settings.params(dir.endsWith(u'/') ? dir : dir + u'/', name);
    TDataFormSQL data;
    if (!data.OpenDB(params)) {
        fprintf(stderr, "cannot open %s: %s\n", qPrintable(name), qPrintable(data.lastErrorText()));
        return 1;
    }
    Catalogue catalogue(data);
    const double rssBefore = peakRssMb();

    // -- reading the list: the first chunk at once, the rest between repaints
    CatalogueModel model(data);
    QList<double> steps;
    QElapsedTimer all;
    QElapsedTimer step;
    all.start();
    step.start();
    model.reload();
    steps << msSince(step);
    QEventLoop loop;
    const QMetaObject::Connection stepTimer = QObject::connect(&model, &CatalogueModel::countChanged, &loop, [&] {
        steps << msSince(step);
        step.restart();
    });
    QObject::connect(&model, &CatalogueModel::loadingFinished, &loop, &QEventLoop::quit);
    step.restart();
    if (model.isLoading())
        loop.exec();
    const double loadAll = msSince(all);
    QObject::disconnect(stepTimer);
    const int items = model.totalCount();
    const double firstChunk = steps.first();
    const double worstStep = *std::max_element(steps.begin(), steps.end());
    const double rssLoaded = peakRssMb();

    QElapsedTimer t;

    // -- typing a fragment of a description in the middle of the list
    QString fragment = option(args, "--fragment");
    if (fragment.isEmpty() && items > 0) {
        const QString d = model.rowAt(items / 2)->description.simplified();
        fragment = d.mid(std::max<qsizetype>(0, d.size() / 2 - 1), 3);
    }
    QList<double> typing;
    for (int n = 1; n <= fragment.size(); ++n) {
        t.restart();
        model.setFilterText(fragment.left(n));
        typing << msSince(t);
    }
    const int matches = model.rowCount();
    t.restart();
    model.setFilterText(QString());
    const double clearing = msSince(t);
    const double worstTyping = typing.isEmpty() ? 0 : *std::max_element(typing.begin(), typing.end());

    // -- scrolling: one screen of 40 rows at random places
    std::mt19937 random(7);
    QList<double> pages;
    for (int i = 0; i < 500 && items > 40; ++i) {
        const int top = int(random() % unsigned(items - 40));
        t.restart();
        for (int r = top; r < top + 40; ++r)
            for (int c = 0; c < model.columnCount(); ++c)
                model.data(model.index(r, c));
        pages << msSince(t);
    }
    const double rssPeak = peakRssMb();

    // -- the baselines (after the memory figure: they hold copies of rows)
    t.restart();
    const size_t bare = catalogue.search(QString()).size();
    const double bareRead = msSince(t);
    t.restart();
    const size_t sqlMatches = catalogue.search(fragment).size();
    const double sqlSearch = msSince(t);

    const QString engine = params.engine == DbEngine::SQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");
    const QString at = QStringLiteral(" (%1 items, %2)").arg(items).arg(engine);
    Bench::row(QStringLiteral("Items list: first chunk shown") + at, Bench::ms(firstChunk), QStringLiteral("-"), 0,
               QStringLiteral("no step over 100 ms"));
    Bench::row(QStringLiteral("Items list: longest read step (%1 steps)").arg(steps.size()) + at, Bench::ms(worstStep),
               QStringLiteral("-"), 0, QStringLiteral("no step over 100 ms"));
    Bench::row(QStringLiteral("Items list: whole list read") + at, Bench::ms(loadAll),
               Bench::ms(bareRead) + QStringLiteral(" one SELECT"), bareRead > 0 ? loadAll / bareRead : 0,
               QStringLiteral("not blocking (chunked)"));
    Bench::row(QStringLiteral("Items search: typing \"%1\", slowest letter (%2 rows)").arg(fragment).arg(matches) + at,
               Bench::ms(worstTyping), Bench::ms(sqlSearch) + QStringLiteral(" SQL LIKE"),
               sqlSearch > 0 ? worstTyping / sqlSearch : 0, QStringLiteral("no step over 100 ms"));
    Bench::row(QStringLiteral("Items search: emptying the box") + at, Bench::ms(clearing), QStringLiteral("-"), 0,
               QStringLiteral("no step over 100 ms"));
    Bench::row(QStringLiteral("Items list: one screen of 40 rows, p99") + at, Bench::ms(Bench::percentile(pages, 0.99)),
               QStringLiteral("-"), 0, QStringLiteral("no step over 100 ms"));
    Bench::row(QStringLiteral("Items list: peak resident memory") + at,
               QStringLiteral("%1 MB").arg(rssPeak, 0, 'f', 1),
               QStringLiteral("%1 MB before the list").arg(rssBefore, 0, 'f', 1), rssPeak / std::max(1.0, rssBefore),
               QStringLiteral("under 150 MB resident"));
    if (sqlMatches != size_t(matches) || bare != size_t(items))
        fprintf(stderr, "bench_catalogue: the list and SQL disagree (%d/%zu rows, %d/%zu matches)\n", items, bare,
                matches, sqlMatches);
    Q_UNUSED(rssLoaded);
    if (qEnvironmentVariableIsSet("QARVEL_BENCH_STEPS")) {
        QStringList list;
        for (double s : steps)
            list << QString::number(s, 'f', 1);
        fprintf(stderr, "steps (ms): %s\n", qPrintable(list.join(u' ')));
    }
    return 0;
}
