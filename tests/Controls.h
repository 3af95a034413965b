#pragma once
#include "TestMain.h"

// Finds a section's controls the way a screen reader does: by accessible name, or for a text button by its
// text. Returns null when none or more than one match, so a test fails on an ambiguous name too.
template <typename T = QWidget>
T *control(const QWidget *root, const QString &name)
{
    T *found = nullptr;
    for (T *candidate : root->findChildren<T *>()) {
        QString candidateName = candidate->accessibleName();
        if (candidateName.isEmpty()) {
            if (auto *button = qobject_cast<QAbstractButton *>(candidate))
                candidateName = button->text();
        }
        if (candidateName != name || !candidate->isVisibleTo(root))
            continue;
        if (found)
            return nullptr;
        found = candidate;
    }
    return found;
}

// Lets queued work land: controls added to a shown widget appear on the next pass of the event loop, and
// the ones they replace are deleted then.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QString clipboardText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data ? data->text() : QString();
}

// Collects what a section reports, as the panel's banner would show it.
struct NotifyLog {
    QStringList messages;
    auto callback()
    {
        return [this](const QString &message) { messages.append(message); };
    }
};

// Once the next menu pops up, presses its item of that name as a screen reader would; `pressed` tells
// whether it was there.
inline void pressItemOfNextMenu(const QString &item, bool &pressed)
{
    QTimer::singleShot(0, [&pressed, item] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QAccessibleInterface *menuInterface = menu ? QAccessible::queryAccessibleInterface(menu) : nullptr;
        for (int i = 0; menuInterface && i < menuInterface->childCount(); ++i) {
            QAccessibleInterface *entry = menuInterface->child(i);
            // As a screen reader finds it: a live item whose parent is this menu.
            if (!entry || !entry->isValid() || !entry->parent() || entry->parent()->object() != menu)
                return;
            if (entry->text(QAccessible::Name) == item && entry->actionInterface()) {
                entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                pressed = true;
                return;
            }
        }
    });
}

// Clicks the item of that name where the open menu shows it; whether it was there and the menu then closed.
inline bool clickItemOfOpenMenu(const QString &item)
{
    QMenu *menu = nullptr;
    if (!QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())); }) ||
        !QTest::qWaitForWindowExposed(menu))
        return false;
    for (QAction *action : menu->actions()) {
        if (action->text() == item) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return QTest::qWaitFor([] { return !QApplication::activePopupWidget(); });
        }
    }
    menu->close();
    return false;
}

// A button that opens a menu: clicked, then the item clicked.
inline bool clickMenuItem(QAbstractButton *opener, const QString &item)
{
    QTest::mouseClick(opener, Qt::LeftButton);
    return clickItemOfOpenMenu(item);
}

// Opens a widget's context menu as the Menu key does, then presses one of its items through the item's
// accessibility action: the path screen readers and voice control take, which triggers the action while
// the menu is still open. Whether the menu runs its own event loop or not, the press happens from the
// event loop. Returns whether the item was found and pressed, and the menu then closed.
// With `shiftF10`, the menu is opened by that key instead.
inline bool pressContextMenuItem(QWidget *widget, const QString &item, bool shiftF10 = false)
{
    bool pressed = false;
    pressItemOfNextMenu(item, pressed);
    const QPoint at = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
    if (shiftF10) {
        // A key goes to the widget with the focus, in the active window.
        widget->activateWindow();
        widget->setFocus(Qt::TabFocusReason);
        if (!QTest::qWaitFor([widget] { return widget->hasFocus(); }))
            return false;
        QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
    } else
        QApplication::sendEvent(widget, &event);
    return QTest::qWaitFor([&] { return pressed && !QApplication::activePopupWidget(); });
}

// The same by the pointer: a right click on the widget, then a left click on the item where the menu shows
// it. Returns whether the item was found and clicked, and the menu then closed.
inline bool clickContextMenuItem(QWidget *widget, const QString &item)
{
    const QPoint at = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    return clickItemOfOpenMenu(item);
}
