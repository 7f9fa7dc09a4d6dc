#include "DocumentLineDelegate.h"

#include "DocumentLinesModel.h"

#include <QLineEdit>

QWidget *DocumentLineDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor);
        line && index.column() == DocumentLinesModel::Note)
        line->setMaxLength(kNoteLength);
    return editor;
}
