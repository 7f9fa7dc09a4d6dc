#include "StorePages.h"

#include <exception>

namespace StorePages {
namespace {

struct PageDef
{
    const char *objectName;
    struct
    {
        const char *source;
        const char *comment;
    } caption;
};

constexpr PageDef kPages[kCount] = {
    {"TabPOS", QT_TRANSLATE_NOOP3("TStoreForm", "POS", "page caption")},
    {"TabPurchase", QT_TRANSLATE_NOOP3("TStoreForm", "&Invoices", "page caption")},
    {"TabSum", QT_TRANSLATE_NOOP3("TStoreForm", "S&tatistics", "page caption")},
    {"TabItemCode", QT_TRANSLATE_NOOP3("TStoreForm", "&Codes", "page caption")},
    {"TabStore", QT_TRANSLATE_NOOP3("TStoreForm", "&Stock", "page caption")},
    {"TabAbout", QT_TRANSLATE_NOOP3("TStoreForm", "&About", "page caption")},
    {"TabPay", QT_TRANSLATE_NOOP3("TStoreForm", "Pa&yment Voucher", "page caption")},
    {"TabCredit", QT_TRANSLATE_NOOP3("TStoreForm", "Cre&dit Voucher", "page caption")},
    {"TabOld", QT_TRANSLATE_NOOP3("TStoreForm", "Opening Entries", "page caption")},
    {"TabEmployee", QT_TRANSLATE_NOOP3("TStoreForm", "&Employees", "page caption")},
    {"TabNames", QT_TRANSLATE_NOOP3("TStoreForm", "&Names/Accounts", "page caption")},
    {"CashTabsheet", QT_TRANSLATE_NOOP3("TStoreForm", "Cas&h", "page caption")},
    {"TabDept", QT_TRANSLATE_NOOP3("TStoreForm", "De&bit", "page caption")},
    {"TabRep", QT_TRANSLATE_NOOP3("TStoreForm", "Preparation", "page caption")},
    {"TabClaim", QT_TRANSLATE_NOOP3("TStoreForm", "Claim", "page caption")},
};

bool valid(int page)
{
    return page >= 0 && page < kCount;
}

} // namespace

QString objectName(int page)
{
    return valid(page) ? QString::fromLatin1(kPages[page].objectName) : QString();
}

QString caption(int page)
{
    return valid(page) ? QCoreApplication::translate("TStoreForm", kPages[page].caption.source, kPages[page].caption.comment) : QString();
}

QString hint(int page)
{
    if (page == Purchase)
        return QCoreApplication::translate(
            "TStoreForm", "Use [ENTER] to add item, [Ctrl]+[Del] to Delete Record");
    return QString();
}

} // namespace StorePages

void PageDispatch::setWork(int page, Work work)
{
    if (page >= 0 && page < StorePages::kCount)
        m_work[page] = std::move(work);
}

bool PageDispatch::hasWork(int page) const
{
    return page >= 0 && page < StorePages::kCount && bool(m_work[page]);
}

bool PageDispatch::run(int page)
{
    m_lastFailure.clear();
    if (!hasWork(page))
        return true;
    try {
        m_work[page]();
        return true;
    } catch (const std::exception &e) {
        m_lastFailure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        m_lastFailure = tr("unknown failure");
    }
    qWarning("Page %d: %s", page, qPrintable(m_lastFailure));
    return false;
}
