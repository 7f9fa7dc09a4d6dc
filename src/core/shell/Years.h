#pragma once

#include "data/DbEngine.h"

#include <QList>
#include <QString>

class TDataFormSQL;

// The year list of a company, built from the year databases present.
namespace Years {

struct YearList
{
    int lowest = 3000;
    int highest = 1000;
    QList<int> years;  // lowest..highest without gaps
    bool found() const { return highest >= lowest; }
    bool contains(int year) const { return found() && year >= lowest && year <= highest; }
};

// From database names (testable without a server).
YearList fromNames(const QStringList &databaseNames, const QString &prefix);
// From the server or data folder; ok false when they cannot be listed.
YearList FindYears(const ConnectionParams &server, const QString &prefix, bool *ok = nullptr,
                   QString *error = nullptr);

// "Year: 2012 not found It must be creatred"
QString notFoundMessage(int year);

} // namespace Years

// The three system accounts carry names in the interface language; they
// are made when missing.
namespace SystemAccounts {
bool ensure(TDataFormSQL &data, bool arabic, QString *error = nullptr);
QString name(int id, bool arabic);
QString note(bool arabic);
} // namespace SystemAccounts
