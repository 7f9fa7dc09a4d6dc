#include "Years.h"

#include "data/TDataFormSQL.h"
#include "data/YearDatabases.h"

#include <QSqlQuery>

namespace Years {

YearList fromNames(const QStringList &databaseNames, const QString &prefix)
{
    YearList list;
    for (int y : YearDatabases::years(databaseNames, prefix)) {
        list.lowest = std::min(list.lowest, y);
        list.highest = std::max(list.highest, y);
    }
    if (list.found())
        for (int y = list.lowest; y <= list.highest; ++y)
            list.years << y;
    return list;
}

YearList FindYears(const ConnectionParams &server, const QString &prefix, bool *ok, QString *error)
{
    return fromNames(YearDatabases::listDatabases(server, ok, error), prefix);
}

QString notFoundMessage(int year)
{
    return QStringLiteral("Year: %1 not found It must be creatred").arg(year);
}

} // namespace Years

namespace SystemAccounts {

QString name(int id, bool arabic)
{
    switch (id) {
    case 1:
        return arabic ? QString::fromUtf8("رأس المال") : QStringLiteral("Capital");
    case 2:
        return arabic ? QString::fromUtf8("ثمن بضاعة أول المدة") : QStringLiteral("Beginning Inventory Cost");
    case 3:
        return arabic ? QString::fromUtf8("صندوق أول المدة") : QStringLiteral("Opening Cash");
    default:
        return {};
    }
}

QString note(bool arabic)
{
    return arabic ? QString::fromUtf8("لا يمكن تغيير هذا الحساب") : QStringLiteral("This Acc. can not be changed");
}

bool ensure(TDataFormSQL &data, bool arabic, QString *error)
{
    TTransaction tx(data);
    bool ok = true;
    for (int id = 1; id <= 3 && ok; ++id) {
        const bool present = data.scalar(QStringLiteral(R"(SELECT count(*) FROM "Address" WHERE "ID"=?)"), {id}, &ok)
                                 .toInt()
                             > 0;
        if (!ok)
            break;
        if (present)
            ok = data.DoSqlNEW(QStringLiteral(R"(UPDATE "Address" SET "AName"=?,"Note"=? WHERE "ID"=?)"),
                               {name(id, arabic), note(arabic), id});
        else
            ok = data.DoSqlNEW(QStringLiteral(R"(INSERT INTO "Address"("ID","AName","Note") VALUES(?,?,?))"),
                               {id, name(id, arabic), note(arabic)});
    }
    // numbering of the accounts goes on after the system ones
    ok = ok && data.ResetSeed(QStringLiteral("ID"), QStringLiteral("Address")) && tx.commit();
    if (!ok && error)
        *error = data.lastErrorText();
    return ok;
}

} // namespace SystemAccounts
