#pragma once

#include "DbEngine.h"
#include "SchemaDef.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>

#include <memory>

// What differs between the two engines. Everything else in the program
// writes one portable SQL text with bound values and asks the dialect for
// the few pieces that differ.
class SqlDialect
{
public:
    virtual ~SqlDialect() = default;
    static std::unique_ptr<SqlDialect> create(DbEngine engine);

    virtual DbEngine engine() const = 0;
    virtual QString driverName() const = 0;

    // Identifiers are always quoted so that mixed-case names stay exact.
    static QString quote(const QString &identifier);

    // -- DDL from the schema definitions
    virtual QString columnType(const ColumnDef &column) const = 0;
    QString columnSql(const ColumnDef &column, const TableDef &table) const;
    QStringList createTableSql(const TableDef &table, bool withUpgrade = true) const;
    QString addColumnSql(const QString &table, const ColumnDef &column) const;
    QString createIndexSql(const TableDef &table, const IndexDef &index) const;

    // -- values
    QString boolLiteral(bool value) const { return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); }
    virtual QVariant boolValue(bool value) const = 0;
    virtual QVariant dateValue(const QDateTime &value) const = 0;
    QVariant dateValue(const QDate &value) const { return dateValue(QDateTime(value, QTime(0, 0))); }
    static QDateTime toDateTime(const QVariant &stored);
    // " LIMIT n" (both engines accept it at the end of a SELECT).
    static QString limit(int rows) { return QStringLiteral(" LIMIT %1").arg(rows); }

    // -- catalogue
    virtual QStringList tableNames(QSqlDatabase &db) const = 0;
    virtual QStringList columnNames(QSqlDatabase &db, const QString &table) const = 0;
    // Foreign keys of a table as "column>refTable.refColumn" texts.
    virtual QStringList foreignKeys(QSqlDatabase &db, const QString &table) const = 0;
    virtual QStringList indexNames(QSqlDatabase &db, const QString &table) const = 0;
    virtual bool tableExists(QSqlDatabase &db, const QString &table) const;

    // -- identity
    // Make the next identity value of table.column be seed + 1.
    virtual bool reseed(QSqlDatabase &db, const QString &table, const QString &column,
                        qint64 seed, QString *error) const = 0;
    // The value the next insert will take (for tests and checks).
    virtual qint64 nextIdentity(QSqlDatabase &db, const QString &table, const QString &column) const = 0;

    // -- per-connection setup (pragmas, session settings)
    virtual bool prepareConnection(QSqlDatabase &db, bool readOnly, QString *error) const = 0;
};
