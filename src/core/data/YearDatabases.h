#pragma once

#include "DbEngine.h"

#include <QList>
#include <QString>
#include <QStringList>

class TDataFormSQL;

// Year databases: one per company and fiscal year, named
// "Qarvel" + company prefix + four-digit year.
namespace YearDatabases {

QString productWord(); // "Qarvel"
QString databaseName(const QString &prefix, int year);
// Splits a name into prefix and year. False when the name is no year
// database name. A name whose last four characters are no number gives year 0.
bool parseName(const QString &name, QString *prefix, int *year);

// All database names the server (or the data folder) holds.
QStringList listDatabases(const ConnectionParams &server, bool *ok = nullptr, QString *error = nullptr);
// The years of one company, sorted.
QList<int> years(const QStringList &databaseNames, const QString &prefix);
bool exists(const ConnectionParams &params, QString *error = nullptr);

// Creates params.database from the template: the current schema, the
// system accounts 1..3, no user. Fails when it exists already.
bool create(const ConnectionParams &params, QString *error = nullptr);
// Removes a year database (tests and failed creations).
bool drop(const ConnectionParams &params, QString *error = nullptr);

// Writes the template rows into an open, empty year database.
bool writeTemplateRows(TDataFormSQL &data, QString *error = nullptr);

} // namespace YearDatabases
