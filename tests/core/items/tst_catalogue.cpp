#include "TestDb.h"

#include "items/Catalogue.h"
#include "shell/AppState.h"

#include <QSqlQuery>
#include <QtTest>

// Kinds and items: the editor's checks, the deletes that leave used rows
// alone, the reuse of numbers after a delete and the search.
class TstCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void init() { appState().IsArabic = false; }

    void duplicateCodeRefused();
    void amountChecks_data();
    void amountChecks();
    void quickKey_data();
    void quickKey();
    void quickKeyOwnWhenEditing();
    void usedItemStays_data();
    void usedItemStays();
    void highestIdReused();
    void kindRules();
    void searchAndSpecialCodes();

private:
    static ItemInput input(const QString &code, int kind)
    {
        ItemInput in;
        in.code = code;
        in.description = QStringLiteral("desc ") + code;
        in.kind = kind;
        return in;
    }
};

void TstCatalogue::duplicateCodeRefused()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    const int kind = cat.addKind(QStringLiteral("Food")).kindId;
    QVERIFY(cat.saveItem(input(QStringLiteral("A1"), kind)).ok);
    QVERIFY(!cat.canSave(QStringLiteral("A1"), true));
    QVERIFY(cat.canSave(QStringLiteral("A1"), false));
    QVERIFY(!cat.canSave(QStringLiteral("  "), true));
    const Catalogue::SaveOutcome again = cat.saveItem(input(QStringLiteral("A1"), kind));
    QVERIFY(!again.ok);
    QCOMPARE(again.field, Catalogue::Field::Code);
    QCOMPARE(cat.itemCount(), 1);
}

void TstCatalogue::amountChecks_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("min");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("storedRate");
    QTest::addColumn<double>("storedMin");
    QTest::newRow("empty") << "" << "" << true << "" << 0.0 << 0.0;
    QTest::newRow("zero") << "0" << "0" << true << "" << 0.0 << 0.0;
    QTest::newRow("values") << "12.5" << "3" << true << "" << 12.5 << 3.0;
    QTest::newRow("negative rate") << "-1" << "" << false << "Error the Rate must be positive >0" << 0.0 << 0.0;
    QTest::newRow("text rate") << "abc" << "" << false << "Error in Rate" << 0.0 << 0.0;
    QTest::newRow("negative min") << "" << "-0.5" << false << "Error the No. must be positive >0" << 0.0 << 0.0;
    QTest::newRow("text min") << "1" << "x" << false << "Error in No" << 0.0 << 0.0;
}

void TstCatalogue::amountChecks()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, rate);
    QFETCH(QString, min);
    QFETCH(bool, ok);
    QFETCH(QString, message);
    QFETCH(double, storedRate);
    QFETCH(double, storedMin);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    ItemInput in = input(QStringLiteral("R1"), cat.addKind(QStringLiteral("K")).kindId);
    in.rate = rate;
    in.notLes = min;
    const Catalogue::SaveOutcome out = cat.saveItem(in);
    QCOMPARE(out.ok, ok);
    QCOMPARE(out.message, message);
    if (!ok) {
        QCOMPARE(cat.itemCount(), 0);
        return;
    }
    QSqlQuery q = year.data().exec(QStringLiteral(R"(SELECT "Rate", "NotLes" FROM "CodeTb" WHERE "ItemID" = ?)"),
                                   {out.itemId});
    QVERIFY(q.next());
    QVERIFY(!q.value(0).isNull() && !q.value(1).isNull());
    QCOMPARE(q.value(0).toDouble(), storedRate);
    QCOMPARE(q.value(1).toDouble(), storedMin);
}

void TstCatalogue::quickKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("ok");
    QTest::newRow("0") << "0" << false;
    QTest::newRow("25") << "25" << false;
    QTest::newRow("text") << "a" << false;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("24") << "24" << true;
    QTest::newRow("empty") << "" << true;
}

void TstCatalogue::quickKey()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, key);
    QFETCH(bool, ok);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    ItemInput in = input(QStringLiteral("Q1"), cat.addKind(QStringLiteral("K")).kindId);
    in.qkbNo = key;
    const Catalogue::SaveOutcome out = cat.saveItem(in);
    QCOMPARE(out.ok, ok);
    if (!ok) {
        QCOMPARE(out.field, Catalogue::Field::QuickKey);
        QCOMPARE(out.message, QStringLiteral("Error , KB No in 1..24 empty"));
        return;
    }
    CatalogueItem stored;
    QVERIFY(cat.item(out.itemId, &stored));
    QCOMPARE(stored.qkbNo.isNull(), key.isEmpty());
    if (!key.isEmpty())
        QCOMPARE(stored.qkbNo.toInt(), key.toInt());
}

void TstCatalogue::quickKeyOwnWhenEditing()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    const int kind = cat.addKind(QStringLiteral("K")).kindId;
    ItemInput a = input(QStringLiteral("A"), kind);
    a.qkbNo = QStringLiteral("5");
    a.itemId = cat.saveItem(a).itemId;
    QVERIFY(a.itemId > 0);

    ItemInput b = input(QStringLiteral("B"), kind);
    b.qkbNo = QStringLiteral("5");
    const Catalogue::SaveOutcome taken = cat.saveItem(b);
    QVERIFY(!taken.ok);
    QCOMPARE(taken.message, QStringLiteral("Error , KB No. Is Used"));

    a.description = QStringLiteral("changed");
    a.rate = QStringLiteral("2");
    QVERIFY(cat.saveItem(a).ok);
    CatalogueItem stored;
    QVERIFY(cat.item(a.itemId, &stored));
    QCOMPARE(stored.description, QStringLiteral("changed"));
    QCOMPARE(stored.qkbNo.toInt(), 5);

    appState().IsArabic = true;
    b.qkbNo = QStringLiteral("5");
    QCOMPARE(cat.saveItem(b).message, QStringLiteral("خطأ- رقم المفتاح مستخدم سابقاً"));
}

void TstCatalogue::usedItemStays_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    for (const QString &t : Catalogue::lineTables())
        QTest::newRow(qPrintable(t)) << t << QStringLiteral("ItemID");
    QTest::newRow("FGood") << QStringLiteral("FGood") << QStringLiteral("ItemId");
}

void TstCatalogue::usedItemStays()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, table);
    QFETCH(QString, column);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    const int kind = cat.addKind(QStringLiteral("K")).kindId;
    const int first = cat.saveItem(input(QStringLiteral("U1"), kind)).itemId;
    const int used = cat.saveItem(input(QStringLiteral("U2"), kind)).itemId;
    QVERIFY(year.data().DoSqlNEW(QStringLiteral(R"(INSERT INTO "%1" ("%2", "Quantity") VALUES (?, 1))").arg(table, column),
                                 {used}));
    const Catalogue::DeleteOutcome out = cat.deleteItem(used);
    QVERIFY(!out.deleted);
    QCOMPARE(out.message, QStringLiteral("U2\n\rThis Item can not be deleted \n\r Invoice/F. Goods is related with this Item "));
    QCOMPARE(cat.itemCount(), 2);
    // The seed is untouched: the next item still takes a fresh number.
    const int next = cat.saveItem(input(QStringLiteral("U3"), kind)).itemId;
    QCOMPARE(next, used + 1);
    QVERIFY(cat.deleteItem(first).deleted);
}

void TstCatalogue::highestIdReused()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    const int kind = cat.addKind(QStringLiteral("K")).kindId;
    const int a = cat.saveItem(input(QStringLiteral("H1"), kind)).itemId;
    const int b = cat.saveItem(input(QStringLiteral("H2"), kind)).itemId;
    const int c = cat.saveItem(input(QStringLiteral("H3"), kind)).itemId;
    QCOMPARE(c, a + 2);
    QVERIFY(cat.deleteItem(c).deleted);
    QVERIFY(cat.deleteItem(b).deleted);
    QCOMPARE(cat.saveItem(input(QStringLiteral("H4"), kind)).itemId, b);
    // A code freed by a delete can be used again.
    QCOMPARE(cat.saveItem(input(QStringLiteral("H3"), kind)).itemId, c);
}

void TstCatalogue::kindRules()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    QCOMPARE(cat.addKind(QString()).result, Catalogue::KindResult::Empty);
    const Catalogue::KindOutcome food = cat.addKind(QStringLiteral("Food"));
    QCOMPARE(food.result, Catalogue::KindResult::Added);
    const Catalogue::KindOutcome dup = cat.addKind(QStringLiteral("Food"));
    QCOMPARE(dup.result, Catalogue::KindResult::Exists);
    QCOMPARE(dup.message, QStringLiteral("'Food'\n\ris already in the table"));
    QCOMPARE(cat.firstKind().id, food.kindId);
    QCOMPARE(cat.firstKind().name, QStringLiteral("Food"));

    QVERIFY(cat.saveItem(input(QStringLiteral("F1"), food.kindId)).ok);
    const Catalogue::KindOutcome refused = cat.deleteKind(food.kindId);
    QCOMPARE(refused.result, Catalogue::KindResult::InUse);
    QCOMPARE(refused.message,
             QStringLiteral("Food\n\rThis Kind can not be deleted \n\r One Item Code is related to this Kind "));
    QCOMPARE(cat.kindCount(), 1);

    const int spare = cat.addKind(QStringLiteral("Spare")).kindId;
    QCOMPARE(spare, food.kindId + 1);
    QCOMPARE(cat.deleteKind(spare).result, Catalogue::KindResult::Deleted);
    QCOMPARE(cat.addKind(QStringLiteral("Again")).kindId, spare);

    Catalogue::SaveOutcome noKind = cat.saveItem(input(QStringLiteral("F2"), 0));
    QCOMPARE(noKind.field, Catalogue::Field::Kind);
    QCOMPARE(noKind.message, QStringLiteral("Error in Kind"));
}

void TstCatalogue::searchAndSpecialCodes()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    const int tools = cat.addKind(QStringLiteral("Tools")).kindId;
    const int food = cat.addKind(QStringLiteral("Food")).kindId;
    ItemInput a = input(QStringLiteral("O'NEIL"), tools);
    a.location = QStringLiteral("Shelf 9");
    ItemInput b = input(QStringLiteral("قلم"), food);
    b.description = QStringLiteral("قلم أزرق 100%");
    ItemInput c = input(QStringLiteral("ZX"), food);
    QVERIFY(cat.saveItem(a).ok);
    QVERIFY(cat.saveItem(b).ok);
    QVERIFY(cat.saveItem(c).ok);
    QVERIFY(!cat.canSave(QStringLiteral("O'NEIL"), true));
    QVERIFY(!cat.canSave(QStringLiteral("قلم"), true));

    const auto codes = [&cat](const QString &fragment) {
        QStringList out;
        for (const CatalogueRow &r : cat.search(fragment))
            out << r.code;
        return out;
    };
    QCOMPARE(codes(QStringLiteral("'ne")), QStringList{QStringLiteral("O'NEIL")});
    QCOMPARE(codes(QStringLiteral("helf")), QStringList{QStringLiteral("O'NEIL")});
    QCOMPARE(codes(QStringLiteral("ood")).size(), 2);
    QCOMPARE(codes(QStringLiteral("أزرق")), QStringList{QStringLiteral("قلم")});
    QCOMPARE(codes(QStringLiteral("0%")), QStringList{QStringLiteral("قلم")});
    QCOMPARE(codes(QStringLiteral("_")), QStringList());
    QCOMPARE(codes(QString()).size(), 3);

    // Paging by code gives every listed item once.
    QStringList paged;
    QString after;
    for (;;) {
        const std::vector<CatalogueRow> page = cat.rowsAfter(after, 2);
        if (page.empty())
            break;
        for (const CatalogueRow &r : page)
            paged << r.code;
        after = page.back().code;
    }
    QCOMPARE(paged, codes(QString()));

    const int id = cat.search(QStringLiteral("O'NEIL")).front().itemId;
    QVERIFY(cat.deleteItem(id).deleted);
    QCOMPARE(cat.itemCount(), 2);
}

QTEST_GUILESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
