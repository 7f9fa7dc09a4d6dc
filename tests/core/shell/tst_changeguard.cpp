// The change guard: past years are read-only, guarded changes ask the
// supervisor password.

#include "shell/AppState.h"
#include "shell/ChangeGuard.h"
#include "shell/Clock.h"
#include "shell/Options.h"

#include <QtTest>

class TestChangeGuard : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void asks_data();
    void asks();
    void pastYearRefusesBeforeAsking();
};

void TestChangeGuard::init()
{
    Clock::setNow(QDateTime(QDate(2026, 3, 1), QTime(8, 0)));
    appState().resetForTests();
    appState().refreshToday();
    appState().CurYear = 2026;
    appState().SupervisorPassword = "sup";
    options().resetToDefaults();
}

void TestChangeGuard::asks_data()
{
    QTest::addColumn<int>("times");
    QTest::addColumn<QStringList>("answers"); // "<cancel>" cancels
    QTest::addColumn<bool>("goAhead");
    QTest::addColumn<int>("asked");
    QTest::newRow("default three, all right") << 3 << QStringList{"sup", "sup", "sup"} << true << 3;
    QTest::newRow("two, all right") << 2 << QStringList{"sup", "sup"} << true << 2;
    QTest::newRow("two, second wrong") << 2 << QStringList{"sup", "bad"} << false << 2;
    QTest::newRow("first wrong stops") << 3 << QStringList{"bad", "sup", "sup"} << false << 1;
    QTest::newRow("cancel counts as wrong") << 1 << QStringList{"<cancel>"} << false << 1;
    QTest::newRow("zero asks nothing") << 0 << QStringList{} << true << 0;
}

void TestChangeGuard::asks()
{
    QFETCH(int, times);
    QFETCH(QStringList, answers);
    QFETCH(bool, goAhead);
    QFETCH(int, asked);
    options().setNumber(OptKey::ConfPass, times);
    QStringList captions, errors;
    auto ask = [&](const QString &caption) -> std::optional<QString> {
        captions << caption;
        const QString a = answers.value(captions.size() - 1);
        if (a == u"<cancel>")
            return std::nullopt;
        return a;
    };
    auto err = [&](const QString &m) { errors << m; };
    QCOMPARE(ChangeGuard::ConfirmByPassword("delete item?", ask, err), goAhead);
    QCOMPARE(captions.size(), asked);
    if (asked > 0)
        QCOMPARE(captions.first(), QStringLiteral("1-Password  delete item?"));
    QCOMPARE(errors, goAhead ? QStringList() : QStringList{"Password Error!!!!!!"});
}

void TestChangeGuard::pastYearRefusesBeforeAsking()
{
    appState().CurYear = 2025;
    int asked = 0;
    QStringList errors;
    const bool go = ChangeGuard::ConfirmByPassword(
        "x", [&](const QString &) -> std::optional<QString> { ++asked; return QStringLiteral("sup"); },
        [&](const QString &m) { errors << m; });
    QVERIFY(!go);
    QCOMPARE(asked, 0);
    QCOMPARE(errors, QStringList{"You can change only the current year data!!!"});
    QVERIFY(!ChangeGuard::yearAllowsChange({}));
    appState().CurYear = 2026;
    QVERIFY(ChangeGuard::yearAllowsChange({}));
}

QTEST_GUILESS_MAIN(TestChangeGuard)
#include "tst_changeguard.moc"
