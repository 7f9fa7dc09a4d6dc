#include "ItemClipboard.h"

#include "Documents.h"
#include "data/SqlDialect.h"
#include "data/TDataFormSQL.h"
#include "data/TextCodec.h"
#include "items/Catalogue.h"
#include "shell/AppState.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QSqlQuery>

#include <cmath>

namespace {

// Column sizes of CodeTb and of the line tables.
constexpr int kCodeSize = 20;
constexpr int kDescriptionSize = 100;
constexpr int kNoteSize = 25;

QString q(const QString &identifier)
{
    return SqlDialect::quote(identifier);
}

QList<ClipLine> &clipboard()
{
    static QList<ClipLine> lines;
    return lines;
}

QString numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// A number as this program writes it, or as a workstation with a decimal
// comma did.
std::optional<double> number(const QString &textIn)
{
    const QString text = textIn.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(text, &ok);
    if (!ok && text.count(u',') == 1 && !text.contains(u'.'))
        value = QLocale::c().toDouble(QString(text).replace(u',', u'.'), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString lineTable(DocKind kind, bool products)
{
    const DocumentKind &k = DocumentKinds::get(kind);
    return products && !k.outLineTable.isEmpty() ? k.outLineTable : k.lineTable;
}

} // namespace

// ------------------------------------------------------------------ copy

QList<ClipLine> ItemClipboard::copyLines(TDataFormSQL &data, DocKind kind, int invId, bool products,
                                         QString *error)
{
    QList<ClipLine> out;
    bool ok = false;
    QSqlQuery query =
        data.exec(QStringLiteral(
                      R"(SELECT C."ItemCode", C."Description", C."IsService", L."Quantity", )"
                      R"(L."Rate1", L."Note" FROM %1 L JOIN "CodeTb" C ON C."ItemID" = L."ItemID" )"
                      R"(WHERE L."InvID"=? ORDER BY L."ID")")
                      .arg(q(lineTable(kind, products))),
                  {invId}, &ok);
    if (!ok) {
        setError(error, data.lastErrorText());
        return {};
    }
    while (query.next()) {
        ClipLine l;
        l.ItemCode = query.value(0).toString().trimmed();
        l.Description = query.value(1).toString().trimmed();
        l.IsService = query.value(2).toBool();
        l.Quantity = query.value(3).toDouble();
        l.Rate1 = query.value(4).toDouble();
        l.Note = query.value(5).toString();
        out << l;
    }
    if (error)
        error->clear();
    return out;
}

QList<ClipLine> ItemClipboard::current()
{
    return clipboard();
}

void ItemClipboard::setCurrent(const QList<ClipLine> &lines)
{
    clipboard() = lines;
}

// ----------------------------------------------------------------- paste

bool ItemClipboard::paste(TDataFormSQL &data, DocKind kind, int invId, const QList<ClipLine> &lines,
                          bool products, PasteReport *report, QString *error)
{
    PasteReport done;
    if (report)
        *report = done;
    if (lines.isEmpty())
        return true;
    const DocumentKind &k = DocumentKinds::get(kind);

    // Values the tables cannot hold are refused before anything is written,
    // the same on every engine.
    for (int i = 0; i < lines.size(); ++i) {
        const ClipLine &l = lines[i];
        const QString code = l.ItemCode.trimmed();
        if (code.isEmpty())
            return setError(
                error,
                QCoreApplication::translate("ItemClipboard", "Line %1: the item code is empty.")
                    .arg(i + 1));
        if (code.size() > kCodeSize)
            return setError(
                error,
                QCoreApplication::translate(
                    "ItemClipboard", "Line %1: the item code %2 is longer than %3 characters.")
                    .arg(i + 1)
                    .arg(code)
                    .arg(kCodeSize));
        if (l.Note.size() > kNoteSize)
            return setError(error,
                            QCoreApplication::translate(
                                "ItemClipboard", "Line %1: the note is longer than %2 characters.")
                                .arg(i + 1)
                                .arg(kNoteSize));
        if (!std::isfinite(l.Quantity) || !std::isfinite(l.Rate1))
            return setError(
                error,
                QCoreApplication::translate("ItemClipboard",
                                            "Line %1: the quantity or the rate is not a number.")
                    .arg(i + 1));
    }

    bool ok = false;
    if (data.scalar(
                QStringLiteral(R"(SELECT count(*) FROM %1 WHERE "InvID"=?)").arg(q(k.headerTable)),
                {invId}, &ok)
            .toInt()
        == 0)
        return setError(
            error,
            ok ? QCoreApplication::translate("ItemClipboard", "The document %1 does not exist.")
                     .arg(invId)
               : data.lastErrorText());

    TTransaction tx(data);
    const QString table = lineTable(kind, products);
    for (int i = 0; i < lines.size(); ++i) {
        const ClipLine &l = lines[i];
        const QString code = l.ItemCode.trimmed();
        QVariant itemId = data.scalar(
            QStringLiteral(R"(SELECT "ItemID" FROM "CodeTb" WHERE "ItemCode"=?)"), {code}, &ok);
        if (!ok)
            return setError(error, data.lastErrorText());
        if (itemId.isNull() || !itemId.isValid()) {
            // The item is created in the first kind, so that the catalogue
            // lists it.
            if (done.kindId == 0) {
                const ItemKindRow first = Catalogue(data).firstKind();
                if (first.id == 0)
                    return setError(
                        error,
                        QCoreApplication::translate(
                            "ItemClipboard",
                            "The item %1 is not in this database and there is no item kind to "
                            "create it in. Add an item kind first.")
                            .arg(code));
                done.kindId = first.id;
                done.kindName = first.name;
            }
            const QString description = l.Description.trimmed();
            if (description.size() > kDescriptionSize)
                return setError(
                    error,
                    QCoreApplication::translate(
                        "ItemClipboard", "Line %1: the description is longer than %2 characters.")
                        .arg(i + 1)
                        .arg(kDescriptionSize));
            QSqlQuery created = data.exec(
                QStringLiteral(R"(INSERT INTO "CodeTb" ("ItemCode","Description","IsService",)"
                               R"("Kind") VALUES (?,?,?,?) RETURNING "ItemID")"),
                {code, description, data.boolValue(l.IsService), done.kindId}, &ok);
            if (!ok || !created.next())
                return setError(error, data.lastErrorText());
            itemId = created.value(0);
            created.finish();
            done.createdCodes << code;
        }
        if (!data.DoSqlNEW(
                QStringLiteral(R"(INSERT INTO %1 ("InvID","ItemID","Quantity","Rate1","Note") )"
                               R"(VALUES (?,?,?,?,?))")
                    .arg(q(table)),
                {invId, itemId, l.Quantity, l.Rate1, l.Note}))
            return setError(error, data.lastErrorText());
        ++done.lines;
    }
    Documents documents(data, kind);
    if ((!products && !documents.FindSumP(invId)) || !tx.commit())
        return setError(error, data.lastErrorText());
    if (k.movesStock || !done.createdCodes.isEmpty())
        appState().DataChanged = true;
    if (report)
        *report = done;
    return true;
}

// ------------------------------------------------------------------ text

QStringList ItemClipboard::toText(const QList<ClipLine> &lines)
{
    QStringList text;
    text.reserve(lines.size() * kLinesPerItem);
    for (const ClipLine &l : lines)
        text << l.ItemCode << l.Description
             << (l.IsService ? QStringLiteral("True") : QStringLiteral("False"))
             << numberText(l.Quantity) << numberText(l.Rate1) << l.Note;
    return text;
}

std::optional<QList<ClipLine>> ItemClipboard::fromText(const QStringList &text, int *ignoredLines,
                                                       QString *error)
{
    const qsizetype groups = text.size() / kLinesPerItem;
    if (ignoredLines)
        *ignoredLines = int(text.size() - groups * kLinesPerItem);
    QList<ClipLine> out;
    out.reserve(groups);
    for (qsizetype g = 0; g < groups; ++g) {
        const qsizetype at = g * kLinesPerItem;
        ClipLine l;
        l.ItemCode = text[at].trimmed();
        l.Description = text[at + 1];
        l.IsService = text[at + 2].trimmed().toUpper() == QLatin1String("TRUE");
        const auto quantity = number(text[at + 3]);
        const auto rate = number(text[at + 4]);
        if (!quantity || !rate) {
            setError(error,
                     QCoreApplication::translate(
                         "ItemClipboard", "Line %1 (item %2): the %3 \"%4\" is not a number.")
                         .arg(at + (quantity ? 5 : 4))
                         .arg(l.ItemCode,
                              quantity ? QCoreApplication::translate("ItemClipboard", "rate")
                                       : QCoreApplication::translate("ItemClipboard", "quantity"),
                              quantity ? text[at + 4] : text[at + 3]));
            return std::nullopt;
        }
        l.Quantity = *quantity;
        l.Rate1 = *rate;
        l.Note = text[at + 5];
        out << l;
    }
    return out;
}

// ----------------------------------------------------------------- files

bool ItemClipboard::writeFile(const QString &path, const QList<ClipLine> &lines, QString *error)
{
    QString text;
    for (const QString &line : toText(lines))
        text += line + QStringLiteral("\r\n");
    const std::optional<QByteArray> cp1256 = TextCodec::encodeCp1256(text);
    const QByteArray bytes = cp1256 ? *cp1256 : text.toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return setError(error,
                        QCoreApplication::translate("ItemClipboard", "Can not write %1: %2")
                            .arg(path, file.errorString()));
    return true;
}

std::optional<QList<ClipLine>> ItemClipboard::readFile(const QString &path, QString *error,
                                                       int *ignoredLines)
{
    if (ignoredLines)
        *ignoredLines = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error,
                 QCoreApplication::translate("ItemClipboard", "Can not open %1: %2")
                     .arg(path, file.errorString()));
        return std::nullopt;
    }
    QStringList text = TextCodec::decode(file.readAll()).split(u'\n');
    // The line end of the last line starts no further line.
    if (!text.isEmpty() && text.last().isEmpty())
        text.removeLast();
    for (QString &line : text)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return fromText(text, ignoredLines, error);
}

QString ItemClipboard::ignoredLinesText(int ignoredLines)
{
    if (ignoredLines <= 0)
        return {};
    return QCoreApplication::translate(
               "ItemClipboard",
               "Lines left over at the end of the file: %1. They make no whole item "
               "(six lines each) and were not pasted.")
        .arg(ignoredLines);
}
