#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The year-database schema, described once in C++. Both engines' DDL is
// generated from these definitions (SqlDialect), and the upgrade compares
// a database with them.

enum class ColType {
    Identity,      // int identity(1,1), primary key unless told otherwise
    SmallIdentity, // smallint identity
    Int,
    SmallInt,
    TinyInt,
    Float,         // double precision
    Real,          // single precision
    Decimal,       // decimal(precision, scale)
    Char,          // char(size)
    VarChar,       // varchar(size); size 0 = varchar(max)
    NVarChar,
    Bit,
    DateTime,
    Blob,          // image
    Variant        // sql_variant (kept as text)
};

struct ColumnDef
{
    QString name;
    ColType type = ColType::Int;
    int size = 0;       // text width, or decimal precision
    int scale = 0;      // decimal scale
    bool nullable = true;
    QString defaultSql; // portable default expression ("0", "FALSE", "10.68"), empty for none
    QString generated;  // computed column: expression over other columns (quoted names)
    bool upgrade = false; // added by the in-place upgrade (absent from old databases)
};

struct ForeignKeyDef
{
    QString name;       // constraint name
    QString column;
    QString refTable;
    QString refColumn;
    bool upgrade = false;
};

struct IndexDef
{
    QString name;
    QStringList columns;
    bool unique = false;
};

struct TableDef
{
    QString name;
    QList<ColumnDef> columns;
    QList<ForeignKeyDef> foreignKeys;
    QList<IndexDef> indexes;
    QString primaryKey;  // non-identity primary key column, if any
    bool upgrade = false; // whole table added by the upgrade
    bool scratch = false; // connection-local temporary table, never in the file

    const ColumnDef *column(const QString &name) const;
    QStringList columnNames() const;
};

namespace Schema {

// Every table of a current year database, in creation order (referenced
// tables before the tables that reference them).
const QList<TableDef> &tables();
const TableDef *table(const QString &name);

// Only the permanent tables / only the scratch tables.
QList<TableDef> permanentTables();
QList<TableDef> scratchTables();

// The schema of an old year database from before the upgrade: upgrade
// tables, columns and keys left out. Used to make upgrade fixtures.
QList<TableDef> baseTables();

// Version stored in the database (table SchemaVersion). 1 is the base
// schema (databases that have no SchemaVersion table yet).
constexpr int kBaseVersion = 1;
int currentVersion();

} // namespace Schema
