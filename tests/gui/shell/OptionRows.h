#pragma once

// Option rows and users of a fixture's year databases, read and written
// through a connection of their own.

#include "StoreFixture.h"

#include "data/OptionsStore.h"

namespace OptionRows {

inline const QString kMissing = QStringLiteral("<missing>");

inline bool set(StoreFixture &f, const QString &key, const QString &value,
                int year = StoreFixture::kYear)
{
    TDataFormSQL own;
    if (!own.OpenDB(f.yearParams(year)))
        return false;
    const bool ok = OptionsStore(own).save(key, value);
    own.CloseDB();
    return ok;
}

// The stored text of key, or kMissing.
inline QString get(StoreFixture &f, const QString &key, int year = StoreFixture::kYear)
{
    TDataFormSQL own;
    if (!own.OpenDB(f.yearParams(year)))
        return QStringLiteral("<no database>");
    const QString value = OptionsStore(own).load(key, kMissing);
    own.CloseDB();
    return value;
}

// An administrator, so that the start shows the login's user panel.
inline bool addAdministrator(StoreFixture &f, int year = StoreFixture::kYear)
{
    return f.exec(R"(INSERT INTO "Users" ("EID", "UName", "Pass", "UKind") VALUES (1, ?, ?, 0))",
                  {QStringLiteral("boss"), QStringLiteral("x")}, year);
}

// The state a login of that administrator leaves.
inline void logIn(TStoreForm &w)
{
    appState().CurUID = 1;
    appState().CurUKind = 0;
    appState().CurUserName = QStringLiteral("boss");
    w.PassOk(true, QStringLiteral("boss"));
}

} // namespace OptionRows
