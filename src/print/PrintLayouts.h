#pragma once

#include "PrintDesign.h"
#include "Report.h"

// The two layouts the print design is applied to: the invoice page
// (TPrintForm, all of the design) and the voucher page (TPrintForm1: the
// header texts, company names, logo, three footer captions, page length).
// They hold the design as applied; printing starts from a copy.
struct PrintLayouts
{
    Print::Report TPrintForm;
    Print::Report TPrintForm1;

    // Both layouts with their fixed elements, before any design is applied.
    static PrintLayouts make();
};

namespace PrintDesignApply {

// Texts, fonts, logo, reading direction and the voucher page length from
// the design into both layouts, then InvPrintNewOpt1.
void EdToLn(const PrintDesign &design, PrintLayouts &layouts);
// Every position, size and show switch of the invoice layout.
void InvPrintNewOpt1(const PrintDesign &design, Print::Report &invoice);
// The reverse of the text part of EdToLn: the layouts' header and footer
// texts, their fonts, the line font, the logo and the reading direction
// back into the design. Positions stay as they are in the design.
void lnToEd(const PrintLayouts &layouts, PrintDesign &design);

struct Outcome
{
    bool ok = true;
    QString error;
};
// "Print Header" on: loads the logo from the file (the "CompLogo" option)
// into both layouts and shows the header and footer texts; off: clears the
// logo and hides them. An empty path means no logo. A file that cannot be
// read stops here with an error.
Outcome PrintHeaderChange(const PrintDesign &design, PrintLayouts &layouts,
                          const QString &logoPath);

// The names of the header and footer texts "Print Header" governs.
QStringList headerTextNames(bool voucher);

} // namespace PrintDesignApply
