#include "widgets/TileGrid.h"

#include <QMenu>
#include <QScrollArea>
#include <QWidget>

void giveTileContextMenu(QWidget *tile)
{
    tile->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(tile, &QWidget::customContextMenuRequested, tile, [tile](const QPoint &at) {
        auto *menu = new QMenu(tile->window());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addActions(tile->actions());
        // An item pressed without a click (by a screen reader) closes the menu too.
        QObject::connect(menu, &QMenu::triggered, menu, &QMenu::close);
        menu->popup(tile->mapToGlobal(at));
    });
}

QScrollArea *tileScrollArea(QWidget *grid, QWidget *parent)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    grid->setAutoFillBackground(false);
    scroll->setWidget(grid);
    return scroll;
}
