#pragma once

#include "GridReport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A grid's table as text for a spreadsheet: tab-separated for the
// clipboard, a CSV file, or a real workbook (.xlsx).
namespace GridExport {

// Which columns: all of them (hidden ones too) or those shown.
enum class Columns { All, Shown };

// The titles, then one line per row, tab-separated and joined by line
// breaks; an empty value is written as one blank. Tabs and line breaks
// inside a value become blanks so the table keeps its shape.
QString toTsv(const Print::GridTable &table, Columns columns = Columns::All);

// CSV (comma-separated, quoted where needed, CRLF lines), UTF-8 with a
// byte-order mark so spreadsheets read Arabic right.
QByteArray toCsv(const Print::GridTable &table, Columns columns = Columns::Shown);
// Reads CSV back (with or without the byte-order mark).
QList<QStringList> parseCsv(const QByteArray &csv);

bool writeCsv(const Print::GridTable &table, const QString &fileName, QString *error = nullptr);
// A workbook of one sheet: the titles in bold, numbers as numbers, the
// sheet right to left for a right-to-left grid.
bool writeXlsx(const Print::GridTable &table, const QString &fileName,
               const QString &sheetName = QString(), QString *error = nullptr);

} // namespace GridExport
