#include "GridReport.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace Print {

GridCell GridCell::fromValue(const QVariant &display, const QVariant &value)
{
    GridCell cell;
    const QVariant &v = value.isValid() ? value : display;
    cell.isNull = !display.isValid() || display.isNull();
    cell.text = cell.isNull ? QString() : display.toString();
    if (!v.isValid() || v.isNull())
        return cell;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
        cell.numeric = true;
        cell.number = v.toDouble();
        return cell;
    default:
        break;
    }
    // A shown number: optional minus, digits (grouped or not), decimals.
    static const QRegularExpression plain(
        QStringLiteral("^-?(0|[1-9][0-9]{0,14}|[1-9][0-9]{0,2}(,[0-9]{3})+)(\\.[0-9]+)?$"));
    const QString t = v.toString().trimmed();
    if (plain.match(t).hasMatch()) {
        QString digits = t;
        digits.remove(u',');
        bool ok = false;
        const double d = QLocale::c().toDouble(digits, &ok);
        if (ok) {
            cell.numeric = true;
            cell.number = d;
        }
    }
    return cell;
}

namespace GridReport {

namespace {

constexpr double kTopMargin = 3.97, kSideMargin = 5.29, kBottomMargin = 5.29;
constexpr double kHeaderHeight = 4.5, kFooterHeight = 5.0;

Qt::Alignment horizontal(Qt::Alignment a, bool rightToLeft)
{
    Qt::Alignment h = a & Qt::AlignHorizontal_Mask;
    if (rightToLeft && !(h & Qt::AlignAbsolute)) {
        if (h & Qt::AlignLeft)
            h = (h & ~Qt::AlignLeft) | Qt::AlignRight;
        else if (h & Qt::AlignRight)
            h = (h & ~Qt::AlignRight) | Qt::AlignLeft;
        else if (!(h & (Qt::AlignHCenter | Qt::AlignJustify)))
            h |= Qt::AlignRight;
    }
    h &= ~Qt::AlignAbsolute;
    if (!h)
        h = Qt::AlignLeft;
    Qt::Alignment v = a & Qt::AlignVertical_Mask;
    return h | (v ? v : Qt::AlignVCenter);
}

ReportElement line(const QString &name, double leftPx, double topPx, double widthPx,
                   double heightPx, int pen)
{
    ReportElement e;
    e.name = name;
    e.kind = ElementKind::Line;
    e.left = pxToMm(leftPx);
    e.top = pxToMm(topPx);
    e.width = pxToMm(widthPx);
    e.height = pxToMm(heightPx);
    e.penWidth = pxToMm(pen);
    e.color = Qt::black;
    return e;
}

ReportElement text(const QString &name, const QString &caption, double left, double top,
                   double width, double height, const QFont &font, Qt::Alignment alignment,
                   bool rightToLeft)
{
    ReportElement e;
    e.name = name;
    e.text = caption;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.font = font;
    e.alignment = alignment;
    e.color = Qt::black;
    e.direction = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    return e;
}

struct Layout
{
    const GridTable &table;
    const GridPrintSetup &setup;
    QList<int> columns;
    int F, H;
    double bandPx; // printable width in pixels

    // Lays one copy of the columns out from offsetPx; suffix names its cells.
    void lay(Band &header, double headerTop, Band &detail, double offsetPx, const QString &suffix,
             const QString &fieldPrefix) const
    {
        const bool rtl = table.rightToLeft;
        QList<ReportElement> head, row;
        int x = F + 1;
        int lastLine = 0;
        for (int k = 0; k < columns.size(); ++k) {
            const GridColumn &c = table.columns[columns[k]];
            const int w = c.width;
            const double left = offsetPx + x;
            ReportElement t =
                text(QStringLiteral("Title%1%2").arg(k).arg(suffix), c.title, 0, 0, 0,
                     pxToMm(H - 2 * F), c.titleFont, horizontal(c.titleAlignment, rtl), rtl);
            ReportElement d =
                text(QStringLiteral("Cell%1%2").arg(k).arg(suffix), QString(), 0, pxToMm(F + 1), 0,
                     pxToMm(H - 2 * F), c.font, horizontal(c.alignment, rtl), rtl);
            d.field = fieldPrefix + QString::number(k);
            // Every cell keeps 2 pixels clear of the frame line after it; a
            // right-to-left grid is mirrored across the band, cells and lines
            // alike, so its first column prints at the right.
            const double placed = rtl ? bandPx - left - (w - 2) : left;
            t.left = d.left = pxToMm(placed);
            t.width = d.width = pxToMm(w - 2);
            t.top = headerTop + pxToMm(F + 1);
            head << t;
            row << d;
            lastLine = x + w - 2;
            head << line(QStringLiteral("TitleLine%1%2").arg(k).arg(suffix), offsetPx + lastLine, 0,
                         0, H - 1, F);
            row << line(QStringLiteral("CellLine%1%2").arg(k).arg(suffix), offsetPx + lastLine, 0,
                        0, H + 1, F);
            x += F + w;
        }
        // The frame closes on the last column's line.
        const int width = lastLine;
        ReportElement box;
        box.name = QStringLiteral("TitleBox") + suffix;
        box.kind = ElementKind::Box;
        box.left = pxToMm(offsetPx);
        box.width = pxToMm(width);
        box.height = pxToMm(H - 1);
        box.penWidth = pxToMm(F);
        box.color = Qt::black;
        head << box;
        row << line(QStringLiteral("CellBorder") + suffix, offsetPx, 0, 0, H + 1, F);
        if (setup.rowRule)
            row << line(QStringLiteral("RowRule") + suffix, offsetPx, H - 1, width, 0, F);
        if (rtl)
            for (QList<ReportElement> *list : {&head, &row})
                for (ReportElement &e : *list)
                    if (e.kind != ElementKind::Text)
                        e.left = pxToMm(bandPx) - e.left - e.width;
        for (ReportElement &e : head) {
            if (e.kind != ElementKind::Text)
                e.top += headerTop;
            header.add(e);
        }
        for (const ReportElement &e : row)
            detail.add(e);
    }

    void close(Band &band, double offsetPx, const QString &suffix) const
    {
        ReportElement e = line(QStringLiteral("CloseLine") + suffix, offsetPx, -1,
                               tableWidthPx(table, F) - F, 0, F);
        if (table.rightToLeft)
            e.left = pxToMm(bandPx) - e.left - e.width;
        band.add(e);
    }
};

} // namespace

QList<int> printedColumns(const GridTable &table)
{
    QList<int> out;
    for (int i = 0; i < table.columns.size() && out.size() < kMaxColumns; ++i)
        if (table.columns[i].visible && table.columns[i].width > 0)
            out << i;
    return out;
}

int tableWidthPx(const GridTable &table, int frameWidth)
{
    const QList<int> cols = printedColumns(table);
    if (cols.isEmpty())
        return 0;
    int sum = 0;
    for (int i : cols)
        sum += table.columns[i].width;
    return sum + int(cols.size()) * frameWidth + frameWidth - 1;
}

namespace {
PageSetup pageOf(const GridPrintSetup &setup)
{
    PageSetup page;
    page.width = setup.portrait ? 210 : 297;
    page.height = setup.portrait ? 297 : 210;
    page.top = kTopMargin;
    page.left = page.right = kSideMargin;
    page.bottom = kBottomMargin;
    return page;
}
int clampFrame(int f)
{
    return std::clamp(f, 1, 5);
}
int clampRow(int h)
{
    return std::clamp(h, 10, 40);
}
} // namespace

bool twoColumns(const GridTable &table, const GridPrintSetup &setup)
{
    const int width = tableWidthPx(table, clampFrame(setup.frameWidth));
    if (width <= 0)
        return false;
    const double half = std::round(pageOf(setup).printableWidth() / pxToMm(1)) / 2.0;
    return !(half < width);
}

Report build(const GridTable &table, const GridPrintSetup &setup)
{
    Report r;
    r.title = setup.heading;
    r.page = pageOf(setup);
    const int F = clampFrame(setup.frameWidth), H = clampRow(setup.rowHeight);
    const double bandPx = std::round(r.page.printableWidth() / pxToMm(1));
    const double bandMm = r.page.printableWidth();
    const bool rtl = table.rightToLeft;
    const Layout layout{table, setup, printedColumns(table), F, H, bandPx};

    // Page header: date, heading, page number, then the column titles.
    r.pageHeader.height = kHeaderHeight + pxToMm(H);
    const QFont small = defaultFont(8);
    r.pageHeader.add(text(QStringLiteral("DateText"), setup.dateText, 0, 0, 50, kHeaderHeight,
                          small, Qt::AlignLeft | Qt::AlignVCenter, false));
    r.pageHeader.add(text(QStringLiteral("Heading"), setup.heading, 0, 0, bandMm, kHeaderHeight,
                          defaultFont(8, true), Qt::AlignHCenter | Qt::AlignVCenter, rtl));
    ReportElement page = text(QStringLiteral("PageNumber"), QString(), bandMm - 30, 0, 30,
                              kHeaderHeight, small, Qt::AlignRight | Qt::AlignVCenter, false);
    page.pageNumber = true;
    r.pageHeader.add(page);

    r.titleBand.visible = false;
    r.detail.height = pxToMm(H);
    r.closeBand.height = pxToMm(1);
    r.pageFooter.height = kFooterHeight;
    r.pageFooter.add(text(QStringLiteral("Footer"), setup.footer, 0, 0, bandMm, kFooterHeight,
                          defaultFont(8, true), Qt::AlignHCenter | Qt::AlignVCenter, rtl));

    const bool two = twoColumns(table, setup);
    layout.lay(r.pageHeader, kHeaderHeight, r.detail, 0, QString(), QStringLiteral("c"));
    layout.close(r.closeBand, 0, QString());
    if (two) {
        layout.lay(r.pageHeader, kHeaderHeight, r.detail, bandPx / 2, QStringLiteral("b"),
                   QStringLiteral("d"));
        layout.close(r.closeBand, bandPx / 2, QStringLiteral("b"));
    }

    auto fill = [&](Row &row, const QList<GridCell> &cells, const QString &prefix) {
        for (int k = 0; k < layout.columns.size(); ++k) {
            const int c = layout.columns[k];
            if (c < cells.size() && !cells[c].isNull)
                row.insert(prefix + QString::number(k), cells[c].text);
        }
    };
    if (!two) {
        for (const QList<GridCell> &cells : table.rows) {
            Row row;
            fill(row, cells, QStringLiteral("c"));
            r.rows << row;
        }
        return r;
    }
    // Two columns of records: each page runs down the first column, then
    // the second; the last page shares its records between both.
    const double room =
        r.page.printableHeight() - r.pageHeader.height - r.pageFooter.height - r.closeBand.height;
    const int perColumn = std::max(1, int(std::floor(room / r.detail.height + 1e-6)));
    for (qsizetype start = 0; start < table.rows.size(); start += 2 * perColumn) {
        const int m = int(std::min<qsizetype>(2 * perColumn, table.rows.size() - start));
        const int left = m == 2 * perColumn ? perColumn : (m + 1) / 2;
        for (int i = 0; i < left; ++i) {
            Row row;
            fill(row, table.rows[start + i], QStringLiteral("c"));
            if (left + i < m)
                fill(row, table.rows[start + left + i], QStringLiteral("d"));
            r.rows << row;
        }
    }
    return r;
}

} // namespace GridReport
} // namespace Print
