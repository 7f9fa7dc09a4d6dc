#pragma once

#include "FilteredRows.h"
#include "items/Catalogue.h"

#include <QAbstractTableModel>
#include <QList>

#include <vector>

class TDataFormSQL;

// The items list of the catalogue page and the item picker. The rows are
// read once, in chunks between which the window keeps painting, and kept
// in memory; the search filter is a list of row positions over them, so
// typing never goes back to the database and never copies the rows.
class CatalogueModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Code, Description, Location, Kind, Size, NotLes, Rate, IsService, OfCount, ColumnCount };

    explicit CatalogueModel(TDataFormSQL &data, QObject *parent = nullptr);

    // The columns shown, in order (all of Column by default).
    void setColumns(const QList<int> &columns);
    int columnOf(int column) const { return m_columns.indexOf(column); }

    // Reads the list again: the first chunk now, the rest in later steps.
    void reload();
    // Reads what is still missing now.
    void finishLoading();
    bool isLoading() const { return m_loading; }
    bool loadFailed() const { return m_failed; }
    // Rows per chunk (the last chunk may be shorter); by default the
    // chunk follows the reading speed so that one step takes about 30 ms.
    void setChunkSize(int rows)
    {
        m_chunk = rows;
        m_fixedChunk = rows > 0;
    }

    // Substring match on code, description, kind name or location; an
    // empty text lists every item.
    void setFilterText(const QString &text);
    QString filterText() const { return m_filter; }

    // Every listed item, before the filter.
    int totalCount() const { return m_list.total(); }
    int itemIdAt(int row) const;
    const CatalogueRow *rowAt(int row) const;
    int rowOfItem(int itemId) const;

    // Takes a saved item into the list (or reloads while still reading).
    void refreshItem(int itemId);
    void removeItem(int itemId);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The number of rows shown changed (load steps, filter, edits).
    void countChanged(int rows);
    void loadingFinished();

private:
    bool matches(const CatalogueRow &row) const;
    void loadStep();
    void rebuildVisible();

    TDataFormSQL &m_data;
    Catalogue m_catalogue;
    QList<int> m_columns;
    FilteredRows<CatalogueRow> m_list;
    QString m_filter;
    bool m_loading = false;
    bool m_failed = false;
    static constexpr int kFirstChunk = 2000;
    static constexpr double kStepNanoseconds = 30e6;
    int m_chunk = kFirstChunk;
    bool m_fixedChunk = false;
    bool m_reserved = false;
    quint64 m_generation = 0;
};
