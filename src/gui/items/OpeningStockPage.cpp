#include "OpeningStockPage.h"

#include "OpeningStockModel.h"
#include "accounts/Money.h"
#include "data/TDataFormSQL.h"
#include "items/OpeningStock.h"
#include "print/GridPrinting.h"
#include "shell/ChangeGuard.h"
#include "shell/Guard.h"
#include "shell/KeyboardLayout.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"
#include "shell/YearGuard.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace {
QPushButton *button(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}
} // namespace

OpeningStockPage::OpeningStockPage(TDataFormSQL &data, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("FGoodPC"));
    m_model = new OpeningStockModel(data, this);
    m_model->setChangeCheck([this] { return allowEdit(); });

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_findLabel = new QLabel(this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("FGoodEd"));
    m_find->setClearButtonEnabled(true);
    m_find->installEventFilter(this);
    m_findLabel->setBuddy(m_find);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("FGoodCount"));
    m_count->setMinimumWidth(70);
    top->addWidget(m_findLabel);
    top->addWidget(m_find, 1);
    top->addWidget(m_count);
    layout->addLayout(top);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("GoodGRD"));
    m_grid->setModel(m_model);
    m_delegate = new OpeningStockDelegate(m_grid);
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->verticalHeader()->hide();
    const int widths[] = {60, 130, 260, 90, 90, 100, 160};
    for (int c = 0; c < OpeningStockModel::ColumnCount; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    layout->addWidget(m_grid, 1);

    auto *bottom = new QHBoxLayout;
    m_import = button(this, "ImportFGoodBtn");
    m_empty = button(this, "EmptyFGoodBtn");
    m_delete = button(this, "DelFGoodBtn");
    m_sum = button(this, "SumFGoodBtn");
    m_print = button(this, "PrintFGoodBtn");
    m_excel = button(this, "ToExcelFGoodBtn");
    // Rows still being read in chunks print and copy too.
    const GridPrinting::GridOf wholeGrid = [this] {
        m_model->finishLoading();
        return m_grid;
    };
    GridPrinting::connectPrint(m_print, wholeGrid, true, false,
                               GridPrinting::Texts::beginningInventory,
                               [this] {
                                   return GridPrinting::Texts::totalAmount() + m_total->text();
                               });
    GridPrinting::connectCopy(m_excel, wholeGrid);
    for (QPushButton *b : {m_import, m_empty, m_delete, m_sum, m_print, m_excel})
        bottom->addWidget(b);
    bottom->addStretch();
    m_totalLabel = new QLabel(this);
    m_totalLabel->setObjectName(QStringLiteral("OFGoodLB"));
    m_total = new QLineEdit(this);
    m_total->setObjectName(QStringLiteral("OFGoodED"));
    m_total->setReadOnly(true);
    m_total->setLayoutDirection(Qt::LeftToRight);
    m_total->setAlignment(Qt::AlignRight);
    m_total->setMaximumWidth(180);
    bottom->addWidget(m_totalLabel);
    bottom->addWidget(m_total);
    layout->addLayout(bottom);

    connect(m_find, &QLineEdit::textChanged, m_model, &OpeningStockModel::setFilterText);
    connect(m_import, &QPushButton::clicked, this, &OpeningStockPage::ImportFGoodBtnClick);
    connect(m_empty, &QPushButton::clicked, this, &OpeningStockPage::EmptyFGoodBtnClick);
    connect(m_delete, &QPushButton::clicked, this, &OpeningStockPage::DelFGoodBtnClick);
    connect(m_sum, &QPushButton::clicked, this, &OpeningStockPage::SumFGoodBtnClick);
    connect(m_model, &OpeningStockModel::countChanged, this, [this](int rows) {
        m_count->setText(QString::number(rows));
        updateButtons();
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &OpeningStockPage::updateButtons);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &OpeningStockPage::updateButtons);
    connect(m_model, &OpeningStockModel::editFailed, this,
            [this](const QString &message) { MsgBox::error(this, message); });
    m_total->setText(options().text(QString::fromLatin1(OptKey::OFGood)));
    retranslate();
    updateButtons();
}

void OpeningStockPage::retranslate()
{
    m_findLabel->setText(tr("Search"));
    m_import->setText(tr("Import"));
    m_empty->setText(tr("Empty"));
    m_delete->setText(tr("Delete"));
    m_sum->setText(tr("Find Total"));
    m_print->setText(tr("Print Table"));
    m_excel->setText(tr("Copy to Excel"));
    m_totalLabel->setText(tr("Total Amount"));
    emit m_model->headerDataChanged(Qt::Horizontal, 0, OpeningStockModel::ColumnCount - 1);
    // The tab of the opening entries page that holds this sub-page.
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            const int at = tabs->indexOf(this);
            if (at >= 0)
                tabs->setTabText(at, tr("Beginning Inventory"));
            break;
        }
    }
}

void OpeningStockPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void OpeningStockPage::hideEvent(QHideEvent *event)
{
    // No reading left open while other pages may change the opening stock.
    m_model->finishLoading();
    QWidget::hideEvent(event);
}

bool OpeningStockPage::eventFilter(QObject *watched, QEvent *event)
{
    // Item codes are typed in the layout the options ask for.
    if (watched == m_find && event->type() == QEvent::FocusIn)
        KeyboardLayout::activate(options().isOn(QString::fromLatin1(OptKey::EngCode)) ? 0 : 1);
    return QWidget::eventFilter(watched, event);
}

void OpeningStockPage::enterPage()
{
    m_find->clear();
    m_total->setText(options().text(QString::fromLatin1(OptKey::OFGood)));
    reloadGrid();
}

void OpeningStockPage::reloadGrid()
{
    const OpeningStockRow *current = currentRow();
    const int itemId = current ? current->itemId : 0;
    const int column = std::max(0, m_grid->currentIndex().column());
    m_model->reload();
    if (m_model->loadFailed())
        MsgBox::error(this,
                      tr("The opening stock could not be read:") + u'\n' + m_model->loadError());
    if (m_model->rowCount() > 0) {
        int row = 0;
        if (itemId > 0) {
            m_model->finishLoading();
            row = std::max(0, m_model->rowOfItem(itemId));
        }
        m_grid->setCurrentIndex(m_model->index(row, column));
    }
    updateImport();
    updateButtons();
}

void OpeningStockPage::updateImport()
{
    bool ok = false;
    const bool empty = OpeningStock(m_data).isEmpty(&ok);
    m_import->setVisible(ok && empty);
}

void OpeningStockPage::updateButtons()
{
    m_delete->setEnabled(currentRow() != nullptr);
}

const OpeningStockRow *OpeningStockPage::currentRow() const
{
    return m_model->rowAt(m_grid->currentIndex().row());
}

void OpeningStockPage::selectItem(int itemId)
{
    m_model->finishLoading();
    const int row = m_model->rowOfItem(itemId);
    if (row >= 0)
        m_grid->setCurrentIndex(m_model->index(row, OpeningStockModel::Quantity));
}

bool OpeningStockPage::allowEdit()
{
    return !ShowCurYearErrorIfPast(this) && ConfirmByPassword(this, ChangeGuard::editText());
}

// -- adding from the codes page ---------------------------------------------

void OpeningStockPage::AddToFGoodBtnClick(const QList<int> &selectedItemIds, QWidget *itemsTable)
{
    if (ShowCurYearErrorIfPast(this))
        return;
    const QString eol = QStringLiteral("\n\r");
    const QString question =
        tr("Are you sure that you want to add the selected items to the Beginning Inventory?") + eol
        + tr("Yes       : selected items") + eol + tr("Yes To All: All Items") + eol
        + tr("Cancel    : Add Nothing");
    QMessageBox::StandardButtons buttons = QMessageBox::Cancel | QMessageBox::YesToAll;
    if (!selectedItemIds.isEmpty())
        buttons |= QMessageBox::Yes;
    const QMessageBox::StandardButton answer =
        MsgBox::ask(this, question, buttons, QMessageBox::Cancel);

    if (answer == QMessageBox::Yes && buttons.testFlag(QMessageBox::Yes)) {
        if (!ConfirmByPassword(this, question)) {
            reloadGrid();
            return;
        }
        const bool tableShown = itemsTable && itemsTable->isVisible();
        if (itemsTable)
            itemsTable->hide();
        // One step of the wait panel per item, at most a few hundred repaints.
        const int every = std::max(1, int(selectedItemIds.size()) / 200);
        int done = 0;
        const QString wait = QCoreApplication::translate("StoreChk", "Wait");
        const OpeningStock::AddResult r = OpeningStock(m_data).addItems(selectedItemIds, [&] {
            if (done++ % every == 0)
                m_data.IncGauge(wait);
        });
        m_data.hideGauge();
        if (r.ok)
            MsgBox::information(this, r.message);
        else
            MsgBox::error(this,
                          tr("Nothing was added to the Beginning Inventory:") + u'\n' + r.error);
        if (itemsTable && tableShown)
            itemsTable->show();
        if (r.rows > 0)
            emit openingStockChanged();
    } else if (answer == QMessageBox::YesToAll) {
        const OpeningStock::Outcome r = OpeningStock(m_data).addAllItems();
        if (!r.ok)
            MsgBox::error(this,
                          tr("Nothing was added to the Beginning Inventory:") + u'\n' + r.error);
        if (r.rows > 0)
            emit openingStockChanged();
    }
    reloadGrid();
}

// -- the sub-page's operations --------------------------------------------------

void OpeningStockPage::ImportFGoodBtnClick()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    const OpeningStock::Outcome r = OpeningStock(m_data).importStockItems();
    if (!r.ok)
        MsgBox::error(this, tr("The items could not be imported:") + u'\n' + r.error);
    reloadGrid();
    if (r.rows > 0)
        emit openingStockChanged();
}

void OpeningStockPage::EmptyFGoodBtnClick()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    const QString question = tr("Delete All Record in Beginning Inventory?????");
    if (!MsgBox::confirm(this, question, QMessageBox::No) || !ConfirmByPassword(this, question))
        return;
    const OpeningStock::Outcome r = OpeningStock(m_data).emptyAll();
    if (!r.ok)
        MsgBox::error(this, tr("The Beginning Inventory could not be emptied:") + u'\n' + r.error);
    reloadGrid();
    if (r.ok)
        emit openingStockChanged();
}

void OpeningStockPage::DelFGoodBtnClick()
{
    const OpeningStockRow *row = currentRow();
    if (!row || ShowCurYearErrorIfPast(this))
        return;
    const int itemId = row->itemId;
    const int position = m_grid->currentIndex().row();
    const QString question = tr("Are You Sure that You want to delete the Item: ")
        + QStringLiteral("\n\r") + row->itemCode;
    if (!MsgBox::confirm(this, question, QMessageBox::No) || !ConfirmByPassword(this, question))
        return;
    const OpeningStock::Outcome r = OpeningStock(m_data).deleteItem(itemId);
    if (!r.ok)
        MsgBox::error(this, tr("The item could not be deleted:") + u'\n' + r.error);
    m_model->reload();
    if (m_model->rowCount() > 0) {
        m_model->finishLoading();
        const int at = std::min(position, m_model->rowCount() - 1);
        m_grid->setCurrentIndex(m_model->index(at, OpeningStockModel::Code));
    }
    updateImport();
    updateButtons();
    if (r.ok && r.rows > 0)
        emit openingStockChanged();
}

void OpeningStockPage::SumFGoodBtnClick()
{
    // A pending edit is written first.
    for (QLineEdit *editor : m_grid->findChildren<QLineEdit *>(QStringLiteral("GoodGRDEditor"))) {
        if (editor->isVisible()) {
            emit m_delegate->commitData(editor);
            emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    const OpeningStock::Total t = OpeningStock(m_data).total();
    if (!t.ok)
        MsgBox::error(this, tr("The total could not be computed:") + u'\n' + t.error);
    const QString text = Money::format(t.ok ? t.value : 0, Money::decimals());
    m_total->setText(text);
    options().setText(QString::fromLatin1(OptKey::OFGood), text);
}
