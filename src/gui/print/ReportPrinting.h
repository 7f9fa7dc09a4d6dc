#pragma once

#include "Report.h"

#include <functional>

class QPrinter;
class QWidget;

// Shows a report in the preview or sends it through the print dialog
// (FileDialogs::print), the route every page print takes.
namespace ReportPrinting {

enum class Outcome { Printed, Previewed, Cancelled, NotPrinted };

// A page wider than tall is handed to the printer as a landscape page.
Outcome throughDialog(QWidget *parent, const Print::Report &report, bool preview);

// Test seam: called with the printer set up for each report that goes to
// the preview or the print dialog. While a hook is set the preview is not
// shown.
using PrinterHook = std::function<void(QPrinter &printer, bool preview)>;
void setPrinterHook(PrinterHook hook);

// Test seam: the last report sent to the preview or the print dialog.
const Print::Report &lastReport();

} // namespace ReportPrinting
