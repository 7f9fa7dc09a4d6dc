#pragma once

#include "DocumentKinds.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TDataFormSQL;

// One copied document line. The item travels by its code, so the lines can
// be pasted into a document of any kind in any year database.
struct ClipLine
{
    QString ItemCode;
    QString Description;
    bool IsService = false;
    double Quantity = 0;
    double Rate1 = 0;
    QString Note;

    bool operator==(const ClipLine &) const = default;
};

// What a paste did.
struct PasteReport
{
    int lines = 0;            // lines added to the document
    QStringList createdCodes; // items the database lacked and the paste created
    int kindId = 0;           // the kind given to the created items
    QString kindName;
};

// The item clipboard: copies all lines of a document, pastes them into
// another document, and keeps them in files (".inv": six lines per document
// line: code, description, "True"/"False" for a service, quantity, rate,
// note; Windows-1256 text).
class ItemClipboard
{
public:
    // The lines of a document in grid order (products: the manufacturing
    // products). On failure error (if given) is set and the list is empty;
    // error is emptied on success.
    static QList<ClipLine> copyLines(TDataFormSQL &data, DocKind kind, int invId,
                                     bool products = false, QString *error = nullptr);

    // The clipboard of the running program (empty at start).
    static QList<ClipLine> current();
    static void setCurrent(const QList<ClipLine> &lines);

    // Adds the lines to the document after its existing lines, creating the
    // items the database lacks (with the copied code, description and
    // service flag, in the kind with the smallest ItemKindID), and
    // recomputes the document total. All of it is one transaction: on any
    // failure the database is left as it was, false is returned and error
    // tells why. An empty list adds nothing and succeeds.
    static bool paste(TDataFormSQL &data, DocKind kind, int invId, const QList<ClipLine> &lines,
                      bool products = false, PasteReport *report = nullptr,
                      QString *error = nullptr);

    // -- the text form (one value per line)
    static QStringList toText(const QList<ClipLine> &lines);
    // Only whole groups of six lines count; the number of trailing lines
    // left over goes to ignoredLines. A quantity or rate that is no number
    // gives nothing, with the reason in error.
    static std::optional<QList<ClipLine>>
    fromText(const QStringList &text, int *ignoredLines = nullptr, QString *error = nullptr);

    // -- files
    static QString fileFilter() { return QStringLiteral("*.inv"); }
    static QString fileSuffix() { return QStringLiteral("inv"); }
    // Writes Windows-1256 text with CRLF line ends. A text that the code
    // page cannot hold (beyond Arabic and Latin) is written as UTF-8
    // instead, which readFile reads back, so nothing is lost.
    static bool writeFile(const QString &path, const QList<ClipLine> &lines,
                          QString *error = nullptr);
    // Reads Windows-1256 text, or UTF-8 when the file is valid UTF-8.
    static std::optional<QList<ClipLine>> readFile(const QString &path, QString *error = nullptr,
                                                   int *ignoredLines = nullptr);
    // The message for lines left over at the end of a file ("" for none).
    static QString ignoredLinesText(int ignoredLines);

    static constexpr int kLinesPerItem = 6;
};
