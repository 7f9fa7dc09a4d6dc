// Users: login, rights and the supervisor password.

#include "TestDb.h"

#include "shell/Password.h"
#include "shell/Users.h"

#include <QtTest>

class TestUsers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void login_data();
    void login();
    void rights_data();
    void rights();
    void supervisorPassword();
    void addEditRemove();
};

namespace {
int addUser(TDataFormSQL &d, const QString &name, const QString &pw, int kind, const QString &rights = {})
{
    d.DoSqlNEW(R"(INSERT INTO "Address"("AName") VALUES(?))", {name + " person"});
    Users::User u;
    u.EID = d.scalar(R"(SELECT max("ID") FROM "Address")").toInt();
    u.UName = name;
    u.password = pw;
    u.UKind = kind;
    u.options = rights;
    return Users::save(d, u, true);
}
} // namespace

void TestUsers::login_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");
    QTest::newRow("right") << "boss" << "s3cret" << true;
    QTest::newRow("wrong password") << "boss" << "s3cret " << false;
    QTest::newRow("case matters") << "boss" << "S3cret" << false;
    QTest::newRow("unknown name") << "nobody" << "s3cret" << false;
    QTest::newRow("injection") << "x' or '1'='1" << "s3cret" << false;
    QTest::newRow("injection in password") << "boss" << "' or '1'='1" << false;
    QTest::newRow("arabic name") << QString::fromUtf8("أحمد") << QString::fromUtf8("سر١") << true;
    QTest::newRow("empty password user") << "clerk" << "" << true;
}

void TestUsers::login()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, ok);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QVERIFY(addUser(d, "boss", "s3cret", Users::Administrator) > 0);
    QVERIFY(addUser(d, QString::fromUtf8("أحمد"), QString::fromUtf8("سر١"), Users::Normal) > 0);
    QVERIFY(addUser(d, "clerk", "", Users::Normal) > 0);
    const auto user = Users::find(d, name);
    const bool matched = user && Users::passwordMatches(*user, password);
    QCOMPARE(matched, ok);
    if (ok)
        QCOMPARE(user->AName, name + " person");
}

void TestUsers::rights_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("visible"); // pages shown, as flags
    QTest::newRow("normal") << 1 << "0;1;0;1;0;0;0;0;0;0;0;0;0;0;0;" << "010101000000000";
    QTest::newRow("normal, short string") << 1 << "1;1;" << "110001000000000";
    QTest::newRow("normal, garbage") << 1 << "x;y" << "000001000000000";
    QTest::newRow("point of sale ignores rights") << 2 << "1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;" << "100001000000000";
    QTest::newRow("administrator sees all") << 0 << "" << "111111111111111";
    QTest::newRow("edit permission is normal") << 3 << "0;0;1;" << "001001000000000";
}

void TestUsers::rights()
{
    QFETCH(int, kind);
    QFETCH(QString, stored);
    QFETCH(QString, visible);
    Users::User u;
    u.UKind = kind;
    u.options = stored;
    QString got;
    for (bool b : Users::visiblePages(u))
        got += b ? u'1' : u'0';
    QCOMPARE(got, visible);
    // writing the rights back applies the same rules
    QCOMPARE(Users::buildRights(Users::parseRights(stored), kind).remove(u';'),
             kind == 0 ? QString(15, u'1') : visible);
}

void TestUsers::supervisorPassword()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QCOMPARE(Users::supervisorPassword(d), Users::fallbackSupervisorPassword());
    QCOMPARE(Users::fallbackSupervisorPassword().size(), 9);
    addUser(d, "boss", "adminpw", Users::Administrator);
    QCOMPARE(Users::supervisorPassword(d), QStringLiteral("adminpw"));
    addUser(d, "super", "editpw", Users::EditPermission);
    QCOMPARE(Users::supervisorPassword(d), QStringLiteral("editpw"));
    QVERIFY(Users::hasAdministrator(d));
}

void TestUsers::addEditRemove()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QVERIFY(!Users::hasAdministrator(d));
    const int boss = addUser(d, "boss", "pw", Users::Administrator);
    const int pos = addUser(d, "till", "1", Users::PointOfSale, "1;1;1;");
    QVERIFY(Users::loginNameTaken(d, "till"));
    QVERIFY(!Users::loginNameTaken(d, "till", pos));
    auto till = Users::findById(d, pos);
    QVERIFY(till);
    QCOMPARE(till->options, QStringLiteral("1;0;0;0;0;1;0;0;0;0;0;0;0;0;0;"));
    // edit without a new password keeps the old one
    till->Lang = 2;
    QCOMPARE(Users::save(d, *till, false), pos);
    till = Users::findById(d, pos);
    QCOMPARE(till->Lang, 2);
    QVERIFY(Users::passwordMatches(*till, "1"));
    QVERIFY(Users::changePassword(d, pos, "2"));
    QVERIFY(Users::passwordMatches(*Users::findById(d, pos), "2"));
    // the last user number is used again after its deletion
    QVERIFY(Users::remove(d, pos));
    QCOMPARE(addUser(d, "till2", "1", Users::Normal), pos);
    // a user who made documents stays
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Sales"("CompanyID","UID") VALUES(4,?))", {boss}));
    QString error;
    QVERIFY(!Users::remove(d, boss, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(Users::findById(d, boss));
}

QTEST_GUILESS_MAIN(TestUsers)
#include "tst_users.moc"
