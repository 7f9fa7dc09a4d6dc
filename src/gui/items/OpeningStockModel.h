#pragma once

#include "FilteredRows.h"
#include "items/OpeningStock.h"
#include "items/RowCursor.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include <functional>
#include <vector>

class TDataFormSQL;

// The grid of the opening stock. The rows are read in steps and kept in
// memory; the search is a list of row positions over them. Quantity, rate
// and note are edited in place: every edit asks the page first (year rule,
// change guard) and is written at once.
class OpeningStockModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ItemId, Code, Description, Quantity, Rate, Amount, Note, ColumnCount };

    explicit OpeningStockModel(TDataFormSQL &data, QObject *parent = nullptr);

    // Asked before every edit is written; false leaves the row as it is.
    void setChangeCheck(std::function<bool()> check) { m_check = std::move(check); }

    void reload();
    void finishLoading();
    void stop();
    bool isLoading() const { return m_loading; }
    bool loadFailed() const { return m_failed; }
    QString loadError() const { return m_error; }
    void setChunkSize(int rows) { m_chunk = rows > 0 ? rows : kChunk; }

    // Code or description containing text (any case); empty lists all.
    void setFilterText(const QString &text);
    QString filterText() const { return m_filter; }

    int totalCount() const { return m_list.total(); }
    const OpeningStockRow *rowAt(int row) const;
    int rowOfItem(int itemId) const;

    // A number as typed: "." is the decimal point whatever the language,
    // Arabic-Indic digits count as digits. False when it is no number.
    static bool parseNumber(const QString &text, double *out);
    // The number as the editor shows it ("1234.5").
    static QString editText(double value);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void countChanged(int rows);
    void loadingFinished();
    // An edit could not be written (the text tells why).
    void editFailed(const QString &message);

private:
    bool matches(const OpeningStockRow &row) const;
    void loadStep();

    TDataFormSQL &m_data;
    OpeningStock m_stock;
    std::function<bool()> m_check;
    RowCursor<OpeningStockRow> m_cursor;
    FilteredRows<OpeningStockRow> m_list;
    QString m_filter;
    bool m_loading = false;
    bool m_failed = false;
    QString m_error;
    static constexpr int kChunk = 2000;
    int m_chunk = kChunk;
    quint64 m_generation = 0;
};

// The in-place editors of the grid: plain line edits, numbers left to
// right with "." as the decimal point in either language.
class OpeningStockDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
};
