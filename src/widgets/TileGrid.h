#pragma once

#include <QAbstractButton>
#include <QLayout>
#include <QList>
#include <QPointer>

class QScrollArea;

// Lays items out in as many equal columns as fit, each column at least `minimumCellWidth` wide, the columns
// sharing the spare width; every item keeps its own size and sits centred in its cell, except that an item
// whose widget expands horizontally fills its cell's width. Used for the tile
// grids (glyphs, colour swatches, icons), whose column count follows the panel's width.
class AdaptiveGridLayout : public QLayout
{
public:
    AdaptiveGridLayout(int minimumCellWidth, int spacing, int rowSpacing, QWidget *parent = nullptr);
    ~AdaptiveGridLayout() override;

    static int columns(int width, int minimumCellWidth, int spacing);

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    QSize itemSize() const;
    int layoutItems(const QRect &rect, bool apply) const;

    QList<QLayoutItem *> m_items;
    int m_minimumCellWidth;
    int m_spacing;
    int m_rowSpacing;
};

// The small round delete button that appears at a removable tile's top-right corner while the pointer is
// over the tile (or over the button itself), drawn white on a half-transparent black disc. It lives beside
// the tile, in the tile's parent, so it can stick out past the tile's corner.
class HoverDeleteButton : public QAbstractButton
{
    Q_OBJECT

public:
    // `toolTip` is also the accessible name, since the button shows no text. The disc is `diameter` points
    // across, black at `opacity`, its top-right corner `offset` points right of and above the tile's.
    HoverDeleteButton(QWidget *tile, const QString &toolTip, int diameter = 11, qreal opacity = 0.5, int offset = 4);

    QSize sizeHint() const override { return {m_diameter + 4, m_diameter + 4}; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();
    void hideUnlessHovered();

    QPointer<QWidget> m_tile;
    int m_diameter;
    qreal m_opacity;
    int m_offset;
};

// Gives a tile a context menu of its actions (the mouse's right button, the Menu key, Shift+F10). The menu
// belongs to the tile's window and runs no event loop of its own: an item may remove the tile, and with it
// its actions, while the menu is still up (a screen reader presses items without closing the menu first),
// and a menu owned by the tile would then be deleted under its own feet.
void giveTileContextMenu(QWidget *tile);

// A frameless area that scrolls `grid` (which it takes) vertically, on the panel's own background. The tiles
// take the focus themselves, and the area scrolls to show the focused one.
QScrollArea *tileScrollArea(QWidget *grid, QWidget *parent);
