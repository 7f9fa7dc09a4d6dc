#pragma once

#include <QStyledItemDelegate>

// The cell editors of the lines grids: the note takes no more than the
// line table keeps.
class DocumentLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kNoteLength = 25;
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
};
