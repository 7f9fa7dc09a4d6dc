// The stock page: the figures of the stock command, "Down!", the search,
// "Up to Date" and "Re Calc Store".

#include "StockRows.h"
#include "TestDb.h"

#include "accounts/Money.h"
#include "items/StockModel.h"
#include "items/StockPage.h"
#include "items/StockReport.h"
#include "shell/AppState.h"
#include "shell/MsgBox.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

QStringList codes(const StockModel *m)
{
    QStringList out;
    for (int r = 0; r < m->rowCount(); ++r)
        out << m->data(m->index(r, StockModel::Code)).toString();
    return out;
}

double quantityOf(const StockModel *m, const QString &code)
{
    for (int r = 0; r < m->rowCount(); ++r)
        if (m->data(m->index(r, StockModel::Code)).toString() == code)
            return m->data(m->index(r, StockModel::Quantity), Qt::EditRole).toDouble();
    return -999;
}

} // namespace

class TstStockPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void init()
    {
        appState().resetForTests();
        appState().refreshToday();
        appState().CurYear = 2026;
        appState().WorkDate = QDate(2026, 12, 10);
        MsgBox::clearQueues();
        MsgBox::clearShown();
    }
    void showsTheFiguresOfTheStockCommand();
    void upToDateBeforeASaleIgnoresIt();
    void reCalcTakesChangesIn();
};

void TstStockPage::showsTheFiguresOfTheStockCommand()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    StockRows f(d);
    const int a = f.item("A", 20), b = f.item("B"), c = f.item("C", 2), big = f.item("BIG", 1);
    f.opening(a, 10, 2.5);
    f.move("Sales", "SaleOne", "10/03/2026 10:00", a, 3.5);
    f.move("InvoiceS", "InvOne", "01/03/2026 10:00", b, 2, 1.25);
    f.opening(c, 2, 4); // exactly at its minimum: not down
    f.opening(big, 1234.5, 0.5);
    f.move("Sales", "SaleOne", "11/03/2026 10:00", big, 1234); // one half left: below 1
    f.opening(f.item("SVC", 0, true), 3, 1);

    StockPage page(d);
    page.show();
    page.enterPage();
    StockModel *m = page.model();
    m->finishLoading();

    QStringList admin;
    QString error;
    QVERIFY2(StockReport::make(d, {}, Money::decimals(), &admin, &error), qPrintable(error));
    // the page again after the command: it recomputed, the page shows its list
    page.enterPage();
    m->finishLoading();
    QCOMPARE(m->rowCount(), admin.size() - 2); // header and value lines
    for (int r = 0; r < m->rowCount(); ++r) {
        const QStringList fields = admin[r + 1].split(u'\t');
        QCOMPARE(m->data(m->index(r, StockModel::Code)).toString(), fields[0]);
        QCOMPARE(m->data(m->index(r, StockModel::Description)).toString(), fields[1]);
        QCOMPARE(m->data(m->index(r, StockModel::Quantity), Qt::EditRole).toDouble(),
                 fields[2].toDouble());
        QCOMPARE(m->data(m->index(r, StockModel::CostRate)).toString(), fields[3]);
        QCOMPARE(m->data(m->index(r, StockModel::Down)).toString(), fields[4]);
    }
    auto *total = page.findChild<QLineEdit *>(QStringLiteral("TotalAmounStoreEd"));
    QCOMPARE(total->text(), admin.last().split(u'\t').last());
    QCOMPARE(total->text(), QStringLiteral("27.00")); // 6.5*2.5 + 2*1.25 + 2*4 + 0.5*0.5
    QCOMPARE(m->data(m->index(2, StockModel::Quantity)).toString(), QStringLiteral("0.500"));

    // "Down!": below the minimum, not at it
    auto *down = page.findChild<QCheckBox *>(QStringLiteral("DownChk"));
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(codes(m), QStringList({"A", "BIG"}));
    auto *find = page.findChild<QLineEdit *>(QStringLiteral("CodeFind"));
    QTest::keyClicks(find, QStringLiteral("b"));
    QCOMPARE(codes(m), QStringList({"BIG"}));
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(codes(m), QStringList({"B", "BIG"}));
    find->clear();
    QCOMPARE(codes(m), QStringList({"A", "B", "BIG", "C"}));
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("PrintStoreBtn"))->isEnabled());
}

void TstStockPage::upToDateBeforeASaleIgnoresIt()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    StockRows f(d);
    const int a = f.item("A"), open = f.item("OPEN");
    f.opening(a, 10, 2);
    f.opening(open, 7, 1);
    f.move("Sales", "SaleOne", "10/03/2026 08:00", a, 3);

    StockPage page(d);
    page.show();
    page.enterPage();
    page.model()->finishLoading();
    QCOMPARE(quantityOf(page.model(), "A"), 7.0);

    auto *upTo = page.findChild<QCheckBox *>(QStringLiteral("UpToDateChk"));
    auto *date = page.findChild<QDateEdit *>(QStringLiteral("UpToDateED"));
    QVERIFY(date->isHidden());
    QTest::mouseClick(upTo, Qt::LeftButton);
    QVERIFY(date->isVisible());
    QCOMPARE(date->date(), QDate(2026, 12, 10)); // the work date
    date->setDate(QDate(2026, 3, 9));
    page.model()->finishLoading();
    QCOMPARE(quantityOf(page.model(), "A"), 10.0);   // the sale is later
    QCOMPARE(quantityOf(page.model(), "OPEN"), 7.0); // the opening stock always counts
    QCOMPARE(page.findChild<QLineEdit *>(QStringLiteral("TotalAmounStoreEd"))->text(),
             QStringLiteral("27.00"));
    date->setDate(QDate(2026, 3, 10)); // the end of the day counts
    page.model()->finishLoading();
    QCOMPARE(quantityOf(page.model(), "A"), 7.0);
    date->setDate(QDate(2026, 3, 9));
    QTest::mouseClick(upTo, Qt::LeftButton); // no limit again
    page.model()->finishLoading();
    QVERIFY(date->isHidden());
    QCOMPARE(quantityOf(page.model(), "A"), 7.0);
}

void TstStockPage::reCalcTakesChangesIn()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    StockRows f(d);
    const int a = f.item("A");
    f.opening(a, 10, 2);

    StockPage page(d);
    page.show();
    page.enterPage();
    page.model()->finishLoading();
    QCOMPARE(quantityOf(page.model(), "A"), 10.0);
    // a change written behind the program's back: only the button sees it
    QVERIFY(d.DoSqlNEW(QStringLiteral(R"(UPDATE "FGood" SET "Quantity"=4)")));
    page.enterPage();
    page.model()->finishLoading();
    QVERIFY(!page.storeChk().recomputedLastRun());
    QCOMPARE(quantityOf(page.model(), "A"), 10.0);
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("ReChkStoreBtn")),
                      Qt::LeftButton);
    page.model()->finishLoading();
    QCOMPARE(quantityOf(page.model(), "A"), 4.0);
    QCOMPARE(page.findChild<QLineEdit *>(QStringLiteral("TotalAmounStoreEd"))->text(),
             QStringLiteral("8.00"));
}

QTEST_MAIN(TstStockPage)
#include "tst_stockpage.moc"
