#include "PosPage.h"

#include "CustomerDisplay.h"
#include "PosLinesModel.h"
#include "TQKBForm.h"
#include "accounts/Currency.h"
#include "accounts/Money.h"
#include "data/TDataFormSQL.h"
#include "documents/Documents.h"
#include "pos/PosSale.h"
#include "print/SalePrinting.h"
#include "shell/AppState.h"
#include "shell/Guard.h"
#include "shell/LanguageManager.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"
#include "shell/TChangePassForm.h"
#include "shell/TStoreForm.h"
#include "shell/TypedNumber.h"
#include "shell/YearGuard.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kDateTimeFormat = QStringLiteral("dd/MM/yyyy hh:mm");

// Prompts end in a line feed and a carriage return, as every deletion
// prompt of the program does.
const QString kPromptBreak = QStringLiteral("\n\r");

bool pointOfSaleUser()
{
    return appState().CurUID != 0 && appState().CurUKind == Users::PointOfSale;
}

QFont scaled(QFont font, double factor, bool bold)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

} // namespace

PosPage::PosPage(TStoreForm &window, CustomerDisplay &display, QWidget *parent)
    : QWidget(parent)
    , m_window(window)
    , m_display(display)
    , m_sale(new PosSale(window.data(), this))
    , m_model(new PosLinesModel(this))
{
    setObjectName(QStringLiteral("PosPage"));
    buildPage();
    m_display.setMemo(m_memo);
    showSelling(false);
    retranslate();
}

PosPage::~PosPage() = default;

void PosPage::buildPage()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    // code box, price check and the header labels
    auto *top = new QGridLayout;
    m_codeLb = new QLabel(this);
    m_codeLb->setObjectName(QStringLiteral("CodeLb1"));
    top->addWidget(m_codeLb, 0, 0);

    auto *codes = new QHBoxLayout;
    m_barCode = new QLineEdit(this);
    m_barCode->setObjectName(QStringLiteral("BarCodeED"));
    m_barCode->setFont(scaled(m_barCode->font(), 2.0, true));
    m_barCode->setMinimumWidth(320);
    codes->addWidget(m_barCode, 1);
    m_chkPrice = new QLineEdit(this);
    m_chkPrice->setObjectName(QStringLiteral("ChkPriceED"));
    m_chkPrice->setFont(m_barCode->font());
    m_chkPrice->setStyleSheet(QStringLiteral("QLineEdit { background: yellow; }"));
    m_chkPrice->hide();
    codes->addWidget(m_chkPrice, 1);
    m_priceLb = new QLabel(QStringLiteral("0.00"), this);
    m_priceLb->setObjectName(QStringLiteral("POSPriceLB"));
    m_priceLb->setFont(scaled(m_priceLb->font(), 2.0, true));
    m_priceLb->hide();
    codes->addWidget(m_priceLb);
    m_priceChk = new QCheckBox(this);
    m_priceChk->setObjectName(QStringLiteral("PriceChk"));
    codes->addWidget(m_priceChk);
    top->addLayout(codes, 0, 1, 1, 5);

    m_noLb = new QLabel(this);
    m_noLb->setObjectName(QStringLiteral("NoLb"));
    m_posNo = new QLabel(this);
    m_posNo->setObjectName(QStringLiteral("POSNoLB"));
    m_posNo->setFont(scaled(m_posNo->font(), 1.3, true));
    m_dateLb = new QLabel(this);
    m_dateLb->setObjectName(QStringLiteral("DateLb1"));
    m_posDate = new QLabel(this);
    m_posDate->setObjectName(QStringLiteral("POSDateLB"));
    m_tAmountLb = new QLabel(this);
    m_tAmountLb->setObjectName(QStringLiteral("TAmountLb"));
    m_posTotal = new QLabel(this);
    m_posTotal->setObjectName(QStringLiteral("POSTAmountLB"));
    m_posTotal->setFont(scaled(m_posTotal->font(), 3.0, true));
    m_posTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_taeds = new QLineEdit(this);
    m_taeds->setObjectName(QStringLiteral("TAEDS"));
    m_taeds->setReadOnly(true);
    m_taeds->setFocusPolicy(Qt::NoFocus);
    top->addWidget(m_noLb, 1, 0);
    top->addWidget(m_posNo, 1, 1);
    top->addWidget(m_dateLb, 1, 2);
    top->addWidget(m_posDate, 1, 3);
    top->addWidget(m_tAmountLb, 1, 4);
    top->addWidget(m_posTotal, 1, 5);
    top->addWidget(m_taeds, 2, 5);
    top->setColumnStretch(5, 1);
    layout->addLayout(top);

    // the lines
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("POSBillGrd"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(PosLinesModel::Description, QHeaderView::Stretch);
    layout->addWidget(m_grid, 1);

    auto *nav = new QHBoxLayout;
    const char *navNames[4] = {"NavFirst", "NavPrior", "NavNext", "NavLast"};
    const Qt::ArrowType arrows[4] = {Qt::UpArrow, Qt::LeftArrow, Qt::RightArrow, Qt::DownArrow};
    auto *navBox = new QWidget(this);
    navBox->setObjectName(QStringLiteral("DBNavigator2"));
    auto *navLayout = new QHBoxLayout(navBox);
    navLayout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        m_nav[i] = new QToolButton(navBox);
        m_nav[i]->setObjectName(QString::fromLatin1(navNames[i]));
        m_nav[i]->setArrowType(arrows[i]);
        m_nav[i]->setFocusPolicy(Qt::NoFocus);
        navLayout->addWidget(m_nav[i]);
    }
    nav->addWidget(navBox);
    nav->addStretch(1);
    layout->addLayout(nav);
    connect(m_nav[0], &QToolButton::clicked, this, [this] { setCurrentRow(0); });
    connect(m_nav[1], &QToolButton::clicked, this, [this] { setCurrentRow(qMax(0, currentRow() - 1)); });
    connect(m_nav[2], &QToolButton::clicked, this,
            [this] { setCurrentRow(qMin(m_model->rowCount() - 1, currentRow() + 1)); });
    connect(m_nav[3], &QToolButton::clicked, this, [this] { setCurrentRow(m_model->rowCount() - 1); });

    // the buttons
    m_btnPanel = new QWidget(this);
    m_btnPanel->setObjectName(QStringLiteral("BtnPanel"));
    auto *buttons = new QHBoxLayout(m_btnPanel);
    buttons->setContentsMargins(0, 0, 0, 0);
    const auto button = [this, buttons](const char *name) {
        auto *b = new QPushButton(m_btnPanel);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    m_insBtn = button("InsBtn");
    m_qutBtn = button("QutBtn");
    m_delBtn = button("InvDelItemBtn1");
    m_printBtn = button("PrintBill");
    m_clrBtn = button("ClrScrBtn");
    m_logoutBtn = button("LogOutBtn2");
    m_changePwBtn = button("ChangePWBtn");
    m_kbBtn = button("kbBtn");
    m_arEnBtn = button("ArEn2");
    layout->addWidget(m_btnPanel);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("DisplayMemo"));
    m_memo->setReadOnly(true);
    m_memo->setFocusPolicy(Qt::NoFocus);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(m_memo->font().pointSizeF() * 1.5);
    m_memo->setFont(mono);
    m_memo->setMaximumHeight(120);
    m_memo->hide();
    layout->addWidget(m_memo);

    connect(m_barCode, &QLineEdit::returnPressed, this, [this] {
        // A sale of a past year is read-only.
        if (appState().isCurrentYear())
            AddItemFromBarCode();
    });
    connect(m_chkPrice, &QLineEdit::returnPressed, this, &PosPage::ChkPriceEDKeyDown);
    m_barCode->installEventFilter(this);
    m_chkPrice->installEventFilter(this);
    connect(m_priceChk, &QCheckBox::clicked, this, &PosPage::PriceChkClick);
    connect(m_insBtn, &QPushButton::clicked, this, &PosPage::InsBtnClick);
    connect(m_qutBtn, &QPushButton::clicked, this, &PosPage::QutBtnClick);
    connect(m_delBtn, &QPushButton::clicked, this, &PosPage::InvDelItemBtn1Click);
    connect(m_printBtn, &QPushButton::clicked, this, &PosPage::PrintBillActionExecute);
    connect(m_clrBtn, &QPushButton::clicked, this, &PosPage::ClrScrBtnClick);
    connect(m_logoutBtn, &QPushButton::clicked, this, &PosPage::LogOutBtn2Click);
    connect(m_changePwBtn, &QPushButton::clicked, this, &PosPage::ChangePWBtnClick);
    connect(m_kbBtn, &QPushButton::clicked, this, &PosPage::kbBtnClick);
    connect(m_arEnBtn, &QPushButton::clicked, this, [] { LanguageManager::instance().toggle(); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &PosPage::updateButtons);
}

bool PosPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && (watched == m_barCode || watched == m_chkPrice)) {
        // Item codes are typed in the layout the options say.
        m_window.SetKeyBoardLanguage(!options().isOn(QString::fromLatin1(OptKey::EngCode)));
    } else if (event->type() == QEvent::MouseButtonRelease && watched == m_barCode) {
        m_barCode->selectAll();
    }
    return QWidget::eventFilter(watched, event);
}

void PosPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PosPage::retranslate()
{
    m_codeLb->setText(tr("Code"));
    m_priceChk->setText(tr("Check Price"));
    m_noLb->setText(tr("No."));
    m_dateLb->setText(tr("Date:"));
    m_tAmountLb->setText(tr("Total Amount:"));
    m_insBtn->setText(tr("+ &New Inv."));
    m_qutBtn->setText(tr("Change &Quantity"));
    m_delBtn->setText(tr("&Delete Item"));
    m_printBtn->setText(tr("&Print"));
    m_clrBtn->setText(tr("&Clear Screen"));
    m_logoutBtn->setText(tr("&Logout"));
    m_changePwBtn->setText(tr("Change Password"));
    m_kbBtn->setText(QStringLiteral("KB"));
    m_arEnBtn->setText(QStringLiteral("En"));
    m_model->retranslate();
}

// -- state ---------------------------------------------------------------

int PosPage::moneyDecimals() const
{
    return Money::decimalsFor(options().number(QString::fromLatin1(CurrencyKeys::Parts), 2));
}

void PosPage::showSelling(bool selling)
{
    m_grid->setVisible(selling);
    m_qutBtn->setVisible(selling);
    m_taeds->setVisible(selling);
    if (selling)
        m_insBtn->show();
    m_barCode->setVisible(!m_priceChk->isChecked() && (selling || !m_saleClosed));
    updateButtons();
}

void PosPage::updateButtons()
{
    m_delBtn->setEnabled(m_grid->isVisibleTo(this) && currentRow() >= 0);
}

int PosPage::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void PosPage::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        updateButtons();
        return;
    }
    m_grid->setCurrentIndex(m_model->index(row, PosLinesModel::ItemCode));
    m_grid->scrollTo(m_grid->currentIndex());
    updateButtons();
}

void PosPage::focusCode()
{
    if (!m_barCode->isVisibleTo(this))
        return;
    m_barCode->setFocus();
    m_barCode->selectAll();
}

void PosPage::signalError()
{
    if (m_window.currentUser().Qkb)
        QApplication::beep();
    else
        MsgBox::error(this, tr("Error"));
}

void PosPage::loadSale(int invId)
{
    m_shownInvId = invId;
    m_model->setDecimals(moneyDecimals());
    if (invId > 0) {
        Documents sales(m_window.data(), DocKind::Sale);
        m_model->setLines(sales.lines(invId));
    } else {
        m_model->clear();
    }
    NoEdChange();
    setCurrentRow(m_model->rowCount() - 1);
}

void PosPage::NoEdChange()
{
    const int decimals = moneyDecimals();
    std::optional<DocumentHeader> header;
    if (m_shownInvId > 0)
        header = Documents(m_window.data(), DocKind::Sale).header(m_shownInvId);
    if (!header) {
        m_posNo->clear();
        m_posDate->clear();
        m_shownTotal = 0;
        m_posTotal->setText(Money::format(0, decimals));
        m_taeds->setText(m_posTotal->text());
        return;
    }
    m_posNo->setText(QString::number(header->InvID));
    m_posDate->setText(header->Date1.toString(kDateTimeFormat));
    m_shownTotal = header->TotalAmount;
    m_posTotal->setText(Money::format(m_shownTotal, decimals));
    m_taeds->setText(m_posTotal->text());
    if (m_qkb) {
        m_qkb->refreshTotal();
        m_qkb->setLastInv(header->InvID);
    }
}

void PosPage::enterPage()
{
    m_barCode->setEnabled(appState().isCurrentYear());
    m_printBtn->setEnabled(true);
    // This terminal's own sale while it has one, else the last sale of the
    // year.
    int invId = m_sale->currentSale();
    if (invId && !Documents(m_window.data(), DocKind::Sale).header(invId))
        invId = 0;
    if (!invId) {
        showSelling(false);
        invId = Documents(m_window.data(), DocKind::Sale).lastInvId();
    }
    loadSale(invId);
    focusCode();
}

void PosPage::sessionEnded()
{
    m_sale->closeSale();
    m_saleClosed = false;
    showSelling(false);
}

void PosPage::DisplayText()
{
    const DocumentLine *line = m_model->line(currentRow());
    if (!line)
        line = m_model->line(m_model->rowCount() - 1);
    if (!line)
        return;
    m_display.DisplayText(line->Description, line->Quantity, line->Rate1, m_posTotal->text(), moneyDecimals());
}

bool PosPage::itemDetails(int itemId, DocumentLine *line)
{
    auto it = m_itemExtras.constFind(itemId);
    if (it == m_itemExtras.constEnd()) {
        bool ok = false;
        QSqlQuery q = m_window.data().exec(
            QStringLiteral(R"(SELECT C."ISize", K."ItemKind" FROM "CodeTb" C LEFT JOIN "ItemKind" K )"
                           R"(ON K."ItemKindID" = C."Kind" WHERE C."ItemID"=?)"),
            {itemId}, &ok);
        if (!ok || !q.next())
            return false;
        it = m_itemExtras.insert(itemId, {q.value(1).toString().trimmed(), q.value(0).toString().trimmed()});
    }
    line->ItemKind = it->kind;
    line->ISize = it->size;
    return true;
}

// -- operations -------------------------------------------------------

void PosPage::InsBtnClick()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    // An empty sale of this terminal is reused, never a second one opened.
    if (m_sale->currentSale() && m_sale->currentSaleIsEmpty()) {
        m_saleClosed = false;
        showSelling(true);
        if (m_shownInvId != m_sale->currentSale())
            loadSale(m_sale->currentSale());
        focusCode();
        return;
    }
    m_display.SendLineToDisplay(QStringLiteral("Welcome"));
    QString error;
    const int invId = m_sale->newSale(appState().CurUID, &error);
    if (!invId) {
        MsgBox::error(this, tr("Error") + u'\n' + error);
        return;
    }
    m_saleClosed = false;
    showSelling(true);
    loadSale(invId);
    focusCode();
}

void PosPage::AddItemFromBarCode()
{
    if (!m_grid->isVisibleTo(this)) {
        InsBtnClick();
        if (!m_grid->isVisibleTo(this))
            return;
    }
    const QString text = m_barCode->text();
    const PosSale::Scan scan = m_sale->AddItemFromBarCode(text, appState().CurUID);
    if (scan.status != PosSale::Scan::Added) {
        m_barCode->selectAll();
        if (scan.status == PosSale::Scan::NotFound) {
            signalError();
        } else if (m_window.currentUser().Qkb) {
            QApplication::beep();
        } else {
            // The scan was not stored: the cashier must know.
            MsgBox::error(this, tr("Error") + u'\n' + scan.error);
        }
        focusCode();
        return;
    }
    if (scan.invId != m_shownInvId) {
        loadSale(scan.invId);
    } else {
        DocumentLine line;
        line.ID = scan.lineId;
        line.InvID = scan.invId;
        line.ItemID = scan.itemId;
        line.ItemCode = scan.itemCode;
        line.Description = scan.description;
        line.Quantity = scan.quantity;
        line.Rate1 = scan.rate;
        line.Amount1 = scan.quantity * scan.rate;
        itemDetails(scan.itemId, &line);
        m_model->append(line);
        setCurrentRow(m_model->rowCount() - 1);
        m_shownTotal = scan.total;
        m_posTotal->setText(Money::format(scan.total, moneyDecimals()));
        m_taeds->setText(m_posTotal->text());
    }
    DisplayText();
    focusCode();
}

void PosPage::QutBtnClick()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    bool ok = false;
    const QString answer =
        MsgBox::inputText(this, tr("Quantity"), tr("Input Quantity"), QLineEdit::Normal, QStringLiteral("1"), &ok);
    if (!ok) {
        focusCode();
        return;
    }
    double quantity = 0;
    if (!TypedNumber::read(answer, &quantity)) {
        MsgBox::error(this, tr("Error"));
        focusCode();
        return;
    }
    if (!(quantity > 0)) {
        MsgBox::error(this, tr("Error! Quantity must be >0"));
        focusCode();
        return;
    }
    if (m_model->rowCount() > 0 && !ConfirmByPassword(this, tr("Are you sure to delete the item:") + kPromptBreak)) {
        focusCode();
        return;
    }
    const int row = currentRow();
    const DocumentLine *line = m_model->line(row);
    const int decimals = moneyDecimals();
    QString error;
    if (!line || m_shownInvId != m_sale->currentSale()
        || !m_sale->changeQuantity(line->ID, quantity, decimals, &error)) {
        MsgBox::error(this, tr("Error"));
        focusCode();
        return;
    }
    m_model->setQuantity(row, Money::round(quantity, decimals));
    if (m_qkb)
        m_qkb->refreshTotal();
    m_shownTotal = m_sale->total();
    m_posTotal->setText(Money::format(m_shownTotal, decimals));
    m_taeds->setText(m_posTotal->text());
    setCurrentRow(row);
    DisplayText();
    focusCode();
}

void PosPage::InvDelItemBtn1Click()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    const int row = currentRow();
    const DocumentLine *line = m_model->line(row);
    if (!line || !m_grid->isVisibleTo(this)) {
        MsgBox::error(this, tr("Error"));
        return;
    }
    const QString text = tr("Are you sure to delete the Item :") + kPromptBreak + u' ' + line->ItemCode
                         + QStringLiteral(" ?");
    if (!MsgBox::confirm(this, text, QMessageBox::No) || !ConfirmByPassword(this, text)) {
        setCurrentRow(row);
        return;
    }
    QString error;
    Documents sales(m_window.data(), DocKind::Sale);
    if (!sales.deleteLine(line->ID, false, &error)) {
        MsgBox::error(this, tr("Error") + u'\n' + error);
        return;
    }
    m_model->removeLine(row);
    NoEdChange();
    setCurrentRow(qMin(row, m_model->rowCount() - 1));
    focusCode();
}

void PosPage::PrintBillActionExecute()
{
    // The bill goes straight to the document printer (or the preview when
    // the option asks for it); then the display greets the next customer.
    if (m_sale->currentSale() > 0)
        SalePrinting::PrintSale(this, m_window.data(), DocKind::Sale, m_sale->currentSale(), true);
    m_display.SendLineToDisplay(QStringLiteral("Next Customer"));
    if (pointOfSaleUser()) {
        // The printed sale can no longer be extended from this page.
        m_sale->closeSale();
        m_saleClosed = true;
        m_insBtn->show();
        showSelling(false);
    }
    focusCode();
}

void PosPage::PriceChkClick()
{
    const bool checking = m_priceChk->isChecked();
    m_chkPrice->setVisible(checking);
    m_priceLb->setVisible(checking);
    if (checking) {
        m_priceLb->setText(QStringLiteral("0.00"));
        m_barCode->hide();
        m_chkPrice->setFocus();
        m_chkPrice->selectAll();
    } else {
        m_barCode->setVisible(m_grid->isVisibleTo(this) || !m_saleClosed);
        focusCode();
    }
}

void PosPage::ChkPriceEDKeyDown()
{
    m_priceLb->setText(QStringLiteral("0.00"));
    bool ok = false;
    const QVariant rate =
        m_window.data().scalar(QStringLiteral(R"(SELECT "Rate" FROM "CodeTb" WHERE "ItemCode"=?)"),
                               {m_chkPrice->text().trimmed()}, &ok);
    if (ok && rate.isValid() && !rate.isNull())
        m_priceLb->setText(Money::format(rate.toDouble(), moneyDecimals()));
    m_chkPrice->selectAll();
}

void PosPage::ClrScrBtnClick()
{
    m_display.SendLineToDisplay(QStringLiteral("Welcome"));
}

void PosPage::LogOutBtn2Click()
{
    m_window.PassNotOK();
}

void PosPage::ChangePWBtnClick()
{
    QWidget *form = m_window.changePassForm();
    if (!form)
        return;
    form->show();
    form->raise();
    form->activateWindow();
}

void PosPage::POSOkBtnClick()
{
    m_window.GoTab(0);
    // A quick-key cashier works on the quick keyboard alone.
    const bool quickKeys = pointOfSaleUser() && m_window.currentUser().Qkb && m_qkb;
    m_btnPanel->setVisible(!quickKeys);
    if (quickKeys)
        kbBtnClick();
    else
        focusCode();
}

void PosPage::kbBtnClick()
{
    if (!m_qkb)
        return;
    m_qkb->show();
    m_qkb->raise();
    m_qkb->activateWindow();
}

void PosPage::addCode(const QString &code)
{
    m_barCode->setText(code);
    AddItemFromBarCode();
}

void PosPage::setQuickKeyboard(TQKBForm *form)
{
    m_qkb = form;
    m_kbBtn->setEnabled(form != nullptr);
}
