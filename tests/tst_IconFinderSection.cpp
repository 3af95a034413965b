#include "Controls.h"
#include "FakeFileManager.h"
#include "IconifyFixture.h"
#include "TestHome.h"
#include "TestMain.h"

#include "desktop/portal/ColorSchemeFollower.h"
#include "net/ClipboardService.h"
#include "net/Endpoints.h"
#include "net/ReplyCache.h"
#include "sections/icons/IconCell.h"
#include "sections/icons/IconFinderSection.h"
#include "stores/RecentIconsStore.h"
#include "widgets/SegmentedControl.h"
#include "widgets/Spinner.h"
#include "widgets/TileGrid.h"

#include <QSvgRenderer>

Q_DECLARE_METATYPE(HttpFixture::Response)

namespace {

const QString kHint = QStringLiteral("Type to search Lucide, Heroicons, Tabler, Material\u2026");
const QString kNoIcons = QStringLiteral("No icons found");
const QString kProgress = QStringLiteral("progress");
const QString kGrid = QStringLiteral("grid");

// Waits this long to see that something does not happen: twice the debounce.
// The search waits this long after the last keystroke in these tests, not its real 300 ms.
constexpr int kDebounceMs = 60;
constexpr int kQuietMs = 2 * kDebounceMs;

struct Fixture {
    NotifyLog log;
    RecentIconsStore recents;
    std::unique_ptr<IconFinderSection> section = std::make_unique<IconFinderSection>(log.callback(), recents);

    Fixture()
    {
        section->setDebounceInterval(kDebounceMs);
        section->resize(276, 360);
        section->show();
        settle();
    }

    QLineEdit *field() const { return control<QLineEdit>(section.get(), QStringLiteral("Search icons")); }
    SegmentedControl *actions() const
    {
        return control<SegmentedControl>(section.get(), QStringLiteral("Click action"));
    }

    void type(const QString &text) const
    {
        field()->setFocus();
        // Key by key where the test keyboard can; other characters arrive as one input, like a paste.
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
            QTest::keyClicks(field(), text);
        else
            field()->insert(text);
        settle();
    }

    // What the content area shows: the progress row, the grid, or the caption's text.
    QString state() const
    {
        settle();
        if (section->findChild<QWidget *>(QStringLiteral("searchProgress"))->isVisible())
            return kProgress;
        if (section->findChild<QScrollArea *>(QStringLiteral("iconResults"))->isVisible())
            return kGrid;
        for (QLabel *label : section->findChildren<QLabel *>()) {
            if (label->isVisible() && label->alignment() == Qt::AlignCenter)
                return label->text();
        }
        return {};
    }

    QList<IconCell *> cells() const
    {
        settle();
        QList<IconCell *> list = section->findChild<QWidget *>(QStringLiteral("iconGrid"))->findChildren<IconCell *>();
        list.removeIf([this](IconCell *c) { return !c->isVisibleTo(section.get()); });
        return list;
    }
    QStringList cellIds() const
    {
        QStringList ids;
        for (IconCell *cell : cells())
            ids.append(cell->accessibleName());
        return ids;
    }
    IconCell *cell(const QString &id) const { return control<IconCell>(section.get(), id); }
    QPushButton *moreButton() const { return section->findChild<QPushButton *>(); }
    // The line under the grid with its button's text ("48 of 1,204 | Show more"); empty when hidden.
    QString moreRow() const
    {
        settle();
        const auto *label = moreButton()->parentWidget()->findChild<QLabel *>();
        return !label->isVisible()        ? QString()
               : moreButton()->isHidden() ? label->text()
                                          : label->text() + QStringLiteral(" | ") + moreButton()->text();
    }
    // The set chips' texts, the chosen one marked "*".
    QStringList chips() const
    {
        settle();
        QStringList texts;
        for (auto *chip :
             section->findChild<QScrollArea *>(QStringLiteral("iconSets"))->findChildren<SegmentButton *>())
            texts.append((chip->isChecked() ? QStringLiteral("*") : QString()) + chip->text());
        return texts;
    }
    // Searches for `text` and waits for the tile of `id`.
    IconCell *find(const QString &text, const QString &id) const
    {
        type(text);
        return QTest::qWaitFor([&] { return cell(id) != nullptr; }, 10000) ? cell(id) : nullptr;
    }
};

// The box of pixels in `area` at least a fifth of the way from `face` to `ink` (by grey level), and whether
// each of them has the colour of the ink laid over the face at that coverage (an icon drawn in its own
// colours does not).
std::pair<QRect, bool> inkBox(const QImage &image, const QRect &area, QRgb face, QRgb ink)
{
    QRect box;
    bool inkOnly = true;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const qreal cover = qreal(qGray(pixel) - qGray(face)) / (qGray(ink) - qGray(face));
            if (cover <= 0.2)
                continue;
            box |= QRect(x, y, 1, 1);
            const auto mix = [cover](int f, int i) { return qRound(f + (i - f) * qMin(cover, 1.0)); };
            inkOnly = inkOnly && qAbs(qRed(pixel) - mix(qRed(face), qRed(ink))) <= 12 &&
                      qAbs(qBlue(pixel) - mix(qBlue(face), qBlue(ink))) <= 12;
        }
    }
    return {box, inkOnly};
}

} // namespace

class tst_IconFinderSection : public QObject
{
    Q_OBJECT

    PrivateBus m_bus{QStringLiteral("files")};
    FakeFileManager m_fileManager;
    IconifyFixture m_fixture;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_fileManager.serveOn(m_bus));
        QVERIFY(m_fixture.isListening());
    }

    void init()
    {
        Endpoints::overrideForTesting({{}, {}, {}, m_fixture.base()});
        m_fixture.clearRoutes();
        m_fixture.requests.clear();
        m_fileManager.shown.clear();
        QDir(testHome.path() + QStringLiteral("/Downloads")).removeRecursively();
        QApplication::setPalette(QPalette());
        IconifyService::replyCache().clear();
        RecentIconsStore recents;
        for (const QString &icon : QStringList(recents.icons()))
            recents.remove(icon);
    }

    // What a typed text ends in, which searches reached the service, and what the banner said.
    void searchOutcomes_data()
    {
        // reply: status 0: the icon sets answer
        columns<QString, HttpFixture::Response, QString, QStringList, QStringList>("typed", "reply", "state",
                                                                                   "searches", "messages");
        const HttpFixture::Response sets{.status = 0};
        QTest::newRow("spaces and tabs") << " \t a \t" << sets << kHint << QStringList{} << QStringList{};
        QTest::newRow("one accented letter") << "e\u0301" << sets << kHint << QStringList{} << QStringList{};
        QTest::newRow("one emoji") << "\U0001F44D" << sets << kHint << QStringList{} << QStringList{};
        QTest::newRow("two letters, trimmed") << "\t ho " << sets << kGrid << QStringList{"ho"} << QStringList{};
        testRow("inner space kept", "arrow down", sets, kGrid, QStringList{"arrow down"}, QStringList{});
        QTest::newRow("no match") << "zzzz" << sets << kNoIcons << QStringList{"zzzz"} << QStringList{};
        testRow("server error", "home", HttpFixture::Response{500, "oops", "text/plain"}, kNoIcons, QStringList{"home"},
                QStringList{"Search failed \u2014 Iconify returned HTTP 500."});
    }

    void searchOutcomes()
    {
        auto [typed, reply, state, searches, messages] =
            fetch<QString, HttpFixture::Response, QString, QStringList, QStringList>("typed", "reply", "state",
                                                                                     "searches", "messages");
        if (reply.status)
            m_fixture.route("/search", reply);
        Fixture f;
        f.type(typed);
        if (searches.isEmpty()) {
            QCOMPARE(f.state(), state);
            QVERIFY(!QTest::qWaitFor([this] { return !m_fixture.requests.isEmpty(); }, kQuietMs));
        } else {
            // Asked only after the wait; from then on the progress row shows until the reply is in.
            QTRY_COMPARE(m_fixture.searches(), searches);
            QTRY_COMPARE(f.state(), state);
        }
        QCOMPARE(m_fixture.searches(), searches);
        QCOMPARE(f.log.messages, messages);
    }

    // Typing quickly asks once, for the last text; while the wait runs the earlier results stay; then the
    // progress row stands in until the reply. Too short a text clears at once.
    void typingWaitsThenAsksOnce()
    {
        Fixture f;
        f.type(QStringLiteral("home"));
        QTRY_COMPARE(f.state(), kGrid);
        QCOMPARE(m_fixture.searches(), QStringList{"home"});
        const QStringList homeIcons = f.cellIds();
        QVERIFY(homeIcons.contains(QStringLiteral("mdi:home")));

        m_fixture.route("/search", HttpFixture::Response{.body = R"({"icons":["mdi:home-account"]})", .delayMs = 400});
        f.type(QStringLiteral("-account"));
        QCOMPARE(f.state(), kGrid);
        QCOMPARE(f.cellIds(), homeIcons);
        QTRY_COMPARE(f.state(), kProgress);
        QTRY_COMPARE(f.state(), kGrid);
        QCOMPARE(f.cellIds(), QStringList{"mdi:home-account"});
        QCOMPARE(m_fixture.searches(), (QStringList{"home", "home-account"}));
        // Down to one character the results go at once, with no search; two again wait on an empty row.
        f.field()->setText(QStringLiteral("h"));
        QCOMPARE(f.state(), kHint);
        f.type(QStringLiteral("o"));
        QCOMPARE(f.state(), kNoIcons);
        QTRY_COMPARE(f.state(), kGrid);
        QCOMPARE(m_fixture.searches(), (QStringList{"home", "home-account", "ho"}));
    }

    // A search overtaken by a newer text never reports, fails or not, and never replaces the newer results.
    void supersededSearchesStaySilent_data()
    {
        QTest::addColumn<HttpFixture::Response>("staleReply");
        QTest::newRow("failing") << HttpFixture::Response{.status = 500, .body = "oops", .delayMs = 300};
        QTest::newRow("succeeding") << HttpFixture::Response{.body = R"({"icons":["mdi:bell"]})", .delayMs = 300};
        QTest::newRow("stalled") << HttpFixture::Response{.stall = true};
    }

    void supersededSearchesStaySilent()
    {
        QFETCH(HttpFixture::Response, staleReply);
        m_fixture.route("/search?query=ar&limit=48", staleReply);
        Fixture f;
        f.type(QStringLiteral("ar"));
        // The first search is at the service when the text changes.
        QTRY_COMPARE(m_fixture.searches(), QStringList{"ar"});
        QCOMPARE(f.state(), kProgress);
        f.type(QStringLiteral("row"));
        QTRY_COMPARE(f.state(), kGrid);
        const QStringList arrows = f.cellIds();
        QCOMPARE(arrows.size(), 48);
        QVERIFY(!QTest::qWaitFor([&f] { return !f.log.messages.isEmpty(); }, staleReply.delayMs + kQuietMs));
        QCOMPARE(f.cellIds(), arrows);
        QCOMPARE(m_fixture.searches(), (QStringList{"ar", "arrow"}));
    }

    // The pages of a search, from a service that counts `total` results in three sets ("a", "b", "c", by
    // turns; one set alone when asked for one): what the line under the grid says after `presses` of its
    // button, and how many tiles there are.
    void pages_data()
    {
        // total: as the reply gives it; failing: the page from which replies fail; chip: the set chosen first
        columns<QString, int, int, QString, QString, int>("total", "presses", "failing", "chip", "row", "tiles");
        testRow("first page", "1204", 0, 0, "", "48 of 1,204 | Show more", 48);
        testRow("next page", "1204", 1, 0, "", "96 of 1,204 | Show more", 96);
        testRow("last page", "60", 1, 0, "", "60 of 60", 60);
        testRow("total smaller than a page", "20", 0, 0, "", "", 20);
        testRow("the service's maximum", "5000", 20, 0, "",
                "999 of 5,000 \u2014 Iconify lists no more; narrow the search", 999);
        testRow("a failed page, then its retry", "1204", 2, 48, "", "48 of 1,204 | Retry", 48);
        testRow("a filter, then Show more", "1204", 1, 0, "Set B 16", "96 of 1,204 | Show more", 96);
        testRow("no believable total", "-5", 1, 0, "", "96 shown | Show more", 96);
        testRow("a total below what came", "3", 0, 0, "", "", 48);
        testRow("a count of just the page: perhaps more", "48", 0, 0, "", "48 shown | Show more", 48);
        testRow("and then no more", "48", 1, 0, "", "", 48);
    }

    void pages()
    {
        auto [count, presses, failing, chip, row, tiles] =
            fetch<QString, int, int, QString, QString, int>("total", "presses", "failing", "chip", "row", "tiles");
        const QByteArray total = count.toUtf8();
        const auto iconSets = std::exchange(m_fixture.fallback, [total](const QByteArray &target) {
            const int start = IconifyFixture::formValue(target, "start").toInt();
            const QString prefix = IconifyFixture::formValue(target, "prefix");
            QJsonArray icons;
            // Counts below 10 (a nonsense one among them) stand beside a service that has plenty.
            const int available = total.toInt() >= 10 ? total.toInt() : 10000;
            for (int i = start; i < qMin(start + 48, available); ++i)
                icons.append((prefix.isEmpty() ? QString(QChar(u'a' + i % 3)) : prefix) +
                             QStringLiteral(":i%1").arg(i));
            const QByteArray sets = R"("collections":{"a":{"name":"Set A"},"b":{"name":"Set B"},"c":{"name":"Set C"}})";
            if (target.endsWith(".svg"))
                return HttpFixture::Response{200, "<svg viewBox=\"0 0 1 1\"/>", "image/svg+xml"};
            return HttpFixture::Response{
                200, R"({"total":)" + total + R"(,"icons":)" + QJsonDocument(icons).toJson() + "," + sets + "}",
                "application/json"};
        });
        const auto restore = qScopeGuard([&] { m_fixture.fallback = iconSets; });
        if (failing)
            m_fixture.route("/search?query=gen&limit=48&start=" + QByteArray::number(failing),
                            {500, "oops", "text/plain"});
        Fixture f;
        f.type(QStringLiteral("gen"));
        QTRY_COMPARE(f.state(), kGrid);
        if (!chip.isEmpty()) {
            QCOMPARE(f.chips(), (QStringList{"*All", "Set A 16", "Set B 16", "Set C 16"}));
            for (auto *button :
                 f.section->findChild<QScrollArea *>(QStringLiteral("iconSets"))->findChildren<SegmentButton *>())
                if (button->text() == chip)
                    QTest::mouseClick(button, Qt::LeftButton);
            QTRY_VERIFY(f.chips().contains(QStringLiteral("*") + chip));
            QTRY_VERIFY(f.cellIds().value(0).startsWith(QLatin1String("b:")));
        }
        for (int i = 0; i < presses; ++i) {
            QTest::mouseClick(f.moreButton(), Qt::LeftButton);
            QTRY_VERIFY(!f.moreRow().endsWith(QStringLiteral("Loading\u2026")));
        }
        QCOMPARE(f.moreRow(), row);
        QCOMPARE(f.cells().size(), tiles);
        QCOMPARE(f.cellIds().removeDuplicates(), 0);
        if (!chip.isEmpty())
            QVERIFY(m_fixture.requests.contains("/search?query=gen&limit=48&start=48&prefix=b"));
        if (failing) {
            QCOMPARE(f.log.messages.last(), QStringLiteral("More results failed \u2014 Iconify returned HTTP 500."));
            m_fixture.clearRoutes();
            QTest::mouseClick(f.moreButton(), Qt::LeftButton);
            QTRY_COMPARE(f.cells().size(), 96);
        }
    }

    // The keyboard stays where the user works: the last page's button goes, and the focus goes on to the
    // first icon it brought, in view (not to the panel's next control); chips rebuilt for a new search leave
    // it in the field, not on the chip it last visited.
    void keyboardStaysOnTheWork()
    {
        Fixture f;
        f.section->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.section.get()));
        f.type(QStringLiteral("arrow"));
        QTRY_COMPARE(f.moreRow(), QStringLiteral("48 of 56 | Show more"));
        // Moved by the keyboard (a Tab), by way of a set chip.
        QTest::keyClick(f.field(), Qt::Key_Tab);
        f.section->findChild<QScrollArea *>(QStringLiteral("iconSets"))->findChild<SegmentButton *>()->setFocus();
        f.moreButton()->setFocus();
        QTest::keyClick(f.moreButton(), Qt::Key_Space);
        QTRY_COMPARE(f.cells().size(), 56);
        QCOMPARE(QApplication::focusWidget(), f.cells().at(48));
        QTRY_VERIFY(!f.cells().at(48)->visibleRegion().isEmpty());
        f.field()->clear();
        f.type(QStringLiteral("home"));
        QTRY_COMPARE(f.chips().size(), 4);
        QCOMPARE(QApplication::focusWidget(), f.field());
    }

    // The icons last copied or saved: above the hint while nothing is typed, under the results otherwise;
    // each goes by its menu (the delete button is the recent glyphs' and colours' own). One whose icon is gone
    // shows as failed and can still be removed.
    void recentIcons()
    {
        Fixture f;
        f.recents.add(QStringLiteral("gone:icon"));
        QTest::mouseClick(f.find(QStringLiteral("house"), QStringLiteral("lucide:house")), Qt::LeftButton);
        QTRY_COMPARE(f.recents.icons(), (QStringList{"lucide:house", "gone:icon"}));
        auto *recentGrid = f.section->findChild<QWidget *>(QStringLiteral("recentIcons"));
        const auto recentTile = [&](const QString &name) {
            settle();
            for (auto *tile : recentGrid->findChildren<IconCell *>())
                if (tile->accessibleName() == name && tile->isVisibleTo(f.section.get()))
                    return tile;
            return static_cast<IconCell *>(nullptr);
        };
        const auto top = [&f](QWidget *w) { return w->mapTo(f.section.get(), QPoint()).y(); };
        QVERIFY(recentTile(QStringLiteral("gone:icon")) && recentTile(QStringLiteral("lucide:house")));
        QVERIFY(top(recentGrid) > top(f.section->findChild<QWidget *>(QStringLiteral("iconGrid"))));
        f.field()->clear();
        QCOMPARE(f.state(), kHint);
        for (QLabel *label : f.section->findChildren<QLabel *>())
            QVERIFY(label->text() != kHint || top(recentGrid) < top(label));

        QTRY_COMPARE(recentTile(QStringLiteral("gone:icon"))->state(), IconCell::State::failed);
        for (const QString &icon : {QStringLiteral("lucide:house"), QStringLiteral("gone:icon")})
            QVERIFY(pressContextMenuItem(recentTile(icon), QStringLiteral("Remove")));
        QTRY_VERIFY(!recentGrid->isVisibleTo(f.section.get()));
        QCOMPARE(RecentIconsStore().icons(), QStringList{});
    }

    // Tiles fetch their icons only once they are in view, and again when they come back into it.
    void tilesLoadWhenScrolledIntoView()
    {
        m_fixture.route(
            "/lucide/a-arrow-down.svg",
            {.body = m_fixture.svg("lucide", "a-arrow-down"), .contentType = "image/svg+xml", .delayMs = 400});
        Fixture f;
        f.type(QStringLiteral("arrow"));
        QTRY_COMPARE(f.state(), kGrid);
        const QList<IconCell *> cells = f.cells();
        QCOMPARE(cells.size(), 48);
        QTRY_VERIFY(m_fixture.requests.contains("/lucide/a-arrow-down.svg"));
        // What was asked for is what came in view: never the tiles far below (on a slow machine some
        // requests may still be on their way, so the counts are not compared).
        auto requested = [this](IconCell *cell) {
            return m_fixture.requests.contains("/" + cell->accessibleName().replace(u':', u'/').toUtf8() + ".svg");
        };
        QVERIFY2(m_fixture.svgRequests() < 48, "every tile loaded although most are out of view");
        QVERIFY(!requested(cells.last()));
        QCOMPARE(cells.last()->state(), IconCell::State::loading);
        // Waiting out of view, it does not animate either.
        QVERIFY(!cells.last()->findChild<Spinner *>()->isVisible());

        QScrollBar *bar = f.section->findChild<QScrollArea *>(QStringLiteral("iconResults"))->verticalScrollBar();
        bar->setValue(bar->maximum());
        QTRY_COMPARE(cells.last()->state(), IconCell::State::shown);
        QVERIFY(requested(cells.last()));
        // One that left the view before its icon came cancelled the fetch, and fetches again when back.
        bar->setValue(0);
        QTRY_COMPARE(cells.first()->state(), IconCell::State::shown);
        QTRY_COMPARE(m_fixture.requests.count("/lucide/a-arrow-down.svg"), 2);
    }

    // Each form, by a click with the control set to it or from the tile's menu by pointer or keyboard
    // (whatever the control says, here Download): its clipboard and banner; a download is shown in the file
    // manager. (Free names are the Downloads folder's own test.)
    void copyForms_data()
    {
        // trigger: "click N": the control's segment N; else the menu item; clipboard: empty: left alone
        columns<QString, bool, QString, QString>("trigger", "byKeyboard", "clipboard", "message");
        const QString markup =
            QString::fromUtf8(IconifyFixture().svg(QStringLiteral("lucide"), QStringLiteral("house")));
        const QString base64 = IconifyService::base64DataURI(markup);
        const QString compact = IconifyService::compactDataURI(markup);
        const QString copied = QStringLiteral("Copied lucide:house");
        const QString copiedUri = QStringLiteral("Copied data URI \u2014 lucide:house");
        const QString saved = QStringLiteral("Saved lucide-house.svg to Downloads");
        QTest::newRow("SVG, click") << "click 0" << false << markup << copied;
        QTest::newRow("data URI, click") << "click 1" << false << base64 << copiedUri;
        QTest::newRow("download, click") << "click 2" << false << QString() << saved;
        QTest::newRow("SVG, menu by keyboard") << "Copy SVG" << true << markup << copied;
        QTest::newRow("data URI, menu by mouse") << "Copy data URI" << false << base64 << copiedUri;
        QTest::newRow("download, menu by keyboard") << "Download SVG" << true << QString() << saved;
        QTest::newRow("name, menu by mouse") << "Copy name" << false << "lucide:house" << copied;
        // The PNG is the tile's own drawing (the template test's), at the stated size at the screen's scale.
        testRow("PNG, menu by keyboard", "Copy as PNG", true, "image/png", "Copied lucide:house as PNG");
        testRow("compact data URI, menu by keyboard", "Copy compact data URI", true, compact,
                QStringLiteral("Copied compact data URI \u2014 lucide:house, %1 bytes, %2 % smaller than base64")
                    .arg(compact.size())
                    .arg(qRound(100.0 * double(base64.size() - compact.size()) / double(base64.size()))));
    }

    void copyForms()
    {
        auto [trigger, byKeyboard, clipboard, message] =
            fetch<QString, bool, QString, QString>("trigger", "byKeyboard", "clipboard", "message");
        ClipboardService::copy(QStringLiteral("before"));
        Fixture f;
        IconCell *cell = f.find(QStringLiteral("house"), QStringLiteral("lucide:house"));
        QVERIFY(cell);
        if (trigger.startsWith(QLatin1String("click "))) {
            QTest::mouseClick(f.actions()->button(trigger.back().digitValue()), Qt::LeftButton);
            QTest::mouseClick(cell, Qt::LeftButton);
        } else {
            QTest::mouseClick(f.actions()->button(2), Qt::LeftButton);
            QVERIFY(byKeyboard ? pressContextMenuItem(cell, trigger) : clickContextMenuItem(cell, trigger));
        }
        QTRY_COMPARE(f.log.messages, QStringList{message});
        const int side = qRound(IconFinderSection::kPngSize * f.section->devicePixelRatioF());
        if (clipboard == QLatin1String("image/png"))
            QCOMPARE(QImage::fromData(QGuiApplication::clipboard()->mimeData()->data(clipboard)).size(),
                     QSize(side, side));
        else
            QCOMPARE(clipboardText(), clipboard.isEmpty() ? QStringLiteral("before") : clipboard);
        if (trigger == QLatin1String("click 0"))
            QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml")),
                     clipboard.toUtf8());
        const QString downloads = testHome.path() + QStringLiteral("/Downloads/");
        const bool saves = message.startsWith(QLatin1String("Saved"));
        QCOMPARE(QDir(downloads).entryList(QDir::Files), saves ? QStringList{"lucide-house.svg"} : QStringList{});
        if (saves)
            QTRY_COMPARE(m_fileManager.shown,
                         QStringList{QUrl::fromLocalFile(downloads + "lucide-house.svg").toString()});
    }

    // A click keeps the action it started with, and reports even after the tab has gone.
    void tapKeepsItsActionAndOutlivesTheSection()
    {
        Fixture f;
        IconCell *cell = f.find(QStringLiteral("house"), QStringLiteral("lucide:house"));
        m_fixture.route("/lucide/house.svg",
                        {.body = m_fixture.svg("lucide", "house"), .contentType = "image/svg+xml", .delayMs = 300});
        QTest::mouseClick(cell, Qt::LeftButton);
        QTest::mouseClick(f.actions()->button(2), Qt::LeftButton);
        f.section.reset();
        QTRY_COMPARE(f.log.messages, QStringList{"Copied lucide:house"});
        QCOMPARE(clipboardText().toUtf8(), m_fixture.svg("lucide", "house"));
        QVERIFY(QDir(testHome.path() + QStringLiteral("/Downloads")).isEmpty());
    }

    // A tile whose icon cannot be had shows the failed state; a click still tries, and says why not.
    void failingTiles_data()
    {
        columns<HttpFixture::Response, QString>("reply", "message");
        testRow("404", HttpFixture::Response{404, "Not found", "text/plain"},
                "Failed \u2014 Iconify returned HTTP 404.");
        QTest::newRow("broken SVG") << HttpFixture::Response{200, "<svg><path d=", "image/svg+xml"} << QString();
    }

    void failingTiles()
    {
        auto [reply, message] = fetch<HttpFixture::Response, QString>("reply", "message");
        m_fixture.route("/lucide/house.svg", reply);
        ClipboardService::copy(QStringLiteral("before"));
        Fixture f;
        IconCell *broken = f.find(QStringLiteral("house"), QStringLiteral("lucide:house"));
        QTRY_COMPARE(broken->state(), IconCell::State::failed);
        if (message.isEmpty())
            return;
        QTest::mouseClick(broken, Qt::LeftButton);
        QTRY_COMPARE(f.log.messages, QStringList{message});
        QCOMPARE(clipboardText(), QStringLiteral("before"));
    }

    // Real icons of a stroke set, a fill set and one wider than high (width "1em", a viewBox, currentColor),
    // light and dark, are drawn in the text colour over the very box the SVG covers when rendered directly
    // at the screen's scale: on a HiDPI screen (the HiDPI run of this test) sharp, not enlarged.
    void tilesDrawIconsAsTemplates_data()
    {
        columns<QString, bool>("id", "dark");
        QTest::newRow("lucide:house") << "lucide:house" << false;
        QTest::newRow("wide:banner") << "wide:banner" << false;
        QTest::newRow("lucide:house dark") << "lucide:house" << true;
    }

    void tilesDrawIconsAsTemplates()
    {
        auto [id, dark] = fetch<QString, bool>("id", "dark");
        const QByteArray wide =
            R"(<svg xmlns="http://www.w3.org/2000/svg" width="2em" height="1em" viewBox="0 0 48 24">)"
            R"(<rect x="2" y="2" width="44" height="20" rx="4" fill="none" stroke="currentColor" stroke-width="2"/></svg>)";
        m_fixture.route("/wide/banner.svg", {200, wide, "image/svg+xml"});
        m_fixture.route("/search", {200, "{\"icons\":[\"" + id.toUtf8() + "\"]}", "application/json"});
        QApplication::setPalette(dark ? ColorSchemeFollower::darkPalette() : QPalette());
        Fixture f;
        IconCell *cell = f.find(QStringLiteral("icon"), id);
        QTRY_COMPARE(cell->state(), IconCell::State::shown);

        const qreal scale = cell->devicePixelRatioF();
        QImage tile(cell->size() * scale, QImage::Format_ARGB32_Premultiplied);
        tile.setDevicePixelRatio(scale);
        tile.fill(cell->palette().color(QPalette::Window));
        QPainter(&tile).drawPixmap(0, 0, cell->grab());
        const QRgb face = tile.pixel(tile.width() / 2, int(2 * scale));
        const QRgb text = Style::color(cell->palette(), Style::Tone::Primary).rgb();
        const QByteArray markup =
            id.startsWith(QLatin1String("wide")) ? wide : m_fixture.svg(id.section(':', 0, 0), id.section(':', 1));
        QSvgRenderer renderer(markup);
        const int side = int(26 * scale);
        QImage reference(renderer.viewBoxF().size().scaled(QSizeF(side, side), Qt::KeepAspectRatio).toSize(),
                         QImage::Format_ARGB32_Premultiplied);
        reference.fill(Qt::white);
        {
            QPainter painter(&reference);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
        }
        // Inside the face's rounded corners, where only the icon can differ from the face colour.
        const auto [ink, inked] =
            inkBox(tile, tile.rect().adjusted(6 * scale, 6 * scale, -6 * scale, -6 * scale), face, text);
        QVERIFY2(inked, "drawn in other colours than the text colour");
        QCOMPARE(ink.size(), inkBox(reference, reference.rect(), qRgb(255, 255, 255), qRgb(0, 0, 0)).first.size());
    }
};

TESSELLON_TEST(tst_IconFinderSection)
#include "tst_IconFinderSection.moc"
