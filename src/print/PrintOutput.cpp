#include "PrintOutput.h"

#include "ReportRenderer.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

using namespace Print;

namespace {
class PrintOutputTr
{
    Q_DECLARE_TR_FUNCTIONS(PrintOutput)
public:
    static QString t(const char *text) { return tr(text); }
};
} // namespace

namespace PrintOutput {

void applyPageSetup(const Report &report, QPagedPaintDevice &device)
{
    if (auto *printer = dynamic_cast<QPrinter *>(&device))
        printer->setFullPage(true);
    const QSizeF size(report.page.width, ReportRenderer::pageHeight(report));
    const QPageSize pageSize(size, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    const QPageLayout layout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                             QPageLayout::Millimeter);
    device.setPageLayout(layout);
}

int paint(const Report &report, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const int pages =
        ReportRenderer::paint(report, painter, [&device] { return device.newPage(); });
    painter.end();
    return pages;
}

int print(const Report &report, QPagedPaintDevice &device)
{
    applyPageSetup(report, device);
    return paint(report, device);
}

bool writePdf(const Report &report, const QString &fileName, QString *error)
{
    return writePdf(QList<Report>{report}, fileName, error);
}

bool writePdf(const QList<Report> &reports, const QString &fileName, QString *error)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = PrintOutputTr::t("Cannot write the file %1: %2").arg(fileName, why);
        return false;
    };
    if (reports.isEmpty())
        return failed(PrintOutputTr::t("there is nothing to print"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return failed(file.errorString());
    bool painted = true;
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setTitle(reports.first().title);
        writer.setCreator(QStringLiteral("Qarvel"));
        applyPageSetup(reports.first(), writer);
        QPainter painter;
        if (!painter.begin(&writer)) {
            painted = false;
        } else {
            for (int i = 0; i < reports.size() && painted; ++i) {
                if (i > 0) {
                    applyPageSetup(reports[i], writer);
                    painted = writer.newPage();
                }
                if (painted)
                    ReportRenderer::paint(reports[i], painter,
                                          [&writer] { return writer.newPage(); });
            }
            painter.end();
        }
    }
    file.close();
    if (!painted)
        return failed(PrintOutputTr::t("the PDF could not be started"));
    if (file.error() != QFileDevice::NoError)
        return failed(file.errorString());
    return true;
}

QList<QImage> renderImages(const Report &report, int dpi)
{
    const double scale = dpi / 25.4;
    const QSize size(qRound(report.page.width * scale),
                     qRound(ReportRenderer::pageHeight(report) * scale));
    QList<QImage> images;
    auto fresh = [&] {
        QImage image(size, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::white);
        return image;
    };
    const int count = ReportRenderer::paginate(report).size();
    for (int i = 0; i < count; ++i)
        images << fresh();
    // One painter per page: the renderer paints the pages in order.
    int page = 0;
    auto painter = std::make_unique<QPainter>(&images[0]);
    ReportRenderer::paint(report, *painter, [&] {
        painter->end();
        ++page;
        return painter->begin(&images[page]);
    });
    painter->end();
    return images;
}

std::optional<QPrinterInfo> PrinterOf(const QString &name)
{
    std::optional<QPrinterInfo> found;
    if (name.isEmpty())
        return found;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        if (info.printerName() == name)
            found = info;
    return found;
}

Result printOn(const Report &report, const QString &printerName)
{
    Result r;
    if (printerName.isEmpty()) {
        r.message = PrintOutputTr::t("No printer is set for this print; nothing was printed.");
        return r;
    }
    const std::optional<QPrinterInfo> info = PrinterOf(printerName);
    if (!info) {
        r.message = PrintOutputTr::t("The printer \"%1\" is not installed; nothing was printed.")
                        .arg(printerName);
        return r;
    }
    QPrinter printer(*info, QPrinter::HighResolution);
    printer.setDocName(report.title);
    r.pages = print(report, printer);
    r.printed = r.pages > 0;
    if (!r.printed)
        r.message =
            PrintOutputTr::t("The printer \"%1\" could not be started; nothing was printed.")
                .arg(printerName);
    return r;
}

} // namespace PrintOutput
