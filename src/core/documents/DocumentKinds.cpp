#include "DocumentKinds.h"

#include <array>

namespace {
const std::array<DocumentKind, 6> &table()
{
    static const std::array<DocumentKind, 6> kinds{{
        {DocKind::Purchase, 0, "Purchase Invoice", "InvoiceS", "InvOne", "SNoInv", {}, {}, true, true, true, false,
         false, true, true, "Date1"},
        {DocKind::Sale, 1, "Sale Bill", "Sales", "SaleOne", "SNoSale", {}, {}, false, true, true, false, true, false,
         true, "InvID"},
        {DocKind::PriceList, 2, "Price List", "PListS", "PListOne", {}, {}, {}, false, false, true, false, true,
         false, false, "InvID"},
        {DocKind::BackToUs, 3, "Back To Us", "BToUsS", "BToUsOne", "SNoBTU", {}, {}, false, true, true, false, true,
         false, true, "InvID"},
        {DocKind::BackFromUs, 4, "Back From Us", "BFromUsS", "BFrUsOne", "SNoBFU", {}, {}, false, true, true, false,
         true, false, true, "InvID"},
        {DocKind::Manufacturing, 5, "Industrialization", "IndTB", "IndInTB", "SNoIndIn", "IndOutTB", "SNoIndOut",
         false, false, false, true, false, false, true, "InvID"},
    }};
    return kinds;
}
} // namespace

namespace DocumentKinds {

const DocumentKind &get(DocKind kind)
{
    return table()[static_cast<int>(kind)];
}

const DocumentKind &get(int number)
{
    if (number < 0 || number >= kCount)
        return table()[1];
    return table()[number];
}

} // namespace DocumentKinds
