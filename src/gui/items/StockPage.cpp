#include "StockPage.h"

#include "StockModel.h"
#include "accounts/Money.h"
#include "data/TDataFormSQL.h"
#include "print/GridPrinting.h"
#include "shell/AppState.h"
#include "shell/MsgBox.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

StockPage::StockPage(TDataFormSQL &data, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
    , m_chk(data)
{
    setObjectName(QStringLiteral("StockPage"));
    m_model = new StockModel(data, this);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_findLabel = new QLabel(this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("CodeFind"));
    m_find->setClearButtonEnabled(true);
    m_findLabel->setBuddy(m_find);
    m_down = new QCheckBox(this);
    m_down->setObjectName(QStringLiteral("DownChk"));
    m_upTo = new QCheckBox(this);
    m_upTo->setObjectName(QStringLiteral("UpToDateChk"));
    m_upToDate = new QDateEdit(this);
    m_upToDate->setObjectName(QStringLiteral("UpToDateED"));
    m_upToDate->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_upToDate->setCalendarPopup(true);
    m_upToDate->setLayoutDirection(Qt::LeftToRight);
    m_upToDate->hide();
    m_recalc = new QPushButton(this);
    m_recalc->setObjectName(QStringLiteral("ReChkStoreBtn"));
    m_recalc->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("StoreCount"));
    m_count->setMinimumWidth(70);
    top->addWidget(m_findLabel);
    top->addWidget(m_find, 1);
    top->addWidget(m_down);
    top->addWidget(m_upTo);
    top->addWidget(m_upToDate);
    top->addWidget(m_recalc);
    top->addWidget(m_count);
    layout->addLayout(top);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("CodeGRD"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->verticalHeader()->hide();
    const int widths[] = {130, 280, 100, 100, 70};
    for (int c = 0; c < StockModel::ColumnCount; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    layout->addWidget(m_grid, 1);

    auto *bottom = new QHBoxLayout;
    m_print = new QPushButton(this);
    m_print->setObjectName(QStringLiteral("PrintStoreBtn"));
    // Rows still being read in chunks print and copy too.
    const GridPrinting::GridOf wholeGrid = [this] {
        m_model->finishLoading();
        return m_grid;
    };
    GridPrinting::connectPrint(m_print, wholeGrid, true, false,
                               GridPrinting::Texts::stock,
                               [this] {
                                   return GridPrinting::Texts::totalAmount() + m_total->text();
                               });
    m_totalLabel = new QLabel(this);
    m_totalLabel->setObjectName(QStringLiteral("TotalAmountStoreLB"));
    m_total = new QLineEdit(this);
    m_total->setObjectName(QStringLiteral("TotalAmounStoreEd"));
    m_total->setReadOnly(true);
    m_total->setLayoutDirection(Qt::LeftToRight);
    m_total->setAlignment(Qt::AlignRight);
    m_total->setMaximumWidth(180);
    m_total->setText(QStringLiteral("0"));
    bottom->addWidget(m_print);
    bottom->addStretch();
    bottom->addWidget(m_totalLabel);
    bottom->addWidget(m_total);
    layout->addLayout(bottom);

    connect(m_find, &QLineEdit::textChanged, this, &StockPage::applyFilter);
    connect(m_down, &QCheckBox::toggled, this, &StockPage::applyFilter);
    connect(m_upTo, &QCheckBox::clicked, this, &StockPage::UpToDateChkClick);
    connect(m_upToDate, &QDateEdit::dateChanged, this, &StockPage::UpToDateEDChange);
    connect(m_recalc, &QPushButton::clicked, this, &StockPage::ReChkStoreBtnClick);
    connect(m_model, &StockModel::countChanged, this,
            [this](int rows) { m_count->setText(QString::number(rows)); });
    retranslate();
}

void StockPage::retranslate()
{
    m_findLabel->setText(tr("Search"));
    m_down->setText(tr("&Down!"));
    m_upTo->setText(tr("Up to Date"));
    m_recalc->setToolTip(tr("Re Calc Store"));
    m_recalc->setText(tr("Re Calc Store"));
    m_print->setText(tr("Print Table"));
    m_totalLabel->setText(tr("Total Amount"));
    // Column titles and "Yes" / "No" follow the language too.
    emit m_model->headerDataChanged(Qt::Horizontal, 0, StockModel::ColumnCount - 1);
    m_grid->viewport()->update();
}

void StockPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void StockPage::enterPage()
{
    refresh(false);
}

void StockPage::ReChkStoreBtnClick()
{
    refresh(true);
}

void StockPage::UpToDateChkClick()
{
    if (m_upTo->isChecked()) {
        {
            const QSignalBlocker block(m_upToDate);
            m_upToDate->setDate(appState().WorkDate.isValid() ? appState().WorkDate
                                                              : QDate::currentDate());
        }
        m_upToDate->show();
        m_chk.setUpToDate(m_upToDate->date());
    } else {
        m_upToDate->hide();
        m_chk.setUpToDate({});
    }
    // A new limit is a new list: the recomputation knows it is stale.
    refresh(false);
}

void StockPage::UpToDateEDChange()
{
    if (!m_upTo->isChecked())
        return;
    m_chk.setUpToDate(m_upToDate->date());
    refresh(false);
}

void StockPage::applyFilter()
{
    m_model->setFilter(m_find->text().trimmed(), m_down->isChecked());
}

void StockPage::refresh(bool force)
{
    // Store is rebuilt below: no reading from it meanwhile.
    m_model->stop();
    const bool ok = force ? m_chk.recalc() : m_chk.run();
    const int decimals = Money::decimals();
    m_model->setMoneyDecimals(decimals);
    m_total->setText(ok ? Money::format(m_chk.totalValue(), decimals) : QStringLiteral("0"));
    if (!ok)
        MsgBox::error(this, tr("The stock could not be computed:") + u'\n' + m_chk.lastError());
    // Read again even when nothing was recomputed here: another part of the
    // program may have rebuilt Store since (it is the connection's one list).
    m_model->reload();
    if (m_model->loadFailed())
        MsgBox::error(this, tr("The stock list could not be read:") + u'\n' + m_model->loadError());
    applyFilter();
}

void StockPage::hideEvent(QHideEvent *event)
{
    // No reading left open while other pages may rebuild Store.
    m_model->finishLoading();
    QWidget::hideEvent(event);
}
