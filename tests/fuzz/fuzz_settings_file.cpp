// A settings file in any state (hand-edited, truncated, binary): the stores load whatever they can, and
// what they then write reads back as exactly what they hold.

#include "FuzzInput.h"

#include "stores/RecentColorsStore.h"
#include "stores/RecentGlyphsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString settingsFile;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    QDir().mkpath(home.path() + QStringLiteral("/.config/Tessellon"));
    settingsFile = home.path() + QStringLiteral("/.config/Tessellon/Tessellon.conf");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(settingsFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fuzz::fail("the settings file can be written");
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    RecentColorsStore colors;
    RecentGlyphsStore glyphs;
    colors.add(QStringLiteral("#12ab34"));
    glyphs.add(QStringLiteral("→"));
    fuzz::check(colors.items().first() == QStringLiteral("#12AB34"), "a colour added comes first, upper-cased");
    fuzz::check(glyphs.items().first() == QStringLiteral("→"), "a glyph added comes first");
    fuzz::check(colors.items().size() <= 10 && glyphs.items().size() <= 12, "an added item trims to the cap");
    RecentColorsStore colorsAgain;
    RecentGlyphsStore glyphsAgain;
    fuzz::check(colorsAgain.items() == colors.items(), "the colours read back as written");
    fuzz::check(glyphsAgain.items() == glyphs.items(), "the glyphs read back as written");
    return 0;
}
