#pragma once

#include "PrintLayouts.h"
#include "PrintSale.h"

class Options;
class TDataFormSQL;

// The print design of the running program: the design as loaded and edited
// (the design window works on it) and the two layouts it was applied to.
class InvoicePrinting
{
public:
    static InvoicePrinting &instance();

    PrintDesign &design() { return m_design; }
    const PrintLayouts &layouts() const { return m_layouts; }
    PrintLayouts &layouts() { return m_layouts; }

    // Options loaded (login, fiscal-year change) or company switched: the
    // design from the options over the values before any option, with the
    // company's names, then applied (EdToLn, then the header and the logo
    // of the "CompLogo" option). A logo that cannot be read is reported;
    // everything else is applied all the same.
    PrintDesignApply::Outcome loadAndApply(const Options &from, const QString &companyNameEn,
                                           const QString &companyNameAr);
    // The design window's "Close": EdToLn and PrintHeaderChange on the
    // design as it stands.
    PrintDesignApply::Outcome apply(const QString &logoPath);
    // Options saved: the design into them.
    void save(Options &to) const;

    struct Prepared
    {
        QList<Print::Report> reports; // empty: nothing to print
        QString error;                // the document could not be read
        bool notified = true;         // the LogFile notice rows were written
    };
    // Printing a document: tells the other workstations, then lays out its
    // prints (two for manufacturing). Purchases give no print.
    Prepared prepare(TDataFormSQL &data, DocKind kind, int invId,
                     const SalePrintSettings &settings);

private:
    InvoicePrinting();
    PrintDesign m_design;
    PrintLayouts m_layouts;
};
