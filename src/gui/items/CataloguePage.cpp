#include "CataloguePage.h"

#include "CatalogueModel.h"
#include "TNewItemForm.h"
#include "data/TDataFormSQL.h"
#include "items/Catalogue.h"
#include "items/ItemImport.h"
#include "print/GridPrinting.h"
#include "shell/AppState.h"
#include "shell/Guard.h"
#include "shell/KeyboardLayout.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"
#include "shell/StorePages.h"
#include "shell/TStoreForm.h"
#include "shell/YearGuard.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

namespace {
QPushButton *button(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}
} // namespace

CataloguePage::CataloguePage(TDataFormSQL &data, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("CataloguePage"));
    m_model = new CatalogueModel(data, this);
    m_editor = new TNewItemForm(data, this);
    m_editor->setWindowFlag(Qt::Window);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("ItemsPC"));
    m_codesTab = buildCodesTab();
    m_cardTab = buildCardTab();
    m_kindsTab = buildKindsTab();
    m_pages->addTab(m_codesTab, QString());
    m_pages->addTab(m_cardTab, QString());
    m_pages->addTab(m_kindsTab, QString());
    layout->addWidget(m_pages);

    connect(m_pages, &QTabWidget::currentChanged, this, &CataloguePage::subPageChanged);
    connect(m_model, &CatalogueModel::countChanged, this, [this] {
        updateCount();
        updateButtons();
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &CataloguePage::updateButtons);
    connect(m_editor, &TNewItemForm::saved, this, [this](int itemId) {
        m_model->refreshItem(itemId);
        if (m_model->isLoading())
            m_model->finishLoading();
        selectItem(itemId);
        updateCount();
        emit itemsChanged();
    });
    retranslate();
    updateButtons();
}

QWidget *CataloguePage::buildCodesTab()
{
    auto *tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("CodesTab"));
    auto *layout = new QVBoxLayout(tab);

    auto *top = new QHBoxLayout;
    m_searchPanel = new QWidget(tab);
    m_searchPanel->setObjectName(QStringLiteral("SearchPanel"));
    auto *search = new QHBoxLayout(m_searchPanel);
    search->setContentsMargins(0, 0, 0, 0);
    m_findLabel = new QLabel(m_searchPanel);
    m_find = new QLineEdit(m_searchPanel);
    m_find->setObjectName(QStringLiteral("CodeFind0"));
    m_find->setClearButtonEnabled(true);
    m_find->installEventFilter(this);
    search->addWidget(m_findLabel);
    search->addWidget(m_find, 1);
    top->addWidget(m_searchPanel, 1);
    m_viewPrice = new QCheckBox(tab);
    m_viewPrice->setObjectName(QStringLiteral("R1Chk"));
    m_viewPrice->setChecked(true);
    top->addWidget(m_viewPrice);
    m_count = new QLabel(tab);
    m_count->setObjectName(QStringLiteral("CodesCount"));
    m_count->setMinimumWidth(80);
    top->addWidget(m_count);
    layout->addLayout(top);

    m_grid = new QTableView(tab);
    m_grid->setObjectName(QStringLiteral("CodeGRD1"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    const int widths[] = {130, 260, 100, 80, 50, 80, 75, 60, 60};
    for (int c = 0; c < CatalogueModel::ColumnCount; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    layout->addWidget(m_grid, 1);

    auto *bottom = new QHBoxLayout;
    const char *navNames[] = {"CodeNavFirst", "CodeNavPrior", "CodeNavNext", "CodeNavLast"};
    const Qt::ArrowType arrows[] = {Qt::UpArrow, Qt::LeftArrow, Qt::RightArrow, Qt::DownArrow};
    for (int i = 0; i < 4; ++i) {
        m_nav[i] = new QToolButton(tab);
        m_nav[i]->setObjectName(QString::fromLatin1(navNames[i]));
        m_nav[i]->setArrowType(arrows[i]);
        bottom->addWidget(m_nav[i]);
    }
    connect(m_nav[0], &QToolButton::clicked, this, [this] { moveTo(0); });
    connect(m_nav[1], &QToolButton::clicked, this, [this] { moveTo(m_grid->currentIndex().row() - 1); });
    connect(m_nav[2], &QToolButton::clicked, this, [this] { moveTo(m_grid->currentIndex().row() + 1); });
    connect(m_nav[3], &QToolButton::clicked, this, [this] {
        m_model->finishLoading();
        moveTo(m_model->rowCount() - 1);
    });
    bottom->addStretch();
    m_add = button(tab, "AddNewItemBtn");
    m_edit = button(tab, "EditItemBtn");
    m_delete = button(tab, "DelItemBtn");
    m_print = button(tab, "PrintItemBtn");
    m_excel = button(tab, "ToExcelItemBtn");
    for (QPushButton *b : {m_add, m_edit, m_delete, m_print, m_excel})
        bottom->addWidget(b);
    layout->addLayout(bottom);
    // Rows still being read in chunks print and copy too.
    const GridPrinting::GridOf wholeGrid = [this] {
        m_model->finishLoading();
        return m_grid;
    };
    GridPrinting::connectPrint(m_print, wholeGrid, true, false,
                               GridPrinting::Texts::itemCodes,
                               [this] { return GridPrinting::Texts::count() + m_count->text(); });
    GridPrinting::connectCopy(m_excel, wholeGrid);

    connect(m_find, &QLineEdit::textChanged, m_model, &CatalogueModel::setFilterText);
    connect(m_viewPrice, &QCheckBox::clicked, this, &CataloguePage::R1ChkClick);
    connect(m_add, &QPushButton::clicked, this, &CataloguePage::AddNewItemBtnClick);
    connect(m_edit, &QPushButton::clicked, this, &CataloguePage::EditItemBtnClick);
    connect(m_delete, &QPushButton::clicked, this, &CataloguePage::DelItemBtnClick);
    connect(m_grid, &QTableView::doubleClicked, this, &CataloguePage::EditItemBtnClick);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &CataloguePage::updateButtons);
    return tab;
}

QWidget *CataloguePage::buildCardTab()
{
    auto *tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("CardTab"));
    auto *form = new QFormLayout(tab);
    const char *names[] = {"CardCode", "CardDescription", "CardKind",    "CardPrice",   "CardMin",    "CardLocation",
                           "CardSize", "CardNote",        "CardService", "CardQuickKey", "CardPartOf", "CardId"};
    for (int i = 0; i < 12; ++i) {
        m_cardLabels[i] = new QLabel(tab);
        m_cardValues[i] = new QLabel(tab);
        m_cardValues[i]->setObjectName(QString::fromLatin1(names[i]));
        m_cardValues[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(m_cardLabels[i], m_cardValues[i]);
    }
    m_cardLabels[11]->hide();
    m_cardValues[11]->hide();
    return tab;
}

QWidget *CataloguePage::buildKindsTab()
{
    auto *tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("KindsTab"));
    auto *layout = new QVBoxLayout(tab);
    m_kinds = new QTableWidget(0, 2, tab);
    m_kinds->setObjectName(QStringLiteral("ItemKindsGrd"));
    m_kinds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_kinds->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_kinds->setSelectionMode(QAbstractItemView::SingleSelection);
    m_kinds->verticalHeader()->hide();
    m_kinds->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_kinds, 1);
    auto *buttons = new QHBoxLayout;
    m_newKind = button(tab, "NewKindBtn");
    m_deleteKind = button(tab, "DeleteKindBtn");
    buttons->addWidget(m_newKind);
    buttons->addWidget(m_deleteKind);
    buttons->addStretch();
    layout->addLayout(buttons);
    auto *import = new QHBoxLayout;
    m_import = button(tab, "ImportBTN");
    m_importHint = new QLabel(QStringLiteral("Code;Description;ItemKindId"), tab);
    m_importHint->setObjectName(QStringLiteral("ImportLB"));
    import->addWidget(m_import);
    import->addWidget(m_importHint);
    import->addStretch();
    layout->addLayout(import);
    connect(m_newKind, &QPushButton::clicked, this, &CataloguePage::NewKindBtnClick);
    connect(m_deleteKind, &QPushButton::clicked, this, &CataloguePage::DeleteKindBtnClick);
    connect(m_import, &QPushButton::clicked, this, &CataloguePage::ImportBTNClick);
    return tab;
}

void CataloguePage::retranslate()
{
    m_pages->setTabText(0, tr("Item Codes Table"));
    m_pages->setTabText(1, tr("Item Card"));
    m_pages->setTabText(2, tr("Item Kinds"));
    m_findLabel->setText(tr("Search"));
    m_viewPrice->setText(tr("View Price"));
    m_add->setText(tr("New Item"));
    m_edit->setText(tr("Edit"));
    m_delete->setText(tr("Delete"));
    m_print->setText(tr("Print Table"));
    m_excel->setText(tr("Copy to Excel"));
    m_newKind->setText(tr("Add Item Kind"));
    m_deleteKind->setText(tr("Delete Item Kind"));
    m_import->setText(tr("Import Codes From All.txt"));
    m_kinds->setHorizontalHeaderLabels({tr("Item Kind Id"), tr("Item Kinds")});
    const QString labels[] = {tr("* Item Code"), tr("Description"), tr("* Item Kind"), tr("Sale Price"),
                              tr("Min/stock"),   tr("Location"),    tr("Item Size"),   tr("Note"),
                              tr("Is Service"),  tr("Quick Key(1..24)"), tr("Part Of"), QString()};
    for (int i = 0; i < 12; ++i)
        m_cardLabels[i]->setText(labels[i]);
    showCard();
}

void CataloguePage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool CataloguePage::eventFilter(QObject *watched, QEvent *event)
{
    // Item codes are typed in the layout the options ask for.
    if (watched == m_find && event->type() == QEvent::FocusIn)
        KeyboardLayout::activate(options().isOn(QString::fromLatin1(OptKey::EngCode)) ? 0 : 1);
    return QWidget::eventFilter(watched, event);
}

void CataloguePage::enterPage()
{
    m_find->clear();
    m_model->reload();
    reloadKinds();
    if (m_model->rowCount() > 0)
        moveTo(0);
    m_pages->setCurrentWidget(m_kinds->rowCount() == 0 ? m_kindsTab : m_codesTab);
    updateCount();
    updateButtons();
}

void CataloguePage::subPageChanged(int index)
{
    if (m_kinds->rowCount() == 0 && m_pages->widget(index) != m_kindsTab) {
        m_pages->setCurrentWidget(m_kindsTab);
        return;
    }
    if (m_pages->widget(index) == m_cardTab)
        showCard();
}

void CataloguePage::updateCount()
{
    m_count->setText(QString::number(m_model->rowCount()));
}

int CataloguePage::currentItemId() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? m_model->itemIdAt(current.row()) : 0;
}

void CataloguePage::selectItem(int itemId)
{
    const int row = m_model->rowOfItem(itemId);
    if (row >= 0)
        moveTo(row);
}

void CataloguePage::moveTo(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, 0);
    m_grid->setCurrentIndex(index);
    m_grid->selectRow(row);
    m_grid->scrollTo(index);
}

void CataloguePage::updateButtons()
{
    const CatalogueRow *row = m_model->rowAt(m_grid->currentIndex().row());
    const bool hasItem = row && !row->code.isEmpty();
    m_searchPanel->setEnabled(m_model->totalCount() > 0 || !m_model->filterText().isEmpty());
    m_edit->setEnabled(hasItem);
    m_delete->setEnabled(hasItem);
    for (QToolButton *b : m_nav)
        b->setEnabled(m_model->rowCount() > 0);
    if (m_pages->currentWidget() == m_cardTab)
        showCard();
}

void CataloguePage::showCard()
{
    CatalogueItem item;
    const int id = currentItemId();
    const bool found = id > 0 && Catalogue(m_data).item(id, &item);
    if (!found) {
        for (QLabel *v : m_cardValues)
            v->clear();
        return;
    }
    static const QLocale numbers(QLocale::English);
    QString partOf;
    if (!item.ofItemId.isNull()) {
        QString code, description;
        Catalogue(m_data).codeAndDescription(item.ofItemId.toInt(), &code, &description);
        partOf = QStringLiteral("= %1 %2 %3 %4").arg(item.ofCount.toString(), tr("of"), code, description);
    }
    const QString values[] = {item.code,
                              item.description,
                              item.kindName,
                              m_viewPrice->isChecked() ? numbers.toString(item.rate, 'f', 2) : QString(),
                              item.notLes == 0 ? QString() : numbers.toString(item.notLes, 'f', 3),
                              item.location,
                              item.size,
                              item.note,
                              item.isService ? tr("Yes") : tr("No"),
                              item.qkbNo.toString(),
                              partOf,
                              QString::number(item.itemId)};
    for (int i = 0; i < 12; ++i)
        m_cardValues[i]->setText(values[i]);
}

void CataloguePage::R1ChkClick()
{
    const int column = m_model->columnOf(CatalogueModel::Rate);
    if (m_viewPrice->isChecked()) {
        m_grid->setColumnHidden(column, false);
        m_grid->setColumnWidth(column, 75);
    } else {
        m_grid->setColumnHidden(column, true);
    }
    m_cardLabels[3]->setVisible(m_viewPrice->isChecked());
    m_cardValues[3]->setVisible(m_viewPrice->isChecked());
    showCard();
}

// -- items ----------------------------------------------------------------

void CataloguePage::AddNewItemBtnClick()
{
    m_editor->openInsert();
}

void CataloguePage::EditItemBtnClick()
{
    const int id = currentItemId();
    if (id > 0)
        m_editor->openEdit(id);
}

void CataloguePage::DelItemBtnClick()
{
    const CatalogueRow *row = m_model->rowAt(m_grid->currentIndex().row());
    if (!row || ShowCurYearErrorIfPast(this))
        return;
    const int id = row->itemId;
    const int position = m_grid->currentIndex().row();
    const QString question = Catalogue::deleteItemQuestion(row->code, row->description);
    if (!MsgBox::confirm(this, question) || !ConfirmByPassword(this, question))
        return;
    const Catalogue::DeleteOutcome out = Catalogue(m_data).deleteItem(id);
    if (!out.deleted) {
        MsgBox::error(this, out.message);
        return;
    }
    m_model->removeItem(id);
    moveTo(std::min(position, m_model->rowCount() - 1));
    updateCount();
    emit itemsChanged();
}

// -- kinds ----------------------------------------------------------------

void CataloguePage::reloadKinds(int selectId)
{
    if (selectId == 0)
        selectId = currentKindId();
    const QList<ItemKindRow> kinds = Catalogue(m_data).kinds();
    m_kinds->setRowCount(int(kinds.size()));
    int selectRow = kinds.isEmpty() ? -1 : 0;
    for (int i = 0; i < kinds.size(); ++i) {
        auto *id = new QTableWidgetItem(QString::number(kinds[i].id));
        id->setData(Qt::UserRole, kinds[i].id);
        m_kinds->setItem(i, 0, id);
        m_kinds->setItem(i, 1, new QTableWidgetItem(kinds[i].name));
        if (kinds[i].id == selectId)
            selectRow = i;
    }
    if (selectRow >= 0)
        m_kinds->selectRow(selectRow);
    m_deleteKind->setEnabled(!kinds.isEmpty());
}

int CataloguePage::currentKindId() const
{
    const int row = m_kinds->currentRow();
    if (row < 0 || !m_kinds->item(row, 0))
        return 0;
    return m_kinds->item(row, 0)->data(Qt::UserRole).toInt();
}

void CataloguePage::NewKindBtnClick()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    bool ok = false;
    const QString name = MsgBox::inputText(this, Catalogue::text(" Insert New Item KIND", " إضافة نوع عنصر جديد"),
                                           Catalogue::text("The Kind Name", "اسم نوع العنصر الجديد"),
                                           QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return;
    const Catalogue::KindOutcome out = Catalogue(m_data).addKind(name);
    if (out.result == Catalogue::KindResult::Empty)
        return;
    if (!out.message.isEmpty())
        MsgBox::error(this, out.message);
    reloadKinds(out.result == Catalogue::KindResult::Added ? out.kindId : 0);
}

void CataloguePage::DeleteKindBtnClick()
{
    const int id = currentKindId();
    if (id <= 0 || ShowCurYearErrorIfPast(this))
        return;
    const QString name = m_kinds->item(m_kinds->currentRow(), 1)->text();
    const QString question = Catalogue::deleteKindQuestion(name);
    if (!MsgBox::confirm(this, question) || !ConfirmByPassword(this, question))
        return;
    const Catalogue::KindOutcome out = Catalogue(m_data).deleteKind(id);
    if (out.result != Catalogue::KindResult::Deleted)
        MsgBox::error(this, out.message);
    reloadKinds();
}

void CataloguePage::ImportBTNClick()
{
    const ItemImport::Result r = ItemImport(m_data).importFile(ItemImport::pathIn(appState().AppDir));
    if (r.completed)
        MsgBox::information(this, r.message);
    else
        MsgBox::error(this, r.message);
    if (r.reallyAdded > 0) {
        m_model->reload();
        updateCount();
        emit itemsChanged();
    }
}

// -- installation -----------------------------------------------------------

CataloguePage *installCataloguePage(TStoreForm &window)
{
    QWidget *page = window.page(StorePages::ItemCode);
    auto *layout = qobject_cast<QBoxLayout *>(page->layout());
    if (!layout) {
        layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    auto *codes = new CataloguePage(window.data(), page);
    layout->addWidget(codes);
    window.setPageWork(StorePages::ItemCode, [codes] { codes->enterPage(); });
    return codes;
}
