#pragma once

#include <QByteArray>
#include <QString>

class TDataFormSQL;

// The import of items from the text file all.txt: one item a line as
// "code;description;kind number", no header line. The file is read as
// Windows-1256 text, or as UTF-8 when it is valid UTF-8.
class ItemImport
{
public:
    explicit ItemImport(TDataFormSQL &data);

    static QString fileName() { return QStringLiteral("all.txt"); }
    // The import file of a data folder (AppDir).
    static QString pathIn(const QString &dataDir);

    struct Result
    {
        bool completed = false; // every line was read
        int errorLine = 0;      // the line that stopped the import (from 1), 0 when none
        int mustBeAdded = 0;    // lines sent to the database
        int reallyAdded = 0;    // growth of the item count
        QString message;        // what the user is told
    };

    Result importFile(const QString &path);
    Result importBytes(const QByteArray &bytes);

    // The text of the file's bytes (UTF-8 when valid, else Windows-1256).
    static QString decode(const QByteArray &bytes);

private:
    TDataFormSQL &m_data;
};
