// Times the icon finder's grid against the loopback fixture server that answers like the Iconify API:
//   section  - typing "arrow" into the tab until every tile in view shows its icon (the 300 ms wait
//              included), and then scrolled through half a page at a time until all 48 have drawn;
//   grid     - 48 result tiles all in view at once, from their creation until all 48 have drawn their icons;
//   repeat   - the same text typed again: requests sent, and the time from the end of the 300 ms wait until
//              every tile in view has drawn (from the session's memory);
//   more     - "Show more": from the press until the tiles of the new page in view have drawn, and the
//              longest the event loop stood still meanwhile;
//   memory   - resident memory after ten searches of 48 icons each and three "Show more", above that after
//              the first search (printed once).
// Prints the median and the range over the runs, in milliseconds. Usage: tessellon_bench_icongrid [RUNS]
#include "IconifyFixture.h"

#include "net/Endpoints.h"
#include "net/ReplyCache.h"
#include "sections/icons/IconCell.h"
#include "sections/icons/IconFinderSection.h"
#include "stores/RecentIconsStore.h"
#include "widgets/TileGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <set>

namespace {

// Records which tiles have been painted with their icon.
class PaintWatch : public QObject
{
public:
    std::set<IconCell *> drawn;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *cell = static_cast<IconCell *>(watched);
            if (cell->state() != IconCell::State::loading)
                drawn.insert(cell);
        }
        return false;
    }
};

void runUntil(const std::function<bool()> &done)
{
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

QList<IconCell *> watchCells(QWidget *root, PaintWatch &watch)
{
    const QList<IconCell *> cells = root->findChildren<IconCell *>();
    for (IconCell *cell : cells)
        cell->installEventFilter(&watch);
    return cells;
}

// The tab as the panel shows it, with recent icons of its own; `debounce` -1 keeps the real wait.
struct Tab {
    RecentIconsStore recents;
    IconFinderSection section{[](const QString &) {}, recents};

    Tab(int height, int debounce = -1)
    {
        if (debounce >= 0)
            section.setDebounceInterval(debounce);
        section.resize(276, height);
        section.show();
    }
};

bool allInViewDrawn(const QList<IconCell *> &cells, const PaintWatch &watch)
{
    return std::all_of(cells.begin(), cells.end(),
                       [&](IconCell *c) { return c->visibleRegion().isEmpty() || watch.drawn.count(c); });
}

// Typing to every tile in view drawn, then scrolled to the end until all 48 are drawn.
std::pair<qint64, qint64> timeSection()
{
    IconifyService::replyCache().clear();
    Tab tab(360);
    IconFinderSection &section = tab.section;
    QCoreApplication::processEvents();
    PaintWatch watch;
    QElapsedTimer timer;
    timer.start();
    section.findChild<QLineEdit *>()->setText(QStringLiteral("arrow"));
    QList<IconCell *> cells;
    runUntil([&] {
        if (cells.isEmpty())
            cells = watchCells(&section, watch);
        return cells.size() == 48 && std::all_of(cells.begin(), cells.end(), [&](IconCell *c) {
                   return c->visibleRegion().isEmpty() || watch.drawn.count(c);
               });
    });
    const qint64 inView = timer.elapsed();
    // Scrolled as a reader would: on by half a page once the tiles in view have drawn. A tile that passes by
    // before its icon arrives cancels its fetch, so a fling alone would leave tiles undrawn.
    QScrollBar *bar = section.findChild<QScrollArea *>(QStringLiteral("iconResults"))->verticalScrollBar();
    while (watch.drawn.size() < 48 && bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + bar->pageStep() / 2);
        runUntil([&] {
            return std::all_of(cells.begin(), cells.end(),
                               [&](IconCell *c) { return c->visibleRegion().isEmpty() || watch.drawn.count(c); });
        });
    }
    runUntil([&] { return watch.drawn.size() == 48; });
    return {inView, timer.elapsed()};
}

// The same text again, after the field was emptied: requests sent, and the time past the 300 ms wait until
// the tiles in view have drawn.
std::pair<qsizetype, qint64> timeRepeat(IconifyFixture &fixture)
{
    Tab tab(360);
    IconFinderSection &section = tab.section;
    auto *field = section.findChild<QLineEdit *>();
    field->setText(QStringLiteral("arrow"));
    PaintWatch first;
    QList<IconCell *> cells;
    runUntil([&] { return (cells = watchCells(&section, first)).size() == 48 && allInViewDrawn(cells, first); });
    field->clear();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const qsizetype before = fixture.requests.size();
    QElapsedTimer timer;
    timer.start();
    field->setText(QStringLiteral("arrow"));
    cells.clear();
    // Drawn from memory so soon that a tile may paint before it is watched: its icon in place is the mark.
    runUntil([&] {
        if (cells.size() != 48)
            cells = section.findChildren<IconCell *>();
        return cells.size() == 48 && std::all_of(cells.begin(), cells.end(), [](IconCell *c) {
                   return c->visibleRegion().isEmpty() || c->state() != IconCell::State::loading;
               });
    });
    QCoreApplication::processEvents();
    return {fixture.requests.size() - before, timer.elapsed() - IconFinderSection::kDebounceMs};
}

// Answers every search with `total` made-up icons in pages, each with an SVG of a real icon's size, so any
// number of distinct searches and pages can be had.
void serveMadeUpIcons(IconifyFixture &fixture, int total)
{
    fixture.fallback = [total](const QByteArray &target) {
        if (target.endsWith(".svg"))
            return HttpFixture::Response{200,
                                         "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\"><path d=\"M" +
                                             target.right(12).toHex() +
                                             " 4h8v8h-8z M3 3l18 18\" fill=\"none\" "
                                             "stroke=\"currentColor\" stroke-width=\"2\"/></svg>",
                                         "image/svg+xml"};
        const int start = IconifyFixture::formValue(target, "start").toInt();
        const QString query = IconifyFixture::formValue(target, "query");
        QJsonArray icons;
        for (int i = start; i < qMin(start + 48, total); ++i)
            icons.append(QStringLiteral("made:%1-%2").arg(query).arg(i));
        return HttpFixture::Response{
            200,
            QJsonDocument(QJsonObject{{QStringLiteral("icons"), icons}, {QStringLiteral("total"), total}}).toJson(),
            "application/json"};
    };
}

// "Show more" pressed: the press until the new page's tiles in view have drawn (the grid scrolled to the
// first of them), and the longest gap between two turns of the event loop meanwhile.
std::pair<qint64, qint64> timeMore()
{
    IconifyService::replyCache().clear();
    Tab tab(420, 0);
    IconFinderSection &section = tab.section;
    section.findChild<QLineEdit *>()->setText(QStringLiteral("bench"));
    PaintWatch watch;
    runUntil([&] { return section.findChildren<IconCell *>().size() == 48; });
    QElapsedTimer timer;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, timer.elapsed() - lastTick);
        lastTick = timer.elapsed();
    });
    ticker.start(1);
    timer.start();
    section.findChild<QPushButton *>()->click();
    QList<IconCell *> fresh;
    runUntil([&] {
        if (fresh.isEmpty() && section.findChildren<IconCell *>().size() == 96) {
            fresh = section.findChildren<IconCell *>().mid(48);
            for (IconCell *cell : std::as_const(fresh))
                cell->installEventFilter(&watch);
            section.findChild<QScrollArea *>(QStringLiteral("iconResults"))->ensureWidgetVisible(fresh.first(), 0, 0);
        }
        return !fresh.isEmpty() && allInViewDrawn(fresh, watch) && !fresh.first()->visibleRegion().isEmpty();
    });
    const qint64 elapsed = timer.elapsed();
    return {elapsed, longestGap};
}

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Ten searches of 48 icons, every tile drawn, and three "Show more": the growth of resident memory after
// the first search, in KiB.
qint64 memoryGrowth()
{
    IconifyService::replyCache().clear();
    Tab tab(360, 0);
    IconFinderSection &section = tab.section;
    auto *field = section.findChild<QLineEdit *>();
    QScrollBar *bar = section.findChild<QScrollArea *>(QStringLiteral("iconResults"))->verticalScrollBar();
    const auto searchAndDraw = [&](const QString &text) {
        field->setText(text);
        runUntil([&] { return section.findChildren<IconCell *>(QString(), Qt::FindChildrenRecursively).size() >= 48; });
        for (bar->setValue(0);; bar->setValue(bar->value() + bar->pageStep() / 2)) {
            runUntil([&] {
                const QList<IconCell *> cells = section.findChildren<IconCell *>();
                return std::all_of(cells.begin(), cells.end(), [](IconCell *c) {
                    return c->visibleRegion().isEmpty() || c->state() != IconCell::State::loading;
                });
            });
            if (bar->value() >= bar->maximum())
                break;
        }
    };
    searchAndDraw(QStringLiteral("first"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const qint64 base = residentKiB();
    for (int i = 1; i < 10; ++i)
        searchAndDraw(QStringLiteral("search%1").arg(i));
    for (int i = 0; i < 3; ++i) {
        const qsizetype before = section.findChildren<IconCell *>().size();
        section.findChild<QPushButton *>()->click();
        runUntil([&] { return section.findChildren<IconCell *>().size() > before; });
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return residentKiB() - base;
}

// 48 tiles all in view: creation to all drawn.
qint64 timeGrid(const QStringList &ids)
{
    QWidget grid;
    auto *layout = new AdaptiveGridLayout(IconCell::kMinimumWidth, 6, 6, &grid);
    grid.resize(8 * 50, 6 * 46);
    grid.show();
    QCoreApplication::processEvents();
    PaintWatch watch;
    QElapsedTimer timer;
    timer.start();
    QList<IconCell *> cells;
    for (const QString &id : ids) {
        auto *cell = new IconCell({id.section(QLatin1Char(':'), 0, 0), id.section(QLatin1Char(':'), 1)}, &grid);
        cell->installEventFilter(&watch);
        layout->addWidget(cell);
        cells.append(cell);
    }
    // The section does this from its layout; here every tile is in view.
    QCoreApplication::processEvents();
    for (IconCell *cell : std::as_const(cells))
        cell->setOnScreen(true);
    runUntil([&] { return watch.drawn.size() == size_t(cells.size()); });
    return timer.elapsed();
}

QString summary(QList<qint64> times)
{
    std::sort(times.begin(), times.end());
    return QStringLiteral("median %1 ms (min %2, max %3)")
        .arg(times[times.size() / 2])
        .arg(times.first())
        .arg(times.last());
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15;
    IconifyFixture fixture;
    Endpoints::overrideForTesting({{}, {}, {}, fixture.base()});
    QStringList arrows = fixture.allIcons();
    arrows.removeIf([](const QString &id) { return !id.contains(QLatin1String("arrow")); });
    arrows = arrows.mid(0, 48);

    QList<qint64> inView, scrolled, grid, repeat, requests, more, stall;
    for (int i = 0; i < runs; ++i) {
        const auto [view, all] = timeSection();
        inView.append(view);
        scrolled.append(all);
        IconifyService::replyCache().clear();
        grid.append(timeGrid(arrows));
        const auto [sent, again] = timeRepeat(fixture);
        requests.append(sent);
        repeat.append(again);
    }
    const auto iconSets = fixture.fallback;
    serveMadeUpIcons(fixture, 1204);
    for (int i = 0; i < runs; ++i) {
        const auto [shown, gap] = timeMore();
        more.append(shown);
        stall.append(gap);
    }
    const qint64 growth = memoryGrowth();
    fixture.fallback = iconSets;
    QTextStream out(stdout);
    out << "scale " << qApp->devicePixelRatio() << ", " << runs << " runs" << Qt::endl;
    out << "section: typed to tiles in view drawn   " << summary(inView) << Qt::endl;
    out << "section: typed, scrolled, all 48 drawn  " << summary(scrolled) << Qt::endl;
    out << "grid:    48 tiles in view, all drawn     " << summary(grid) << Qt::endl;
    std::sort(requests.begin(), requests.end());
    out << "repeat:  requests sent (most of any run)  " << requests.last() << Qt::endl;
    out << "repeat:  after the wait, tiles in view    " << summary(repeat) << Qt::endl;
    out << "more:    press to new tiles in view drawn " << summary(more) << Qt::endl;
    out << "more:    longest event-loop stall         " << summary(stall) << Qt::endl;
    out << "memory:  10 searches + 3 pages, RSS growth " << growth / 1024.0 << " MiB" << Qt::endl;
    return 0;
}
