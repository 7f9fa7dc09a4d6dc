#include "DocumentListModel.h"

#include "accounts/Money.h"

DocumentListModel::DocumentListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    setObjectName(QStringLiteral("InvSql"));
}

int DocumentListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DocumentListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const DocumentListRow *DocumentListModel::row(int index) const
{
    return index >= 0 && index < m_rows.size() ? &m_rows.at(index) : nullptr;
}

int DocumentListModel::rowOf(int invId) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).InvID == invId)
            return i;
    return -1;
}

void DocumentListModel::setRows(const QList<DocumentListRow> &rows, bool noteAsName, int decimals)
{
    beginResetModel();
    m_rows = rows;
    m_noteAsName = noteAsName;
    m_decimals = decimals;
    endResetModel();
}

QVariant DocumentListModel::data(const QModelIndex &index, int role) const
{
    const DocumentListRow *r = row(index.row());
    if (!r)
        return {};
    if (role == Qt::TextAlignmentRole && (index.column() == InvNo || index.column() == TotalAmount))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case InvNo:
        return r->InvNo;
    case Date1:
        return r->Date1.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    case AName:
        return m_noteAsName ? r->Note : r->AName;
    case TotalAmount:
        return Money::display(r->TotalAmount, m_decimals);
    case Cash:
        return r->Cash ? tr("Cash") : tr("Debit");
    case UName:
        return r->UName;
    default:
        return {};
    }
}

QVariant DocumentListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case InvNo:
        return tr("No.");
    case Date1:
        return tr("Date:");
    case AName:
        return tr("Name:");
    case TotalAmount:
        return tr("Total Amount:");
    case Cash:
        return tr("Cash");
    case UName:
        return tr("User:");
    default:
        return {};
    }
}

void DocumentListModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, ColumnCount - 1));
}
