#include "ReportPrinting.h"

#include "PrintOutput.h"
#include "shell/FileDialogs.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ReportPrinting {

namespace {
PrinterHook &hook()
{
    static PrinterHook h;
    return h;
}
Print::Report &last()
{
    static Print::Report r;
    return r;
}
} // namespace

void setPrinterHook(PrinterHook h)
{
    hook() = std::move(h);
}

const Print::Report &lastReport()
{
    return last();
}

Outcome throughDialog(QWidget *parent, const Print::Report &report, bool preview)
{
    last() = report;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.title);
    PrintOutput::applyPageSetup(report, printer);
    if (report.page.width > report.page.height && !report.page.fitToContent) {
        // Across the paper, also as the printer's own orientation.
        const QPageSize size(QSizeF(report.page.height, report.page.width), QPageSize::Millimeter,
                             QString(), QPageSize::FuzzyMatch);
        printer.setPageLayout(QPageLayout(size, QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                                          QPageLayout::Millimeter));
    }
    if (hook())
        hook()(printer, preview);
    if (preview) {
        if (!hook()) {
            QPrintPreviewDialog dialog(&printer, parent);
            dialog.setWindowTitle(report.title);
            QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                             [&report](QPrinter *p) { PrintOutput::paint(report, *p); });
            dialog.exec();
        }
        return Outcome::Previewed;
    }
    if (!FileDialogs::print(parent, &printer))
        return Outcome::Cancelled;
    return PrintOutput::paint(report, printer) > 0 ? Outcome::Printed : Outcome::NotPrinted;
}

} // namespace ReportPrinting
