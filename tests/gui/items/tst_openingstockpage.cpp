// The opening-stock sub-page: installed on the opening entries page with
// the button of the codes page, adding selected or all items, editing in
// place with the stock following, the guards, import, delete, empty and
// the total.

#include "../shell/StoreFixture.h"
#include "StockRows.h"

#include "items/CatalogueModel.h"
#include "items/CataloguePage.h"
#include "items/OpeningStockModel.h"
#include "items/OpeningStockPage.h"
#include "items/StockInstall.h"
#include "items/StockModel.h"
#include "items/StockPage.h"
#include "shell/Options.h"
#include "shell/StorePages.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>

namespace {

QPushButton *buttonOf(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QString::fromLatin1(name));
}

// Types text into the in-place editor of a cell and presses Enter.
bool editCell(QTableView *grid, const QModelIndex &index, const QString &text)
{
    grid->setCurrentIndex(index);
    grid->edit(index);
    QLineEdit *editor = nullptr;
    for (QLineEdit *e : grid->findChildren<QLineEdit *>(QStringLiteral("GoodGRDEditor")))
        if (e->isVisible())
            editor = e;
    if (!editor) {
        qWarning("no editor on row %d column %d", index.row(), index.column());
        return false;
    }
    editor->selectAll();
    editor->insert(text); // key clicks know ASCII only
    QTest::keyClick(editor, Qt::Key_Return);
    // the view commits the editor's text from its event queue
    QCoreApplication::processEvents();
    return true;
}

} // namespace

class TstOpeningStockPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void init()
    {
        MsgBox::clearQueues();
        MsgBox::clearShown();
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void installedWithTheCodesPageButton();
    void editInPlaceThenReCalcStore();
    void everyChangeIsGuarded();
    void importDeleteEmptyAndTotal();
    void followsTheLanguage();

private:
    // A year of today's calendar year, open and changeable, no passwords.
    static void currentYear()
    {
        appState().resetForTests();
        appState().refreshToday();
        appState().CurYear = appState().ThisYear;
        options().setNumber(QString::fromLatin1(OptKey::ConfPass), 0);
    }
};

void TstOpeningStockPage::installedWithTheCodesPageButton()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture fx(engine);
    QVERIFY(fx.createYear());
    QVERIFY(fx.exec(QStringLiteral(R"(INSERT INTO "ItemKind"("ItemKind") VALUES('Tools'))")));
    for (const char *code : {"A", "B", "C", "K01", "K02", "K03", "K04", "K05", "K06", "K07", "K08",
                             "K09", "K10", "K11", "K12", "SVC"})
        QVERIFY(fx.exec(
            QStringLiteral(
                R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","NotLes","IsService") SELECT ?, 'thing', min("ItemKindID"), 0, ? FROM "ItemKind")"),
            {QString::fromLatin1(code), QVariant(qstrcmp(code, "SVC") == 0)}));
    QVERIFY(fx.exec(QStringLiteral(
        R"(INSERT INTO "FGood"("ItemId","Quantity","Rate") SELECT "ItemID", 5, 1 FROM "CodeTb" WHERE "ItemCode"='B')")));
    QVERIFY(fx.start());
    TStoreForm &w = fx.window();
    QVERIFY(w.isLoggedIn());
    options().setNumber(QString::fromLatin1(OptKey::ConfPass), 0);

    const StockPages pages = installStockPage(w);
    QVERIFY(pages.stock && pages.opening);
    QVERIFY(w.page(StorePages::Store)->isAncestorOf(pages.stock));
    QTabWidget *tabs = openingEntriesTabs(w);
    QCOMPARE(tabs->objectName(), QStringLiteral("OldFGoodPC"));
    QCOMPARE(openingEntriesTabs(w), tabs); // made once
    QVERIFY(w.page(StorePages::Old)->isAncestorOf(tabs));
    const int tab = tabs->indexOf(pages.opening);
    QVERIFY(tab >= 0);
    QCOMPARE(tabs->tabText(tab), QStringLiteral("Beginning Inventory"));
    QCOMPARE(pages.opening->objectName(), QStringLiteral("FGoodPC"));

    // entering the page reads the grid: the one row of B, no import
    w.GoTab(StorePages::Old);
    QCOMPARE(pages.opening->model()->rowCount(), 1);
    QVERIFY(buttonOf(pages.opening, "ImportFGoodBtn")->isHidden());
    // entering the stock page shows the stock
    w.GoTab(StorePages::Store);
    pages.stock->model()->finishLoading();
    QCOMPARE(pages.stock->model()->rowCount(), 1);

    w.GoTab(StorePages::ItemCode);
    auto *codes = w.page(StorePages::ItemCode)->findChild<CataloguePage *>();
    QVERIFY(codes);
    codes->model()->finishLoading();
    auto *grid = codes->findChild<QTableView *>(QStringLiteral("CodeGRD1"));
    QPushButton *add = buttonOf(codes, "AddToFGoodBtn");
    QVERIFY(add);
    QVERIFY(add->isEnabled());
    QCOMPARE(add->text(), QStringLiteral("2 Beginning Inventory"));
    QCOMPARE(add->toolTip(), QStringLiteral("Use Ctrl+Click to select many items to add"));

    // three selected, one of them present: two added and listed
    auto select = [&](const QList<int> &rows) {
        grid->clearSelection();
        for (int r : rows)
            grid->selectionModel()->select(codes->model()->index(r, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    select({0, 1, 2}); // A, B, C
    MsgBox::queueAnswer(QMessageBox::Yes);
    add->click();
    const QStringList shown = MsgBox::shownTexts();
    QVERIFY(shown.size() >= 2);
    QCOMPARE(shown[shown.size() - 2],
             QStringLiteral("Are you sure that you want to add the selected items to the Beginning "
                            "Inventory?\n\rYes       : selected items\n\rYes To All: All Items\n\r"
                            "Cancel    : Add Nothing"));
    QCOMPARE(shown.last(), QStringLiteral("I Add :\r\n       A\r\n       C\r\n"));
    QCOMPARE(fx.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood")")).toInt(), 3);
    QVERIFY(grid->isVisible()); // the items table is back

    // twelve new among all fifteen selected: nine listed and the dots
    grid->selectAll();
    select({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    MsgBox::queueAnswer(QMessageBox::Yes);
    add->click();
    QString expected = QStringLiteral("I Add :\r\n");
    for (int i = 1; i <= 9; ++i)
        expected += QStringLiteral("       K%1\r\n").arg(i, 2, 10, QLatin1Char('0'));
    expected += QStringLiteral("       .......\r\n");
    QCOMPARE(MsgBox::shownTexts().last(), expected);
    QCOMPARE(fx.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood")")).toInt(), 15);

    // nothing selected: only Cancel and Yes To All; a Yes does nothing
    grid->clearSelection();
    MsgBox::queueAnswer(QMessageBox::Yes);
    add->click();
    QCOMPARE(fx.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood")")).toInt(), 15);
    // Yes To All: the service too; twice adds nothing the second time
    MsgBox::queueAnswer(QMessageBox::YesToAll);
    add->click();
    QCOMPARE(fx.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood")")).toInt(), 16);
    MsgBox::queueAnswer(QMessageBox::YesToAll);
    add->click();
    QCOMPARE(fx.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood")")).toInt(), 16);
    MsgBox::queueAnswer(QMessageBox::Cancel);
    add->click();
    QCOMPARE(fx.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood")")).toInt(), 16);
    // the sub-page shows them on entering
    w.GoTab(StorePages::Old);
    pages.opening->model()->finishLoading();
    QCOMPARE(pages.opening->model()->rowCount(), 16);
}

void TstOpeningStockPage::editInPlaceThenReCalcStore()
{
    QARVEL_FETCH_ENGINE(engine);
    currentYear();
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    StockRows f(d);
    const int a = f.item("A");
    f.opening(a, 0, 0);

    StockPage stock(d);
    stock.enterPage();
    stock.model()->finishLoading();
    QCOMPARE(
        stock.model()->data(stock.model()->index(0, StockModel::Quantity), Qt::EditRole).toDouble(),
        0.0);

    // numbers are numbers whatever the language: "." is the point
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    OpeningStockPage page(d);
    page.show();
    page.enterPage();
    OpeningStockModel *m = page.model();
    m->finishLoading();
    auto *grid = page.findChild<QTableView *>(QStringLiteral("GoodGRD"));
    QVERIFY(editCell(grid, m->index(0, OpeningStockModel::Quantity), QStringLiteral("12.5")));
    QVERIFY(editCell(grid, m->index(0, OpeningStockModel::Rate), QStringLiteral("٢٫٥"))); // 2.5
    QVERIFY(editCell(grid, m->index(0, OpeningStockModel::Note), QStringLiteral("first count")));
    QCOMPARE(m->data(m->index(0, OpeningStockModel::Quantity)).toString(),
             QStringLiteral("12.500"));
    QCOMPARE(m->data(m->index(0, OpeningStockModel::Amount)).toString(), QStringLiteral("31.25"));
    QCOMPARE(d.scalar(QStringLiteral(R"(SELECT "Quantity" FROM "FGood")")).toDouble(), 12.5);
    QCOMPARE(d.scalar(QStringLiteral(R"(SELECT "Note" FROM "FGood")")).toString(),
             QStringLiteral("first count"));
    // a text that is no number changes nothing and says so
    QVERIFY(editCell(grid, m->index(0, OpeningStockModel::Quantity), QStringLiteral("1,5")));
    QVERIFY(MsgBox::shownTexts().last().contains(QStringLiteral("1,5")));
    QCOMPARE(d.scalar(QStringLiteral(R"(SELECT "Quantity" FROM "FGood")")).toDouble(), 12.5);

    QTest::mouseClick(buttonOf(&stock, "ReChkStoreBtn"), Qt::LeftButton);
    stock.model()->finishLoading();
    QCOMPARE(
        stock.model()->data(stock.model()->index(0, StockModel::Quantity), Qt::EditRole).toDouble(),
        12.5);
    QCOMPARE(stock.findChild<QLineEdit *>(QStringLiteral("TotalAmounStoreEd"))->text(),
             QStringLiteral("31.25"));
}

void TstOpeningStockPage::everyChangeIsGuarded()
{
    currentYear();
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    StockRows f(d);
    f.opening(f.item("A"), 3, 1);
    OpeningStockPage page(d);
    page.show();
    page.enterPage();
    OpeningStockModel *m = page.model();
    auto *grid = page.findChild<QTableView *>(QStringLiteral("GoodGRD"));
    auto quantity = [&] {
        return d.scalar(QStringLiteral(R"(SELECT "Quantity" FROM "FGood")")).toDouble();
    };

    options().setNumber(QString::fromLatin1(OptKey::ConfPass), 1);
    appState().SupervisorPassword = QStringLiteral("sup");
    MsgBox::queueInput(QStringLiteral("wrong"));
    QVERIFY(editCell(grid, m->index(0, OpeningStockModel::Quantity), QStringLiteral("9")));
    QCOMPARE(MsgBox::shownTexts().last(), QStringLiteral("Password Error!!!!!!"));
    QCOMPARE(quantity(), 3.0);
    QCOMPARE(m->data(m->index(0, OpeningStockModel::Quantity), Qt::EditRole).toDouble(), 3.0);
    MsgBox::queueInput(QStringLiteral("sup"));
    QVERIFY(editCell(grid, m->index(0, OpeningStockModel::Quantity), QStringLiteral("9")));
    QCOMPARE(quantity(), 9.0);
    // a wrong password on a deletion keeps the row
    MsgBox::queueAnswer(QMessageBox::Yes);
    MsgBox::queueInput(QStringLiteral("wrong"));
    QTest::mouseClick(buttonOf(&page, "DelFGoodBtn"), Qt::LeftButton);
    QCOMPARE(d.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood")")).toInt(), 1);

    // a past year changes nothing
    options().setNumber(QString::fromLatin1(OptKey::ConfPass), 0);
    appState().CurYear = appState().ThisYear - 1;
    const QString refusal = QStringLiteral("You can change only the current year data!!!");
    QVERIFY(editCell(grid, m->index(0, OpeningStockModel::Quantity), QStringLiteral("1")));
    QCOMPARE(MsgBox::shownTexts().last(), refusal);
    QCOMPARE(quantity(), 9.0);
    for (const char *name : {"EmptyFGoodBtn", "DelFGoodBtn"}) {
        MsgBox::clearShown();
        MsgBox::queueAnswer(QMessageBox::Yes);
        QTest::mouseClick(buttonOf(&page, name), Qt::LeftButton);
        QCOMPARE(MsgBox::shownTexts(), QStringList({refusal}));
        MsgBox::clearQueues();
    }
    MsgBox::clearShown();
    page.AddToFGoodBtnClick({});
    QCOMPARE(MsgBox::shownTexts(), QStringList({refusal}));
    QCOMPARE(d.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood")")).toInt(), 1);
}

void TstOpeningStockPage::importDeleteEmptyAndTotal()
{
    QARVEL_FETCH_ENGINE(engine);
    currentYear();
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    StockRows f(d);
    const int a = f.item("A"), b = f.item("B"), svc = f.item("SVC", 0, true);
    OpeningStockPage page(d);
    page.show();
    page.enterPage();
    QPushButton *import = buttonOf(&page, "ImportFGoodBtn");
    QVERIFY(!import->isHidden());
    QTest::mouseClick(import, Qt::LeftButton);
    QVERIFY(import->isHidden());
    OpeningStockModel *m = page.model();
    m->finishLoading();
    QCOMPARE(m->rowCount(), 2); // no service
    // the service joins by "Yes To All"
    MsgBox::queueAnswer(QMessageBox::YesToAll);
    page.AddToFGoodBtnClick({});
    m->finishLoading();
    QCOMPARE(m->rowCount(), 3);

    OpeningStock stock(d);
    for (const OpeningStockRow &r : stock.rows()) {
        stock.setField(r.id, OpeningStock::Field::Quantity, r.itemId == a ? 4 : 2);
        stock.setField(r.id, OpeningStock::Field::Rate, r.itemId == svc ? 50 : 1.5);
    }
    QTest::mouseClick(buttonOf(&page, "SumFGoodBtn"), Qt::LeftButton);
    auto *total = page.findChild<QLineEdit *>(QStringLiteral("OFGoodED"));
    QCOMPARE(total->text(), QStringLiteral("9.00")); // 4 x 1.5 + 2 x 1.5, the service left out
    QCOMPARE(options().text(QString::fromLatin1(OptKey::OFGood)), QStringLiteral("9.00"));

    // search by code or description
    auto *find = page.findChild<QLineEdit *>(QStringLiteral("FGoodEd"));
    QTest::keyClicks(find, QStringLiteral("item b"));
    QCOMPARE(m->rowCount(), 1);
    find->clear();
    QCOMPARE(m->rowCount(), 3);

    page.selectItem(b);
    MsgBox::queueAnswer(QMessageBox::No);
    QTest::mouseClick(buttonOf(&page, "DelFGoodBtn"), Qt::LeftButton);
    QCOMPARE(MsgBox::shownTexts().last(),
             QStringLiteral("Are You Sure that You want to delete the Item: \n\rB"));
    QCOMPARE(m->rowCount(), 3);
    appState().DataChanged = false;
    MsgBox::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(buttonOf(&page, "DelFGoodBtn"), Qt::LeftButton);
    QCOMPARE(m->rowCount(), 2);
    QCOMPARE(
        d.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood" WHERE "ItemId"=?)"), {b}).toInt(),
        0);
    QVERIFY(appState().DataChanged); // the stock is computed again

    MsgBox::queueAnswer(QMessageBox::No);
    QTest::mouseClick(buttonOf(&page, "EmptyFGoodBtn"), Qt::LeftButton);
    QCOMPARE(MsgBox::shownTexts().last(),
             QStringLiteral("Delete All Record in Beginning Inventory?????"));
    QCOMPARE(m->rowCount(), 2);
    MsgBox::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(buttonOf(&page, "EmptyFGoodBtn"), Qt::LeftButton);
    QCOMPARE(m->rowCount(), 0);
    QVERIFY(!import->isHidden());
    QCOMPARE(d.scalar(QStringLiteral(R"(SELECT count(*) FROM "FGood")")).toInt(), 0);
}

namespace {
// Marks every text of the stock pages as translated.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QByteArray c(context);
        if (c == "OpeningStockPage" || c == "StockPage" || c == "StockModel")
            return QStringLiteral("<") + QString::fromUtf8(source) + QStringLiteral(">");
        return {};
    }
    bool isEmpty() const override { return false; }
};
} // namespace

void TstOpeningStockPage::followsTheLanguage()
{
    currentYear();
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    QTabWidget tabs;
    auto *opening = new OpeningStockPage(year.data());
    tabs.addTab(opening, QStringLiteral("Beginning Inventory"));
    auto *stock = new StockPage(year.data());
    tabs.addTab(stock, QStringLiteral("stock"));
    tabs.show();
    MarkingTranslator marks;
    QCoreApplication::installTranslator(&marks);
    QCoreApplication::processEvents();
    QCOMPARE(stock->model()->headerData(StockModel::CostRate, Qt::Horizontal).toString(),
             QStringLiteral("<Cost Rate>"));
    QCoreApplication::removeTranslator(&marks);
    QCOMPARE(tabs.tabText(0), QStringLiteral("<Beginning Inventory>"));
    QCOMPARE(buttonOf(opening, "SumFGoodBtn")->text(), QStringLiteral("<Find Total>"));
    QCOMPARE(buttonOf(stock, "ReChkStoreBtn")->toolTip(), QStringLiteral("<Re Calc Store>"));
    QCoreApplication::processEvents();
    QCOMPARE(tabs.tabText(0), QStringLiteral("Beginning Inventory"));
}

QTEST_MAIN(TstOpeningStockPage)
#include "tst_openingstockpage.moc"
