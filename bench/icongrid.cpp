// Times the icon finder's grid against the loopback fixture server that answers like the Iconify API:
//   section  - typing "arrow" into the tab until every tile in view shows its icon (the 300 ms wait
//              included), and then scrolled through half a page at a time until all 48 have drawn;
//   grid     - 48 result tiles all in view at once, from their creation until all 48 have drawn their icons.
// Prints the median and the range over the runs, in milliseconds. Usage: tessellon_bench_icongrid [RUNS]
#include "IconifyFixture.h"

#include "net/Endpoints.h"
#include "sections/icons/IconCell.h"
#include "sections/icons/IconFinderSection.h"
#include "widgets/TileGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextStream>

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

// Typing to every tile in view drawn, then scrolled to the end until all 48 are drawn.
std::pair<qint64, qint64> timeSection()
{
    IconFinderSection section([](const QString &) {});
    section.resize(276, 360);
    section.show();
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
    QScrollBar *bar = section.findChild<QScrollArea *>()->verticalScrollBar();
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

    QList<qint64> inView, scrolled, grid;
    for (int i = 0; i < runs; ++i) {
        const auto [view, all] = timeSection();
        inView.append(view);
        scrolled.append(all);
        grid.append(timeGrid(arrows));
    }
    QTextStream out(stdout);
    out << "scale " << qApp->devicePixelRatio() << ", " << runs << " runs" << Qt::endl;
    out << "section: typed to tiles in view drawn   " << summary(inView) << Qt::endl;
    out << "section: typed, scrolled, all 48 drawn  " << summary(scrolled) << Qt::endl;
    out << "grid:    48 tiles in view, all drawn     " << summary(grid) << Qt::endl;
    return 0;
}
