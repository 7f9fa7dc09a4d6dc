// The sale screen: scans of item codes and weight barcodes, errors, fast
// scanning, new sales, quantities, deleting lines, the past-year rule, the
// point-of-sale user's printed sale, price check and the customer display.

#include "PosFixture.h"

#include "shell/KeyboardLayout.h"
#include "shell/Options.h"
#include "shell/StoreTopBar.h"

#include <QComboBox>

#include <QPlainTextEdit>
#include <QSqlQuery>

namespace {
const QString kPastYear = QStringLiteral("You can change only the current year data!!!");
const QString kQuantityError = QStringLiteral("Error! Quantity must be >0");

// The notices shown, without the prompts for a quantity or a password.
QStringList notices()
{
    QStringList shown = MsgBox::shownTexts();
    shown.removeIf([](const QString &t) { return t == QLatin1String("Input Quantity") || t.contains("-Password  "); });
    return shown;
}
} // namespace

class TestPosPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void initTestCase_data() { TestDb::addEngines(); }
    void init();

    void scanAddsOneLine_data();
    void scanAddsOneLine();
    void unknownCodeWritesNothing_data();
    void unknownCodeWritesNothing();
    void fastScansStaySeparateLines();
    void burstOfFiftyScans_data();
    void burstOfFiftyScans();
    void newSaleTwiceKeepsOneEmptySale();
    void changeQuantity_data();
    void changeQuantity();
    void deleteLineAsksTwice();
    void pastYearIsReadOnly();
    void printedSaleOfAPointOfSaleUser_data();
    void printedSaleOfAPointOfSaleUser();
    void priceCheckWritesNothing();
    void memoDisplayShowsTheLines();
    void logoutLeavesTheSaleBehind();
    void codeBoxesSwitchTheKeyboard_data();
    void codeBoxesSwitchTheKeyboard();
};

void TestPosPage::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestPosPage::init()
{
    options().resetToDefaults();
}

void TestPosPage::scanAddsOneLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("item");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("total");
    QTest::newRow("item code") << "6281000000014" << "6281000000014" << 1.0 << 3.25 << "3.25";
    QTest::newRow("weight barcode") << "200012301250" << "2000123" << 1.25 << 40.0 << "50.00";
    QTest::newRow("six characters") << "A02000" << "A" << 2.0 << 2.0 << "4.00";
    QTest::newRow("blanks of the scanner") << " B1 " << "B1" << 1.0 << 1.5 << "1.50";
}

void TestPosPage::scanAddsOneLine()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, text);
    QFETCH(QString, item);
    QFETCH(double, quantity);
    QFETCH(double, rate);
    QFETCH(QString, total);
    PosFixture p(engine);
    QVERIFY(p.start());
    QVERIFY(!p.grid()->isVisible());

    p.scan(text);

    QCOMPARE(MsgBox::shownTexts(), QStringList());
    QVERIFY(p.grid()->isVisible());
    QCOMPARE(p.grid()->model()->rowCount(), 1);
    QCOMPARE(p.grid()->model()->index(0, 1).data().toString(), item);
    QCOMPARE(p.total(), total);
    // Stored with the sale shown in the number label.
    const int invId = p.page->sale().currentSale();
    QCOMPARE(p.page->findChild<QLabel *>("POSNoLB")->text(), QString::number(invId));
    TDataFormSQL own;
    QVERIFY(own.OpenDB(p.f.yearParams()));
    QSqlQuery q = own.exec(R"(SELECT L."Quantity", L."Rate1", S."TotalAmount", S."Cash", S."UID" FROM "SaleOne" L
                              JOIN "Sales" S ON S."InvID" = L."InvID" JOIN "CodeTb" C ON C."ItemID" = L."ItemID"
                              WHERE C."ItemCode" = ?)",
                           {item});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toDouble(), quantity);
    QCOMPARE(q.value(1).toDouble(), rate);
    QCOMPARE(q.value(2).toDouble(), quantity * rate);
    QVERIFY(q.value(3).toBool());
    QCOMPARE(q.value(4).toInt(), p.uid);
    QVERIFY(!q.next());
    q.finish();
    own.CloseDB();
    // The next scan replaces the text.
    QCOMPARE(p.code()->selectedText(), p.code()->text());
    // The display greeted the customer, then showed the line and total.
    QCOMPARE(p.sink.firstLines().value(0), QStringLiteral("Welcome"));
    QCOMPARE(p.sink.shown.last().value(1).simplified(), "Total: " + total);
}

void TestPosPage::unknownCodeWritesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("quickKeys");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("unknown code") << "999999999" << false << QStringList{"Error"};
    QTest::newRow("five characters, no weight") << "A0125" << false << QStringList{"Error"};
    QTest::newRow("unknown item before the weight") << "Z01250" << false << QStringList{"Error"};
    QTest::newRow("quick-key user only hears it") << "999999999" << true << QStringList();
}

void TestPosPage::unknownCodeWritesNothing()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, text);
    QFETCH(bool, quickKeys);
    QFETCH(QStringList, messages);
    PosFixture p(engine);
    QVERIFY(p.start(quickKeys ? Users::PointOfSale : Users::Administrator, quickKeys));

    p.scan(text);
    QCOMPARE(MsgBox::shownTexts(), messages);
    p.scan(text); // the same code again: still nothing
    QCOMPARE(p.count(R"(SELECT count(*) FROM "SaleOne")"), 0);
    QCOMPARE(p.grid()->model()->rowCount(), 0);
    QVERIFY(p.count(R"(SELECT count(*) FROM "Sales")") <= 1);
    QCOMPARE(p.code()->selectedText(), text);
}

void TestPosPage::fastScansStaySeparateLines()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.start());
    const QStringList codes{"6281000000014", "A", "B1", "C22", "D333"};
    // A scanner types each code and Enter without pause; nothing runs in
    // between.
    for (const QString &c : codes)
        p.scan(c);

    QCOMPARE(MsgBox::shownTexts(), QStringList());
    QCOMPARE(p.grid()->model()->rowCount(), 5);
    for (int i = 0; i < codes.size(); ++i)
        QCOMPARE(p.grid()->model()->index(i, 1).data().toString(), codes.at(i));
    TDataFormSQL own;
    QVERIFY(own.OpenDB(p.f.yearParams()));
    QSqlQuery q = own.exec(R"(SELECT C."ItemCode", L."Quantity" FROM "SaleOne" L JOIN "CodeTb" C
                              ON C."ItemID" = L."ItemID" ORDER BY L."ID")");
    QStringList stored;
    while (q.next()) {
        stored << q.value(0).toString().trimmed();
        QCOMPARE(q.value(1).toDouble(), 1.0);
    }
    q.finish();
    own.CloseDB();
    QCOMPARE(stored, codes);
    QCOMPARE(p.count(R"(SELECT count(DISTINCT "InvID") FROM "SaleOne")"), 1);
    QCOMPARE(p.total(), QStringLiteral("27.50"));
}

void TestPosPage::burstOfFiftyScans_data()
{
    QTest::addColumn<bool>("queued");
    QTest::newRow("typed") << false;
    // Every key of the 50 scans waits in the event queue before the first
    // one is handled, as when the window was busy while the scanner typed.
    QTest::newRow("queued") << true;
}

void TestPosPage::burstOfFiftyScans()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(bool, queued);
    PosFixture p(engine);
    QVERIFY(p.start());

    // code, quantity, rate: plain codes and weight codes (item + 5 digits).
    struct Scan
    {
        QString code;
        QString item;
        double quantity;
        double rate;
    };
    const QList<Scan> kinds{{"6281000000014", "6281000000014", 1, 3.25},
                            {"A", "A", 1, 2},
                            {"200012301250", "2000123", 1.25, 40},
                            {"B1", "B1", 1, 1.5},
                            {"C22", "C22", 1, 12.75},
                            {"200012300500", "2000123", 0.5, 40},
                            {"D333", "D333", 1, 8}};
    QList<Scan> scans;
    double expected = 0;
    for (int i = 0; i < 50; ++i) {
        const Scan &s = kinds.at((i * 3) % kinds.size());
        scans << s;
        expected += s.quantity * s.rate;
    }

    if (queued) {
        QLineEdit *edit = p.code();
        for (const Scan &s : std::as_const(scans)) {
            for (const QChar c : s.code) {
                const int key = c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A + (c.toUpper().unicode() - 'A');
                QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(c)));
                QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, QString(c)));
            }
            QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")));
            QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")));
        }
        QTRY_COMPARE_WITH_TIMEOUT(p.grid()->model()->rowCount(), 50, 20000);
        QCoreApplication::processEvents();
    } else {
        for (const Scan &s : std::as_const(scans))
            p.scan(s.code);
    }

    QCOMPARE(MsgBox::shownTexts(), QStringList());
    QCOMPARE(p.grid()->model()->rowCount(), 50);
    for (int i = 0; i < scans.size(); ++i)
        QCOMPARE(p.grid()->model()->index(i, 1).data().toString(), scans.at(i).item);
    QCOMPARE(p.count(R"(SELECT count(*) FROM "SaleOne")"), 50);
    QCOMPARE(p.count(R"(SELECT count(DISTINCT "InvID") FROM "SaleOne")"), 1);
    QCOMPARE(p.total(), QString::number(expected, 'f', 2));
    const double stored = p.f.scalar(R"(SELECT sum("Quantity" * "Rate1") FROM "SaleOne")").toDouble();
    QCOMPARE(qRound64(stored * 100), qRound64(expected * 100));
    QCOMPARE(qRound64(p.f.scalar(R"(SELECT "TotalAmount" FROM "Sales")").toDouble() * 100),
             qRound64(expected * 100));
}

void TestPosPage::newSaleTwiceKeepsOneEmptySale()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.start());
    p.click("InsBtn");
    p.click("InsBtn");
    QCOMPARE(p.count(R"(SELECT count(*) FROM "Sales")"), 1);
    QVERIFY(p.grid()->isVisible());
    QCOMPARE(p.sink.firstLines(), QStringList{"Welcome"});
    const QString number = p.page->findChild<QLabel *>("POSNoLB")->text();
    QCOMPARE(number, QString::number(p.count(R"(SELECT max("InvID") FROM "Sales")")));
    // A sale with a line is followed by a new one.
    p.scan("A");
    p.click("InsBtn");
    QCOMPARE(p.count(R"(SELECT count(*) FROM "Sales")"), 2);
    QCOMPARE(p.grid()->model()->rowCount(), 0);
    QCOMPARE(p.total(), QStringLiteral("0.00"));
}

void TestPosPage::changeQuantity_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("passwordRight");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<QString>("total");
    QTest::newRow("zero") << "0" << true << QStringList{kQuantityError} << 1.0 << "2.00";
    QTest::newRow("negative") << "-1" << true << QStringList{kQuantityError} << 1.0 << "2.00";
    QTest::newRow("not a number") << "two" << true << QStringList{"Error"} << 1.0 << "2.00";
    QTest::newRow("two and a half") << "2.5" << true << QStringList() << 2.5 << "5.00";
    QTest::newRow("rounded to the money decimals") << "1.237" << true << QStringList() << 1.24 << "2.48";
    QTest::newRow("wrong password") << "3" << false << QStringList{"Password Error!!!!!!"} << 1.0 << "2.00";
}

void TestPosPage::changeQuantity()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, answer);
    QFETCH(bool, passwordRight);
    QFETCH(QStringList, messages);
    QFETCH(double, quantity);
    QFETCH(QString, total);
    PosFixture p(engine);
    QVERIFY(p.start());
    options().setText(QString::fromLatin1(OptKey::ConfPass), QStringLiteral("1"));
    p.scan("A");
    QVERIFY(p.page->findChild<QPushButton *>("QutBtn")->isVisible());

    MsgBox::queueInput(answer);
    MsgBox::queueInput(passwordRight ? QStringLiteral("1") : QStringLiteral("x"));
    p.click("QutBtn");
    MsgBox::clearQueues();

    QCOMPARE(notices(), messages);
    QCOMPARE(p.count(R"(SELECT count(*) FROM "SaleOne")"), 1);
    QCOMPARE(p.f.scalar(R"(SELECT "Quantity" FROM "SaleOne")").toDouble(), quantity);
    QCOMPARE(p.total(), total);
    QCOMPARE(p.f.scalar(R"(SELECT "TotalAmount" FROM "Sales")").toDouble(), quantity * 2);
    QCOMPARE(p.grid()->model()->index(0, 5).data().toDouble(), quantity);
    if (messages.isEmpty())
        QCOMPARE(p.sink.shown.last().value(0).trimmed(),
                 CustomerDisplay::itemLine("Apple", quantity, 2, 2, 20).trimmed());
}

void TestPosPage::deleteLineAsksTwice()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.start());
    options().setText(QString::fromLatin1(OptKey::ConfPass), QStringLiteral("1"));
    p.scan("A");
    p.scan("C22");
    p.scan("B1");
    auto *del = p.page->findChild<QPushButton *>("InvDelItemBtn1");
    QVERIFY(del->isEnabled());
    p.grid()->setCurrentIndex(p.grid()->model()->index(1, 1));

    // No: nothing is deleted.
    MsgBox::queueAnswer(QMessageBox::No);
    p.click("InvDelItemBtn1");
    MsgBox::clearQueues();
    QCOMPARE(p.count(R"(SELECT count(*) FROM "SaleOne")"), 3);
    const QString question = QStringLiteral("Are you sure to delete the Item :\n\r C22 ?");
    QCOMPARE(MsgBox::shownTexts(), QStringList{question});

    MsgBox::clearShown();
    MsgBox::queueAnswer(QMessageBox::Yes);
    MsgBox::queueInput(QStringLiteral("1"));
    p.click("InvDelItemBtn1");
    MsgBox::clearQueues();
    QCOMPARE(notices(), QStringList{question});
    QCOMPARE(p.count(R"(SELECT count(*) FROM "SaleOne")"), 2);
    QCOMPARE(p.grid()->model()->rowCount(), 2);
    QCOMPARE(p.grid()->model()->index(1, 1).data().toString(), QStringLiteral("B1"));
    QCOMPARE(p.grid()->model()->index(1, 0).data().toInt(), 2);
    QCOMPARE(p.total(), QStringLiteral("3.50"));
    QCOMPARE(p.f.scalar(R"(SELECT "TotalAmount" FROM "Sales")").toDouble(), 3.5);
}

void TestPosPage::pastYearIsReadOnly()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.f.createYear(2025));
    QVERIFY(p.start());
    TStoreForm &w = p.f.window();
    // The cashier opens last year's database.
    QComboBox *years = w.topBar()->yearList();
    const int index = years->findText(QStringLiteral("2025"));
    QVERIFY(index >= 0);
    years->setCurrentIndex(index);
    emit years->activated(index);
    QCOMPARE(appState().CurYear, 2025);
    w.GoTab(StorePages::POS);
    QCOMPARE(w.currentPage(), int(StorePages::POS));
    MsgBox::clearShown();

    QVERIFY(!p.code()->isEnabled());
    p.click("InsBtn");
    QCOMPARE(MsgBox::shownTexts(), QStringList{kPastYear});
    MsgBox::clearShown();
    p.page->QutBtnClick();
    p.page->InvDelItemBtn1Click();
    QCOMPARE(MsgBox::shownTexts(), (QStringList{kPastYear, kPastYear}));
    // Enter in the code box changes nothing either.
    QTest::keyClick(p.code(), Qt::Key_Return);
    p.page->AddItemFromBarCode();
    QCOMPARE(p.f.scalar(R"(SELECT count(*) FROM "Sales")", 2025).toInt(), 0);
    QCOMPARE(p.f.scalar(R"(SELECT count(*) FROM "SaleOne")", 2025).toInt(), 0);
}

void TestPosPage::printedSaleOfAPointOfSaleUser_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("point-of-sale user") << int(Users::PointOfSale);
    QTest::newRow("administrator") << int(Users::Administrator);
}

void TestPosPage::printedSaleOfAPointOfSaleUser()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(int, kind);
    PosFixture p(engine);
    QVERIFY(p.start(kind));
    p.scan("A");
    const int first = p.page->sale().currentSale();
    p.click("PrintBill");
    QCOMPARE(p.sink.firstLines().last(), QStringLiteral("Next Customer"));
    const bool posUser = kind == Users::PointOfSale;
    QCOMPARE(p.grid()->isVisible(), !posUser);
    QCOMPARE(p.code()->isVisible(), !posUser);
    QCOMPARE(p.page->findChild<QPushButton *>("QutBtn")->isVisible(), !posUser);
    QVERIFY(p.page->findChild<QPushButton *>("InsBtn")->isVisible());
    if (posUser) {
        // Nothing can be scanned until a new sale is opened.
        QVERIFY(!p.page->findChild<QPushButton *>("InvDelItemBtn1")->isEnabled());
        p.click("InsBtn");
        QVERIFY(p.grid()->isVisible());
        QVERIFY(p.code()->isVisible());
        QCOMPARE(p.grid()->model()->rowCount(), 0);
    }
    p.scan("B1");
    const int second = p.page->sale().currentSale();
    QCOMPARE(second != first, posUser);
    QCOMPARE(p.count(R"(SELECT count(*) FROM "Sales")"), posUser ? 2 : 1);
    QCOMPARE(p.grid()->model()->rowCount(), posUser ? 1 : 2);
    QCOMPARE(p.total(), posUser ? QStringLiteral("1.50") : QStringLiteral("3.50"));
}

void TestPosPage::priceCheckWritesNothing()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.start());
    auto *check = p.page->findChild<QCheckBox *>("PriceChk");
    auto *edit = p.page->findChild<QLineEdit *>("ChkPriceED");
    auto *price = p.page->findChild<QLabel *>("POSPriceLB");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
    QVERIFY(check->isChecked());
    QVERIFY(!p.code()->isVisible());
    QVERIFY(edit->isVisible());
    QCOMPARE(price->text(), QStringLiteral("0.00"));
    QTest::keyClicks(edit, "C22");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(price->text(), QStringLiteral("12.75"));
    QCOMPARE(edit->selectedText(), QStringLiteral("C22"));
    QTest::keyClicks(edit, "200012301250"); // no weight barcodes here
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(price->text(), QStringLiteral("0.00"));
    QCOMPARE(p.count(R"(SELECT count(*) FROM "Sales")"), 0);
    QCOMPARE(MsgBox::shownTexts(), QStringList());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
    QVERIFY(p.code()->isVisible());
    QVERIFY(!edit->isVisible());
}

void TestPosPage::memoDisplayShowsTheLines()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.start());
    p.page->display().setSinkOverride(nullptr);
    auto *memo = p.page->findChild<QPlainTextEdit *>("DisplayMemo");
    QVERIFY(!memo->isVisible());
    options().setText(QString::fromLatin1(OptKey::PrinterDisplay), QStringLiteral("displaymemo"));
    emit p.f.window().optionsApplied();
    QVERIFY(memo->isVisible());

    p.scan("6281000000014");
    QCOMPARE(memo->toPlainText(), "Milk" + QString(9, u' ') + "1x 3.25\nTotal:" + QString(10, u' ') + "3.25");
    p.click("ClrScrBtn");
    QCOMPARE(memo->toPlainText(), "Welcome" + QString(13, u' ') + "\n" + QString(20, u' '));
}

void TestPosPage::logoutLeavesTheSaleBehind()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.start());
    TStoreForm &w = p.f.window();
    p.scan("A");
    p.click("LogOutBtn2");
    QVERIFY(!w.isLoggedIn());
    QVERIFY(w.logIn(QStringLiteral("till"), QStringLiteral("1")));
    w.GoTab(StorePages::POS);
    // The labels show the last sale; the next scan starts a sale of its own.
    QVERIFY(!p.grid()->isVisible());
    QCOMPARE(p.total(), QStringLiteral("2.00"));
    p.scan("B1");
    QCOMPARE(p.count(R"(SELECT count(*) FROM "Sales")"), 2);
    QCOMPARE(p.grid()->model()->rowCount(), 1);
    QCOMPARE(p.total(), QStringLiteral("1.50"));
}

void TestPosPage::codeBoxesSwitchTheKeyboard_data()
{
    QTest::addColumn<bool>("englishCodes");
    QTest::addColumn<int>("layout");
    QTest::newRow("item codes in English") << true << 0;
    QTest::newRow("item codes in the second layout") << false << 1;
}

void TestPosPage::codeBoxesSwitchTheKeyboard()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(bool, englishCodes);
    QFETCH(int, layout);
    PosFixture p(engine);
    QVERIFY(p.start());
    QVERIFY(p.f.activate());
    options().setOn(QString::fromLatin1(OptKey::EngCode), englishCodes);
    auto *edit = p.page->findChild<QLineEdit *>("ChkPriceED");
    KeyboardLayout::activate(-1);
    p.page->findChild<QPushButton *>("ClrScrBtn")->setFocus();
    p.code()->setFocus();
    QTRY_COMPARE(KeyboardLayout::requested(), layout);
    KeyboardLayout::activate(-1);
    QTest::mouseClick(p.page->findChild<QCheckBox *>("PriceChk"), Qt::LeftButton, {}, QPoint(4, 4));
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(KeyboardLayout::requested(), layout);
}

QTEST_MAIN(TestPosPage)
#include "tst_pospage.moc"
