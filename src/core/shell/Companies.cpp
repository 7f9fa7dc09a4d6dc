#include "Companies.h"

#include "Options.h"

namespace Companies {

const QList<Company> &all()
{
    static const QList<Company> list{
        {1, "DATA", "MainAction", QString::fromUtf8("رئيسي"), QString::fromUtf8(" Main الرئيسي"),
         {QString::fromUtf8("الشركة الرئيسية"), "Main Company", QString::fromUtf8("ص.ب"), "P.O. Box",
          QString::fromUtf8("هاتف"), "Tel", QString::fromUtf8("فاكس"), "Fax"}},
        {2, "DATABR", "BranchAction", QString::fromUtf8("فرع"), QString::fromUtf8(" Branch الفرع"),
         {QString::fromUtf8("الفرع"), "Branch", QString::fromUtf8("ص.ب"), "P.O. Box", QString::fromUtf8("هاتف"),
          "Tel", QString::fromUtf8("فاكس"), "Fax"}},
        {3, "DATATR", "TransAction", QString::fromUtf8("نقل"), QString::fromUtf8(" Transport النقل"),
         {QString::fromUtf8("النقل"), "Transport", QString::fromUtf8("ص.ب"), "P.O. Box",
          QString::fromUtf8("هاتف"), "Tel", QString::fromUtf8("فاكس"), "Fax"}},
        {4, "DATAFT", "FlatAction", QString(), QString::fromUtf8("Flat شقق سكنية"),
         {QString::fromUtf8("شقق سكنية"), "Flats", QString::fromUtf8("ص.ب"), "P.O. Box",
          QString::fromUtf8("هاتف"), "Tel", QString::fromUtf8("جوال"), "Mobile"}},
        {5, "DATATR2", "Trans2Action", QString::fromUtf8("كراج"), QString::fromUtf8(" كراج"),
         {QString::fromUtf8("كراج"), "Garage", QString::fromUtf8("ص.ب"), "P.O. Box", QString::fromUtf8("هاتف"),
          "Tel", QString::fromUtf8("جوال"), "Mobile"}},
    };
    return list;
}

const Company *byNumber(int number)
{
    for (const Company &c : all())
        if (c.number == number)
            return &c;
    return nullptr;
}

const Company *byPrefix(const QString &prefix)
{
    for (const Company &c : all())
        if (c.prefix.compare(prefix, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QString headerKey(int number, const QString &field)
{
    return QStringLiteral("Company%1.%2").arg(number).arg(field);
}

namespace {
struct Field
{
    const char *name;
    QString Company::Header::*member;
};
const Field kFields[] = {
    {"NameAr", &Company::Header::nameAr},       {"NameEn", &Company::Header::nameEn},
    {"PostBoxAr", &Company::Header::postBoxAr}, {"PostBoxEn", &Company::Header::postBoxEn},
    {"TelAr", &Company::Header::telAr},         {"TelEn", &Company::Header::telEn},
    {"FaxAr", &Company::Header::faxAr},         {"FaxEn", &Company::Header::faxEn},
};
} // namespace

Company::Header header(int number)
{
    const Company *c = byNumber(number);
    if (!c)
        return {};
    Company::Header h = c->header;
    for (const Field &f : kFields) {
        const QString key = headerKey(number, QString::fromLatin1(f.name));
        if (options().contains(key))
            h.*(f.member) = options().text(key);
    }
    return h;
}

void setHeader(int number, const Company::Header &h)
{
    for (const Field &f : kFields)
        options().setText(headerKey(number, QString::fromLatin1(f.name)), h.*(f.member));
}

} // namespace Companies
