// The serial-number windows driven by their controls: the editor of a line
// (typed serials, serials taken from stock), the serials under the lines,
// the serials of a document, and the stock entries of the line popup.

#include "../../core/items/SerialShop.h"
#include "TestDb.h"

#include "items/LinePopupEntries.h"
#include "items/OpeningStockModel.h"
#include "items/OpeningStockPage.h"
#include "items/OpeningStockSerials.h"
#include "items/SerialDisplay.h"
#include "items/SerialNumbers.h"
#include "items/TAllSnoForm.h"
#include "items/TSNoForm.h"
#include "shell/AppState.h"
#include "shell/ChangeGuard.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TstSerialForms : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void init()
    {
        appState().refreshToday();
        appState().CurYear = appState().ThisYear;
        appState().IsArabic = false;
        MsgBox::clearQueues();
        MsgBox::clearShown();
        options().setNumber(QString::fromLatin1(OptKey::ConfPass), 0);
    }
    void cleanup() { appState().CurYear = appState().ThisYear; }
    void duplicateRefusesToSave();
    void saleTakesFromStockAndGivesBack();
    void loweredQuantityKeepsTheFirst();
    void pastYearSavesNothing();
    void openingStockRow();
    void openingStockPageFollowsTheRow();
    void documentSerials();
    void popupEntries_data();
    void popupEntries();
};

namespace {

template<typename T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qWarning("no child %s", name);
    return c;
}

// Types text into a cell of the grid as the user would and posts it.
void typeInto(QTableWidget *grid, int row, const QString &text)
{
    grid->setCurrentCell(row, 0);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit *editor = nullptr;
    for (QLineEdit *e : grid->viewport()->findChildren<QLineEdit *>())
        if (e->isVisible())
            editor = e;
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // the delegate posts the edit when the event loop runs
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(grid->item(row, 0)->text(), text);
}

} // namespace

void TstSerialForms::duplicateRefusesToSave()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    const int line = shop.line(d, DocKind::Purchase, shop.tv, 3);
    const SerialOwner owner = SerialOwner::line(DocKind::Purchase, line);

    TSNoForm form(d);
    QVERIFY(form.openLine(DocKind::Purchase, line));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("SNo"));
    auto *grid = child<QTableWidget>(&form, "SNoGrd");
    auto *error = child<QLabel>(&form, "ErrorLB");
    auto *save = child<QPushButton>(&form, "SaveBtn");
    QVERIFY(grid && error && save);
    QVERIFY(!child<QWidget>(&form, "StockPanel")->isVisible());
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("No:70  Date:01/05/2026  Name:Supplier One"));

    typeInto(grid, 1, "SN-1");
    typeInto(grid, 2, "SN-1");
    QCOMPARE(error->text(), QStringLiteral("Error"));
    // a later edit of another row does not hide the duplicate
    typeInto(grid, 3, "SN-3");
    QCOMPARE(error->text(), QStringLiteral("Error"));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(MsgBox::shownTexts(), QStringList{"Error "});
    QVERIFY(form.isVisible());
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "SNoInv")").toInt(), 0);

    typeInto(grid, 2, "SN-2");
    QVERIFY(error->text().isEmpty());
    QTest::mouseClick(save, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QVERIFY(form.savedOnce());
    QCOMPARE(SerialNumbers(d).serials(owner), (QStringList{"SN-1", "SN-2", "SN-3"}));
}

void TstSerialForms::saleTakesFromStockAndGivesBack()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    SerialNumbers sn(d);
    QVERIFY(
        sn.save(SerialOwner::line(DocKind::Purchase, shop.line(d, DocKind::Purchase, shop.tv, 3)),
                {"TV-A", "TV-B", "TV-C"}));
    const int sold = shop.line(d, DocKind::Sale, shop.tv, 3);
    const SerialOwner owner = SerialOwner::line(DocKind::Sale, sold);

    QWidget page;
    SerialDisplay display(d, &page);
    page.show();
    display.setLine(DocKind::Sale, sold);
    QVERIFY(!display.isVisible());

    TSNoForm form(d, &page);
    QVERIFY(form.openLine(DocKind::Sale, sold));
    form.show();
    auto *grid = child<QTableWidget>(&form, "SNoGrd");
    auto *stock = child<QListWidget>(&form, "StockLst");
    auto *take = child<QPushButton>(&form, "TakeBtn");
    auto *give = child<QPushButton>(&form, "GiveBtn");
    QVERIFY(grid && stock && take && give);
    QVERIFY(child<QWidget>(&form, "StockPanel")->isVisible());
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(stock->count(), 3);

    for (const QString &serial : {QStringLiteral("TV-B"), QStringLiteral("TV-A")}) {
        const QList<QListWidgetItem *> found = stock->findItems(serial, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        stock->setCurrentItem(found.first());
        QTest::mouseClick(take, Qt::LeftButton);
        QVERIFY(stock->findItems(serial, Qt::MatchExactly).isEmpty());
    }
    QCOMPARE(stock->count(), 1);
    QCOMPARE(form.rows(), (QStringList{"TV-B", "TV-A", ""}));
    QCOMPARE(sn.serials(owner), (QStringList{"TV-B", "TV-A", ""}));
    QVERIFY(form.isVisible());

    display.refresh();
    QVERIFY(display.isVisible());
    QCOMPARE(display.rowCount(), 2);
    QCOMPARE(display.serials(), (QStringList{"TV-B", "TV-A"}));

    grid->setCurrentCell(1, 0);
    QTest::mouseClick(give, Qt::LeftButton);
    QCOMPARE(sn.serials(owner), (QStringList{"TV-A", "", ""}));
    QCOMPARE(stock->count(), 2);
    form.reject();
    display.refresh();
    QCOMPARE(display.serials(), QStringList{"TV-A"});
    display.setLine(DocKind::PriceList, 1);
    QVERIFY(!display.isVisible());
}

void TstSerialForms::loweredQuantityKeepsTheFirst()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    SerialNumbers sn(d);
    const int line = shop.line(d, DocKind::BackToUs, shop.tv, 3);
    const SerialOwner owner = SerialOwner::line(DocKind::BackToUs, line);
    QVERIFY(sn.save(owner, {"a", "b", "c"}));
    QVERIFY(Documents(d, DocKind::BackToUs).updateLine(line, 2, 10, {}));
    TSNoForm form(d);
    QVERIFY(form.openLine(DocKind::BackToUs, line));
    QCOMPARE(form.rows(), (QStringList{"a", "b"}));
    QVERIFY(form.save());
    QCOMPARE(sn.serials(owner), (QStringList{"a", "b"}));

    // a quantity of 0 opens nothing
    QVERIFY(Documents(d, DocKind::BackToUs).updateLine(line, 0.4, 10, {}));
    QVERIFY(!form.openLine(DocKind::BackToUs, line));
    QVERIFY(!TSNoForm::editLine(nullptr, d, DocKind::BackToUs, line));
}

void TstSerialForms::pastYearSavesNothing()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    const int line = shop.line(d, DocKind::Purchase, shop.tv, 1);
    TSNoForm form(d);
    QVERIFY(form.openLine(DocKind::Purchase, line));
    form.show();
    typeInto(child<QTableWidget>(&form, "SNoGrd"), 1, "OLD-1");
    appState().CurYear = appState().ThisYear - 1;
    QTest::mouseClick(child<QPushButton>(&form, "SaveBtn"), Qt::LeftButton);
    QCOMPARE(MsgBox::shownTexts(), QStringList{ChangeGuard::pastYearMessage()});
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "SNoInv")").toInt(), 0);
    QVERIFY(form.isVisible());

    // the change guard: a wrong password saves nothing either
    appState().CurYear = appState().ThisYear;
    options().setNumber(QString::fromLatin1(OptKey::ConfPass), 1);
    MsgBox::clearShown();
    MsgBox::queueInput("wrong");
    QTest::mouseClick(child<QPushButton>(&form, "SaveBtn"), Qt::LeftButton);
    QCOMPARE(d.scalar(R"(SELECT count(*) FROM "SNoInv")").toInt(), 0);
    QVERIFY(form.isVisible());
}

void TstSerialForms::openingStockRow()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    const int row = shop.openingStock(d, shop.tv, 2);
    TSNoForm form(d);
    QVERIFY(form.openOpeningStock(row));
    form.show();
    auto *grid = child<QTableWidget>(&form, "SNoGrd");
    QVERIFY(!child<QWidget>(&form, "StockPanel")->isVisible());
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Beginning Inventory"));
    typeInto(grid, 2, "OS-2");
    QTest::mouseClick(child<QPushButton>(&form, "SaveBtn"), Qt::LeftButton);
    // the empty row goes last
    QCOMPARE(SerialNumbers(d).serials(SerialOwner::openingStock(row)), (QStringList{"OS-2", ""}));
    QWidget page;
    SerialDisplay old(d, &page, QStringLiteral("ItemSNoGrdOld"));
    page.show();
    old.setOpeningStockRow(row);
    QVERIFY(old.isVisible());
    QCOMPARE(page.findChild<QTableWidget *>("ItemSNoGrdOld")->rowCount(), 1);
}

void TstSerialForms::openingStockPageFollowsTheRow()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    const int tvRow = shop.openingStock(d, shop.tv, 1);
    shop.openingStock(d, shop.radio, 1);
    QVERIFY(SerialNumbers(d).save(SerialOwner::openingStock(tvRow), {"OS-9"}));

    OpeningStockPage page(d);
    OpeningStockSerials serials(page, d);
    page.show();
    page.enterPage();
    page.model()->finishLoading();
    auto *grid = page.findChild<QTableView *>(QStringLiteral("GoodGRD"));
    QVERIFY(grid);
    auto *display = page.findChild<SerialDisplay *>(QStringLiteral("ItemSNoGrdOld"));
    QVERIFY(display);
    page.selectItem(shop.tv);
    QVERIFY(display->isVisible());
    QCOMPARE(display->serials(), QStringList{"OS-9"});
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("ItemSnoOldBtn"))->isEnabled());
    page.selectItem(shop.radio);
    QVERIFY(!display->isVisible());
}

void TstSerialForms::documentSerials()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    SerialNumbers sn(d);
    QVERIFY(sn.save(
        SerialOwner::line(DocKind::BackFromUs, shop.line(d, DocKind::BackFromUs, shop.radio, 2)),
        {"R-1", ""}));
    QVERIFY(sn.save(
        SerialOwner::line(DocKind::BackFromUs, shop.line(d, DocKind::BackFromUs, shop.tv, 1)),
        {"T-1"}));
    TAllSnoForm form(d);
    QVERIFY(form.load(DocKind::BackFromUs, shop.inv[4]));
    form.show();
    auto *grid = child<QTableWidget>(&form, "AllSnoGrd");
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->columnCount(), 4);
    QCOMPARE(grid->item(0, 0)->text(), QString::number(shop.radio));
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("R-1"));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("TV1"));
    QCOMPARE(grid->item(1, 3)->text(), QStringLiteral("Television"));
    auto *grouped = child<QListWidget>(&form, "GroupLst");
    QVERIFY(!grouped->isVisible());
    QTest::mouseClick(child<QPushButton>(&form, "GroupBtn"), Qt::LeftButton);
    QVERIFY(grouped->isVisible());
    QStringList texts;
    for (int i = 0; i < grouped->count(); ++i)
        texts << grouped->item(i)->text();
    QCOMPARE(texts, (QStringList{"R2 Radio", "         R-1", "TV1 Television", "         T-1"}));
}

void TstSerialForms::popupEntries_data()
{
    QTest::addColumn<double>("sold");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("in stock") << 1.0 << "Quantity: 4" << true;
    QTest::newRow("sold beyond stock") << 7.0 << "Quantity: -2!!!!!!!!!!" << false;
}

void TstSerialForms::popupEntries()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(double, sold);
    QFETCH(QString, quantity);
    QFETCH(bool, ticked);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    TDataFormSQL &d = year.data();
    SerialShop shop;
    QVERIFY(shop.fill(d));
    QVERIFY(shop.line(d, DocKind::Purchase, shop.radio, 5, 12.25) > 0);
    QVERIFY(shop.line(d, DocKind::Sale, shop.radio, sold, 20) > 0);
    QMenu menu;
    menu.addAction(QStringLiteral("Other"));
    addLinePopupEntries(&menu, d, shop.radio);
    auto *q = menu.findChild<QAction *>(QStringLiteral("QuantityMenu"));
    auto *r = menu.findChild<QAction *>(QStringLiteral("RateMenu"));
    QVERIFY(q && r);
    QCOMPARE(q->text(), quantity);
    QCOMPARE(q->isChecked(), ticked);
    QVERIFY(r->text().startsWith(QStringLiteral("Rate: 12.25")));
    QVERIFY(q->isVisible() && r->isVisible());
    // opened again on another page: the same entries, empty and hidden
    addLinePopupEntries(&menu, d, 0);
    QCOMPARE(menu.actions().size(), 3);
    QVERIFY(q->text().isEmpty() && !q->isVisible() && !r->isVisible());
}

QTEST_MAIN(TstSerialForms)
#include "tst_serialforms.moc"
