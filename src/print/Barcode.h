#pragma once

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
    virtual ~BarcodePainter() = default;
    // Paints `data` in `symbology` into `box` (device coordinates).
    virtual void paint(QPainter &painter, const QRectF &box, const QString &data,
                       int symbology) const = 0;

    static const BarcodePainter &current();
    // Installs a painter (nullptr: back to the stand-in).
    static void install(std::unique_ptr<BarcodePainter> painter);
};
