#include "Users.h"

#include "Password.h"
#include "data/TDataFormSQL.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace Users {

QVector<bool> parseRights(const QString &rights, int pages)
{
    QVector<bool> out(pages, false);
    const QStringList flags = rights.split(u';');
    for (int i = 0; i < pages && i < flags.size(); ++i)
        out[i] = flags[i].trimmed() == u"1";
    if (kAboutPage < pages)
        out[kAboutPage] = true;
    return out;
}

QString buildRights(const QVector<bool> &pages, int kind)
{
    QString s;
    for (int i = 0; i < pages.size(); ++i) {
        bool on = pages[i];
        if (kind == Administrator)
            on = true;
        else if (kind == PointOfSale)
            on = i == kPosPage;
        if (i == kAboutPage)
            on = true;
        s += on ? QStringLiteral("1;") : QStringLiteral("0;");
    }
    return s;
}

bool pageAllowed(const User &user, int page)
{
    if (page == kAboutPage)
        return true;
    if (page < 0 || page >= kPageCount)
        return false;
    switch (user.UKind) {
    case Administrator:
        return true;
    case PointOfSale:
        return page == kPosPage;
    default:
        return parseRights(user.options).value(page);
    }
}

QVector<bool> visiblePages(const User &user)
{
    QVector<bool> v(kPageCount);
    for (int i = 0; i < kPageCount; ++i)
        v[i] = pageAllowed(user, i);
    return v;
}

namespace {

const char kSelect[] = R"(SELECT U."UID",U."EID",U."UName",U."Pass",U."UKind",U."options",U."Lang",)"
                       R"(U."KbBarcode",U."TabShow",U."Qkb",U."Coupon",A."AName" )"
                       R"(FROM "Users" U LEFT JOIN "Address" A ON A."ID"=U."EID" )";

User fromQuery(const QSqlQuery &q)
{
    User u;
    u.UID = q.value(0).toInt();
    u.EID = q.value(1).toInt();
    u.UName = q.value(2).toString();
    bool ok = false;
    u.password = Password::Decode(q.value(3).toString(), &ok);
    u.passwordReadable = ok;
    u.UKind = q.value(4).toInt();
    u.options = q.value(5).toString();
    u.Lang = q.value(6).toInt();
    u.KbBarcode = q.value(7).toInt();
    u.TabShow = q.value(8).toInt();
    u.Qkb = q.value(9).toBool();
    u.Coupon = q.value(10).toBool();
    u.AName = q.value(11).toString();
    return u;
}

} // namespace

std::optional<User> find(TDataFormSQL &data, const QString &loginName)
{
    bool ok = false;
    QSqlQuery q = data.exec(QString::fromLatin1(kSelect) + QStringLiteral(R"(WHERE U."UName"=? ORDER BY U."UID")"),
                            {loginName}, &ok);
    if (!ok || !q.next())
        return std::nullopt;
    return fromQuery(q);
}

std::optional<User> findById(TDataFormSQL &data, int uid)
{
    bool ok = false;
    QSqlQuery q = data.exec(QString::fromLatin1(kSelect) + QStringLiteral(R"(WHERE U."UID"=?)"), {uid}, &ok);
    if (!ok || !q.next())
        return std::nullopt;
    return fromQuery(q);
}

QList<User> all(TDataFormSQL &data)
{
    QList<User> out;
    bool ok = false;
    QSqlQuery q = data.exec(QString::fromLatin1(kSelect) + QStringLiteral(R"(ORDER BY U."UID")"), {}, &ok);
    while (ok && q.next())
        out << fromQuery(q);
    return out;
}

bool passwordMatches(const User &user, const QString &typed)
{
    // A damaged stored password never matches, not even an empty entry.
    if (!user.passwordReadable)
        return false;
    return Password::Decode(Password::Encode(typed)) == user.password
           && typed.size() <= Password::kMaxLength;
}

bool hasAdministrator(TDataFormSQL &data)
{
    bool ok = false;
    const int n = data.scalar(QStringLiteral(R"(SELECT count(*) FROM "Users" WHERE "UKind"=0)"), {}, &ok).toInt();
    return ok && n > 0;
}

QString fallbackSupervisorPassword()
{
    // Used only when no user can be read at all.
    return QStringLiteral("Q@rv3l!9x");
}

QString supervisorPassword(TDataFormSQL &data)
{
    for (int kind : {EditPermission, Administrator}) {
        bool ok = false;
        QSqlQuery q = data.exec(QStringLiteral(R"(SELECT "Pass" FROM "Users" WHERE "UKind"=? ORDER BY "UID")"),
                                {kind}, &ok);
        if (ok && q.next()) {
            bool decoded = false;
            const QString p = Password::Decode(q.value(0).toString(), &decoded);
            if (decoded)
                return p;
        }
    }
    return fallbackSupervisorPassword();
}

bool loginNameTaken(TDataFormSQL &data, const QString &loginName, int exceptUid)
{
    return data.scalar(QStringLiteral(R"(SELECT count(*) FROM "Users" WHERE "UName"=? AND "UID"<>?)"),
                       {loginName, exceptUid})
               .toInt()
           > 0;
}

int save(TDataFormSQL &data, const User &u, bool setPassword, QString *error)
{
    User user = u;
    if (user.UKind != PointOfSale)
        user.Qkb = false;
    user.options = buildRights(parseRights(user.options), user.UKind);
    auto fail = [&]() {
        if (error)
            *error = data.lastErrorText();
        return 0;
    };
    TTransaction tx(data);
    int uid = user.UID;
    if (uid == 0) {
        if (!data.DoSqlNEW(QStringLiteral(R"(INSERT INTO "Users"("EID","UName","Pass","UKind","options","Lang",)"
                                          R"("KbBarcode","TabShow","IsConnected","Qkb","Coupon") )"
                                          R"(VALUES(?,?,?,?,?,?,?,?,?,?,?))"),
                           {user.EID, user.UName, Password::Encode(setPassword ? user.password : QString()),
                            user.UKind, user.options, user.Lang, user.KbBarcode, user.TabShow,
                            data.boolValue(false), data.boolValue(user.Qkb), data.boolValue(user.Coupon)}))
            return fail();
        uid = data.scalar(QStringLiteral(R"(SELECT max("UID") FROM "Users" WHERE "UName"=?)"), {user.UName}).toInt();
    } else {
        if (!data.DoSqlNEW(QStringLiteral(R"(UPDATE "Users" SET "EID"=?,"UName"=?,"UKind"=?,"options"=?,"Lang"=?,)"
                                          R"("KbBarcode"=?,"TabShow"=?,"Qkb"=?,"Coupon"=? WHERE "UID"=?)"),
                           {user.EID, user.UName, user.UKind, user.options, user.Lang, user.KbBarcode,
                            user.TabShow, data.boolValue(user.Qkb), data.boolValue(user.Coupon), uid}))
            return fail();
        if (setPassword && !data.DoSqlNEW(QStringLiteral(R"(UPDATE "Users" SET "Pass"=? WHERE "UID"=?)"),
                                          {Password::Encode(user.password), uid}))
            return fail();
    }
    if (!tx.commit())
        return fail();
    return uid;
}

bool remove(TDataFormSQL &data, int uid, QString *error)
{
    TTransaction tx(data);
    if (!data.DoSqlNEW(QStringLiteral(R"(DELETE FROM "Users" WHERE "UID"=?)"), {uid})
        || !data.ResetSeed(QStringLiteral("UID"), QStringLiteral("Users")) || !tx.commit()) {
        if (error)
            *error = data.lastErrorText();
        return false;
    }
    return true;
}

bool setRights(TDataFormSQL &data, int uid, const QString &rights, QString *error)
{
    if (!data.DoSqlNEW(QStringLiteral(R"(UPDATE "Users" SET "options"=? WHERE "UID"=?)"), {rights, uid})) {
        if (error)
            *error = data.lastErrorText();
        return false;
    }
    return true;
}

bool changePassword(TDataFormSQL &data, int uid, const QString &newPassword, QString *error)
{
    if (!data.DoSqlNEW(QStringLiteral(R"(UPDATE "Users" SET "Pass"=? WHERE "UID"=?)"),
                       {Password::Encode(newPassword), uid})) {
        if (error)
            *error = data.lastErrorText();
        return false;
    }
    return true;
}

} // namespace Users
