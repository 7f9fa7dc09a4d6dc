#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

#include <memory>

class QPainter;

// Draws barcode symbols for reports. The label sheet installs a painter
// that encodes the symbologies; until then a frame with the readable data
// stands in for the bars.
class BarcodePainter
{
public:
    // How a symbol is drawn beyond its data.
    struct Style
    {
        QColor color = QColor(3, 3, 3);
        bool showText = true;  // the human-readable code under the bars
        int ratio = 0;         // wide to narrow bars; below 2 the symbology's own
        double textHeight = 0; // device units of the readable code; 0: a fifth of the box
    };

    virtual ~BarcodePainter() = default;
    // Paints `data` in `symbology` into `box` (device coordinates).
    virtual void paint(QPainter &painter, const QRectF &box, const QString &data,
                       int symbology) const = 0;
    virtual void paint(QPainter &painter, const QRectF &box, const QString &data, int symbology,
                       const Style &) const
    {
        paint(painter, box, data, symbology);
    }

    static const BarcodePainter &current();
    // Installs a painter (nullptr: back to the stand-in).
    static void install(std::unique_ptr<BarcodePainter> painter);
};
