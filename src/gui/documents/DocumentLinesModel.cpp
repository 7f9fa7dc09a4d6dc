#include "DocumentLinesModel.h"
#include "shell/TypedNumber.h"

#include "accounts/Money.h"


DocumentLinesModel::DocumentLinesModel(bool products, QObject *parent)
    : QAbstractTableModel(parent)
    , m_products(products)
{ }

int DocumentLinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int DocumentLinesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const DocumentLine *DocumentLinesModel::line(int row) const
{
    return row >= 0 && row < m_shown.size() ? &m_shown.at(row) : nullptr;
}

int DocumentLinesModel::rowOf(int lineId) const
{
    for (int i = 0; i < m_shown.size(); ++i)
        if (m_shown.at(i).ID == lineId)
            return i;
    return -1;
}

double DocumentLinesModel::amountSum() const
{
    double sum = 0;
    for (const DocumentLine &l : m_all)
        sum += l.Amount1;
    return sum;
}

void DocumentLinesModel::setDecimals(int decimals)
{
    beginResetModel();
    m_decimals = decimals;
    endResetModel();
}

void DocumentLinesModel::setLines(const QList<DocumentLine> &lines)
{
    beginResetModel();
    m_all = lines;
    refilter();
    endResetModel();
}

void DocumentLinesModel::setCodeFilter(const QString &code)
{
    beginResetModel();
    m_filter = code.trimmed();
    refilter();
    endResetModel();
}

void DocumentLinesModel::refilter()
{
    m_shown.clear();
    for (const DocumentLine &l : std::as_const(m_all))
        if (m_filter.isEmpty() || l.ItemCode == m_filter)
            m_shown << l;
}

QVariant DocumentLinesModel::data(const QModelIndex &index, int role) const
{
    const DocumentLine *l = line(index.row());
    if (!l)
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        if (column == Quantity || column == Rate1 || column == Amount1 || column == No1)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const bool edit = role == Qt::EditRole;
    switch (column) {
    case No1:
        return index.row() + 1;
    case ItemCode:
        return l->ItemCode;
    case Description:
        return l->Description;
    case ItemKind:
        return l->ItemKind;
    case ISize:
        return l->ISize;
    case Quantity:
        if (edit)
            return QString::number(l->Quantity, 'g', 12);
        return Money::display(l->Quantity, 3);
    case Rate1:
        return edit ? Money::format(l->Rate1, m_decimals) : Money::display(l->Rate1, m_decimals);
    case Amount1:
        return Money::display(l->Amount1, m_decimals);
    case Note:
        return l->Note;
    default:
        return {};
    }
}

bool DocumentLinesModel::parseNumber(const QString &text, double *value)
{
    if (TypedNumber::read(text, value))
        return true;
    // The lines also take a decimal comma whatever the workstation's notation.
    QString swapped = TypedNumber::latinDigits(text.trimmed());
    swapped.replace(u',', u'.');
    return TypedNumber::read(swapped, value);
}

bool DocumentLinesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const DocumentLine *current = line(index.row());
    if (!current || role != Qt::EditRole)
        return false;
    DocumentLine edited = *current;
    switch (index.column()) {
    case Quantity:
    case Rate1: {
        double number = 0;
        if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int)
            number = value.toDouble();
        else if (!parseNumber(value.toString(), &number))
            return false;
        (index.column() == Quantity ? edited.Quantity : edited.Rate1) = number;
        break;
    }
    case Note:
        edited.Note = value.toString();
        break;
    default:
        return false;
    }
    if (m_poster && !m_poster(edited))
        return false;
    edited.Amount1 = edited.Quantity * edited.Rate1;
    m_shown[index.row()] = edited;
    for (DocumentLine &l : m_all)
        if (l.ID == edited.ID)
            l = edited;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    return true;
}

QVariant DocumentLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case No1:
        return m_products ? tr("No") : tr("No.");
    case ItemCode:
        return tr("Item Code");
    case Description:
        return tr("Description");
    case ItemKind:
        return tr("Kind");
    case ISize:
        return tr("Size");
    case Quantity:
        return m_products ? tr("Qnty.") : tr("Quantity");
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

Qt::ItemFlags DocumentLinesModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Quantity || index.column() == Rate1 || index.column() == Note)
        f |= Qt::ItemIsEditable;
    return f;
}

void DocumentLinesModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}
