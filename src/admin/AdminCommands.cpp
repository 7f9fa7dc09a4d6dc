#include "AdminCommands.h"

#include "accounts/AmountInWords.h"
#include "data/AppDir.h"
#include "data/DataGenerator.h"
#include "data/DbSettings.h"
#include "data/SchemaUpgrade.h"
#include "data/TDataFormSQL.h"
#include "data/YearDatabases.h"
#include "items/StockReport.h"
#include "items/ItemImport.h"
#include "shell/AppState.h"
#include "shell/Clock.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Takes "--name VALUE" (or "--name=VALUE") out of args.
QString takeOption(QStringList &args, const QString &name, const QString &fallback = {})
{
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == name && i + 1 < args.size()) {
            const QString value = args[i + 1];
            args.remove(i, 2);
            return value;
        }
        if (args[i].startsWith(name + u'=')) {
            const QString value = args[i].mid(name.size() + 1);
            args.remove(i);
            return value;
        }
    }
    return fallback;
}

QString cell(const QVariant &v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    QString text = v.toString();
    text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    return text;
}

} // namespace

AdminCommands::AdminCommands(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

bool AdminCommands::fail(const QString &message)
{
    m_err << "qarvel-admin: " << message << Qt::endl;
    return false;
}

int AdminCommands::usage(int status)
{
    QTextStream &s = status == 0 ? m_out : m_err;
    s << "usage: qarvel-admin [--data DIR] COMMAND ...\n"
         "  list-years [--company PREFIX]     years present for a company (default DATA)\n"
         "  create-year [--company PREFIX] YEAR\n"
         "                                    make a new year database from the template\n"
         "  upgrade NAME                      bring a year database to the current schema\n"
         "  query NAME \"SELECT ...\"           read-only query, tab-separated with a header\n"
         "  schema NAME                       tables, columns, keys and indexes of a database\n"
         "  set-connection SERVER [USER]      write dbOptions.txt: SERVER is NEW (embedded) or\n"
         "                                    host[:port] of a PostgreSQL server; the password\n"
         "                                    is read from QARVEL_PASSWORD\n"
         "  words AMOUNT [--currency UAE|SYR] the amount in words: English line, then Arabic\n"
         "  stock NAME [--up-to dd/mm/yyyy] [--decimals N]\n"
         "                                    recompute the stock list (tab-separated), value last\n"
         "  generate NAME [--items N] [--accounts N] [--documents N] [--lines N] [--vouchers N] [--seed S]\n"
         "                                    fill a year database without documents with test data\n"
         "  import-items NAME FILE            add the items of FILE (code;description;kind number a line)\n"
         "  print NAME KIND INVID --pdf FILE [--lang ar|en] [--paper page|58|80]\n"
         "                                    a document (kind 1-5) as a PDF with the stored print design\n"
         "NAME is a year database name such as QarvelDATA2026. The connection comes from\n"
         "dbOptions.txt of the data folder (the embedded engine when there is none)."
      << Qt::endl;
    return status;
}

int AdminCommands::run(const QStringList &arguments)
{
    m_dataDir = AppDir::fromArguments(arguments);
    QStringList args = AppDir::stripDataArgument(arguments);
    if (args.isEmpty() || args.first() == u"help" || args.first() == u"--help")
        return usage(args.isEmpty() ? 2 : 0);
    appState().AppDir = m_dataDir;
    appState().refreshToday();
    const QString command = args.takeFirst();
    if (command == u"list-years")
        return listYears(args);
    if (command == u"create-year")
        return createYear(args);
    if (command == u"upgrade")
        return upgrade(args);
    if (command == u"query")
        return query(args);
    if (command == u"schema")
        return schema(args);
    if (command == u"set-connection")
        return setConnection(args);
    if (command == u"words")
        return words(args);
    if (command == u"stock")
        return stock(args);
    if (command == u"generate")
        return generate(args);
    if (command == u"import-items")
        return importItems(args);
    if (command == u"print")
        return print(args);
    fail(QStringLiteral("unknown command: %1").arg(command));
    return usage(2);
}

namespace {
ConnectionParams connectionFor(const QString &dataDir, const QString &database)
{
    DbSettings settings;
    settings.load(dataDir + QLatin1String(DbSettings::kFileName));
    return settings.params(dataDir, database);
}
} // namespace

int AdminCommands::listYears(const QStringList &argsIn)
{
    QStringList args = argsIn;
    const QString prefix = takeOption(args, QStringLiteral("--company"), QStringLiteral("DATA")).toUpper();
    if (!args.isEmpty())
        return usage(2);
    const ConnectionParams server = connectionFor(m_dataDir, {});
    bool ok = false;
    QString error;
    const QStringList names = YearDatabases::listDatabases(server, &ok, &error);
    if (!ok)
        return fail(QStringLiteral("cannot list the databases of %1: %2").arg(server.serverText(), error)), 1;
    for (int year : YearDatabases::years(names, prefix))
        m_out << year << '\t' << YearDatabases::databaseName(prefix, year) << '\n';
    m_out.flush();
    return 0;
}

int AdminCommands::createYear(const QStringList &argsIn)
{
    QStringList args = argsIn;
    const QString prefix = takeOption(args, QStringLiteral("--company"), QStringLiteral("DATA")).toUpper();
    if (args.size() != 1)
        return usage(2);
    bool isNumber = false;
    const int year = args.first().toInt(&isNumber);
    if (!isNumber || year < 1900 || year > 9999)
        return fail(QStringLiteral("not a year: %1").arg(args.first())), 2;
    static const QRegularExpression prefixRe(QStringLiteral("^[A-Z0-9_]{1,20}$"));
    if (!prefixRe.match(prefix).hasMatch())
        return fail(QStringLiteral("not a company prefix: %1").arg(prefix)), 2;
    const QString name = YearDatabases::databaseName(prefix, year);
    const ConnectionParams params = connectionFor(m_dataDir, name);
    QString error;
    if (!YearDatabases::create(params, &error))
        return fail(QStringLiteral("cannot create %1: %2").arg(name, error)), 1;
    m_out << "created " << name;
    if (params.engine == DbEngine::SQLite)
        m_out << " (" << params.sqliteFile() << ")";
    else
        m_out << " on " << params.serverText();
    m_out << Qt::endl;
    return 0;
}

int AdminCommands::upgrade(const QStringList &args)
{
    if (args.size() != 1)
        return usage(2);
    TDataFormSQL data;
    if (!data.OpenDB(connectionFor(m_dataDir, args.first())))
        return fail(QStringLiteral("cannot open %1: %2").arg(args.first(), data.lastErrorText())), 1;
    const SchemaUpgrade::Result r = SchemaUpgrade::DataMaintain(data);
    for (const QString &step : r.done)
        m_out << "done: " << step << '\n';
    if (!r.ok)
        return fail(QStringLiteral("upgrade of %1 failed: %2").arg(args.first(), r.error)), 1;
    m_out << args.first() << ": schema version " << r.fromVersion << " -> " << r.toVersion << Qt::endl;
    return 0;
}

int AdminCommands::query(const QStringList &args)
{
    if (args.size() != 2)
        return usage(2);
    const QString sql = args[1].trimmed();
    static const QRegularExpression readOnly(QStringLiteral("^(select|with|values)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (!readOnly.match(sql).hasMatch())
        return fail(QStringLiteral("only read-only queries (SELECT ...) are accepted")), 2;
    ConnectionParams params = connectionFor(m_dataDir, args[0]);
    params.readOnly = true;
    TDataFormSQL data;
    if (!data.OpenDB(params))
        return fail(QStringLiteral("cannot open %1: %2").arg(args[0], data.lastErrorText())), 1;
    // Prepared, so that a second statement after the first is refused too;
    // the connection itself is read-only.
    QSqlQuery q(data.database());
    q.setForwardOnly(true);
    if (!q.prepare(sql) || !q.exec())
        return fail(QStringLiteral("query failed: %1").arg(q.lastError().text())), 1;
    const QSqlRecord rec = q.record();
    QStringList header;
    for (int i = 0; i < rec.count(); ++i)
        header << rec.fieldName(i);
    m_out << header.join(u'\t') << '\n';
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < rec.count(); ++i)
            row << cell(q.value(i));
        m_out << row.join(u'\t') << '\n';
    }
    m_out.flush();
    return 0;
}

int AdminCommands::schema(const QStringList &args)
{
    if (args.size() != 1)
        return usage(2);
    ConnectionParams params = connectionFor(m_dataDir, args.first());
    params.readOnly = true;
    TDataFormSQL data;
    if (!data.OpenDB(params))
        return fail(QStringLiteral("cannot open %1: %2").arg(args.first(), data.lastErrorText())), 1;
    for (const QString &line : SchemaUpgrade::describe(data))
        m_out << line << '\n';
    m_out.flush();
    return 0;
}

int AdminCommands::words(const QStringList &argsIn)
{
    QStringList args = argsIn;
    const QString country = takeOption(args, QStringLiteral("--currency"), QStringLiteral("UAE"));
    const std::optional<Currency> currency = Currency::preset(country);
    if (!currency)
        return fail(QStringLiteral("unknown currency: %1 (UAE or SYR)").arg(country)), 2;
    if (args.size() != 1)
        return usage(2);
    const AmountWords w = AmountInWords(args.first(), *currency);
    m_out << w.English << '\n' << w.Arabic << Qt::endl;
    return 0;
}

int AdminCommands::setConnection(const QStringList &args)
{
    if (args.isEmpty() || args.size() > 2)
        return usage(2);
    DbSettings settings;
    settings.load(m_dataDir + QLatin1String(DbSettings::kFileName));
    settings.server = args[0];
    if (args.size() > 1)
        settings.user = args[1];
    if (qEnvironmentVariableIsSet("QARVEL_PASSWORD"))
        settings.password = qEnvironmentVariable("QARVEL_PASSWORD");
    QString error;
    if (!settings.save(m_dataDir + QLatin1String(DbSettings::kFileName), &error))
        return fail(QStringLiteral("cannot write the settings: %1").arg(error)), 1;
    m_out << "connection: " << (settings.isEmbedded() ? QStringLiteral("embedded (%1)").arg(m_dataDir)
                                                      : settings.host() + u':' + QString::number(settings.port()))
          << Qt::endl;
    return 0;
}

int AdminCommands::generate(const QStringList &argsIn)
{
    QStringList args = argsIn;
    DataGeneratorOptions o;
    struct Count
    {
        const char *option;
        qint64 value;
    };
    Count counts[] = {{"--items", o.items},   {"--accounts", o.accounts}, {"--documents", o.documents},
                      {"--lines", o.lines},   {"--vouchers", o.vouchers}, {"--seed", qint64(o.seed)}};
    for (Count &c : counts) {
        const QString text = takeOption(args, QString::fromLatin1(c.option));
        if (text.isEmpty())
            continue;
        bool isNumber = false;
        c.value = text.toLongLong(&isNumber);
        if (!isNumber || c.value < 0 || (c.value > 100000000 && qstrcmp(c.option, "--seed") != 0))
            return fail(QStringLiteral("%1 needs a whole number >= 0: %2").arg(QLatin1String(c.option), text)), 2;
    }
    if (args.size() != 1 || args.first().startsWith(u'-'))
        return usage(2);
    o.items = int(counts[0].value);
    o.accounts = int(counts[1].value);
    o.documents = int(counts[2].value);
    o.lines = counts[3].value;
    o.vouchers = int(counts[4].value);
    o.seed = quint64(counts[5].value);

    const QString name = args.first();
    QString prefix;
    int year = 0;
    if (!YearDatabases::parseName(name, &prefix, &year) || year < 1900)
        return fail(QStringLiteral("not a year database name: %1").arg(name)), 2;
    const ConnectionParams params = connectionFor(m_dataDir, name);
    QString error;
    if (!YearDatabases::exists(params, &error)) {
        if (!error.isEmpty() || !YearDatabases::create(params, &error))
            return fail(QStringLiteral("cannot create %1: %2").arg(name, error)), 1;
        m_out << "created " << name << Qt::endl;
    }
    TDataFormSQL data;
    if (!data.OpenDB(params))
        return fail(QStringLiteral("cannot open %1: %2").arg(name, data.lastErrorText())), 1;
    bool ok = false;
    const qint64 documents = DataGenerator::documentCount(data, &ok);
    if (!ok)
        return fail(QStringLiteral("cannot read the documents of %1: %2").arg(name, data.lastErrorText())), 1;
    if (documents > 0)
        return fail(QStringLiteral("%1 already holds %2 documents; generate fills only a year database without "
                                   "documents").arg(name).arg(documents)), 1;

    DataGenerator generator(data, o);
    generator.setProgress([this](const QString &stage, qint64 done, qint64 total) {
        m_out << stage << ' ' << done << '/' << total << Qt::endl;
    });
    if (!generator.run(&error)) {
        fail(QStringLiteral("generation stopped: %1").arg(error));
        if (generator.summary().committedRows > 0)
            fail(QStringLiteral("the %1 rows written before stay in %2").arg(generator.summary().committedRows).arg(name));
        return 1;
    }
    const DataGenerator::Summary &s = generator.summary();
    for (auto it = s.rows.cbegin(); it != s.rows.cend(); ++it)
        m_out << it.key() << '\t' << it.value() << '\n';
    for (const QString &note : s.notes)
        m_out << "note: " << note << '\n';
    QStringList steps;
    for (const auto &[stage, ms] : s.stageMs)
        steps << QStringLiteral("%1 %2 s").arg(stage, QString::number(ms / 1000.0, 'f', 1));
    m_out << "time: " << steps.join(QStringLiteral(", ")) << '\n';
    const double seconds = std::max<qint64>(s.elapsedMs, 1) / 1000.0;
    m_out << name << ": " << s.totalRows << " rows for " << s.year << " in " << QString::number(seconds, 'f', 1)
          << " s (" << qint64(s.totalRows / seconds) << " rows/s)" << Qt::endl;
    return 0;
}

int AdminCommands::stock(const QStringList &argsIn)
{
    QStringList args = argsIn;
    const QString upToText = takeOption(args, QStringLiteral("--up-to"));
    bool isNumber = false;
    const int decimals = takeOption(args, QStringLiteral("--decimals"), QStringLiteral("2")).toInt(&isNumber);
    if (args.size() != 1 || args.first().startsWith(u'-') || !isNumber || decimals < 0 || decimals > 6)
        return usage(2);
    const QDate upTo = StockReport::parseDay(upToText);
    if (!upToText.isEmpty() && !upTo.isValid())
        return fail(QStringLiteral("not a date (dd/mm/yyyy): %1").arg(upToText)), 2;
    TDataFormSQL data;
    if (!data.OpenDB(connectionFor(m_dataDir, args.first())))
        return fail(QStringLiteral("cannot open %1: %2").arg(args.first(), data.lastErrorText())), 1;
    QStringList lines;
    QString error;
    if (!StockReport::make(data, upTo, decimals, &lines, &error))
        return fail(QStringLiteral("stock computation failed: %1").arg(error)), 1;
    for (const QString &line : lines)
        m_out << line << '\n';
    m_out.flush();
    return 0;
}

int AdminCommands::importItems(const QStringList &args)
{
    if (args.size() != 2 || args.first().startsWith(u'-'))
        return usage(2);
    TDataFormSQL data;
    if (!data.OpenDB(connectionFor(m_dataDir, args.first())))
        return fail(QStringLiteral("cannot open %1: %2").arg(args.first(), data.lastErrorText())), 1;
    const ItemImport::Result r = ItemImport(data).importFile(args[1]);
    if (!r.completed)
        return fail(r.message), 1;
    m_out << r.message << Qt::endl;
    return r.mustBeAdded == r.reallyAdded ? 0 : 3;
}
