#pragma once

#include <QByteArray>
#include <QString>

// The one place that writes to the system clipboard. It never reads it.
namespace ClipboardService {

// Replaces the clipboard with one plain-text item.
void copy(const QString &text);

// SVG markup, kept apart from plain text so that the two copies are distinct overloads.
struct Svg {
    QString markup;
};

// Replaces the clipboard with one item carrying the markup both as plain text and as image/svg+xml,
// so that editors paste the code and image programs paste the picture.
void copy(const Svg &svg);

// An image, kept apart from text likewise: PNG bytes.
struct Png {
    QByteArray bytes;
};

// Replaces the clipboard with one item holding the image as image/png.
void copy(const Png &png);

} // namespace ClipboardService
