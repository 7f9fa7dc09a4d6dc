#include "TestDb.h"

#include "AdminCommands.h"

#include "items/Catalogue.h"
#include "items/ItemImport.h"

#include <QFile>
#include <QStringEncoder>
#include <QtTest>

// The import of items from all.txt: the stops with their line numbers,
// the report, the encodings and codes with special characters.
class TstItemImport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }

    void stopsAtLine_data();
    void stopsAtLine();
    void reportCountsRefusedLines();
    void windows1256Descriptions();
    void utf8AndApostrophe();
    void missingFile();
    void adminCommand();
};

void TstItemImport::stopsAtLine_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("added");
    QTest::newRow("missing kind on line 3") << QByteArray("A1;First;1\nA2;Second;1\nA3;Third;99\nA4;Fourth;1\n")
                                            << "Error in Item Kind, Line: 3" << 2;
    QTest::newRow("empty description") << QByteArray("B1;One;1\r\nB2;;1\r\n") << "Error in Line: 2" << 1;
    QTest::newRow("kind is no number") << QByteArray("C1;One;x\n") << "Error in Item Kind, Line: 1" << 0;
    QTest::newRow("too few fields") << QByteArray("D1;One;1\nD2\n") << "Error in Item Kind, Line: 2" << 1;
}

void TstItemImport::stopsAtLine()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFETCH(int, added);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    QCOMPARE(cat.addKind(QStringLiteral("K")).kindId, 1);
    const ItemImport::Result r = ItemImport(year.data()).importBytes(file);
    QVERIFY(!r.completed);
    QCOMPARE(r.message, message);
    QCOMPARE(cat.itemCount(), added);
}

void TstItemImport::reportCountsRefusedLines()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    const int kind = cat.addKind(QStringLiteral("K")).kindId;
    ItemInput in;
    in.code = QStringLiteral("X2");
    in.kind = kind;
    QVERIFY(cat.saveItem(in).ok);
    // The last line has no line feed and still counts.
    const ItemImport::Result r = ItemImport(year.data()).importBytes("X1;One;1\nX2;Two;1\nX3;Three;1");
    QVERIFY(r.completed);
    QCOMPARE(r.mustBeAdded, 3);
    QCOMPARE(r.reallyAdded, 2);
    QCOMPARE(r.message, QStringLiteral("Must Be Added: 3   Really Added:2"));
    QCOMPARE(cat.itemCount(), 3);
}

void TstItemImport::windows1256Descriptions()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    cat.addKind(QStringLiteral("K"));
    const QString text = QStringLiteral("P1;قلم رصاص;1\r\nقلم2;دفتر كبير;1\r\n");
    QStringEncoder encoder("windows-1256");
    QVERIFY(encoder.isValid());
    const QByteArray bytes = encoder.encode(text);
    QVERIFY(!encoder.hasError());
    QVERIFY(bytes != text.toUtf8());

    const QString path = year.dataDir() + ItemImport::fileName();
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QCOMPARE(ItemImport::pathIn(year.dataDir()), path);
    const ItemImport::Result r = ItemImport(year.data()).importFile(path);
    QVERIFY2(r.completed, qPrintable(r.message));
    QCOMPARE(r.reallyAdded, 2);
    const std::vector<CatalogueRow> rows = cat.search(QStringLiteral("قلم"));
    QCOMPARE(rows.size(), size_t(2));
    QCOMPARE(rows[0].code, QStringLiteral("P1"));
    QCOMPARE(rows[0].description, QStringLiteral("قلم رصاص"));
    QCOMPARE(rows[1].code, QStringLiteral("قلم2"));
    QCOMPARE(rows[1].description, QStringLiteral("دفتر كبير"));
}

void TstItemImport::utf8AndApostrophe()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue cat(year.data());
    cat.addKind(QStringLiteral("K"));
    const ItemImport::Result r =
        ItemImport(year.data()).importBytes(QStringLiteral("O'K-1;Men's shoe;1\nع-2;ساعة 'يد';1\n").toUtf8());
    QVERIFY2(r.completed, qPrintable(r.message));
    QCOMPARE(r.reallyAdded, 2);
    QVERIFY(cat.codeExists(QStringLiteral("O'K-1")));
    const std::vector<CatalogueRow> rows = cat.search(QStringLiteral("'يد'"));
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(rows[0].code, QStringLiteral("ع-2"));
    QCOMPARE(cat.search(QStringLiteral("men's")).front().description, QStringLiteral("Men's shoe"));
}

void TstItemImport::missingFile()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const ItemImport::Result r = ItemImport(year.data()).importFile(year.dataDir() + QStringLiteral("none.txt"));
    QVERIFY(!r.completed);
    QVERIFY(!r.message.isEmpty());
}

void TstItemImport::adminCommand()
{
    QFETCH_GLOBAL(int, engineRow);
    if (static_cast<DbEngine>(engineRow) != DbEngine::SQLite)
        QSKIP("qarvel-admin reaches the embedded databases of its data folder here");
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    Catalogue(year.data()).addKind(QStringLiteral("K"));
    const QString path = year.dataDir() + QStringLiteral("items.txt");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("M1;One;1\nM2;Two;1\n");
    f.close();
    const auto run = [&](const QString &file, QString *printed) {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        const int status = AdminCommands(out, err)
                               .run({QStringLiteral("--data"), year.dataDir(), QStringLiteral("import-items"),
                                     year.params().database, file});
        *printed = outText + errText;
        return status;
    };
    QString printed;
    QCOMPARE(run(path, &printed), 0);
    QVERIFY2(printed.contains(QStringLiteral("Must Be Added: 2   Really Added:2")), qPrintable(printed));
    QCOMPARE(run(path, &printed), 3); // the codes are there already
    QVERIFY2(printed.contains(QStringLiteral("Really Added:0")), qPrintable(printed));
    QCOMPARE(Catalogue(year.data()).itemCount(), 2);
}

QTEST_GUILESS_MAIN(TstItemImport)
#include "tst_itemimport.moc"
