#include "TestDb.h"

#include "items/Catalogue.h"
#include "items/TNewItemForm.h"
#include "shell/AppState.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

// The item editor driven by its controls: a new item is saved, a code
// already there cannot be saved, a field check keeps the editor open.
class TstItemEditor : public QObject
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
        // No password prompts here: the guard has its own tests.
        options().setNumber(QString::fromLatin1(OptKey::ConfPass), 0);
    }
    void addThenDuplicate();
    void negativePriceKeepsEditorOpen();
};

void TstItemEditor::addThenDuplicate()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    cat.addKind(QStringLiteral("Tools"));
    const int food = cat.addKind(QStringLiteral("Food")).kindId;

    TNewItemForm form(year.data());
    QSignalSpy saved(&form, &TNewItemForm::saved);
    QVERIFY(form.openInsert());
    auto *code = form.findChild<QLineEdit *>(QStringLiteral("CodeED"));
    auto *ok = form.findChild<QPushButton *>(QStringLiteral("OkBtn"));
    QVERIFY(code && ok);
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("ItemED"))->text(), QStringLiteral("Tools"));
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(code, QStringLiteral("O'K-7"));
    QVERIFY(ok->isEnabled());
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("DesED")), QStringLiteral("Hammer"));
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("PriceED")), QStringLiteral("12.5"));
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("QKbEd")), QStringLiteral("3"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(saved.size(), 1);
    QVERIFY(!form.isVisible());
    CatalogueItem item;
    QVERIFY(cat.item(saved.first().first().toInt(), &item));
    QCOMPARE(item.code, QStringLiteral("O'K-7"));
    QCOMPARE(item.description, QStringLiteral("Hammer"));
    QCOMPARE(item.rate, 12.5);
    QCOMPARE(item.notLes, 0.0);
    QCOMPARE(item.qkbNo.toInt(), 3);
    QVERIFY(item.kind != food);

    QVERIFY(form.openInsert());
    QVERIFY(code->text().isEmpty());
    QTest::keyClicks(code, QStringLiteral("O'K-7"));
    QVERIFY(!ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!form.save());
    QCOMPARE(saved.size(), 1);
    QCOMPARE(cat.itemCount(), 1);
    QTest::keyClick(code, Qt::Key_8);
    QVERIFY(ok->isEnabled());
    form.close();

    // Editing keeps the code and accepts the item's own quick key.
    QVERIFY(form.openEdit(item.itemId));
    QVERIFY(!code->isEnabled());
    QVERIFY(ok->isEnabled());
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("QKbEd"))->text(), QStringLiteral("3"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(saved.size(), 2);
    QVERIFY(MsgBox::shownTexts().isEmpty());
}

void TstItemEditor::negativePriceKeepsEditorOpen()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue(year.data()).addKind(QStringLiteral("K"));
    TNewItemForm form(year.data());
    QVERIFY(form.openInsert());
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("CodeED")), QStringLiteral("N1"));
    auto *price = form.findChild<QLineEdit *>(QStringLiteral("PriceED"));
    QTest::keyClicks(price, QStringLiteral("-2"));
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("OkBtn")), Qt::LeftButton);
    QCOMPARE(MsgBox::shownTexts(), QStringList{QStringLiteral("Error the Rate must be positive >0")});
    QVERIFY(form.isVisible());
    QCOMPARE(price->text(), QStringLiteral("-2"));
    QCOMPARE(price->selectedText(), QStringLiteral("-2"));
    QCOMPARE(Catalogue(year.data()).itemCount(), 0);
}

QTEST_MAIN(TstItemEditor)
#include "tst_itemeditor.moc"
