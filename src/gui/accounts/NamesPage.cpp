#include "NamesPage.h"

#include "TNewNameForm.h"
#include "accounts/AddressBook.h"
#include "data/TDataFormSQL.h"
#include "print/GridPrinting.h"
#include "shell/Guard.h"
#include "shell/KeyboardLayout.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"
#include "shell/StorePages.h"
#include "shell/TStoreForm.h"
#include "shell/YearGuard.h"

#include <QBoxLayout>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace {
QPushButton *button(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}
constexpr int kColumns = 8;
} // namespace

NamesPage::NamesPage(TDataFormSQL &data, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("NamesPage"));
    m_form = new TNewNameForm(data, this);
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    m_searchLabel = new QLabel(this);
    m_searchLabel->setObjectName(QStringLiteral("SearchLB"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("AddressEd"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);
    m_searchLabel->setBuddy(m_search);
    top->addWidget(m_searchLabel);
    top->addWidget(m_search, 1);
    m_idEdit = new QLineEdit(this);
    m_idEdit->setObjectName(QStringLiteral("NamesIdEd"));
    m_idEdit->setReadOnly(true);
    m_idEdit->hide();
    top->addWidget(m_idEdit);
    layout->addLayout(top);

    m_grid = new QTableWidget(0, kColumns, this);
    m_grid->setObjectName(QStringLiteral("AddressGrd"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionsMovable(false);
    const int widths[kColumns] = {220, 100, 100, 100, 160, 80, 160, 60};
    for (int c = 0; c < kColumns; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    layout->addWidget(m_grid, 1);

    auto *bottom = new QHBoxLayout;
    const char *navNames[] = {"NamesNavFirst", "NamesNavPrior", "NamesNavNext", "NamesNavLast"};
    const Qt::ArrowType arrows[] = {Qt::UpArrow, Qt::LeftArrow, Qt::RightArrow, Qt::DownArrow};
    for (int i = 0; i < 4; ++i) {
        m_nav[i] = new QToolButton(this);
        m_nav[i]->setObjectName(QString::fromLatin1(navNames[i]));
        m_nav[i]->setArrowType(arrows[i]);
        bottom->addWidget(m_nav[i]);
    }
    connect(m_nav[0], &QToolButton::clicked, this, [this] { moveTo(0); });
    connect(m_nav[1], &QToolButton::clicked, this, [this] { moveTo(m_grid->currentRow() - 1); });
    connect(m_nav[2], &QToolButton::clicked, this, [this] { moveTo(m_grid->currentRow() + 1); });
    connect(m_nav[3], &QToolButton::clicked, this, [this] { moveTo(m_grid->rowCount() - 1); });
    bottom->addStretch();
    m_new = button(this, "NewNameBtn");
    m_edit = button(this, "EditNameBtn");
    m_delete = button(this, "DelNameBtn");
    m_print = button(this, "PrintNamesBtn");
    m_excel = button(this, "ToExcelNameBtn");
    m_pay = button(this, "NamePayBtn");
    m_credit = button(this, "NameCrdBtn");
    m_cheque = button(this, "ChequeBtn1");
    for (QPushButton *b : {m_new, m_edit, m_delete, m_print, m_excel, m_pay, m_credit, m_cheque})
        bottom->addWidget(b);
    layout->addLayout(bottom);

    connect(m_search, &QLineEdit::textChanged, this, &NamesPage::AddressEdChange);
    connect(m_new, &QPushButton::clicked, this, &NamesPage::NewNameBtnClick);
    connect(m_edit, &QPushButton::clicked, this, &NamesPage::EditNameBtnClick);
    connect(m_delete, &QPushButton::clicked, this, &NamesPage::DelNameBtnClick);
    GridPrinting::connectPrint(m_print, [this] { return m_grid; }, true, false,
                               GridPrinting::Texts::namesAccounts);
    GridPrinting::connectCopy(m_excel, [this] { return m_grid; });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] {
        if (m_edit->isEnabled())
            EditNameBtnClick();
    });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] {
        m_idEdit->setText(currentId() > 0 ? QString::number(currentId()) : QString());
    });
    connect(m_idEdit, &QLineEdit::textChanged, this, &NamesPage::NamesIdEdChange);
    connect(m_form, &TNewNameForm::saved, this, [this](int id) {
        reload(id);
        emit accountsChanged();
    });
    retranslate();
    NamesIdEdChange();
}

void NamesPage::retranslate()
{
    m_grid->setHorizontalHeaderLabels({tr("Name"), tr("Tel. 1"), tr("Tel. 2"), tr("Fax"), tr("Address"),
                                       tr("Kind"), tr("Note"), tr("Cash Only")});
    m_searchLabel->setText(tr("Search"));
    m_search->setToolTip(tr("Search For Name"));
    m_new->setText(tr("New"));
    m_edit->setText(tr("Edit"));
    m_delete->setText(tr("Delete"));
    m_print->setText(tr("Print Table"));
    m_excel->setText(tr("Copy to Excel"));
    m_pay->setText(tr("Pay    Voucher"));
    m_credit->setText(tr("Credit Voucher"));
    m_cheque->setText(tr("Cheque"));
    reload(currentId());
}

void NamesPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool NamesPage::eventFilter(QObject *watched, QEvent *event)
{
    // Names are typed in the layout the options ask for.
    if (watched == m_search && event->type() == QEvent::FocusIn)
        KeyboardLayout::activate(options().isOn(QString::fromLatin1(OptKey::EngSale)) ? 0 : 1);
    return QWidget::eventFilter(watched, event);
}

void NamesPage::enterPage()
{
    m_grid->setFocus();
    const QSignalBlocker block(m_search);
    m_search->clear();
    reload();
    m_search->setFocus();
}

void NamesPage::reload(int selectId)
{
    bool ok = false;
    const std::vector<AccountRow> rows = AddressBook(m_data).list(m_search->text(), &ok);
    const QSignalBlocker block(m_grid);
    m_grid->clearContents();
    m_grid->setRowCount(int(rows.size()));
    int selectRow = rows.empty() ? -1 : 0;
    for (int i = 0; i < int(rows.size()); ++i) {
        const AccountRow &r = rows[size_t(i)];
        const QString cells[kColumns] = {r.name, r.tel1, r.tel2,    r.fax, r.address, r.kind, r.note,
                                         r.cashOnly ? tr("Yes") : tr("No")};
        for (int c = 0; c < kColumns; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == 0)
                item->setData(Qt::UserRole, r.id);
            m_grid->setItem(i, c, item);
        }
        if (r.id == selectId)
            selectRow = i;
    }
    if (selectRow >= 0)
        m_grid->setCurrentCell(selectRow, 0);
    m_idEdit->setText(currentId() > 0 ? QString::number(currentId()) : QString());
    for (QToolButton *b : m_nav)
        b->setEnabled(m_grid->rowCount() > 0);
}

int NamesPage::currentId() const
{
    const int row = m_grid->currentRow();
    if (row < 0 || !m_grid->item(row, 0))
        return 0;
    return m_grid->item(row, 0)->data(Qt::UserRole).toInt();
}

QString NamesPage::currentName() const
{
    const int row = m_grid->currentRow();
    return row >= 0 && m_grid->item(row, 0) ? m_grid->item(row, 0)->text() : QString();
}

void NamesPage::selectId(int id)
{
    for (int i = 0; i < m_grid->rowCount(); ++i)
        if (m_grid->item(i, 0)->data(Qt::UserRole).toInt() == id)
            moveTo(i);
}

void NamesPage::moveTo(int row)
{
    if (row < 0 || row >= m_grid->rowCount())
        return;
    m_grid->setCurrentCell(row, 0);
}

void NamesPage::NamesIdEdChange()
{
    const bool has = !m_idEdit->text().isEmpty();
    m_edit->setEnabled(has);
    m_delete->setEnabled(has);
    // The vouchers and cheques come with their own windows.
    for (QPushButton *b : {m_pay, m_credit, m_cheque})
        b->setEnabled(false);
}

void NamesPage::AddressEdChange()
{
    reload(currentId());
}

void NamesPage::NewNameBtnClick()
{
    m_form->open('N');
}

void NamesPage::EditNameBtnClick()
{
    const int id = currentId();
    if (id > 0)
        m_form->open('E', id);
}

void NamesPage::DelNameBtnClick()
{
    const int id = currentId();
    if (id <= 0 || ShowCurYearErrorIfPast(this))
        return;
    const int position = m_grid->currentRow();
    const QString question = AddressBook::deleteQuestion(currentName());
    if (!MsgBox::confirm(this, question) || !ConfirmByPassword(this, question))
        return;
    const AddressBook::Outcome out = AddressBook(m_data).remove(id);
    if (!out.ok) {
        MsgBox::error(this, out.message);
        reload(id);
        return;
    }
    reload();
    moveTo(std::min(position, m_grid->rowCount() - 1));
    emit accountsChanged();
}

NamesPage *installAddressBookPage(TStoreForm &window)
{
    QWidget *page = window.page(StorePages::Names);
    auto *layout = qobject_cast<QBoxLayout *>(page->layout());
    if (!layout) {
        layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    auto *names = new NamesPage(window.data(), page);
    layout->addWidget(names);
    window.setPageWork(StorePages::Names, [names] { names->enterPage(); });
    return names;
}
