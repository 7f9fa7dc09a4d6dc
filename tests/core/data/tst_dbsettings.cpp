#include "data/AppDir.h"
#include "data/DbSettings.h"
#include "shell/Password.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray encoded(const QString &password)
{
    return Password::Encode(password).toLatin1();
}

} // namespace

class TstDbSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void defaults();
    void saveThenLoadGivesTheSameSettings_data();
    void saveThenLoadGivesTheSameSettings();
    void savedFileHasFourCrLfLines();
    void saveReportsAFailure();
    void missingOrUnreadableFileKeepsDefaults();
    void garbledFileKeepsWhatWasRead_data();
    void garbledFileKeepsWhatWasRead();

    void serverNameChoosesTheEngine_data();
    void serverNameChoosesTheEngine();
    void paramsCarryEverything();

    void dataFolderFromArguments_data();
    void dataFolderFromArguments();
    void dataFolderDefault();
    void dataFolderStartsAtHome();
    void stripDataArgument_data();
    void stripDataArgument();

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QString::fromLatin1(DbSettings::kFileName)); }
};

void TstDbSettings::init()
{
    QVERIFY(m_dir.isValid());
    QFile::remove(path());
}

void TstDbSettings::defaults()
{
    const DbSettings s;
    QCOMPARE(s.server, QStringLiteral("NEW"));
    QCOMPARE(s.user, QStringLiteral("sa"));
    QCOMPARE(s.password, DbSettings::defaultPassword());
    QCOMPARE(DbSettings::defaultPassword().size(), 2);
    QVERIFY(s.isEmbedded());
}

void TstDbSettings::saveThenLoadGivesTheSameSettings_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");

    QTest::newRow("embedded") << "NEW" << "sa" << "12";
    QTest::newRow("server with port") << "db.example:6543" << "owner" << "s3cret!";
    QTest::newRow("empty password") << "10.0.0.5" << "postgres" << "";
    QTest::newRow("ten characters") << "local" << "sa" << "0123456789";
    QTest::newRow("arabic") << QString::fromUtf8("خادم") << QString::fromUtf8("مدير")
                            << QString::fromUtf8("كلمة سر");
}

void TstDbSettings::saveThenLoadGivesTheSameSettings()
{
    QFETCH(QString, server);
    QFETCH(QString, user);
    QFETCH(QString, password);

    DbSettings out;
    out.server = server;
    out.user = user;
    out.password = password;
    out.database = QStringLiteral("QarvelDATA2026");
    QString error;
    QVERIFY2(out.save(path(), &error), qPrintable(error));

    DbSettings in;
    QVERIFY(in.load(path()));
    QCOMPARE(in.server, server);
    QCOMPARE(in.user, user);
    QCOMPARE(in.password, password);
    QCOMPARE(in.isEmbedded(), out.isEmbedded());
}

void TstDbSettings::savedFileHasFourCrLfLines()
{
    DbSettings s;
    s.server = QStringLiteral("db.example");
    s.user = QStringLiteral("owner");
    s.password = QStringLiteral("pw");
    s.database = QStringLiteral("QarvelDATA2026");
    QVERIFY(s.save(path()));

    const QByteArray bytes = readAll(path());
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 4);
    QCOMPARE(bytes.count('\n'), 4);
    const QList<QByteArray> lines = bytes.chopped(2).split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QByteArray("db.example\r"));
    QCOMPARE(lines.at(1), QByteArray("owner\r"));
    QCOMPARE(lines.at(2).size(), Password::kStoredLength + 1);
    QCOMPARE(lines.at(3), QByteArray("QarvelDATA2026"));
    bool ok = false;
    QCOMPARE(Password::Decode(QString::fromLatin1(lines.at(2).chopped(1)), &ok), s.password);
    QVERIFY(ok);

    // Saving again replaces the file as a whole.
    s.server = QStringLiteral("NEW");
    QVERIFY(s.save(path()));
    QVERIFY(readAll(path()).startsWith("NEW\r\nowner\r\n"));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files),
             QStringList{QString::fromLatin1(DbSettings::kFileName)});
}

void TstDbSettings::saveReportsAFailure()
{
    const DbSettings s;
    QString error;
    QVERIFY(!s.save(m_dir.filePath(QStringLiteral("missing/folder/dbOptions.txt")), &error));
    QVERIFY(!error.isEmpty());
}

void TstDbSettings::missingOrUnreadableFileKeepsDefaults()
{
    for (const QString &p : {path(), m_dir.path()}) { // no file; a folder
        DbSettings s;
        QVERIFY(!s.load(p));
        QCOMPARE(s.server, QStringLiteral("NEW"));
        QCOMPARE(s.user, QStringLiteral("sa"));
        QCOMPARE(s.password, DbSettings::defaultPassword());
        QVERIFY(s.isEmbedded());
    }
}

void TstDbSettings::garbledFileKeepsWhatWasRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");

    const QString def = DbSettings::defaultPassword();
    const QByteArray pw = encoded(QStringLiteral("pw1"));
    QByteArray damaged = pw;
    char &marker = damaged[Password::kStoredLength - 3]; // position 3 before reversal
    marker = marker == '1' ? '0' : '1';

    QTest::newRow("empty file") << QByteArray() << "NEW" << "sa" << def;
    QTest::newRow("binary junk") << QByteArray("\x00\x01\xff\xfe\x1b\x02zz\x00\n\x03\x04", 12)
                                 << "NEW" << "sa" << def;
    QTest::newRow("one line") << QByteArray("db.example") << "db.example" << "sa" << def;
    QTest::newRow("one line crlf") << QByteArray("db.example\r\n") << "db.example" << "sa" << def;
    QTest::newRow("two lines") << QByteArray("db.example\r\nowner\r\n") << "db.example" << "owner"
                               << def;
    QTest::newRow("line 3 plain text") << QByteArray("db.example\r\nowner\r\nsecret\r\n")
                                       << "db.example" << "owner" << def;
    QTest::newRow("line 3 damaged") << "db.example\r\nowner\r\n" + damaged + "\r\n"
                                    << "db.example" << "owner" << def;
    QTest::newRow("junk in line 2") << "db.example\r\now\x01ner\r\n" + pw << "db.example" << "sa"
                                    << def;
    QTest::newRow("empty line 2") << "db.example\r\n\r\n" + pw << "db.example" << "sa" << "pw1";
    QTest::newRow("lf only") << "db.example\nowner\n" + pw + "\nQarvelDATA2026\n" << "db.example"
                             << "owner" << "pw1";
    QTest::newRow("blanks around") << "  db.example \r\n owner \r\n " + pw + "  \r\n"
                                   << "db.example" << "owner" << "pw1";
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF" "db.example\r\nowner\r\n" + pw
                                     << "db.example" << "owner" << "pw1";
    const QString arabicName = QString::fromUtf8("مدير");
    const QByteArray ansiName = QStringEncoder("windows-1256").encode(arabicName);
    QTest::newRow("ansi arabic name") << "NEW\r\n" + ansiName + "\r\n" + pw << "NEW" << arabicName
                                      << "pw1";
}

void TstDbSettings::garbledFileKeepsWhatWasRead()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, server);
    QFETCH(QString, user);
    QFETCH(QString, password);

    QVERIFY(writeAll(path(), content));
    DbSettings s;
    QVERIFY(s.load(path()));
    QCOMPARE(s.server, server);
    QCOMPARE(s.user, user);
    QCOMPARE(s.password, password);
}

void TstDbSettings::serverNameChoosesTheEngine_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("embedded");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");

    QTest::newRow("NEW") << "NEW" << true << "" << 5432;
    QTest::newRow("new") << " new " << true << "" << 5432;
    QTest::newRow("empty") << "" << true << "" << 5432;
    QTest::newRow("blank") << "   " << true << "" << 5432;
    QTest::newRow("local") << "local" << true << "" << 5432;
    QTest::newRow("LOCAL ") << "LOCAL " << true << "" << 5432;
    QTest::newRow("host and port") << "db.example:6543" << false << "db.example" << 6543;
    QTest::newRow("address") << "10.0.0.5" << false << "10.0.0.5" << 5432;
    QTest::newRow("localhost") << "localhost" << false << "localhost" << 5432;
    QTest::newRow("word starting with new") << "newserver" << false << "newserver" << 5432;
    QTest::newRow("bad port") << "db.example:x" << false << "db.example" << 5432;
    QTest::newRow("port out of range") << "db.example:70000" << false << "db.example" << 5432;
    QTest::newRow("v6 with port") << "[::1]:5433" << false << "::1" << 5433;
    QTest::newRow("v6 bare") << "fe80::1" << false << "fe80::1" << 5432;
}

void TstDbSettings::serverNameChoosesTheEngine()
{
    QFETCH(QString, server);
    QFETCH(bool, embedded);
    QFETCH(QString, host);
    QFETCH(int, port);

    DbSettings s;
    s.server = server;
    QCOMPARE(s.isEmbedded(), embedded);
    QCOMPARE(s.host(), host);
    QCOMPARE(s.port(), port);
    const ConnectionParams p = s.params(m_dir.path(), QStringLiteral("QarvelDATA2026"));
    QCOMPARE(p.engine, embedded ? DbEngine::SQLite : DbEngine::PostgreSQL);
    QCOMPARE(p.host, host);
    QCOMPARE(p.port, port);
}

void TstDbSettings::paramsCarryEverything()
{
    DbSettings s;
    s.user = QStringLiteral("owner");
    s.password = QStringLiteral("pw");
    ConnectionParams p = s.params(QStringLiteral("/srv/qarvel"), QStringLiteral("QarvelDATA2026"));
    QCOMPARE(p.engine, DbEngine::SQLite);
    QCOMPARE(p.dataDir, QStringLiteral("/srv/qarvel/"));
    QCOMPARE(p.database, QStringLiteral("QarvelDATA2026"));
    QCOMPARE(p.user, QStringLiteral("owner"));
    QCOMPARE(p.password, QStringLiteral("pw"));
    QCOMPARE(p.sqliteFile(), QStringLiteral("/srv/qarvel/QarvelDATA2026.sqlite"));
    QCOMPARE(p.serverText(), QStringLiteral("data folder /srv/qarvel/"));
    QVERIFY(!p.readOnly);

    s.server = QStringLiteral("db.example:6543");
    p = s.params(QStringLiteral("/srv/qarvel/"), QStringLiteral("QarvelDATA2025"));
    QCOMPARE(p.engine, DbEngine::PostgreSQL);
    QCOMPARE(p.dataDir, QStringLiteral("/srv/qarvel/"));
    QCOMPARE(p.database, QStringLiteral("QarvelDATA2025"));
    QCOMPARE(p.serverText(), QStringLiteral("db.example:6543"));
    s.server = QStringLiteral("10.0.0.5");
    QCOMPARE(s.params(QString(), QString()).serverText(), QStringLiteral("10.0.0.5:5432"));
}

void TstDbSettings::dataFolderFromArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("relative"); // to the temporary folder

    QTest::newRow("--data DIR") << QStringList{"qarvel", "--data", "@/a"} << "a";
    QTest::newRow("--data=DIR") << QStringList{"qarvel", "--data=@/b"} << "b";
    QTest::newRow("trailing slash") << QStringList{"qarvel", "--data=@/c/"} << "c";
    QTest::newRow("nested, created") << QStringList{"qarvel", "--data", "@/d/e/f"} << "d/e/f";
    QTest::newRow("relative") << QStringList{"qarvel", "--data", "rel/x"} << "rel/x";
    QTest::newRow("dot segments") << QStringList{"qarvel", "--data", "@/g/../h"} << "h";
    QTest::newRow("last wins") << QStringList{"qarvel", "--data=@/i", "--data", "@/j"} << "j";
    QTest::newRow("among others") << QStringList{"qarvel", "--lang", "ar", "--data", "@/k", "-x"}
                                  << "k";
}

void TstDbSettings::dataFolderFromArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, relative);

    const QString base = QDir(m_dir.path()).canonicalPath();
    for (QString &arg : arguments)
        arg.replace(QLatin1Char('@'), base);
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(base));
    const QString dir = AppDir::fromArguments(arguments);
    QDir::setCurrent(previous);

    QCOMPARE(dir, base + QLatin1Char('/') + relative + QLatin1Char('/'));
    QVERIFY(QFileInfo(dir).isDir());
}

void TstDbSettings::dataFolderDefault()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Qarvel"));
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/');
    QVERIFY(expected.endsWith(QStringLiteral("/Qarvel/")));

    QCOMPARE(AppDir::defaultDir(), expected);
    QVERIFY(QFileInfo(expected).isDir());
    QCOMPARE(AppDir::fromArguments({"qarvel"}), expected);
    QCOMPARE(AppDir::fromArguments({}), expected);
    QCOMPARE(AppDir::fromArguments({"qarvel", "--data"}), expected);   // no value
    QCOMPARE(AppDir::fromArguments({"qarvel", "--data="}), expected);
    QCOMPARE(AppDir::fromArguments({"qarvel", "--database=/x"}), expected);
}

void TstDbSettings::dataFolderStartsAtHome()
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    const QString dir = AppDir::fromArguments({"qarvel", "--data=~/qv"});
    qputenv("HOME", home);
    QCOMPARE(dir, QDir::cleanPath(m_dir.path()) + QStringLiteral("/qv/"));
}

void TstDbSettings::stripDataArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("rest");

    QTest::newRow("none") << QStringList{"qarvel", "-x"} << QStringList{"qarvel", "-x"};
    QTest::newRow("separate") << QStringList{"qarvel", "--data", "/d", "-x"}
                              << QStringList{"qarvel", "-x"};
    QTest::newRow("joined") << QStringList{"qarvel", "--data=/d", "-x"}
                            << QStringList{"qarvel", "-x"};
    QTest::newRow("both") << QStringList{"qarvel", "--data=/d", "a", "--data", "/e", "b"}
                          << QStringList{"qarvel", "a", "b"};
    QTest::newRow("dangling") << QStringList{"qarvel", "--data"} << QStringList{"qarvel"};
    QTest::newRow("look-alike kept") << QStringList{"qarvel", "--database", "x"}
                                     << QStringList{"qarvel", "--database", "x"};
}

void TstDbSettings::stripDataArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, rest);
    QCOMPARE(AppDir::stripDataArgument(arguments), rest);
}

QTEST_GUILESS_MAIN(TstDbSettings)
#include "tst_dbsettings.moc"
