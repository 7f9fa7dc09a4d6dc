#include "InvoicePrinting.h"

#include "shell/Options.h"

InvoicePrinting &InvoicePrinting::instance()
{
    static InvoicePrinting printing;
    return printing;
}

InvoicePrinting::InvoicePrinting()
    : m_design(PrintDesign::initial())
    , m_layouts(PrintLayouts::make())
{ }

PrintDesignApply::Outcome InvoicePrinting::loadAndApply(const Options &from,
                                                        const QString &companyNameEn,
                                                        const QString &companyNameAr)
{
    const QImage logo = m_design.logo;
    m_design = PrintDesign::initial(companyNameEn, companyNameAr);
    m_design.logo = logo;
    m_design.load(from);
    return apply(from.text(QString::fromLatin1(OptKey::CompLogo)));
}

PrintDesignApply::Outcome InvoicePrinting::apply(const QString &logoPath)
{
    m_layouts = PrintLayouts::make();
    PrintDesignApply::EdToLn(m_design, m_layouts);
    const PrintDesignApply::Outcome out =
        PrintDesignApply::PrintHeaderChange(m_design, m_layouts, logoPath);
    // the design window shows the logo as loaded
    if (const Print::ReportElement *logo =
            m_layouts.TPrintForm.find(QStringLiteral("PrintFormImage1")))
        m_design.logo = logo->picture;
    return out;
}

void InvoicePrinting::save(Options &to) const
{
    m_design.save(to);
}

InvoicePrinting::Prepared InvoicePrinting::prepare(TDataFormSQL &data, DocKind kind, int invId,
                                                   const SalePrintSettings &settings)
{
    Prepared p;
    if (kind == DocKind::Purchase)
        return p;
    const std::optional<SaleDocument> doc = PrintSale::load(data, kind, invId, &p.error);
    if (!doc)
        return p;
    p.notified = PrintSale::notifyWorkstations(data);
    p.reports = PrintSale::reports(m_layouts, m_design, *doc, settings);
    return p;
}
