#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStringList>
#include <QWidget>

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
