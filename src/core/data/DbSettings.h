#pragma once

#include "DbEngine.h"

#include <QString>

// The connection settings file dbOptions.txt of the data folder:
//   line 1  server: "NEW", empty or "local" = the embedded engine,
//           anything else a PostgreSQL server "host[:port]"
//   line 2  login name
//   line 3  password in the 808-character encoded form
//   line 4  database name (written for information, never read back)
struct DbSettings
{
    static constexpr const char *kFileName = "dbOptions.txt";
    static QString defaultPassword();

    QString server = QStringLiteral("NEW");
    QString user = QStringLiteral("sa");
    QString password = defaultPassword();
    QString database; // line 4 only

    bool isEmbedded() const;
    QString host() const;
    int port() const; // 5432 unless "host:port"

    // Reads lines 1..3. A missing or unreadable file, or a garbled line,
    // leaves the values read so far (defaults for the rest). Returns true
    // when the file was there and readable.
    bool load(const QString &path);
    bool save(const QString &path, QString *error = nullptr) const;

    // Connection parameters for the year database `database` of dataDir.
    ConnectionParams params(const QString &dataDir, const QString &database) const;
};
