#include "GridPrinting.h"

#include "GridExport.h"
#include "shell/Clock.h"
#include "shell/FileDialogs.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableView>

namespace {

// No screen updates while the grid's rows are read.
class FrozenGrid
{
public:
    explicit FrozenGrid(QTableView *grid)
        : m_grid(grid)
        , m_enabled(grid->updatesEnabled())
    {
        m_grid->setUpdatesEnabled(false);
    }
    ~FrozenGrid() { m_grid->setUpdatesEnabled(m_enabled); }

private:
    QTableView *m_grid;
    bool m_enabled;
};

QFont printFont(const QFont &screen)
{
    QFont f = screen;
    QStringList families{screen.family()};
    families += Print::defaultFont().families();
    f.setFamilies(families);
    if (f.pointSizeF() <= 0)
        f.setPointSizeF(8);
    return f;
}

Qt::Alignment alignmentOf(const QVariant &v, Qt::Alignment fallback)
{
    if (!v.isValid())
        return fallback;
    return Qt::Alignment(v.toInt());
}

} // namespace

namespace GridPrinting {

Print::GridTable tableOf(QTableView *grid)
{
    Print::GridTable table;
    QAbstractItemModel *model = grid ? grid->model() : nullptr;
    if (!model)
        return table;
    // Every row prints, not only those fetched so far.
    while (model->canFetchMore(QModelIndex())) {
        const int before = model->rowCount();
        model->fetchMore(QModelIndex());
        if (model->rowCount() == before)
            break;
    }
    const QHeaderView *header = grid->horizontalHeader();
    table.rightToLeft = grid->isRightToLeft();
    const int rows = model->rowCount();
    QList<int> logical;
    for (int v = 0; v < header->count(); ++v) {
        const int c = header->logicalIndex(v);
        logical << c;
        Print::GridColumn col;
        col.title = model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        col.visible = !grid->isColumnHidden(c);
        col.width = col.visible ? header->sectionSize(c) : 0;
        col.titleAlignment =
            alignmentOf(model->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole),
                        header->defaultAlignment());
        const QVariant titleFont = model->headerData(c, Qt::Horizontal, Qt::FontRole);
        col.titleFont = printFont(titleFont.isValid() ? titleFont.value<QFont>() : header->font());
        const QModelIndex first = model->index(0, c);
        col.alignment =
            alignmentOf(rows > 0 ? model->data(first, Qt::TextAlignmentRole) : QVariant(),
                        Qt::AlignLeft | Qt::AlignVCenter);
        const QVariant font = rows > 0 ? model->data(first, Qt::FontRole) : QVariant();
        col.font = printFont(font.isValid() ? font.value<QFont>() : grid->font());
        table.columns << col;
    }
    table.rows.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QList<Print::GridCell> cells;
        cells.reserve(logical.size());
        for (int c : logical) {
            const QModelIndex index = model->index(r, c);
            cells << Print::GridCell::fromValue(model->data(index, Qt::DisplayRole),
                                                model->data(index, Qt::EditRole));
        }
        table.rows << cells;
    }
    return table;
}

bool SaveGrdToFile(QTableView *grid)
{
    if (!grid)
        return false;
    const QString xlsx = QCoreApplication::translate("GridPrinting", "Excel workbook (*.xlsx)");
    const QString csv = QCoreApplication::translate("GridPrinting", "CSV, comma-separated (*.csv)");
    QString name = FileDialogs::saveFileName(
        grid, QCoreApplication::translate("GridPrinting", "Save as Spreadsheet"), QString(),
        xlsx + QStringLiteral(";;") + csv);
    if (name.isEmpty())
        return false;
    const QString suffix = QFileInfo(name).suffix().toLower();
    const bool asCsv = suffix == QLatin1String("csv");
    if (!asCsv && suffix != QLatin1String("xlsx"))
        name += QStringLiteral(".xlsx");
    Print::GridTable table;
    {
        FrozenGrid frozen(grid);
        table = tableOf(grid);
    }
    QString error;
    const bool ok = asCsv ? GridExport::writeCsv(table, name, &error)
                          : GridExport::writeXlsx(table, name, QString(), &error);
    if (!ok)
        MsgBox::error(grid, error);
    return ok;
}

namespace {
QString saveText()
{
    return QCoreApplication::translate("GridPrinting", "Save as Spreadsheet...");
}

// The action of a button's context menu, renamed with the interface language.
class SaveAction : public QAction
{
public:
    SaveAction(QAbstractButton *button, GridOf grid)
        : QAction(saveText(), button)
    {
        setObjectName(button->objectName() + QStringLiteral("SaveAct"));
        connect(this, &QAction::triggered, this, [grid] {
            if (QTableView *view = grid())
                SaveGrdToFile(view);
        });
        button->installEventFilter(this);
        button->addAction(this);
        button->setContextMenuPolicy(Qt::ActionsContextMenu);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            setText(saveText());
        return QAction::eventFilter(watched, event);
    }
};

void addSaveAction(QAbstractButton *button, const GridOf &grid)
{
    new SaveAction(button, grid);
}
} // namespace

void connectPrint(QAbstractButton *button, GridOf grid, bool portrait, bool rowRule, TextOf heading,
                  TextOf footer)
{
    button->setEnabled(true);
    QObject::connect(button, &QAbstractButton::clicked, button, [=] {
        if (QTableView *view = grid())
            TPrintGrdForm::printGrd(view, portrait, rowRule, TPrintGrdForm::previewOn(),
                                    footer ? footer() : QString(), heading ? heading() : QString());
    });
    addSaveAction(button, grid);
}

void connectCopy(QAbstractButton *button, GridOf grid, const QString &extraLine)
{
    button->setEnabled(true);
    QObject::connect(button, &QAbstractButton::clicked, button, [=] {
        if (QTableView *view = grid())
            CopyGrdToExcel(view, extraLine);
    });
    addSaveAction(button, grid);
}

namespace Texts {
QString itemCodes()
{
    return QCoreApplication::translate("GridPrinting", "Item Codes ");
}
QString count()
{
    return QCoreApplication::translate("GridPrinting", "Count ");
}
QString stock()
{
    return QCoreApplication::translate("GridPrinting", "Stock ");
}
QString beginningInventory()
{
    return QCoreApplication::translate("GridPrinting", "Beginning Inventory     ");
}
QString totalAmount()
{
    return QCoreApplication::translate("GridPrinting", "Total Amount ");
}
QString namesAccounts()
{
    return QCoreApplication::translate("GridPrinting", "Names / Accounts ");
}
} // namespace Texts

} // namespace GridPrinting

bool TPrintGrdForm::previewOn()
{
    return options().isOn(QString::fromLatin1(OptKey::Preview));
}

ReportPrinting::Outcome TPrintGrdForm::printGrd(QTableView *grid, bool portrait, bool rowRule,
                                                bool preview, const QString &footer,
                                                const QString &heading)
{
    if (!grid)
        return ReportPrinting::Outcome::NotPrinted;
    Print::GridPrintSetup setup;
    setup.portrait = portrait;
    setup.rowRule = rowRule;
    setup.heading = heading;
    setup.footer = footer;
    setup.dateText = Clock::today().toString(QStringLiteral("dd/MM/yyyy"));
    setup.frameWidth = options().number(QString::fromLatin1(OptKey::FrameW), 1);
    setup.rowHeight = options().number(QString::fromLatin1(OptKey::RowH), 20);
    Print::Report report;
    {
        FrozenGrid frozen(grid);
        report = Print::GridReport::build(GridPrinting::tableOf(grid), setup);
    }
    return ReportPrinting::throughDialog(grid->window(), report, preview);
}

void CopyGrdToExcel(QTableView *grid, const QString &extraLine)
{
    if (!grid)
        return;
    QString text;
    {
        FrozenGrid frozen(grid);
        text = GridExport::toTsv(GridPrinting::tableOf(grid), GridExport::Columns::All);
    }
    QGuiApplication::clipboard()->setText(text);
    QString message =
        QCoreApplication::translate("GridPrinting", "Gride is now in clipboard; Paste it in Excel");
    if (!extraLine.isEmpty())
        message += QStringLiteral("\r\n") + extraLine;
    MsgBox::information(grid, message);
}
