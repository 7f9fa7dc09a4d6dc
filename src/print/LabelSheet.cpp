#include "LabelSheet.h"

#include "PrintOutput.h"
#include "ZintBarcode.h"

#include <QCoreApplication>

#include <cmath>

using namespace Print;

namespace LabelSheet {

namespace {
constexpr int kTextPixels = 12; // one line of label text

QFont textFont(double mmPerPixel)
{
    QFont font = defaultFont();
    // The line of text is about 11 label pixels high.
    font.setPointSizeF(std::max(0.5, 11 * mmPerPixel / 0.3528 / 1.17));
    return font;
}
} // namespace

int symbolWidth(const LabelContent &label)
{
    const ZintBarcode::Symbol s = ZintBarcode::encode(label.data, label.symbology, label.ratio);
    return s.ok ? s.modules * std::max(label.zoom, 1) : 0;
}

QString symbolError(const LabelContent &label)
{
    const ZintBarcode::Symbol s = ZintBarcode::encode(label.data, label.symbology, label.ratio);
    return s.ok ? QString() : s.error;
}

QSize labelSize(const LabelContent &label)
{
    const int width = symbolWidth(label) + int(std::lround(label.whiteOnRight)) + 5;
    const int height = label.barHeight + 16 - (label.lowerOn ? 0 : 14);
    return QSize(std::max(width, 1), std::max(height, 1));
}

QList<ReportElement> labelElements(const LabelContent &label, double left, double top,
                                   double mmPerPixel, const QString &prefix)
{
    QList<ReportElement> out;
    const QSize size = labelSize(label);
    const int bars = symbolWidth(label);
    const QFont font = textFont(mmPerPixel);
    {
        ReportElement e;
        e.name = prefix + QStringLiteral("Bars");
        e.kind = ElementKind::Barcode;
        e.text = label.data;
        e.symbology = label.symbology;
        e.barRatio = label.ratio;
        e.showCode = label.showCode;
        e.color = label.color;
        e.font = font;
        e.left = left;
        e.top = top;
        // Data that cannot be drawn still shows its frame at a readable size.
        e.width = (bars > 0 ? bars : std::max(size.width() - 5, 40)) * mmPerPixel;
        e.height = label.barHeight * mmPerPixel;
        out << e;
    }
    auto text = [&](const QString &name, const QString &value, double x, double y) {
        ReportElement e;
        e.name = prefix + name;
        e.text = value;
        e.font = font;
        e.color = label.color;
        e.left = left + x * mmPerPixel;
        e.top = top + y * mmPerPixel;
        e.width = std::max(1.0, size.width() - x) * mmPerPixel;
        e.height = kTextPixels * mmPerPixel;
        e.direction = value.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        out << e;
    };
    if (label.upperOn && !label.upperText.isEmpty()) {
        text(QStringLiteral("Upper"), label.upperText, 28, 0);
        // It is written over the top of the bars: on white, to stay legible
        // (the scanner reads the middle of the bars).
        out.last().background = Qt::white;
        out.last().autoSize = true;
    }
    if (label.lowerOn && !label.lowerText.isEmpty())
        text(QStringLiteral("Lower"), label.lowerText, 0, label.barHeight + 2);
    return out;
}

QImage renderLabel(const LabelContent &label, int scale)
{
    // One label pixel is 0.254 mm (100 dpi) on a page of the label's size.
    constexpr double mm = 0.254;
    const QSize size = labelSize(label);
    Report r;
    r.title = QCoreApplication::translate("LabelSheet", "Barcode label");
    r.page.width = size.width() * mm;
    r.page.height = size.height() * mm;
    r.pageElements = labelElements(label, 0, 0, mm, QString());
    const QList<QImage> images = PrintOutput::renderImages(r, int(std::lround(25.4 / mm * scale)));
    return images.isEmpty() ? QImage() : images.first();
}

Report sheet(const LabelContent &label, const Labels::Settings &s)
{
    Report r;
    r.title = QCoreApplication::translate("LabelSheet", "Barcode labels");
    r.page.width = s.pageWidth;
    r.page.height = s.pageHeight;
    r.page.top = s.topMargin;
    r.page.bottom = s.bottomMargin;
    r.page.left = s.leftMargin;
    r.page.right = s.rightMargin;
    r.pageHeader.visible = r.titleBand.visible = r.closeBand.visible = false;
    r.pageFooter.visible = false;

    const int columns = std::clamp(s.columns, 1, 4);
    const int rows = std::clamp(s.rows, 1, 20);
    const double cellHeight = label.barHeight * Labels::PixelMm;
    const double cellWidth =
        std::max(1.0, (r.page.printableWidth() - (columns - 1) * s.columnSpace) / columns);
    const QSize size = labelSize(label);
    // The whole label fits its cell: bars, code and both texts.
    const double mmPerPixel =
        std::min(cellHeight / size.height(), cellWidth / std::max(size.width(), 1));
    r.detail.height = cellHeight;
    for (int c = 0; c < columns; ++c)
        for (const ReportElement &e :
             labelElements(label, c * (cellWidth + s.columnSpace), 0, mmPerPixel,
                           QStringLiteral("Label%1.").arg(c + 1)))
            r.detail.add(e);
    for (int i = 0; i < rows; ++i)
        r.rows << Row{{QStringLiteral("Row"), QString::number(i + 1)}};
    return r;
}

int labelCount(const Report &sheet)
{
    int perRow = 0;
    for (const ReportElement &e : sheet.detail.elements)
        perRow += e.kind == ElementKind::Barcode && e.visible;
    return perRow * int(sheet.rows.size());
}

QColor colorOf(unsigned value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

unsigned valueOf(const QColor &color)
{
    return unsigned(color.red()) | unsigned(color.green()) << 8 | unsigned(color.blue()) << 16;
}

} // namespace LabelSheet
