// Settings kept in the options table of the year database.

#include "TestDb.h"

#include "data/OptionsStore.h"
#include "shell/AppState.h"
#include "shell/Clock.h"
#include "shell/Options.h"
#include "shell/Password.h"

#include <QtTest>

class TestOptions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void init();
    void keysAreNormalised();
    void missingKeyKeepsTheDefault();
    void longSecretSplitsIntoTwoRows_data();
    void longSecretSplitsIntoTwoRows();
    void onlyMainCompanyCurrentYearOwnsAppearance_data();
    void onlyMainCompanyCurrentYearOwnsAppearance();
    void unreadableTableIsReported();
};

void TestOptions::init()
{
    Clock::setNow(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    appState().resetForTests();
    appState().refreshToday();
    appState().CurYear = 2026;
    options().resetToDefaults();
}

void TestOptions::keysAreNormalised()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    OptionsStore store(year.data());
    QCOMPARE(OptionsStore::normaliseKey("OptForm.PreviewChk.checked "), QStringLiteral("OPTFORM.PREVIEWCHK.CHECKED"));
    QVERIFY(store.save("OptForm.PreviewChk.checked ", "True"));
    QCOMPARE(store.load("OptForm.PreviewChk.checked"), QStringLiteral("True"));
    QVERIFY(store.save("optform . previewchk.CHECKED", "False"));
    QCOMPARE(year.data().scalar(R"(SELECT count(*) FROM "options")").toInt(), 1);
    QCOMPARE(store.load("OPTFORM.PREVIEWCHK.CHECKED"), QStringLiteral("False"));
    // values are text, user text included
    QVERIFY(store.save("OptForm.AutoSavePathEd.text", "d:\\o'neil\\"));
    QCOMPARE(store.load("OptForm.AutoSavePathEd.text"), QStringLiteral("d:\\o'neil\\"));
}

void TestOptions::missingKeyKeepsTheDefault()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    OptionsStore(year.data()).save(OptKey::Zakah, "False");
    options().setText(OptKey::RowH, "33"); // set by its window
    QVERIFY(options().LoadOptions(year.data()).ok);
    QCOMPARE(options().isOn(OptKey::Zakah), false);
    QCOMPARE(options().number(OptKey::ConfPass), 3);
    QCOMPARE(options().number(OptKey::RowH), 33);
    QCOMPARE(options().firstNumber(OptKey::FirstBillNo), 1);
    OptionsStore(year.data()).save(OptKey::FirstBillNo, "abc");
    QVERIFY(options().LoadOptions(year.data()).ok);
    QCOMPARE(options().firstNumber(OptKey::FirstBillNo), 1);
}

void TestOptions::longSecretSplitsIntoTwoRows_data()
{
    QTest::addColumn<QString>("secret");
    QTest::newRow("14 characters") << "abcdefghij1234";
    QTest::newRow("10 characters") << "abcdefghij";
    QTest::newRow("short") << "pw";
    QTest::newRow("empty") << "";
    QTest::newRow("arabic") << QString::fromUtf8("كلمة سر طويلة جدا");
}

void TestOptions::longSecretSplitsIntoTwoRows()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, secret);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    options().setSecret(OptKey::FtpPassword, secret);
    QVERIFY(options().SaveOptions(year.data()).ok);
    OptionsStore store(year.data());
    const QString head = store.load("OptForm.ftpPEd.text");
    QCOMPARE(head.size(), Password::kStoredLength);
    QCOMPARE(Password::Decode(head), secret.left(10));
    QCOMPARE(store.load("OptForm.ftpPEd.text0"), secret.mid(10));
    options().resetToDefaults();
    QVERIFY(options().LoadOptions(year.data()).ok);
    QCOMPARE(options().secret(OptKey::FtpPassword), secret);
    QCOMPARE(store.loadSecret(OptKey::FtpPassword), secret);
}

void TestOptions::onlyMainCompanyCurrentYearOwnsAppearance_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("yearOpen");
    QTest::addColumn<bool>("owns");
    QTest::newRow("main company, this year") << "DATA" << 2026 << true;
    QTest::newRow("main company, past year") << "DATA" << 2025 << false;
    QTest::newRow("branch, this year") << "DATABR" << 2026 << false;
}

void TestOptions::onlyMainCompanyCurrentYearOwnsAppearance()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, prefix);
    QFETCH(int, yearOpen);
    QFETCH(bool, owns);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    OptionsStore store(year.data());
    store.save("CodePanel.color", "255");
    store.save("TNote.font.Name", "Noto Sans");
    store.save(OptKey::FirstBillNo, "500");
    options().setText("CodePanel.color", "16777215");
    options().setText("TNote.font.Name", "DejaVu Sans");

    appState().DataPrefix = prefix;
    appState().CurYear = yearOpen;
    QCOMPARE(Options::ownsAllFamilies(), owns);
    QVERIFY(options().LoadOptions(year.data()).ok);
    QCOMPARE(options().text("CodePanel.color"), owns ? QStringLiteral("255") : QStringLiteral("16777215"));
    QCOMPARE(options().text("TNote.font.Name"), owns ? QStringLiteral("Noto Sans") : QStringLiteral("DejaVu Sans"));
    // first numbers belong to every year
    QCOMPARE(options().firstNumber(OptKey::FirstBillNo), 500);

    // saving leaves another year's appearance alone
    options().setText("CodePanel.color", "42");
    options().setText(OptKey::FirstBillNo, "600");
    QVERIFY(options().SaveOptions(year.data()).ok);
    QCOMPARE(store.load("CodePanel.color"), owns ? QStringLiteral("42") : QStringLiteral("255"));
    QCOMPARE(store.load(OptKey::FirstBillNo), QStringLiteral("600"));
}

void TestOptions::unreadableTableIsReported()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    QVERIFY(year.data().DoSqlNEW(R"(DROP TABLE "options")"));
    const Options::Result r = options().LoadOptions(year.data());
    QVERIFY(!r.ok);
    QCOMPARE(r.message, QStringLiteral("Error in Loading Options-Load Options"));
    QVERIFY(!options().SaveOptions(year.data()).ok);
}

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
