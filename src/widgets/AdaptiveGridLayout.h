#pragma once

#include <QLayout>
#include <QList>

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
