#include "net/ClipboardService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringEncoder>

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
