#pragma once

class QMenu;
class TDataFormSQL;

// The stock and cost entries of the main window's popup menu for the
// current document line: "Quantity: " with the stock on hand of the item
// (ticked, or unticked with "!!!!!!!!!!" when sold beyond stock) and
// "Rate: " with its unit cost. The entries are the menu's actions named
// QuantityMenu and RateMenu, added when the menu has none yet. itemId 0 (no
// current line, another page) empties and hides them.
void addLinePopupEntries(QMenu *menu, TDataFormSQL &data, int itemId);
