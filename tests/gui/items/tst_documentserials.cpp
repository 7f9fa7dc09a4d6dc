// The serial numbers on the invoices page: the grid under the lines follows
// the current line, "Item SNO" edits its serials, "Invoice SNO" lists the
// document's.

#include "../documents/DocsFixture.h"

#include "items/DocumentSerials.h"
#include "items/SerialDisplay.h"
#include "items/SerialNumbers.h"
#include "items/TAllSnoForm.h"
#include "items/TSNoForm.h"

#include <QApplication>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

class TestDocumentSerials : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("QARVEL_MSGBOX_AUTOANSWER", "1"); }
    void initTestCase_data() { TestDb::addEngines(); }
    void init()
    {
        MsgBox::clearQueues();
        MsgBox::clearShown();
    }
    void displayAndButtonsFollowTheLine();
};

void TestDocumentSerials::displayAndButtonsFollowTheLine()
{
    QARVEL_FETCH_ENGINE(engine);
    DocsFixture d(engine);
    QVERIFY(d.start());
    TDataFormSQL &data = d.f.window().data();
    DocumentSerials serials(*d.page, data);
    SerialDisplay *display = serials.display();
    QCOMPARE(display->objectName(), QStringLiteral("ItemSNoGrd"));
    QCOMPARE(serials.itemSnoButton()->objectName(), QStringLiteral("ItemSnoBtn"));
    QCOMPARE(serials.invoiceSnoButton()->text(), QStringLiteral("Invoice SNO"));

    const int inv = d.newDocument(d.customer);
    QVERIFY(inv > 0);
    QVERIFY(d.addByChooser(d.billGrid(), "A1"));
    const CurrentDocumentLine line = d.page->currentLine();
    QVERIFY(line.lineId > 0);
    QVERIFY(serials.itemSnoButton()->isEnabled());
    QVERIFY(serials.invoiceSnoButton()->isEnabled());
    QVERIFY(!display->isVisibleTo(d.page));

    // the item has one serial in stock; the sale line takes it in the editor
    SerialNumbers sn(data);
    Documents purchases(data, DocKind::Purchase);
    DocumentHeader h = d.header(d.supplier);
    h.InvoiceNo = 5;
    const int bought = purchases.addLine(purchases.create(h), d.itemId("A1"), 1, 2);
    QVERIFY(sn.save(SerialOwner::line(DocKind::Purchase, bought), {"A1-77"}));
    bool took = false;
    QTimer::singleShot(0, this, [&] {
        auto *form = qobject_cast<TSNoForm *>(QApplication::activeModalWidget());
        if (!form)
            return;
        auto *stock = form->findChild<QListWidget *>(QStringLiteral("StockLst"));
        if (stock && stock->count() == 1) {
            stock->setCurrentRow(0);
            QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("TakeBtn")),
                              Qt::LeftButton);
            took = form->rows() == QStringList{"A1-77"};
        }
        form->reject();
    });
    QTest::mouseClick(serials.itemSnoButton(), Qt::LeftButton);
    QVERIFY(took);
    QCOMPARE(sn.serials(SerialOwner::line(DocKind::Sale, line.lineId)), QStringList{"A1-77"});
    QVERIFY(display->isVisibleTo(d.page));
    QCOMPARE(display->serials(), QStringList{"A1-77"});

    // the document's list
    int listed = -1;
    QTimer::singleShot(0, this, [&] {
        auto *form = qobject_cast<TAllSnoForm *>(QApplication::activeModalWidget());
        if (!form)
            return;
        listed = form->findChild<QTableWidget *>(QStringLiteral("AllSnoGrd"))->rowCount();
        form->accept();
    });
    QTest::mouseClick(serials.invoiceSnoButton(), Qt::LeftButton);
    QCOMPARE(listed, 1);

    // a line without serials hides the grid again
    QVERIFY(d.addByChooser(d.billGrid(), "B2"));
    QVERIFY(!display->isVisibleTo(d.page));
}

QTEST_MAIN(TestDocumentSerials)
#include "tst_documentserials.moc"
