#include "widgets/TileGrid.h"

#include "widgets/Layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

// The name of the tile a rebuilt grid gives the focus to, kept on the grid meanwhile.
constexpr char kTileToFocus[] = "tileToFocus";

// The Menu key reaches a tile as a context-menu event; Shift+F10, its stand-in on keyboards without one, does
// not by itself. One filter serves every tile: a grid can hold a hundred of them.
class ShiftF10 : public QObject
{
public:
    static ShiftF10 &instance()
    {
        static auto *filter = new ShiftF10(QCoreApplication::instance());
        return *filter;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
            return false;
        auto *tile = static_cast<QWidget *>(watched);
        Q_EMIT tile->customContextMenuRequested(tile->rect().center());
        return true;
    }

private:
    using QObject::QObject;
};

} // namespace

void giveTileContextMenu(QWidget *tile, std::function<void()> addActions)
{
    tile->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(tile, &QWidget::customContextMenuRequested, tile,
                     [tile, addActions = std::move(addActions)](const QPoint &at) mutable {
                         // Made on the first opening: most tiles of a search are never asked for their menu.
                         if (addActions)
                             std::exchange(addActions, {})();
                         // One menu a tile, kept for the next opening: what a screen reader is shown of a
                         // menu's items is tied to the menu they were first shown in, so a menu made afresh
                         // each time would offer it the items of one already gone.
                         auto *menu = tile->findChild<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
                         if (!menu) {
                             menu = new QMenu(tile);
                             // An item pressed without a click (by a screen reader) closes the menu too.
                             QObject::connect(menu, &QMenu::triggered, menu, &QMenu::close);
                         }
                         if (menu->actions() != tile->actions()) {
                             menu->clear();
                             menu->addActions(tile->actions());
                         }
                         menu->popup(tile->mapToGlobal(at));
                     });
    tile->installEventFilter(&ShiftF10::instance());
}

void clearTileGrid(QWidget *grid)
{
    // The keyboard stays in a grid rebuilt under it (a pressed recent tile moves to the front): the grid's
    // navigator gives the focus to the new tile of the same name.
    if (const QWidget *focused = QApplication::focusWidget(); focused && focused->parentWidget() == grid)
        grid->setProperty(kTileToFocus, focused->accessibleName());
    QLayout *layout = grid->layout();
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}

QWidget *recentTilesBlock(const QString &gridName, int tileWidth, int spacing, int rightGutter, QWidget **grid,
                          QWidget *parent)
{
    return captionedTilesBlock(QCoreApplication::translate("TileGrid", "Recent"), gridName, tileWidth, spacing,
                               rightGutter, grid, parent);
}

QWidget *captionedTilesBlock(const QString &caption, const QString &gridName, int tileWidth, int spacing,
                             int rightGutter, QWidget **grid, QWidget *parent)
{
    auto *block = new QWidget(parent);
    auto *layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *label = new QLabel(caption, block);
    label->setFont(Style::font(Style::TextStyle::Caption, QFont::DemiBold));
    Style::applyTone(label, Style::Tone::Secondary);
    layout->addWidget(label);
    *grid = new QWidget(block);
    (*grid)->setObjectName(gridName);
    auto *gridLayout = new AdaptiveGridLayout(tileWidth, spacing, spacing, *grid);
    gridLayout->setContentsMargins(0, 5, rightGutter, 0);
    makeTileGridNavigable(*grid);
    layout->addWidget(*grid);
    return block;
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

namespace {

// Direct child widgets in the order of the widget's layouts, then those outside any layout.
QList<QWidget *> childrenInLayoutOrder(QWidget *widget)
{
    QList<QWidget *> ordered;
    const std::function<void(QLayout *)> walk = [&](QLayout *layout) {
        for (int i = 0; layout && i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            if (QWidget *child = item->widget())
                ordered.append(child);
            else if (QLayout *inner = item->layout())
                walk(inner);
        }
    };
    walk(widget->layout());
    for (QObject *object : widget->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow() && !ordered.contains(child))
            ordered.append(child);
    }
    return ordered;
}

void collectFocusable(QWidget *widget, QList<QWidget *> &out)
{
    for (QWidget *child : childrenInLayoutOrder(widget)) {
        if (child->isWindow())
            continue;
        if (child->focusPolicy() != Qt::NoFocus && !child->focusProxy())
            out.append(child);
        collectFocusable(child, out);
    }
}

class TileGridNavigator : public QObject
{
public:
    explicit TileGridNavigator(QWidget *grid) : QObject(grid), m_grid(grid)
    {
        grid->installEventFilter(this);
        refresh();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_grid) {
            if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved ||
                event->type() == QEvent::LayoutRequest)
                scheduleRefresh();
            return false;
        }
        auto *tile = qobject_cast<QAbstractButton *>(watched);
        if (!tile || tile->parentWidget() != m_grid)
            return false;
        if (event->type() == QEvent::FocusIn) {
            makeCurrent(tile);
        } else if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->modifiers() & ~(Qt::KeypadModifier))
                return false;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                tile->animateClick();
                return true;
            }
            QAbstractButton *target = neighbour(tile, key->key());
            if (!target)
                return false;
            if (target != tile)
                moveTo(target);
            return true;
        }
        return false;
    }

private:
    void scheduleRefresh()
    {
        if (m_refreshPending)
            return;
        m_refreshPending = true;
        // Later: a tile announces itself before its constructor has set its focus policy.
        QTimer::singleShot(0, this, [this] {
            m_refreshPending = false;
            refresh();
        });
    }

    QList<QAbstractButton *> tiles() const
    {
        QList<QAbstractButton *> list;
        for (QWidget *child : childrenInLayoutOrder(m_grid)) {
            auto *tile = qobject_cast<QAbstractButton *>(child);
            if (tile && tile->focusPolicy() != Qt::NoFocus && !tile->isHidden())
                list.append(tile);
        }
        return list;
    }

    void refresh()
    {
        const QList<QAbstractButton *> all = tiles();
        const QString toFocus = m_grid->property(kTileToFocus).toString();
        const auto named = std::find_if(all.begin(), all.end(), [&toFocus](const QAbstractButton *tile) {
            return !toFocus.isEmpty() && tile->accessibleName() == toFocus;
        });
        QAbstractButton *focusNow = named == all.end() ? nullptr : *named;
        // New tiles show a turn after they come: until then the one to focus may be among them.
        const auto coming = [](const QWidget *w) {
            return w->isHidden() && !w->testAttribute(Qt::WA_WState_ExplicitShowHide);
        };
        const QList<QWidget *> children = m_grid->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        if (!toFocus.isEmpty() && !focusNow && std::any_of(children.begin(), children.end(), coming))
            scheduleRefresh();
        else
            m_grid->setProperty(kTileToFocus, QVariant());
        if (focusNow)
            m_current = focusNow;
        if (!m_current || !all.contains(m_current.data()))
            m_current = all.isEmpty() ? nullptr : all.first();
        for (QAbstractButton *tile : all) {
            if (!tile->property("tileNavigation").toBool()) {
                tile->setProperty("tileNavigation", true);
                tile->installEventFilter(this);
            }
            tile->setFocusPolicy(tile == m_current ? Qt::StrongFocus : Qt::ClickFocus);
        }
        if (focusNow)
            moveTo(focusNow);
    }

    void makeCurrent(QAbstractButton *tile)
    {
        if (m_current == tile)
            return;
        if (m_current)
            m_current->setFocusPolicy(Qt::ClickFocus);
        m_current = tile;
        tile->setFocusPolicy(Qt::StrongFocus);
    }

    void moveTo(QAbstractButton *tile)
    {
        makeCurrent(tile);
        tile->setFocus(Qt::TabFocusReason);
        for (QWidget *up = m_grid->parentWidget(); up; up = up->parentWidget()) {
            if (auto *scroll = qobject_cast<QScrollArea *>(up)) {
                scroll->ensureWidgetVisible(tile, 0, 4);
                break;
            }
        }
    }

    // The tile the key leads to: the same one at an edge, none for a key that is not ours.
    QAbstractButton *neighbour(QAbstractButton *from, int key) const
    {
        const QList<QAbstractButton *> all = tiles();
        const qsizetype index = all.indexOf(from);
        if (index < 0)
            return nullptr;
        switch (key) {
        case Qt::Key_Left:
            return all.at(qMax<qsizetype>(0, index - 1));
        case Qt::Key_Right:
            return all.at(qMin(all.size() - 1, index + 1));
        case Qt::Key_Home:
            return all.first();
        case Qt::Key_End:
            return all.last();
        case Qt::Key_Up:
        case Qt::Key_Down:
            break;
        default:
            return nullptr;
        }
        // The nearest row above or below, and in it the tile nearest in x.
        const QRect at = from->geometry();
        const bool down = key == Qt::Key_Down;
        int rowTop = down ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
        for (QAbstractButton *tile : all) {
            const int top = tile->geometry().top();
            if (down ? (top > at.top() && top < rowTop) : (top < at.top() && top > rowTop))
                rowTop = top;
        }
        QAbstractButton *best = from;
        int bestDistance = std::numeric_limits<int>::max();
        for (QAbstractButton *tile : all) {
            if (tile->geometry().top() != rowTop)
                continue;
            const int distance = std::abs(tile->geometry().center().x() - at.center().x());
            if (distance < bestDistance) {
                best = tile;
                bestDistance = distance;
            }
        }
        return best;
    }

    QWidget *m_grid;
    QPointer<QAbstractButton> m_current;
    bool m_refreshPending = false;
};

} // namespace

void makeTileGridNavigable(QWidget *grid)
{
    if (grid->property("tileGrid").toBool())
        return;
    grid->setProperty("tileGrid", true);
    new TileGridNavigator(grid);
}

QList<QWidget *> focusableInReadingOrder(QWidget *root)
{
    QList<QWidget *> chain;
    collectFocusable(root, chain);
    return chain;
}

void applyReadingOrder(QWidget *root)
{
    const QList<QWidget *> chain = focusableInReadingOrder(root);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}
