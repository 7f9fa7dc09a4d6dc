// Document and voucher numbers stay gapless: after deleting the last rows
// the identity is reseeded so the numbers are used again.

#include "TestDb.h"

#include <QtTest>

class TestResetSeed : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void numbersAfterDeletion_data();
    void numbersAfterDeletion();
    void withoutReseedNumbersAreNotReused();
    void scratchTableStartsAgain();
};

namespace {
int insertVoucher(TDataFormSQL &d)
{
    if (!d.DoSqlNEW(R"(INSERT INTO "Pay"("PNameID","Amount") VALUES(?,?))", {4, 10.0}))
        return -1;
    return d.scalar(R"(SELECT max("PID") FROM "Pay")").toInt();
}
} // namespace

void TestResetSeed::numbersAfterDeletion_data()
{
    QTest::addColumn<int>("made");
    QTest::addColumn<int>("deleteFrom"); // delete PID >= this
    QTest::addColumn<int>("next");
    QTest::newRow("last one") << 5 << 5 << 5;
    QTest::newRow("last two") << 5 << 4 << 4;
    QTest::newRow("emptied") << 3 << 1 << 1;
    QTest::newRow("nothing deleted") << 3 << 99 << 4;
}

void TestResetSeed::numbersAfterDeletion()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(int, made);
    QFETCH(int, deleteFrom);
    QFETCH(int, next);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    for (int i = 1; i <= made; ++i)
        QCOMPARE(insertVoucher(d), i);
    QVERIFY(d.DoSqlNEW(R"(DELETE FROM "Pay" WHERE "PID">=?)", {deleteFrom}));
    QVERIFY2(d.ResetSeed("PID", "Pay"), qPrintable(d.lastErrorText()));
    QCOMPARE(insertVoucher(d), next);
    // and it stays so after the program starts again
    QVERIFY(d.DoSqlNEW(R"(DELETE FROM "Pay" WHERE "PID"=?)", {next}));
    QVERIFY(d.ResetSeed("PID", "Pay"));
    QVERIFY(year.reopen());
    QCOMPARE(insertVoucher(year.data()), next);
}

void TestResetSeed::withoutReseedNumbersAreNotReused()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QCOMPARE(insertVoucher(d), 1);
    QCOMPARE(insertVoucher(d), 2);
    QVERIFY(d.DoSqlNEW(R"(DELETE FROM "Pay" WHERE "PID"=2)"));
    QCOMPARE(insertVoucher(d), 3);
}

void TestResetSeed::scratchTableStartsAgain()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    for (int i = 0; i < 3; ++i)
        QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Store"("ItemId") VALUES(?))", {i}));
    QVERIFY(d.DoSqlNEW(R"(DELETE FROM "Store")"));
    QVERIFY2(d.ResetSeed("CNO", "Store"), qPrintable(d.lastErrorText()));
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Store"("ItemId") VALUES(?))", {9}));
    QCOMPARE(d.scalar(R"(SELECT "CNO" FROM "Store")").toInt(), 1);
}

QTEST_GUILESS_MAIN(TestResetSeed)
#include "tst_resetseed.moc"
