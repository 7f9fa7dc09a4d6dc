#include "SalePrinting.h"

#include "InvoicePrinting.h"
#include "PrintOutput.h"
#include "accounts/CurrencyOptions.h"
#include "shell/AppState.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"

#include <QCoreApplication>

namespace SalePrinting {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SalePrinting", text);
}

Outcome throughDialog(QWidget *parent, const Print::Report &report, bool preview)
{
    return ReportPrinting::throughDialog(parent, report, preview);
}

} // namespace

Outcome PrintSale(QWidget *parent, TDataFormSQL &data, DocKind kind, int invId,
                  bool pointOfSalePage)
{
    if (kind == DocKind::Purchase)
        return Outcome::NotPrinted;
    SalePrintSettings settings;
    settings.isArabic = appState().IsArabic;
    settings.currency = CurrencyOptions::load();
    const InvoicePrinting::Prepared prepared =
        InvoicePrinting::instance().prepare(data, kind, invId, settings);
    if (prepared.reports.isEmpty()) {
        MsgBox::error(parent,
                      tr("The document %1 cannot be read; nothing was printed.\n%2")
                          .arg(invId)
                          .arg(prepared.error));
        return Outcome::NotPrinted;
    }
    const bool preview = options().isOn(QString::fromLatin1(OptKey::Preview));
    Outcome result = Outcome::NotPrinted;
    for (int i = 0; i < prepared.reports.size(); ++i) {
        const Print::Report &report = prepared.reports[i];
        switch (PrintSale::route(preview, pointOfSalePage, i > 0)) {
        case PrintSale::Route::Preview:
            result = throughDialog(parent, report, true);
            break;
        case PrintSale::Route::PrintDialog:
            result = throughDialog(parent, report, false);
            break;
        case PrintSale::Route::DocumentPrinter: {
            // A till without a document printer prints no bill, and the
            // cashier is not stopped by a message for every sale.
            const QString printer = options().text(QString::fromLatin1(OptKey::PrinterInv));
            if (printer.trimmed().isEmpty())
                return Outcome::NotPrinted;
            const PrintOutput::Result r = PrintOutput::printOn(report, printer);
            if (!r.printed) {
                MsgBox::warning(parent, r.message);
                return Outcome::NotPrinted;
            }
            result = Outcome::Printed;
            break;
        }
        }
    }
    return result;
}

} // namespace SalePrinting
