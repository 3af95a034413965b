#pragma once

// Shared by the fuzz targets: turning bytes into texts, and stopping loudly when an invariant breaks.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// A text from raw bytes. An odd first byte reads the rest as UTF-16 code units, so lone surrogates and
// any code point are reachable; an even one reads it as UTF-8, as pasted text mostly is.
inline QString text(const uint8_t *data, size_t size)
{
    if (size == 0)
        return {};
    if (data[0] % 2 == 1)
        return QString(reinterpret_cast<const QChar *>(data + 1), qsizetype((size - 1) / 2));
    return QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
}

[[noreturn]] inline void fail(const char *invariant)
{
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

inline void check(bool holds, const char *invariant)
{
    if (!holds)
        fail(invariant);
}

} // namespace fuzz
