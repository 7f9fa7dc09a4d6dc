#pragma once

// Users in the year database of a StoreFixture, and typing into the real
// widgets of the login and users' windows.

#include "StoreFixture.h"

#include "shell/TLogInForm.h"
#include "shell/Users.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace UsersSupport {

struct NewUser
{
    QString loginName;
    QString password;
    int kind = Users::Normal;
    QString rights;       // written as it stands, after the user is saved
    QString accountName;  // empty: loginName + " person"
    int tabShow = 0;
    int lang = 0;
};

// Adds the account and the user through a connection of its own; returns
// the UID (0 on failure).
inline int addUser(StoreFixture &f, const NewUser &n)
{
    TDataFormSQL own;
    if (!own.OpenDB(f.yearParams()))
        return 0;
    const QString account = n.accountName.isEmpty() ? n.loginName + QStringLiteral(" person") : n.accountName;
    own.DoSqlNEW(QStringLiteral(R"(INSERT INTO "Address" ("AName") VALUES (?))"), {account});
    Users::User u;
    u.EID = own.scalar(QStringLiteral(R"(SELECT max("ID") FROM "Address")")).toInt();
    u.UName = n.loginName;
    u.password = n.password;
    u.UKind = n.kind;
    u.TabShow = n.tabShow;
    u.Lang = n.lang;
    const int uid = Users::save(own, u, true);
    if (uid && !n.rights.isNull())
        own.DoSqlNEW(QStringLiteral(R"(UPDATE "Users" SET "options" = ? WHERE "UID" = ?)"), {n.rights, uid});
    own.CloseDB();
    return uid;
}

inline std::optional<Users::User> readUser(StoreFixture &f, int uid)
{
    TDataFormSQL own;
    if (!own.OpenDB(f.yearParams()))
        return std::nullopt;
    auto user = Users::findById(own, uid);
    own.CloseDB();
    return user;
}

// Types text as key presses carrying the characters (any script).
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Replaces the contents of an edit the way a user does: select all, type.
inline void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

inline void click(QWidget *parent, const char *buttonName)
{
    auto *button = parent->findChild<QPushButton *>(QString::fromLatin1(buttonName));
    QVERIFY2(button, buttonName);
    QVERIFY2(button->isEnabled(), buttonName);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Logs in through the login window's fields and its Login button.
inline void loginThroughWindow(TStoreForm &w, const QString &name, const QString &password)
{
    QWidget *login = w.loginForm();
    auto *user = login->findChild<QLineEdit *>(QStringLiteral("UEdit"));
    auto *pass = login->findChild<QLineEdit *>(QStringLiteral("PEdit"));
    QVERIFY(user && pass);
    retype(user, name);
    retype(pass, password);
    click(login, "LoginBtn");
}

} // namespace UsersSupport
