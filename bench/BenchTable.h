#pragma once

// Benchmark programs print their results as rows that ./qarvel bench
// gathers into one table:
//   ROW <tab> operation <tab> figure <tab> baseline <tab> ratio <tab> goal
// Figures are printed, never asserted.

#include <QList>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace Bench {

inline double percentile(QList<double> samples, double p)
{
    if (samples.isEmpty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const qsizetype index = std::min<qsizetype>(samples.size() - 1, qsizetype(p * (samples.size() - 1) + 0.5));
    return samples[index];
}

inline void row(const QString &operation, const QString &figure, const QString &baseline, double ratio,
                const QString &goal)
{
    QTextStream out(stdout);
    out << "ROW\t" << operation << '\t' << figure << '\t' << baseline << '\t'
        << (ratio > 0 ? QString::number(ratio, 'f', 2) : QStringLiteral("-")) << '\t' << goal << Qt::endl;
}

inline QString ms(double value)
{
    return QString::number(value, 'f', value < 1 ? 3 : 1) + QStringLiteral(" ms");
}

} // namespace Bench
