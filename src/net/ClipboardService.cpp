#include "net/ClipboardService.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringEncoder>
#include <QTimer>

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

void copyOnceFocused(const QString &text, const std::function<bool()> &focused,
                     const std::function<void(bool copied)> &done, int waitMs)
{
    if (!focused || focused()) {
        copy(text);
        done(true);
        return;
    }
    // The focus can come without a signal of ours (the compositor counting our window active), so it is
    // looked for every few milliseconds, until it is there or the wait is over.
    constexpr int kFocusLookMs = 20;
    auto *look = new QTimer(QCoreApplication::instance());
    QElapsedTimer waited;
    waited.start();
    QObject::connect(look, &QTimer::timeout, look, [look, waited, text, focused, done, waitMs] {
        const bool copied = focused();
        if (!copied && !waited.hasExpired(waitMs))
            return;
        // Answered once: stopped before anything the answer may do.
        look->stop();
        look->deleteLater();
        if (copied)
            copy(text);
        done(copied);
    });
    look->start(kFocusLookMs);
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
