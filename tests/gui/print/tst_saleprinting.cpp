// Printing the open document from a page: the routes to the preview, the
// print dialog and the document printer, and the notice rows for the other
// workstations.

#include "TestDb.h"

#include "InvoicePrinting.h"
#include "documents/Documents.h"
#include "print/SalePrinting.h"
#include "shell/FileDialogs.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"

#include <QPrinter>
#include <QtTest>

class TestSalePrinting : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void initTestCase();
    void init();
    void pointOfSaleNeedsItsPrinter_data();
    void pointOfSaleNeedsItsPrinter();
    void otherPagesAskThroughTheDialog();
    void previewOptionWins();
    void manufacturingPrintsTwice();
    void purchasesPrintNothing();

private:
    int makeDocument(TDataFormSQL &d, DocKind kind);
    QStringList m_dialogs;
};

void TestSalePrinting::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestSalePrinting::init()
{
    options().resetToDefaults();
    MsgBox::clearShown();
    m_dialogs.clear();
    InvoicePrinting::instance().loadAndApply(options(), QStringLiteral("Main Company"), QString());
    SalePrinting::setPrinterHook({});
    FileDialogs::clearQueues();
    FileDialogs::clearAsked();
}

int TestSalePrinting::makeDocument(TDataFormSQL &d, DocKind kind)
{
    d.DoSqlNEW(R"(INSERT INTO "Users"("UName","UKind") VALUES('boss',0))");
    d.DoSqlNEW(R"(INSERT INTO "Users"("UName","UKind") VALUES('cashier',2))");
    d.DoSqlNEW(R"(INSERT INTO "ItemKind"("ItemKind") VALUES('General'))");
    d.DoSqlNEW(
        R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES('SOAP7','Olive Soap',1,2.5))");
    const int item = d.scalar(R"(SELECT max("ItemID") FROM "CodeTb")").toInt();
    Documents docs(d, kind);
    DocumentHeader h;
    h.CompanyID = 1;
    h.UID = d.scalar(R"(SELECT min("UID") FROM "Users")").toInt();
    h.Date1 = QDateTime(QDate(2026, 5, 1), QTime(10, 0));
    const int inv = docs.create(h);
    docs.addLine(inv, item, 2, 2.5);
    if (kind == DocKind::Manufacturing)
        docs.addLine(inv, item, 1, 9, {}, true);
    return inv;
}

void TestSalePrinting::pointOfSaleNeedsItsPrinter_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("message");
    // No document printer at the till: no bill and no message.
    QTest::newRow("none set") << QString() << QString();
    QTest::newRow("not installed")
        << "Ghost Printer"
        << "The printer \"Ghost Printer\" is not installed; nothing was printed.";
}

void TestSalePrinting::pointOfSaleNeedsItsPrinter()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, printer);
    QFETCH(QString, message);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const int inv = makeDocument(year.data(), DocKind::Sale);
    options().setText(OptKey::PrinterInv, printer);
    SalePrinting::setPrinterHook([this](QPrinter &, bool) { m_dialogs << "dialog"; });
    QCOMPARE(SalePrinting::PrintSale(nullptr, year.data(), DocKind::Sale, inv, true),
             SalePrinting::Outcome::NotPrinted);
    QVERIFY(m_dialogs.isEmpty()); // never some other printer, never a dialog
    QCOMPARE(MsgBox::shownTexts().value(0), message);
    // one notice row per user for the preparation lists
    const int users = year.data().scalar(R"(SELECT count(*) FROM "Users")").toInt();
    QCOMPARE(year.data().scalar(R"(SELECT count(*) FROM "LogFile" WHERE "ver"='UPDT')").toInt(),
             users);
}

void TestSalePrinting::otherPagesAskThroughTheDialog()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const int inv = makeDocument(year.data(), DocKind::Sale);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("dialog.pdf"));
    SalePrinting::setPrinterHook([&](QPrinter &p, bool preview) {
        m_dialogs << (preview ? "preview" : "dialog");
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
    });
    FileDialogs::queuePrintAnswer(false); // Cancel prints nothing
    QCOMPARE(SalePrinting::PrintSale(nullptr, year.data(), DocKind::Sale, inv, false),
             SalePrinting::Outcome::Cancelled);
    QVERIFY(!QFile::exists(pdf));
    FileDialogs::queuePrintAnswer(true);
    QCOMPARE(SalePrinting::PrintSale(nullptr, year.data(), DocKind::Sale, inv, false),
             SalePrinting::Outcome::Printed);
    QVERIFY(QFileInfo(pdf).size() > 1000);
    QCOMPARE(m_dialogs, QStringList({"dialog", "dialog"}));
    QCOMPARE(FileDialogs::askedCaptions(), QStringList({"print", "print"}));
}

void TestSalePrinting::previewOptionWins()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const int inv = makeDocument(year.data(), DocKind::PriceList);
    options().setOn(OptKey::Preview, true);
    SalePrinting::setPrinterHook(
        [this](QPrinter &, bool preview) { m_dialogs << (preview ? "preview" : "dialog"); });
    QCOMPARE(SalePrinting::PrintSale(nullptr, year.data(), DocKind::PriceList, inv, true),
             SalePrinting::Outcome::Previewed);
    QCOMPARE(m_dialogs, QStringList({"preview"}));
    QVERIFY(MsgBox::shownTexts().isEmpty());
}

void TestSalePrinting::manufacturingPrintsTwice()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const int inv = makeDocument(year.data(), DocKind::Manufacturing);
    QStringList titles;
    SalePrinting::setPrinterHook([&](QPrinter &p, bool) { titles << p.docName(); });
    FileDialogs::queuePrintAnswer(false);
    FileDialogs::queuePrintAnswer(false);
    SalePrinting::PrintSale(nullptr, year.data(), DocKind::Manufacturing, inv, false);
    QCOMPARE(titles,
             QStringList({QStringLiteral("Ind-Ind In  %1").arg(inv),
                          QStringLiteral("Ind-Ind Out  %1").arg(inv)}));
}

void TestSalePrinting::purchasesPrintNothing()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const int inv = makeDocument(year.data(), DocKind::Purchase);
    SalePrinting::setPrinterHook([this](QPrinter &, bool) { m_dialogs << "dialog"; });
    QCOMPARE(SalePrinting::PrintSale(nullptr, year.data(), DocKind::Purchase, inv, false),
             SalePrinting::Outcome::NotPrinted);
    QVERIFY(m_dialogs.isEmpty());
    QCOMPARE(year.data().scalar(R"(SELECT count(*) FROM "LogFile")").toInt(), 0);
    QVERIFY(MsgBox::shownTexts().isEmpty());
}

QTEST_MAIN(TestSalePrinting)
#include "tst_saleprinting.moc"
