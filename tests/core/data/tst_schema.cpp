// The tables of a fresh year database, on both engines.

#include "TestDb.h"

#include "data/SchemaDef.h"
#include "data/SchemaUpgrade.h"
#include "data/YearDatabases.h"

#include <QSqlQuery>
#include <QtTest>

namespace {

// Every table and column the program reads or writes, written out here
// independently of the schema definitions so that a column dropped or
// misspelt there is caught.
const QList<QPair<QString, QString>> &expectedTables()
{
    static const QList<QPair<QString, QString>> t{
        {"Address", "ID AName Telno1 Telno2 Fax Adress Kind Note CashOnly"},
        {"ItemKind", "ItemKindID ItemKind"},
        {"CodeTb", "ItemID ItemCode Description Kind Location ISize Rate NotLes Note IsService QkbNo "
                   "OfCount OfItemId"},
        {"Users", "UID EID UName Pass UKind options Lang KbBarcode TabShow IsConnected Qkb Coupon"},
        {"options", "ID OName OValue"},
        {"Bank", "BankId BankName ChqImg Balance Tel Options"},
        {"PayOpt", "ID Bayan"},
        {"InvoiceS", "InvID CompanyID Date1 StartTime Cash TotalAmount Note Discount UID InvoiceNo"},
        {"Sales", "InvID CompanyID Date1 StartTime Cash TotalAmount Note Discount UID Prepared "
                  "Delevered PrepTime DeleverTime"},
        {"PListS", "InvID CompanyID Date1 StartTime Cash TotalAmount Note Discount UID"},
        {"BToUsS", "InvID CompanyID Date1 StartTime Cash TotalAmount Note Discount UID"},
        {"BFromUsS", "InvID CompanyID Date1 StartTime Cash TotalAmount Note Discount UID"},
        {"IndTB", "InvID CompanyID Date1 StartTime Cash TotalAmount Note Discount UID"},
        {"InvOne", "ID InvID ItemID Quantity Rate1 Amount1 Note"},
        {"SaleOne", "ID InvID ItemID Quantity Rate1 Amount1 Note"},
        {"PListOne", "ID InvID ItemID Quantity Rate1 Amount1 Note"},
        {"BToUsOne", "ID InvID ItemID Quantity Rate1 Amount1 Note"},
        {"BFrUsOne", "ID InvID ItemID Quantity Rate1 Amount1 Note"},
        {"IndInTB", "ID InvID ItemID Quantity Rate1 Amount1 Note"},
        {"IndOutTB", "ID InvID ItemID Quantity Rate1 Amount1 Note"},
        {"SNoInv", "ID SOneID SNo"},
        {"SNoSale", "ID SOneID SNo"},
        {"SNoBTU", "ID SOneID SNo"},
        {"SNoBFU", "ID SOneID SNo"},
        {"SNoIndIn", "ID SOneID SNo"},
        {"SNoIndOut", "ID SOneID SNo"},
        {"SNoFGood", "ID SOneID SNo"},
        {"FGood", "ID ItemId Quantity Rate Amount Note"},
        {"Pay", "PID PNameID Bayan Amount Date1 Debit Printed BayanSpecial UID"},
        {"Credit", "CID CNameID Bayan Amount Date1 Debit Printed UID"},
        {"OldDept", "ID No1 PersonID About Amount Date1"},
        {"Cheque", "ChqID BankID ComID ChkNo ChkDate Amount AccOnly"},
        {"Emps", "EmpID AccID Resigned ResignDate Position"},
        {"SalaryAuto", "ID EmpID 1 2 3 4 5 6 7 8 9 10 11 12"},
        {"SalaryExtra", "ID EmpID Month1 Amount Date1 About"},
        {"Partners", "ID AccID Share Note"},
        {"Profit", "ProfitID PartnerID Amount About Date1"},
        {"Diary", "ID NDate Note"},
        {"Claim", "ToUs1ID ItemId CustomerID SupplierID FUs1ID SNo ToUs1Date FUs1Date ToUs2Date "
                  "FUs2Date ToUs2Amount ToUs2Amount2 FUs2Amount ToUs1Memo ToUs2Memo"},
        {"Trucks", "TruckNo"},
        {"Weeks", "WeekID Date1 GalonPrice"},
        {"WeekCase", "WCaseNo WeekID TruckNo DriverName KM Galons Dhs"},
        {"LogFile", "ver details"},
    };
    return t;
}

// Connection-local scratch tables.
const QList<QPair<QString, QString>> &expectedScratch()
{
    static const QList<QPair<QString, QString>> t{
        {"Store", "CNO ItemId Quantity RateStr Date1"},
        {"Costs", "ItemID Cost Date1"},
        {"SalaryAll", "EmpID Month1 Amount Date1 About"},
        {"SalaryAllM", "EmpID 1 2 3 4 5 6 7 8 9 10 11 12"},
        {"Drivers", "DriverName Gln0 Gln1 Gln Km0 km1 km Dhs rate"},
        {"TempCash", "ID AccID VNo VKind VDate Debit Credit About"},
        {"TempMonths", "Month_ Pur Sal Goods Pay Crd salary Net"},
        {"tempStore1", "ItemId Quantity RateStr Date1 IsService"},
        {"TempCosts", "ItemID RateStr Date1"},
        {"TempClipboard", "ItemID Quantity Rate1 Note"},
        {"tempSno", "itemCode SNo sCount"},
        {"TempBarcode", "Grph"},
    };
    return t;
}

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }

    void everyTableAndColumn();
    void scratchTablesAreConnectionLocal();
    void computedAmountsFollowQuantityAndRate();
    void omittedNumbersAndFlagsDefaultToZero();
    void itemCodeIsUnique();
    void systemAccountsAndNoUser();
    void serialNumbersNeedTheirLine();
    void fixedDatabaseName();
};

void TestSchema::everyTableAndColumn()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    QSqlDatabase db = year.data().database();
    const QStringList tables = year.data().dialect().tableNames(db);
    for (const auto &[table, columns] : expectedTables()) {
        QVERIFY2(tables.contains(table), qPrintable(table));
        // exact spelling, exact set (order may differ from this list)
        const QStringList have = year.data().dialect().columnNames(db, table);
        QCOMPARE(sorted(have), sorted(columns.split(u' ')));
    }
    // Scratch tables are never part of the file.
    for (const auto &[table, columns] : expectedScratch())
        QVERIFY2(!tables.contains(table, Qt::CaseInsensitive), qPrintable(table));
}

void TestSchema::scratchTablesAreConnectionLocal()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    for (const auto &[table, columns] : expectedScratch()) {
        QVERIFY2(year.data().TableExists(table), qPrintable(table));
        QSqlDatabase db = year.data().database();
        QStringList have = year.data().dialect().columnNames(db, table);
        // tempStore1 carries an unnamed-in-SQL identity as well
        have.removeAll(QStringLiteral("ID"));
        QStringList want = columns.split(u' ');
        want.removeAll(QStringLiteral("ID"));
        QCOMPARE(sorted(have), sorted(want));
    }

    // A second workstation on the same database sees none of our rows.
    TDataFormSQL other;
    QVERIFY2(other.OpenDB(year.params()), qPrintable(other.lastErrorText()));
    QVERIFY(year.data().DoSqlNEW(R"(INSERT INTO "TempCash"("AccID","Debit") VALUES(?,?))", {7, 10.5}));
    QCOMPARE(year.data().scalar(R"(SELECT count(*) FROM "TempCash")").toInt(), 1);
    QCOMPARE(other.scalar(R"(SELECT count(*) FROM "TempCash")").toInt(), 0);
    QVERIFY(other.DoSqlNEW(R"(INSERT INTO "Store"("ItemId","Quantity") VALUES(?,?))", {1, 3.0}));
    QCOMPARE(year.data().scalar(R"(SELECT count(*) FROM "Store")").toInt(), 0);
}

void TestSchema::computedAmountsFollowQuantityAndRate()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    for (const QString &table : {QStringLiteral("SaleOne"), QStringLiteral("IndOutTB")}) {
        QVERIFY2(d.DoSqlNEW(QStringLiteral(R"(INSERT INTO "%1"("InvID","ItemID","Quantity","Rate1") VALUES(?,?,?,?))")
                                .arg(table),
                            {1, 1, 3.0, 2.5}),
                 qPrintable(d.lastErrorText()));
        const QString amount = QStringLiteral(R"(SELECT "Amount1" FROM "%1")").arg(table);
        QCOMPARE(d.scalar(amount).toDouble(), 7.5);
        QVERIFY(d.DoSqlNEW(QStringLiteral(R"(UPDATE "%1" SET "Quantity"=?)").arg(table), {4.0}));
        QCOMPARE(d.scalar(amount).toDouble(), 10.0);
        // never written by the program: the engine refuses it
        QVERIFY(!d.DoSqlNEW(QStringLiteral(R"(UPDATE "%1" SET "Amount1"=?)").arg(table), {1.0}));
    }
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "FGood"("ItemId","Quantity","Rate") VALUES(?,?,?))", {1, 2.0, 1.25}));
    QCOMPARE(d.scalar(R"(SELECT "Amount" FROM "FGood")").toDouble(), 2.5);
}

void TestSchema::omittedNumbersAndFlagsDefaultToZero()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    // An item made with its code and description only (import, paste).
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "CodeTb"("ItemCode","Description") VALUES(?,?))", {"A1", "x"}));
    QSqlQuery q = d.exec(R"(SELECT "Kind","Rate","NotLes","IsService","QkbNo" FROM "CodeTb")");
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    QCOMPARE(q.value(1).toDouble(), 0.0);
    QCOMPARE(q.value(2).toDouble(), 0.0);
    QVERIFY(!q.value(3).isNull());
    QCOMPARE(q.value(3).toBool(), false);
    QVERIFY(q.value(4).isNull()); // no quick key
    // A sales header from the point of sale.
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Users"("UName") VALUES(?))", {"u"}));
    QVERIFY2(d.DoSqlNEW(R"(INSERT INTO "Sales"("CompanyID","UID") VALUES(?,?))", {4, 1}),
             qPrintable(d.lastErrorText()));
    QSqlQuery s = d.exec(R"(SELECT "Cash","TotalAmount","Discount","Prepared","Delevered" FROM "Sales" WHERE "UID"=1)");
    QVERIFY(s.next());
    for (int i = 0; i < 5; ++i) {
        QVERIFY(!s.value(i).isNull());
        QCOMPARE(s.value(i).toDouble(), 0.0);
    }
}

void TestSchema::itemCodeIsUnique()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "CodeTb"("ItemCode") VALUES(?))", {"6281000000014"}));
    QVERIFY(!d.DoSqlNEW(R"(INSERT INTO "CodeTb"("ItemCode") VALUES(?))", {"6281000000014"}));
    QVERIFY(!d.lastErrorText().isEmpty());
    // codes with a quote or Arabic letters are ordinary values
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "CodeTb"("ItemCode") VALUES(?))", {"O'Brien"}));
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "CodeTb"("ItemCode") VALUES(?))", {QStringLiteral("صابون")}));
    QCOMPARE(d.scalar(R"(SELECT "ItemCode" FROM "CodeTb" WHERE "ItemCode"=?)", {QStringLiteral("صابون")}).toString(),
             QStringLiteral("صابون"));
}

void TestSchema::systemAccountsAndNoUser()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QSqlQuery q = d.exec(R"(SELECT "ID","AName" FROM "Address" ORDER BY "ID")");
    QStringList names;
    while (q.next())
        names << q.value(0).toString() + u' ' + q.value(1).toString();
    QCOMPARE(names, QStringList({"1 Capital", "2 Beginning Inventory Cost", "3 Opening Cash"}));
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "Users")").toInt(), 0);
    // the first account the user adds is number 4
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "Address"("AName") VALUES(?))", {"Cash"}));
    QCOMPARE(d.scalar(R"(SELECT max("ID") FROM "Address")").toInt(), 4);
    QCOMPARE(SchemaUpgrade::storedVersion(d), Schema::currentVersion());
    QVERIFY(!SchemaUpgrade::needsUpgrade(d));
}

void TestSchema::serialNumbersNeedTheirLine()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    QVERIFY(!d.DoSqlNEW(R"(INSERT INTO "SNoSale"("SOneID","SNo") VALUES(?,?))", {99, "S-1"}));
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "SaleOne"("InvID","ItemID","Quantity","Rate1") VALUES(1,1,1,1))"));
    const int line = d.scalar(R"(SELECT max("ID") FROM "SaleOne")").toInt();
    QVERIFY2(d.DoSqlNEW(R"(INSERT INTO "SNoSale"("SOneID","SNo") VALUES(?,?))", {line, "S-1"}),
             qPrintable(d.lastErrorText()));
    // a line with serial numbers cannot silently vanish
    QVERIFY(!d.DoSqlNEW(R"(DELETE FROM "SaleOne" WHERE "ID"=?)", {line}));
}

void TestSchema::fixedDatabaseName()
{
    QCOMPARE(YearDatabases::databaseName("DATA", 2013), QStringLiteral("QarvelDATA2013"));
    QCOMPARE(YearDatabases::databaseName("databr", 2014), QStringLiteral("QarvelDATABR2014"));
    QString prefix;
    int y = -1;
    QVERIFY(YearDatabases::parseName("qarvelDATATR22026", &prefix, &y));
    QCOMPARE(prefix, QStringLiteral("DATATR2"));
    QCOMPARE(y, 2026);
    QVERIFY(YearDatabases::parseName("QarvelDATAabcd", &prefix, &y));
    QCOMPARE(y, 0);
    QVERIFY(!YearDatabases::parseName("Other2026", &prefix, &y));
    QCOMPARE(YearDatabases::years({"QarvelDATA2011", "QarvelDATABR2012", "QarvelDATA2013", "QarvelDATAxxxx"},
                                  "DATA"),
             QList<int>({2011, 2013}));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
