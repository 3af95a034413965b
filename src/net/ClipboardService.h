#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The one place that writes to the system clipboard. It never reads it.
namespace ClipboardService {

// Replaces the clipboard with one plain-text item.
void copy(const QString &text);

// Copies the text as copy() does; where `focused` is given, not before it says that the program holds the
// focus (a display server may ignore a copy made while another program, a colour picker, has it).
// `done(true)` once copied; `done(false)`, with the clipboard untouched, when no focus came within `waitMs`.
void copyOnceFocused(const QString &text, const std::function<bool()> &focused,
                     const std::function<void(bool copied)> &done, int waitMs = 5000);

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
