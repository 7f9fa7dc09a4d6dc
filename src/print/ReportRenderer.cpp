#include "ReportRenderer.h"

#include "Barcode.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

using namespace Print;

namespace ReportRenderer {

namespace {
constexpr double kEpsilon = 0.001;
}

double pageHeight(const Report &report)
{
    return report.page.fitToContent ? report.contentHeight() : report.page.height;
}

QList<Page> paginate(const Report &r)
{
    const double height = pageHeight(r) - r.page.top - r.page.bottom;
    const double footer = r.pageFooter.visible ? r.pageFooter.height : 0;
    const double limit = r.continuous ? height : height - footer;
    QList<Page> pages;
    Page page;
    double y = 0;
    int rowsOnPage = 0;

    auto start = [&] {
        page.clear();
        y = 0;
        rowsOnPage = 0;
        if (r.pageHeader.visible && (!r.continuous || pages.isEmpty())) {
            page << Placed{&r.pageHeader, y, -1};
            y += r.pageHeader.height;
        }
    };
    auto finish = [&] {
        if (!r.continuous && r.pageFooter.visible)
            page << Placed{&r.pageFooter, height - footer, -1};
        pages << page;
    };

    start();
    if (r.titleBand.visible) {
        page << Placed{&r.titleBand, y, -1};
        y += r.titleBand.height;
    }
    for (int i = 0; i < r.rows.size(); ++i) {
        if (rowsOnPage > 0 && y + r.detail.height > limit + kEpsilon) {
            finish();
            start();
        }
        page << Placed{&r.detail, y, i};
        y += r.detail.height;
        ++rowsOnPage;
    }
    if (!r.continuous && r.closeBand.visible) {
        if (y + r.closeBand.height > limit + kEpsilon && rowsOnPage > 0) {
            finish();
            start();
        }
        page << Placed{&r.closeBand, y, -1};
        y += r.closeBand.height;
    }
    if (r.continuous && r.pageFooter.visible) {
        if (y + footer > height + kEpsilon && !page.isEmpty()) {
            pages << page;
            start();
        }
        page << Placed{&r.pageFooter, y, -1};
    }
    finish();
    return pages;
}

namespace {

class Painter
{
public:
    Painter(QPainter &p, const Report &r)
        : m_p(p)
        , m_r(r)
    {
        m_scale = p.device()->logicalDpiX() / 25.4;
        m_scaleY = p.device()->logicalDpiY() / 25.4;
    }

    void element(const ReportElement &e, double originX, double originY, const Row *row, int pageNo)
    {
        if (!e.visible)
            return;
        const double x = originX + e.left, y = originY + e.top;
        switch (e.kind) {
        case ElementKind::Text:
            text(e, x, y, row, pageNo);
            break;
        case ElementKind::Line: {
            m_p.setPen(QPen(e.color, std::max(e.penWidth * m_scale, 1.0)));
            m_p.drawLine(QPointF(px(x), py(y)), QPointF(px(x + e.width), py(y + e.height)));
            break;
        }
        case ElementKind::Box:
            box(e, rect(x, y, e.width, e.height));
            break;
        case ElementKind::Picture:
            if (!e.picture.isNull() && e.width > 0 && e.height > 0) {
                const QRectF area = rect(x, y, e.width, e.height);
                QSizeF size = QSizeF(e.picture.size()).scaled(area.size(), Qt::KeepAspectRatio);
                m_p.drawImage(QRectF(area.topLeft(), size), e.picture);
            }
            break;
        case ElementKind::Barcode:
            if (e.width > 0 && e.height > 0) {
                BarcodePainter::Style style;
                style.color = e.color;
                style.showText = e.showCode;
                style.ratio = e.barRatio;
                style.textHeight = py(lineHeightMm(e.font));
                BarcodePainter::current().paint(m_p, rect(x, y, e.width, e.height),
                                                valueOf(e, row, pageNo), e.symbology, style);
            }
            break;
        }
    }

    void band(const Band &b, double y, const Row *row, int pageNo)
    {
        const double ox = m_r.page.left, oy = m_r.page.top + y;
        for (const ReportElement &e : b.elements)
            element(e, ox, oy, row, pageNo);
    }

    void pageElements(int pageNo)
    {
        for (const ReportElement &e : m_r.pageElements)
            element(e, m_r.page.left, m_r.page.top, nullptr, pageNo);
    }

private:
    double px(double mm) const { return mm * m_scale; }
    double py(double mm) const { return mm * m_scaleY; }
    QRectF rect(double x, double y, double w, double h) const
    {
        return QRectF(px(x), py(y), px(w), py(h));
    }

    static QString valueOf(const ReportElement &e, const Row *row, int pageNo)
    {
        if (e.pageNumber)
            return QString::number(pageNo);
        if (!e.field.isEmpty())
            return row ? row->value(e.field) : QString();
        return e.text;
    }

    void text(const ReportElement &e, double x, double y, const Row *row, int pageNo)
    {
        const QString value = valueOf(e, row, pageNo);
        const bool white = e.color == QColor(Qt::white);
        // White text on the paper leaves no trace: print nothing at all.
        if (white && !e.background.isValid())
            return;
        // Given no width, an element is hidden.
        if (!e.autoSize && e.width <= 0)
            return;
        const QFontMetricsF metrics(e.font, m_p.device());
        double left = px(x), width = px(e.width);
        if (e.autoSize) {
            const double w = metrics.horizontalAdvance(value);
            if (e.alignment & Qt::AlignRight)
                left = left + width - w;
            width = w;
        }
        // A single line wider than its box overflows it as its alignment says.
        if (!e.autoSize && !e.wordWrap) {
            const double w = metrics.horizontalAdvance(value);
            if (w > width) {
                if (e.alignment & Qt::AlignHCenter)
                    left -= (w - width) / 2;
                else if (e.alignment & Qt::AlignRight)
                    left -= w - width;
                width = w;
            }
        }
        const double height = e.height > 0 ? py(e.height) : metrics.height();
        const QRectF area(left, py(y), width, height);
        if (area.width() <= 0)
            return;
        if (e.background.isValid())
            m_p.fillRect(area, e.background);
        if (value.isEmpty())
            return;
        QTextOption option(e.alignment | Qt::AlignAbsolute);
        option.setTextDirection(e.direction);
        option.setWrapMode(e.wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
        m_p.save();
        if (e.wordWrap)
            m_p.setClipRect(area, Qt::IntersectClip);
        m_p.setFont(e.font);
        m_p.setPen(e.color);
        m_p.drawText(area, value, option);
        m_p.restore();
    }

    void box(const ReportElement &e, const QRectF &area)
    {
        if (area.width() <= 0 || area.height() <= 0)
            return;
        if (e.fill.isValid())
            m_p.fillRect(area, e.fill);
        const double pen = std::max(e.penWidth * m_scale, 1.0);
        if (e.hatched) {
            m_p.save();
            m_p.setClipRect(area, Qt::IntersectClip);
            m_p.setPen(QPen(e.color, std::max(px(0.1), 1.0)));
            const double step = px(1.5);
            for (double d = -area.height(); d < area.width(); d += step)
                m_p.drawLine(QPointF(area.left() + d, area.bottom()),
                             QPointF(area.left() + d + area.height(), area.top()));
            m_p.restore();
        }
        if (e.frame) {
            m_p.setPen(QPen(e.color, pen));
            m_p.setBrush(Qt::NoBrush);
            m_p.drawRect(area);
        }
    }

    QPainter &m_p;
    const Report &m_r;
    double m_scale = 1, m_scaleY = 1;
};

} // namespace

int paint(const Report &report, QPainter &painter, const std::function<bool()> &newPage)
{
    const QList<Page> pages = paginate(report);
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    Painter p(painter, report);
    int painted = 0;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0 && newPage && !newPage())
            break;
        for (const Placed &placed : pages[i]) {
            const Row *row = placed.row >= 0 ? &report.rows[placed.row] : nullptr;
            p.band(*placed.band, placed.y, row, i + 1);
        }
        if (i == pages.size() - 1)
            p.pageElements(i + 1);
        ++painted;
    }
    return painted;
}

} // namespace ReportRenderer
