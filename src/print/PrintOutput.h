#pragma once

#include "Report.h"

#include <QImage>
#include <QList>
#include <QPrinterInfo>
#include <QString>

#include <optional>

class QPagedPaintDevice;
class QPrinter;

// Where a report goes: a PDF file, images (tests, previews of one page),
// any paged device the windows hand in (the print dialog's printer, the
// preview's printer) or a printer chosen by its name.
namespace PrintOutput {

// Gives the device the report's page: its size, no margins (the report
// places everything from the paper's edge). A printer also prints on the
// full page.
void applyPageSetup(const Print::Report &report, QPagedPaintDevice &device);
// Paints the report on the device as it is set up; returns the pages
// painted (0 when the device could not be started).
int paint(const Print::Report &report, QPagedPaintDevice &device);
// Both steps together.
int print(const Print::Report &report, QPagedPaintDevice &device);

// A PDF file of the report; several reports follow each other in one file,
// each on its own pages.
bool writePdf(const Print::Report &report, const QString &fileName, QString *error = nullptr);
bool writePdf(const QList<Print::Report> &reports, const QString &fileName,
              QString *error = nullptr);

// The pages as images at the given resolution, white paper.
QList<QImage> renderImages(const Print::Report &report, int dpi = 150);

// The installed printer whose name is exactly `name` (case-sensitive);
// when several have that name the last in the system's list wins.
std::optional<QPrinterInfo> PrinterOf(const QString &name);

struct Result
{
    bool printed = false;
    int pages = 0;
    QString message; // why nothing was printed; empty when printed
};
// Prints at once, without a dialog, on the printer of that name. An empty
// or unknown name prints nothing (never on some other printer) and says so.
Result printOn(const Print::Report &report, const QString &printerName);

} // namespace PrintOutput
