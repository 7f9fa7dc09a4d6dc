#include "TSNoForm.h"

#include "data/TDataFormSQL.h"
#include "shell/ChangeGuard.h"
#include "shell/Guard.h"
#include "shell/MsgBox.h"
#include "shell/YearGuard.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kSnoLength = 50;

// Cells take no more than the column holds.
class SnoDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setMaxLength(kSnoLength);
        return editor;
    }
};
} // namespace

TSNoForm::TSNoForm(TDataFormSQL &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
    , m_serials(data)
{
    setObjectName(QStringLiteral("SNoForm"));
    build();
    retranslate();
}

void TSNoForm::build()
{
    auto *layout = new QVBoxLayout(this);
    auto *body = new QHBoxLayout;
    layout->addLayout(body, 1);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("SNoGrd"));
    m_grid->setColumnCount(1);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setItemDelegate(new SnoDelegate(m_grid));
    body->addWidget(m_grid, 1);

    m_stockPanel = new QWidget(this);
    m_stockPanel->setObjectName(QStringLiteral("StockPanel"));
    auto *panel = new QHBoxLayout(m_stockPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    auto *moves = new QVBoxLayout;
    m_take = new QPushButton(m_stockPanel);
    m_take->setObjectName(QStringLiteral("TakeBtn"));
    m_give = new QPushButton(m_stockPanel);
    m_give->setObjectName(QStringLiteral("GiveBtn"));
    moves->addStretch();
    moves->addWidget(m_take);
    moves->addWidget(m_give);
    moves->addStretch();
    panel->addLayout(moves);
    auto *list = new QVBoxLayout;
    m_stockTitle = new QLabel(m_stockPanel);
    m_stock = new QListWidget(m_stockPanel);
    m_stock->setObjectName(QStringLiteral("StockLst"));
    list->addWidget(m_stockTitle);
    list->addWidget(m_stock, 1);
    panel->addLayout(list, 1);
    body->addWidget(m_stockPanel, 1);

    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("ErrorLB"));
    m_error->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    layout->addWidget(m_error);

    auto *buttons = new QHBoxLayout;
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("SaveBtn"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_grid, &QTableWidget::itemChanged, this, [this] {
        if (!m_filling)
            checkDuplicates();
    });
    connect(m_take, &QPushButton::clicked, this, &TSNoForm::takeSelected);
    connect(m_give, &QPushButton::clicked, this, &TSNoForm::giveBackCurrent);
    connect(m_stock, &QListWidget::itemDoubleClicked, this, &TSNoForm::takeSelected);
    connect(m_save, &QPushButton::clicked, this, &TSNoForm::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TSNoForm::retranslate()
{
    setWindowTitle(tr("SNo"));
    m_grid->setHorizontalHeaderLabels({tr("SNo")});
    m_stockTitle->setText(tr("In stock"));
    m_take->setText(tr("<"));
    m_give->setText(tr(">"));
    m_save->setText(tr("Save"));
    m_cancel->setText(tr("Cancel"));
    if (!m_error->text().isEmpty())
        m_error->setText(tr("Error"));
}

void TSNoForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

bool TSNoForm::openLine(DocKind kind, int lineId, bool products)
{
    return openOwner(SerialOwner::line(kind, lineId, products));
}

bool TSNoForm::openOpeningStock(int fgoodId)
{
    return openOwner(SerialOwner::openingStock(fgoodId));
}

bool TSNoForm::openOwner(const SerialOwner &owner)
{
    if (!owner.isValid())
        return false;
    if (owner.serialTable != m_owner.serialTable || owner.ownerId != m_owner.ownerId) {
        m_confirmed = false;
        m_savedOnce = false;
    }
    m_owner = owner;
    const SerialOwnerInfo info = m_serials.info(owner);
    if (!info.found) {
        MsgBox::error(this, tr("Error"));
        return false;
    }
    if (info.rows <= 0)
        return false;
    bool ok = false;
    QStringList rows = m_serials.serials(owner, &ok);
    if (!ok) {
        MsgBox::error(this, m_serials.lastError());
        return false;
    }
    // One row per unit: extra serials of a lowered quantity are dropped on
    // the next save.
    while (rows.size() > info.rows)
        rows.removeLast();
    while (rows.size() < info.rows)
        rows << QString();

    const bool fromStock = owner.takesOutOfStock();
    m_stockPanel->setVisible(fromStock);
    m_stock->clear();
    if (fromStock) {
        const QList<InStockSerial> stock = m_serials.inStock(info.itemId, &ok);
        if (!ok) {
            MsgBox::error(this, m_serials.lastError());
            return false;
        }
        for (const InStockSerial &s : stock)
            m_stock->addItem(s.sno);
    }
    m_grid->setEditTriggers(fromStock ? QAbstractItemView::NoEditTriggers
                                      : QAbstractItemView::DoubleClicked
                                    | QAbstractItemView::EditKeyPressed
                                    | QAbstractItemView::AnyKeyPressed);
    m_grid->setSelectionBehavior(fromStock ? QAbstractItemView::SelectRows
                                           : QAbstractItemView::SelectItems);
    QPalette palette = m_grid->palette();
    palette.setColor(QPalette::Base, fromStock ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white));
    m_grid->setPalette(palette);

    m_filling = true;
    m_grid->clearContents();
    m_grid->setRowCount(info.rows + 1);
    auto *caption = new QTableWidgetItem(info.caption);
    caption->setFlags(Qt::ItemIsEnabled);
    caption->setBackground(palette.color(QPalette::Button));
    m_grid->setItem(0, 0, caption);
    m_filling = false;
    setRows(rows);
    m_grid->setCurrentCell(1, 0);
    return true;
}

void TSNoForm::setRows(const QStringList &rows)
{
    m_filling = true;
    for (int i = 0; i < rows.size(); ++i)
        m_grid->setItem(i + 1, 0, new QTableWidgetItem(rows.at(i)));
    m_filling = false;
    checkDuplicates();
}

QStringList TSNoForm::rows() const
{
    QStringList out;
    for (int r = 1; r < m_grid->rowCount(); ++r) {
        const QTableWidgetItem *item = m_grid->item(r, 0);
        out << (item ? item->text() : QString());
    }
    return out;
}

void TSNoForm::checkDuplicates()
{
    // The whole set is compared, so that a later edit never hides a
    // duplicate made before it.
    m_error->setText(SerialNumbers::duplicates(rows()).isEmpty() ? QString() : tr("Error"));
}

bool TSNoForm::store(const QStringList &rows)
{
    if (!m_error->text().isEmpty() || !SerialNumbers::duplicates(rows).isEmpty()) {
        MsgBox::error(this, tr("Error "));
        return false;
    }
    if (ShowCurYearErrorIfPast(this))
        return false;
    if (!m_confirmed) {
        if (!ConfirmByPassword(this, ChangeGuard::editText()))
            return false;
        m_confirmed = true;
    }
    QString error;
    if (!m_serials.save(m_owner, rows, &error)) {
        MsgBox::error(this, error);
        return false;
    }
    m_savedOnce = true;
    emit saved();
    return true;
}

bool TSNoForm::save()
{
    if (!store(rows()))
        return false;
    accept();
    return true;
}

bool TSNoForm::takeSelected()
{
    const QListWidgetItem *chosen = m_stock->currentItem();
    if (!m_stockPanel->isVisibleTo(this) || !chosen)
        return false;
    QStringList r = rows();
    if (!SerialNumbers::take(r, chosen->text()))
        return false;
    if (!store(r))
        return false;
    return openOwner(m_owner);
}

bool TSNoForm::giveBackCurrent()
{
    const int row = m_grid->currentRow();
    if (!m_stockPanel->isVisibleTo(this) || row < 1)
        return false;
    QStringList r = rows();
    if (!SerialNumbers::giveBack(r, row - 1) || !store(r))
        return false;
    const bool reopened = openOwner(m_owner);
    m_grid->setCurrentCell(qMin(row, m_grid->rowCount() - 1), 0);
    return reopened;
}

bool TSNoForm::editLine(QWidget *parent, TDataFormSQL &data, DocKind kind, int lineId,
                        bool products)
{
    TSNoForm form(data, parent);
    if (!form.openLine(kind, lineId, products))
        return false;
    form.exec();
    return form.savedOnce();
}

bool TSNoForm::editOpeningStock(QWidget *parent, TDataFormSQL &data, int fgoodId)
{
    TSNoForm form(data, parent);
    if (!form.openOpeningStock(fgoodId))
        return false;
    form.exec();
    return form.savedOnce();
}
