#include "SchemaUpgrade.h"

#include "SchemaDef.h"
#include "SqlDialect.h"
#include "TDataFormSQL.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>

#include <functional>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SchemaUpgrade", text);
}

QString q(const QString &identifier)
{
    return SqlDialect::quote(identifier);
}

bool run(TDataFormSQL &data, const QString &sql, const QVariantList &values, QString *error)
{
    if (data.DoSqlNEW(sql, values))
        return true;
    if (error)
        *error = data.lastErrorText() + QStringLiteral(" [") + sql + u']';
    return false;
}

bool isSqlite(TDataFormSQL &data)
{
    return data.engine() == DbEngine::SQLite;
}

// ------------------------------------------------------------ inspection

struct ColumnInfo
{
    QString name;
    QString type;
    bool notNull = false;
    QString defaultValue;
};

QList<ColumnInfo> columnInfo(TDataFormSQL &data, const QString &table)
{
    QList<ColumnInfo> out;
    if (isSqlite(data)) {
        QSqlQuery query = data.exec(QStringLiteral("PRAGMA table_xinfo(%1)").arg(q(table)));
        while (query.next())
            out << ColumnInfo{query.value(1).toString(), query.value(2).toString().toUpper(),
                              query.value(3).toInt() != 0, query.value(4).toString()};
    } else {
        QSqlQuery query = data.exec(
            QStringLiteral("SELECT a.attname, format_type(a.atttypid, a.atttypmod), a.attnotnull, "
                           "coalesce(pg_get_expr(d.adbin, d.adrelid), '') || "
                           "CASE WHEN a.attidentity <> '' THEN ' identity' ELSE '' END "
                           "FROM pg_attribute a LEFT JOIN pg_attrdef d ON d.adrelid = a.attrelid "
                           "AND d.adnum = a.attnum WHERE a.attrelid = to_regclass(?) AND "
                           "a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum"),
            {q(table)});
        while (query.next())
            out << ColumnInfo{query.value(0).toString(), query.value(1).toString(),
                              query.value(2).toBool(), query.value(3).toString()};
    }
    return out;
}

QStringList existingColumns(TDataFormSQL &data, const QString &table)
{
    QStringList names;
    for (const auto &c : columnInfo(data, table))
        names << c.name;
    return names;
}

QStringList foreignKeys(TDataFormSQL &data, const QString &table)
{
    QSqlDatabase db = data.database();
    return data.dialect().foreignKeys(db, table);
}

QStringList definedKeys(const TableDef &t)
{
    QStringList keys;
    for (const auto &k : t.foreignKeys)
        keys << k.column + u'>' + k.refTable + u'.' + k.refColumn;
    keys.sort(Qt::CaseInsensitive);
    return keys;
}

bool sameKeys(const QStringList &a, const QStringList &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a[i].compare(b[i], Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

// The declared column of a fresh table, as SQLite reports it.
ColumnInfo expectedSqliteColumn(const SqlDialect &dialect, const ColumnDef &c)
{
    ColumnInfo info;
    info.name = c.name;
    info.type = dialect.columnType(c).toUpper();
    info.notNull = !c.nullable && c.generated.isEmpty()
                   && c.type != ColType::Identity && c.type != ColType::SmallIdentity;
    info.defaultValue = c.generated.isEmpty() ? c.defaultSql : QString();
    return info;
}

bool sqliteTableMatches(TDataFormSQL &data, const TableDef &t)
{
    const QList<ColumnInfo> have = columnInfo(data, t.name);
    if (have.size() != t.columns.size())
        return false;
    for (int i = 0; i < have.size(); ++i) {
        const ColumnInfo want = expectedSqliteColumn(data.dialect(), t.columns[i]);
        if (have[i].name.compare(want.name, Qt::CaseInsensitive) != 0 || have[i].type != want.type
            || have[i].notNull != want.notNull
            || have[i].defaultValue.compare(want.defaultValue, Qt::CaseInsensitive) != 0)
            return false;
    }
    return sameKeys(foreignKeys(data, t.name), definedKeys(t));
}

// ------------------------------------------------------------ steps

struct Step
{
    QString name;
    // Returns false on failure; sets changed when it altered the database.
    std::function<bool(TDataFormSQL &, bool &changed, QString *error)> apply;
    bool outsideTransaction = false; // SQLite table rebuilds manage their own
};

bool createMissingTables(TDataFormSQL &data, bool &changed, QString *error)
{
    for (const TableDef &t : Schema::permanentTables()) {
        if (data.TableExists(t.name))
            continue;
        for (const QString &sql : data.dialect().createTableSql(t))
            if (!run(data, sql, {}, error))
                return false;
        changed = true;
    }
    return true;
}

bool addMissingColumns(TDataFormSQL &data, bool &changed, QString *error)
{
    for (const TableDef &t : Schema::permanentTables()) {
        const QStringList have = existingColumns(data, t.name);
        for (const ColumnDef &c : t.columns) {
            if (have.contains(c.name, Qt::CaseInsensitive))
                continue;
            if (!run(data, data.dialect().addColumnSql(t.name, c), {}, error))
                return false;
            changed = true;
        }
    }
    return true;
}

bool widenBankOptions(TDataFormSQL &data, bool &changed, QString *error)
{
    if (isSqlite(data))
        return true; // SQLite text has no width
    for (const auto &c : columnInfo(data, QStringLiteral("Bank"))) {
        if (c.name == u"Options" && c.type != u"text") {
            changed = true;
            return run(data, QStringLiteral("ALTER TABLE \"Bank\" ALTER COLUMN \"Options\" TYPE text"),
                       {}, error);
        }
    }
    return true;
}

bool dropOrphanOpeningStock(TDataFormSQL &data, bool &changed, QString *error)
{
    bool ok = false;
    const int orphans = data.scalar(QStringLiteral("SELECT count(*) FROM \"FGood\" WHERE \"ItemId\" IS NULL"),
                                    {}, &ok)
                            .toInt();
    if (!ok) {
        if (error)
            *error = data.lastErrorText();
        return false;
    }
    if (orphans == 0)
        return true;
    changed = true;
    return run(data, QStringLiteral("DELETE FROM \"FGood\" WHERE \"ItemId\" IS NULL"), {}, error);
}

// The vehicle sheet's figures become whole numbers, not null, default 0.
// Their values are kept (rounded), not dropped.
bool wholeNumberWeekFigures(TDataFormSQL &data, bool &changed, QString *error)
{
    if (isSqlite(data))
        return true; // the table rebuild below converts them
    for (const auto &c : columnInfo(data, QStringLiteral("WeekCase"))) {
        if (c.name != u"Dhs" && c.name != u"KM" && c.name != u"Galons")
            continue;
        if (c.type == u"integer" && c.notNull && c.defaultValue == u"0")
            continue;
        const QString col = q(c.name);
        if (!run(data, QStringLiteral("UPDATE \"WeekCase\" SET %1 = 0 WHERE %1 IS NULL").arg(col), {}, error)
            || !run(data, QStringLiteral("ALTER TABLE \"WeekCase\" ALTER COLUMN %1 TYPE integer USING "
                                         "round(%1)::integer").arg(col), {}, error)
            || !run(data, QStringLiteral("ALTER TABLE \"WeekCase\" ALTER COLUMN %1 SET DEFAULT 0").arg(col),
                    {}, error)
            || !run(data, QStringLiteral("ALTER TABLE \"WeekCase\" ALTER COLUMN %1 SET NOT NULL").arg(col),
                    {}, error))
            return false;
        changed = true;
    }
    return true;
}

const QStringList &documentHeaders()
{
    static const QStringList t{QStringLiteral("Sales"), QStringLiteral("BFromUsS"),
                               QStringLiteral("BToUsS"), QStringLiteral("InvoiceS"),
                               QStringLiteral("PListS"), QStringLiteral("IndTB")};
    return t;
}

// Documents made before users were recorded get the lowest user number, so
// that their user key can hold.
bool assignDocumentUsers(TDataFormSQL &data, bool &changed, QString *error)
{
    bool ok = false;
    const QVariant minUid = data.scalar(QStringLiteral("SELECT min(\"UID\") FROM \"Users\""), {}, &ok);
    if (!ok) {
        if (error)
            *error = data.lastErrorText();
        return false;
    }
    if (minUid.isNull())
        return true;
    for (const QString &t : documentHeaders()) {
        const int rows = data.scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE \"UID\" = 0").arg(q(t)))
                             .toInt();
        if (rows == 0)
            continue;
        if (!run(data, QStringLiteral("UPDATE %1 SET \"UID\" = ? WHERE \"UID\" = 0").arg(q(t)),
                 {minUid.toInt()}, error))
            return false;
        changed = true;
    }
    return true;
}

bool addForeignKeysPostgres(TDataFormSQL &data, bool &changed, QString *error)
{
    if (isSqlite(data))
        return true;
    for (const TableDef &t : Schema::permanentTables()) {
        const QStringList have = foreignKeys(data, t.name);
        for (const ForeignKeyDef &k : t.foreignKeys) {
            const QString key = k.column + u'>' + k.refTable + u'.' + k.refColumn;
            if (have.contains(key, Qt::CaseInsensitive))
                continue;
            const QString sql = QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT %2 FOREIGN KEY(%3) "
                                               "REFERENCES %4(%5)")
                                    .arg(q(t.name), q(k.name), q(k.column), q(k.refTable), q(k.refColumn));
            // Rows older than the key (documents of a database that has no
            // user yet) must not block it: the key is then added for new
            // rows only.
            TTransaction inner(data);
            if (data.DoSqlNEW(sql)) {
                inner.commit();
            } else {
                inner.rollback();
                if (!run(data, sql + QStringLiteral(" NOT VALID"), {}, error))
                    return false;
            }
            changed = true;
        }
    }
    return true;
}

// SQLite cannot add keys or change column types in place: such a table is
// rebuilt from its definition and its rows copied over.
bool rebuildSqliteTables(TDataFormSQL &data, bool &changed, QString *error)
{
    if (!isSqlite(data))
        return true;
    QList<TableDef> pending;
    for (const TableDef &t : Schema::permanentTables())
        if (!sqliteTableMatches(data, t))
            pending << t;
    if (pending.isEmpty())
        return true;

    if (!run(data, QStringLiteral("PRAGMA foreign_keys=OFF"), {}, error))
        return false;
    bool ok = true;
    {
        TTransaction tx(data);
        for (const TableDef &t : pending) {
            const QList<ColumnInfo> old = columnInfo(data, t.name);
            qint64 seq = -1;
            {
                bool found = false;
                const QVariant v = data.scalar(QStringLiteral("SELECT seq FROM main.sqlite_sequence WHERE name=?"),
                                               {t.name}, &found);
                if (found && v.isValid())
                    seq = v.toLongLong();
            }
            TableDef fresh = t;
            fresh.name = t.name + QStringLiteral("_rebuild");
            fresh.indexes.clear();
            for (auto &k : fresh.foreignKeys)
                if (k.refTable == t.name)
                    k.refTable = t.name; // self keys keep the final name
            QStringList targets, sources;
            for (const ColumnDef &c : t.columns) {
                if (!c.generated.isEmpty())
                    continue;
                const ColumnInfo *was = nullptr;
                for (const auto &o : old)
                    if (o.name.compare(c.name, Qt::CaseInsensitive) == 0)
                        was = &o;
                if (!was)
                    continue;
                QString expr = q(c.name);
                const bool intTarget = c.type == ColType::Int || c.type == ColType::SmallInt
                                       || c.type == ColType::TinyInt;
                if (intTarget && !was->type.contains(u"INT"))
                    expr = QStringLiteral("CAST(round(%1) AS INTEGER)").arg(expr);
                if (!c.nullable && !c.defaultSql.isEmpty())
                    expr = QStringLiteral("coalesce(%1, %2)").arg(expr, c.defaultSql);
                targets << q(c.name);
                sources << expr;
            }
            ok = run(data, data.dialect().createTableSql(fresh).first(), {}, error)
                 && run(data, QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4")
                                  .arg(q(fresh.name), targets.join(u','), sources.join(u','), q(t.name)),
                        {}, error)
                 && run(data, QStringLiteral("DROP TABLE %1").arg(q(t.name)), {}, error)
                 && run(data, QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(q(fresh.name), q(t.name)),
                        {}, error);
            if (ok && seq >= 0)
                ok = data.ResetSeed(t.columns.first().name, t.name)
                     && run(data, QStringLiteral("UPDATE main.sqlite_sequence SET seq = max(seq, ?) WHERE name = ?"),
                            {seq, t.name}, error);
            if (!ok)
                break;
        }
        ok = ok && tx.commit();
    }
    data.DoSqlNEW(QStringLiteral("PRAGMA foreign_keys=ON"));
    if (ok)
        changed = true;
    return ok;
}

bool createIndexes(TDataFormSQL &data, bool &changed, QString *error)
{
    QSqlDatabase db = data.database();
    for (const TableDef &t : Schema::permanentTables()) {
        const QStringList have = data.dialect().indexNames(db, t.name);
        for (const IndexDef &i : t.indexes) {
            if (have.contains(i.name, Qt::CaseInsensitive))
                continue;
            if (i.unique) {
                // Item codes are unique by rule; an old database may still
                // hold a code twice, which the user must correct first.
                QStringList cols;
                for (const auto &c : i.columns)
                    cols << q(c);
                QSqlQuery dup = data.exec(QStringLiteral("SELECT %1 FROM %2 GROUP BY %1 HAVING count(*) > 1")
                                              .arg(cols.join(u','), q(t.name)));
                QStringList values;
                while (dup.next() && values.size() < 20)
                    values << dup.value(0).toString().trimmed();
                if (!values.isEmpty()) {
                    if (error)
                        *error = tr("These values of %1.%2 are used more than once: %3")
                                     .arg(t.name, i.columns.join(u','), values.join(QStringLiteral(", ")));
                    return false;
                }
            }
            if (!run(data, data.dialect().createIndexSql(t, i), {}, error))
                return false;
            changed = true;
        }
    }
    return true;
}

bool storeVersion(TDataFormSQL &data, bool &changed, QString *error)
{
    if (SchemaUpgrade::storedVersion(data) == Schema::currentVersion())
        return true;
    changed = true;
    return run(data, QStringLiteral("DELETE FROM \"SchemaVersion\""), {}, error)
           && run(data, QStringLiteral("INSERT INTO \"SchemaVersion\"(\"Version\") VALUES(?)"),
                  {Schema::currentVersion()}, error);
}

QList<Step> steps()
{
    return {
        {QStringLiteral("create missing tables"), createMissingTables},
        {QStringLiteral("add missing columns"), addMissingColumns},
        {QStringLiteral("widen the cheque layout"), widenBankOptions},
        {QStringLiteral("remove opening stock without item"), dropOrphanOpeningStock},
        {QStringLiteral("whole-number vehicle figures"), wholeNumberWeekFigures},
        {QStringLiteral("assign users to old documents"), assignDocumentUsers},
        {QStringLiteral("add foreign keys"), addForeignKeysPostgres},
        {QStringLiteral("rebuild tables"), rebuildSqliteTables, true},
        {QStringLiteral("create indexes"), createIndexes},
        {QStringLiteral("store schema version"), storeVersion},
    };
}

} // namespace

namespace SchemaUpgrade {

int storedVersion(TDataFormSQL &data)
{
    if (data.TableExists(QStringLiteral("SchemaVersion"))) {
        bool ok = false;
        const QVariant v = data.scalar(QStringLiteral("SELECT max(\"Version\") FROM \"SchemaVersion\""), {}, &ok);
        if (ok && !v.isNull())
            return v.toInt();
    }
    return data.TableExists(QStringLiteral("CodeTb")) ? Schema::kBaseVersion : 0;
}

bool needsUpgrade(TDataFormSQL &data)
{
    // The probe of older versions: the serial numbers of the opening stock
    // came with the upgrade.
    if (!data.DoSqlNEW(QStringLiteral("SELECT \"ID\" FROM \"SNoFGood\"") + SqlDialect::limit(1)))
        return true;
    return storedVersion(data) < Schema::currentVersion();
}

Result DataMaintain(TDataFormSQL &data)
{
    Result result;
    result.fromVersion = storedVersion(data);
    for (const Step &step : steps()) {
        data.IncGauge(tr("Data Maintenance: %1").arg(step.name));
        bool changed = false;
        QString error;
        bool ok;
        if (step.outsideTransaction) {
            ok = step.apply(data, changed, &error);
        } else {
            TTransaction tx(data);
            ok = tx.isActive() && step.apply(data, changed, &error);
            ok = ok && tx.commit();
            if (!ok && error.isEmpty())
                error = data.lastErrorText();
        }
        if (!ok) {
            result.ok = false;
            result.error = step.name + QStringLiteral(": ") + error;
            break;
        }
        if (changed)
            result.done << step.name;
    }
    data.hideGauge();
    result.toVersion = storedVersion(data);
    return result;
}

bool createSchema(TDataFormSQL &data, QString *error)
{
    for (const TableDef &t : Schema::permanentTables())
        for (const QString &sql : data.dialect().createTableSql(t))
            if (!run(data, sql, {}, error))
                return false;
    return run(data, QStringLiteral("INSERT INTO \"SchemaVersion\"(\"Version\") VALUES(?)"),
               {Schema::currentVersion()}, error);
}

bool createBaseSchema(TDataFormSQL &data, QString *error)
{
    for (const TableDef &t : Schema::baseTables())
        for (const QString &sql : data.dialect().createTableSql(t, false))
            if (!run(data, sql, {}, error))
                return false;
    return true;
}

QStringList describe(TDataFormSQL &data)
{
    QStringList out;
    QSqlDatabase db = data.database();
    QStringList tables = data.dialect().tableNames(db);
    tables.sort(Qt::CaseInsensitive);
    for (const QString &t : tables) {
        out << QStringLiteral("table %1").arg(t);
        for (const ColumnInfo &c : columnInfo(data, t))
            out << QStringLiteral("  column %1 %2%3%4")
                       .arg(c.name, c.type, c.notNull ? QStringLiteral(" not null") : QString(),
                            c.defaultValue.isEmpty() ? QString() : QStringLiteral(" default ") + c.defaultValue);
        for (const QString &k : data.dialect().foreignKeys(db, t))
            out << QStringLiteral("  key %1").arg(k);
        for (const QString &i : data.dialect().indexNames(db, t))
            out << QStringLiteral("  index %1").arg(i);
    }
    return out;
}

} // namespace SchemaUpgrade
