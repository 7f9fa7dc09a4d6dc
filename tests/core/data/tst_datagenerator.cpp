// The test-data generator: the rules its data keeps, its repeatability and
// the qarvel-admin command around it.

#include "TestDb.h"
#include "AdminRun.h"

#include "AdminCommands.h"
#include "data/DataGenerator.h"
#include "data/DbSettings.h"
#include "data/YearDatabases.h"
#include "shell/Password.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSet>
#include <QSqlRecord>
#include <QtTest>

namespace {

const char *const kHeaders[] = {"InvoiceS", "Sales", "PListS", "BToUsS", "BFromUsS", "IndTB"};
// the lines that make each header's total (manufacturing: the raw materials)
const char *const kTotalLines[] = {"InvOne", "SaleOne", "PListOne", "BToUsOne", "BFrUsOne", "IndInTB"};
const char *const kAllLines[] = {"InvOne", "SaleOne", "PListOne", "BToUsOne", "BFrUsOne", "IndInTB", "IndOutTB"};

QString qt(const char *name)
{
    return u'"' + QString::fromLatin1(name) + u'"';
}

DataGeneratorOptions tiny(quint64 seed)
{
    DataGeneratorOptions o;
    o.items = 80;
    o.accounts = 25;
    o.lines = 900;
    o.vouchers = 90;
    o.seed = seed;
    o.batchRows = 150; // several commits and partial multi-row statements
    return o;
}

QSqlQuery rows(TDataFormSQL &data, const QString &sql)
{
    bool ok = false;
    QSqlQuery q = data.exec(sql, {}, &ok);
    if (!ok)
        qWarning("%s: %s", qPrintable(sql), qPrintable(data.lastErrorText()));
    return q;
}

qint64 number(TDataFormSQL &data, const QString &sql)
{
    bool ok = false;
    const QVariant v = data.scalar(sql, {}, &ok);
    if (!ok)
        qWarning("%s: %s", qPrintable(sql), qPrintable(data.lastErrorText()));
    return v.toLongLong();
}

QString normalized(const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("~");
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(v.toDouble(), 'f', 3);
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    default: {
        const QString text = v.toString().trimmed();
        bool isNumber = false;
        const double d = text.toDouble(&isNumber);
        return isNumber ? QString::number(d, 'f', 3) : text;
    }
    }
}

// A digest of everything the generator writes, read back in key order.
QByteArray fingerprint(TDataFormSQL &data, bool withTotals)
{
    QStringList queries{
        R"(SELECT "ItemKindID","ItemKind" FROM "ItemKind" ORDER BY 1)",
        R"(SELECT "ItemID","ItemCode","Description","Kind","Location","ISize","Rate","NotLes","Note","IsService","QkbNo","OfCount","OfItemId" FROM "CodeTb" ORDER BY 1)",
        R"(SELECT "ID","AName","Telno1","Telno2","Fax","Adress","Kind","Note","CashOnly" FROM "Address" ORDER BY 1)",
        R"(SELECT "UID","EID","UName","Pass","UKind","options" FROM "Users" ORDER BY 1)",
        R"(SELECT "ID","ItemId","Quantity","Rate","Note" FROM "FGood" ORDER BY 1)",
        R"(SELECT "ID","No1","PersonID","About","Amount","Date1" FROM "OldDept" ORDER BY 1)",
        R"(SELECT "PID","PNameID","Bayan","Amount","Date1","Debit","Printed","UID" FROM "Pay" ORDER BY 1)",
        R"(SELECT "CID","CNameID","Bayan","Amount","Date1","Debit","Printed","UID" FROM "Credit" ORDER BY 1)",
    };
    for (const char *h : kHeaders)
        queries << QStringLiteral(R"(SELECT "InvID","CompanyID","Date1","StartTime","Cash","Discount","Note","UID"%1 FROM %2 ORDER BY 1)")
                       .arg(withTotals ? QStringLiteral(",\"TotalAmount\"") : QString(), qt(h));
    for (const char *l : kAllLines)
        queries << QStringLiteral(R"(SELECT "ID","InvID","ItemID","Quantity","Rate1","Note" FROM %1 ORDER BY 1)").arg(qt(l));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &sql : queries) {
        QSqlQuery q = rows(data, sql);
        hash.addData(sql.toUtf8());
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << normalized(q.value(i));
            hash.addData(cells.join(u'|').toUtf8());
            hash.addData("\n");
        }
    }
    return hash.result().toHex();
}

bool generate(ScratchYear &db, const DataGeneratorOptions &o, DataGenerator::Summary *summary = nullptr)
{
    DataGenerator g(db.data(), o);
    QString error;
    const bool ok = g.run(&error);
    if (!ok)
        qWarning("generation failed: %s", qPrintable(error));
    if (summary)
        *summary = g.summary();
    return ok;
}

} // namespace

class TestDataGenerator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void articleNumbers();
    void invariants_data();
    void invariants();
    void sameSeedSameData();
    void adminCommand();
};

void TestDataGenerator::articleNumbers()
{
    QCOMPARE(DataGenerator::ean13CheckDigit(QStringLiteral("628100000001")), 4);
    QVERIFY(DataGenerator::isValidEan13(QStringLiteral("6281000000014")));
    QVERIFY(!DataGenerator::isValidEan13(QStringLiteral("6281000000012")));
    QVERIFY(DataGenerator::isValidEan13(QStringLiteral("4006381333931")));
    QVERIFY(!DataGenerator::isValidEan13(QStringLiteral("400638133393")));
    QVERIFY(!DataGenerator::isValidEan13(QStringLiteral("40063813339x1")));
}

void TestDataGenerator::invariants_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("accounts");
    QTest::addColumn<int>("documents");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("expectedDocuments"); // 0: any
    QTest::addColumn<int>("expectedLines");
    QTest::newRow("lines decide the documents") << 80 << 25 << 0 << 900 << 0 << 900;
    QTest::newRow("documents given") << 60 << 12 << 30 << 400 << 30 << 400;
    QTest::newRow("more lines than documents hold") << 40 << 8 << 12 << 1000 << 12 << 12 * 40;
}

void TestDataGenerator::invariants()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(int, items);
    QFETCH(int, accounts);
    QFETCH(int, documents);
    QFETCH(int, lines);
    QFETCH(int, expectedDocuments);
    QFETCH(int, expectedLines);

    const int year = 2025; // not this year: the dates follow the database name
    ScratchYear db(engine, ScratchYear::Content::Template, year);
    QVERIFY2(db.ok(), qPrintable(db.error()));
    TDataFormSQL &data = db.data();
    DataGeneratorOptions o = tiny(3);
    o.items = items;
    o.accounts = accounts;
    o.documents = documents;
    o.lines = lines;
    DataGenerator::Summary summary;
    QVERIFY(generate(db, o, &summary));
    QCOMPARE(summary.year, year);

    // -- counts: what the summary says is in the tables
    qint64 docs = 0, allLines = 0;
    for (const char *h : kHeaders) {
        const qint64 n = number(data, "SELECT count(*) FROM " + qt(h));
        QVERIFY2(n > 0, h);
        QCOMPARE(n, summary.rows.value(QString::fromLatin1(h)));
        docs += n;
    }
    for (const char *l : kAllLines) {
        const qint64 n = number(data, "SELECT count(*) FROM " + qt(l));
        QVERIFY2(n > 0, l);
        QCOMPARE(n, summary.rows.value(QString::fromLatin1(l)));
        allLines += n;
    }
    QCOMPARE(allLines, qint64(expectedLines));
    if (expectedDocuments)
        QCOMPARE(docs, qint64(expectedDocuments));
    QCOMPARE(number(data, R"(SELECT count(*) FROM "CodeTb")"), qint64(items));
    QCOMPARE(number(data, R"(SELECT count(*) FROM "Address" WHERE "ID">3)"), qint64(accounts));
    QCOMPARE(number(data, R"(SELECT count(*) FROM "Pay")") + number(data, R"(SELECT count(*) FROM "Credit")"),
             qint64(o.vouchers));
    QVERIFY(number(data, R"(SELECT count(*) FROM "FGood")") > 0);
    QVERIFY(number(data, R"(SELECT count(*) FROM "OldDept")") > 0);

    // -- totals: (100 + Discount) * sum(Quantity * Rate1) / 100, recomputed here
    for (int k = 0; k < 6; ++k) {
        QHash<int, double> sums;
        QSqlQuery l = rows(data, QStringLiteral(R"(SELECT "InvID","Quantity","Rate1" FROM %1)").arg(qt(kTotalLines[k])));
        while (l.next())
            sums[l.value(0).toInt()] += l.value(1).toDouble() * l.value(2).toDouble();
        QSqlQuery h = rows(data, QStringLiteral(R"(SELECT "InvID","Discount","TotalAmount" FROM %1)").arg(qt(kHeaders[k])));
        int checked = 0;
        while (h.next()) {
            const int id = h.value(0).toInt();
            QVERIFY2(sums.contains(id), qPrintable(QStringLiteral("%1 %2 has no lines").arg(kHeaders[k]).arg(id)));
            const double expected = (100.0 + h.value(1).toDouble()) * sums.value(id) / 100.0;
            QVERIFY2(qAbs(h.value(2).toDouble() - expected) <= 0.005,
                     qPrintable(QStringLiteral("%1 %2: total %3, lines give %4")
                                    .arg(kHeaders[k]).arg(id).arg(h.value(2).toDouble()).arg(expected)));
            const double discount = h.value(1).toDouble();
            QVERIFY(discount >= -100 && discount <= 100);
            ++checked;
        }
        QVERIFY(checked > 0);
    }
    // at least one document with a discount among the larger runs
    if (docs > 100)
        QVERIFY(number(data, R"(SELECT count(*) FROM "Sales" WHERE "Discount"<>0)")
                    + number(data, R"(SELECT count(*) FROM "InvoiceS" WHERE "Discount"<>0)") > 0);

    // -- every document holds 1 to 40 lines, every line names an item
    for (int k = 0; k < 6; ++k) {
        QString counted = QStringLiteral(R"(SELECT "InvID" FROM %1)").arg(qt(kTotalLines[k]));
        if (k == 5)
            counted += QStringLiteral(R"( UNION ALL SELECT "InvID" FROM "IndOutTB")");
        const QString sql = QStringLiteral(R"(SELECT min(c),max(c) FROM (SELECT "InvID",count(*) AS c FROM (%1) x GROUP BY "InvID") y)").arg(counted);
        QSqlQuery q = rows(data, sql);
        QVERIFY(q.next());
        QVERIFY2(q.value(0).toInt() >= (k == 5 ? 2 : 1), kHeaders[k]);
        QVERIFY2(q.value(1).toInt() <= 40, kHeaders[k]);
    }
    for (const char *l : kAllLines) {
        QCOMPARE(number(data, QStringLiteral(R"(SELECT count(*) FROM %1 L LEFT JOIN "CodeTb" C ON C."ItemID"=L."ItemID" WHERE C."ItemID" IS NULL)").arg(qt(l))), 0);
        QCOMPARE(number(data, QStringLiteral(R"(SELECT count(*) FROM %1 L WHERE L."Quantity"<=0 OR L."Rate1"<=0)").arg(qt(l))), 0);
    }
    // stock movements never name a service
    for (const char *l : {"InvOne", "BToUsOne", "BFrUsOne", "IndInTB", "IndOutTB", "FGood"}) {
        const QString item = qstrcmp(l, "FGood") == 0 ? QStringLiteral("ItemId") : QStringLiteral("ItemID");
        QSqlQuery q = rows(data, QStringLiteral(R"(SELECT C."IsService" FROM %1 L JOIN "CodeTb" C ON C."ItemID"=L."%2")").arg(qt(l), item));
        while (q.next())
            QVERIFY2(!q.value(0).toBool(), l);
    }

    // -- counterparts: existing accounts above the system ones; manufacturing uses account 1
    QSet<int> cashOnly, ids;
    {
        QSqlQuery a = rows(data, R"(SELECT "ID","CashOnly","AName" FROM "Address")");
        QSet<QString> names;
        bool walkIn = false;
        while (a.next()) {
            ids.insert(a.value(0).toInt());
            if (a.value(1).toBool())
                cashOnly.insert(a.value(0).toInt());
            QVERIFY2(!names.contains(a.value(2).toString()), qPrintable(a.value(2).toString()));
            names.insert(a.value(2).toString());
            walkIn = walkIn || (a.value(2).toString() == u"Cash" && a.value(1).toBool() && a.value(0).toInt() > 3);
        }
        QVERIFY(walkIn);
    }
    for (int k = 0; k < 6; ++k) {
        QSqlQuery h = rows(data, QStringLiteral(R"(SELECT "InvID","CompanyID","Cash" FROM %1)").arg(qt(kHeaders[k])));
        while (h.next()) {
            const int account = h.value(1).toInt();
            if (k == 5) {
                QCOMPARE(account, 1);
                continue;
            }
            QVERIFY2(account > 3 && ids.contains(account), qPrintable(QStringLiteral("%1 %2").arg(kHeaders[k]).arg(account)));
            if (cashOnly.contains(account))
                QVERIFY2(h.value(2).toBool(), qPrintable(QStringLiteral("%1 %2 of a cash-only account is not cash")
                                                             .arg(kHeaders[k]).arg(h.value(0).toInt())));
        }
    }
    QVERIFY2(number(data, R"(SELECT count(*) FROM "Sales" S JOIN "Address" A ON A."ID"=S."CompanyID" WHERE A."AName"='Cash')") > 0,
             "no walk-in sale");
    for (const char *v : {"Pay", "Credit"}) {
        const char *account = qstrcmp(v, "Pay") == 0 ? "PNameID" : "CNameID";
        QSqlQuery q = rows(data, QStringLiteral(R"(SELECT %1,"Debit","Amount" FROM %2)").arg(qt(account), qt(v)));
        while (q.next()) {
            QVERIFY(ids.contains(q.value(0).toInt()) && q.value(0).toInt() > 3);
            QVERIFY(q.value(2).toDouble() > 0);
            if (cashOnly.contains(q.value(0).toInt()))
                QVERIFY2(!q.value(1).toBool(), "a voucher of a cash-only account affects its balance");
        }
    }
    {
        QSqlQuery q = rows(data, R"(SELECT "No1","PersonID","Amount" FROM "OldDept")");
        QSet<int> persons;
        while (q.next()) {
            QVERIFY(q.value(0).toInt() > 20);
            QVERIFY(ids.contains(q.value(1).toInt()) && q.value(1).toInt() > 3);
            QVERIFY2(!persons.contains(q.value(1).toInt()), "two opening balances for one account");
            persons.insert(q.value(1).toInt());
            QVERIFY(q.value(2).toDouble() != 0);
        }
    }

    // -- users: an administrator "admin" whose password is "admin"; every document and voucher names a user
    {
        QSqlQuery u = rows(data, R"(SELECT "Pass","EID" FROM "Users" WHERE "UName"='admin' AND "UKind"=0)");
        QVERIFY(u.next());
        bool decoded = false;
        QCOMPARE(Password::Decode(u.value(0).toString(), &decoded), QStringLiteral("admin"));
        QVERIFY(decoded);
        QVERIFY(ids.contains(u.value(1).toInt()));
    }
    QStringList withUser;
    for (const char *h : kHeaders)
        withUser << QString::fromLatin1(h);
    withUser << QStringLiteral("Pay") << QStringLiteral("Credit");
    for (const QString &t : withUser)
        QCOMPARE(number(data, QStringLiteral(R"(SELECT count(*) FROM "%1" T LEFT JOIN "Users" U ON U."UID"=T."UID" WHERE U."UID" IS NULL)").arg(t)), 0);

    // -- item codes: unique; 13 digits with a valid check digit, or 7 digits "2..." for weighed goods
    {
        QSqlQuery c = rows(data, R"(SELECT "ItemCode","IsService" FROM "CodeTb")");
        QSet<QString> codes;
        int weighed = 0, services = 0;
        while (c.next()) {
            const QString code = c.value(0).toString().trimmed();
            QVERIFY2(!codes.contains(code), qPrintable(code));
            codes.insert(code);
            if (code.size() == 13) {
                QVERIFY2(DataGenerator::isValidEan13(code), qPrintable(code));
            } else {
                QCOMPARE(code.size(), 7);
                QVERIFY2(code.startsWith(u'2') && code.toLongLong() > 0, qPrintable(code));
                ++weighed;
            }
            services += c.value(1).toBool() ? 1 : 0;
        }
        QVERIFY(weighed > 0);
        QVERIFY(services > 0);
    }

    // -- dates within the year of the database
    QStringList dated;
    for (const char *h : kHeaders)
        dated << QStringLiteral(R"(SELECT "Date1" FROM "%1")").arg(QString::fromLatin1(h));
    dated << R"(SELECT "Date1" FROM "Pay")" << R"(SELECT "Date1" FROM "Credit")" << R"(SELECT "Date1" FROM "OldDept")"
          << R"(SELECT "StartTime" FROM "Sales")" << R"(SELECT "DeleverTime" FROM "Sales" WHERE "DeleverTime" IS NOT NULL)";
    for (const QString &sql : dated) {
        QSqlQuery q = rows(data, sql);
        int n = 0;
        while (q.next()) {
            const QDateTime at = data.toDateTime(q.value(0));
            QVERIFY2(at.isValid() && at.date().year() == year, qPrintable(sql + u' ' + q.value(0).toString()));
            ++n;
        }
        QVERIFY2(n > 0, qPrintable(sql));
    }

    // -- numbering continues after the generated rows
    QSqlDatabase db2 = data.database();
    for (const auto &[table, column] : {std::pair{"Sales", "InvID"}, {"SaleOne", "ID"}, {"Pay", "PID"}, {"CodeTb", "ItemID"}, {"Address", "ID"}}) {
        const qint64 max = number(data, QStringLiteral("SELECT max(%1) FROM %2").arg(qt(column), qt(table)));
        QCOMPARE(data.dialect().nextIdentity(db2, QString::fromLatin1(table), QString::fromLatin1(column)), max + 1);
    }
    QVERIFY(data.DoSqlNEW(R"(INSERT INTO "Sales"("CompanyID","Date1","Cash","UID") VALUES(?,?,?,?))",
                          {4, data.ToSqlDate(QDate(year, 6, 1)), data.boolValue(true), 1}));
    QCOMPARE(number(data, R"(SELECT max("InvID") FROM "Sales")"), summary.rows.value("Sales") + 1);
}

void TestDataGenerator::sameSeedSameData()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear a(engine), b(engine), c(engine);
    QVERIFY2(a.ok() && b.ok() && c.ok(), qPrintable(a.error() + b.error() + c.error()));
    QVERIFY(generate(a, tiny(11)));
    QVERIFY(generate(b, tiny(11)));
    QVERIFY(generate(c, tiny(12)));
    const QByteArray fa = fingerprint(a.data(), true);
    QCOMPARE(fingerprint(b.data(), true), fa);
    QVERIFY(fingerprint(c.data(), true) != fa);
    QVERIFY(fingerprint(c.data(), false) != fingerprint(a.data(), false));

    // The engine makes no difference to the data (totals aside, which each
    // engine sums in its own arithmetic).
    if (engine == DbEngine::PostgreSQL) {
        ScratchYear s(DbEngine::SQLite);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        QVERIFY(generate(s, tiny(11)));
        QCOMPARE(fingerprint(s.data(), false), fingerprint(a.data(), false));
    }
}

void TestDataGenerator::adminCommand()
{
    QARVEL_FETCH_ENGINE(engine);
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    if (engine == DbEngine::PostgreSQL) {
        const ConnectionParams p = TestDb::serverParams(engine, appDir);
        DbSettings s;
        s.server = p.host + u':' + QString::number(p.port);
        s.user = p.user;
        s.password = p.password;
        QVERIFY(s.save(appDir + DbSettings::kFileName));
    }
    const QString name = TestDb::uniqueName(2024);
    DbSettings settings;
    settings.load(appDir + DbSettings::kFileName);
    const ConnectionParams params = settings.params(appDir, name);
    struct Drop
    {
        ConnectionParams p;
        ~Drop() { YearDatabases::drop(p); }
    } drop{params};

    // refusals before anything is made
    AdminRun r = admin({"--data", appDir, "generate", name, "--items", "many"});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains("--items"), qPrintable(r.err));
    r = admin({"--data", appDir, "generate", "NoYearDatabase"});
    QCOMPARE(r.status, 2);
    QVERIFY(!YearDatabases::exists(params));

    // a missing year database is made from the template, then filled
    r = admin({"--data", appDir, "generate", name, "--items", "50", "--accounts", "10", "--lines", "300",
               "--vouchers", "20", "--seed", "9"});
    QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
    QVERIFY(r.out.contains("created " + name));
    QVERIFY2(r.out.contains("SaleOne\t"), qPrintable(r.out));
    QVERIFY(r.out.contains("documents 300/300"));
    QVERIFY(r.out.contains("password admin"));
    {
        TDataFormSQL data;
        QVERIFY(data.OpenDB(params));
        QCOMPARE(number(data, R"(SELECT count(*) FROM "CodeTb")"), 50);
        bool ok = false;
        const qint64 docs = DataGenerator::documentCount(data, &ok);
        QVERIFY(ok);
        QVERIFY(docs > 0);
        QVERIFY(r.out.contains(QStringLiteral(" rows for 2024 in ")));
    }

    // a database that holds documents is refused and left as it is
    r = admin({"--data", appDir, "generate", name, "--items", "10"});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains("already holds"), qPrintable(r.err));
    TDataFormSQL data;
    QVERIFY(data.OpenDB(params));
    QCOMPARE(number(data, R"(SELECT count(*) FROM "CodeTb")"), 50);
}

QTEST_GUILESS_MAIN(TestDataGenerator)
#include "tst_datagenerator.moc"
