#include "sections/icons/IconFinderSection.h"

#include "core/text/Characters.h"
#include "net/ClipboardService.h"
#include "sections/DownloadNotice.h"
#include "sections/MainInput.h"
#include "sections/icons/IconCell.h"
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
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

using IconifyService::IconID;

namespace {

constexpr int kTileSpacing = 6;

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

IconFinderSection::IconFinderSection(Notify notify, QWidget *parent) : QWidget(parent), m_notify(std::move(notify))
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
    layout->addStretch(1);

    m_debounce.setSingleShot(true);
    m_debounce.setTimerType(Qt::PreciseTimer);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, &IconFinderSection::startSearch);

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
    m_searchRequest =
        IconifyService::search(trimmedQuery(), this, [this, generation = m_searchGeneration](const auto &result) {
            if (generation != m_searchGeneration)
                return;
            m_searchRequest = nullptr;
            m_isSearching = false;
            if (const auto *icons = std::get_if<QList<IconID>>(&result)) {
                setResults(*icons);
            } else {
                m_notify(tr("Search failed \u2014 ") + std::get<IconifyService::Failure>(result).description());
                setResults({});
            }
        });
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
        for (const IconID &icon : results) {
            auto *cell = new IconCell(icon, m_grid);
            connect(cell, &QAbstractButton::clicked, this, [this, icon] { handleTap(icon); });
            // Every form at hand, whatever the control says a click does.
            for (IconForm form : allIconForms()) {
                auto *action = new QAction(menuTitle(form), cell);
                connect(action, &QAction::triggered, this, [this, icon, form] { perform(icon, form); });
                cell->addAction(action);
            }
            giveTileContextMenu(cell);
            m_grid->layout()->addWidget(cell);
            m_cells.append(cell);
        }
        m_scroll->verticalScrollBar()->setValue(0);
    }
    refreshContent();
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
    updateOnScreenTiles();
}

void IconFinderSection::updateOnScreenTiles()
{
    for (IconCell *cell : std::as_const(m_cells))
        cell->setOnScreen(cell->isVisible() && !cell->visibleRegion().isEmpty());
}

bool IconFinderSection::eventFilter(QObject *watched, QEvent *event)
{
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
    QObject *context = QCoreApplication::instance();
    auto failed = [notify](const IconifyService::Failure &why) { notify(tr("Failed \u2014 ") + why.description()); };
    if (form == IconForm::name) {
        ClipboardService::copy(icon.id());
        notify(tr("Copied ") + icon.id());
        return;
    }
    if (form == IconForm::download) {
        IconifyService::download(icon, context, [notify, failed](const auto &result) {
            if (const auto *why = std::get_if<IconifyService::Failure>(&result))
                failed(*why);
            else
                announceSaved(std::get<DownloadsFolder::Saved>(result), notify);
        });
        return;
    }
    // The picture's colour and scale are those of the moment of the click.
    const QColor ink = Style::color(QApplication::palette(), Style::Tone::Primary);
    const qreal scale = window() ? window()->devicePixelRatioF() : 1.0;
    IconifyService::fetchSVG(icon, context, [form, icon, notify, failed, ink, scale](const auto &result) {
        if (const auto *why = std::get_if<IconifyService::Failure>(&result)) {
            failed(*why);
            return;
        }
        const QString &markup = std::get<QString>(result);
        switch (form) {
        case IconForm::svgMarkup:
            ClipboardService::copy(ClipboardService::Svg{markup});
            notify(tr("Copied ") + icon.id());
            return;
        case IconForm::dataURI:
            ClipboardService::copy(IconifyService::base64DataURI(markup));
            notify(tr("Copied data URI \u2014 ") + icon.id());
            return;
        case IconForm::compactDataURI: {
            const QString compact = IconifyService::compactDataURI(markup);
            const qsizetype base64 = IconifyService::base64DataURI(markup).size();
            ClipboardService::copy(compact);
            notify(tr("Copied compact data URI \u2014 %1, %2 bytes, %3 % smaller than base64")
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
            notify(tr("Copied %1 as PNG").arg(icon.id()));
            return;
        }
        case IconForm::name:
        case IconForm::download:
            return;
        }
    });
}
