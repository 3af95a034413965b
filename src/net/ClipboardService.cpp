#include "net/ClipboardService.h"

#include "core/Session.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringEncoder>
#include <QTimer>
#include <QWindow>

namespace ClipboardService {

namespace {

// setMimeData() replaces every representation at once, which is the "clear, then write" the tools rely on.
void replaceClipboard(QMimeData *data)
{
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

} // namespace

void copy(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    replaceClipboard(data);
}

bool copyNeedsFocus()
{
    return Session::isWayland();
}

void copyOnceFocused(const QString &text, bool needsFocus, const std::function<void(bool copied)> &done, int waitMs)
{
    if (!needsFocus || QGuiApplication::focusWindow()) {
        copy(text);
        done(true);
        return;
    }
    // Whichever comes first, the focus or the end of the wait, answers; the other then finds it gone.
    auto *wait = new QTimer(QCoreApplication::instance());
    wait->setSingleShot(true);
    const auto answer = [wait, text, done](bool copied) {
        if (copied)
            copy(text);
        // Answered once: a second change of focus before the timer goes must find nothing to call.
        QObject::disconnect(wait, nullptr, nullptr, nullptr);
        QObject::disconnect(qGuiApp, nullptr, wait, nullptr);
        wait->deleteLater();
        done(copied);
    };
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, wait, [answer](QWindow *window) {
        if (window)
            answer(true);
    });
    QObject::connect(wait, &QTimer::timeout, wait, [answer] { answer(false); });
    wait->start(waitMs);
}

void copy(const Svg &svg)
{
    auto *data = new QMimeData;
    data->setText(svg.markup);
    // A lone surrogate cannot be encoded without loss; then the item stays text-only rather than
    // offering an image that differs from the text.
    QStringEncoder encoder(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(svg.markup);
    if (!encoder.hasError())
        data->setData(QStringLiteral("image/svg+xml"), bytes);
    replaceClipboard(data);
}

void copy(const Png &png)
{
    auto *data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png.bytes);
    replaceClipboard(data);
}

} // namespace ClipboardService
