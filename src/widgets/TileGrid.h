#pragma once

// The tile grids' shared pieces: the adaptive grid, the hover delete button, the context menu, the scroll area,
// the keyboard's way through a grid, and the Tab order of a whole window.
#include "widgets/AdaptiveGridLayout.h"
#include "widgets/HoverDeleteButton.h"

#include <QList>

#include <functional>

class QScrollArea;
class QWidget;

// Gives a tile a context menu of its actions (the mouse's right button, the Menu key, Shift+F10). The menu
// belongs to the tile's window and runs no event loop of its own: an item may remove the tile, and with it
// its actions, while the menu is still up (a screen reader presses items without closing the menu first),
// and a menu owned by the tile would then be deleted under its own feet. `addActions`, when given, adds the
// tile's actions on the first opening.
void giveTileContextMenu(QWidget *tile, std::function<void()> addActions = {});

// A frameless area that scrolls `grid` (which it takes) vertically, on the panel's own background. The tiles
// take the focus themselves, and the area scrolls to show the focused one.
QScrollArea *tileScrollArea(QWidget *grid, QWidget *parent);

// Empties a tile grid. The tiles go later, not at once: the click that caused the rebuild may still be
// running inside one of them.
void clearTileGrid(QWidget *grid);

// A "Recent" caption over a navigable grid of removable tiles (`grid` receives it, named `gridName`), with
// room above the first row and `rightGutter` pixels right of the last column for the delete buttons that
// stick out of a tile's corner.
QWidget *recentTilesBlock(const QString &gridName, int tileWidth, int spacing, int rightGutter, QWidget **grid,
                          QWidget *parent);
// The same block under another caption.
QWidget *captionedTilesBlock(const QString &caption, const QString &gridName, int tileWidth, int spacing,
                             int rightGutter, QWidget **grid, QWidget *parent);

// Makes the tiles of `grid` (its child buttons that take the focus) one stop of the Tab key, as a list box
// is: only the grid's current tile is in the Tab order; the arrow keys move through the grid by rows and
// columns, Home and End go to the first and last tile, Enter or Space presses the tile. Tiles added later
// (a grid rebuilt on every keystroke of a search) join by themselves, and a new set starts at the first.
void makeTileGridNavigable(QWidget *grid);

// Sets the Tab order of everything under `root` to reading order: the order of its layouts, top to bottom
// and left to right, with widgets outside any layout after those in it. Qt appends every new widget to the
// end of the chain, so a section's tiles, added as results arrive, would otherwise come after whatever was
// made before them, the footer's buttons included.
void applyReadingOrder(QWidget *root);
// The widgets under `root` that take the focus, in that order.
QList<QWidget *> focusableInReadingOrder(QWidget *root);
