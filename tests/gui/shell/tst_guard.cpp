// The change guard as the windows call it: the year check first, then the
// supervisor password asked in a prompt as often as the option says.

#include "shell/AppState.h"
#include "shell/ChangeGuard.h"
#include "shell/Clock.h"
#include "shell/Guard.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"

#include <QtTest>

namespace {
struct Entry
{
    QString text;
    bool ok = true;
};
} // namespace
Q_DECLARE_METATYPE(QList<Entry>)

class TestGuard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void asksAsOftenAsTheOptionSays_data();
    void asksAsOftenAsTheOptionSays();
    void pastYearRefusesBeforeAsking();
};

void TestGuard::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestGuard::init()
{
    Clock::setNow(QDateTime(QDate(2026, 3, 1), QTime(10, 0)));
    appState().resetForTests();
    appState().refreshToday();
    appState().CurYear = appState().ThisYear;
    appState().SupervisorPassword = QStringLiteral("sup3r");
    options().resetToDefaults();
    MsgBox::clearQueues();
    MsgBox::clearShown();
}

void TestGuard::cleanup()
{
    MsgBox::clearQueues();
    Clock::reset();
}

void TestGuard::asksAsOftenAsTheOptionSays_data()
{
    QTest::addColumn<int>("times");
    QTest::addColumn<QList<Entry>>("entries");
    QTest::addColumn<bool>("goAhead");
    QTest::addColumn<int>("asked");

    const Entry right{"sup3r"}, wrong{"sup3R"}, cancelled{"sup3r", false};
    QTest::newRow("three right entries") << 3 << QList<Entry>{right, right, right, right} << true << 3;
    QTest::newRow("twice: two right entries") << 2 << QList<Entry>{right, right, right} << true << 2;
    QTest::newRow("once") << 1 << QList<Entry>{right, right} << true << 1;
    QTest::newRow("never asked") << 0 << QList<Entry>{right} << true << 0;
    QTest::newRow("twice: the second wrong") << 2 << QList<Entry>{right, wrong, right} << false << 2;
    QTest::newRow("three: the first wrong") << 3 << QList<Entry>{wrong, right, right} << false << 1;
    QTest::newRow("case matters") << 1 << QList<Entry>{wrong} << false << 1;
    QTest::newRow("cancel counts as wrong") << 2 << QList<Entry>{right, cancelled, right} << false << 2;
    QTest::newRow("the preset text is wrong") << 1 << QList<Entry>{{Guard::presetText()}} << false << 1;
}

void TestGuard::asksAsOftenAsTheOptionSays()
{
    QFETCH(int, times);
    QFETCH(QList<Entry>, entries);
    QFETCH(bool, goAhead);
    QFETCH(int, asked);

    options().setNumber(OptKey::ConfPass, times);
    for (const Entry &e : std::as_const(entries))
        MsgBox::queueInput(e.text, e.ok);
    const QString question = QStringLiteral("Delete the item?");

    QCOMPARE(ConfirmByPassword(nullptr, question), goAhead);
    QCOMPARE(MsgBox::queuedInputs(), int(entries.size()) - asked);

    QStringList expected;
    for (int i = 1; i <= asked; ++i)
        expected << QStringLiteral("%1-Password  %2").arg(i).arg(question);
    if (!goAhead)
        expected << QStringLiteral("Password Error!!!!!!");
    QCOMPARE(MsgBox::shownTexts(), expected);
}

void TestGuard::pastYearRefusesBeforeAsking()
{
    options().setNumber(OptKey::ConfPass, 3);
    appState().CurYear = appState().ThisYear - 1;
    for (int i = 0; i < 3; ++i)
        MsgBox::queueInput(QStringLiteral("sup3r"));

    QVERIFY(!ConfirmByPassword(nullptr, ChangeGuard::editText()));
    QCOMPARE(MsgBox::queuedInputs(), 3);
    QCOMPARE(MsgBox::shownTexts(), QStringList{ChangeGuard::pastYearMessage()});
}

QTEST_MAIN(TestGuard)
#include "tst_guard.moc"
