#include "DocumentsPage.h"
#include "print/SalePrinting.h"

#include "DocumentLineDelegate.h"
#include "DocumentLinesModel.h"
#include "DocumentListModel.h"
#include "DocumentTexts.h"
#include "PricePeek.h"
#include "TNewInvForm.h"
#include "accounts/Money.h"
#include "data/TDataFormSQL.h"
#include "items/TGetItemForm.h"
#include "print/GridPrinting.h"
#include "shell/KeyboardLayout.h"
#include "shell/Options.h"
#include "shell/PageAppearance.h"
#include "shell/TStoreForm.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTableView>

namespace {
template<typename T>
T *named(QWidget *parent, const char *name)
{
    auto *w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QTableView *grid(QWidget *parent, const char *name, QAbstractItemModel *model)
{
    auto *view = named<QTableView>(parent, name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    // The column order is fixed.
    view->horizontalHeader()->setSectionsMovable(false);
    return view;
}
} // namespace

DocumentsPage::DocumentsPage(TStoreForm &window, QWidget *parent)
    : QWidget(parent)
    , m_window(window)
{
    setObjectName(QStringLiteral("DocumentsPage"));
    m_list = new DocumentListModel(this);
    m_lines = new DocumentLinesModel(false, this);
    m_products = new DocumentLinesModel(true, this);
    m_lines->setObjectName(QStringLiteral("InvOneSql"));
    m_products->setObjectName(QStringLiteral("IndOutSQL"));
    m_lines->setPoster([this](const DocumentLine &l) { return postLine(l, false); });
    m_products->setPoster([this](const DocumentLine &l) { return postLine(l, true); });
    m_editor = new TNewInvForm(window.data(), this);
    m_editor->setWindowFlag(Qt::Window);
    m_chooser = new TGetItemForm(window.data(), this);
    m_chooser->setObjectName(QStringLiteral("LookItem"));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_tabs = named<QTabBar>(this, "PurSalePC");
    for (int k = 0; k < DocumentKinds::kCount; ++k)
        m_tabs->addTab(QString());
    m_tabs->setCurrentIndex(int(DocKind::Sale));
    outer->addWidget(m_tabs);

    m_panel = named<QWidget>(this, "InvPanel");
    m_panel->setAutoFillBackground(true);
    outer->addWidget(m_panel, 1);
    auto *layout = new QVBoxLayout(m_panel);

    auto *top = new QHBoxLayout;
    m_title = named<QLabel>(m_panel, "PurLB");
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    m_title->setFont(titleFont);
    top->addWidget(m_title);
    top->addStretch();
    m_findLabel = new QLabel(m_panel);
    m_find = named<QLineEdit>(m_panel, "CompBFind");
    m_find->setClearButtonEnabled(true);
    m_find->installEventFilter(this);
    m_findCode = named<QCheckBox>(m_panel, "FindCodeCB");
    m_findCodeEd = named<QLineEdit>(m_panel, "FindCodeEDI");
    m_findCodeEd->setReadOnly(true);
    m_findCodeEd->installEventFilter(this);
    m_jump = named<QPushButton>(m_panel, "JBtn");
    m_peek = new PricePeek(m_panel);
    for (QWidget *w : std::initializer_list<QWidget *>{m_findLabel, m_find, m_findCode,
                                                       m_findCodeEd, m_jump, m_peek})
        top->addWidget(w);
    layout->addLayout(top);

    auto *split = new QSplitter(Qt::Vertical, m_panel);
    auto *upper = new QWidget(split);
    auto *upperLayout = new QHBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    m_listView = grid(upper, "InvGrd", m_list);
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int widths[] = {50, 140, 170, 90, 60};
    for (int c = 0; c < 5; ++c)
        m_listView->setColumnWidth(c, widths[c]);
    upperLayout->addWidget(m_listView, 2);
    upperLayout->addWidget(buildHeaderView(), 3);
    split->addWidget(upper);
    split->addWidget(buildLines());
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    m_findCodeEd->hide();
    m_jump->hide();
    m_peek->hide();

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            PurSale(index);
    });
    connect(m_find, &QLineEdit::textChanged, this, [this] { reloadList(); });
    connect(m_listView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &DocumentsPage::InvIdEdChange);
    connect(m_findCode, &QCheckBox::clicked, this, &DocumentsPage::FindCodeCBClick);
    connect(m_jump, &QPushButton::clicked, this, &DocumentsPage::JBtnClick);
    connect(m_peek, &PricePeek::released, m_findCodeEd, [this] { m_findCodeEd->setFocus(); });
    connect(m_newInv, &QPushButton::clicked, this, &DocumentsPage::NewInvBtnClick);
    connect(m_editInv, &QPushButton::clicked, this, &DocumentsPage::EditInvBtnClick);
    connect(m_delInv, &QPushButton::clicked, this, &DocumentsPage::DelInvBtnClick);
    connect(m_changeCash, &QPushButton::clicked, this, &DocumentsPage::ChangeCashDebitBtnClick);
    connect(m_cost, &QPushButton::clicked, this, &DocumentsPage::CostBtnClick);
    connect(m_editor, &TNewInvForm::saved, this, [this](int invId, bool) {
        reloadList(invId);
        refreshTotals();
    });
    connect(m_editor, &TNewInvForm::closed, this, [this] { m_billGrid->setFocus(); });
    connect(&window, &TStoreForm::documentKindRequested, this, &DocumentsPage::PurSale);
    connect(&window, &TStoreForm::optionsApplied, this, &DocumentsPage::applyTabOptions);
    applyTabOptions();
    retranslate();
    updateButtons();
}

QWidget *DocumentsPage::buildHeaderView()
{
    auto *box = named<QWidget>(m_panel, "InvHeaderPanel");
    auto *form = new QGridLayout(box);
    const char *names[HCount] = {"InvIdEd",       "Date1LB",     "ANameLB", "TelNo1LB",
                                 "TotalAmountLB", "StartTimeLB", "UNameLB", "IndOutSumLB"};
    for (int i = 0; i < HCount; ++i) {
        m_headLabels[i] = new QLabel(box);
        m_headValues[i] = named<QLabel>(box, names[i]);
        m_headValues[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addWidget(m_headLabels[i], i / 2, (i % 2) * 2);
        form->addWidget(m_headValues[i], i / 2, (i % 2) * 2 + 1);
    }
    QFont big = m_headValues[HTotal]->font();
    big.setBold(true);
    m_headValues[HTotal]->setFont(big);
    m_cashLabel = named<QLabel>(box, "CashLB");
    m_cashLabel->setFrameShape(QFrame::StyledPanel);
    m_cashLabel->setAlignment(Qt::AlignCenter);
    m_discountLabel = named<QLabel>(box, "DiscountLB1");
    form->addWidget(m_cashLabel, HCount / 2, 0);
    form->addWidget(m_discountLabel, HCount / 2, 1, 1, 3);

    auto *buttons = new QHBoxLayout;
    m_newInv = named<QPushButton>(box, "NewInvBtn");
    m_editInv = named<QPushButton>(box, "EditInvBtn");
    m_delInv = named<QPushButton>(box, "DelInvBtn");
    m_changeCash = named<QPushButton>(box, "ChangeCashDebitBtn");
    m_cost = named<QPushButton>(box, "CostBtn");
    m_pay = named<QPushButton>(box, "InvPayBtn");
    m_credit = named<QPushButton>(box, "InvCrdBtn");
    m_cheque = named<QPushButton>(box, "ChequeBtn");
    m_print = named<QPushButton>(box, "PrintSalBtn");
    auto *row2 = new QHBoxLayout;
    for (QPushButton *b : {m_newInv, m_editInv, m_delInv, m_changeCash})
        buttons->addWidget(b);
    for (QPushButton *b : {m_cost, m_pay, m_credit, m_cheque, m_print})
        row2->addWidget(b);
    form->addLayout(buttons, HCount / 2 + 1, 0, 1, 4);
    form->addLayout(row2, HCount / 2 + 2, 0, 1, 4);
    return box;
}

QWidget *DocumentsPage::buildLines()
{
    auto *box = named<QWidget>(m_panel, "InvLinesPanel");
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *scanRow = new QHBoxLayout;
    m_gridTitle = named<QLabel>(box, "InOutLB");
    m_scanLabel = new QLabel(box);
    m_scan = named<QLineEdit>(box, "InvBarCodeEd");
    m_scan->installEventFilter(this);
    QFont titleFont = m_gridTitle->font();
    titleFont.setBold(true);
    m_gridTitle->setFont(titleFont);
    m_gridTitle->setFrameShape(QFrame::StyledPanel);
    m_gridTitle->setMinimumWidth(120);
    m_gridTitle->setAlignment(Qt::AlignCenter);
    scanRow->addWidget(m_scanLabel);
    scanRow->addWidget(m_scan, 1);
    scanRow->addStretch();
    scanRow->addWidget(m_gridTitle);
    layout->addLayout(scanRow);
    m_inLabel = new QLabel(box);
    layout->addWidget(m_inLabel);

    m_billGrid = grid(box, "BillGrd", m_lines);
    m_billGrid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    m_outGrid = grid(box, "IndOutGrd", m_products);
    m_outGrid->setEditTriggers(m_billGrid->editTriggers());
    m_billGrid->setItemDelegate(new DocumentLineDelegate(m_billGrid));
    m_outGrid->setItemDelegate(new DocumentLineDelegate(m_outGrid));
    for (auto c : {DocumentLinesModel::ItemKind, DocumentLinesModel::ISize})
        m_outGrid->setColumnHidden(c, true);
    m_outLabel = new QLabel(box);
    for (QTableView *view : {m_billGrid, m_outGrid}) {
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
        view->setColumnWidth(DocumentLinesModel::No1, 40);
        view->setColumnWidth(DocumentLinesModel::ItemCode, 120);
        view->setColumnWidth(DocumentLinesModel::Description, 220);
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &DocumentsPage::lineMoved);
    }
    layout->addWidget(m_billGrid, 2);
    layout->addWidget(m_outLabel);
    layout->addWidget(m_outGrid, 1);

    auto *buttons = new QHBoxLayout;
    m_delItem = named<QPushButton>(box, "InvDelItemBtn");
    m_moveItem = named<QPushButton>(box, "MoveItemBtn");
    m_newCode = named<QPushButton>(box, "InvAddNewItemBtn");
    m_toExcel = named<QPushButton>(box, "ToExcelOneInvBtn");
    m_copy = named<QPushButton>(box, "CopyItemsBtn");
    m_paste = named<QPushButton>(box, "PasteItemsBtn");
    m_copyFile = named<QPushButton>(box, "CopyToFileBtn");
    m_pasteFile = named<QPushButton>(box, "PasteFromFileBtn");
    for (QPushButton *b :
         {m_delItem, m_moveItem, m_newCode, m_toExcel, m_copy, m_paste, m_copyFile, m_pasteFile})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(m_print, &QPushButton::clicked, this, &DocumentsPage::PrintSalBtnClick);
    GridPrinting::connectCopy(m_toExcel, [this] { return activeView(); });
    connect(m_delItem, &QPushButton::clicked, this, &DocumentsPage::InvDelItemBtnClick);
    connect(m_moveItem, &QPushButton::clicked, this, &DocumentsPage::MoveItemBtnClick);
    connect(m_newCode, &QPushButton::clicked, this, &DocumentsPage::InvAddNewItemBtnClick);
    connect(m_copy, &QPushButton::clicked, this, &DocumentsPage::CopyItemsBtnClick);
    connect(m_paste, &QPushButton::clicked, this, &DocumentsPage::PasteItemsBtnClick);
    connect(m_copyFile, &QPushButton::clicked, this, &DocumentsPage::CopyToFileBtnClick);
    connect(m_pasteFile, &QPushButton::clicked, this, &DocumentsPage::PasteFromFileBtnClick);
    connect(m_chooser, &QDialog::accepted, this, &DocumentsPage::chooserAccepted);
    connect(m_chooser, &QDialog::rejected, this, [this] { activeView()->setFocus(); });
    return box;
}

void DocumentsPage::retranslate()
{
    for (int k = 0; k < DocumentKinds::kCount; ++k)
        m_tabs->setTabText(k, DocumentTexts::kindCaption(k));
    m_title->setText(DocumentTexts::kindCaption(int(m_kind)));
    m_findLabel->setText(tr("Search"));
    m_findCode->setText(tr("Search for Item Code"));
    m_jump->setText(tr("Find Previous Item"));
    const QString labels[HCount] = {tr("No."),   tr("Date:"),           tr("Name:"),
                                    tr("Tel :"), tr("Total Amount:"),   tr("Start Prepare:"),
                                    tr("User:"), tr("T. Amm. Ind Out:")};
    for (int i = 0; i < HCount; ++i)
        m_headLabels[i]->setText(labels[i]);
    m_newInv->setText(tr("New  Invoice"));
    m_editInv->setText(tr("Edit Invoice"));
    m_delInv->setText(tr("Del  Invoice"));
    m_changeCash->setText(tr("Cash / Debit"));
    m_changeCash->setToolTip(tr("Change Cash / Debit"));
    m_cost->setText(tr("Cost"));
    m_pay->setText(tr("&Pay V."));
    m_credit->setText(tr("&Credit V."));
    m_cheque->setText(tr("Cheque"));
    m_print->setText(tr("Print "));
    m_gridTitle->setText(productsActive() ? tr("Out ") : tr("In"));
    m_outLabel->setText(tr("Out "));
    m_inLabel->setText(tr("In"));
    m_scanLabel->setText(tr("Barcode"));
    m_delItem->setText(tr("Delete Item"));
    m_moveItem->setText(tr("Replace RowLocation"));
    m_newCode->setText(tr("New Code"));
    m_toExcel->setText(tr("Copy Items to Excel"));
    m_copy->setText(tr("Copy Bill Items"));
    m_paste->setText(tr("Paste Bill Items"));
    m_copyFile->setText(tr("Copy Bill To File"));
    m_pasteFile->setText(tr("Paste Bill From File"));
    m_lines->retranslate();
    m_products->retranslate();
    m_list->retranslate();
    showHeader();
}

void DocumentsPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool DocumentsPage::eventFilter(QObject *watched, QEvent *event)
{
    const bool english = event->type() == QEvent::FocusIn;
    if (english && watched == m_find)
        KeyboardLayout::activate(options().isOn(QString::fromLatin1(OptKey::EngSale)) ? 0 : 1);
    else if (english
             && (watched == m_billGrid || watched == m_outGrid || watched == m_findCodeEd
                 || watched == m_scan))
        KeyboardLayout::activate(options().isOn(QString::fromLatin1(OptKey::EngCode)) ? 0 : 1);
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress)
        && m_kind == DocKind::Manufacturing) {
        if (watched == m_billGrid || watched == m_billGrid->viewport())
            setActiveGrid(1);
        else if (watched == m_outGrid || watched == m_outGrid->viewport())
            setActiveGrid(2);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == m_scan && enter) {
            InvBarCodeEdEnter();
            return true;
        }
        if (watched == m_findCodeEd) {
            FindCodeEDIKey(enter ? Qt::Key_Return : key->key());
            return key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
        }
        if (watched == m_billGrid || watched == m_outGrid) {
            if (enter) {
                gridEnter();
                return true;
            }
            if (key->key() == Qt::Key_Delete && (key->modifiers() & Qt::ControlModifier)) {
                InvDelItemBtnClick();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DocumentsPage::applyTabOptions()
{
    const bool shown[] = {true,
                          true,
                          true,
                          options().isOn(QString::fromLatin1(OptKey::BTUs)),
                          options().isOn(QString::fromLatin1(OptKey::BFUs)),
                          options().isOn(QString::fromLatin1(OptKey::Ind))};
    {
        const QSignalBlocker block(m_tabs);
        for (int k = 0; k < DocumentKinds::kCount; ++k)
            m_tabs->setTabVisible(k, shown[k]);
    }
    if (!shown[int(m_kind)]) {
        if (isVisible())
            PurSale(int(DocKind::Sale));
        else {
            // Shown with the next visit of the page.
            const QSignalBlocker block(m_tabs);
            m_tabs->setCurrentIndex(int(DocKind::Sale));
        }
    }
}

// -- the kind and its documents ------------------------------------------------

void DocumentsPage::enterPage()
{
    {
        const QSignalBlocker block(m_find);
        m_find->clear();
    }
    applyTabOptions();
    PurSale(m_tabs->currentIndex());
}

void DocumentsPage::PurSale(int kind)
{
    if (kind < 0 || kind >= DocumentKinds::kCount)
        return;
    if (!m_tabs->isTabVisible(kind))
        kind = int(DocKind::Sale);
    const QSignalBlocker block(m_tabs);
    if (m_window.currentPage() != StorePages::Purchase
        && m_window.isPageVisible(StorePages::Purchase)) {
        // The page's own work shows the current tab; make it this one.
        m_tabs->setCurrentIndex(kind);
        m_window.GoTab(StorePages::Purchase);
        if (m_window.currentPage() == StorePages::Purchase)
            return;
    }
    m_kind = DocKind(kind);
    m_tabs->setCurrentIndex(kind);
    m_window.appearance().setDocumentKind(kind);
    const DocumentKind &k = DocumentKinds::get(m_kind);
    m_outGrid->setVisible(!k.outLineTable.isEmpty());
    m_outLabel->setVisible(!k.outLineTable.isEmpty());
    m_inLabel->setVisible(!k.outLineTable.isEmpty());
    m_listView->setColumnHidden(DocumentListModel::Cash, !k.hasCashDebit);
    m_gridTitle->setVisible(!k.outLineTable.isEmpty());
    m_find->setEnabled(k.hasCounterpart);
    m_activeGrid = 1;
    m_title->setText(DocumentTexts::kindCaption(kind));
    m_gridTitle->setText(tr("In"));
    reloadList();
    if (!m_searchCode.isEmpty())
        setSearchCode(m_searchCode);
}

const DocumentListRow *DocumentsPage::currentDocument() const
{
    return m_list->row(m_listView->currentIndex().row());
}

int DocumentsPage::currentInvId() const
{
    const DocumentListRow *row = currentDocument();
    return row ? row->InvID : 0;
}

void DocumentsPage::reloadList(int selectInvId)
{
    Documents docs(m_window.data(), m_kind);
    const QString search =
        docs.kind().hasCounterpart && !m_findCode->isChecked() ? m_find->text() : QString();
    {
        const QSignalBlocker block(m_listView->selectionModel());
        m_list->setRows(docs.list(search), docs.kind().hasNote, Money::decimals());
    }
    int row = selectInvId > 0 ? m_list->rowOf(selectInvId) : -1;
    if (row < 0)
        row = m_list->rowCount() - 1;
    if (row >= 0) {
        m_listView->setCurrentIndex(m_list->index(row, 0));
        m_listView->scrollTo(m_list->index(row, 0));
    }
    InvIdEdChange();
}

void DocumentsPage::selectDocument(int invId)
{
    const int row = m_list->rowOf(invId);
    if (row >= 0)
        m_listView->setCurrentIndex(m_list->index(row, 0));
}

void DocumentsPage::InvIdEdChange()
{
    // A document shown without a total gets it now.
    if (const int invId = currentInvId();
        invId > 0 && Documents(m_window.data(), m_kind).mendMissingTotal(invId)) {
        refreshTotals(0);
        return;
    }
    showHeader();
    reloadLines();
    updateButtons();
}

void DocumentsPage::showHeader()
{
    const DocumentListRow *row = currentDocument();
    const DocumentKind &k = DocumentKinds::get(m_kind);
    const int decimals = Money::decimals();
    const QString format = TNewInvForm::dateFormat();
    const QString values[HCount] = {
        row ? QString::number(row->InvNo) : QString(),
        row ? row->Date1.toString(format) : QString(),
        row ? (k.hasNote ? row->Note : row->AName) : QString(),
        row ? row->Telno1 : QString(),
        row ? Money::format(row->TotalAmount, decimals) : QString(),
        row && row->StartTime.isValid() ? row->StartTime.toString(format) : QString(),
        row ? row->UName : QString(),
        row && !k.outLineTable.isEmpty()
            ? Money::format(Documents(m_window.data(), m_kind).productsTotal(row->InvID), decimals)
            : QString()};
    for (int i = 0; i < HCount; ++i)
        m_headValues[i]->setText(values[i]);
    m_headLabels[HIndOut]->setVisible(!k.outLineTable.isEmpty());
    m_headValues[HIndOut]->setVisible(!k.outLineTable.isEmpty());
    m_headLabels[HStart]->setVisible(k.writesStartTime);
    m_headValues[HStart]->setVisible(k.writesStartTime);
    m_headLabels[HTel]->setVisible(k.hasCounterpart);
    m_headValues[HTel]->setVisible(k.hasCounterpart);
    // A cash-only counterpart trades in cash only.
    const bool cash = row && (row->Cash || row->CashOnly);
    m_cashLabel->setText(row ? (cash ? tr("Cash") : tr("Debit")) : QString());
    m_cashLabel->setVisible(k.hasCashDebit);
    m_changeCash->setVisible(k.hasCashDebit);
    const QString label =
        row ? Documents::discountLabel(row->TotalAmount, row->Discount, decimals) : QString();
    m_discountLabel->setText(label);
    m_discountLabel->setVisible(!label.isEmpty());
}

bool DocumentsPage::vouchersAllowed() const
{
    const DocumentListRow *row = currentDocument();
    return row && !row->CashOnly && DocumentKinds::get(m_kind).hasCashDebit;
}

void DocumentsPage::updateButtons()
{
    const DocumentListRow *row = currentDocument();
    const Documents docs(m_window.data(), m_kind);
    m_newInv->setEnabled(true);
    m_editInv->setEnabled(row);
    m_delInv->setEnabled(row && docs.mayDelete(row->InvID));
    m_changeCash->setEnabled(row && !row->CashOnly);
    // Vouchers, cheques, printing and the spreadsheet come with their own
    // windows.
    for (QPushButton *b : {m_pay, m_credit, m_cheque})
        b->setEnabled(false);
    m_toExcel->setEnabled(row);
    m_print->setEnabled(row && m_kind != DocKind::Purchase);
    m_cost->setEnabled(row);
    m_newCode->setEnabled(m_window.findChild<QWidget *>(QStringLiteral("CataloguePage"))
                          != nullptr);
    const bool hasLine = activeModel()->line(activeView()->currentIndex().row()) != nullptr;
    m_delItem->setEnabled(hasLine);
    m_moveItem->setEnabled(hasLine);
    m_scan->setEnabled(row);
    m_billGrid->setEnabled(row);
    m_outGrid->setEnabled(row);
    updateClipboardButtons();
}

void DocumentsPage::reloadLines(int selectLineId)
{
    const int invId = currentInvId();
    Documents docs(m_window.data(), m_kind);
    const int decimals = Money::decimals();
    for (DocumentLinesModel *model : {m_lines, m_products}) {
        const bool products = model->products();
        QTableView *view = products ? m_outGrid : m_billGrid;
        const int oldRow = view->currentIndex().row();
        model->setDecimals(decimals);
        {
            const QSignalBlocker block(view->selectionModel());
            model->setLines(invId > 0 && (!products || !docs.kind().outLineTable.isEmpty())
                                ? docs.lines(invId, products)
                                : QList<DocumentLine>{});
        }
        if (model->rowCount() == 0)
            continue;
        int row = -1;
        if (products == productsActive() && selectLineId > 0)
            row = model->rowOf(selectLineId);
        else if (products == productsActive() && selectLineId == -2)
            row = std::min(oldRow, model->rowCount() - 1);
        if (row < 0)
            row = products == productsActive() && selectLineId == -3 ? model->rowCount() - 1 : 0;
        view->setCurrentIndex(model->index(std::max(0, row), DocumentLinesModel::Quantity));
    }
    const bool searching = !m_searchCode.isEmpty() && m_lines->rowCount() > 0;
    m_billGrid->setColumnHidden(DocumentLinesModel::Rate1, searching);
    m_billGrid->setColumnHidden(DocumentLinesModel::Amount1, searching);
    m_peek->setVisible(searching);
    refreshPeek();
    lineMoved();
}

void DocumentsPage::refreshTotals(int selectLineId)
{
    // The list carries the totals: read it again on the same document.
    const int invId = currentInvId();
    Documents docs(m_window.data(), m_kind);
    {
        const QSignalBlocker block(m_listView->selectionModel());
        const QString search =
            docs.kind().hasCounterpart && !m_findCode->isChecked() ? m_find->text() : QString();
        m_list->setRows(docs.list(search), docs.kind().hasNote, Money::decimals());
        const int row = m_list->rowOf(invId);
        if (row >= 0)
            m_listView->setCurrentIndex(m_list->index(row, 0));
    }
    showHeader();
    if (selectLineId != -1)
        reloadLines(selectLineId);
    updateButtons();
}

void DocumentsPage::lineMoved()
{
    updateButtons();
    refreshPeek();
    emit currentLineChanged(currentLine());
}

CurrentDocumentLine DocumentsPage::currentLine() const
{
    CurrentDocumentLine out;
    out.kind = int(m_kind);
    out.products = productsActive();
    if (const DocumentLine *l = activeModel()->line(activeView()->currentIndex().row())) {
        out.lineId = l->ID;
        out.itemId = l->ItemID;
    }
    return out;
}

void DocumentsPage::PrintSalBtnClick()
{
    const DocumentListRow *row = currentDocument();
    if (!row || m_kind == DocKind::Purchase)
        return;
    // A quantity still being typed is posted before printing.
    if (QWidget *focus = QApplication::focusWidget(); focus && activeView()->isAncestorOf(focus))
        activeView()->setFocus();
    SalePrinting::PrintSale(this, m_window.data(), m_kind, row->InvID, false);
}
