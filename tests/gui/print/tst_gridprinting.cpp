// Printing and copying a grid as shown: the grid's columns and all of its
// rows, the clipboard text and message, the file export and a page's print
// button on its way to the print dialog.

#include "GridExport.h"
#include "TestDb.h"
#include "print/GridPrinting.h"

#include "items/Catalogue.h"
#include "items/CatalogueModel.h"
#include "items/CataloguePage.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Hands out its rows a hundred at a time, as the database lists do.
class LazyModel : public QAbstractTableModel
{
public:
    explicit LazyModel(int total)
        : m_total(total)
    { }
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_loaded;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : 2;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole)
            return index.column() == 0 ? QVariant(QStringLiteral("row %1").arg(index.row()))
                                       : QVariant(index.row() * 1.5);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o == Qt::Horizontal && role == Qt::DisplayRole)
            return section == 0 ? QStringLiteral("Name") : QStringLiteral("Value");
        return {};
    }
    bool canFetchMore(const QModelIndex &parent) const override
    {
        return !parent.isValid() && m_loaded < m_total;
    }
    void fetchMore(const QModelIndex &parent) override
    {
        if (parent.isValid())
            return;
        const int more = std::min(100, m_total - m_loaded);
        beginInsertRows({}, m_loaded, m_loaded + more - 1);
        m_loaded += more;
        endInsertRows();
    }

private:
    int m_total, m_loaded = 0;
};

QStandardItemModel *smallModel(QObject *parent)
{
    auto *m = new QStandardItemModel(0, 3, parent);
    m->setHorizontalHeaderLabels(
        {QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("Price")});
    auto row = [&](const QVariant &a, const QVariant &b, const QVariant &c) {
        QList<QStandardItem *> items;
        for (const QVariant &v : {a, b, c}) {
            auto *item = new QStandardItem;
            if (v.isValid())
                item->setData(v, Qt::DisplayRole);
            items << item;
        }
        m->appendRow(items);
    };
    row(QStringLiteral("A1"), QStringLiteral("Pen"), 2.5);
    row(QStringLiteral("B2"), QVariant(), 10);
    return m;
}

} // namespace

class TstGridPrinting : public QObject
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
        FileDialogs::clearQueues();
        FileDialogs::clearAsked();
        ReportPrinting::setPrinterHook({});
        options().setNumber(QString::fromLatin1(OptKey::ConfPass), 0);
        options().setOn(QString::fromLatin1(OptKey::Preview), false);
    }
    void cleanup() { ReportPrinting::setPrinterHook({}); }
    void tableIsTheGridAsShown();
    void everyRowOfALazyModel();
    void copyPutsTheGridOnTheClipboard();
    void saveWritesSpreadsheetFiles();
    void pageButtonReachesThePrintDialog();
    void acrossThePaperIsLandscape();
};

void TstGridPrinting::tableIsTheGridAsShown()
{
    QTableView view;
    view.setModel(smallModel(&view));
    view.setColumnWidth(0, 70);
    view.setColumnWidth(1, 150);
    view.setColumnWidth(2, 90);
    view.horizontalHeader()->moveSection(2, 0); // Price, Code, Name
    view.setColumnHidden(0, true);
    view.setLayoutDirection(Qt::RightToLeft);
    const Print::GridTable t = GridPrinting::tableOf(&view);
    QVERIFY(t.rightToLeft);
    QCOMPARE(t.columns.size(), 3);
    QCOMPARE(t.columns[0].title, QStringLiteral("Price"));
    QCOMPARE(t.columns[0].width, 90);
    QCOMPARE(t.columns[1].title, QStringLiteral("Code"));
    QVERIFY(!t.columns[1].visible);
    QCOMPARE(t.columns[2].width, 150);
    QCOMPARE(t.rows.size(), 2);
    QCOMPARE(t.rows[0][0].text, QStringLiteral("2.5"));
    QVERIFY(t.rows[0][0].numeric);
    QVERIFY(t.rows[1][2].isNull);
    QCOMPARE(Print::GridReport::printedColumns(t), QList<int>({0, 2}));

    const Print::Report r = Print::GridReport::build(t, Print::GridPrintSetup());
    // Right to left: the first shown column (Price) prints at the right.
    QVERIFY(r.find(QStringLiteral("Title0"))->left > r.find(QStringLiteral("Title1"))->left);
    QCOMPARE(r.find(QStringLiteral("Title1"))->text, QStringLiteral("Name"));
}

void TstGridPrinting::everyRowOfALazyModel()
{
    QTableView view;
    LazyModel model(250);
    view.setModel(&model);
    QVERIFY(model.rowCount() <= 100);
    const Print::GridTable t = GridPrinting::tableOf(&view);
    QCOMPARE(t.rows.size(), 250);
    QCOMPARE(t.rows.last()[0].text, QStringLiteral("row 249"));
    QCOMPARE(t.rows.last()[1].number, 249 * 1.5);
}

void TstGridPrinting::copyPutsTheGridOnTheClipboard()
{
    QTableView view;
    view.setModel(smallModel(&view));
    view.setColumnHidden(1, true); // copied all the same
    CopyGrdToExcel(&view);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Code\tName\tPrice\nA1\tPen\t2.5\nB2\t \t10"));
    QCOMPARE(MsgBox::shownTexts().last(),
             QStringLiteral("Gride is now in clipboard; Paste it in Excel"));
    CopyGrdToExcel(&view, QStringLiteral("use Ex button for the other table"));
    QCOMPARE(MsgBox::shownTexts().last(),
             QStringLiteral("Gride is now in clipboard; Paste it in Excel\r\n"
                            "use Ex button for the other table"));
    auto *empty = new QStandardItemModel(0, 2, &view);
    empty->setHorizontalHeaderLabels({QStringLiteral("A"), QStringLiteral("B")});
    view.setModel(empty);
    CopyGrdToExcel(&view);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("A\tB"));
}

void TstGridPrinting::saveWritesSpreadsheetFiles()
{
    QTableView view;
    view.setModel(smallModel(&view));
    view.setColumnHidden(1, true);
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("items.csv"));
    FileDialogs::queueFileName(csv);
    QVERIFY(GridPrinting::SaveGrdToFile(&view));
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(GridExport::parseCsv(f.readAll()),
             QList<QStringList>({{"Code", "Price"}, {"A1", "2.5"}, {"B2", "10"}}));
    // Without a known suffix the file becomes a workbook.
    FileDialogs::queueFileName(dir.filePath(QStringLiteral("items")));
    QVERIFY(GridPrinting::SaveGrdToFile(&view));
    QFile book(dir.filePath(QStringLiteral("items.xlsx")));
    QVERIFY(book.open(QIODevice::ReadOnly));
    QVERIFY(book.read(2) == "PK");
    // The copy and print buttons offer the same through their context menu.
    QPushButton copy;
    copy.setObjectName(QStringLiteral("CopyBtn"));
    GridPrinting::connectCopy(&copy, [&view] { return &view; });
    auto *action = copy.findChild<QAction *>(QStringLiteral("CopyBtnSaveAct"));
    QVERIFY(action && copy.actions().contains(action));
    QCOMPARE(copy.contextMenuPolicy(), Qt::ActionsContextMenu);
    const QString viaMenu = dir.filePath(QStringLiteral("menu.csv"));
    FileDialogs::queueFileName(viaMenu);
    action->trigger();
    QVERIFY(QFile::exists(viaMenu));
    // Cancelled: nothing written, nothing said.
    FileDialogs::queueFileName(QString());
    QVERIFY(!GridPrinting::SaveGrdToFile(&view));
    // A file that cannot be written is reported.
    FileDialogs::queueFileName(dir.filePath(QStringLiteral("no/such/dir/x.csv")));
    QVERIFY(!GridPrinting::SaveGrdToFile(&view));
    QVERIFY(MsgBox::shownTexts().last().contains(QStringLiteral("x.csv")));
}

void TstGridPrinting::pageButtonReachesThePrintDialog()
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
    CataloguePage page(year.data());
    page.show();
    page.enterPage();
    // Still reading the list: the print waits for every row.
    page.model()->setChunkSize(1);
    page.model()->reload();
    QVERIFY(page.model()->isLoading());
    QCOMPARE(page.model()->rowCount(), 1);
    auto *print = page.findChild<QPushButton *>(QStringLiteral("PrintItemBtn"));
    QVERIFY(print->isEnabled());
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("ToExcelItemBtn"))->isEnabled());

    QStringList titles;
    QList<bool> previews;
    ReportPrinting::setPrinterHook([&](QPrinter &p, bool preview) {
        titles << p.docName();
        previews << preview;
    });
    FileDialogs::queuePrintAnswer(false);
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(titles, QStringList({QStringLiteral("Item Codes ")}));
    QCOMPARE(previews, QList<bool>({false}));
    QCOMPARE(FileDialogs::askedCaptions(), QStringList({QStringLiteral("print")}));
    const Print::Report &report = ReportPrinting::lastReport();
    QCOMPARE(report.find(QStringLiteral("Heading"))->text, QStringLiteral("Item Codes "));
    QCOMPARE(report.find(QStringLiteral("Footer"))->text, QStringLiteral("Count 3"));
    QCOMPARE(report.rows.size(), 3);
    QCOMPARE(report.rows.first().value(QStringLiteral("c0")), QStringLiteral("AB-1"));

    // With the preview option the print dialog is not asked.
    options().setOn(QString::fromLatin1(OptKey::Preview), true);
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(previews, QList<bool>({false, true}));
    QCOMPARE(FileDialogs::askedCaptions().size(), 1);
}

void TstGridPrinting::acrossThePaperIsLandscape()
{
    QTableView view;
    view.setModel(smallModel(&view));
    QList<QPageLayout> layouts;
    ReportPrinting::setPrinterHook([&](QPrinter &p, bool) { layouts << p.pageLayout(); });
    for (bool portrait : {true, false}) {
        FileDialogs::queuePrintAnswer(false);
        QCOMPARE(TPrintGrdForm::printGrd(&view, portrait, true, false, QString(),
                                         QStringLiteral("Salaries ")),
                 ReportPrinting::Outcome::Cancelled);
    }
    QCOMPARE(layouts.size(), 2);
    QCOMPARE(layouts[0].orientation(), QPageLayout::Portrait);
    QCOMPARE(layouts[1].orientation(), QPageLayout::Landscape);
    QCOMPARE(layouts[1].pageSize().id(), QPageSize::A4);
    const QSizeF paper = layouts[1].fullRect(QPageLayout::Millimeter).size();
    QVERIFY(qAbs(paper.width() - 297) < 0.5 && qAbs(paper.height() - 210) < 0.5);
    const Print::Report &r = ReportPrinting::lastReport();
    QCOMPARE(r.page.width, 297.0);
    QVERIFY(r.detail.find(QStringLiteral("RowRule")));
}

QTEST_MAIN(TstGridPrinting)
#include "tst_gridprinting.moc"
