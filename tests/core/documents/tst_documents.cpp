// Documents of the six kinds: numbering, totals, lines, and that every
// operation is whole or not at all.

#include "TestDb.h"

#include "documents/Documents.h"
#include "shell/AppState.h"

#include <QSqlQuery>
#include <QtTest>

class TestDocuments : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void numbersStayGapless();
    void supplierNumberUniquePerSupplier();
    void totalsWithDiscountAndCommission_data();
    void totalsWithDiscountAndCommission();
    void linesStartAtTheRightRate();
    void deletedLastLineNumberIsReused();
    void swapMovesSerialNumbers();
    void refusedTotalLeavesNoLine();
    void deletingADocumentTakesItsSerials();
    void manufacturing();
    void listSearchAndCash();
    void twoWorkstationsEachGetTheirOwn();
};

namespace {

struct Shop
{
    int user = 0, customer = 0, supplier = 0, supplier2 = 0, cashOnly = 0;
    int soap = 0, oil = 0, tea = 0;
};

Shop fill(TDataFormSQL &d)
{
    Shop s;
    auto id = [&](const QString &sql, const QVariantList &v, const QString &table, const QString &col) {
        if (!d.DoSqlNEW(sql, v))
            qWarning() << d.lastErrorText();
        return d.scalar(QStringLiteral("SELECT max(\"%1\") FROM \"%2\"").arg(col, table)).toInt();
    };
    s.user = id(R"(INSERT INTO "Users"("UName","UKind") VALUES('boss',0))", {}, "Users", "UID");
    s.customer = id(R"(INSERT INTO "Address"("AName","Telno1") VALUES(?,?))", {"O'Hara Trading", "555"}, "Address", "ID");
    s.supplier = id(R"(INSERT INTO "Address"("AName") VALUES('Supplier One'))", {}, "Address", "ID");
    s.supplier2 = id(R"(INSERT INTO "Address"("AName") VALUES('Supplier Two'))", {}, "Address", "ID");
    s.cashOnly = id(R"(INSERT INTO "Address"("AName","CashOnly") VALUES('Cash',TRUE))", {}, "Address", "ID");
    d.DoSqlNEW(R"(INSERT INTO "ItemKind"("ItemKind") VALUES('General'))");
    s.soap = id(R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES('A1','Soap',1,2.5))", {}, "CodeTb", "ItemID");
    s.oil = id(R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES('B2','Oil',1,10))", {}, "CodeTb", "ItemID");
    s.tea = id(R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES(?,?,1,4))", {QString::fromUtf8("شاي'1"), QString::fromUtf8("شاي")}, "CodeTb", "ItemID");
    return s;
}

DocumentHeader headerFor(int company, int user, bool cash = true, double discount = 0)
{
    DocumentHeader h;
    h.CompanyID = company;
    h.UID = user;
    h.Cash = cash;
    h.Discount = discount;
    h.Date1 = QDateTime(QDate(2026, 5, 1), QTime(10, 0));
    return h;
}

} // namespace

void TestDocuments::numbersStayGapless()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = fill(year.data());
    Documents sales(year.data(), DocKind::Sale);
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(sales.create(headerFor(s.customer, s.user)), i);
    for (int i = 1; i <= 9; ++i)
        QVERIFY(!sales.mayDelete(i));
    QVERIFY(sales.mayDelete(10));
    QVERIFY(sales.addItemByCode(10, "A1") > 0);
    QVERIFY(!sales.remove(9));
    QVERIFY2(sales.remove(10), qPrintable(sales.lastErrorText()));
    QCOMPARE(sales.create(headerFor(s.customer, s.user)), 10);
    QVERIFY(sales.lines(10).isEmpty());

    // purchases may be deleted in any order
    Documents purchases(year.data(), DocKind::Purchase);
    DocumentHeader p = headerFor(s.supplier, s.user);
    p.InvoiceNo = 1;
    QCOMPARE(purchases.create(p), 1);
    p.InvoiceNo = 2;
    QCOMPARE(purchases.create(p), 2);
    QVERIFY(purchases.mayDelete(1));
    QVERIFY(purchases.remove(1));
}

void TestDocuments::supplierNumberUniquePerSupplier()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = fill(year.data());
    Documents purchases(year.data(), DocKind::Purchase);
    DocumentHeader p = headerFor(s.supplier, s.user);
    p.InvoiceNo = 4711;
    const int id = purchases.create(p);
    QVERIFY(id > 0);
    QVERIFY(purchases.invoiceNoTaken(s.supplier, 4711));
    QVERIFY(!purchases.invoiceNoTaken(s.supplier2, 4711));
    QVERIFY(!purchases.invoiceNoTaken(s.supplier, 4711, id)); // its own number when edited
    QCOMPARE(purchases.header(id)->InvoiceNo, 4711);
    QCOMPARE(purchases.list().first().InvNo, 4711);
}

void TestDocuments::totalsWithDiscountAndCommission_data()
{
    QTest::addColumn<double>("discount");
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("label");
    QTest::newRow("discount 10") << -10.0 << 180.0 << "Total:200.00\n\rDiscount: 10.00 %";
    QTest::newRow("commission 10") << 10.0 << 220.0 << "Total:200.00\n\rCommition: 10.00 %";
    QTest::newRow("none") << 0.0 << 200.0 << "";
}

void TestDocuments::totalsWithDiscountAndCommission()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(double, discount);
    QFETCH(double, total);
    QFETCH(QString, label);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = fill(year.data());
    Documents sales(year.data(), DocKind::Sale);
    const int inv = sales.create(headerFor(s.customer, s.user, false, discount));
    QCOMPARE(sales.header(inv)->TotalAmount, 0.0); // no lines yet
    const int a = sales.addLine(inv, s.oil, 15, 10);
    QVERIFY(sales.addLine(inv, s.soap, 20, 2.5) > 0);
    QCOMPARE(sales.header(inv)->TotalAmount, total);
    QCOMPARE(Documents::discountLabel(total, discount, 2), label);
    // an edited line recomputes the total
    QVERIFY(sales.updateLine(a, 5, 10, "x"));
    QCOMPARE(sales.header(inv)->TotalAmount, total / 2);
    // editing the header keeps the total right
    DocumentHeader h = *sales.header(inv);
    h.Discount = 0;
    QVERIFY(sales.update(h));
    QCOMPARE(sales.header(inv)->TotalAmount, 100.0);
}

void TestDocuments::linesStartAtTheRightRate()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = fill(year.data());
    Documents purchases(year.data(), DocKind::Purchase);
    DocumentHeader p = headerFor(s.supplier, s.user);
    p.InvoiceNo = 1;
    const int inv = purchases.create(p);
    QVERIFY(purchases.addItemByCode(inv, "B2") > 0);
    QVERIFY(purchases.addItemByCode(inv, "B2") > 0);
    const QList<DocumentLine> l = purchases.lines(inv);
    QCOMPARE(l.size(), 2); // twice is two lines
    QCOMPARE(l[0].Quantity, 1.0);
    QCOMPARE(l[0].Rate1, 10.0); // the sale price, the buyer overwrites it
    QCOMPARE(purchases.addItemByCode(inv, "NOPE"), 0);
    // a code with an apostrophe and Arabic letters
    QVERIFY(purchases.addItemByCode(inv, QString::fromUtf8("شاي'1")) > 0);
    QCOMPARE(purchases.header(inv)->TotalAmount, 24.0);

    Documents ind(year.data(), DocKind::Manufacturing);
    DocumentHeader m = headerFor(0, s.user);
    const int job = ind.create(m);
    QVERIFY(ind.addItemByCode(job, "A1", true) > 0);
    QCOMPARE(ind.lines(job, true).first().Rate1, 0.0);
}

void TestDocuments::deletedLastLineNumberIsReused()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = fill(year.data());
    Documents sales(year.data(), DocKind::Sale);
    const int inv = sales.create(headerFor(s.customer, s.user));
    sales.addLine(inv, s.soap, 1, 2.5);
    const int last = sales.addLine(inv, s.oil, 2, 10);
    QVERIFY(sales.deleteLine(last));
    QCOMPARE(sales.header(inv)->TotalAmount, 2.5);
    QCOMPARE(sales.addLine(inv, s.tea, 1, 4), last);
}

void TestDocuments::swapMovesSerialNumbers()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const Shop s = fill(d);
    Documents sales(d, DocKind::Sale);
    const int inv = sales.create(headerFor(s.customer, s.user));
    const int l1 = sales.addLine(inv, s.soap, 1, 2.5);
    const int l2 = sales.addLine(inv, s.oil, 2, 10);
    const int l3 = sales.addLine(inv, s.tea, 3, 4);
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "SNoSale"("SOneID","SNo") VALUES(?,'S-1'),(?,'S-3a'),(?,'S-3b'))", {l1, l3, l3}));
    QVERIFY2(sales.swapLines(l1, l3), qPrintable(sales.lastErrorText()));
    const QList<DocumentLine> l = sales.lines(inv);
    QCOMPARE(l[0].ID, l1);
    QCOMPARE(l[0].ItemCode, QString::fromUtf8("شاي'1"));
    QCOMPARE(l[0].Quantity, 3.0);
    QCOMPARE(l[2].ItemCode, QStringLiteral("A1"));
    QCOMPARE(l[1].ID, l2);
    auto serialsOf = [&](int line) {
        QSqlQuery q = d.exec(R"(SELECT "SNo" FROM "SNoSale" WHERE "SOneID"=? ORDER BY "SNo")", {line});
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        return out;
    };
    QCOMPARE(serialsOf(l1), QStringList({"S-3a", "S-3b"}));
    QCOMPARE(serialsOf(l3), QStringList({"S-1"}));
    QCOMPARE(sales.header(inv)->TotalAmount, 2.5 + 20 + 12);
}

void TestDocuments::refusedTotalLeavesNoLine()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const Shop s = fill(d);
    Documents sales(d, DocKind::Sale);
    const int inv = sales.create(headerFor(s.customer, s.user));
    QVERIFY(sales.addLine(inv, s.soap, 1, 2.5) > 0);
    // The database refuses the total update (as a crash would cut it off).
    QVERIFY(TestDb::refuseUpdates(d, "Sales"));
    QString error;
    QCOMPARE(sales.addLine(inv, s.oil, 1, 10, {}, false, &error), 0);
    QVERIFY(error.contains("refused"));
    QCOMPARE(sales.lines(inv).size(), 1);
    QCOMPARE(d.transactionDepth(), 0);
    const int before = sales.lines(inv).first().ID;
    QVERIFY(!sales.deleteLine(before));
    QCOMPARE(sales.lines(inv).size(), 1);
}

void TestDocuments::deletingADocumentTakesItsSerials()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    const Shop s = fill(d);
    Documents sales(d, DocKind::Sale);
    const int inv = sales.create(headerFor(s.customer, s.user));
    const int line = sales.addLine(inv, s.soap, 1, 2.5);
    QVERIFY(d.DoSqlNEW(R"(INSERT INTO "SNoSale"("SOneID","SNo") VALUES(?,'X-1'))", {line}));
    QVERIFY2(sales.remove(inv), qPrintable(sales.lastErrorText()));
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "SNoSale")").toInt(), 0);
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "SaleOne")").toInt(), 0);
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "Sales")").toInt(), 0);
}

void TestDocuments::manufacturing()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = fill(year.data());
    Documents ind(year.data(), DocKind::Manufacturing);
    DocumentHeader h = headerFor(s.customer, s.user); // the counterpart is ignored
    h.Note = "Mix 'n' pack";
    const int job = ind.create(h);
    QVERIFY(job > 0);
    QCOMPARE(ind.header(job)->CompanyID, 1);
    QCOMPARE(ind.header(job)->Note, QStringLiteral("Mix 'n' pack"));
    ind.addLine(job, s.soap, 2, 2.5);
    ind.addLine(job, s.oil, 1, 0, {}, true);
    const int out = ind.lines(job, true).first().ID;
    QVERIFY(ind.updateLine(out, 1, 7, {}, true));
    QCOMPARE(ind.header(job)->TotalAmount, 5.0); // raw materials only
    QCOMPARE(ind.productsTotal(job), 7.0);
    QCOMPARE(ind.list().size(), 1);
    QCOMPARE(ind.list().first().Note, QStringLiteral("Mix 'n' pack"));
    QVERIFY(ind.remove(job));
    QCOMPARE(year.data().scalar(R"(SELECT count(*) FROM "IndOutTB")").toInt(), 0);
}

void TestDocuments::listSearchAndCash()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = fill(year.data());
    Documents sales(year.data(), DocKind::Sale);
    sales.create(headerFor(s.customer, s.user, true));
    sales.create(headerFor(s.supplier, s.user, false));
    QCOMPARE(sales.list().size(), 2);
    QCOMPARE(sales.list("o'hara").size(), 1);
    QCOMPARE(sales.list("o'hara").first().Telno1, QStringLiteral("555"));
    QCOMPARE(sales.list("2").size(), 1);         // by number
    QCOMPARE(sales.list("' OR '1'='1").size(), 0);
    QVERIFY(sales.switchCash(1));
    QCOMPARE(sales.header(1)->Cash, false);
    QCOMPARE(sales.list().first().UName, QStringLiteral("boss"));
}

void TestDocuments::twoWorkstationsEachGetTheirOwn()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = fill(year.data());
    TDataFormSQL other;
    QVERIFY(other.OpenDB(year.params()));
    Documents mine(year.data(), DocKind::Sale), theirs(other, DocKind::Sale);
    // both open a document inside their own transaction at the same time
    TTransaction txA(year.data());
    const int a = mine.create(headerFor(s.customer, s.user));
    QVERIFY(a > 0);
    QVERIFY(txA.commit());
    TTransaction txB(other);
    const int b = theirs.create(headerFor(s.customer, s.user));
    QVERIFY(b > 0);
    // another sale comes in before B adds its line: B still writes into b
    // (an embedded file takes one writer at a time, a server several)
    if (engine == DbEngine::PostgreSQL)
        QVERIFY(mine.create(headerFor(s.customer, s.user)) > 0);
    QVERIFY(theirs.addLine(b, s.oil, 1, 10) > 0);
    QVERIFY(txB.commit());
    QVERIFY(a != b);
    QCOMPARE(mine.lines(a).size(), 0);
    QCOMPARE(mine.lines(b).size(), 1);
}

QTEST_GUILESS_MAIN(TestDocuments)
#include "tst_documents.moc"
