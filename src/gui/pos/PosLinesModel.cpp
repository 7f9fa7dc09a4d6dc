#include "PosLinesModel.h"

#include "accounts/Money.h"

PosLinesModel::PosLinesModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int PosLinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int PosLinesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PosLinesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const DocumentLine &l = m_lines.at(index.row());
    if (role == Qt::TextAlignmentRole) {
        if (index.column() == Quantity || index.column() == Rate1 || index.column() == Amount1
            || index.column() == No1)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case No1:
        return index.row() + 1;
    case ItemCode:
        return l.ItemCode;
    case Description:
        return l.Description;
    case ItemKind:
        return l.ItemKind;
    case ISize:
        return l.ISize;
    case Quantity:
        return QString::number(l.Quantity, 'g', 12);
    case Rate1:
        return Money::format(l.Rate1, m_decimals);
    case Amount1:
        return Money::format(l.Amount1, m_decimals);
    case Note:
        return l.Note;
    default:
        return {};
    }
}

QVariant PosLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case No1:
        return tr("No.");
    case ItemCode:
        return tr("Item Code");
    case Description:
        return tr("Description");
    case ItemKind:
        return tr("Kind");
    case ISize:
        return tr("Size");
    case Quantity:
        return tr("Quantity");
    case Rate1:
        return tr("Rate");
    case Amount1:
        return tr("Amount");
    case Note:
        return tr("Note");
    default:
        return {};
    }
}

Qt::ItemFlags PosLinesModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void PosLinesModel::setDecimals(int decimals)
{
    if (decimals == m_decimals)
        return;
    m_decimals = decimals;
    if (!m_lines.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_lines.size()) - 1, ColumnCount - 1));
}

void PosLinesModel::setLines(const QList<DocumentLine> &lines)
{
    beginResetModel();
    m_lines = lines;
    endResetModel();
}

void PosLinesModel::append(const DocumentLine &line)
{
    const int row = int(m_lines.size());
    beginInsertRows({}, row, row);
    m_lines.append(line);
    endInsertRows();
}

void PosLinesModel::setQuantity(int row, double quantity)
{
    if (row < 0 || row >= m_lines.size())
        return;
    DocumentLine &l = m_lines[row];
    l.Quantity = quantity;
    l.Amount1 = quantity * l.Rate1;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void PosLinesModel::removeLine(int row)
{
    if (row < 0 || row >= m_lines.size())
        return;
    beginRemoveRows({}, row, row);
    m_lines.removeAt(row);
    endRemoveRows();
    // The row numbers below it change.
    if (row < m_lines.size())
        emit dataChanged(index(row, No1), index(int(m_lines.size()) - 1, No1));
}

const DocumentLine *PosLinesModel::line(int row) const
{
    return row >= 0 && row < m_lines.size() ? &m_lines.at(row) : nullptr;
}

int PosLinesModel::rowOf(int lineId) const
{
    for (int i = 0; i < m_lines.size(); ++i)
        if (m_lines.at(i).ID == lineId)
            return i;
    return -1;
}

void PosLinesModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}
