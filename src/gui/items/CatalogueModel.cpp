#include "CatalogueModel.h"

#include "data/TDataFormSQL.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTimer>

#include <algorithm>

CatalogueModel::CatalogueModel(TDataFormSQL &data, QObject *parent)
    : QAbstractTableModel(parent)
    , m_data(data)
    , m_catalogue(data)
{
    for (int c = 0; c < ColumnCount; ++c)
        m_columns << c;
}

void CatalogueModel::setColumns(const QList<int> &columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

void CatalogueModel::reload()
{
    ++m_generation;
    beginResetModel();
    m_list.clear(!m_filter.isEmpty());
    m_failed = false;
    m_loading = true;
    m_reserved = false;
    if (!m_fixedChunk)
        m_chunk = kFirstChunk;
    endResetModel();
    loadStep();
}

void CatalogueModel::finishLoading()
{
    while (m_loading)
        loadStep();
}

void CatalogueModel::loadStep()
{
    if (!m_loading)
        return;
    bool ok = false;
    if (!m_reserved && m_list.total() > 0) {
        // Room for every row at once (growing the list would need twice its
        // size), taken after the first rows are on screen.
        const int items = m_data.scalar(QStringLiteral(R"(SELECT count(*) FROM "CodeTb")")).toInt();
        m_list.rows().reserve(size_t(std::max(0, items)));
        m_reserved = true;
    }
    const std::vector<CatalogueRow> &read = m_list.rows();
    const QString after = read.empty() ? QString() : read.back().code;
    QElapsedTimer timer;
    timer.start();
    const int asked = m_chunk;
    std::vector<CatalogueRow> chunk = m_catalogue.rowsAfter(after, asked, &ok);
    if (!m_fixedChunk && !chunk.empty()) {
        // The next chunk takes about the time of one step.
        const double perRow = double(std::max<qint64>(timer.nsecsElapsed(), 1)) / double(chunk.size());
        m_chunk = int(std::clamp(kStepNanoseconds / perRow, 500.0, 50000.0));
    }
    if (!ok)
        m_failed = true;
    const bool last = !ok || int(chunk.size()) < asked;
    if (!chunk.empty()) {
        m_list.append(
            std::move(chunk), [this](const CatalogueRow &row) { return matches(row); },
            [this](int first, int last) { beginInsertRows({}, first, last); },
            [this] { endInsertRows(); });
        emit countChanged(rowCount());
    }
    if (last) {
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

bool CatalogueModel::matches(const CatalogueRow &row) const
{
    return row.code.contains(m_filter, Qt::CaseInsensitive) || row.description.contains(m_filter, Qt::CaseInsensitive)
           || row.kindName.contains(m_filter, Qt::CaseInsensitive)
           || row.location.contains(m_filter, Qt::CaseInsensitive);
}

void CatalogueModel::setFilterText(const QString &text)
{
    if (text == m_filter)
        return;
    // A longer text only drops rows of the current list.
    const bool narrowing = !m_filter.isEmpty() && text.contains(m_filter, Qt::CaseInsensitive);
    m_filter = text;
    beginResetModel();
    m_list.setFilter(!m_filter.isEmpty(), narrowing, [this](const CatalogueRow &row) { return matches(row); });
    endResetModel();
    emit countChanged(rowCount());
}

void CatalogueModel::rebuildVisible()
{
    m_list.rebuild([this](const CatalogueRow &row) { return matches(row); });
}

int CatalogueModel::itemIdAt(int row) const
{
    const CatalogueRow *r = rowAt(row);
    return r ? r->itemId : 0;
}

const CatalogueRow *CatalogueModel::rowAt(int row) const
{
    return m_list.at(row);
}

int CatalogueModel::rowOfItem(int itemId) const
{
    return m_list.find([itemId](const CatalogueRow &r) { return r.itemId == itemId; });
}

void CatalogueModel::refreshItem(int itemId)
{
    if (m_loading) {
        reload();
        return;
    }
    CatalogueRow fresh;
    const bool listed = m_catalogue.row(itemId, &fresh);
    beginResetModel();
    std::vector<CatalogueRow> &rows = m_list.rows();
    auto it = std::find_if(rows.begin(), rows.end(), [itemId](const CatalogueRow &r) { return r.itemId == itemId; });
    if (it != rows.end())
        rows.erase(it);
    if (listed) {
        auto at = std::lower_bound(rows.begin(), rows.end(), fresh.code,
                                   [](const CatalogueRow &r, const QString &code) { return r.code < code; });
        rows.insert(at, std::move(fresh));
    }
    rebuildVisible();
    endResetModel();
    emit countChanged(rowCount());
}

void CatalogueModel::removeItem(int itemId)
{
    std::vector<CatalogueRow> &rows = m_list.rows();
    auto it = std::find_if(rows.begin(), rows.end(), [itemId](const CatalogueRow &r) { return r.itemId == itemId; });
    if (it == rows.end())
        return;
    beginResetModel();
    rows.erase(it);
    rebuildVisible();
    endResetModel();
    emit countChanged(rowCount());
}

int CatalogueModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_list.count();
}

int CatalogueModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant CatalogueModel::data(const QModelIndex &index, int role) const
{
    const CatalogueRow *r = rowAt(index.row());
    if (!r || index.column() < 0 || index.column() >= m_columns.size())
        return {};
    const int column = m_columns[index.column()];
    if (role == Qt::TextAlignmentRole) {
        if (column == NotLes || column == Rate || column == OfCount)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    static const QLocale numbers(QLocale::English);
    switch (column) {
    case Code: return r->code;
    case Description: return r->description;
    case Location: return r->location;
    case Kind: return r->kindName;
    case Size: return r->size;
    case NotLes: return r->notLes == 0 ? QString() : numbers.toString(r->notLes, 'f', 3);
    case Rate: return r->rate == 0 ? QString() : numbers.toString(r->rate, 'f', 2);
    case IsService: return r->isService ? tr("Yes") : tr("No");
    case OfCount: return r->hasOfCount ? QString::number(r->ofCount) : QString();
    default: return {};
    }
}

QVariant CatalogueModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return {};
    if (section < 0 || section >= m_columns.size())
        return {};
    switch (m_columns[section]) {
    case Code: return tr("Item Code");
    case Description: return tr("Description");
    case Location: return tr("Location");
    case Kind: return tr("Kind");
    case Size: return tr("ISize");
    case NotLes: return tr("Not Les than");
    case Rate: return tr("Rate");
    case IsService: return tr("IsService");
    case OfCount: return tr("OfCount");
    default: return {};
    }
}
