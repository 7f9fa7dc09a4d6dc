#include "ReportPrinting.h"

#include "PrintOutput.h"
#include "shell/FileDialogs.h"

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
