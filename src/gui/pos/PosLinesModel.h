#pragma once

#include "documents/Documents.h"

#include <QAbstractTableModel>
#include <QList>

// The lines of the sale on the point-of-sale page. The page loads the lines
// once when a sale becomes current and then appends each scanned line, so a
// scan never reads the whole sale again.
class PosLinesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { No1, ItemCode, Description, ItemKind, ISize, Quantity, Rate1, Amount1, Note, ColumnCount };

    explicit PosLinesModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setDecimals(int decimals);
    void setLines(const QList<DocumentLine> &lines);
    void append(const DocumentLine &line);
    void setQuantity(int row, double quantity);
    void removeLine(int row);
    void clear() { setLines({}); }

    const QList<DocumentLine> &lines() const { return m_lines; }
    const DocumentLine *line(int row) const;
    // The row of the line with this ID, -1 when it is not shown.
    int rowOf(int lineId) const;

    void retranslate();

private:
    QList<DocumentLine> m_lines;
    int m_decimals = 2;
};
