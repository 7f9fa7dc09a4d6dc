#include "AddressBook.h"

#include "data/TDataFormSQL.h"
#include "documents/DocumentKinds.h"
#include "shell/AppState.h"

#include <QSqlQuery>
#include <QStringList>

namespace {

const QString kLf = QStringLiteral("\n\r");

// Text of a column without the padding some engines add.
QString trimmedRight(const QVariant &v)
{
    QString s = v.toString();
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    s.truncate(n);
    return s;
}

// A LIKE pattern that matches the fragment anywhere, in lower case, with
// the wildcards of the fragment taken literally (escape character '!').
QString containsPattern(const QString &fragment)
{
    QString escaped;
    escaped.reserve(fragment.size() + 2);
    for (QChar c : fragment.toLower()) {
        if (c == u'%' || c == u'_' || c == u'!')
            escaped += u'!';
        escaped += c;
    }
    return u'%' + escaped + u'%';
}

const char kSelect[] = R"(SELECT "ID", "AName", "Telno1", "Telno2", "Fax", "Adress", "Kind", "Note", "CashOnly")"
                       R"( FROM "Address")";

AccountRow readRow(const QSqlQuery &q)
{
    AccountRow r;
    r.id = q.value(0).toInt();
    r.name = trimmedRight(q.value(1));
    r.tel1 = trimmedRight(q.value(2));
    r.tel2 = trimmedRight(q.value(3));
    r.fax = trimmedRight(q.value(4));
    r.address = trimmedRight(q.value(5));
    r.kind = trimmedRight(q.value(6));
    r.note = trimmedRight(q.value(7));
    r.cashOnly = q.value(8).toBool();
    return r;
}

} // namespace

AddressBook::AddressBook(TDataFormSQL &data)
    : m_data(data)
{
}

QString AddressBook::text(const char *english, const char *arabic)
{
    return QString::fromUtf8(appState().IsArabic ? arabic : english);
}

std::vector<AccountRow> AddressBook::list(const QString &fragment, bool *ok) const
{
    std::vector<AccountRow> rows;
    QString sql = QString::fromLatin1(kSelect) + QStringLiteral(R"( WHERE "ID" > ?)");
    QVariantList values{kLastSystemAccount};
    if (!fragment.isEmpty()) {
        sql += QStringLiteral(R"( AND (lower("AName") LIKE ? ESCAPE '!' OR lower("Telno1") LIKE ? ESCAPE '!')"
                              R"( OR lower("Kind") LIKE ? ESCAPE '!'))");
        const QString pattern = containsPattern(fragment);
        values << pattern << pattern << pattern;
    }
    sql += QStringLiteral(R"( ORDER BY "AName", "ID")");
    bool done = false;
    QSqlQuery q = m_data.exec(sql, values, &done);
    if (ok)
        *ok = done;
    if (!done) {
        m_error = m_data.lastErrorText();
        return rows;
    }
    while (q.next())
        rows.push_back(readRow(q));
    return rows;
}

bool AddressBook::account(int id, AccountRow *out) const
{
    bool done = false;
    QSqlQuery q = m_data.exec(QString::fromLatin1(kSelect) + QStringLiteral(R"( WHERE "ID" = ?)"), {id}, &done);
    if (!done || !q.next())
        return false;
    if (out)
        *out = readRow(q);
    return true;
}

bool AddressBook::nameExists(const QString &name, int exceptId) const
{
    bool ok = false;
    const QVariant hit = m_data.scalar(QStringLiteral(R"(SELECT "ID" FROM "Address" WHERE "AName" = ? AND "ID" <> ?)"),
                                       {name, exceptId}, &ok);
    // When the question cannot be answered the name counts as taken.
    return !ok || (hit.isValid() && !hit.isNull());
}

AddressBook::Outcome AddressBook::save(const AccountRow &row)
{
    Outcome out;
    const QString failed = text("Error ", "خطأ، لم تتم العملية");
    if (row.name.trimmed().isEmpty()) {
        out.message = text("Error, Chose Name", "Error, Chose Name");
        return out;
    }
    if (row.id != 0 && isSystemAccount(row.id)) {
        out.message = text("This Acc. can not be changed", "لا يمكن تغيير هذا الحساب");
        return out;
    }
    if (nameExists(row.name, row.id)) {
        out.message = text("Error! the new name is already exists", "خطأ! الاسم موجود سابقاً");
        return out;
    }
    const QVariantList values{row.name, row.tel1, row.tel2, row.fax, row.kind, row.address, row.note,
                              m_data.boolValue(row.cashOnly)};
    TTransaction tx(m_data);
    if (row.id == 0) {
        if (!m_data.DoSqlNEW(QStringLiteral(R"(INSERT INTO "Address"("AName","Telno1","Telno2","Fax","Kind","Adress",)"
                                            R"("Note","CashOnly") VALUES (?,?,?,?,?,?,?,?))"),
                             values)) {
            m_error = m_data.lastErrorText();
            out.message = failed;
            return out;
        }
        out.id = m_data.scalar(QStringLiteral(R"(SELECT max("ID") FROM "Address" WHERE "AName" = ?)"), {row.name})
                     .toInt();
    } else {
        QVariantList v = values;
        v << row.id;
        if (!m_data.DoSqlNEW(QStringLiteral(R"(UPDATE "Address" SET "AName"=?,"Telno1"=?,"Telno2"=?,"Fax"=?,"Kind"=?,)"
                                            R"("Adress"=?,"Note"=?,"CashOnly"=? WHERE "ID"=?)"),
                             v)) {
            m_error = m_data.lastErrorText();
            out.message = failed;
            return out;
        }
        out.id = row.id;
    }
    if (out.id <= 0 || !tx.commit()) {
        m_error = m_data.lastErrorText();
        out.id = 0;
        out.message = failed;
        return out;
    }
    out.ok = true;
    return out;
}

QString AddressBook::renameQuestion(const QString &oldName, const QString &newName)
{
    return text("Are you sure to change the Account name From:", "هل أنت متأكد أنك تريد تغيير اسم الحساب:") + kLf
           + oldName + kLf + text("To the new Name:", "إلى الاسم الجديد:") + kLf + newName;
}

AddressBook::Outcome AddressBook::rename(int id, const QString &newName)
{
    Outcome out;
    AccountRow row;
    if (isSystemAccount(id) || !account(id, &row)) {
        out.message = QStringLiteral("Error!");
        return out;
    }
    if (newName.trimmed().isEmpty())
        return out;
    if (nameExists(newName)) {
        out.message = text("Error! the new name is already exists, Changing the name is not possible",
                           "خطأ! الاسم الجديد موجود سابقاً. لا يمكن تغيير الاسم");
        return out;
    }
    if (!m_data.DoSqlNEW(QStringLiteral(R"(UPDATE "Address" SET "AName" = ? WHERE "ID" = ?)"), {newName, id})) {
        m_error = m_data.lastErrorText();
        out.message = text("Error ", "خطأ، لم تتم العملية");
        return out;
    }
    out.ok = true;
    out.id = id;
    out.message = text("Changing the name process is completed", "تمت عملية تغيير الاسم");
    return out;
}

QString AddressBook::deleteQuestion(const QString &name)
{
    return text("Are you sure to delete the NAME:", "هل أنت متأكد أنك تريد حذف نوع الاسم: ") + kLf + u' ' + name
           + QStringLiteral(" ?");
}

bool AddressBook::isUsed(int id) const
{
    QStringList parts;
    for (int k = 0; k < DocumentKinds::kCount; ++k)
        parts << QStringLiteral(R"(SELECT 1 FROM %1 WHERE "CompanyID" = ?)")
                     .arg(SqlDialect::quote(DocumentKinds::get(k).headerTable));
    parts << QStringLiteral(R"(SELECT 1 FROM "Pay" WHERE "PNameID" = ?)")
          << QStringLiteral(R"(SELECT 1 FROM "Credit" WHERE "CNameID" = ?)")
          << QStringLiteral(R"(SELECT 1 FROM "OldDept" WHERE "PersonID" = ?)")
          << QStringLiteral(R"(SELECT 1 FROM "Users" WHERE "EID" = ?)")
          << QStringLiteral(R"(SELECT 1 FROM "Emps" WHERE "AccID" = ?)")
          << QStringLiteral(R"(SELECT 1 FROM "Partners" WHERE "AccID" = ?)")
          << QStringLiteral(R"(SELECT 1 FROM "Cheque" WHERE "ComID" = ?)");
    if (m_data.TableExists(QStringLiteral("Claim")))
        parts << QStringLiteral(R"(SELECT 1 FROM "Claim" WHERE "CustomerID" = ? OR "SupplierID" = ?)");
    QVariantList values;
    for (const QString &p : parts)
        for (qsizetype n = p.count(u'?'); n > 0; --n)
            values << id;
    bool ok = false;
    const QVariant hit = m_data.scalar(
        QStringLiteral("SELECT 1 WHERE EXISTS (%1)").arg(parts.join(QStringLiteral(" UNION ALL "))), values, &ok);
    if (!ok)
        m_error = m_data.lastErrorText();
    // When the question cannot be answered the account counts as used.
    return !ok || (hit.isValid() && !hit.isNull());
}

AddressBook::Outcome AddressBook::remove(int id)
{
    Outcome out;
    out.id = id;
    AccountRow row;
    if (!account(id, &row)) {
        out.message = QStringLiteral("Error!");
        return out;
    }
    const QString refused = row.name + kLf + QStringLiteral("This Name/Account can not be deleted ") + kLf
                            + QStringLiteral(" Invoice/Voucher is related with this name/Account ");
    if (isSystemAccount(id)) {
        out.message = refused;
        return out;
    }
    {
        TTransaction tx(m_data);
        if (!isUsed(id) && m_data.DoSqlNEW(QStringLiteral(R"(DELETE FROM "Address" WHERE "ID" = ?)"), {id}))
            tx.commit();
    }
    // Whether the row is gone is read again, not assumed.
    bool ok = false;
    const QVariant still = m_data.scalar(QStringLiteral(R"(SELECT "ID" FROM "Address" WHERE "ID" = ?)"), {id}, &ok);
    if (ok && (!still.isValid() || still.isNull())) {
        m_data.ResetSeed(QStringLiteral("ID"), QStringLiteral("Address"), 1);
        out.ok = true;
        return out;
    }
    out.message = refused;
    return out;
}
