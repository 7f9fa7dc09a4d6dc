#include "Report.h"

#include <QFontMetricsF>
#include <QImage>

namespace Print {

QFont defaultFont(double points, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"),
                   QStringLiteral("Noto Sans Arabic")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

ReportElement *Band::find(const QString &n)
{
    for (ReportElement &e : elements)
        if (e.name == n)
            return &e;
    return nullptr;
}

const ReportElement *Band::find(const QString &n) const
{
    return const_cast<Band *>(this)->find(n);
}

ReportElement &Band::add(const ReportElement &element)
{
    elements << element;
    return elements.last();
}

QList<Band *> Report::bands()
{
    return {&pageHeader, &titleBand, &detail, &closeBand, &pageFooter};
}

QList<const Band *> Report::bands() const
{
    return {&pageHeader, &titleBand, &detail, &closeBand, &pageFooter};
}

ReportElement *Report::find(const QString &n)
{
    for (Band *b : bands())
        if (ReportElement *e = b->find(n))
            return e;
    for (ReportElement &e : pageElements)
        if (e.name == n)
            return &e;
    return nullptr;
}

const ReportElement *Report::find(const QString &n) const
{
    return const_cast<Report *>(this)->find(n);
}

double Report::contentHeight() const
{
    double h = page.top + page.bottom;
    if (pageHeader.visible)
        h += pageHeader.height;
    if (titleBand.visible)
        h += titleBand.height;
    h += detail.height * rows.size();
    if (!continuous && closeBand.visible)
        h += closeBand.height;
    if (pageFooter.visible)
        h += pageFooter.height;
    return h;
}

namespace {
// Text is measured at the resolution of the PDF output.
constexpr int kMeasureDpi = 1200;
const QImage &measureDevice()
{
    static QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(qRound(kMeasureDpi / 0.0254));
        i.setDotsPerMeterY(qRound(kMeasureDpi / 0.0254));
        return i;
    }();
    return image;
}
} // namespace

double textWidthMm(const QFont &font, const QString &text)
{
    const QFontMetricsF m(font, &measureDevice());
    return m.horizontalAdvance(text) * 25.4 / kMeasureDpi;
}

double lineHeightMm(const QFont &font)
{
    const QFontMetricsF m(font, &measureDevice());
    return m.height() * 25.4 / kMeasureDpi;
}

} // namespace Print
