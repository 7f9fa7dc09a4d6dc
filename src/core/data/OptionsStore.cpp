#include "OptionsStore.h"

#include "TDataFormSQL.h"
#include "shell/Password.h"

#include <QSqlQuery>

OptionsStore::OptionsStore(TDataFormSQL &data)
    : m_data(data)
{
}

QString OptionsStore::normaliseKey(const QString &key)
{
    QString k = key.toUpper();
    k.remove(u' ');
    k.remove(u'\t');
    return k;
}

QString OptionsStore::load(const QString &key, const QString &fallback, bool *ok)
{
    bool done = false;
    QSqlQuery q = m_data.exec(QStringLiteral(R"(SELECT "OValue" FROM "options" WHERE "OName"=? ORDER BY "ID")"),
                              {normaliseKey(key)}, &done);
    if (ok)
        *ok = done;
    if (!done) {
        m_error = m_data.lastErrorText();
        return fallback;
    }
    return q.next() ? q.value(0).toString() : fallback;
}

bool OptionsStore::save(const QString &key, const QString &value)
{
    const QString k = normaliseKey(key);
    bool ok = false;
    const int rows = m_data.scalar(QStringLiteral(R"(SELECT count(*) FROM "options" WHERE "OName"=?)"), {k}, &ok)
                         .toInt();
    if (ok) {
        if (rows == 0)
            ok = m_data.DoSqlNEW(QStringLiteral(R"(INSERT INTO "options"("OName","OValue") VALUES(?,?))"), {k, value});
        else
            ok = m_data.DoSqlNEW(QStringLiteral(R"(UPDATE "options" SET "OValue"=? WHERE "OName"=?)"), {value, k});
    }
    if (!ok)
        m_error = m_data.lastErrorText();
    return ok;
}

QHash<QString, QString> OptionsStore::loadAll(bool *ok)
{
    QHash<QString, QString> all;
    bool done = false;
    QSqlQuery q = m_data.exec(QStringLiteral(R"(SELECT "OName","OValue" FROM "options" ORDER BY "ID")"), {}, &done);
    if (ok)
        *ok = done;
    if (!done) {
        m_error = m_data.lastErrorText();
        return all;
    }
    while (q.next()) {
        const QString k = normaliseKey(q.value(0).toString());
        if (!all.contains(k)) // the oldest row of a key wins, as a single load would
            all.insert(k, q.value(1).toString());
    }
    return all;
}

bool OptionsStore::saveSecret(const QString &baseKey, const QString &value)
{
    const QString head = value.left(Password::kMaxLength);
    const QString rest = value.mid(Password::kMaxLength);
    return save(baseKey + QStringLiteral(".text"), Password::Encode(head))
           && save(baseKey + QStringLiteral(".text0"), rest);
}

QString OptionsStore::decodeSecret(const QString &encodedPart, const QString &plainPart)
{
    bool decoded = false;
    const QString head = Password::Decode(encodedPart, &decoded);
    return (decoded ? head : QString()) + plainPart;
}

QString OptionsStore::loadSecret(const QString &baseKey, const QString &fallback, bool *ok)
{
    bool a = false, b = false;
    const QString marker = QStringLiteral("\x01missing");
    const QString encoded = load(baseKey + QStringLiteral(".text"), marker, &a);
    const QString plain = load(baseKey + QStringLiteral(".text0"), QString(), &b);
    if (ok)
        *ok = a && b;
    if (encoded == marker)
        return fallback;
    return decodeSecret(encoded, plain);
}
