#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

class TDataFormSQL;

// Rows of the table "options": one row per setting, keyed by the control
// path in upper case without blanks ("OPTFORM.ZAKAHCHK.CHECKED"), the value
// kept as text.
class OptionsStore
{
public:
    explicit OptionsStore(TDataFormSQL &data);

    static QString normaliseKey(const QString &key);

    // The stored text of key, or fallback when there is no such row. ok is
    // false only when the table could not be read.
    QString load(const QString &key, const QString &fallback = {}, bool *ok = nullptr);
    // Inserts or updates the row of key. Returns success.
    bool save(const QString &key, const QString &value);
    // Every row, keyed by normalised key.
    QHash<QString, QString> loadAll(bool *ok = nullptr);

    // A long secret (FTP user or password) kept in two rows: the first ten
    // characters encoded under key + ".text", the rest in plain under
    // key + ".text0". baseKey is e.g. "OptForm.ftpPEd".
    bool saveSecret(const QString &baseKey, const QString &value);
    QString loadSecret(const QString &baseKey, const QString &fallback = {}, bool *ok = nullptr);
    static QString decodeSecret(const QString &encodedPart, const QString &plainPart);

    QString lastErrorText() const { return m_error; }

private:
    TDataFormSQL &m_data;
    QString m_error;
};
