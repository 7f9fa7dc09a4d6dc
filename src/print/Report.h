#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

// A banded report laid out in millimetres: a page header, a title band
// printed once before the first line, one detail band per row, a close
// band after the last row and a page footer. Elements are placed from the
// top-left of their band.
namespace Print {

// Every printed text uses this colour unless a layout says otherwise.
inline QColor printColor()
{
    return QColor(3, 3, 3);
}
// The font printed texts start from: Latin and Arabic faces that shape
// Arabic correctly.
QFont defaultFont(double points = 9, bool bold = false);

enum class ElementKind { Text, Line, Box, Picture, Barcode };

struct ReportElement
{
    QString name;
    ElementKind kind = ElementKind::Text;
    bool visible = true;
    double left = 0, top = 0, width = 0, height = 0; // mm

    // -- text
    QString text;            // the caption
    QString field;           // detail band: the row's value of this field instead
    bool pageNumber = false; // prints the page number
    QFont font = defaultFont();
    QColor color = printColor();
    QColor background; // filled behind the text when valid
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    // The width follows the text; a right-aligned element keeps its right
    // edge, any other its left edge. A height of 0 is one line of the font.
    bool autoSize = false;
    Qt::LayoutDirection direction = Qt::LeftToRight;

    // -- line (from left,top by width,height), box frame
    double penWidth = 0.2; // mm
    // -- box
    bool frame = true;
    bool hatched = false; // diagonal lines inside
    QColor fill;          // solid fill when valid
    // -- picture: scaled into the box keeping its proportions
    QImage picture;
    // -- barcode: drawn by the installed barcode painter (Barcode.h) in `color`
    int symbology = 0;
    bool showCode = true; // the human-readable code under the bars (in `font`)
    int barRatio = 0;     // wide to narrow bars; below 2 the symbology's own

    double right() const { return left + width; }
};

struct Band
{
    explicit Band(const QString &bandName = {})
        : name(bandName)
    { }
    QString name;
    double height = 0; // mm
    bool visible = true;
    QList<ReportElement> elements;

    ReportElement *find(const QString &name);
    const ReportElement *find(const QString &name) const;
    ReportElement &add(const ReportElement &element);
};

struct PageSetup
{
    double width = 210, height = 297;                // mm
    double top = 0, left = 0, right = 0, bottom = 0; // margins, mm
    // A roll: the page is as long as its content (one page).
    bool fitToContent = false;

    double printableHeight() const { return height - top - bottom; }
    double printableWidth() const { return width - left - right; }
};

using Row = QHash<QString, QString>;

struct Report
{
    QString title; // the print job's title
    PageSetup page;
    Band pageHeader{QStringLiteral("PageHeader")};
    Band titleBand{QStringLiteral("TitleBand")};
    Band detail{QStringLiteral("Detail")};
    Band closeBand{QStringLiteral("CloseBand")};
    Band pageFooter{QStringLiteral("PageFooter")};
    // Elements of no band, placed from the top-left of the printable area of
    // the last page.
    QList<ReportElement> pageElements;
    // Continuous stationery: the header only on the first page, the footer
    // only after the last row, no close band.
    bool continuous = false;
    QList<Row> rows;

    QList<Band *> bands();
    QList<const Band *> bands() const;
    // The element of this name in any band or on the page.
    ReportElement *find(const QString &name);
    const ReportElement *find(const QString &name) const;
    // The content height of a single-page roll (fitToContent), margins included.
    double contentHeight() const;
};

// Width in mm of a text in a font, as the printout measures it.
double textWidthMm(const QFont &font, const QString &text);
// Height in mm of one line of a font.
double lineHeightMm(const QFont &font);

} // namespace Print
