#include "TestDb.h"

#include "items/CatalogueModel.h"
#include "items/CataloguePage.h"
#include "items/Catalogue.h"
#include "shell/AppState.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

// The codes page: the sub-page it opens on, the search with its count,
// the delete of an item in use and of a free one, the disabled buttons.
class TstCataloguePage : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        appState().refreshToday();
        appState().CurYear = appState().ThisYear;
        appState().IsArabic = false;
        MsgBox::clearQueues();
        MsgBox::clearShown();
        // No password prompts here: the guard has its own tests.
        options().setNumber(QString::fromLatin1(OptKey::ConfPass), 0);
    }
    void emptyKindsForceKindsPage();
    void searchCountsAndDeletes();
    void chunkedLoadingKeepsFilter();
};

void TstCataloguePage::emptyKindsForceKindsPage()
{
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    CataloguePage page(year.data());
    page.show();
    page.enterPage();
    auto *pages = page.findChild<QTabWidget *>(QStringLiteral("ItemsPC"));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("KindsTab"));
    pages->setCurrentIndex(0);
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("KindsTab"));

    MsgBox::queueInput(QStringLiteral("Food"));
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("NewKindBtn")), Qt::LeftButton);
    MsgBox::queueInput(QStringLiteral("Food"));
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("NewKindBtn")), Qt::LeftButton);
    QCOMPARE(MsgBox::shownTexts().last(), QStringLiteral("'Food'\n\ris already in the table"));
    QCOMPARE(Catalogue(year.data()).kindCount(), 1);
    page.enterPage();
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("CodesTab"));
}

void TstCataloguePage::searchCountsAndDeletes()
{
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    const int kind = cat.addKind(QStringLiteral("Tools")).kindId;
    for (const char *code : {"AB-1", "AB-2", "XY-3"}) {
        ItemInput in;
        in.code = QString::fromLatin1(code);
        in.description = QStringLiteral("thing");
        in.kind = kind;
        QVERIFY(cat.saveItem(in).ok);
    }
    const int used = cat.search(QStringLiteral("AB-2")).front().itemId;
    QVERIFY(year.data().DoSqlNEW(QStringLiteral(R"(INSERT INTO "SaleOne" ("ItemID","Quantity") VALUES (?,1))"), {used}));

    CataloguePage page(year.data());
    page.show();
    page.enterPage();
    auto *count = page.findChild<QLabel *>(QStringLiteral("CodesCount"));
    auto *find = page.findChild<QLineEdit *>(QStringLiteral("CodeFind0"));
    QCOMPARE(count->text(), QStringLiteral("3"));
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("PrintItemBtn"))->isEnabled());
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("ToExcelItemBtn"))->isEnabled());
    QTest::keyClicks(find, QStringLiteral("ab"));
    QCOMPARE(count->text(), QStringLiteral("2"));
    QTest::keyClicks(find, QStringLiteral("-2"));
    QCOMPARE(count->text(), QStringLiteral("1"));

    // Deleting the item on a sale leaves it with the message.
    page.selectItem(used);
    QCOMPARE(page.currentItemId(), used);
    MsgBox::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("DelItemBtn")), Qt::LeftButton);
    QVERIFY(MsgBox::shownTexts().last().contains(QStringLiteral("This Item can not be deleted ")));
    QCOMPARE(count->text(), QStringLiteral("1"));

    find->clear();
    QCOMPARE(count->text(), QStringLiteral("3"));
    const int free = cat.search(QStringLiteral("XY-3")).front().itemId;
    page.selectItem(free);
    MsgBox::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("DelItemBtn")), Qt::LeftButton);
    QCOMPARE(count->text(), QStringLiteral("2"));
    QCOMPARE(cat.itemCount(), 2);
}

void TstCataloguePage::chunkedLoadingKeepsFilter()
{
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    const int kind = cat.addKind(QStringLiteral("K")).kindId;
    for (int i = 0; i < 25; ++i) {
        ItemInput in;
        in.code = QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0'));
        in.description = i % 5 == 0 ? QStringLiteral("five") : QStringLiteral("other");
        in.kind = kind;
        QVERIFY(cat.saveItem(in).ok);
    }
    CatalogueModel model(year.data());
    model.setChunkSize(4);
    model.reload();
    QVERIFY(model.isLoading());
    QCOMPARE(model.rowCount(), 4);
    model.setFilterText(QStringLiteral("FIVE"));
    QCOMPARE(model.rowCount(), 1);
    QSignalSpy done(&model, &CatalogueModel::loadingFinished);
    QVERIFY(done.wait(5000));
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.totalCount(), 25);
    model.setFilterText(QString());
    QCOMPARE(model.rowCount(), 25);
    QCOMPARE(model.data(model.index(24, CatalogueModel::Code)).toString(), QStringLiteral("C24"));
}

QTEST_MAIN(TstCataloguePage)
#include "tst_cataloguepage.moc"
