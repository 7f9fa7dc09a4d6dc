// Invoices printed to PDF through qarvel-admin print, with the design
// stored in the year database, read back with pdftotext.

#include "TestDb.h"

#include "AdminCommands.h"
#include "PrintDesign.h"
#include "accounts/Currency.h"
#include "accounts/CurrencyOptions.h"
#include "data/DbSettings.h"
#include "data/OptionsStore.h"
#include "documents/Documents.h"
#include "shell/Options.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestPrintInvoice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void initTestCase();
    void invoiceCarriesTitleLinesTotalAndWords_data();
    void invoiceCarriesTitleLinesTotalAndWords();
    void manufacturingPrintsBothHalves();
    void refusals();
};

namespace {

struct Shop
{
    int user = 0, customer = 0, soap = 0, tea = 0;
};

int lastId(TDataFormSQL &d, const char *table, const char *column)
{
    return d.scalar(QStringLiteral("SELECT max(\"%1\") FROM \"%2\"").arg(column, table)).toInt();
}

Shop fill(TDataFormSQL &d)
{
    Shop s;
    d.DoSqlNEW(R"(INSERT INTO "Users"("UName","UKind") VALUES('boss',0))");
    s.user = lastId(d, "Users", "UID");
    d.DoSqlNEW(R"(INSERT INTO "Address"("AName") VALUES(?))", {QStringLiteral("Hamad Stores")});
    s.customer = lastId(d, "Address", "ID");
    d.DoSqlNEW(R"(INSERT INTO "ItemKind"("ItemKind") VALUES('General'))");
    d.DoSqlNEW(
        R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES('SOAP7','Olive Soap',1,2.5))");
    s.soap = lastId(d, "CodeTb", "ItemID");
    d.DoSqlNEW(
        R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES('TEA9','Green Tea',1,4))");
    s.tea = lastId(d, "CodeTb", "ItemID");
    return s;
}

// The standard design and the UAE currency, stored as the program saves them.
bool storeDesign(TDataFormSQL &d)
{
    options().resetToDefaults();
    PrintDesign design =
        PrintDesign::initial(QStringLiteral("Main Company"), QString::fromUtf8("الشركة الرئيسية"));
    design.loadDefault();
    design.save(options());
    CurrencyOptions::save(Currency::presetUAE(), options());
    OptionsStore store(d);
    QStringList keys = design.optionKeys();
    keys << CurrencyKeys::all();
    for (const QString &key : keys)
        if (!store.save(key, options().text(key)))
            return false;
    return true;
}

// pdftotext output with Arabic presentation forms folded to their letters,
// direction marks and all blanks removed (the extraction spaces glyphs).
QString squeeze(QString text)
{
    text = text.normalized(QString::NormalizationForm_KC);
    QString out;
    for (QChar c : std::as_const(text)) {
        const ushort u = c.unicode();
        if (c.isSpace() || (u >= 0x200E && u <= 0x200F) || (u >= 0x202A && u <= 0x202E)
            || (u >= 0x2066 && u <= 0x2069))
            continue;
        out += c;
    }
    return out;
}

} // namespace

class AdminInFolder
{
public:
    AdminInFolder(DbEngine engine, ScratchYear &year)
    {
        m_appDir = engine == DbEngine::SQLite ? year.dataDir() : m_dir.path() + u'/';
        if (engine == DbEngine::PostgreSQL) {
            const ConnectionParams p = year.params();
            DbSettings s;
            s.server = p.host + u':' + QString::number(p.port);
            s.user = p.user;
            s.password = p.password;
            s.save(m_appDir + DbSettings::kFileName);
        }
    }
    int run(const QStringList &args, QString *out = nullptr)
    {
        QString o, e;
        QTextStream os(&o), es(&e);
        const int status = AdminCommands(os, es).run(QStringList{"--data", m_appDir} + args);
        os.flush();
        es.flush();
        if (out)
            *out = o + e;
        return status;
    }
    QString pdfText(const QString &pdf)
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private:
    QTemporaryDir m_dir;
    QString m_appDir;
};

void TestPrintInvoice::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

void TestPrintInvoice::invoiceCarriesTitleLinesTotalAndWords_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<bool>("cash");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const QStringList common{"SOAP7",       "OliveSoap", "TEA9",           "GreenTea",
                             "3.000",       "2.50",      "7.50",           "13.50",
                             "HamadStores", "User:boss", "Date:01/05/2026"};
    QTest::newRow("english cash") << "en" << true
                                  << common
            + QStringList{"CashInvoice", "ThirteenDhsAndFiftyFilsOnly"}
                                  << QStringList{squeeze(QString::fromUtf8("فقط")), "OnlyThirteen"};
    QTest::newRow("arabic credit") << "ar" << false
                                   << common
            + QStringList{"ThirteenDhsAndFiftyFilsOnly",
                          squeeze(QString::fromUtf8("فاتورة على الحساب")),
                          squeeze(QString::fromUtf8("ثلاثة عشر درهماً")),
                          squeeze(QString::fromUtf8("المبلغ الإجمالي"))}
                                   << QStringList{"CashInvoice"};
}

void TestPrintInvoice::invoiceCarriesTitleLinesTotalAndWords()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, lang);
    QFETCH(bool, cash);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = fill(year.data());
    QVERIFY(storeDesign(year.data()));
    Documents sales(year.data(), DocKind::Sale);
    DocumentHeader h;
    h.CompanyID = s.customer;
    h.UID = s.user;
    h.Cash = cash;
    h.Date1 = QDateTime(QDate(2026, 5, 1), QTime(10, 0));
    const int inv = sales.create(h);
    QVERIFY(inv > 0);
    QVERIFY(sales.addLine(inv, s.soap, 3, 2.5) > 0);
    QVERIFY(sales.addLine(inv, s.tea, 1.5, 4) > 0);

    AdminInFolder admin(engine, year);
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("inv.pdf"));
    QString text;
    QCOMPARE(admin.run({"print", year.params().database, "1", QString::number(inv), "--pdf", pdf,
                        "--lang", lang},
                       &text),
             0);
    const QString printed = squeeze(admin.pdfText(pdf));
    for (const QString &p : present)
        QVERIFY2(printed.contains(p), qPrintable(p + QStringLiteral(" missing in ") + printed));
    for (const QString &a : absent)
        QVERIFY2(!printed.contains(a), qPrintable(a + QStringLiteral(" printed in ") + printed));
}

void TestPrintInvoice::manufacturingPrintsBothHalves()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const Shop s = fill(year.data());
    QVERIFY(storeDesign(year.data()));
    Documents ind(year.data(), DocKind::Manufacturing);
    DocumentHeader h;
    h.CompanyID = 1;
    h.UID = s.user;
    h.Date1 = QDateTime(QDate(2026, 5, 2), QTime(9, 0));
    const int inv = ind.create(h);
    QVERIFY(inv > 0);
    QVERIFY(ind.addLine(inv, s.soap, 2, 2.5) > 0);
    QVERIFY(ind.addLine(inv, s.tea, 1, 40, {}, true) > 0);
    AdminInFolder admin(engine, year);
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("ind.pdf"));
    QCOMPARE(admin.run({"print", year.params().database, "5", QString::number(inv), "--pdf", pdf}),
             0);
    const QString raw = admin.pdfText(pdf);
    const QStringList pages = raw.split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    QVERIFY2(squeeze(pages[0]).contains("Ind-IndIn") && squeeze(pages[0]).contains("SOAP7")
                 && squeeze(pages[0]).contains("5.00"),
             qPrintable(pages[0]));
    QVERIFY2(squeeze(pages[1]).contains("Ind-IndOut") && squeeze(pages[1]).contains("TEA9")
                 && squeeze(pages[1]).contains("40.00") && !squeeze(pages[1]).contains("SOAP7"),
             qPrintable(pages[1]));
}

void TestPrintInvoice::refusals()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    AdminInFolder admin(engine, year);
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("x.pdf"));
    QString text;
    // purchases are not printed; a missing document; a kind out of range
    QCOMPARE(admin.run({"print", year.params().database, "0", "1", "--pdf", pdf}, &text), 1);
    QVERIFY2(text.contains("purchases are not printed"), qPrintable(text));
    QCOMPARE(admin.run({"print", year.params().database, "1", "999", "--pdf", pdf}, &text), 1);
    QVERIFY2(text.contains("no document 999"), qPrintable(text));
    QCOMPARE(admin.run({"print", year.params().database, "6", "1", "--pdf", pdf}, &text), 2);
    QCOMPARE(admin.run({"print", year.params().database, "1", "1"}, &text), 2);
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestPrintInvoice)
#include "tst_printinvoice.moc"
