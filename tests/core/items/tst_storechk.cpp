// Stock recomputation, unit costs, document cost and the stock command.

#include "TestDb.h"

#include "AdminCommands.h"
#include "data/DbSettings.h"
#include "items/DocumentCost.h"
#include "items/StockReport.h"
#include "items/StoreChk.h"
#include "shell/AppState.h"

#include <QMap>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {

// Small fixtures written straight into the tables.
class Fixture
{
public:
    explicit Fixture(TDataFormSQL &data)
        : d(data)
    { }

    int item(const QString &code, double notLes = 0, bool service = false)
    {
        return insert(
            R"(INSERT INTO "CodeTb"("ItemCode","Description","NotLes","IsService") VALUES(?,?,?,?) RETURNING "ItemID")",
            {code, "Item " + code, notLes, d.boolValue(service)});
    }
    void opening(int item, double quantity, double rate)
    {
        insert(R"(INSERT INTO "FGood"("ItemId","Quantity","Rate") VALUES(?,?,?) RETURNING "ID")",
               {item, quantity, rate});
    }
    // header of table dated "dd/MM/yyyy hh:mm", made by the fixture's user
    int document(const QString &header, const QString &date)
    {
        if (m_uid == 0)
            m_uid = insert(
                R"(INSERT INTO "Users"("UName","UKind") VALUES('stock',0) RETURNING "UID")", {});
        return insert(
            QStringLiteral(R"(INSERT INTO "%1"("Date1","UID") VALUES(?,?) RETURNING "InvID")")
                .arg(header),
            {d.ToSqlDate(date), m_uid});
    }
    int line(const QString &table, int invId, int item, double quantity, double rate = 0)
    {
        return insert(
            QStringLiteral(
                R"(INSERT INTO "%1"("InvID","ItemID","Quantity","Rate1") VALUES(?,?,?,?) RETURNING "ID")")
                .arg(table),
            {invId, item, quantity, rate});
    }
    // one document with one line
    int move(const QString &header, const QString &lines, const QString &date, int item,
             double quantity, double rate = 0)
    {
        const int inv = document(header, date);
        line(lines, inv, item, quantity, rate);
        return inv;
    }

private:
    int insert(const QString &sql, const QVariantList &values)
    {
        bool ok = false;
        const int id = d.scalar(sql, values, &ok).toInt();
        if (!ok)
            qWarning() << sql << d.lastErrorText();
        return id;
    }
    TDataFormSQL &d;
    int m_uid = 0;
};

QMap<QString, StockRow> byCode(const QList<StockRow> &rows)
{
    QMap<QString, StockRow> m;
    for (const StockRow &r : rows)
        m.insert(r.itemCode, r);
    return m;
}

// Recomputes and gives the list by item code.
QMap<QString, StockRow> stock(TDataFormSQL &data, const QDate &upTo = {}, double *total = nullptr)
{
    StoreChk chk(data);
    chk.setUpToDate(upTo);
    if (!chk.recalc())
        qWarning() << "recomputation failed:" << chk.lastError();
    if (total)
        *total = chk.totalValue();
    bool ok = false;
    const auto rows = chk.rows(&ok);
    if (!ok)
        qWarning() << "no list:" << data.lastErrorText();
    return byCode(rows);
}

} // namespace

class TestStoreChk : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void init() { appState().resetForTests(); }

    void everyMovementCountsWithItsSign();
    void upToDateLimitsDocumentsOnly();
    void unitCost_data();
    void unitCost();
    void downMeansBelowTheMinimum();
    void documentCost();
    void freshResultIsNotRecomputed();
    void failedRecomputationKeepsThePreviousList();
    void connectionsKeepTheirOwnLists();
    void stockCommand();
};

void TestStoreChk::everyMovementCountsWithItsSign()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    Fixture f(d);
    const int a = f.item("A"), b = f.item("B"), raw = f.item("RAW"), made = f.item("MADE");
    const int svc = f.item("SVC", 0, true), idle = f.item("IDLE");
    for (int i : {a, b}) {
        f.opening(i, 10, 2);
        f.move("InvoiceS", "InvOne", "01/02/2026 09:00", i, 5, 2);
        f.move("Sales", "SaleOne", "02/02/2026 09:00", i, 3, 7);
        f.move("BFromUsS", "BFrUsOne", "03/02/2026 09:00", i, 1, 2);
    }
    f.move("BToUsS", "BToUsOne", "04/02/2026 09:00", b, 4, 7);
    // manufacturing: 2 of RAW consumed, 1 of MADE produced, one document
    f.opening(raw, 5, 1);
    const int ind = f.document("IndTB", "05/02/2026 10:00");
    f.line("IndInTB", ind, raw, 2, 1);
    f.line("IndOutTB", ind, made, 1, 3);
    // price lists never move stock; services never appear
    f.move("PListS", "PListOne", "06/02/2026 09:00", a, 100, 9);
    f.move("PListS", "PListOne", "06/02/2026 09:00", made, 100, 9);
    f.opening(svc, 50, 10);
    f.move("InvoiceS", "InvOne", "07/02/2026 09:00", svc, 4, 10);

    double total = -1;
    const auto s = stock(d, {}, &total);
    QCOMPARE(s.keys(),
             QStringList({"A", "B", "MADE", "RAW"})); // no service, no item without movement
    QCOMPARE(s["A"].quantity, 11.0);
    QCOMPARE(s["B"].quantity, 15.0);
    QCOMPARE(s["RAW"].quantity, 3.0);
    QCOMPARE(s["MADE"].quantity, 1.0);
    QCOMPARE(s["MADE"].costRate, 3.0);
    QCOMPARE(s["A"].value, 22.0);
    // 11*2 + 15*2 + 3*1 + 1*3, the service's 54 units at 10 left out
    QCOMPARE(total, 58.0);
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "Store" WHERE "ItemId"=?)", {svc}).toInt(), 0);
    // the list comes by item code; Store is numbered from 1 and dated 1 January
    StoreChk chk(d);
    QStringList order;
    for (const StockRow &r : chk.rows())
        order << r.itemCode;
    QCOMPARE(order, QStringList({"A", "B", "MADE", "RAW"}));
    QCOMPARE(d.scalar(R"(SELECT "CNO" FROM "Store" WHERE "ItemId"=?)", {raw}).toInt(), 3);
    QCOMPARE(d.toDateTime(d.scalar(R"(SELECT max("Date1") FROM "Store")")).date(),
             QDate(2026, 1, 1));
    // the popup: a service or an item without movements has no stock row
    QVERIFY(chk.itemStock(svc).ok);
    QVERIFY(!chk.itemStock(svc).found);
    QVERIFY(!chk.itemStock(idle).found);
    QCOMPARE(chk.itemStock(b).quantity, 15.0);
    appState().DataChanged = true; // computed for the item alone
    QVERIFY(!chk.itemStock(svc).found);
    QCOMPARE(chk.itemStock(b).quantity, 15.0);
    // a second run numbers from 1 again
    stock(d);
    QCOMPARE(d.scalar(R"(SELECT min("CNO") FROM "Store")").toInt(), 1);
}

void TestStoreChk::upToDateLimitsDocumentsOnly()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    Fixture f(d);
    const int a = f.item("A"), late = f.item("LATE"), open = f.item("OPEN");
    f.opening(a, 10, 2);
    f.move("Sales", "SaleOne", "09/03/2026 18:30", a, 1);
    f.move("Sales", "SaleOne", "10/03/2026 08:00", a, 3);
    f.move("InvoiceS", "InvOne", "20/03/2026 08:00", a, 5, 4);
    f.move("InvoiceS", "InvOne", "20/03/2026 08:00", late, 5, 4);
    f.opening(open, 7, 1); // an opening stock dated nothing but the year's start

    auto s = stock(d, QDate(2026, 3, 9));
    QCOMPARE(s["A"].quantity, 9.0); // the sale of the limit day counts, the next day's not
    QCOMPARE(s["A"].costRate, 4.0); // the cost looks at the whole year
    QVERIFY(!s.contains("LATE"));   // nothing up to the limit: no stock row
    QCOMPARE(s["OPEN"].quantity, 7.0);
    s = stock(d, QDate(2026, 1, 1)); // before every document
    QCOMPARE(s["A"].quantity, 10.0);
    QCOMPARE(s["OPEN"].quantity, 7.0);
    s = stock(d);
    QCOMPARE(s["A"].quantity, 11.0);
    QCOMPARE(s["LATE"].quantity, 5.0);
}

void TestStoreChk::unitCost_data()
{
    // lines: "table date quantity rate" separated by ';' (table P purchase,
    // M product, S sale, O opening with no date)
    QTest::addColumn<QString>("lines");
    QTest::addColumn<double>("cost");
    QTest::addColumn<double>("quantity");
    QTest::newRow("latest purchase") << "P 01/03/2026 50 8;P 05/03/2026 1 9" << 9.0 << 51.0;
    QTest::newRow("order of entry does not matter")
        << "P 05/03/2026 1 9;P 01/03/2026 50 8" << 9.0 << 51.0;
    QTest::newRow("not an average") << "O - 100 1;P 01/03/2026 1 20" << 20.0 << 101.0;
    QTest::newRow("product line later") << "P 01/03/2026 3 8;M 02/03/2026 1 12" << 12.0 << 4.0;
    QTest::newRow("product left at rate 0") << "P 01/03/2026 3 8;M 02/03/2026 1 0" << 0.0 << 4.0;
    QTest::newRow("sales never decide") << "P 01/03/2026 3 8;S 09/03/2026 1 30" << 8.0 << 2.0;
    QTest::newRow("opening rate without purchases") << "O - 4 6.5;S 09/03/2026 1 30" << 6.5 << 3.0;
    QTest::newRow("purchase on 1 January beats the opening")
        << "O - 4 6.5;P 01/01/2026 1 7" << 7.0 << 5.0;
    QTest::newRow("sold, never bought") << "S 09/03/2026 2 30" << 0.0 << -2.0;
    QTest::newRow("same date: the higher line")
        << "P 05/03/2026 1 9;P 05/03/2026 2 7" << 7.0 << 3.0;
    QTest::newRow("same date, other order") << "P 05/03/2026 2 7;P 05/03/2026 1 9" << 9.0 << 3.0;
    QTest::newRow("three decimals kept") << "P 05/03/2026 1 1.125" << 1.125 << 1.0;
}

void TestStoreChk::unitCost()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, lines);
    QFETCH(double, cost);
    QFETCH(double, quantity);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    Fixture f(d);
    const int a = f.item("A");
    f.item("OTHER"); // its lines must not leak into A
    for (const QString &spec : lines.split(u';')) {
        const QStringList p = spec.split(u' ');
        const double q = p[2].toDouble(), r = p[3].toDouble();
        if (p[0] == u"O")
            f.opening(a, q, r);
        else if (p[0] == u"P")
            f.move("InvoiceS", "InvOne", p[1] + " 10:00", a, q, r);
        else if (p[0] == u"M")
            f.move("IndTB", "IndOutTB", p[1] + " 10:00", a, q, r);
        else
            f.move("Sales", "SaleOne", p[1] + " 10:00", a, q, r);
    }
    const int other = d.scalar(R"(SELECT "ItemID" FROM "CodeTb" WHERE "ItemCode"='OTHER')").toInt();
    f.move("InvoiceS", "InvOne", "31/12/2026 23:00", other, 1, 99);

    const auto s = stock(d);
    QCOMPARE(s["A"].costRate, cost);
    QCOMPARE(s["A"].quantity, quantity);
    // the line popup gives the same, fresh or computed for the item alone
    StoreChk chk(d);
    ItemStock one = chk.itemStock(a);
    QVERIFY(one.ok && one.found);
    QCOMPARE(one.costRate, cost);
    QCOMPARE(one.quantity, quantity);
    appState().DataChanged = true;
    const int before = StoreChk::recomputations();
    one = chk.itemStock(a);
    QCOMPARE(StoreChk::recomputations(), before);
    QCOMPARE(one.costRate, cost);
    QCOMPARE(one.quantity, quantity);
}

void TestStoreChk::downMeansBelowTheMinimum()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    Fixture f(d);
    f.opening(f.item("AT", 5), 5, 1);
    f.opening(f.item("BELOW", 5), 4, 1);
    f.opening(f.item("NOMIN"), 0, 1);
    const int neg = f.item("NEG");
    f.move("Sales", "SaleOne", "01/02/2026 10:00", neg, 1);
    const auto s = stock(d);
    QVERIFY(!s["AT"].down);
    QVERIFY(s["BELOW"].down);
    QVERIFY(!s["NOMIN"].down);
    QVERIFY(s["NEG"].down);
}

void TestStoreChk::documentCost()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    Fixture f(d);
    const int a = f.item("A"), b = f.item("B"), never = f.item("NEVER"), tie = f.item("TIE");
    f.opening(a, 10, 2);
    f.move("InvoiceS", "InvOne", "01/03/2026 10:00", a, 1, 8);
    f.move("InvoiceS", "InvOne", "05/03/2026 10:00", a, 1, 9);
    f.opening(b, 10, 1.5);
    const int same = f.document("InvoiceS", "06/03/2026 10:00");
    f.line("InvOne", same, tie, 1, 4);
    f.line("InvOne", same, tie, 1, 5);

    const int sale = f.document("Sales", "10/03/2026 10:00");
    f.line("SaleOne", sale, a, 2, 20);
    f.line("SaleOne", sale, b, 4, 3);
    f.line("SaleOne", sale, never, 7, 3);
    f.line("SaleOne", sale, tie, 3, 6);
    DocumentCost::Result r = DocumentCost::ofDocument(d, 1, sale);
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY(r.found);
    // 2*9 + 4*1.5 + nothing for NEVER + 3*5 (each line once)
    QCOMPARE(r.value, 39.0);
    QCOMPARE(DocumentCost::message(r, 2), QStringLiteral("Cost: 39.00"));

    // manufacturing: the raw materials consumed
    const int ind = f.document("IndTB", "11/03/2026 10:00");
    f.line("IndInTB", ind, b, 2, 0);
    f.line("IndOutTB", ind, a, 1, 100);
    r = DocumentCost::ofDocument(d, 5, ind);
    QVERIFY(r.ok && r.found);
    QCOMPARE(r.value, 3.0);

    // no line with a cost
    const int nothing = f.document("Sales", "12/03/2026 10:00");
    f.line("SaleOne", nothing, never, 1, 3);
    r = DocumentCost::ofDocument(d, 1, nothing);
    QVERIFY(r.ok);
    QVERIFY(!r.found);
    QCOMPARE(DocumentCost::message(r, 3), QStringLiteral("Cost: 0"));
    QVERIFY(!DocumentCost::ofDocument(d, 6, sale).ok);
}

void TestStoreChk::freshResultIsNotRecomputed()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    Fixture f(d);
    const int a = f.item("A");
    f.opening(a, 10, 2);

    StoreChk page(d);
    QVERIFY(appState().DataChanged); // stale at start
    QVERIFY(page.run());
    QVERIFY(page.recomputedLastRun());
    QVERIFY(!appState().DataChanged);
    const int count = StoreChk::recomputations();
    QVERIFY(!page.isStale());
    QVERIFY(page.run());
    QVERIFY(!page.recomputedLastRun());
    QCOMPARE(page.totalValue(), 20.0);
    StoreChk popup(d); // another user of the same connection sees it fresh too
    QVERIFY(popup.run());
    QCOMPARE(StoreChk::recomputations(), count);

    // a change written without posting is not seen...
    f.move("Sales", "SaleOne", "01/02/2026 10:00", a, 3);
    QVERIFY(page.run());
    QCOMPARE(StoreChk::recomputations(), count);
    QCOMPARE(byCode(page.rows())["A"].quantity, 10.0);
    // ...a posted one is
    appState().DataChanged = true;
    QVERIFY(page.isStale());
    QVERIFY(page.run());
    QVERIFY(page.recomputedLastRun());
    QCOMPARE(StoreChk::recomputations(), count + 1);
    QCOMPARE(byCode(page.rows())["A"].quantity, 7.0);
    QCOMPARE(page.totalValue(), 14.0);

    // another limit is another list; going back to it recomputes again
    page.setUpToDate(QDate(2026, 1, 31));
    QVERIFY(page.isStale());
    QVERIFY(page.run());
    QCOMPARE(StoreChk::recomputations(), count + 2);
    QCOMPARE(byCode(page.rows())["A"].quantity, 10.0);
    QVERIFY(page.run());
    QCOMPARE(StoreChk::recomputations(), count + 2);
    page.setUpToDate({});
    QVERIFY(page.run());
    QCOMPARE(StoreChk::recomputations(), count + 3);
    // "Re Calc Store" always works
    QVERIFY(page.recalc());
    QCOMPARE(StoreChk::recomputations(), count + 4);
    // a new connection has an empty Store of its own
    QVERIFY(year.reopen());
    QVERIFY(page.isStale());
    QVERIFY(page.run());
    QVERIFY(page.recomputedLastRun());
    QCOMPARE(page.rows().size(), 1);
}

void TestStoreChk::failedRecomputationKeepsThePreviousList()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    Fixture f(d);
    const int a = f.item("A"), b = f.item("B");
    f.opening(a, 10, 2);
    f.opening(b, 1, 2);
    StoreChk chk(d);
    QVERIFY(chk.run());
    QCOMPARE(chk.rows().size(), 2);

    f.move("Sales", "SaleOne", "01/02/2026 10:00", a, 3);
    QVERIFY(d.DoSqlNEW(R"(ALTER TABLE "IndOutTB" RENAME TO "IndOutGone")"));
    appState().DataChanged = true;
    QVERIFY(!chk.run());
    QVERIFY(!chk.lastError().isEmpty());
    const auto kept = byCode(chk.rows());
    QCOMPARE(kept.size(), 2);
    QCOMPARE(kept["A"].quantity, 10.0);
    QVERIFY(chk.isStale()); // still stale: the next run tries again
    QVERIFY(d.DoSqlNEW(R"(ALTER TABLE "IndOutGone" RENAME TO "IndOutTB")"));
    QVERIFY(chk.run());
    QVERIFY(chk.recomputedLastRun());
    QCOMPARE(byCode(chk.rows())["A"].quantity, 7.0);
}

void TestStoreChk::connectionsKeepTheirOwnLists()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    Fixture f(d);
    // enough items that the fills overlap in time
    QList<int> items;
    for (int i = 0; i < 40; ++i)
        items << f.item(QStringLiteral("C%1").arg(i, 3, 10, QChar(u'0')));
    for (int month = 1; month <= 12; ++month) {
        const int inv = f.document(
            "InvoiceS", QStringLiteral("10/%1/2026 10:00").arg(month, 2, 10, QChar(u'0')));
        for (int i : items)
            f.line("InvOne", inv, i, 1, month);
    }
    // workstation m sees stock up to the end of month m: m units per item
    std::atomic<int> wrong{0}, failed{0};
    auto workstation = [&](int month) {
        TDataFormSQL own;
        if (!own.OpenDB(year.params())) {
            ++failed;
            return;
        }
        StoreChk chk(own);
        chk.setUpToDate(QDate(2026, month, 28));
        for (int round = 0; round < 15; ++round) {
            if (!chk.recalc()) {
                ++failed;
                continue;
            }
            const QList<StockRow> rows = chk.rows();
            if (rows.size() != items.size())
                ++wrong;
            for (const StockRow &r : rows)
                if (r.quantity != month || r.costRate != 12)
                    ++wrong;
        }
        own.CloseDB();
    };
    QList<QThread *> threads;
    for (int month : {3, 8, 11})
        threads << QThread::create(workstation, month);
    for (QThread *t : threads)
        t->start();
    for (QThread *t : threads) {
        QVERIFY(t->wait(120000));
        delete t;
    }
    QCOMPARE(failed.load(), 0);
    QCOMPARE(wrong.load(), 0);
    // and the main connection's own list is untouched by theirs
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "Store")").toInt(), 0);
}

void TestStoreChk::stockCommand()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    Fixture f(d);
    const int a = f.item("A", 20), b = f.item("B");
    f.opening(a, 10, 2.5);
    f.move("Sales", "SaleOne", "10/03/2026 10:00", a, 3.5);
    f.move("InvoiceS", "InvOne", "01/03/2026 10:00", b, 2, 1.25);
    f.opening(f.item("SVC", 0, true), 3, 1);

    // the embedded engine finds the file in the data folder; a server is
    // named by the folder's settings
    QTemporaryDir dir;
    const QString appDir = engine == DbEngine::SQLite ? year.dataDir() : dir.path() + u'/';
    if (engine == DbEngine::PostgreSQL) {
        const ConnectionParams p = year.params();
        DbSettings s;
        s.server = p.host + u':' + QString::number(p.port);
        s.user = p.user;
        s.password = p.password;
        QVERIFY(s.save(appDir + DbSettings::kFileName));
    }
    auto admin = [&](const QStringList &args, QString *out) {
        QString o, e;
        QTextStream os(&o), es(&e);
        const int status = AdminCommands(os, es).run(QStringList{"--data", appDir} + args);
        os.flush();
        if (out)
            *out = o + e;
        return status;
    };
    QString out;
    QCOMPARE(admin({"stock", year.params().database}, &out), 0);
    QCOMPARE(out,
             QStringLiteral("ItemCode\tDescription\tQuantity\tCost Rate\tDown!\n"
                            "A\tItem A\t6.5\t2.50\tYes\n"
                            "B\tItem B\t2\t1.25\tNo\n"
                            "Total Amount\t18.75\n"));
    QCOMPARE(
        admin({"stock", year.params().database, "--up-to", "09/03/2026", "--decimals", "3"}, &out),
        0);
    QVERIFY2(out.contains("A\tItem A\t10\t2.500\tYes\n"), qPrintable(out));
    QVERIFY2(out.endsWith("Total Amount\t27.500\n"), qPrintable(out));
    QCOMPARE(admin({"stock", year.params().database, "--up-to", "31/02/2026"}, &out), 2);
    QCOMPARE(admin({"stock"}, &out), 2);
}

QTEST_GUILESS_MAIN(TestStoreChk)
#include "tst_storechk.moc"
