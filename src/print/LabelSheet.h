#pragma once

#include "Report.h"
#include "items/Labels.h"

#include <QColor>
#include <QImage>
#include <QSize>

// One barcode label and the A4 sheet of identical labels. A label is laid
// out in label pixels (the bar height and the module width are pixels);
// on the sheet it is scaled to fit its cell.
struct LabelContent
{
    QString data; // the encoded data
    bool showCode = true;
    QString upperText;
    bool upperOn = true;
    QString lowerText;
    bool lowerOn = true;
    int symbology = Labels::DefaultSymbology;
    int zoom = 1;  // module width in pixels
    int ratio = 1; // wide to narrow
    QColor color = Qt::black;
    double whiteOnRight = 0; // pixels right of the bars
    int barHeight = 50;      // pixels
};

namespace LabelSheet {

// The symbol's width in pixels (0 when the data cannot be drawn).
int symbolWidth(const LabelContent &label);
// Why the data cannot be drawn in the symbology; empty when it can.
QString symbolError(const LabelContent &label);
// The label picture: the symbol's width + white on right + 5 by the bar
// height + 16 (+ 2 without the lower text).
QSize labelSize(const LabelContent &label);
// The label's elements from (left, top) in mm at `mmPerPixel`.
QList<Print::ReportElement> labelElements(const LabelContent &label, double left, double top,
                                          double mmPerPixel, const QString &prefix);
// The label as a picture, `scale` image pixels per label pixel, white.
QImage renderLabel(const LabelContent &label, int scale = 1);

// The sheet: columns x rows labels on the page of the settings; each row
// of labels is a detail band of the bar height.
Print::Report sheet(const LabelContent &label, const Labels::Settings &settings);
// The labels the sheet prints (its barcodes over all rows).
int labelCount(const Print::Report &sheet);

// The colour of the settings file (0x00BBGGRR) and back.
QColor colorOf(unsigned value);
unsigned valueOf(const QColor &color);

} // namespace LabelSheet
