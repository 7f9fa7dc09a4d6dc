// The stock page and the opening-stock grid on a large catalogue: the
// recomputation, the list read in steps, typing a search fragment, "Down!",
// and an edit in place of the opening stock.
//
//   bench_stockpage --data DIR --db NAME [--fragment 123]

#include "BenchTable.h"
#include "data/DbSettings.h"
#include "data/TDataFormSQL.h"
#include "items/OpeningStock.h"
#include "items/OpeningStockModel.h"
#include "items/StockModel.h"
#include "items/StoreChk.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>

namespace {

QString option(const QStringList &args, const char *name, const QString &fallback = {})
{
    const int i = args.indexOf(QString::fromLatin1(name));
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

double msSince(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

// Reads a model to its end through the event loop; gives the first and the
// longest step.
template<typename Model>
void readAll(Model &model, double *first, double *worst, double *all)
{
    QList<double> steps;
    QElapsedTimer total, step;
    total.start();
    step.start();
    model.reload();
    steps << msSince(step);
    QEventLoop loop;
    const auto c = QObject::connect(&model, &Model::countChanged, &loop, [&] {
        steps << msSince(step);
        step.restart();
    });
    QObject::connect(&model, &Model::loadingFinished, &loop, &QEventLoop::quit);
    step.restart();
    if (model.isLoading())
        loop.exec();
    QObject::disconnect(c);
    *all = msSince(total);
    *first = steps.first();
    *worst = *std::max_element(steps.begin(), steps.end());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString dir = option(args, "--data");
    const QString name = option(args, "--db");
    if (dir.isEmpty() || name.isEmpty()) {
        fprintf(stderr, "usage: bench_stockpage --data DIR --db NAME [--fragment 123]\n");
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
    const QString engine =
        params.engine == DbEngine::SQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");

    QElapsedTimer t;
    StoreChk chk(data);
    t.start();
    if (!chk.recalc()) {
        fprintf(stderr, "recomputation failed: %s\n", qPrintable(chk.lastError()));
        return 1;
    }
    const double recalc = msSince(t);

    StockModel stock(data);
    double first = 0, worst = 0, all = 0;
    readAll(stock, &first, &worst, &all);
    const int items = stock.totalCount();
    const QString at = QStringLiteral(" (%1 stock rows, %2)").arg(items).arg(engine);
    Bench::row(QStringLiteral("Stock page: Re Calc Store") + at, Bench::ms(recalc),
               QStringLiteral("-"), 0, QStringLiteral("-"));
    Bench::row(QStringLiteral("Stock list: first rows shown") + at, Bench::ms(first),
               QStringLiteral("-"), 0, QStringLiteral("no step over 100 ms"));
    Bench::row(QStringLiteral("Stock list: longest read step") + at, Bench::ms(worst),
               QStringLiteral("-"), 0, QStringLiteral("no step over 100 ms"));
    Bench::row(QStringLiteral("Stock list: whole list read") + at, Bench::ms(all),
               QStringLiteral("-"), 0, QStringLiteral("not blocking (in steps)"));

    const QString fragment = option(args, "--fragment", QStringLiteral("123"));
    double typing = 0;
    for (int n = 1; n <= fragment.size(); ++n) {
        t.restart();
        stock.setFilter(fragment.left(n), false);
        typing = std::max(typing, msSince(t));
    }
    t.restart();
    stock.setFilter(fragment, true);
    const double down = msSince(t);
    t.restart();
    stock.setFilter(QString(), false);
    const double clearing = msSince(t);
    Bench::row(QStringLiteral("Stock search: typing \"%1\", slowest letter").arg(fragment) + at,
               Bench::ms(typing), QStringLiteral("-"), 0, QStringLiteral("no step over 100 ms"));
    Bench::row(QStringLiteral("Stock search: Down! ticked, emptying the box") + at,
               Bench::ms(std::max(down, clearing)), QStringLiteral("-"), 0,
               QStringLiteral("no step over 100 ms"));

    // -- the opening stock: every item in the grid
    OpeningStock opening(data);
    t.restart();
    const OpeningStock::Outcome added = opening.addAllItems();
    const double yesToAll = msSince(t);
    OpeningStockModel grid(data);
    readAll(grid, &first, &worst, &all);
    const QString rows = QStringLiteral(" (%1 rows, %2)").arg(grid.totalCount()).arg(engine);
    Bench::row(QStringLiteral("Opening stock: Yes To All (%1 added)").arg(added.rows) + rows,
               Bench::ms(yesToAll), QStringLiteral("-"), 0, QStringLiteral("-"));
    Bench::row(QStringLiteral("Opening stock grid: longest read step") + rows, Bench::ms(worst),
               QStringLiteral("-"), 0, QStringLiteral("no step over 100 ms"));
    typing = 0;
    for (int n = 1; n <= fragment.size(); ++n) {
        t.restart();
        grid.setFilterText(fragment.left(n));
        typing = std::max(typing, msSince(t));
    }
    grid.setFilterText(QString());
    Bench::row(QStringLiteral("Opening stock search: slowest letter") + rows, Bench::ms(typing),
               QStringLiteral("-"), 0, QStringLiteral("no step over 100 ms"));
    const int middle = grid.rowCount() / 2;
    const double before =
        grid.data(grid.index(middle, OpeningStockModel::Quantity), Qt::EditRole).toDouble();
    t.restart();
    grid.setData(grid.index(middle, OpeningStockModel::Quantity), QString::number(before + 1));
    const double edit = msSince(t);
    grid.setData(grid.index(middle, OpeningStockModel::Quantity), QString::number(before));
    Bench::row(QStringLiteral("Opening stock: one edit in place") + rows, Bench::ms(edit),
               QStringLiteral("-"), 0, QStringLiteral("no step over 100 ms"));
    return 0;
}
