#pragma once

#include <QStringList>

// The keyboard layouts of the system: the installed layouts by their
// language names, layout 0 taken as the English one and layout 1 as the
// Arabic one, and switching between them.
//
// Qt offers no portable way to list or activate keyboard layouts. Where the
// platform gives us nothing, the list is empty and activating does nothing
// but remember the wish (so that a window or a test can see which layout the
// program asked for); the user then switches with the system's own key.
namespace KeyboardLayout {

constexpr int kMaxLayouts = 40;

// The installed layouts (at most kMaxLayouts), in the order of the system.
QStringList layouts();
// Asks the system to activate layout `index`. False when there is no such
// layout or the platform cannot switch; failures are otherwise ignored.
bool activate(int index);
// The layout last asked for (-1 before any request).
int requested();

} // namespace KeyboardLayout
