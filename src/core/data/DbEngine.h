#pragma once

#include <QString>

enum class DbEngine { SQLite, PostgreSQL };

// Where and how to reach one year database.
struct ConnectionParams
{
    DbEngine engine = DbEngine::SQLite;
    QString dataDir;  // embedded engine: folder of the <name>.sqlite files (ends in a separator)
    QString host;     // PostgreSQL server
    int port = 5432;
    QString user;
    QString password;
    QString database; // year database name, e.g. QarvelDATA2026
    bool readOnly = false;

    // The file of an embedded year database.
    QString sqliteFile() const { return dataDir + database + QStringLiteral(".sqlite"); }
    // A short human text for messages ("host:port" or the data folder).
    QString serverText() const;
};
