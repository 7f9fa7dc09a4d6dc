// The data module: statements report failure, transactions roll back,
// dates and numbers reach the database as values.

#include "TestDb.h"

#include <QLocale>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>

class TestDataModule : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void failuresAreReported();
    void userTextIsNeverSql();
    void guardRollsBackUnlessCommitted();
    void nestedGuardUndoesOnlyItsPart();
    void datesRoundTrip_data();
    void datesRoundTrip();
    void numbersIgnoreTheLocale();
    void gaugeSignals();
};

void TestDataModule::failuresAreReported()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QVERIFY(!d.DoSqlNEW(R"(SELECT * FROM "NoSuchTable")"));
    QVERIFY(!d.lastErrorText().isEmpty());
    QVERIFY(d.DoSqlNEW(R"(SELECT "AName" FROM "Address" WHERE "ID"=?)", {2}));
    QVERIFY(d.lastErrorText().isEmpty());
    QVERIFY(d.sql1().next());
    QCOMPARE(d.sql1().value(0).toString(), QStringLiteral("Beginning Inventory Cost"));
    QVERIFY(d.TableExists("CodeTb"));
    QVERIFY(d.TableExists("codetb"));
    QVERIFY(!d.TableExists("CodeTbX"));
    QVERIFY(d.ColumnExists("Sales", "Delevered"));
    QVERIFY(!d.ColumnExists("Sales", "Delivered"));

    d.CloseDB();
    QVERIFY(!d.isOpen());
    QVERIFY(!d.DoSqlNEW(R"(SELECT 1)"));
    QVERIFY(!d.lastErrorText().isEmpty());
}

void TestDataModule::userTextIsNeverSql()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const QString hostile = QStringLiteral("x' or '1'='1");
    QVERIFY(d.DoSqlNEW(R"(SELECT count(*) FROM "Address" WHERE "AName"=?)", {hostile}));
    QVERIFY(d.sql1().next());
    QCOMPARE(d.sql1().value(0).toInt(), 0);
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Address"("AName") VALUES(?))", {hostile}));
    QCOMPARE(d.scalar(R"(SELECT "AName" FROM "Address" WHERE "ID"=4)").toString(), hostile);
}

void TestDataModule::guardRollsBackUnlessCommitted()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    {
        TTransaction tx(d);
        QVERIFY(tx.isActive());
        QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Diary"("Note") VALUES('lost'))"));
    }
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "Diary")").toInt(), 0);
    {
        TTransaction tx(d);
        QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Diary"("Note") VALUES('kept'))"));
        QVERIFY(tx.commit());
    }
    QCOMPARE(d.transactionDepth(), 0);
    QCOMPARE(d.scalar(R"(SELECT "Note" FROM "Diary")").toString(), QStringLiteral("kept"));
    // Another workstation sees only committed work.
    TDataFormSQL other;
    QVERIFY(other.OpenDB(year.params()));
    QCOMPARE(other.scalar(R"(SELECT count(*) FROM "Diary")").toInt(), 1);
}

void TestDataModule::nestedGuardUndoesOnlyItsPart()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    {
        TTransaction outer(d);
        QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Diary"("Note") VALUES('outer'))"));
        {
            TTransaction inner(d);
            QVERIFY(inner.isActive());
            QCOMPARE(d.transactionDepth(), 2);
            QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Diary"("Note") VALUES('inner'))"));
            // a failing statement inside: the inner part is undone
            QVERIFY(!d.DoSqlNEW(R"(INSERT INTO "NoSuch" VALUES(1))"));
        }
        QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Diary"("Note") VALUES('after'))"));
        QVERIFY(outer.commit());
    }
    QSqlQuery q = d.exec(R"(SELECT "Note" FROM "Diary" ORDER BY "ID")");
    QStringList notes;
    while (q.next())
        notes << q.value(0).toString();
    QCOMPARE(notes, QStringList({"outer", "after"}));
}

void TestDataModule::datesRoundTrip_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QDateTime>("expected");
    QTest::newRow("date") << "10/12/2026" << QDateTime(QDate(2026, 12, 10), QTime(0, 0));
    QTest::newRow("date and time") << "01/02/2026 13:45:07" << QDateTime(QDate(2026, 2, 1), QTime(13, 45, 7));
    QTest::newRow("short") << "1/2/2026" << QDateTime(QDate(2026, 2, 1), QTime(0, 0));
    QTest::newRow("no date") << "31/02/2026" << QDateTime();
    QTest::newRow("text") << "tomorrow" << QDateTime();
}

void TestDataModule::datesRoundTrip()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, display);
    QFETCH(QDateTime, expected);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QVERIFY2(d.DoSqlNEW(R"(INSERT INTO "Diary"("NDate","Note") VALUES(?,?))", {d.ToSqlDate(display), "n"}),
             qPrintable(d.lastErrorText()));
    const QVariant stored = d.scalar(R"(SELECT "NDate" FROM "Diary")");
    QCOMPARE(d.toDateTime(stored), expected);
    if (expected.isValid()) {
        // range comparisons work on the stored form
        QCOMPARE(d.scalar(R"(SELECT count(*) FROM "Diary" WHERE "NDate" >= ? AND "NDate" < ?)",
                          {d.ToSqlDate(expected.date()), d.ToSqlDate(expected.date().addDays(1))})
                     .toInt(),
                 1);
    }
}

void TestDataModule::numbersIgnoreTheLocale()
{
    QARVEL_FETCH_ENGINE(engine);
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "SaleOne"("InvID","ItemID","Quantity","Rate1") VALUES(?,?,?,?))",
                       {1, 1, 1.125, 2.5}));
    QCOMPARE(d.scalar(R"(SELECT "Quantity" FROM "SaleOne")").toDouble(), 1.125);
    QCOMPARE(d.scalar(R"(SELECT "Amount1" FROM "SaleOne")").toDouble(), 2.813);
    QLocale::setDefault(saved);
}

void TestDataModule::gaugeSignals()
{
    TDataFormSQL d;
    QSignalSpy steps(&d, &TDataFormSQL::gaugeStep);
    QSignalSpy hidden(&d, &TDataFormSQL::gaugeHidden);
    d.IncGauge("Wait");
    d.IncGauge("Wait");
    d.hideGauge();
    QCOMPARE(steps.count(), 2);
    QCOMPARE(steps.at(0).at(0).toString(), QStringLiteral("Wait"));
    QCOMPARE(hidden.count(), 1);
}

QTEST_GUILESS_MAIN(TestDataModule)
#include "tst_datamodule.moc"
