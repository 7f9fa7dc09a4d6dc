// The lines of the invoices page: the chooser and the scan field, the
// starting rates, in-place edits in any locale, deleting and swapping
// lines, the item search with the concealed price, the item clipboard and
// the current-line hook.

#include "DocsFixture.h"

#include "documents/ItemClipboard.h"
#include "shell/FileDialogs.h"
#include "shell/StoreActions.h"

#include <QAction>

#include <QSignalSpy>

class TestDocumentLines : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("QARVEL_MSGBOX_AUTOANSWER", "1"); }
    void initTestCase_data() { TestDb::addEngines(); }
    void init()
    {
        options().resetToDefaults();
        QLocale::setDefault(QLocale::c());
        ItemClipboard::setCurrent({});
    }

    void chosenItemStartsAtItsRate_data();
    void chosenItemStartsAtItsRate();
    void scanAddsALine();
    void barcodeUserScansInsteadOfChoosing();
    void inPlaceEditUpdatesTheTotal_data();
    void inPlaceEditUpdatesTheTotal();
    void deleteAndSwapLines();
    void productLinesHaveTheirOwnGrid();
    void searchLandsOnTheLatestEarlierDocument();
    void clipboardCopiesAndPastesLines();
    void currentLineIsPublished();
};

void TestDocumentLines::chosenItemStartsAtItsRate_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("products");
    QTest::addColumn<QString>("table");
    QTest::addColumn<double>("rate");
    QTest::newRow("sale") << int(DocKind::Sale) << false << "SaleOne" << 2.5;
    QTest::newRow("purchase at the sale price")
        << int(DocKind::Purchase) << false << "InvOne" << 2.5;
    QTest::newRow("raw material") << int(DocKind::Manufacturing) << false << "IndInTB" << 2.5;
    QTest::newRow("product at 0") << int(DocKind::Manufacturing) << true << "IndOutTB" << 0.0;
}

void TestDocumentLines::chosenItemStartsAtItsRate()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(int, kind);
    QFETCH(bool, products);
    QFETCH(QString, table);
    QFETCH(double, rate);
    DocsFixture d(engine);
    QVERIFY(d.start());
    d.page->PurSale(kind);
    const int inv =
        d.newDocument(d.supplier, kind == int(DocKind::Purchase) ? QStringLiteral("9") : QString());
    QVERIFY(inv > 0);
    auto *grid = d.child<QTableView>(products ? "IndOutGrd" : "BillGrd");
    if (products) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton);
        QCOMPARE(d.page->activeGrid(), 2);
        QCOMPARE(d.value("InOutLB"), QStringLiteral("Out "));
    }
    QVERIFY(d.addByChooser(grid, "A1"));
    QVERIFY(d.addByChooser(grid, "A1")); // the same item twice: two lines
    const QString lines =
        QStringLiteral(R"(SELECT count(*) FROM "%1" WHERE "InvID"=%2 AND "Quantity"=1)")
            .arg(table)
            .arg(inv);
    QCOMPARE(d.count(lines), 2);
    QCOMPARE(d.number(QStringLiteral(R"(SELECT max("Rate1") FROM "%1")").arg(table)), rate);
    DocumentLinesModel *model = products ? d.page->productsModel() : d.page->linesModel();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(grid->currentIndex().row(), 1); // on the new line's quantity
    QCOMPARE(grid->currentIndex().column(), int(DocumentLinesModel::Quantity));
    if (products) {
        QCOMPARE(d.value("IndOutSumLB"), QStringLiteral("0.00"));
        QCOMPARE(d.page->linesModel()->rowCount(), 0);
    } else {
        QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("5.00"));
    }
}

void TestDocumentLines::scanAddsALine()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    const int inv = d.newDocument(d.customer);
    auto *scan = d.child<QLineEdit>("InvBarCodeEd");
    QTest::keyClicks(scan, "C3");
    QTest::keyClick(scan, Qt::Key_Return);
    QCOMPARE(d.count(QStringLiteral(R"(SELECT count(*) FROM "SaleOne" WHERE "InvID"=%1)").arg(inv)),
             1);
    QCOMPARE(d.page->linesModel()->line(0)->ItemCode, QStringLiteral("C3"));
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("4.00"));
    QCOMPARE(scan->selectedText(), QStringLiteral("C3"));

    MsgBox::clearShown();
    scan->clear();
    QTest::keyClicks(scan, "NOPE");
    QTest::keyClick(scan, Qt::Key_Return);
    QCOMPARE(MsgBox::shownTexts(), QStringList{QStringLiteral("Error")});
    QCOMPARE(d.count(R"(SELECT count(*) FROM "SaleOne")"), 1);
    QCOMPARE(scan->selectedText(), QStringLiteral("NOPE"));
}

void TestDocumentLines::barcodeUserScansInsteadOfChoosing()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start(1));
    d.newDocument(d.customer);
    auto *scan = d.child<QLineEdit>("InvBarCodeEd");
    scan->setText("old");
    QTest::keyClick(d.billGrid(), Qt::Key_Return);
    QVERIFY(!d.page->chooser()->isVisible());
    QVERIFY(scan->text().isEmpty());
}

void TestDocumentLines::inPlaceEditUpdatesTheTotal_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::newRow("point") << "en_US"
                           << "2.5";
    QTest::newRow("comma in German") << "de_DE"
                                     << "2,5";
    QTest::newRow("point in German") << "de_DE"
                                     << "2.5";
    QTest::newRow("Arabic digits") << "ar_EG" << QString::fromUtf8("٢٫٥");
}

void TestDocumentLines::inPlaceEditUpdatesTheTotal()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    DocsFixture d(engine);
    QVERIFY(d.start());
    const int inv = d.newDocument(d.customer);
    QVERIFY(d.addByChooser(d.billGrid(), "B2"));
    QLocale::setDefault(QLocale(locale));
    QTableView *grid = d.billGrid();
    const QModelIndex quantity = d.page->linesModel()->index(0, DocumentLinesModel::Quantity);
    grid->setCurrentIndex(quantity);
    grid->edit(quantity);
    auto *editor = grid->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    editor->insert(typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the view commits the edit when it gets there
    QLocale::setDefault(QLocale::c());
    QCOMPARE(
        d.number(QStringLiteral(R"(SELECT "Quantity" FROM "SaleOne" WHERE "InvID"=%1)").arg(inv)),
        2.5);
    QCOMPARE(
        d.number(QStringLiteral(R"(SELECT "TotalAmount" FROM "Sales" WHERE "InvID"=%1)").arg(inv)),
        25.0);
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("25.00"));
    QCOMPARE(d.page->linesModel()
                 ->data(d.page->linesModel()->index(0, DocumentLinesModel::Amount1))
                 .toString(),
             QStringLiteral("25.00"));

    // Rate and note too; text that is no number changes nothing.
    auto *model = d.page->linesModel();
    QVERIFY(model->setData(model->index(0, DocumentLinesModel::Rate1), "4"));
    QVERIFY(model->setData(model->index(0, DocumentLinesModel::Note), "gift"));
    QVERIFY(!model->setData(model->index(0, DocumentLinesModel::Quantity), "lots"));
    QVERIFY(!model->setData(model->index(0, DocumentLinesModel::ItemCode), "X"));
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("10.00"));
    QCOMPARE(d.f.scalar(R"(SELECT "Note" FROM "SaleOne")").toString(), QStringLiteral("gift"));
}

void TestDocumentLines::deleteAndSwapLines()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    const int inv = d.newDocument(d.customer);
    for (const char *code : {"A1", "B2", "C3"})
        QVERIFY(d.addByChooser(d.billGrid(), code));
    auto *model = d.page->linesModel();
    // Swap row 1 with row 3: the contents change places, the rows stay.
    d.billGrid()->setCurrentIndex(model->index(0, 0));
    const int first = model->line(0)->ID;
    MsgBox::queueInput(QStringLiteral("3"));
    d.click("MoveItemBtn");
    QCOMPARE(model->line(0)->ItemCode, QStringLiteral("C3"));
    QCOMPARE(model->line(2)->ItemCode, QStringLiteral("A1"));
    QCOMPARE(model->line(0)->ID, first);
    MsgBox::clearShown();
    MsgBox::queueInput(QStringLiteral("4"));
    d.click("MoveItemBtn");
    QVERIFY(MsgBox::shownTexts().contains(QStringLiteral("Error")));
    QCOMPARE(model->line(0)->ItemCode, QStringLiteral("C3"));

    // Delete the middle line (Ctrl+Del in the grid); No keeps it.
    d.billGrid()->setCurrentIndex(model->index(1, 0));
    MsgBox::queueAnswer(QMessageBox::No);
    QTest::keyClick(d.billGrid(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(model->rowCount(), 3);
    MsgBox::clearShown();
    MsgBox::queueAnswer(QMessageBox::Yes);
    d.click("InvDelItemBtn");
    QVERIFY(MsgBox::shownTexts().contains(
        QStringLiteral("Are you sure to delete the Item :\n\r B2 ?")));
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(d.billGrid()->currentIndex().row(), 1); // the row that followed
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("6.50"));
    QCOMPARE(d.count(QStringLiteral(R"(SELECT count(*) FROM "SaleOne" WHERE "InvID"=%1)").arg(inv)),
             2);
}

void TestDocumentLines::productLinesHaveTheirOwnGrid()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    d.page->PurSale(int(DocKind::Manufacturing));
    const int inv = d.newDocument(0);
    QVERIFY(inv > 0);
    QVERIFY(d.addByChooser(d.billGrid(), "C3")); // a raw material
    auto *out = d.child<QTableView>("IndOutGrd");
    QTest::mouseClick(out->viewport(), Qt::LeftButton);
    for (const char *code : {"A1", "B2"})
        QVERIFY(d.addByChooser(out, code));
    auto *products = d.page->productsModel();
    QCOMPARE(products->rowCount(), 2);
    QVERIFY(products->setData(products->index(1, DocumentLinesModel::Rate1), "7.5"));
    QCOMPARE(d.value("IndOutSumLB"), QStringLiteral("7.50"));
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("4.00")); // the raw materials only

    // Swap and delete work on the products while their grid is active.
    out->setCurrentIndex(products->index(0, 0));
    MsgBox::queueInput(QStringLiteral("2"));
    d.click("MoveItemBtn");
    QCOMPARE(products->line(0)->ItemCode, QStringLiteral("B2"));
    QCOMPARE(d.page->linesModel()->rowCount(), 1);
    MsgBox::queueAnswer(QMessageBox::Yes);
    d.click("InvDelItemBtn");
    QCOMPARE(products->rowCount(), 1);
    QCOMPARE(products->line(0)->ItemCode, QStringLiteral("A1"));
    QCOMPARE(
        d.count(QStringLiteral(R"(SELECT count(*) FROM "IndOutTB" WHERE "InvID"=%1)").arg(inv)), 1);
    QCOMPARE(d.count(QStringLiteral(R"(SELECT count(*) FROM "IndInTB" WHERE "InvID"=%1)").arg(inv)),
             1);
    QCOMPARE(d.value("IndOutSumLB"), QStringLiteral("0.00"));

    // Back in the raw materials.
    QTest::mouseClick(d.billGrid()->viewport(), Qt::LeftButton);
    QCOMPARE(d.page->activeGrid(), 1);
    QCOMPARE(d.value("InOutLB"), QStringLiteral("In"));
}

void TestDocumentLines::searchLandsOnTheLatestEarlierDocument()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    Documents sales(d.f.data(), DocKind::Sale);
    const int soap = d.itemId("A1"), oil = d.itemId("B2");
    const int one = sales.create(d.header(d.customer));
    sales.addLine(one, soap, 1, 2.5);
    const int two = sales.create(d.header(d.customer));
    sales.addLine(two, soap, 1, 3);
    sales.addLine(two, oil, 1, 10);
    sales.addLine(two, soap, 2, 3.25);
    const int three = sales.create(d.header(d.customer));
    sales.addLine(three, oil, 1, 10);
    d.page->PurSale(int(DocKind::Sale));
    QCOMPARE(d.page->currentInvId(), three);

    d.child<QCheckBox>("FindCodeCB")->click();
    QVERIFY(!d.child<QLineEdit>("CompBFind")->isVisibleTo(d.page));
    auto *field = d.child<QLineEdit>("FindCodeEDI");
    QVERIFY(field->isVisibleTo(d.page));
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(d.choose("A1"));
    QCOMPARE(d.page->currentInvId(), two); // the last one lacks it
    QCOMPARE(field->text(), QStringLiteral("A1"));
    QCOMPARE(d.page->linesModel()->rowCount(), 2); // only the item's lines
    QVERIFY(d.billGrid()->isColumnHidden(DocumentLinesModel::Rate1));
    QVERIFY(d.billGrid()->isColumnHidden(DocumentLinesModel::Amount1));
    auto *peek = d.child<PricePeek>("FindCodeEDIPrc");
    QVERIFY(peek->isVisibleTo(d.page));
    QCOMPARE(peek->text().mid(2), QStringLiteral("3.00"));
    QCOMPARE(peek->palette().color(QPalette::WindowText), peek->palette().color(QPalette::Window));
    QTest::mousePress(peek, Qt::LeftButton);
    QCOMPARE(peek->palette().color(QPalette::WindowText), QColor(3, 3, 3));
    QTest::mouseRelease(peek, Qt::LeftButton);
    QCOMPARE(peek->palette().color(QPalette::WindowText), QColor(Qt::yellow));

    d.click("JBtn"); // the next matching line of the same document
    QCOMPARE(d.page->currentInvId(), two);
    QCOMPARE(peek->text().mid(2), QStringLiteral("3.25"));
    d.click("JBtn");
    QCOMPARE(d.page->currentInvId(), one);
    QCOMPARE(peek->text().mid(2), QStringLiteral("2.50"));
    d.click("JBtn"); // nothing earlier: the first document
    QCOMPARE(d.page->currentInvId(), one);

    // Any other key ends the search; unticking shows the name search.
    MsgBox::clearShown();
    QTest::keyClick(field, Qt::Key_A);
    QVERIFY(MsgBox::shownTexts().contains(QStringLiteral("Press Enter to chose item ")));
    QVERIFY(field->text().isEmpty());
    QVERIFY(!d.button("JBtn")->isVisibleTo(d.page));
    QVERIFY(!d.billGrid()->isColumnHidden(DocumentLinesModel::Rate1));
    d.child<QCheckBox>("FindCodeCB")->click();
    QVERIFY(d.child<QLineEdit>("CompBFind")->isVisibleTo(d.page));
    QVERIFY(!peek->isVisibleTo(d.page));
}

void TestDocumentLines::clipboardCopiesAndPastesLines()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    const int from = d.newDocument(d.customer);
    QVERIFY(!d.button("PasteItemsBtn")->isEnabled());
    for (const char *code : {"A1", "B2"})
        QVERIFY(d.addByChooser(d.billGrid(), code));
    d.f.window().actions().action(QStringLiteral("CopyAction"))->trigger(); // Ctrl+Ins
    QCOMPARE(ItemClipboard::current().size(), 2);
    ItemClipboard::setCurrent({});
    d.click("CopyItemsBtn");
    QCOMPARE(ItemClipboard::current().size(), 2);
    QVERIFY(d.button("PasteItemsBtn")->isEnabled());
    const QString file = d.f.dataDir() + QStringLiteral("lines.inv");
    FileDialogs::queueFileName(file);
    d.click("CopyToFileBtn");
    QVERIFY(QFile::exists(file));

    d.page->PurSale(int(DocKind::PriceList));
    const int to = d.newDocument(d.customer);
    d.click("PasteItemsBtn");
    QCOMPARE(d.count(QStringLiteral(R"(SELECT count(*) FROM "PListOne" WHERE "InvID"=%1)").arg(to)),
             2);
    QCOMPARE(d.page->linesModel()->rowCount(), 2);
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("12.50"));
    FileDialogs::queueFileName(file);
    d.click("PasteFromFileBtn");
    QCOMPARE(d.page->linesModel()->rowCount(), 4);
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("25.00"));
    d.f.window().actions().action(QStringLiteral("PastAction"))->trigger(); // Shift+Ins
    QCOMPARE(d.page->linesModel()->rowCount(), 6);
    QCOMPARE(d.value("TotalAmountLB"), QStringLiteral("37.50"));
    QCOMPARE(
        d.count(QStringLiteral(R"(SELECT count(*) FROM "SaleOne" WHERE "InvID"=%1)").arg(from)), 2);
}

void TestDocumentLines::currentLineIsPublished()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    QSignalSpy spy(d.page, &DocumentsPage::currentLineChanged);
    d.newDocument(d.customer);
    QVERIFY(d.addByChooser(d.billGrid(), "C3"));
    const CurrentDocumentLine line = d.page->currentLine();
    QCOMPARE(line.kind, int(DocKind::Sale));
    QCOMPARE(line.itemId, d.itemId("C3"));
    QCOMPARE(line.lineId, d.count(R"(SELECT max("ID") FROM "SaleOne")"));
    QVERIFY(!spy.isEmpty());
    QCOMPARE(spy.last().first().value<CurrentDocumentLine>().lineId, line.lineId);
}

QTEST_MAIN(TestDocumentLines)
#include "tst_documentlines.moc"
