#pragma once

#include <QList>

class QBoxLayout;
class QWidget;

// Placing widgets of one part of the program into the layout of a page
// another part built: next to a widget the page has.
namespace LayoutPlace {

// The box layout under root that holds widget directly, and its position
// there (nullptr when no box layout holds it).
QBoxLayout *holding(QWidget *root, QWidget *widget, int *at);

// Puts the widgets, in order, right after anchor in anchor's box layout
// under root. False (nothing placed) when anchor is in no box layout.
bool after(QWidget *root, QWidget *anchor, const QList<QWidget *> &widgets);

} // namespace LayoutPlace
