#pragma once

#include <QString>

// Lengths of printed layouts. Layouts are stored in report units of
// 1/3.4 mm; the painter works in millimetres.
namespace PrintUnits {

constexpr double kUnitsPerMm = 3.4;

constexpr double unitsToMm(double units)
{
    return units / kUnitsPerMm;
}
constexpr double mmToUnits(double mm)
{
    return mm * kUnitsPerMm;
}
// Device pixels for a length in millimetres at the given resolution.
double mmToDevice(double mm, int dpi);

// Whole millimetres of the print design to report units: 34 x mm / 10,
// rounded to the nearest unit (34 x mm is even, so there are no halves).
int wholeMmToUnits(int mm);
// The same for a typed text; a text that is no whole number gives 0.
int designTextToUnits(const QString &text);
// A design position in millimetres as the layout places it (through units).
double designTextToMm(const QString &text);
// A typed decimal number of millimetres ("5.00"); nullopt-like: ok false
// when the text is no decimal number. "." is the decimal point.
double decimalMm(const QString &text, bool *ok);

} // namespace PrintUnits
