#pragma once

#include "PrintSale.h"

#include <functional>

class QPrinter;
class QWidget;
class TDataFormSQL;

// Printing the open document from a page (the print action, "Print
// Voucher" on the documents page, the point-of-sale page), with the design
// of InvoicePrinting.
namespace SalePrinting {

enum class Outcome { Printed, Previewed, Cancelled, NotPrinted };

// The preview option shows a preview; on the point-of-sale page the print
// goes straight to the document printer (nothing, with a notice, when that
// printer is not set or not installed); other pages ask through the print
// dialog. A manufacturing document prints twice, its products never
// straight to the printer. Purchases print nothing.
Outcome PrintSale(QWidget *parent, TDataFormSQL &data, DocKind kind, int invId,
                  bool pointOfSalePage);

// Test seam: instead of the preview and the print dialog, this is called
// with the printer set up for the report; it returns whether to print.
using DialogHook = std::function<bool(QPrinter &printer, bool preview)>;
void setDialogHook(DialogHook hook);

} // namespace SalePrinting
