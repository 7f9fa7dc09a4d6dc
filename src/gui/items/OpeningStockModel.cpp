#include "OpeningStockModel.h"
#include "shell/TypedNumber.h"

#include "accounts/Money.h"
#include "data/TDataFormSQL.h"

#include <QLineEdit>
#include <QLocale>
#include <QTimer>

#include <algorithm>

OpeningStockModel::OpeningStockModel(TDataFormSQL &data, QObject *parent)
    : QAbstractTableModel(parent)
    , m_data(data)
    , m_stock(data)
{
    connect(&m_data, &TDataFormSQL::aboutToClose, this, &OpeningStockModel::stop);
}

void OpeningStockModel::stop()
{
    ++m_generation;
    m_cursor.close();
    if (m_loading) {
        m_loading = false;
        emit loadingFinished();
    }
}

void OpeningStockModel::reload()
{
    stop();
    beginResetModel();
    m_list.clear(!m_filter.isEmpty());
    m_failed = false;
    m_error.clear();
    endResetModel();
    if (!m_cursor.open(m_data, OpeningStock::listStatement(), {}, &OpeningStock::readRow)) {
        m_failed = true;
        m_error = m_cursor.error();
        emit countChanged(0);
        emit loadingFinished();
        return;
    }
    m_loading = true;
    loadStep();
}

void OpeningStockModel::finishLoading()
{
    while (m_loading)
        loadStep();
}

void OpeningStockModel::loadStep()
{
    if (!m_loading)
        return;
    std::vector<OpeningStockRow> chunk;
    chunk.reserve(size_t(m_chunk));
    if (m_cursor.fetch(chunk, m_chunk) > 0) {
        m_list.append(
            std::move(chunk), [this](const OpeningStockRow &row) { return matches(row); },
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

bool OpeningStockModel::matches(const OpeningStockRow &row) const
{
    return row.itemCode.contains(m_filter, Qt::CaseInsensitive)
        || row.description.contains(m_filter, Qt::CaseInsensitive);
}

void OpeningStockModel::setFilterText(const QString &text)
{
    if (text == m_filter)
        return;
    const bool narrowing = text.contains(m_filter, Qt::CaseInsensitive);
    m_filter = text;
    beginResetModel();
    m_list.setFilter(!m_filter.isEmpty(), narrowing,
                     [this](const OpeningStockRow &row) { return matches(row); });
    endResetModel();
    emit countChanged(rowCount());
}

const OpeningStockRow *OpeningStockModel::rowAt(int row) const
{
    return m_list.at(row);
}

int OpeningStockModel::rowOfItem(int itemId) const
{
    return m_list.find([itemId](const OpeningStockRow &r) { return r.itemId == itemId; });
}

bool OpeningStockModel::parseNumber(const QString &text, double *out)
{
    // An emptied cell is 0.
    if (text.trimmed().isEmpty()) {
        *out = 0;
        return true;
    }
    return TypedNumber::read(text, out);
}

QString OpeningStockModel::editText(double value)
{
    return QLocale::c().toString(value, 'g', 15);
}

int OpeningStockModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_list.count();
}

int OpeningStockModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

Qt::ItemFlags OpeningStockModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Quantity || index.column() == Rate || index.column() == Note)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant OpeningStockModel::data(const QModelIndex &index, int role) const
{
    const OpeningStockRow *r = rowAt(index.row());
    if (!r)
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        if (column == Quantity || column == Rate || column == Amount || column == ItemId)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role == Qt::EditRole) {
        switch (column) {
        case ItemId:
            return r->itemId;
        case Code:
            return r->itemCode;
        case Description:
            return r->description;
        case Quantity:
            return r->quantity;
        case Rate:
            return r->rate;
        case Amount:
            return r->amount;
        case Note:
            return r->note;
        default:
            return {};
        }
    }
    if (role != Qt::DisplayRole)
        return {};
    static const QLocale numbers(QLocale::English);
    switch (column) {
    case ItemId:
        return QString::number(r->itemId);
    case Code:
        return r->itemCode;
    case Description:
        return r->description;
    case Quantity:
        return qFuzzyIsNull(r->quantity) ? QStringLiteral("0")
                                         : numbers.toString(r->quantity, 'f', 3);
    case Rate:
        return Money::display(r->rate, 2);
    case Amount:
        return Money::display(r->amount, 2);
    case Note:
        return r->note;
    default:
        return {};
    }
}

bool OpeningStockModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const OpeningStockRow *r = rowAt(index.row());
    if (!r)
        return false;
    QVariant bound = value;
    OpeningStock::Field field = OpeningStock::Field::Note;
    if (index.column() == Quantity || index.column() == Rate) {
        field =
            index.column() == Quantity ? OpeningStock::Field::Quantity : OpeningStock::Field::Rate;
        double number = 0;
        if (value.typeId() == QMetaType::QString) {
            if (!parseNumber(value.toString(), &number)) {
                emit editFailed(tr("Not a number: %1").arg(value.toString()));
                return false;
            }
        } else {
            bool ok = false;
            number = value.toDouble(&ok);
            if (!ok)
                return false;
        }
        if (number == (field == OpeningStock::Field::Quantity ? r->quantity : r->rate))
            return true; // nothing changed, nothing to ask
        bound = number;
    } else if (value.toString() == r->note) {
        return true;
    }
    if (m_check && !m_check())
        return false;
    OpeningStockRow stored;
    const OpeningStock::Outcome out = m_stock.setField(r->id, field, bound, &stored);
    if (!out.ok) {
        emit editFailed(out.error);
        return false;
    }
    if (stored.id == r->id)
        *m_list.at(index.row()) = stored;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    return true;
}

QVariant OpeningStockModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case ItemId:
        return tr("Item ID");
    case Code:
        return tr("Item Code");
    case Description:
        return tr("Description");
    case Quantity:
        return tr("Quantity");
    case Rate:
        return tr("Rate");
    case Amount:
        return tr("Amount");
    case Note:
        return tr("Note");
    default:
        return {};
    }
}

// -- editors ------------------------------------------------------------------

QWidget *OpeningStockDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                            const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("GoodGRDEditor"));
    editor->setFrame(false);
    if (index.column() == OpeningStockModel::Note) {
        editor->setMaxLength(OpeningStock::noteLength());
    } else {
        editor->setLayoutDirection(Qt::LeftToRight);
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return editor;
}

void OpeningStockDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        return;
    const QVariant v = index.data(Qt::EditRole);
    if (index.column() == OpeningStockModel::Note)
        line->setText(v.toString());
    else
        line->setText(OpeningStockModel::editText(v.toDouble()));
}

void OpeningStockDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                        const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        model->setData(index, line->text(), Qt::EditRole);
}
