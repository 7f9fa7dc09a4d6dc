#pragma once

#include "GridReport.h"
#include "ReportPrinting.h"

#include <functional>

class QAbstractButton;
class QTableView;
class QWidget;

// Printing any grid as a table page and handing it to a spreadsheet.
namespace GridPrinting {

// The grid as shown: its columns in on-screen order (hidden ones marked),
// widths, titles, alignment and fonts, and every row of its model (a model
// that fetches lazily is fetched to the end first).
Print::GridTable tableOf(QTableView *grid);

// Writes the shown columns of the grid to an .xlsx or .csv file chosen
// through the file chooser; false when cancelled or failed (the failure is
// reported).
bool SaveGrdToFile(QTableView *grid);

// Wires a page's buttons: the print button prints the grid with the
// heading and footer of the moment (the preview option decides between
// preview and print dialog); the copy button copies it to the clipboard.
// Both offer "Save as Spreadsheet..." on their context menu. A null grid
// (e.g. no grid active) does nothing.
using GridOf = std::function<QTableView *()>;
using TextOf = std::function<QString()>;
void connectPrint(QAbstractButton *button, GridOf grid, bool portrait, bool rowRule, TextOf heading,
                  TextOf footer = {});
void connectCopy(QAbstractButton *button, GridOf grid, const QString &extraLine = QString());

// The headings and footers of the pages' prints.
namespace Texts {
QString itemCodes();
QString count();
QString stock();
QString beginningInventory();
QString totalAmount();
QString namesAccounts();
} // namespace Texts

} // namespace GridPrinting

// The grid printer.
class TPrintGrdForm
{
public:
    // Prints grid upright (portrait) or across the paper; rowRule draws a
    // line under every data row; preview shows it on screen instead of the
    // print dialog. The frame width and row height come from the options.
    static ReportPrinting::Outcome printGrd(QTableView *grid, bool portrait, bool rowRule,
                                            bool preview, const QString &footer,
                                            const QString &heading);
    // The options' preview switch, as the pages pass it.
    static bool previewOn();
};

// The whole grid (hidden columns too) as tab-separated text on the
// clipboard, then the message that says so (followed by extraLine when
// given).
void CopyGrdToExcel(QTableView *grid, const QString &extraLine = QString());
