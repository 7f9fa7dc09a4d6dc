#include "ZintBarcode.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <zint.h>

#include <memory>

namespace {

struct Kind
{
    int zint;
    bool twoWidths; // narrow and wide elements only: the ratio applies
};

// By the label window's index.
const Kind kKinds[] = {
    {BARCODE_C25INTER, true},    // Code_2_5_interleaved
    {BARCODE_C25IND, true},      // Code_2_5_industrial
    {BARCODE_C25STANDARD, true}, // Code_2_5_matrix
    {BARCODE_CODE39, true},      // Code39
    {BARCODE_EXCODE39, true},    // Code39Extended
    {BARCODE_CODE128, false},    // Code128A: subsets chosen by zint
    {BARCODE_CODE128B, false},   // Code128B
    {BARCODE_CODE128, false},    // Code128C: subsets chosen by zint
    {BARCODE_CODE93, false},     // Code93
    {BARCODE_CODE93, false},     // Code93Extended
    {BARCODE_MSI_PLESSEY, true}, // CodeMSI, no check digit
    {BARCODE_POSTNET, false},    // CodePostNet
    {BARCODE_CODABAR, true},     // CodeCodabar
    {BARCODE_EANX, false},       // CodeEAN8
    {BARCODE_EANX, false},       // CodeEAN13
    {BARCODE_UPCA, false},       // CodeUPC_A
    {BARCODE_UPCE, false},       // CodeUPC_E0
    {BARCODE_UPCE, false},       // CodeUPC_E1
    {BARCODE_EANX, false},       // CodeUPC_Supp2
    {BARCODE_EANX, false},       // CodeUPC_Supp5
    {BARCODE_GS1_128, false},    // CodeEAN128A
    {BARCODE_GS1_128, false},    // CodeEAN128B
    {BARCODE_GS1_128, false},    // CodeEAN128C
};
constexpr int kKindCount = int(sizeof(kKinds) / sizeof(kKinds[0]));

bool allDigits(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("ZintBarcode", text);
}

// The data and zint kind for one of the label window's symbologies, or
// the reason it does not fit.
bool prepare(int index, QString &data, int &zint, QString &error)
{
    zint = kKinds[index].zint;
    const int n = int(data.size());
    switch (index) {
    case 12: { // Codabar needs its start and stop characters
        auto guard = [](QChar c) { return QStringLiteral("ABCDabcd").contains(c); };
        if (n == 0 || !guard(data.front()) || !guard(data.back()))
            data = QStringLiteral("A") + data + QStringLiteral("B");
        return true;
    }
    case 13: // EAN-8: 7 digits (zint adds the check digit) or 8 with it
        if (!allDigits(data) || (n != 7 && n != 8))
            break;
        if (n == 8)
            zint = BARCODE_EANX_CHK;
        return true;
    case 14: // EAN-13: 12 digits or 13 with a valid check digit
        if (!allDigits(data) || (n != 12 && n != 13))
            break;
        if (n == 13)
            zint = BARCODE_EANX_CHK;
        return true;
    case 15: // UPC-A: 11 digits or 12 with the check digit
        if (!allDigits(data) || (n != 11 && n != 12))
            break;
        if (n == 12)
            zint = BARCODE_UPCA_CHK;
        return true;
    case 16: // UPC-E, number system 0
    case 17: // UPC-E, number system 1
        if (!allDigits(data) || n < 6 || n > 8)
            break;
        if (n == 6)
            data.prepend(index == 16 ? QLatin1Char('0') : QLatin1Char('1'));
        else if (data.front() != (index == 16 ? QLatin1Char('0') : QLatin1Char('1')))
            break;
        if (data.size() == 8)
            zint = BARCODE_UPCE_CHK;
        return true;
    case 18: // the 2-digit add-on alone
        if (!allDigits(data) || n != 2)
            break;
        return true;
    case 19: // the 5-digit add-on alone
        if (!allDigits(data) || n != 5)
            break;
        return true;
    case 20:
    case 21:
    case 22: // GS1-128 with application identifiers, else plain Code 128
        if (!data.startsWith(QLatin1Char('[')))
            zint = BARCODE_CODE128;
        return true;
    default:
        return true;
    }
    error = tr("The code %1 cannot be drawn as %2.")
                .arg(data,
                     QString::fromLatin1(index == 13       ? "EAN-8"
                                             : index == 14 ? "EAN-13"
                                             : index == 15 ? "UPC-A"
                                             : index <= 17 ? "UPC-E"
                                                           : "UPC add-on"));
    return false;
}

bool moduleSet(const zint_symbol *s, int row, int col)
{
    return (s->encoded_data[row][col >> 3] >> (col & 7)) & 1;
}

} // namespace

ZintBarcode::Symbol ZintBarcode::encode(const QString &text, int symbology, int ratio)
{
    Symbol out;
    if (symbology < 0 || symbology >= kKindCount) {
        out.error = tr("Unknown barcode kind %1.").arg(symbology);
        return out;
    }
    if (text.isEmpty()) {
        out.error = tr("There is no code to draw.");
        return out;
    }
    QString data = text;
    int zint = 0;
    if (!prepare(symbology, data, zint, out.error))
        return out;
    std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> s(ZBarcode_Create(), ZBarcode_Delete);
    if (!s) {
        out.error = tr("The barcode cannot be made.");
        return out;
    }
    s->symbology = zint;
    s->input_mode = zint == BARCODE_GS1_128 ? GS1_MODE : UNICODE_MODE;
    if (zint == BARCODE_MSI_PLESSEY)
        s->option_2 = 0; // no check digit
    const QByteArray bytes = data.toUtf8();
    const int rc = ZBarcode_Encode(
        s.get(), reinterpret_cast<const unsigned char *>(bytes.constData()), int(bytes.size()));
    if (rc >= ZINT_ERROR) {
        out.error = QString::fromUtf8(s->errtxt);
        if (out.error.isEmpty())
            out.error = tr("The code %1 cannot be drawn in this kind.").arg(text);
        return out;
    }
    const bool widen = kKinds[symbology].twoWidths && ratio >= 2;
    int widest = 0;
    for (int r = 0; r < s->rows; ++r) {
        QList<int> runs;
        bool bar = true;
        int run = 0;
        for (int c = 0; c < s->width; ++c) {
            if (moduleSet(s.get(), r, c) == bar) {
                ++run;
                continue;
            }
            runs << run;
            bar = !bar;
            run = 1;
        }
        runs << run;
        int width = 0;
        for (int &w : runs) {
            if (widen && w > 1)
                w = ratio;
            width += w;
        }
        widest = std::max(widest, width);
        out.rows << runs;
        out.rowHeights << std::max<double>(s->row_height[r], 0);
    }
    double total = 0;
    for (double h : out.rowHeights)
        total += h;
    if (total <= 0)
        for (double &h : out.rowHeights)
            h = 1;
    out.modules = widest;
    out.text = QString::fromUtf8(reinterpret_cast<const char *>(s->text));
    if (out.text.isEmpty())
        out.text = text;
    out.ok = widest > 0;
    if (!out.ok)
        out.error = tr("The code %1 gives no bars.").arg(text);
    return out;
}

void ZintBarcode::paintSymbol(QPainter &painter, const QRectF &box, const Symbol &symbol,
                              const Style &style)
{
    painter.save();
    if (!symbol.ok) {
        // Nothing that could be scanned: a frame with the data says so.
        painter.setPen(QPen(style.color, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.restore();
        return;
    }
    double textHeight = 0;
    if (style.showText && !symbol.text.isEmpty())
        textHeight =
            style.textHeight > 0 ? std::min(style.textHeight, box.height() / 2) : box.height() / 5;
    const QRectF bars(box.left(), box.top(), box.width(), box.height() - textHeight);
    const double module = bars.width() / symbol.modules;
    double total = 0;
    for (double h : symbol.rowHeights)
        total += h;
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.color);
    double y = bars.top();
    for (int r = 0; r < symbol.rows.size(); ++r) {
        const double h = bars.height() * symbol.rowHeights[r] / total;
        double x = bars.left();
        bool bar = true;
        for (int w : symbol.rows[r]) {
            if (bar && w > 0)
                painter.drawRect(QRectF(x, y, w * module, h));
            x += w * module;
            bar = !bar;
        }
        y += h;
    }
    if (textHeight > 0) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(std::max(1, int(textHeight * 0.85)));
        QFontMetricsF metrics(font, painter.device());
        // Wider than the bars: the text shrinks to their width.
        const double w = metrics.horizontalAdvance(symbol.text);
        if (w > bars.width() && w > 0)
            font.setPixelSize(std::max(1, int(font.pixelSize() * bars.width() / w)));
        painter.setFont(font);
        painter.setPen(style.color);
        painter.drawText(QRectF(box.left(), bars.bottom(), box.width(), textHeight),
                         Qt::AlignHCenter | Qt::AlignTop, symbol.text);
    }
    painter.restore();
}

void ZintBarcode::paint(QPainter &painter, const QRectF &box, const QString &data,
                        int symbology) const
{
    paint(painter, box, data, symbology, Style());
}

void ZintBarcode::paint(QPainter &painter, const QRectF &box, const QString &data, int symbology,
                        const Style &style) const
{
    paintSymbol(painter, box, encode(data, symbology, style.ratio), style);
}

void installZintBarcodes()
{
    BarcodePainter::install(std::make_unique<ZintBarcode>());
}
