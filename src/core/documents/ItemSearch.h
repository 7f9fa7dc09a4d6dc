#pragma once

#include "DocumentKinds.h"
#include "Documents.h"

#include <QList>
#include <QString>

#include <optional>

class TDataFormSQL;

// Where the search for an item through the documents of a kind stands: a
// document and its line with the item.
struct ItemSearchHit
{
    int InvID = 0;
    int lineId = 0;   // the line's ID
    double Rate1 = 0; // the line's rate (the price peek)
};

// The search for an item (by its exact code) through the documents of one
// kind, in the order of the documents list, from the newest back.
class ItemSearch
{
public:
    ItemSearch(TDataFormSQL &data, DocKind kind);

    // The InvIDs of the kind in the order of the documents list.
    QList<int> order() const;
    // The lines of the document with the item, in grid order.
    QList<DocumentLine> matchingLines(int invId, const QString &code) const;

    // A code was chosen: the last document when it has the item, else the
    // latest earlier one that has it (its first matching line). Nothing
    // when no document has it; the page then shows the first document.
    std::optional<ItemSearchHit> start(const QString &code) const;
    // "Find Previous Item": the next matching line of the same document
    // after lineId; after its last one (or with lineId 0), the first
    // matching line of the latest earlier document that has the item.
    // Nothing when no earlier document has it.
    std::optional<ItemSearchHit> previous(int invId, int lineId, const QString &code) const;
    // The latest document before invId (in list order) that has the item.
    std::optional<ItemSearchHit> latestBefore(int invId, const QString &code) const;

    // The price peek: two random digits (0 to 8) and the rate with the
    // money decimals. The digits hide where the price starts.
    static QString pricePeekText(double rate, int decimals);
    static QString pricePeekText(double rate, int decimals, int digit1, int digit2);

    QString lastErrorText() const { return m_error; }

private:
    // The documents that have a line with the item.
    QList<int> withItem(const QString &code) const;
    // The first matching line of the latest of order[0 .. before-1] that
    // has the item.
    std::optional<ItemSearchHit> latestAmong(const QList<int> &order, qsizetype before,
                                             const QString &code) const;

    TDataFormSQL &m_data;
    DocKind m_kind;
    mutable QString m_error;
};
