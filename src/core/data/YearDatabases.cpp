#include "YearDatabases.h"

#include "SchemaUpgrade.h"
#include "SqlDialect.h"
#include "TDataFormSQL.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("YearDatabases", text);
}

int g_serverConnections = 0;

// A database name goes into CREATE/DROP DATABASE, where it cannot be a bound
// value: only letters, digits and '_' are accepted.
bool safeName(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9_]{1,63}$"));
    return re.match(name).hasMatch();
}

// Runs fn on a connection to the PostgreSQL server's maintenance database.
template<typename Fn>
bool withServer(const ConnectionParams &p, QString *error, Fn fn)
{
    const QString name = QStringLiteral("qarvel-server-%1").arg(++g_serverConnections);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(p.host);
        db.setPort(p.port);
        db.setUserName(p.user);
        db.setPassword(p.password);
        db.setDatabaseName(QStringLiteral("postgres"));
        db.setConnectOptions(QStringLiteral("connect_timeout=10"));
        if (!db.open()) {
            if (error)
                *error = db.lastError().text();
        } else {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SET client_min_messages TO WARNING"));
            ok = fn(db);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

namespace YearDatabases {

QString productWord()
{
    return QStringLiteral("Qarvel");
}

QString databaseName(const QString &prefix, int year)
{
    return productWord() + prefix.toUpper() + QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

bool parseName(const QString &name, QString *prefix, int *year)
{
    const int word = productWord().size();
    if (name.size() < word + 4 || name.left(word).compare(productWord(), Qt::CaseInsensitive) != 0)
        return false;
    if (prefix)
        *prefix = name.mid(word, name.size() - word - 4).toUpper();
    if (year) {
        bool ok = false;
        const int y = name.right(4).toInt(&ok);
        *year = ok ? y : 0;
    }
    return true;
}

QStringList listDatabases(const ConnectionParams &server, bool *ok, QString *error)
{
    QStringList names;
    bool done = false;
    if (server.engine == DbEngine::SQLite) {
        QDir dir(server.dataDir);
        done = dir.exists();
        if (!done && error)
            *error = tr("The data folder does not exist: %1").arg(server.dataDir);
        for (const QFileInfo &fi : dir.entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files))
            names << fi.completeBaseName();
    } else {
        done = withServer(server, error, [&](QSqlDatabase &db) {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("SELECT datname FROM pg_database WHERE NOT datistemplate"))) {
                if (error)
                    *error = q.lastError().text();
                return false;
            }
            while (q.next())
                names << q.value(0).toString();
            return true;
        });
    }
    names.sort(Qt::CaseInsensitive);
    if (ok)
        *ok = done;
    return names;
}

QList<int> years(const QStringList &databaseNames, const QString &prefix)
{
    QList<int> out;
    for (const QString &name : databaseNames) {
        QString p;
        int y = 0;
        if (parseName(name, &p, &y) && p == prefix.toUpper() && y != 0 && !out.contains(y))
            out << y;
    }
    std::sort(out.begin(), out.end());
    return out;
}

bool exists(const ConnectionParams &params, QString *error)
{
    if (params.engine == DbEngine::SQLite)
        return QFileInfo::exists(params.sqliteFile());
    bool found = false;
    withServer(params, error, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"));
        q.addBindValue(params.database);
        if (!q.exec()) {
            if (error)
                *error = q.lastError().text();
            return false;
        }
        found = q.next();
        return true;
    });
    return found;
}

bool writeTemplateRows(TDataFormSQL &data, QString *error)
{
    // The three system accounts; their names follow the interface language
    // once the program runs.
    struct Row { int id; const char *name; };
    const Row rows[] = {{1, "Capital"}, {2, "Beginning Inventory Cost"}, {3, "Opening Cash"}};
    for (const Row &r : rows) {
        if (!data.DoSqlNEW(QStringLiteral("INSERT INTO \"Address\"(\"ID\",\"AName\",\"Note\",\"CashOnly\") "
                                          "VALUES(?,?,?,?)"),
                           {r.id, QString::fromLatin1(r.name),
                            QStringLiteral("This Acc. can not be changed"), data.boolValue(false)})) {
            if (error)
                *error = data.lastErrorText();
            return false;
        }
    }
    if (!data.ResetSeed(QStringLiteral("ID"), QStringLiteral("Address"))) {
        if (error)
            *error = data.lastErrorText();
        return false;
    }
    return true;
}

bool create(const ConnectionParams &params, QString *error)
{
    if (!safeName(params.database)) {
        if (error)
            *error = tr("Not a valid database name: %1").arg(params.database);
        return false;
    }
    if (exists(params, error)) {
        if (error)
            *error = tr("The database exists already: %1").arg(params.database);
        return false;
    }

    ConnectionParams target = params;
    target.readOnly = false;
    if (params.engine == DbEngine::SQLite) {
        // Build the file under a temporary name and move it in place when it
        // is complete, so a failure never leaves a half-made year behind.
        if (!QDir().mkpath(params.dataDir)) {
            if (error)
                *error = tr("Cannot create the data folder: %1").arg(params.dataDir);
            return false;
        }
        target.database = params.database + QStringLiteral(".part");
        QFile::remove(target.sqliteFile());
        QFile f(target.sqliteFile());
        if (!f.open(QIODevice::WriteOnly)) {
            if (error)
                *error = f.errorString();
            return false;
        }
        f.close();
    } else {
        const bool made = withServer(params, error, [&](QSqlDatabase &db) {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0")
                            .arg(SqlDialect::quote(params.database)))) {
                if (error)
                    *error = q.lastError().text();
                return false;
            }
            return true;
        });
        if (!made)
            return false;
    }

    bool ok = false;
    {
        TDataFormSQL data;
        if (!data.OpenDB(target)) {
            if (error)
                *error = data.lastErrorText();
        } else {
            TTransaction tx(data);
            ok = SchemaUpgrade::createSchema(data, error) && writeTemplateRows(data, error);
            ok = ok && tx.commit();
            if (!ok && error && error->isEmpty())
                *error = data.lastErrorText();
            data.CloseDB();
        }
    }

    if (params.engine == DbEngine::SQLite) {
        const QString part = target.sqliteFile();
        if (ok) {
            QFile::remove(part + QStringLiteral("-wal"));
            QFile::remove(part + QStringLiteral("-shm"));
            ok = QFile::rename(part, params.sqliteFile());
            if (!ok && error)
                *error = tr("Cannot create the file %1").arg(params.sqliteFile());
        }
        if (!ok) {
            QFile::remove(part);
            QFile::remove(part + QStringLiteral("-wal"));
            QFile::remove(part + QStringLiteral("-shm"));
        }
    } else if (!ok) {
        drop(params);
    }
    return ok;
}

bool drop(const ConnectionParams &params, QString *error)
{
    if (params.engine == DbEngine::SQLite) {
        QFile::remove(params.sqliteFile() + QStringLiteral("-wal"));
        QFile::remove(params.sqliteFile() + QStringLiteral("-shm"));
        return QFile::remove(params.sqliteFile());
    }
    if (!safeName(params.database))
        return false;
    return withServer(params, error, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)")
                        .arg(SqlDialect::quote(params.database)))) {
            if (error)
                *error = q.lastError().text();
            return false;
        }
        return true;
    });
}

} // namespace YearDatabases
