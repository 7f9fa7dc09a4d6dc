#pragma once

// Lengths of printed layouts. Layouts are stored in report units of
// 1/3.4 mm; the painter works in millimetres.
namespace PrintUnits {

constexpr double kUnitsPerMm = 3.4;

constexpr double unitsToMm(double units) { return units / kUnitsPerMm; }
constexpr double mmToUnits(double mm) { return mm * kUnitsPerMm; }
// Device pixels for a length in millimetres at the given resolution.
double mmToDevice(double mm, int dpi);

} // namespace PrintUnits
