// Moving between the pages of the main window: GoTab, the action
// shortcuts, their suspension, and the page-change work.

#include "StoreFixture.h"

#include "shell/StoreActions.h"
#include "shell/StorePages.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>

#include <stdexcept>

class TestStoreFormNavigation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pagesCarryTheirNamesAndCaptions();
    void actionsCarryTheirShortcuts_data();
    void actionsCarryTheirShortcuts();
    void goTabToAHiddenPageDoesNothing();
    void goTabWhileLoggedOutDoesNothing();
    void shortcuts_data();
    void shortcuts();
    void shortcutsAreInactiveWhileLoggedOut();
    void pageWorkRunsOnEveryChange();
    void failingPageWorkStillShowsThePage();
    void printActionPrintsWhatThePageShows();
    void statusHintFollowsThePage();
    void hiddenPageHidesItsActions();
    void hiddenPageIgnoresItsCaptionKey();
    void documentActionsOpenTheirKind_data();
    void documentActionsOpenTheirKind();

private:
    std::unique_ptr<StoreFixture> m_f;
};

void TestStoreFormNavigation::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestStoreFormNavigation::init()
{
    // A fresh year without users: the program logs in as administrator.
    m_f = std::make_unique<StoreFixture>();
    QVERIFY(m_f->createYear());
    QVERIFY(m_f->start());
    QVERIFY(m_f->window().isLoggedIn());
}

void TestStoreFormNavigation::cleanup()
{
    m_f.reset();
}

void TestStoreFormNavigation::pagesCarryTheirNamesAndCaptions()
{
    const QStringList names = {"TabPOS", "TabPurchase", "TabSum", "TabItemCode", "TabStore",
                               "TabAbout", "TabPay", "TabCredit", "TabOld", "TabEmployee",
                               "TabNames", "CashTabsheet", "TabDept", "TabRep", "TabClaim"};
    QTabWidget *note = m_f->window().findChild<QTabWidget *>("TNote");
    QVERIFY(note);
    QCOMPARE(note->count(), names.size());
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(note->widget(i)->objectName(), names.at(i));
    QCOMPARE(note->tabText(1), QStringLiteral("&Invoices"));
    QCOMPARE(note->tabText(5), QStringLiteral("&About"));
    QCOMPARE(note->tabText(11), QStringLiteral("Cas&h"));
    QCOMPARE(note->currentIndex(), int(StorePages::About));
}

void TestStoreFormNavigation::actionsCarryTheirShortcuts_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("keys");
    QTest::newRow("sale") << "SaleAction" << "F2; Alt+1";
    QTest::newRow("price list") << "PListAction" << "Alt+2";
    QTest::newRow("returns to us") << "BToUAction" << "Alt+3";
    QTest::newRow("returns from us") << "BFromUsAction" << "Alt+4";
    QTest::newRow("purchase") << "PurAction" << "F3; Alt+5";
    QTest::newRow("manufacturing") << "IndAction" << "";
    QTest::newRow("today's cash") << "QCashAction" << "Ctrl+F10";
    QTest::newRow("copy lines") << "CopyAction" << "Ctrl+Ins";
    QTest::newRow("paste lines") << "PastAction" << "Shift+Ins";
    QTest::newRow("calculator") << "CalcAction" << "Alt+S";
    QTest::newRow("logout") << "ExitUserAction" << "Ctrl+F1";
    QTest::newRow("print") << "PrintBillAction" << "Ctrl+P";
    QTest::newRow("company 1") << "MainAction" << "Ctrl+1";
    QTest::newRow("company 5") << "Trans2Action" << "Ctrl+5";
    QTest::newRow("help") << "HelpAction" << "F1";
}

void TestStoreFormNavigation::actionsCarryTheirShortcuts()
{
    QFETCH(QString, action);
    QFETCH(QString, keys);
    QAction *found = m_f->window().findChild<QAction *>(action);
    QVERIFY2(found, qPrintable(action));
    QCOMPARE(QKeySequence::listToString(found->shortcuts(), QKeySequence::PortableText), keys);
}

void TestStoreFormNavigation::goTabToAHiddenPageDoesNothing()
{
    TStoreForm &w = m_f->window();
    w.GoTab(StorePages::Sum);
    QCOMPARE(w.currentPage(), int(StorePages::Sum));
    w.setPageVisible(StorePages::ItemCode, false);
    w.GoTab(StorePages::ItemCode);
    QCOMPARE(w.currentPage(), int(StorePages::Sum));
    // The about page cannot be hidden.
    w.setPageVisible(StorePages::About, false);
    w.GoTab(StorePages::About);
    QCOMPARE(w.currentPage(), int(StorePages::About));
}

void TestStoreFormNavigation::goTabWhileLoggedOutDoesNothing()
{
    TStoreForm &w = m_f->window();
    w.PassNotOK();
    w.GoTab(StorePages::Store);
    QCOMPARE(w.currentPage(), int(StorePages::About));
}

void TestStoreFormNavigation::shortcuts_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expected");

    const int none = Qt::NoModifier, alt = Qt::AltModifier;
    QTest::newRow("F2 on the point of sale does nothing") << 0 << int(Qt::Key_F2) << none << 0;
    QTest::newRow("F4 on the point of sale does nothing") << 0 << int(Qt::Key_F4) << none << 0;
    QTest::newRow("F2 on about opens the invoices") << 5 << int(Qt::Key_F2) << none << 1;
    QTest::newRow("Alt+1 opens the invoices") << 5 << int(Qt::Key_1) << alt << 1;
    QTest::newRow("F3 opens the invoices") << 5 << int(Qt::Key_F3) << none << 1;
    QTest::newRow("F4 opens the codes") << 5 << int(Qt::Key_F4) << none << 3;
    QTest::newRow("F5 opens the stock") << 2 << int(Qt::Key_F5) << none << 4;
    QTest::newRow("F6 opens about") << 1 << int(Qt::Key_F6) << none << 5;
    QTest::newRow("F8 opens payments") << 5 << int(Qt::Key_F8) << none << 6;
    QTest::newRow("F9 opens receipts") << 5 << int(Qt::Key_F9) << none << 7;
    QTest::newRow("F10 opens the cash book") << 5 << int(Qt::Key_F10) << none << 11;
    QTest::newRow("F11 opens the balances") << 5 << int(Qt::Key_F11) << none << 12;
    QTest::newRow("F12 opens the names") << 5 << int(Qt::Key_F12) << none << 10;
}

void TestStoreFormNavigation::shortcuts()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, expected);

    TStoreForm &w = m_f->window();
    QVERIFY(m_f->activate());
    w.GoTab(from);
    QCOMPARE(w.currentPage(), from);
    QTest::keyClick(&w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.currentPage(), expected);
}

void TestStoreFormNavigation::shortcutsAreInactiveWhileLoggedOut()
{
    TStoreForm &w = m_f->window();
    w.PassNotOK();
    QVERIFY(w.actions().isSuspended());
    QVERIFY(m_f->activate());
    QTest::keyClick(&w, Qt::Key_F2);
    QCOMPARE(w.currentPage(), int(StorePages::About));

    // Logging in again brings them back.
    w.PassOk(true, QStringLiteral("adm"));
    QVERIFY(!w.actions().isSuspended());
    QVERIFY(m_f->activate());
    QTest::keyClick(&w, Qt::Key_F2);
    QCOMPARE(w.currentPage(), int(StorePages::Purchase));
}

void TestStoreFormNavigation::pageWorkRunsOnEveryChange()
{
    TStoreForm &w = m_f->window();
    QList<int> entered;
    for (int page : {int(StorePages::Sum), int(StorePages::ItemCode)})
        w.setPageWork(page, [&entered, page] { entered << page; });

    w.GoTab(StorePages::Sum);
    w.GoTab(StorePages::ItemCode);
    w.GoTab(StorePages::ItemCode); // already active: the work runs again
    QVERIFY(m_f->activate());
    w.GoTab(StorePages::About);
    QTest::keyClick(&w, Qt::Key_F4);
    QCOMPARE(entered, (QList<int>{2, 3, 3, 3}));

    // Nothing runs while the first show is still going on.
    appState().FirstShow = true;
    w.GoTab(StorePages::Sum);
    QCOMPARE(w.currentPage(), int(StorePages::Sum));
    QCOMPARE(entered.size(), 4);
}

void TestStoreFormNavigation::printActionPrintsWhatThePageShows()
{
    TStoreForm &w = m_f->window();
    QList<int> printed;
    for (int page : {int(StorePages::Sum), int(StorePages::Store)})
        w.setPagePrint(page, [&printed, page] { printed << page; });
    QAction *print = w.actions()["PrintBillAction"];
    w.GoTab(StorePages::Sum);
    print->trigger();
    w.GoTab(StorePages::About); // a page without a printout prints nothing
    print->trigger();
    w.GoTab(StorePages::Store);
    print->trigger();
    QCOMPARE(printed, (QList<int>{int(StorePages::Sum), int(StorePages::Store)}));
}

void TestStoreFormNavigation::failingPageWorkStillShowsThePage()
{
    TStoreForm &w = m_f->window();
    int after = 0;
    w.setPageWork(StorePages::ItemCode, [] { throw std::runtime_error("no items"); });
    w.setPageWork(StorePages::Store, [&after] { ++after; });
    w.GoTab(StorePages::ItemCode);
    QCOMPARE(w.currentPage(), int(StorePages::ItemCode));
    QVERIFY(!w.actions().isSuspended());
    w.GoTab(StorePages::Store);
    QCOMPARE(w.currentPage(), int(StorePages::Store));
    QCOMPARE(after, 1);
}

void TestStoreFormNavigation::statusHintFollowsThePage()
{
    TStoreForm &w = m_f->window();
    QLabel *hint = w.findChild<QLabel *>("StatusPanel0");
    w.GoTab(StorePages::Purchase);
    QCOMPARE(hint->text(), QStringLiteral("Use [ENTER] to add item, [Ctrl]+[Del] to Delete Record"));
    w.GoTab(StorePages::Sum);
    QCOMPARE(hint->text(), QString());
}

void TestStoreFormNavigation::hiddenPageHidesItsActions()
{
    TStoreForm &w = m_f->window();
    QAction *code = w.actions().action("CodeAction");
    w.setPageVisible(StorePages::ItemCode, false);
    QVERIFY(!code->isVisible());
    QVERIFY(m_f->activate());
    QTest::keyClick(&w, Qt::Key_F4);
    QCOMPARE(w.currentPage(), int(StorePages::About));
    w.setPageVisible(StorePages::ItemCode, true);
    QVERIFY(code->isVisible());
    QTest::keyClick(&w, Qt::Key_F4);
    QCOMPARE(w.currentPage(), int(StorePages::ItemCode));
}

void TestStoreFormNavigation::hiddenPageIgnoresItsCaptionKey()
{
    TStoreForm &w = m_f->window();
    QVERIFY(m_f->activate());
    w.setPageVisible(StorePages::ItemCode, false);
    QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier); // "&Codes"
    QCOMPARE(w.currentPage(), int(StorePages::About));
    w.setPageVisible(StorePages::ItemCode, true);
    QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(w.currentPage(), int(StorePages::ItemCode));
}

void TestStoreFormNavigation::documentActionsOpenTheirKind_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("kind");
    QTest::newRow("purchases") << "PurAction" << 0;
    QTest::newRow("sales") << "SaleAction" << 1;
    QTest::newRow("price lists") << "PListAction" << 2;
    QTest::newRow("returns to us") << "BToUAction" << 3;
    QTest::newRow("returns from us") << "BFromUsAction" << 4;
    QTest::newRow("manufacturing") << "IndAction" << 5;
}

void TestStoreFormNavigation::documentActionsOpenTheirKind()
{
    QFETCH(QString, action);
    QFETCH(int, kind);
    TStoreForm &w = m_f->window();
    QSignalSpy kinds(&w, &TStoreForm::documentKindRequested);
    w.actions().action(action)->trigger();
    QCOMPARE(w.currentPage(), int(StorePages::Purchase));
    QCOMPARE(kinds.count(), 1);
    QCOMPARE(kinds.first().first().toInt(), kind);

    // Without the invoices page the action does nothing.
    w.GoTab(StorePages::About);
    w.setPageVisible(StorePages::Purchase, false);
    w.actions().action(action)->trigger();
    QCOMPARE(w.currentPage(), int(StorePages::About));
    QCOMPARE(kinds.count(), 1);
}

QTEST_MAIN(TestStoreFormNavigation)
#include "tst_storeform_navigation.moc"
