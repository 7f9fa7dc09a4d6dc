#pragma once

#include <QString>
#include <QStringList>

class TDataFormSQL;

// The in-place upgrade of an older year database (DataMaintain). The
// database carries its schema version in table SchemaVersion; each step
// runs in its own transaction, checks what is already there (so it can run
// any number of times) and reports its failure instead of hiding it.
namespace SchemaUpgrade {

struct Result
{
    bool ok = true;
    int fromVersion = 0;
    int toVersion = 0;
    QStringList done;   // steps that changed something
    QString error;      // first failure, when !ok
};

int storedVersion(TDataFormSQL &data);
// The start-up probe: the database lacks the upgrade tables.
bool needsUpgrade(TDataFormSQL &data);
Result DataMaintain(TDataFormSQL &data);

// Creates the current schema in an empty database (the template).
bool createSchema(TDataFormSQL &data, QString *error = nullptr);
// Creates the base schema of old year databases (upgrade fixtures).
bool createBaseSchema(TDataFormSQL &data, QString *error = nullptr);

// A text describing tables, columns, keys and indexes, for comparing two
// databases (tests, qarvel-admin).
QStringList describe(TDataFormSQL &data);

} // namespace SchemaUpgrade
