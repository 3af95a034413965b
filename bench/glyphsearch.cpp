// Times the glyph search beyond the catalogue in one fresh process, on the tab itself, offscreen:
//   first  - the first search that needs the character names (typing "space" as one edit): from the edit
//            until every result tile in view has painted, the names' loading included;
//   later  - each further keystroke ("s", "h", "i", "f", "t" after a fresh "arrow"): the worst of them;
//   rss    - resident memory after the first search (tiles drawn, their fonts loaded), above that before it;
//   names  - with the argument "names", in a process of its own: what the names alone add, read by a search
//            of the same text without the tab (KiB).
// Prints "first MS later MS rss KIB", or "names KIB"; bench/glyphsearch.sh runs it several times.
#include "core/glyphs/UnicodeNames.h"
#include "sections/glyphs/GlyphTile.h"
#include "sections/glyphs/GlyphsSection.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTextStream>

#include <set>

namespace {

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// Milliseconds from `edit` until every result tile in view has painted.
qint64 timeToDrawn(GlyphsSection &section, const std::function<void()> &edit)
{
    std::set<QObject *> painted;
    struct Watch : QObject {
        std::set<QObject *> *painted;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                painted->insert(o);
            return false;
        }
    } watch;
    watch.painted = &painted;
    QElapsedTimer timer;
    timer.start();
    edit();
    QList<GlyphTile *> inView;
    for (GlyphTile *tile : section.findChildren<GlyphTile *>()) {
        tile->installEventFilter(&watch);
        if (!tile->visibleRegion().isEmpty())
            inView.append(tile);
    }
    while (timer.elapsed() < 10000 &&
           !std::all_of(inView.begin(), inView.end(), [&](GlyphTile *t) { return painted.count(t) > 0; }))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return timer.elapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    RecentGlyphsStore recents;
    GlyphsSection section([](const QString &) {}, recents);
    section.resize(276, 420);
    section.show();
    QCoreApplication::processEvents();
    auto *field = section.findChild<QLineEdit *>();
    const qint64 before = residentKiB();
    if (UnicodeNames::isLoaded())
        qFatal("the character names were in memory before the first search");
    if (app.arguments().contains(QStringLiteral("names"))) {
        UnicodeNames::search(QStringLiteral("space"));
        QTextStream(stdout) << "names " << residentKiB() - before << Qt::endl;
        return 0;
    }
    const qint64 first = timeToDrawn(section, [field] { field->setText(QStringLiteral("space")); });
    const qint64 grown = residentKiB() - before;
    field->setText(QStringLiteral("arrow"));
    QCoreApplication::processEvents();
    qint64 later = 0;
    for (const char *key : {"s", "h", "i", "f", "t"})
        later = qMax(later, timeToDrawn(section, [field, key] { field->insert(QLatin1String(key)); }));
    QTextStream(stdout) << "first " << first << " later " << later << " rss " << grown << Qt::endl;
    return 0;
}
