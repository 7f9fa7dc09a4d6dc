// Grid sizes kept with the options, the grid look options, and columns
// that can be resized but not reordered.

#include "OptionRows.h"

#include "shell/GridLayoutStore.h"
#include "shell/Options.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

using namespace OptionRows;

class TestGridLayout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aDraggedColumnSnapsBack();
    void columnWidthsFromTheOptions_data();
    void columnWidthsFromTheOptions();
    void columnsThatArriveLaterTakeTheirWidths();
    void frameWidthAndRowHeight();
    void widthsAreSavedWithTheOptions();
    void yesAndNoTexts();

private:
    std::unique_ptr<QTableView> makeGrid(int columns = 3);
    std::unique_ptr<QStandardItemModel> m_model;
};

void TestGridLayout::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestGridLayout::init()
{
    options().resetToDefaults();
}

void TestGridLayout::cleanup()
{
    options().resetToDefaults();
    GridLayoutStore::setBoolTexts(QStringLiteral("Yes;        No"));
}

std::unique_ptr<QTableView> TestGridLayout::makeGrid(int columns)
{
    m_model = std::make_unique<QStandardItemModel>(4, columns);
    auto view = std::make_unique<QTableView>();
    view->setModel(m_model.get());
    return view;
}

void TestGridLayout::aDraggedColumnSnapsBack()
{
    auto grid = makeGrid();
    GridLayoutStore::attach(grid.get(), QStringLiteral("BillGRD"));
    QHeaderView *header = grid->horizontalHeader();
    QVERIFY(!header->sectionsMovable());
    // What a drag of the first column to the end does.
    header->moveSection(0, 2);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(header->visualIndex(i), i);
    // Resizing stays possible.
    header->resizeSection(1, 123);
    QCOMPARE(grid->columnWidth(1), 123);
}

void TestGridLayout::columnWidthsFromTheOptions_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("width");
    QTest::newRow("a number") << "150" << 150;
    QTest::newRow("no number") << "wide" << 200;
    QTest::newRow("missing") << QString() << 77;
}

void TestGridLayout::columnWidthsFromTheOptions()
{
    QFETCH(QString, stored);
    QFETCH(int, width);
    auto grid = makeGrid();
    grid->setColumnWidth(1, 77);
    if (!stored.isNull())
        options().setText(QStringLiteral("CashGrd.columns[1].width"), stored);
    GridLayoutStore::attach(grid.get(), QStringLiteral("CashGrd"));
    QCOMPARE(grid->columnWidth(1), width);
    QCOMPARE(GridLayoutStore::keyOf(grid.get()), QStringLiteral("CashGrd"));
}

void TestGridLayout::columnsThatArriveLaterTakeTheirWidths()
{
    options().setNumber(QStringLiteral("DebitGrd.columns[2].width"), 66);
    QTableView grid;
    GridLayoutStore::attach(&grid, QStringLiteral("DebitGrd"));
    QStandardItemModel model(2, 3);
    grid.setModel(&model);
    QCOMPARE(grid.columnWidth(2), 66);
}

void TestGridLayout::frameWidthAndRowHeight()
{
    options().setNumber(OptKey::FrameW, 3);
    options().setNumber(OptKey::RowH, 12);
    auto grid = makeGrid();
    GridLayoutStore::attach(grid.get(), QStringLiteral("PayGrid"));
    QCOMPARE(grid->lineWidth(), 3);
    QCOMPARE(grid->verticalHeader()->defaultSectionSize(), 12);
    QCOMPARE(grid->rowHeight(0), 12);

    options().setNumber(OptKey::RowH, 33);
    GridLayoutStore::applyLookToAll();
    QCOMPARE(grid->verticalHeader()->defaultSectionSize(), 33);
}

void TestGridLayout::widthsAreSavedWithTheOptions()
{
    StoreFixture f;
    QVERIFY(f.createYear());
    QVERIFY(addAdministrator(f)); // the options are loaded from the login's user panel
    QVERIFY(f.start());
    auto grid = makeGrid(2);
    GridLayoutStore::attach(grid.get(), QStringLiteral("AddressGrd"));
    grid->setColumnWidth(0, 91);
    grid->setColumnWidth(1, 92);
    QVERIFY(f.window().SaveOptions());
    QCOMPARE(get(f, "AddressGrd.columns[0].width"), QStringLiteral("91"));
    QCOMPARE(get(f, "AddressGrd.columns[1].width"), QStringLiteral("92"));

    // Loading puts them back.
    grid->setColumnWidth(0, 40);
    QVERIFY(f.window().LoadOptions());
    QCOMPARE(grid->columnWidth(0), 91);

    // A destroyed grid is forgotten.
    grid.reset();
    QVERIFY(!GridLayoutStore::attachedKeys().contains(QStringLiteral("AddressGrd")));
}

void TestGridLayout::yesAndNoTexts()
{
    QCOMPARE(GridLayoutStore::boolTexts(), QStringLiteral("Yes;        No"));
    QCOMPARE(GridLayoutStore::boolText(true), QStringLiteral("Yes"));
    QCOMPARE(GridLayoutStore::boolText(false), QStringLiteral("        No"));
}

QTEST_MAIN(TestGridLayout)
#include "tst_gridlayout.moc"
