// The invoices page: numbering and deleting the last document, the
// supplier's own numbers, discount and commission with the label, the
// stored discount in the editor, cash-only counterparts, manufacturing,
// the change guard and the past year.

#include "DocsFixture.h"

#include "shell/AppState.h"
#include "shell/PageAppearance.h"
#include "shell/StoreActions.h"

#include <QAction>

class TestDocumentsPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("QARVEL_MSGBOX_AUTOANSWER", "1"); }
    void initTestCase_data() { TestDb::addEngines(); }
    void init() { options().resetToDefaults(); }

    void lastSaleIsDeletedAndItsNumberReused();
    void supplierNumberIsUniquePerSupplier();
    void discountAndCommission_data();
    void discountAndCommission();
    void storedDiscountEditsAsDiscount();
    void cashOnlyCounterpartForcesCash();
    void manufacturingNeedsOnlyADate();
    void tabsFollowTheOptions();
    void newNameBecomesTheCounterpart();
    void eachKindHasItsColour();
    void listSearchByNameOrNumber();
    void costAndNewCode();
    void documentWithoutTotalGetsOne();
    void purchaseMovedToAnotherSupplierKeepsNumbersUnique();
    void refusedGuardAndPastYearChangeNothing();
};

void TestDocumentsPage::lastSaleIsDeletedAndItsNumberReused()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    Documents sales(d.f.data(), DocKind::Sale);
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(sales.create(d.header(d.customer)), i);
    d.page->PurSale(int(DocKind::Sale));
    QCOMPARE(d.page->currentInvId(), 10); // the list opens on its last document
    for (int i = 1; i <= 9; ++i) {
        d.page->selectDocument(i);
        QCOMPARE(d.value("InvIdEd"), QString::number(i));
        QVERIFY2(!d.button("DelInvBtn")->isEnabled(), qPrintable(QString::number(i)));
    }
    d.page->selectDocument(10);
    QVERIFY(d.button("DelInvBtn")->isEnabled());
    QVERIFY(d.page->linesModel()->rowCount() == 0);

    // No keeps the document.
    MsgBox::queueAnswer(QMessageBox::No);
    d.click("DelInvBtn");
    QCOMPARE(d.count(R"(SELECT count(*) FROM "Sales")"), 10);

    MsgBox::queueAnswer(QMessageBox::Yes);
    d.click("DelInvBtn");
    QCOMPARE(d.count(R"(SELECT count(*) FROM "Sales")"), 9);
    QCOMPARE(d.page->currentInvId(), 9);
    QVERIFY(d.button("DelInvBtn")->isEnabled());

    QCOMPARE(d.newDocument(d.customer), 10);
    QVERIFY(!d.editor()->isVisible());
    QCOMPARE(d.value("InvIdEd"), QStringLiteral("10"));
    QCOMPARE(d.value("ANameLB"), QStringLiteral("Alpha Trading"));
    QCOMPARE(d.value("Date1LB"), QStringLiteral("10/12/2026 09:30:00"));
    QCOMPARE(d.value("StartTimeLB"), d.value("Date1LB")); // an empty start time takes the date
    QCOMPARE(d.value("UNameLB"), QStringLiteral("clerk"));
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("0.00")); // a new document without lines
    QCOMPARE(d.count(R"(SELECT "UID" FROM "Sales" WHERE "InvID"=10)"), d.uid);
}

void TestDocumentsPage::supplierNumberIsUniquePerSupplier()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    d.page->PurSale(int(DocKind::Purchase));
    QCOMPARE(d.child<QTabBar>("PurSalePC")->currentIndex(), 0);
    QVERIFY(d.newDocument(d.supplier, "4711") > 0);
    bool number = false;
    QCOMPARE(TNewInvForm::readInvoiceNo(QString::fromUtf8("٤٧١١"), &number), 4711);
    QVERIFY(number);
    TNewInvForm::readInvoiceNo("4.5", &number);
    QVERIFY(!number);
    QCOMPARE(d.value("InvIdEd"), QStringLiteral("4711")); // purchases show the supplier's number

    d.openNew(d.supplier);
    auto *ok = d.child<QPushButton>("OkBtn");
    QVERIFY(!ok->isEnabled()); // no number yet
    QTest::keyClicks(d.child<QLineEdit>("InvEd"), "4711");
    QVERIFY(!ok->isEnabled()); // this supplier has it
    auto *names = d.child<QComboBox>("NameCB");
    names->setCurrentIndex(names->findData(d.supplier2));
    QVERIFY(ok->isEnabled()); // another supplier may
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(d.count(R"(SELECT count(*) FROM "InvoiceS" WHERE "InvoiceNo"=4711)"), 2);

    // A number that is no number is refused with its message.
    d.openNew(d.supplier);
    MsgBox::clearShown();
    QTest::keyClicks(d.child<QLineEdit>("InvEd"), "x");
    QVERIFY(MsgBox::shownTexts().contains(QStringLiteral("Erro No   ")));
    QVERIFY(!ok->isEnabled());
    d.child<QPushButton>("CancelBtn")->click();
}

void TestDocumentsPage::discountAndCommission_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("stored");
    QTest::newRow("discount") << "DiscountRB"
                              << "180.00"
                              << "Total:200.00\n\rDiscount: 10.00 %" << -10.0;
    QTest::newRow("commission") << "CommitionRB"
                                << "220.00"
                                << "Total:200.00\n\rCommition: 10.00 %" << 10.0;
}

void TestDocumentsPage::discountAndCommission()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, choice);
    QFETCH(QString, total);
    QFETCH(QString, label);
    QFETCH(double, stored);
    DocsFixture d(engine);
    QVERIFY(d.start());
    d.openNew(d.customer);
    QCOMPARE(d.child<QLineEdit>("DiscountED")->text(), QStringLiteral("0"));
    QVERIFY(d.child<QRadioButton>("DiscountRB")->isChecked());
    d.child<QRadioButton>(qPrintable(choice))->click();
    auto *percent = d.child<QLineEdit>("DiscountED");
    percent->clear();
    QTest::keyClicks(percent, "10");
    QTest::mouseClick(d.child<QPushButton>("OkBtn"), Qt::LeftButton);
    const int inv = d.page->currentInvId();
    QCOMPARE(
        d.number(QStringLiteral(R"(SELECT "Discount" FROM "Sales" WHERE "InvID"=%1)").arg(inv)),
        stored);

    // Lines of 200: two scanned oils, the first set to 19 in place.
    auto *scan = d.child<QLineEdit>("InvBarCodeEd");
    for (int i = 0; i < 2; ++i) {
        scan->clear();
        QTest::keyClicks(scan, "B2");
        QTest::keyClick(scan, Qt::Key_Return);
    }
    QCOMPARE(d.page->linesModel()->rowCount(), 2);
    QVERIFY(d.page->linesModel()->setData(
        d.page->linesModel()->index(0, DocumentLinesModel::Quantity), "19"));
    QCOMPARE(d.value("TotalAmountLB"), total);
    QCOMPARE(d.value("DiscountLB1"), label);
    QVERIFY(d.child<QLabel>("DiscountLB1")->isVisibleTo(d.page));
    QCOMPARE(
        d.number(QStringLiteral(R"(SELECT "TotalAmount" FROM "Sales" WHERE "InvID"=%1)").arg(inv)),
        total.toDouble());
}

void TestDocumentsPage::storedDiscountEditsAsDiscount()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    Documents sales(d.f.data(), DocKind::Sale);
    const int inv = sales.create(d.header(d.customer, -5, false));
    d.page->reloadList(inv);
    d.click("EditInvBtn");
    QVERIFY(d.editor()->isVisible());
    QVERIFY(d.child<QRadioButton>("DiscountRB")->isChecked());
    QCOMPARE(d.child<QLineEdit>("DiscountED")->text(), QStringLiteral("5"));
    QVERIFY(d.child<QRadioButton>("DebitRB")->isChecked());
    QCOMPARE(d.child<QLineEdit>("DateEd")->text(), QStringLiteral("01/05/2026 10:00:00"));
    auto *names = d.child<QComboBox>("NameCB");
    QCOMPARE(names->currentData().toInt(), d.customer);
    QVERIFY(!names->isEnabled());
    d.child<QPushButton>("ChangeNameBtn")->click();
    QVERIFY(names->isEnabled());
    // Saved as it stands, the header keeps its discount.
    QTest::mouseClick(d.child<QPushButton>("OkBtn"), Qt::LeftButton);
    QCOMPARE(
        d.number(QStringLiteral(R"(SELECT "Discount" FROM "Sales" WHERE "InvID"=%1)").arg(inv)),
        -5.0);
    QCOMPARE(d.page->currentInvId(), inv);
}

void TestDocumentsPage::cashOnlyCounterpartForcesCash()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    d.openNew(d.customer);
    d.child<QRadioButton>("DebitRB")->click();
    auto *names = d.child<QComboBox>("NameCB");
    names->setCurrentIndex(names->findData(d.walkIn));
    QVERIFY(d.child<QRadioButton>("CashRB")->isChecked());
    QVERIFY(!d.child<QGroupBox>("CashRG")->isEnabled());
    QTest::mouseClick(d.child<QPushButton>("OkBtn"), Qt::LeftButton);
    const int cashInv = d.page->currentInvId();
    QVERIFY(
        d.f.scalar(QStringLiteral(R"(SELECT "Cash" FROM "Sales" WHERE "InvID"=%1)").arg(cashInv))
            .toBool());
    QCOMPARE(d.value("CashLB"), QStringLiteral("Cash"));
    QVERIFY(!d.button("ChangeCashDebitBtn")->isEnabled());
    QVERIFY(!d.page->vouchersAllowed());
    QVERIFY(!d.button("InvPayBtn")->isEnabled());
    QVERIFY(!d.button("InvCrdBtn")->isEnabled());

    // An ordinary customer's debit document may be switched.
    d.openNew(d.customer);
    QVERIFY(d.child<QGroupBox>("CashRG")->isEnabled());
    d.child<QRadioButton>("DebitRB")->click();
    QTest::mouseClick(d.child<QPushButton>("OkBtn"), Qt::LeftButton);
    const int debitInv = d.page->currentInvId();
    QCOMPARE(d.value("CashLB"), QStringLiteral("Debit"));
    QVERIFY(d.button("ChangeCashDebitBtn")->isEnabled());
    QVERIFY(d.page->vouchersAllowed());
    MsgBox::queueAnswer(QMessageBox::Yes);
    d.click("ChangeCashDebitBtn");
    QVERIFY(
        d.f.scalar(QStringLiteral(R"(SELECT "Cash" FROM "Sales" WHERE "InvID"=%1)").arg(debitInv))
            .toBool());
    QCOMPARE(d.value("CashLB"), QStringLiteral("Cash"));
    MsgBox::queueAnswer(QMessageBox::Yes);
    d.f.window().actions().action(QStringLiteral("ChangeCashAction"))->trigger();
    QCOMPARE(d.value("CashLB"), QStringLiteral("Debit"));
    MsgBox::queueAnswer(QMessageBox::Yes);
    d.click("ChangeCashDebitBtn");
    QCOMPARE(d.value("CashLB"), QStringLiteral("Cash"));
    QCOMPARE(d.page->currentInvId(), debitInv);
    // Switching the cash-only document directly does nothing either.
    d.page->selectDocument(cashInv);
    MsgBox::queueAnswer(QMessageBox::Yes);
    d.page->ChangeCashDebitBtnClick();
    QVERIFY(
        d.f.scalar(QStringLiteral(R"(SELECT "Cash" FROM "Sales" WHERE "InvID"=%1)").arg(cashInv))
            .toBool());
    MsgBox::clearQueues();
}

void TestDocumentsPage::manufacturingNeedsOnlyADate()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    d.page->PurSale(int(DocKind::Manufacturing));
    QCOMPARE(d.value("PurLB"), QStringLiteral("Industrialization"));
    QVERIFY(d.child<QTableView>("IndOutGrd")->isVisibleTo(d.page));
    d.click("NewInvBtn");
    QVERIFY(!d.child<QComboBox>("NameCB")->isVisibleTo(d.editor()));
    QVERIFY(!d.child<QGroupBox>("CashRG")->isVisibleTo(d.editor()));
    QVERIFY(d.child<QLineEdit>("NoteEd")->isVisibleTo(d.editor()));
    auto *ok = d.child<QPushButton>("OkBtn");
    QVERIFY(ok->isEnabled()); // the date is there already
    auto *date = d.child<QLineEdit>("DateEd");
    date->clear();
    QVERIFY(!ok->isEnabled());
    QTest::mouseDClick(date, Qt::LeftButton); // puts now in
    QCOMPARE(date->text(), QStringLiteral("10/12/2026 09:30:00"));
    date->clear();
    QTest::keyRelease(date, Qt::Key_Control); // so does Ctrl
    QCOMPARE(date->text(), QStringLiteral("10/12/2026 09:30:00"));
    QTest::keyClicks(d.child<QLineEdit>("NoteEd"), "Mix O'Brien");
    QTest::keyClick(d.child<QLineEdit>("NoteEd"), Qt::Key_Return); // Enter saves
    QCOMPARE(d.count(R"(SELECT count(*) FROM "IndTB" WHERE "CompanyID"=1)"), 1);
    QCOMPARE(d.value("ANameLB"), QStringLiteral("Mix O'Brien"));
    QVERIFY(!d.child<QLabel>("CashLB")->isVisibleTo(d.page));

    // A date that cannot be read saves nothing.
    d.click("NewInvBtn");
    date->setText("31/02/2026");
    MsgBox::clearShown();
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(MsgBox::shownTexts().contains(QStringLiteral("Erro No  or date ")));
    QVERIFY(d.editor()->isVisible());
    QCOMPARE(d.count(R"(SELECT count(*) FROM "IndTB")"), 1);
    d.child<QPushButton>("CancelBtn")->click();
}

void TestDocumentsPage::tabsFollowTheOptions()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    auto *tabs = d.child<QTabBar>("PurSalePC");
    QCOMPARE(tabs->count(), 6);
    QCOMPARE(tabs->tabText(3), QStringLiteral("Back To Us"));
    QVERIFY(tabs->isTabVisible(5));
    options().setOn(QString::fromLatin1(OptKey::Ind), false);
    options().setOn(QString::fromLatin1(OptKey::BTUs), false);
    d.page->PurSale(int(DocKind::Manufacturing));
    emit d.f.window().optionsApplied();
    QVERIFY(!tabs->isTabVisible(5));
    QVERIFY(!tabs->isTabVisible(3));
    QVERIFY(tabs->isTabVisible(4));
    QCOMPARE(d.page->kind(), DocKind::Sale);
    // A click on a tab shows its kind: price lists have no cash or debit.
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QCOMPARE(d.page->kind(), DocKind::PriceList);
    QCOMPARE(d.value("PurLB"), QStringLiteral("Price List"));
    QVERIFY(!d.button("ChangeCashDebitBtn")->isVisibleTo(d.page));
    // The document action leads to its tab.
    d.f.window().GoTab(StorePages::ItemCode);
    emit d.f.window().documentKindRequested(int(DocKind::BackFromUs));
    QCOMPARE(d.f.window().currentPage(), int(StorePages::Purchase));
    QCOMPARE(d.page->kind(), DocKind::BackFromUs);
    QCOMPARE(tabs->currentIndex(), 4);
    QCOMPARE(d.f.window().appearance().documentKind(),
             int(DocKind::BackFromUs)); // the kind's colour and font
    QCOMPARE(d.value("PurLB"), QStringLiteral("Back From Us"));
}

void TestDocumentsPage::eachKindHasItsColour()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    TStoreForm &w = d.f.window();
    options().setNumber("SalesColor0", PageAppearance::colorNumber(QColor(0, 100, 0)));
    options().setNumber("SalesColor1", PageAppearance::colorNumber(QColor(0, 0, 90)));
    auto *panel = d.child<QWidget>("InvPanel");
    QCOMPARE(w.appearance().panel(StorePages::Purchase), panel);
    w.GoTab(StorePages::ItemCode);
    w.actions().action(QStringLiteral("PurAction"))->trigger();
    QCOMPARE(d.page->kind(), DocKind::Purchase);
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(0, 100, 0));
    w.actions().action(QStringLiteral("SaleAction"))->trigger();
    QCOMPARE(d.page->kind(), DocKind::Sale);
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(0, 0, 90));
    auto *tabs = d.child<QTabBar>("PurSalePC");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(0, 100, 0));
    // A kind without a colour of its own shows the standard colour.
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QCOMPARE(panel->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Window));
}

void TestDocumentsPage::newNameBecomesTheCounterpart()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    d.click("NewInvBtn");
    d.editor()->findChild<QPushButton *>(QStringLiteral("NewNameBtn"))->click();
    auto *nameForm = d.editor()->findChild<QWidget *>(QStringLiteral("NewNameForm"));
    QVERIFY(nameForm && nameForm->isVisible());
    QTest::keyClicks(nameForm->findChild<QLineEdit *>(QStringLiteral("NameEd")), "Gamma Stores");
    QTest::mouseClick(nameForm->findChild<QPushButton *>(QStringLiteral("OkBtn")), Qt::LeftButton);
    // The header is saved at once with the new name.
    QVERIFY(!d.editor()->isVisible());
    QCOMPARE(d.value("ANameLB"), QStringLiteral("Gamma Stores"));
    QCOMPARE(
        d.count(
            R"(SELECT count(*) FROM "Sales" S JOIN "Address" A ON A."ID"=S."CompanyID" WHERE A."AName"='Gamma Stores')"),
        1);
}

void TestDocumentsPage::listSearchByNameOrNumber()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    Documents sales(d.f.data(), DocKind::Sale);
    for (int company : {d.customer, d.walkIn, d.customer})
        sales.create(d.header(company));
    d.page->PurSale(int(DocKind::Sale));
    auto *find = d.child<QLineEdit>("CompBFind");
    QTest::keyClicks(find, "WALK");
    QCOMPARE(d.page->listModel()->rowCount(), 1);
    QCOMPARE(d.page->currentInvId(), 2);
    QVERIFY(!d.button("DelInvBtn")->isEnabled()); // still not the last of the table
    find->clear();
    QTest::keyClicks(find, "3");
    QCOMPARE(d.page->listModel()->rowCount(), 1);
    QCOMPARE(d.page->currentInvId(), 3);
    find->clear();
    QCOMPARE(d.page->listModel()->rowCount(), 3);
    QCOMPARE(d.page->currentInvId(), 3); // the last document
    // Entering the page empties the search box.
    QTest::keyClicks(find, "Alpha");
    d.f.window().GoTab(StorePages::ItemCode);
    d.f.window().GoTab(StorePages::Purchase);
    QVERIFY(find->text().isEmpty());
    QCOMPARE(d.page->listModel()->rowCount(), 3);
}

void TestDocumentsPage::costAndNewCode()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    Documents purchases(d.f.data(), DocKind::Purchase);
    DocumentHeader p = d.header(d.supplier);
    p.InvoiceNo = 1;
    purchases.addLine(purchases.create(p), d.itemId("A1"), 10, 2);
    Documents sales(d.f.data(), DocKind::Sale);
    const int sale = sales.create(d.header(d.customer));
    sales.addLine(sale, d.itemId("A1"), 3, 2.5);
    d.page->reloadList(sale);
    MsgBox::clearShown();
    d.click("CostBtn");
    QCOMPARE(MsgBox::shownTexts(), QStringList{QStringLiteral("Cost: 6.00")});

    QVERIFY(d.button("InvAddNewItemBtn")->isEnabled());
    d.click("InvAddNewItemBtn");
    auto *itemEditor = d.f.window().findChild<QWidget *>(QStringLiteral("NewItemForm"));
    QVERIFY(itemEditor && itemEditor->isVisible());
    itemEditor->close();
}

void TestDocumentsPage::documentWithoutTotalGetsOne()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    Documents sales(d.f.data(), DocKind::Sale);
    const int empty = sales.create(d.header(d.customer));
    const int full = sales.create(d.header(d.customer));
    QVERIFY(d.f.exec(
        R"(INSERT INTO "SaleOne"("InvID","ItemID","Quantity","Rate1") VALUES(?,1,4,2.5))", {full}));
    QVERIFY(d.f.exec(R"(UPDATE "Sales" SET "TotalAmount"=NULL)"));
    d.page->reloadList(empty);
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("0.00"));
    d.page->selectDocument(full);
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("10.00"));
    QCOMPARE(d.page->linesModel()->rowCount(), 1);
    QCOMPARE(d.count(R"(SELECT count(*) FROM "Sales" WHERE "TotalAmount" IS NULL)"), 0);
}

void TestDocumentsPage::purchaseMovedToAnotherSupplierKeepsNumbersUnique()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    d.page->PurSale(int(DocKind::Purchase));
    QVERIFY(d.newDocument(d.supplier2, "5") > 0);
    QVERIFY(d.newDocument(d.supplier, "5") > 0);
    d.click("EditInvBtn");
    QCOMPARE(d.child<QLineEdit>("InvEd")->text(), QStringLiteral("5"));
    QVERIFY(!d.child<QLineEdit>("InvEd")->isEnabled());
    auto *ok = d.child<QPushButton>("OkBtn");
    QVERIFY(ok->isEnabled());
    d.child<QPushButton>("ChangeNameBtn")->click();
    auto *names = d.child<QComboBox>("NameCB");
    names->setCurrentIndex(names->findData(d.supplier2));
    QVERIFY(!ok->isEnabled());
    names->setCurrentIndex(names->findData(d.customer));
    QVERIFY(ok->isEnabled());
    d.child<QPushButton>("CancelBtn")->click();
}

void TestDocumentsPage::refusedGuardAndPastYearChangeNothing()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    Documents sales(d.f.data(), DocKind::Sale);
    const int inv = sales.create(d.header(d.customer, 0, false));
    d.page->reloadList(inv);
    options().setNumber(QString::fromLatin1(OptKey::ConfPass), 1);
    MsgBox::queueAnswer(QMessageBox::Yes);
    MsgBox::queueInput(QStringLiteral("wrong"));
    d.click("DelInvBtn");
    QCOMPARE(d.count(R"(SELECT count(*) FROM "Sales")"), 1);
    MsgBox::queueAnswer(QMessageBox::Yes);
    MsgBox::queueInput(QStringLiteral("wrong"));
    d.click("ChangeCashDebitBtn");
    QVERIFY(!d.f.scalar(QStringLiteral(R"(SELECT "Cash" FROM "Sales")")).toBool());
    MsgBox::queueInput(QStringLiteral("wrong"));
    d.click("EditInvBtn");
    QVERIFY(!d.editor()->isVisible());
    MsgBox::clearQueues();

    options().setNumber(QString::fromLatin1(OptKey::ConfPass), 0);
    appState().CurYear = appState().ThisYear - 1;
    MsgBox::clearShown();
    d.click("NewInvBtn");
    QVERIFY(!d.editor()->isVisible());
    QVERIFY(MsgBox::shownTexts().contains(
        QStringLiteral("You can change only the current year data!!!")));
    auto *scan = d.child<QLineEdit>("InvBarCodeEd");
    QTest::keyClicks(scan, "A1");
    QTest::keyClick(scan, Qt::Key_Return);
    QCOMPARE(d.count(R"(SELECT count(*) FROM "SaleOne")"), 0);
    appState().CurYear = appState().ThisYear;
}

QTEST_MAIN(TestDocumentsPage)
#include "tst_documentspage.moc"
