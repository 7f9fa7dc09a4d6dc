#include "LayoutPlace.h"

#include <QBoxLayout>
#include <QWidget>

namespace LayoutPlace {

QBoxLayout *holding(QWidget *root, QWidget *widget, int *at)
{
    if (!root || !widget)
        return nullptr;
    for (QBoxLayout *l : root->findChildren<QBoxLayout *>()) {
        const int index = l->indexOf(widget);
        if (index >= 0) {
            *at = index;
            return l;
        }
    }
    return nullptr;
}

bool after(QWidget *root, QWidget *anchor, const QList<QWidget *> &widgets)
{
    int at = -1;
    QBoxLayout *layout = holding(root, anchor, &at);
    if (!layout)
        return false;
    for (QWidget *w : widgets)
        layout->insertWidget(++at, w);
    return true;
}

} // namespace LayoutPlace
