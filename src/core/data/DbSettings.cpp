#include "DbSettings.h"

#include "TextCodec.h"

#include "AppDir.h"
#include "shell/Password.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

constexpr int kDefaultPort = 5432;
constexpr qint64 kMaxFileSize = 64 * 1024; // far more than four lines ever need

// A line holding control characters is not something a person wrote.
bool isGarbled(const QString &line)
{
    for (const QChar ch : line) {
        const char16_t u = ch.unicode();
        if ((u < 0x20 && u != u'\t') || u == 0x7F || u == 0xFFFD)
            return true;
    }
    return false;
}

QString singleLine(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

// "host[:port]", "[v6-address]:port" or a bare v6 address.
void splitServer(const QString &server, QString *host, int *port)
{
    QString h = server.trimmed();
    int p = kDefaultPort;
    QString portText;
    if (h.startsWith(QLatin1Char('['))) {
        const qsizetype close = h.indexOf(QLatin1Char(']'));
        if (close > 0) {
            if (h.mid(close + 1).startsWith(QLatin1Char(':')))
                portText = h.mid(close + 2);
            h = h.mid(1, close - 1);
        }
    } else if (h.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = h.indexOf(QLatin1Char(':'));
        portText = h.mid(colon + 1);
        h.truncate(colon);
    }
    bool ok = false;
    const int parsed = portText.trimmed().toInt(&ok);
    if (ok && parsed > 0 && parsed <= 65535)
        p = parsed;
    if (host)
        *host = h.trimmed();
    if (port)
        *port = p;
}

} // namespace

QString DbSettings::defaultPassword()
{
    return QStringLiteral("12");
}

bool DbSettings::isEmbedded() const
{
    const QString s = server.trimmed();
    return s.isEmpty() || s.compare(QLatin1String("NEW"), Qt::CaseInsensitive) == 0
        || s.compare(QLatin1String("local"), Qt::CaseInsensitive) == 0;
}

QString DbSettings::host() const
{
    if (isEmbedded())
        return {};
    QString h;
    splitServer(server, &h, nullptr);
    return h;
}

int DbSettings::port() const
{
    int p = kDefaultPort;
    if (!isEmbedded())
        splitServer(server, nullptr, &p);
    return p;
}

bool DbSettings::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kMaxFileSize);
    if (file.error() != QFileDevice::NoError)
        return false;
    if (bytes.isEmpty())
        return true;

    QStringList lines = TextCodec::decode(bytes).split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }

    // Line 1: the server.
    if (isGarbled(lines.at(0)))
        return true;
    server = lines.at(0).trimmed();

    // Line 2: the login name.
    if (lines.size() < 2 || isGarbled(lines.at(1)))
        return true;
    const QString name = lines.at(1).trimmed();
    if (!name.isEmpty())
        user = name;

    // Line 3: the encoded password. Its text never starts or ends with a
    // blank, so blanks an editor left around it can go.
    if (lines.size() < 3)
        return true;
    bool ok = false;
    const QString decoded = Password::Decode(lines.at(2).trimmed(), &ok);
    if (ok)
        password = decoded;
    return true;
}

bool DbSettings::save(const QString &path, QString *error) const
{
    const QString eol = QStringLiteral("\r\n");
    const QString text = singleLine(server) + eol + singleLine(user) + eol
        + Password::Encode(password) + eol + singleLine(database) + eol;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

ConnectionParams DbSettings::params(const QString &dataDir, const QString &database) const
{
    ConnectionParams p;
    p.engine = isEmbedded() ? DbEngine::SQLite : DbEngine::PostgreSQL;
    p.dataDir = AppDir::withSeparator(dataDir);
    p.host = host();
    p.port = port();
    p.user = user;
    p.password = password;
    p.database = database;
    return p;
}
