#pragma once

#include "PrintLayouts.h"
#include "Report.h"
#include "accounts/AmountInWords.h"
#include "accounts/Currency.h"
#include "documents/Documents.h"

#include <optional>

class TDataFormSQL;

// A trading document as the invoice prints it.
struct SaleDocument
{
    DocKind kind = DocKind::Sale;
    bool Cash = true;
    int InvID = 0;
    QString AName;
    QDateTime Date1;
    double Discount = 0;
    QString UName;
    double TotalAmount = 0;
    QList<DocumentLine> lines;
    // manufacturing: the products and their total
    double outTotal = 0;
    QList<DocumentLine> outLines;
};

// The paper the invoice goes on: the design's page, or a receipt roll of
// 58 or 80 mm whose page is as long as the invoice.
enum class InvoicePaper { Page, Roll58, Roll80 };

struct SalePrintSettings
{
    bool isArabic = false; // the interface language
    Currency currency;     // names of the amount in words and the decimals
    InvoicePaper paper = InvoicePaper::Page;
};

// What a kind prints in its title, corner marks and captions.
struct KindCaptions
{
    QString title;
    QString cornerMarks;
    bool titleInverse = false; // white on the print colour (credit sales)
    QString ln12;              // empty: leave the caption
    QString ln31, ln32, ln33;  // empty: leave the footer text
    bool setLn32 = false;      // price list: ln32 is set (also to empty)
};

namespace PrintSale {

// The captions of a kind; outHalf is the products half of a manufacturing
// document. Purchases are not printed (nullopt).
std::optional<KindCaptions> captions(DocKind kind, bool cash, bool isArabic, bool outHalf = false);

// "Only" in front of the amount in words, unless kept there, goes behind it.
AmountWords onlyRule(const AmountWords &words, bool keepOnlyFirst);
// "+5.00 %", "-5.00 %"; empty for 0.
QString discountCaption(double discount, int decimals);
// Quantities as the document lines show them (",#.000;;0").
QString quantityText(double quantity);
// The rows of the line band: No1 counts from 1.
QList<Print::Row> lineRows(const QList<DocumentLine> &lines, int decimals, bool withSize = true);

// The reports to print, in order: one, or two for a manufacturing document
// (the raw materials, then the products). Empty for purchases. The design
// gives the page length and margins (a top margin above 100 is set to 100).
QList<Print::Report> reports(const PrintLayouts &layouts, PrintDesign &design,
                             const SaleDocument &document, const SalePrintSettings &settings);

// Reads a document for printing; nullopt when it does not exist.
std::optional<SaleDocument> load(TDataFormSQL &data, DocKind kind, int invId,
                                 QString *error = nullptr);

// Tells the other workstations to refresh their preparation lists: one
// LogFile notice row per user. Returns success.
bool notifyWorkstations(TDataFormSQL &data);

// Where a print goes.
enum class Route { Preview, DocumentPrinter, PrintDialog };
// The preview option wins; the point-of-sale page prints straight on the
// document printer, other pages ask through the print dialog. The second
// half of a manufacturing document never goes straight to the printer.
Route route(bool previewOption, bool pointOfSalePage, bool secondHalf = false);

} // namespace PrintSale
