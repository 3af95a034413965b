#include "sections/icons/IconFinderSection.h"

#include "core/text/Characters.h"
#include "net/ClipboardService.h"
#include "sections/DownloadNotice.h"
#include "sections/MainInput.h"
#include "sections/icons/IconCell.h"
#include "stores/RecentIconsStore.h"
#include "widgets/Layout.h"
#include "widgets/SegmentedControl.h"
#include "widgets/Spinner.h"
#include "widgets/TileGrid.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

using IconifyService::IconID;

namespace {

constexpr int kTileSpacing = 6;
// Right of the last column of recent icons: room for the delete buttons that stick out of a tile's corner.
constexpr int kRecentGutter = 4;

// Spaces and tabs only: a line break is part of the text.
QString trimSpacesAndTabs(const QString &text)
{
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blank(text.at(begin)))
        ++begin;
    while (end > begin && blank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// At least two user-perceived characters: an emoji or a letter with its accent counts once.
bool isLongEnough(const QString &text)
{
    return Characters::count(text) >= 2;
}

} // namespace

QString IconFinderSection::rawValue(ClickAction action)
{
    switch (action) {
    case ClickAction::svgMarkup:
        return QStringLiteral("SVG");
    case ClickAction::dataURI:
        return tr("Data URI");
    case ClickAction::download:
        return tr("Download");
    }
    return {};
}

const QList<IconFinderSection::ClickAction> &IconFinderSection::allClickActions()
{
    static const QList<ClickAction> actions = {ClickAction::svgMarkup, ClickAction::dataURI, ClickAction::download};
    return actions;
}

IconFinderSection::IconFinderSection(Notify notify, RecentIconsStore &recents, QWidget *parent)
    : QWidget(parent), m_notify(std::move(notify)), m_recents(recents)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(sectionTitle(tr("Icon Finder"), QStringLiteral("magnifyingglass"), this));

    m_search = new QLineEdit(this);
    markMainInput(m_search);
    m_search->setPlaceholderText(tr("Search 200k+ icons\u2026"));
    m_search->setAccessibleName(tr("Search icons"));
    m_search->setClearButtonEnabled(true);
    connect(m_search, &QLineEdit::textChanged, this, &IconFinderSection::runSearch);
    layout->addWidget(m_search);

    m_actionControl = new SegmentedControl(tr("Click action"), this);
    QList<SegmentedControl::Segment> segments;
    for (ClickAction action : allClickActions())
        segments.append({rawValue(action)});
    m_actionControl->setSegments(segments, int(allClickActions().indexOf(m_action)));
    connect(m_actionControl, &SegmentedControl::currentIndexChanged, this,
            [this](int index) { m_action = allClickActions().at(index); });
    layout->addWidget(m_actionControl);

    // The sets of the results, to search within one: a row of chips that scrolls sideways when they are many.
    m_setControl = new SegmentedControl(tr("Icon set"), this);
    connect(m_setControl, &SegmentedControl::currentIndexChanged, this, &IconFinderSection::chooseSet);
    m_setScroll = tileScrollArea(m_setControl, this);
    m_setScroll->setObjectName(QStringLiteral("iconSets"));
    m_setScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_setScroll->setFixedHeight(Style::kMinimumTarget);
    m_setScroll->viewport()->installEventFilter(this);
    layout->addWidget(m_setScroll);

    m_spinnerRow = new QWidget(this);
    m_spinnerRow->setObjectName(QStringLiteral("searchProgress"));
    m_spinnerRow->setFixedHeight(kRowHeight);
    auto *spinnerLayout = new QHBoxLayout(m_spinnerRow);
    spinnerLayout->setContentsMargins(0, 0, 0, 0);
    spinnerLayout->addWidget(new Spinner(16, m_spinnerRow), 0, Qt::AlignCenter);
    layout->addWidget(m_spinnerRow);

    m_grid = new QWidget;
    m_grid->setObjectName(QStringLiteral("iconGrid"));
    auto *gridLayout = new AdaptiveGridLayout(IconCell::kMinimumWidth, kTileSpacing, kTileSpacing, m_grid);
    gridLayout->setContentsMargins(0, 2, 0, 2);
    makeTileGridNavigable(m_grid);
    m_scroll = tileScrollArea(m_grid, this);
    m_scroll->setObjectName(QStringLiteral("iconResults"));
    m_scroll->setFixedHeight(kGridHeight);
    layout->addWidget(m_scroll);
    // Tiles load only once they are in view, so every scroll, resize and relayout looks again.
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, &IconFinderSection::updateOnScreenTiles);
    m_scroll->viewport()->installEventFilter(this);
    m_grid->installEventFilter(this);

    m_caption = new QLabel(this);
    m_caption->setFixedHeight(kRowHeight);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setWordWrap(true);
    m_caption->setFont(Style::font(Style::TextStyle::Caption));
    Style::applyTone(m_caption, Style::Tone::Secondary);
    layout->addWidget(m_caption);

    m_moreRow = new QWidget(this);
    auto *moreLayout = new QHBoxLayout(m_moreRow);
    moreLayout->setContentsMargins(0, 0, 0, 0);
    m_moreLabel = new QLabel(m_moreRow);
    m_moreLabel->setFont(Style::font(Style::TextStyle::Caption));
    m_moreLabel->setWordWrap(true);
    Style::applyTone(m_moreLabel, Style::Tone::Secondary);
    moreLayout->addWidget(m_moreLabel, 1);
    m_moreButton = borderedButton(tr("Show more"), QString(), ControlSize::Regular, m_moreRow);
    connect(m_moreButton, &QAbstractButton::clicked, this, &IconFinderSection::loadMore);
    moreLayout->addWidget(m_moreButton);
    layout->addWidget(m_moreRow);

    m_recentBlock = recentTilesBlock(QStringLiteral("recentIcons"), IconCell::kMinimumWidth, kTileSpacing,
                                     kRecentGutter, &m_recentGrid, this);
    layout->addWidget(m_recentBlock);
    m_recentGrid->installEventFilter(this);
    layout->addStretch(1);
    connect(&m_recents, &RecentListStore::changed, this, &IconFinderSection::rebuildRecents);

    m_debounce.setSingleShot(true);
    m_debounce.setTimerType(Qt::PreciseTimer);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, &IconFinderSection::startSearch);

    rebuildRecents();
    refreshContent();
}

QString IconFinderSection::trimmedQuery() const
{
    return trimSpacesAndTabs(m_search->text());
}

void IconFinderSection::cancelSearch()
{
    ++m_searchGeneration;
    m_debounce.stop();
    if (m_searchRequest) {
        // A cancelled request never reports; what its failure would have done is done here: the flag goes,
        // and a later search sets it again.
        m_searchRequest->abort();
        m_searchRequest = nullptr;
        m_isSearching = false;
    }
    if (m_moreRequest) {
        m_moreRequest->abort();
        m_moreRequest = nullptr;
    }
}

void IconFinderSection::runSearch()
{
    cancelSearch();
    if (!isLongEnough(trimmedQuery())) {
        m_isSearching = false;
        setResults({});
        return;
    }
    m_debounce.start();
    refreshContent();
}

void IconFinderSection::startSearch()
{
    m_isSearching = true;
    refreshContent();
    m_searchRequest = IconifyService::search(
        {trimmedQuery(), 0, m_setFilter}, this, [this, generation = m_searchGeneration](const auto &result) {
            if (generation != m_searchGeneration)
                return;
            m_searchRequest = nullptr;
            m_isSearching = false;
            if (const auto *page = std::get_if<IconifyService::SearchPage>(&result)) {
                searchFinished(*page);
            } else {
                m_notify(tr("Search failed \u2014 ") + std::get<IconifyService::Failure>(result).description());
                setResults({});
            }
        });
}

namespace {

// The count a page gives, when it says how many results there are. A full page whose count is just what has
// come so far may be the service saying "this many, and perhaps more": that count tells nothing.
std::optional<int> countOf(const IconifyService::SearchPage &page, int received)
{
    if (page.total && *page.total == received && page.icons.size() >= IconifyService::kSearchLimit)
        return std::nullopt;
    return page.total;
}

} // namespace

void IconFinderSection::searchFinished(const IconifyService::SearchPage &page)
{
    m_nextStart = IconifyService::kSearchLimit;
    m_total = countOf(page, m_nextStart);
    m_exhausted = page.icons.size() < IconifyService::kSearchLimit && !page.total;
    m_moreFailed = false;
    setResults(page.icons.mid(0, IconifyService::kServiceMaximum));
    updateChips(page);
    refreshContent();
}

bool IconFinderSection::canLoadMore() const
{
    if (m_exhausted || m_nextStart >= IconifyService::kServiceMaximum)
        return false;
    return m_total ? m_nextStart < *m_total : true;
}

void IconFinderSection::loadMore()
{
    // A press while the page is on its way asks for nothing more.
    if (m_moreRequest || m_isSearching || !canLoadMore())
        return;
    m_moreFailed = false;
    m_moreRequest = IconifyService::search({trimmedQuery(), m_nextStart, m_setFilter}, this,
                                           [this, generation = m_searchGeneration](const auto &result) {
                                               if (generation == m_searchGeneration)
                                                   moreFinished(result);
                                           });
    refreshContent();
}

void IconFinderSection::moreFinished(const IconifyService::Result<IconifyService::SearchPage> &result)
{
    m_moreRequest = nullptr;
    if (const auto *why = std::get_if<IconifyService::Failure>(&result)) {
        // The pages already in stay; the button offers the same page again.
        m_moreFailed = true;
        m_notify(tr("More results failed \u2014 ") + why->description());
        refreshContent();
        return;
    }
    const auto &page = std::get<IconifyService::SearchPage>(result);
    m_nextStart += IconifyService::kSearchLimit;
    if (page.total)
        m_total = countOf(page, m_nextStart);
    // An empty page ends the list whatever the count says; so does a short one when there is no count.
    m_exhausted = page.icons.isEmpty() || (page.icons.size() < IconifyService::kSearchLimit && !page.total);
    // A page may repeat what an earlier one held (the service's order can shift between requests): each
    // icon shows once, and never more than the service lists in all.
    QList<IconID> added;
    for (const IconID &icon : page.icons) {
        if (m_results.size() + added.size() >= IconifyService::kServiceMaximum)
            break;
        if (!m_results.contains(icon) && !added.contains(icon))
            added.append(icon);
    }
    m_results.append(added);
    appendCells(added);
    updateChips(page);
    const bool pressedByKey = Style::showsFocusRing(m_moreButton);
    refreshContent();
    // The last page takes the button away; the keyboard goes on to what it brought (else to the last tile),
    // not to whatever follows in the panel, where the next Space could quit.
    if (pressedByKey && m_moreButton->isHidden() && !m_cells.isEmpty()) {
        IconCell *next = m_cells.at(added.isEmpty() ? m_cells.size() - 1 : m_cells.size() - added.size());
        next->setFocus(Qt::TabFocusReason);
        // Once the new tiles have their places, which the layout gives them on its next pass.
        QMetaObject::invokeMethod(
            next, [this, next] { m_scroll->ensureWidgetVisible(next, 0, 4); }, Qt::QueuedConnection);
    }
}

void IconFinderSection::updateChips(const IconifyService::SearchPage &page)
{
    const QString text = trimmedQuery();
    QHash<QString, QString> names;
    for (const SetChip &chip : std::as_const(m_chips))
        names.insert(chip.prefix, chip.name);
    for (const IconifyService::IconSet &set : page.sets)
        names.insert(set.prefix, set.name);
    if (!m_setFilter.isEmpty()) {
        // Within one set: the chips counted for this text stay, so another set is one click away; a new text
        // shows only the set chosen, until "All" counts them again.
        if (m_chipsText != text) {
            m_chips = {{m_setFilter, names.value(m_setFilter, m_setFilter), int(m_results.size())}};
            m_chipsText = text;
        }
    } else {
        QHash<QString, int> counts;
        for (const IconID &icon : std::as_const(m_results))
            ++counts[icon.prefix];
        m_chips.clear();
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            m_chips.append({it.key(), names.value(it.key(), it.key()), it.value()});
        std::sort(m_chips.begin(), m_chips.end(), [](const SetChip &a, const SetChip &b) {
            return a.count != b.count ? a.count > b.count : a.name.localeAwareCompare(b.name) < 0;
        });
        m_chipsText = text;
    }
    QList<SegmentedControl::Segment> segments{{tr("All")}};
    int current = 0;
    for (const SetChip &chip : std::as_const(m_chips)) {
        if (chip.prefix == m_setFilter)
            current = int(segments.size());
        segments.append({QStringLiteral("%1 %2").arg(chip.name, readableCount(chip.count)),
                         {},
                         chip.count == 1
                             ? tr("%1 (%2), 1 result").arg(chip.name, chip.prefix)
                             : tr("%1 (%2), %3 results").arg(chip.name, chip.prefix, readableCount(chip.count))});
    }
    m_setControl->setSegments(segments, current);
    m_setControl->setMinimumWidth(m_setControl->sizeHint().width());
    for (int i = 0; i < m_setControl->count(); ++i)
        m_setControl->button(i)->installEventFilter(this);
}

void IconFinderSection::chooseSet(int index)
{
    m_setFilter = index <= 0 ? QString() : m_chips.value(index - 1).prefix;
    cancelSearch();
    if (isLongEnough(trimmedQuery()))
        startSearch();
}

void IconFinderSection::setResults(const QList<IconID> &results)
{
    if (results != m_results) {
        m_results = results;
        for (IconCell *cell : std::as_const(m_cells)) {
            cell->hide();
            cell->deleteLater();
        }
        m_cells.clear();
        appendCells(results);
        m_scroll->verticalScrollBar()->setValue(0);
    }
    refreshContent();
}

void IconFinderSection::appendCells(const QList<IconID> &icons)
{
    for (const IconID &icon : icons) {
        IconCell *cell = makeCell(icon, m_grid, false);
        m_grid->layout()->addWidget(cell);
        m_cells.append(cell);
    }
}

IconCell *IconFinderSection::makeCell(const IconID &icon, QWidget *grid, bool removable)
{
    auto *cell = new IconCell(icon, grid);
    connect(cell, &QAbstractButton::clicked, this, [this, icon] { handleTap(icon); });
    // Every form at hand, whatever the control says a click does.
    for (IconForm form : allIconForms()) {
        auto *action = new QAction(menuTitle(form), cell);
        connect(action, &QAction::triggered, this, [this, icon, form] { perform(icon, form); });
        cell->addAction(action);
    }
    if (removable) {
        auto *separator = new QAction(cell);
        separator->setSeparator(true);
        cell->addAction(separator);
        auto *remove = new QAction(tr("Remove"), cell);
        connect(remove, &QAction::triggered, this, [this, id = icon.id()] { m_recents.remove(id); });
        cell->addAction(remove);
        connect(new HoverDeleteButton(cell, tr("Remove ") + icon.id()), &QAbstractButton::clicked, remove,
                &QAction::trigger);
    }
    giveTileContextMenu(cell);
    return cell;
}

void IconFinderSection::rebuildRecents()
{
    // The tile the keyboard was on comes back with the focus, wherever its icon moved to.
    const auto *focused = qobject_cast<IconCell *>(QApplication::focusWidget());
    const QString focusedName = focused && m_recentGrid->isAncestorOf(focused) ? focused->accessibleName() : QString();
    clearTileGrid(m_recentGrid);
    for (const QString &name : m_recents.icons()) {
        // The store keeps only entries of the "prefix:name" shape.
        IconCell *cell = makeCell(IconifyService::iconFromID(name).value_or(IconID{}), m_recentGrid, true);
        m_recentGrid->layout()->addWidget(cell);
        if (name == focusedName)
            cell->setFocus(Qt::OtherFocusReason);
    }
    m_recentBlock->setVisible(!m_recents.icons().isEmpty());
    QMetaObject::invokeMethod(this, &IconFinderSection::updateOnScreenTiles, Qt::QueuedConnection);
}

void IconFinderSection::placeRecents()
{
    // Recent icons sit above the hint while nothing is typed, and under the results otherwise.
    auto *column = static_cast<QVBoxLayout *>(layout());
    const bool above = trimmedQuery().isEmpty();
    const int now = column->indexOf(m_recentBlock);
    const QLayoutItem *neighbour = column->itemAt(above ? now + 1 : now - 1);
    if (neighbour && neighbour->widget() == (above ? m_spinnerRow : m_moreRow))
        return;
    column->removeWidget(m_recentBlock);
    column->insertWidget(column->indexOf(above ? m_spinnerRow : m_moreRow) + (above ? 0 : 1), m_recentBlock);
}

void IconFinderSection::refreshContent()
{
    const bool longEnough = isLongEnough(trimmedQuery());
    const bool showGrid = !m_isSearching && longEnough && !m_results.isEmpty();
    m_spinnerRow->setVisible(m_isSearching);
    m_scroll->setVisible(showGrid);
    m_caption->setVisible(!m_isSearching && !showGrid);
    m_caption->setText(longEnough ? tr("No icons found")
                                  : tr("Type to search Lucide, Heroicons, Tabler, Material\u2026"));
    m_setScroll->setVisible(longEnough && (m_chips.size() > 1 || !m_setFilter.isEmpty()));
    refreshMoreRow(showGrid);
    placeRecents();
    updateOnScreenTiles();
}

void IconFinderSection::refreshMoreRow(bool showGrid)
{
    const int shown = int(m_results.size());
    const int total = m_total ? qMax(*m_total, shown) : shown;
    const bool more = canLoadMore();
    m_moreRow->setVisible(showGrid && (more || m_moreFailed || shown > IconifyService::kSearchLimit));
    if (!m_moreRow->isVisible())
        return;
    QString label = m_total ? tr("%1 of %2").arg(readableCount(shown), readableCount(total))
                            : tr("%1 shown").arg(readableCount(shown));
    if (!more && shown >= IconifyService::kServiceMaximum && total > shown)
        label = tr("%1 \u2014 Iconify lists no more; narrow the search").arg(label);
    m_moreLabel->setText(label);
    m_moreButton->setVisible(more || m_moreFailed);
    m_moreButton->setText(m_moreFailed ? tr("Retry") : m_moreRequest ? tr("Loading\u2026") : tr("Show more"));
    m_moreButton->setAccessibleName(m_moreButton->text());
}

void IconFinderSection::updateOnScreenTiles()
{
    const auto look = [](IconCell *cell) { cell->setOnScreen(cell->isVisible() && !cell->visibleRegion().isEmpty()); };
    std::ranges::for_each(m_cells, look);
    std::ranges::for_each(m_recentGrid->findChildren<IconCell *>(Qt::FindDirectChildrenOnly), look);
}

bool IconFinderSection::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_setScroll->viewport() && event->type() == QEvent::Wheel) {
        // The chips scroll sideways; a plain wheel turns them too.
        const QPoint delta = static_cast<QWheelEvent *>(event)->angleDelta();
        QScrollBar *bar = m_setScroll->horizontalScrollBar();
        bar->setValue(bar->value() - (delta.x() ? delta.x() : delta.y()) / 2);
        return true;
    }
    if (event->type() == QEvent::FocusIn && m_setControl->isAncestorOf(qobject_cast<QWidget *>(watched))) {
        m_setScroll->ensureWidgetVisible(static_cast<QWidget *>(watched), 8, 0);
        return false;
    }
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::LayoutRequest:
        // After the layout has placed the tiles.
        QMetaObject::invokeMethod(this, &IconFinderSection::updateOnScreenTiles, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void IconFinderSection::handleTap(const IconID &icon)
{
    // The action is read now: changing the control while the fetch runs does not change what this click does.
    switch (m_action) {
    case ClickAction::svgMarkup:
        perform(icon, IconForm::svgMarkup);
        return;
    case ClickAction::dataURI:
        perform(icon, IconForm::dataURI);
        return;
    case ClickAction::download:
        perform(icon, IconForm::download);
        return;
    }
}

const QList<IconFinderSection::IconForm> &IconFinderSection::allIconForms()
{
    static const QList<IconForm> forms = {IconForm::svgMarkup, IconForm::dataURI, IconForm::download,
                                          IconForm::name,      IconForm::png,     IconForm::compactDataURI};
    return forms;
}

QString IconFinderSection::menuTitle(IconForm form)
{
    switch (form) {
    case IconForm::svgMarkup:
        return tr("Copy SVG");
    case IconForm::dataURI:
        return tr("Copy data URI");
    case IconForm::download:
        return tr("Download SVG");
    case IconForm::name:
        return tr("Copy name");
    case IconForm::png:
        return tr("Copy as PNG");
    case IconForm::compactDataURI:
        return tr("Copy compact data URI");
    }
    return {};
}

void IconFinderSection::perform(const IconID &icon, IconForm form)
{
    // Each request runs to its end even if the tab is left, and reports through the panel's notify.
    const Notify notify = m_notify;
    // A copy or a save that worked says so and makes the icon the most recent one, even once the tab has gone.
    const Notify done = [notify, recents = QPointer<RecentIconsStore>(&m_recents),
                         id = icon.id()](const QString &message) {
        notify(message);
        if (recents)
            recents->add(id);
    };
    QObject *context = QCoreApplication::instance();
    auto failed = [notify](const IconifyService::Failure &why) { notify(tr("Failed \u2014 ") + why.description()); };
    if (form == IconForm::name) {
        ClipboardService::copy(icon.id());
        done(tr("Copied ") + icon.id());
        return;
    }
    if (form == IconForm::download) {
        IconifyService::download(icon, context, [done, failed](const auto &result) {
            if (const auto *why = std::get_if<IconifyService::Failure>(&result))
                failed(*why);
            else
                announceSaved(std::get<DownloadsFolder::Saved>(result), done);
        });
        return;
    }
    // The picture's colour and scale are those of the moment of the click.
    const QColor ink = Style::color(QApplication::palette(), Style::Tone::Primary);
    const qreal scale = window() ? window()->devicePixelRatioF() : 1.0;
    IconifyService::fetchSVG(icon, context, [form, icon, notify, done, failed, ink, scale](const auto &result) {
        if (const auto *why = std::get_if<IconifyService::Failure>(&result)) {
            failed(*why);
            return;
        }
        const QString &markup = std::get<QString>(result);
        switch (form) {
        case IconForm::svgMarkup:
            ClipboardService::copy(ClipboardService::Svg{markup});
            done(tr("Copied ") + icon.id());
            return;
        case IconForm::dataURI:
            ClipboardService::copy(IconifyService::base64DataURI(markup));
            done(tr("Copied data URI \u2014 ") + icon.id());
            return;
        case IconForm::compactDataURI: {
            const QString compact = IconifyService::compactDataURI(markup);
            const qsizetype base64 = IconifyService::base64DataURI(markup).size();
            ClipboardService::copy(compact);
            done(tr("Copied compact data URI \u2014 %1, %2 bytes, %3 % smaller than base64")
                     .arg(icon.id())
                     .arg(compact.size())
                     .arg(qRound(100.0 * double(base64 - compact.size()) / double(base64))));
            return;
        }
        case IconForm::png: {
            const QByteArray png = IconCell::renderPng(markup.toUtf8(), kPngSize, scale, ink);
            if (png.isEmpty()) {
                notify(tr("Failed \u2014 the icon could not be drawn"));
                return;
            }
            ClipboardService::copy(ClipboardService::Png{png});
            done(tr("Copied %1 as PNG").arg(icon.id()));
            return;
        }
        case IconForm::name:
        case IconForm::download:
            return;
        }
    });
}
