#pragma once

#include <QList>
#include <QString>
#include <QVector>

#include <optional>

class TDataFormSQL;

// Program users (table Users): login, kinds, page rights and the supervisor
// password of the change guard.
namespace Users {

enum Kind { Administrator = 0, Normal = 1, PointOfSale = 2, EditPermission = 3 };

constexpr int kPageCount = 15;
constexpr int kAboutPage = 5;
constexpr int kPosPage = 0;

struct User
{
    int UID = 0;
    int EID = 0;
    QString UName;
    QString password; // decoded
    bool passwordReadable = true;
    int UKind = Normal;
    QString options;  // rights string
    int Lang = 0;      // 0 both languages, 1 Arabic only, 2 English only
    int KbBarcode = 0;
    int TabShow = 0;
    bool Qkb = false;
    bool Coupon = false;
    QString AName;     // the person's account name
};

// Rights: one "1"/"0" and ";" per page. Page 5 is always shown; a
// point-of-sale user sees page 0 (and 5) only; anything missing counts "0".
QVector<bool> parseRights(const QString &rights, int pages = kPageCount);
QString buildRights(const QVector<bool> &pages, int kind);
bool pageAllowed(const User &user, int page);
QVector<bool> visiblePages(const User &user);

// The user with this login name (bound, compared exactly), with the
// account name. Empty when there is none or the table cannot be read.
std::optional<User> find(TDataFormSQL &data, const QString &loginName);
std::optional<User> findById(TDataFormSQL &data, int uid);
QList<User> all(TDataFormSQL &data);

// The typed password against the stored one. Characters outside the stored
// code page compare as they would be stored.
bool passwordMatches(const User &user, const QString &typed);

bool hasAdministrator(TDataFormSQL &data);

// The password the change guard asks: that of the edit-permission holder,
// else that of an administrator; when neither can be read, the program's
// fixed fallback.
QString supervisorPassword(TDataFormSQL &data);
QString fallbackSupervisorPassword();

// Writes a new user (uid 0) or updates one. The password is stored encoded
// only when setPassword. Returns the user's UID, or 0 on failure (error set).
int save(TDataFormSQL &data, const User &user, bool setPassword, QString *error = nullptr);
bool loginNameTaken(TDataFormSQL &data, const QString &loginName, int exceptUid = 0);
bool remove(TDataFormSQL &data, int uid, QString *error = nullptr);
bool setRights(TDataFormSQL &data, int uid, const QString &rights, QString *error = nullptr);
bool changePassword(TDataFormSQL &data, int uid, const QString &newPassword, QString *error = nullptr);

} // namespace Users
