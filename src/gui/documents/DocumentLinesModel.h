#pragma once

#include "documents/Documents.h"

#include <QAbstractTableModel>
#include <QList>

#include <functional>

// The lines of the current document for the lines grid BillGrd, or the
// product lines for IndOutGrd. Quantity, rate and note are edited in
// place; an edit is posted at once through the poster, and a line the
// database refused keeps its old values. A code filter shows only the
// lines of one item (the item search).
class DocumentLinesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        No1,
        ItemCode,
        Description,
        ItemKind,
        ISize,
        Quantity,
        Rate1,
        Amount1,
        Note,
        ColumnCount
    };
    // Writes an edited line; false when it was refused.
    using Poster = std::function<bool(const DocumentLine &)>;

    explicit DocumentLinesModel(bool products, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    bool products() const { return m_products; }
    void setPoster(Poster poster) { m_poster = std::move(poster); }
    void setDecimals(int decimals);
    void setLines(const QList<DocumentLine> &lines);
    void clear() { setLines({}); }
    // Only the lines of this item code; empty shows all.
    void setCodeFilter(const QString &code);
    QString codeFilter() const { return m_filter; }

    // The shown lines (after the filter).
    const QList<DocumentLine> &lines() const { return m_shown; }
    const DocumentLine *line(int row) const;
    int rowOf(int lineId) const;
    double amountSum() const;

    // Reads a number typed in any locale ("2.5", "2,5", Arabic digits).
    static bool parseNumber(const QString &text, double *value);

    void retranslate();

private:
    void refilter();

    bool m_products;
    QList<DocumentLine> m_all;
    QList<DocumentLine> m_shown;
    QString m_filter;
    Poster m_poster;
    int m_decimals = 2;
};
