#pragma once

#include "PrintSale.h"
#include "ReportPrinting.h"

#include <functional>

class QPrinter;
class QWidget;
class TDataFormSQL;

// Printing the open document from a page (the print action, "Print
// Voucher" on the documents page, the point-of-sale page), with the design
// of InvoicePrinting.
namespace SalePrinting {

using Outcome = ReportPrinting::Outcome;

// The preview option shows a preview; on the point-of-sale page the print
// goes straight to the document printer (nothing, with a notice, when that
// printer is not set or not installed); other pages ask through the print
// dialog. A manufacturing document prints twice, its products never
// straight to the printer. Purchases print nothing.
Outcome PrintSale(QWidget *parent, TDataFormSQL &data, DocKind kind, int invId,
                  bool pointOfSalePage);

// Test seam: called with the printer set up for each report that goes to
// the preview or the print dialog (the print dialog itself is
// FileDialogs::print). While a hook is set the preview is not shown.
using PrinterHook = ReportPrinting::PrinterHook;
inline void setPrinterHook(PrinterHook hook)
{
    ReportPrinting::setPrinterHook(std::move(hook));
}

} // namespace SalePrinting
