#pragma once

// The tile grids' shared pieces: the adaptive grid, the hover delete button, the context menu, the scroll area.
#include "widgets/AdaptiveGridLayout.h"
#include "widgets/HoverDeleteButton.h"

class QScrollArea;
class QWidget;

// Gives a tile a context menu of its actions (the mouse's right button, the Menu key, Shift+F10). The menu
// belongs to the tile's window and runs no event loop of its own: an item may remove the tile, and with it
// its actions, while the menu is still up (a screen reader presses items without closing the menu first),
// and a menu owned by the tile would then be deleted under its own feet.
void giveTileContextMenu(QWidget *tile);

// A frameless area that scrolls `grid` (which it takes) vertically, on the panel's own background. The tiles
// take the focus themselves, and the area scrolls to show the focused one.
QScrollArea *tileScrollArea(QWidget *grid, QWidget *parent);
