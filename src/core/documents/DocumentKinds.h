#pragma once

#include <QString>

// The six kinds of trading documents. One description per kind drives every
// operation on documents; no operation is written once per kind.
enum class DocKind { Purchase = 0, Sale = 1, PriceList = 2, BackToUs = 3, BackFromUs = 4, Manufacturing = 5 };

struct DocumentKind
{
    DocKind kind;
    int number;              // 0..5, the tab index
    const char *caption;     // English tab caption (translated in the interface)
    QString headerTable;     // InvoiceS, Sales, ...
    QString lineTable;       // InvOne, SaleOne, ... (raw materials for manufacturing)
    QString serialTable;     // empty for price lists
    QString outLineTable;    // manufacturing products (IndOutTB), else empty
    QString outSerialTable;  // SNoIndOut for manufacturing
    bool supplierNumber;     // shows the supplier's InvoiceNo (purchases)
    bool hasCashDebit;       // the cash/debit choice exists
    bool hasCounterpart;     // a customer/supplier is chosen (not manufacturing)
    bool hasNote;            // the note names the operation (manufacturing)
    bool writesStartTime;    // "Start Prepare At" (kinds 1-4)
    bool anyMayBeDeleted;    // purchases: any document; others only the last
    bool movesStock;         // price lists never move stock
    QString orderColumn;     // Date1 for purchases, InvID otherwise

    bool hasSerials() const { return !serialTable.isEmpty(); }
};

namespace DocumentKinds {
const DocumentKind &get(DocKind kind);
const DocumentKind &get(int number); // 0..5; out of range gives the sale
constexpr int kCount = 6;
// The counterpart of every manufacturing document.
constexpr int kManufacturingAccount = 1;
} // namespace DocumentKinds
