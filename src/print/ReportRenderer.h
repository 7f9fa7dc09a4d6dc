#pragma once

#include "Report.h"

#include <functional>

class QPainter;

// Lays a report out on pages and paints it. Positions are millimetres on
// the page; the painter's device gives the resolution.
namespace ReportRenderer {

struct Placed
{
    const Print::Band *band = nullptr;
    double y = 0; // mm from the top of the printable area
    int row = -1; // detail band: index of the row
};
using Page = QList<Placed>;

// The bands of each page, in print order. A report always has one page,
// also without rows.
QList<Page> paginate(const Print::Report &report);

// The page height actually used (the content height for a roll).
double pageHeight(const Print::Report &report);

// Paints every page; newPage() is called before each page after the first
// and stops the output when it returns false. Returns the pages painted.
int paint(const Print::Report &report, QPainter &painter, const std::function<bool()> &newPage);

} // namespace ReportRenderer
