#include "SqlDialect.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QString defaultClause(const ColumnDef &c)
{
    return c.defaultSql.isEmpty() ? QString() : QStringLiteral(" DEFAULT ") + c.defaultSql;
}

bool execOn(QSqlDatabase &db, const QString &sql, const QVariantList &values, QString *error,
            QSqlQuery *out = nullptr)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    bool ok;
    if (values.isEmpty()) {
        ok = q.exec(sql);
    } else {
        ok = q.prepare(sql);
        if (ok) {
            for (const auto &v : values)
                q.addBindValue(v);
            ok = q.exec();
        }
    }
    if (!ok && error)
        *error = q.lastError().text();
    if (out)
        *out = std::move(q);
    return ok;
}

// ---------------------------------------------------------------- SQLite
class SqliteDialect final : public SqlDialect
{
public:
    DbEngine engine() const override { return DbEngine::SQLite; }
    QString driverName() const override { return QStringLiteral("QSQLITE"); }

    QString columnType(const ColumnDef &c) const override
    {
        switch (c.type) {
        case ColType::Identity:
        case ColType::SmallIdentity:
            return QStringLiteral("INTEGER");
        case ColType::Int:
            return QStringLiteral("INT");
        case ColType::SmallInt:
            return QStringLiteral("SMALLINT");
        case ColType::TinyInt:
            return QStringLiteral("TINYINT");
        case ColType::Float:
            return QStringLiteral("FLOAT");
        case ColType::Real:
            return QStringLiteral("REAL");
        case ColType::Decimal:
            return QStringLiteral("DECIMAL(%1,%2)").arg(c.size).arg(c.scale);
        case ColType::Char:
            return QStringLiteral("CHAR(%1)").arg(c.size);
        case ColType::VarChar:
            return c.size > 0 ? QStringLiteral("VARCHAR(%1)").arg(c.size) : QStringLiteral("TEXT");
        case ColType::NVarChar:
            return QStringLiteral("NVARCHAR(%1)").arg(c.size);
        case ColType::Bit:
            return QStringLiteral("BOOLEAN");
        case ColType::DateTime:
            return QStringLiteral("DATETIME");
        case ColType::Blob:
            return QStringLiteral("BLOB");
        case ColType::Variant:
            return QStringLiteral("TEXT");
        }
        return QStringLiteral("TEXT");
    }

    QVariant boolValue(bool value) const override { return value ? 1 : 0; }

    QVariant dateValue(const QDateTime &value) const override
    {
        if (!value.isValid())
            return QVariant(QMetaType::fromType<QString>());
        return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }

    QStringList tableNames(QSqlDatabase &db) const override
    {
        QStringList names;
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name NOT "
                                  "LIKE 'sqlite_%' ORDER BY name")))
            while (q.next())
                names << q.value(0).toString();
        return names;
    }

    QStringList columnNames(QSqlDatabase &db, const QString &table) const override
    {
        QStringList names;
        QSqlQuery q(db);
        // table_xinfo also lists generated columns.
        if (q.exec(QStringLiteral("PRAGMA table_xinfo(%1)").arg(quote(table))))
            while (q.next())
                names << q.value(1).toString();
        return names;
    }

    QStringList foreignKeys(QSqlDatabase &db, const QString &table) const override
    {
        QStringList keys;
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("PRAGMA foreign_key_list(%1)").arg(quote(table))))
            while (q.next())
                keys << q.value(3).toString() + u'>' + q.value(2).toString() + u'.'
                            + q.value(4).toString();
        keys.sort(Qt::CaseInsensitive);
        return keys;
    }

    QStringList indexNames(QSqlDatabase &db, const QString &table) const override
    {
        QStringList names;
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type='index' AND tbl_name=? "
                                 "AND name NOT LIKE 'sqlite_%' ORDER BY name"));
        q.addBindValue(table);
        if (q.exec())
            while (q.next())
                names << q.value(0).toString();
        return names;
    }

    bool tableExists(QSqlDatabase &db, const QString &table) const override
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=? COLLATE "
                                 "NOCASE UNION ALL SELECT 1 FROM sqlite_temp_master WHERE "
                                 "type='table' AND name=? COLLATE NOCASE"));
        q.addBindValue(table);
        q.addBindValue(table);
        return q.exec() && q.next();
    }

    bool reseed(QSqlDatabase &db, const QString &table, const QString &, qint64 seed,
                QString *error) const override
    {
        // AUTOINCREMENT keeps the last number in sqlite_sequence; temporary
        // tables keep theirs in the temp schema.
        const QString schema = isTemp(db, table) ? QStringLiteral("temp") : QStringLiteral("main");
        QString seqTable = schema + QStringLiteral(".sqlite_sequence");
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(seqTable))) {
            // No AUTOINCREMENT table in that schema yet: nothing to reseed,
            // the next row takes max + 1 anyway.
            return true;
        }
        if (!execOn(db, QStringLiteral("UPDATE %1 SET seq=? WHERE name=?").arg(seqTable),
                    {seed, table}, error))
            return false;
        QSqlQuery q(db);
        if (!execOn(db, QStringLiteral("SELECT 1 FROM %1 WHERE name=?").arg(seqTable), {table},
                    error, &q))
            return false;
        if (!q.next() && seed > 0)
            return execOn(db, QStringLiteral("INSERT INTO %1(name,seq) VALUES(?,?)").arg(seqTable),
                          {table, seed}, error);
        return true;
    }

    qint64 nextIdentity(QSqlDatabase &db, const QString &table, const QString &column) const override
    {
        const QString schema = isTemp(db, table) ? QStringLiteral("temp") : QStringLiteral("main");
        qint64 seq = 0;
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT seq FROM %1.sqlite_sequence WHERE name=?").arg(schema));
        q.addBindValue(table);
        if (q.exec() && q.next())
            seq = q.value(0).toLongLong();
        QSqlQuery m(db);
        if (m.exec(QStringLiteral("SELECT max(%1) FROM %2").arg(quote(column), quote(table))) && m.next())
            seq = std::max(seq, m.value(0).toLongLong());
        return seq + 1;
    }

    bool prepareConnection(QSqlDatabase &db, bool readOnly, QString *error) const override
    {
        QStringList pragmas{QStringLiteral("PRAGMA foreign_keys=ON")};
        if (!readOnly)
            pragmas << QStringLiteral("PRAGMA journal_mode=WAL")
                    << QStringLiteral("PRAGMA synchronous=FULL");
        for (const auto &p : pragmas) {
            QSqlQuery q(db);
            if (!q.exec(p)) {
                if (error)
                    *error = q.lastError().text();
                return false;
            }
        }
        return true;
    }

private:
    static bool isTemp(QSqlDatabase &db, const QString &table)
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT 1 FROM sqlite_temp_master WHERE type='table' AND name=?"));
        q.addBindValue(table);
        return q.exec() && q.next();
    }
};

// ------------------------------------------------------------ PostgreSQL
class PostgresDialect final : public SqlDialect
{
public:
    DbEngine engine() const override { return DbEngine::PostgreSQL; }
    QString driverName() const override { return QStringLiteral("QPSQL"); }

    QString columnType(const ColumnDef &c) const override
    {
        switch (c.type) {
        case ColType::Identity:
            return QStringLiteral("integer");
        case ColType::SmallIdentity:
            return QStringLiteral("smallint");
        case ColType::Int:
            return QStringLiteral("integer");
        case ColType::SmallInt:
        case ColType::TinyInt:
            return QStringLiteral("smallint");
        case ColType::Float:
            return QStringLiteral("double precision");
        case ColType::Real:
            return QStringLiteral("real");
        case ColType::Decimal:
            return QStringLiteral("numeric(%1,%2)").arg(c.size).arg(c.scale);
        case ColType::Char: // no blank padding: codes read back as they were written
        case ColType::VarChar:
        case ColType::NVarChar:
            return c.size > 0 ? QStringLiteral("varchar(%1)").arg(c.size) : QStringLiteral("text");
        case ColType::Bit:
            return QStringLiteral("boolean");
        case ColType::DateTime:
            return QStringLiteral("timestamp");
        case ColType::Blob:
            return QStringLiteral("bytea");
        case ColType::Variant:
            return QStringLiteral("text");
        }
        return QStringLiteral("text");
    }

    QVariant boolValue(bool value) const override { return value; }

    QVariant dateValue(const QDateTime &value) const override
    {
        if (!value.isValid())
            return QVariant(QMetaType::fromType<QDateTime>());
        // Sent as text so that no time-zone conversion can shift it.
        return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }

    QStringList tableNames(QSqlDatabase &db) const override
    {
        QStringList names;
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT tablename FROM pg_tables WHERE schemaname='public' ORDER "
                                  "BY tablename")))
            while (q.next())
                names << q.value(0).toString();
        return names;
    }

    QStringList columnNames(QSqlDatabase &db, const QString &table) const override
    {
        QStringList names;
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT a.attname FROM pg_attribute a WHERE a.attrelid = "
                                 "to_regclass(?) AND a.attnum > 0 AND NOT a.attisdropped ORDER BY "
                                 "a.attnum"));
        q.addBindValue(quote(table));
        if (q.exec())
            while (q.next())
                names << q.value(0).toString();
        return names;
    }

    QStringList foreignKeys(QSqlDatabase &db, const QString &table) const override
    {
        QStringList keys;
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "SELECT a.attname, r.relname, b.attname FROM pg_constraint c "
            "JOIN pg_class r ON r.oid = c.confrelid "
            "JOIN pg_attribute a ON a.attrelid = c.conrelid AND a.attnum = c.conkey[1] "
            "JOIN pg_attribute b ON b.attrelid = c.confrelid AND b.attnum = c.confkey[1] "
            "WHERE c.contype = 'f' AND c.conrelid = to_regclass(?)"));
        q.addBindValue(quote(table));
        if (q.exec())
            while (q.next())
                keys << q.value(0).toString() + u'>' + q.value(1).toString() + u'.'
                            + q.value(2).toString();
        keys.sort(Qt::CaseInsensitive);
        return keys;
    }

    QStringList indexNames(QSqlDatabase &db, const QString &table) const override
    {
        QStringList names;
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT i.relname FROM pg_index x JOIN pg_class i ON i.oid = "
                                 "x.indexrelid WHERE x.indrelid = to_regclass(?) AND NOT "
                                 "x.indisprimary ORDER BY i.relname"));
        q.addBindValue(quote(table));
        if (q.exec())
            while (q.next())
                names << q.value(0).toString();
        return names;
    }

    bool tableExists(QSqlDatabase &db, const QString &table) const override
    {
        // Exact name first (tables are created with quoted names), then
        // any spelling of it.
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT 1 FROM pg_class c JOIN pg_namespace n ON n.oid = "
                                 "c.relnamespace WHERE c.relkind IN ('r','p') AND (n.nspname = "
                                 "'public' OR n.oid = pg_my_temp_schema()) AND lower(c.relname) = "
                                 "lower(?)"));
        q.addBindValue(table);
        return q.exec() && q.next();
    }

    bool reseed(QSqlDatabase &db, const QString &table, const QString &column, qint64 seed,
                QString *error) const override
    {
        // setval(seq, n, true) makes the next value n + 1; with no rows the
        // sequence starts again at 1.
        if (seed > 0)
            return execOn(db, QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), ?, true)"),
                          {quote(table), column, seed}, error);
        return execOn(db, QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), 1, false)"),
                      {quote(table), column}, error);
    }

    qint64 nextIdentity(QSqlDatabase &db, const QString &table, const QString &column) const override
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT pg_get_serial_sequence(?, ?)"));
        q.addBindValue(quote(table));
        q.addBindValue(column);
        if (!q.exec() || !q.next())
            return -1;
        const QString seq = q.value(0).toString();
        QSqlQuery s(db);
        s.prepare(QStringLiteral("SELECT last_value, is_called FROM ") + seq);
        if (!s.exec() || !s.next())
            return -1;
        const qint64 last = s.value(0).toLongLong();
        return s.value(1).toBool() ? last + 1 : last;
    }

    bool prepareConnection(QSqlDatabase &db, bool readOnly, QString *error) const override
    {
        QStringList statements{QStringLiteral("SET client_min_messages TO WARNING"),
                               QStringLiteral("SET DateStyle TO ISO, DMY")};
        if (readOnly)
            statements << QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY");
        for (const auto &s : statements) {
            QSqlQuery q(db);
            if (!q.exec(s)) {
                if (error)
                    *error = q.lastError().text();
                return false;
            }
        }
        return true;
    }
};

} // namespace

std::unique_ptr<SqlDialect> SqlDialect::create(DbEngine engine)
{
    if (engine == DbEngine::PostgreSQL)
        return std::make_unique<PostgresDialect>();
    return std::make_unique<SqliteDialect>();
}

QString SqlDialect::quote(const QString &identifier)
{
    QString inner = identifier;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

QString SqlDialect::columnSql(const ColumnDef &c, const TableDef &t) const
{
    QString sql = quote(c.name) + u' ' + columnType(c);
    if (c.type == ColType::Identity || c.type == ColType::SmallIdentity) {
        if (engine() == DbEngine::SQLite)
            sql += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
        else
            sql += QStringLiteral(" GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY");
        return sql;
    }
    if (!c.generated.isEmpty()) {
        QString expression = c.generated;
        // PostgreSQL rounds to the column's scale on store; SQLite must be told.
        if (engine() == DbEngine::SQLite && c.type == ColType::Decimal)
            expression = QStringLiteral("round(%1, %2)").arg(expression).arg(c.scale);
        sql += QStringLiteral(" GENERATED ALWAYS AS (") + expression + u')';
        sql += engine() == DbEngine::SQLite ? QStringLiteral(" VIRTUAL") : QStringLiteral(" STORED");
        return sql;
    }
    if (!t.primaryKey.isEmpty() && t.primaryKey == c.name)
        sql += QStringLiteral(" PRIMARY KEY");
    if (!c.nullable)
        sql += QStringLiteral(" NOT NULL");
    sql += defaultClause(c);
    return sql;
}

QStringList SqlDialect::createTableSql(const TableDef &t, bool withUpgrade) const
{
    QStringList parts;
    for (const auto &c : t.columns)
        if (withUpgrade || !c.upgrade)
            parts << columnSql(c, t);
    for (const auto &k : t.foreignKeys) {
        if (!withUpgrade && k.upgrade)
            continue;
        parts << QStringLiteral("CONSTRAINT %1 FOREIGN KEY(%2) REFERENCES %3(%4)")
                     .arg(quote(k.name), quote(k.column), quote(k.refTable), quote(k.refColumn));
    }
    const QString head = t.scratch ? QStringLiteral("CREATE TEMPORARY TABLE ")
                                   : QStringLiteral("CREATE TABLE ");
    QStringList statements{head + quote(t.name) + QStringLiteral(" (") + parts.join(QStringLiteral(", "))
                           + u')'};
    for (const auto &i : t.indexes)
        statements << createIndexSql(t, i);
    return statements;
}

QString SqlDialect::addColumnSql(const QString &table, const ColumnDef &c) const
{
    TableDef none;
    return QStringLiteral("ALTER TABLE ") + quote(table) + QStringLiteral(" ADD COLUMN ")
           + columnSql(c, none);
}

QString SqlDialect::createIndexSql(const TableDef &t, const IndexDef &i) const
{
    QStringList cols;
    for (const auto &c : i.columns)
        cols << quote(c);
    return QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
        .arg(i.unique ? QStringLiteral("UNIQUE ") : QString(), quote(i.name), quote(t.name),
             cols.join(u','));
}

QDateTime SqlDialect::toDateTime(const QVariant &stored)
{
    if (!stored.isValid() || stored.isNull())
        return {};
    if (stored.typeId() == QMetaType::QDateTime)
        return stored.toDateTime();
    if (stored.typeId() == QMetaType::QDate)
        return QDateTime(stored.toDate(), QTime(0, 0));
    const QString text = stored.toString().trimmed();
    for (const char *format : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz",
                               "yyyy-MM-ddTHH:mm:ss.zzz", "yyyy-MM-dd HH:mm", "yyyy-MM-dd"}) {
        const QDateTime dt = QDateTime::fromString(text, QString::fromLatin1(format));
        if (dt.isValid())
            return dt;
    }
    return {};
}

bool SqlDialect::tableExists(QSqlDatabase &db, const QString &table) const
{
    return tableNames(db).contains(table, Qt::CaseInsensitive);
}
