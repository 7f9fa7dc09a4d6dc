#pragma once

#include "FilteredRows.h"
#include "items/RowCursor.h"
#include "items/StoreChk.h"

#include <QAbstractTableModel>

#include <vector>

class TDataFormSQL;

// The stock list of the stock page. The rows of Store are read once per
// recomputation, in steps between which the window keeps painting, and
// kept in memory; the search and "Down!" filter is a list of row positions
// over them, so typing never goes back to the database.
class StockModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Code, Description, Quantity, CostRate, Down, ColumnCount };

    explicit StockModel(TDataFormSQL &data, QObject *parent = nullptr);

    // Reads Store again: the first rows now, the rest in later steps.
    void reload();
    // Reads what is still missing now.
    void finishLoading();
    // Stops reading (before Store is rebuilt).
    void stop();
    bool isLoading() const { return m_loading; }
    bool loadFailed() const { return m_failed; }
    QString loadError() const { return m_error; }
    void setChunkSize(int rows) { m_chunk = rows > 0 ? rows : kChunk; }

    // Item codes containing text (any case); with downOnly only the items
    // below their minimum.
    void setFilter(const QString &text, bool downOnly);
    QString filterText() const { return m_text; }
    bool downOnly() const { return m_downOnly; }

    // Decimals of the cost column (the money decimals).
    void setMoneyDecimals(int decimals);

    int totalCount() const { return m_list.total(); }
    const StockRow *rowAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void countChanged(int rows);
    void loadingFinished();

private:
    bool matches(const StockRow &row) const;
    void loadStep();
    bool filtered() const { return !m_text.isEmpty() || m_downOnly; }

    TDataFormSQL &m_data;
    RowCursor<StockRow> m_cursor;
    FilteredRows<StockRow> m_list;
    QString m_text;
    bool m_downOnly = false;
    int m_decimals = 2;
    bool m_loading = false;
    bool m_failed = false;
    QString m_error;
    static constexpr int kChunk = 2000;
    int m_chunk = kChunk;
    quint64 m_generation = 0;
};
