#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>
#include <functional>

// The fifteen pages of the main window's page control, in index order.
// The index is what rights strings, GoTab and the users' settings use.
namespace StorePages {

enum Page {
    POS = 0,
    Purchase = 1,
    Sum = 2,
    ItemCode = 3,
    Store = 4,
    About = 5,
    Pay = 6,
    Credit = 7,
    Old = 8,
    Employee = 9,
    Names = 10,
    Cash = 11,
    Dept = 12,
    Rep = 13,
    Claim = 14,
};
constexpr int kCount = 15;

QString objectName(int page);
// The page caption in the current language.
QString caption(int page);
// The status-bar hint shown while the page is active (may be empty).
QString hint(int page);

} // namespace StorePages

// The work each page does when it becomes the active page. The pages plug
// their own work in; a failure inside it is caught so that the page is
// still shown.
class PageDispatch
{
    Q_DECLARE_TR_FUNCTIONS(PageDispatch)
public:
    using Work = std::function<void()>;

    void setWork(int page, Work work);
    bool hasWork(int page) const;
    // Runs the work of page. Returns false when it failed (the failure is
    // kept in lastFailure()).
    bool run(int page);
    QString lastFailure() const { return m_lastFailure; }

private:
    std::array<Work, StorePages::kCount> m_work;
    QString m_lastFailure;
};
