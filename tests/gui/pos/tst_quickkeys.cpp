// The quick keyboard: key numbers and captions, selling by key, the Enter
// key, one coupon per item, the running total and closing the window.

#include "PosFixture.h"

#include "pos/TQKBForm.h"
#include "shell/Options.h"

#include <QKeyEvent>

class TestQuickKeys : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void initTestCase_data() { TestDb::addEngines(); }
    void init() { options().resetToDefaults(); }

    void keys_data();
    void keys();
    void keySellsItsItem();
    void couponPrintsEachItem();
    void runningTotal();
    void quickKeyCashierStartsOnTheKeyboard();

private:
    static TQKBForm *openKeyboard(PosFixture &p);
};

void TestQuickKeys::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestQuickKeys::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::newRow("F1") << int(Qt::Key_F1) << false << 1 << "F1";
    QTest::newRow("F12") << int(Qt::Key_F12) << false << 12 << "F12";
    QTest::newRow("1") << int(Qt::Key_1) << false << 13 << "1";
    QTest::newRow("9 on the pad") << int(Qt::Key_9) << true << 21 << "9";
    QTest::newRow("0") << int(Qt::Key_0) << false << 22 << "0";
    QTest::newRow("minus") << int(Qt::Key_Minus) << true << 23 << "-";
    QTest::newRow("equals") << int(Qt::Key_Equal) << false << 24 << "=";
    QTest::newRow("plus of the pad") << int(Qt::Key_Plus) << true << 24 << "=";
    QTest::newRow("plus of the main block") << int(Qt::Key_Plus) << false << 0 << "";
    QTest::newRow("a letter") << int(Qt::Key_A) << false << 0 << "";
}

void TestQuickKeys::keys()
{
    QFETCH_GLOBAL(int, engineRow);
    if (engineRow != 0)
        QSKIP("no database involved");
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(int, number);
    QFETCH(QString, caption);
    QCOMPARE(TQKBForm::keyNumber(key, keypad ? Qt::KeypadModifier : Qt::NoModifier), number);
    QCOMPARE(TQKBForm::keyCaption(number), caption);
}

TQKBForm *TestQuickKeys::openKeyboard(PosFixture &p)
{
    p.click("kbBtn");
    auto *form = p.f.window().findChild<TQKBForm *>(QStringLiteral("TQKBForm"));
    return form && form->isVisible() ? form : nullptr;
}

void TestQuickKeys::keySellsItsItem()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.start());
    TQKBForm *form = openKeyboard(p);
    QVERIFY(form);
    QCOMPARE(form->findChild<QLabel *>("lb3")->text(), QStringLiteral("Coffee"));
    QCOMPARE(form->findChild<QLabel *>("lb13")->text(), QStringLiteral("Apple"));
    QCOMPARE(form->findChild<QLabel *>("PricesLB")->text().mid(16, 8), QStringLiteral("12.75   "));
    QVERIFY(form->findChild<QLabel *>("PricesLB1")->text().startsWith(QStringLiteral("2.00    ")));
    auto *enter = form->findChild<QPushButton *>("EnterKB");
    QVERIFY(!enter->isVisible());

    QTest::keyRelease(form, Qt::Key_F3);
    QTest::keyRelease(form, Qt::Key_1);
    QTest::keyRelease(form, Qt::Key_F5); // no item on this key
    QCOMPARE(p.grid()->model()->rowCount(), 2);
    QCOMPARE(p.grid()->model()->index(0, 1).data().toString(), QStringLiteral("C22"));
    QCOMPARE(p.grid()->model()->index(1, 1).data().toString(), QStringLiteral("A"));
    QCOMPARE(p.total(), QStringLiteral("14.75"));
    QVERIFY(enter->isVisible());
    const int first = p.page->sale().currentSale();
    QCOMPARE(form->findChild<QLabel *>("LastInvLB")->text(), QString::number(first));

    // Enter prints the bill and opens the next sale.
    p.sink.shown.clear();
    QTest::keyRelease(form, Qt::Key_Return);
    QCOMPARE(p.sink.firstLines(), (QStringList{"Next Customer", "Welcome"}));
    QVERIFY(!enter->isVisible());
    QCOMPARE(p.count(R"(SELECT count(*) FROM "Sales")"), 2);
    QVERIFY(p.page->sale().currentSale() != first);

    // Closing right after Enter removes the new, still empty sale.
    form->close();
    QCOMPARE(p.count(R"(SELECT count(*) FROM "Sales")"), 1);
    QCOMPARE(p.count(R"(SELECT count(*) FROM "SaleOne")"), 2);
    QVERIFY(p.f.window().isLoggedIn());
}

void TestQuickKeys::couponPrintsEachItem()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.start(Users::Administrator, false, /*coupon*/ true));
    TQKBForm *form = openKeyboard(p);
    QVERIFY(form);
    QTest::keyRelease(form, Qt::Key_F3);
    QTest::keyRelease(form, Qt::Key_F3);
    // Each item is a bill of its own; the third sale waits empty.
    QCOMPARE(p.count(R"(SELECT count(*) FROM "Sales")"), 3);
    QCOMPARE(p.count(R"(SELECT count(DISTINCT "InvID") FROM "SaleOne")"), 2);
    QVERIFY(!form->findChild<QPushButton *>("EnterKB")->isVisible());
    form->close();
    QCOMPARE(p.count(R"(SELECT count(*) FROM "Sales")"), 2);
}

void TestQuickKeys::runningTotal()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.start());
    p.scan("C22");
    p.click("InsBtn");
    p.scan("A");
    const int second = p.page->sale().currentSale();
    TQKBForm *form = openKeyboard(p);
    QVERIFY(form);
    auto *total = form->findChild<QLineEdit *>("TotalEd");
    auto *start = form->findChild<QLineEdit *>("StartInvED");
    form->findChild<QCheckBox *>("CalcChk")->setChecked(true);
    QVERIFY(form->findChild<QWidget *>("CalcPanel")->isVisible());
    QCOMPARE(total->text(), QStringLiteral("14.75"));
    start->setText(QString::number(second));
    QCOMPARE(total->text(), QStringLiteral("2.00"));
    // A key typed into the start number also sells.
    QTest::keyRelease(start, Qt::Key_F3);
    QCOMPARE(p.grid()->model()->rowCount(), 2);
    QCOMPARE(total->text(), QStringLiteral("14.75"));
}

void TestQuickKeys::quickKeyCashierStartsOnTheKeyboard()
{
    QARVEL_FETCH_ENGINE(engine);
    PosFixture p(engine);
    QVERIFY(p.start(Users::PointOfSale, /*qkb*/ true));
    auto *form = p.f.window().findChild<TQKBForm *>(QStringLiteral("TQKBForm"));
    QVERIFY(form && form->isVisible());
    QTest::keyRelease(form, Qt::Key_F3);
    QCOMPARE(p.grid()->model()->rowCount(), 1);
    // Closing the keyboard ends the cashier's session.
    form->close();
    QVERIFY(!p.f.window().isLoggedIn());
}

QTEST_MAIN(TestQuickKeys)
#include "tst_quickkeys.moc"
