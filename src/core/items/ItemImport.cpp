#include "ItemImport.h"

#include "data/TDataFormSQL.h"
#include "data/TextCodec.h"
#include "shell/AppState.h"

#include <QFile>

ItemImport::ItemImport(TDataFormSQL &data)
    : m_data(data)
{
}

QString ItemImport::pathIn(const QString &dataDir)
{
    QString dir = dataDir;
    if (!dir.isEmpty() && !dir.endsWith(u'/') && !dir.endsWith(u'\\'))
        dir += u'/';
    return dir + fileName();
}

QString ItemImport::decode(const QByteArray &bytes)
{
    return TextCodec::decode(bytes);
}

ItemImport::Result ItemImport::importFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Result r;
        r.message = QStringLiteral("Can not open %1: %2").arg(path, file.errorString());
        return r;
    }
    return importBytes(file.readAll());
}

ItemImport::Result ItemImport::importBytes(const QByteArray &bytes)
{
    Result r;
    QStringList lines = decode(bytes).split(u'\n');
    // A final line feed ends the last line; it does not start another one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const auto count = [this] {
        return m_data.scalar(QStringLiteral(R"(SELECT count(*) FROM "CodeTb")")).toInt();
    };
    const int before = count();

    TTransaction all(m_data);
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const int lineNo = i + 1;
        const qsizetype first = line.indexOf(u';');
        const qsizetype second = first < 0 ? -1 : line.indexOf(u';', first + 1);
        const QString code = first < 0 ? line.trimmed() : line.left(first).trimmed();
        const QString description = first < 0 ? QString()
                                    : second < 0 ? line.mid(first + 1).trimmed()
                                                 : line.mid(first + 1, second - first - 1).trimmed();
        const QString kindText = second < 0 ? QString() : line.mid(second + 1).trimmed();

        bool isInt = false;
        const int kind = kindText.toInt(&isInt);
        QVariant found;
        if (isInt)
            found = m_data.scalar(QStringLiteral(R"(SELECT "ItemKindID" FROM "ItemKind" WHERE "ItemKindID" = ?)"),
                                  {kind});
        if (!isInt || !found.isValid() || found.isNull()) {
            r.errorLine = lineNo;
            r.message = QStringLiteral("Error in Item Kind, Line: %1").arg(lineNo);
            break;
        }
        if (code.isEmpty() || description.isEmpty()) {
            r.errorLine = lineNo;
            r.message = QStringLiteral("Error in Line: %1").arg(lineNo);
            break;
        }
        // A line the database refuses (a code already there) is left out
        // alone; the report shows the difference.
        TTransaction one(m_data);
        if (m_data.DoSqlNEW(QStringLiteral(R"(INSERT INTO "CodeTb" ("ItemCode","Description","Kind") VALUES (?,?,?))"),
                            {code, description, kind}))
            one.commit();
        ++r.mustBeAdded;
    }
    all.commit();
    r.reallyAdded = count() - before;
    if (r.reallyAdded > 0)
        appState().DataChanged = true;
    if (r.errorLine == 0) {
        r.completed = true;
        r.message = QStringLiteral("Must Be Added: %1   Really Added:%2").arg(r.mustBeAdded).arg(r.reallyAdded);
    }
    return r;
}
