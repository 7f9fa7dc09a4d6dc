#pragma once

#include "Barcode.h"

#include <QList>
#include <QString>

// Barcode symbols encoded with zint and painted as rectangles, so that they
// stay sharp at any scale. Symbologies are the label window's indices
// (Labels::symbologyNames()).
class ZintBarcode : public BarcodePainter
{
public:
    struct Symbol
    {
        bool ok = false;
        QString error;            // why the data cannot be drawn in this symbology
        int modules = 0;          // width in narrow modules, the ratio applied
        QList<QList<int>> rows;   // per row: alternating bar and space widths, bar first
        QList<double> rowHeights; // relative heights of the rows
        QString text;             // the human-readable code
    };
    // Encodes the data; the ratio widens the wide elements of the kinds
    // that have two widths (2 of 5, Code 39, Codabar, MSI) when it is 2 or more.
    static Symbol encode(const QString &data, int symbology, int ratio = 0);

    void paint(QPainter &painter, const QRectF &box, const QString &data,
               int symbology) const override;
    void paint(QPainter &painter, const QRectF &box, const QString &data, int symbology,
               const Style &style) const override;

    // Paints an encoded symbol into the box.
    static void paintSymbol(QPainter &painter, const QRectF &box, const Symbol &symbol,
                            const Style &style);
};

// Makes zint the painter of every barcode the reports draw.
void installZintBarcodes();
