#pragma once

#include "documents/Documents.h"

#include <QAbstractTableModel>
#include <QList>

// The document list of one kind (InvSql): number, date, counterpart (the
// operation's note for manufacturing), total, cash or debit and user.
class DocumentListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { InvNo, Date1, AName, TotalAmount, Cash, UName, ColumnCount };

    explicit DocumentListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setRows(const QList<DocumentListRow> &rows, bool noteAsName, int decimals);
    const QList<DocumentListRow> &rows() const { return m_rows; }
    const DocumentListRow *row(int index) const;
    int rowOf(int invId) const;

    void retranslate();

private:
    QList<DocumentListRow> m_rows;
    bool m_noteAsName = false;
    int m_decimals = 2;
};
