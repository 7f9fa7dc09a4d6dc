#include "StockModel.h"

#include "accounts/Money.h"
#include "data/TDataFormSQL.h"

#include <QLocale>
#include <QTimer>


StockModel::StockModel(TDataFormSQL &data, QObject *parent)
    : QAbstractTableModel(parent)
    , m_data(data)
{
    // A query must not outlive its connection.
    connect(&m_data, &TDataFormSQL::aboutToClose, this, &StockModel::stop);
}

void StockModel::stop()
{
    ++m_generation;
    m_cursor.close();
    if (m_loading) {
        m_loading = false;
        emit loadingFinished();
    }
}

void StockModel::reload()
{
    stop();
    beginResetModel();
    m_list.clear(filtered());
    m_failed = false;
    m_error.clear();
    endResetModel();
    if (!m_cursor.open(m_data, StoreChk::listStatement(), {}, &StoreChk::readRow)) {
        m_failed = true;
        m_error = m_cursor.error();
        emit countChanged(0);
        emit loadingFinished();
        return;
    }
    m_loading = true;
    loadStep();
}

void StockModel::finishLoading()
{
    while (m_loading)
        loadStep();
}

void StockModel::loadStep()
{
    if (!m_loading)
        return;
    std::vector<StockRow> chunk;
    chunk.reserve(size_t(m_chunk));
    if (m_cursor.fetch(chunk, m_chunk) > 0) {
        m_list.append(
            std::move(chunk), [this](const StockRow &row) { return matches(row); },
            [this](int first, int last) { beginInsertRows({}, first, last); },
            [this] { endInsertRows(); });
        emit countChanged(rowCount());
    }
    if (!m_cursor.isOpen()) {
        m_loading = false;
        emit countChanged(rowCount());
        emit loadingFinished();
        return;
    }
    const quint64 generation = m_generation;
    QTimer::singleShot(0, this, [this, generation] {
        if (generation == m_generation)
            loadStep();
    });
}

bool StockModel::matches(const StockRow &row) const
{
    return (!m_downOnly || row.down)
        && (m_text.isEmpty() || row.itemCode.contains(m_text, Qt::CaseInsensitive));
}

void StockModel::setFilter(const QString &text, bool downOnly)
{
    if (text == m_text && downOnly == m_downOnly)
        return;
    // A longer text, or "Down!" ticked, only drops rows of the current list.
    const bool narrowing = text.contains(m_text, Qt::CaseInsensitive) && (downOnly || !m_downOnly);
    m_text = text;
    m_downOnly = downOnly;
    beginResetModel();
    m_list.setFilter(filtered(), narrowing, [this](const StockRow &row) { return matches(row); });
    endResetModel();
    emit countChanged(rowCount());
}

void StockModel::setMoneyDecimals(int decimals)
{
    if (decimals == m_decimals)
        return;
    m_decimals = decimals;
    if (rowCount() > 0)
        emit dataChanged(index(0, CostRate), index(rowCount() - 1, CostRate));
}

const StockRow *StockModel::rowAt(int row) const
{
    return m_list.at(row);
}

int StockModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.count();
}

int StockModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StockModel::data(const QModelIndex &index, int role) const
{
    const StockRow *r = rowAt(index.row());
    if (!r)
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        if (column == Quantity || column == CostRate)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role == Qt::EditRole) {
        switch (column) {
        case Code:
            return r->itemCode;
        case Description:
            return r->description;
        case Quantity:
            return r->quantity;
        case CostRate:
            return r->costRate;
        case Down:
            return r->down;
        default:
            return {};
        }
    }
    if (role != Qt::DisplayRole)
        return {};
    static const QLocale numbers(QLocale::English);
    switch (column) {
    case Code:
        return r->itemCode;
    case Description:
        return r->description;
    case Quantity:
        // ",0.000" and a plain "0" for nothing in stock
        return qFuzzyIsNull(r->quantity) ? QStringLiteral("0")
                                         : numbers.toString(r->quantity, 'f', 3);
    case CostRate:
        return Money::format(r->costRate, m_decimals);
    case Down:
        return r->down ? tr("Yes") : tr("No");
    default:
        return {};
    }
}

QVariant StockModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case Code:
        return tr("Item Code");
    case Description:
        return tr("Description");
    case Quantity:
        return tr("Quantity");
    case CostRate:
        return tr("Cost Rate");
    case Down:
        return tr("Down!");
    default:
        return {};
    }
}
