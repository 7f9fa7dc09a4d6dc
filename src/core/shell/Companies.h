#pragma once

#include <QList>
#include <QString>

// The five company data sets. Each has a prefix that goes into its year
// database names and eight header texts for its printouts.
struct Company
{
    int number = 1;          // 1..5
    QString prefix;          // "DATA", "DATABR", ...
    QString actionName;      // MainAction, BranchAction, ...
    QString buttonCaption;   // empty: no button (an inactive "---")
    QString windowCaption;

    // Print-header texts; configuration stored with the options under
    // "Company<n>.<field>" and these defaults until changed.
    struct Header
    {
        QString nameAr, nameEn, postBoxAr, postBoxEn, telAr, telEn, faxAr, faxEn;
    } header;
};

namespace Companies {

const QList<Company> &all();
const Company *byNumber(int number);
const Company *byPrefix(const QString &prefix);
// Option key of a header text of a company ("Company2.NameAr").
QString headerKey(int number, const QString &field);
// The header of a company with the stored texts applied.
Company::Header header(int number);
void setHeader(int number, const Company::Header &header);

} // namespace Companies
