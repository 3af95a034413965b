#include "sections/glyphs/GlyphsSection.h"

#include "net/ClipboardService.h"
#include "sections/MainInput.h"
#include "sections/glyphs/GlyphTile.h"
#include "widgets/Layout.h"
#include "widgets/SegmentedControl.h"
#include "widgets/TileGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int kCellMinimumWidth = 36;
constexpr int kCellSpacing = 6;
constexpr int kGlyphAreaHeight = 165;
// Right of the last column: room for the delete buttons that stick out of a recent tile's corner.
constexpr int kRightGutter = 4;

} // namespace

GlyphsSection::GlyphsSection(Notify notify, RecentGlyphsStore &store, QWidget *parent)
    : QWidget(parent), m_notify(std::move(notify)), m_store(store)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(sectionTitle(tr("Glyphs"), QStringLiteral("character"), this));

    m_search = new QLineEdit(this);
    markMainInput(m_search);
    m_search->setPlaceholderText(tr("Search glyphs\u2026"));
    m_search->setAccessibleName(tr("Search glyphs"));
    m_search->setClearButtonEnabled(true);
    connect(m_search, &QLineEdit::textChanged, this, &GlyphsSection::rebuildGrid);
    layout->addWidget(m_search);

    // The grid below keeps the same right margin as the recent tiles, so the two line up.
    m_recentsBlock = recentTilesBlock(QStringLiteral("recentGlyphs"), kCellMinimumWidth, kCellSpacing, kRightGutter,
                                      &m_recentsGrid, this);
    layout->addWidget(m_recentsBlock);

    m_picker = new SegmentedControl(tr("Category"), this);
    QList<SegmentedControl::Segment> segments;
    for (GlyphCategory category : allGlyphCategories())
        segments.append({QString(), pickerSymbol(category), categoryTitle(category)});
    m_picker->setSegments(segments, int(allGlyphCategories().indexOf(m_category)));
    connect(m_picker, &SegmentedControl::currentIndexChanged, this, [this](int index) {
        m_category = allGlyphCategories().at(index);
        rebuildGrid();
    });
    layout->addWidget(m_picker);

    m_area = new QStackedWidget(this);
    m_area->setFixedHeight(kGlyphAreaHeight);
    // The catalogue's tiles, then, while searching, the other characters found and a button for more.
    auto *content = new QWidget;
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(10);
    m_grid = new QWidget(content);
    m_grid->setObjectName(QStringLiteral("glyphGrid"));
    auto *gridLayout = new AdaptiveGridLayout(kCellMinimumWidth, kCellSpacing, kCellSpacing, m_grid);
    gridLayout->setContentsMargins(0, 0, kRightGutter, 0);
    makeTileGridNavigable(m_grid);
    contentLayout->addWidget(m_grid);
    m_othersBlock = captionedTilesBlock(tr("All characters"), QStringLiteral("otherCharacters"), kCellMinimumWidth,
                                        kCellSpacing, kRightGutter, &m_othersGrid, content);
    contentLayout->addWidget(m_othersBlock);
    m_moreOthers = borderedButton(tr("Show more"), QString(), ControlSize::Regular, content);
    m_moreOthers->setAccessibleName(tr("Show more characters"));
    connect(m_moreOthers, &QAbstractButton::clicked, this, &GlyphsSection::showMoreOthers);
    contentLayout->addWidget(m_moreOthers, 0, Qt::AlignLeft);
    contentLayout->addStretch(1);
    m_area->addWidget(tileScrollArea(content, m_area));
    m_empty = new QLabel(tr("No glyphs found"), m_area);
    m_empty->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_empty->setContentsMargins(0, 24, 0, 0);
    m_empty->setFont(Style::font(Style::TextStyle::Caption));
    Style::applyTone(m_empty, Style::Tone::Secondary);
    m_area->addWidget(m_empty);
    layout->addWidget(m_area);
    layout->addStretch(1);

    connect(&m_store, &RecentListStore::changed, this, &GlyphsSection::rebuildRecents);
    rebuildRecents();
    rebuildGrid();
}

bool GlyphsSection::isSearching() const
{
    return !m_search->text().trimmed().isEmpty();
}

QList<Glyph> GlyphsSection::visibleGlyphs() const
{
    return isSearching() ? GlyphCatalog::search(m_search->text()) : GlyphCatalog::glyphs(m_category);
}

QString GlyphsSection::categoryTitle(GlyphCategory category)
{
    switch (category) {
    case GlyphCategory::arrows:
        return tr("Arrows");
    case GlyphCategory::math:
        return tr("Math");
    case GlyphCategory::punctuation:
        return tr("Punctuation");
    case GlyphCategory::marks:
        return tr("Marks");
    case GlyphCategory::box:
        return tr("Box");
    case GlyphCategory::currency:
        return tr("Currency");
    case GlyphCategory::legal:
        return tr("Legal");
    }
    return {};
}

void GlyphsSection::rebuildRecents()
{
    clearTileGrid(m_recentsGrid);
    const QStringList glyphs = m_store.glyphs();
    for (const QString &glyph : glyphs) {
        // A recent entry need not be in the catalogue (the settings file can be edited): it names itself.
        auto *tile = new GlyphTile(glyph, GlyphCatalog::name(glyph).value_or(glyph), true, m_recentsGrid);
        connect(tile, &QAbstractButton::clicked, this, [this, glyph] { copyGlyph(glyph); });
        connect(tile, &GlyphTile::removeRequested, this, [this](const QString &g) { m_store.remove(g); });
        connect(tile, &GlyphTile::copyRequested, this, &GlyphsSection::copyGlyphAs);
        m_recentsGrid->layout()->addWidget(tile);
    }
    m_recentsBlock->setVisible(!glyphs.isEmpty());
}

void GlyphsSection::rebuildGrid()
{
    m_picker->setVisible(!isSearching());
    clearTileGrid(m_grid);
    const QList<Glyph> glyphs = visibleGlyphs();
    for (const Glyph &glyph : glyphs) {
        auto *tile = new GlyphTile(glyph.character, glyph.name, false, m_grid);
        connect(tile, &QAbstractButton::clicked, this, [this, g = glyph.character] { copyGlyph(g); });
        connect(tile, &GlyphTile::copyRequested, this, &GlyphsSection::copyGlyphAs);
        m_grid->layout()->addWidget(tile);
    }
    m_grid->setVisible(!glyphs.isEmpty());

    // Beyond the catalogue: what it already showed is not shown twice.
    clearTileGrid(m_othersGrid);
    m_others = isSearching() ? UnicodeNames::search(m_search->text()) : QList<UnicodeNames::Character>();
    m_others.removeIf([&glyphs](const UnicodeNames::Character &c) {
        return std::any_of(glyphs.begin(), glyphs.end(), [&c](const Glyph &g) { return g.character == c.text(); });
    });
    m_othersShown = 0;
    showMoreOthers();
    m_area->setCurrentIndex(glyphs.isEmpty() && m_others.isEmpty() ? 1 : 0);
}

void GlyphsSection::showMoreOthers()
{
    const int end = qMin(int(m_others.size()), m_othersShown + kOthersPage);
    for (; m_othersShown < end; ++m_othersShown) {
        const UnicodeNames::Character &character = m_others.at(m_othersShown);
        auto *tile = new GlyphTile(character.text(), character.name, false, m_othersGrid);
        tile->setStandIn(UnicodeNames::standIn(character));
        connect(tile, &QAbstractButton::clicked, this, [this, g = character.text()] { copyGlyph(g); });
        connect(tile, &GlyphTile::copyRequested, this, &GlyphsSection::copyGlyphAs);
        m_othersGrid->layout()->addWidget(tile);
    }
    m_othersBlock->setVisible(m_othersShown > 0);
    m_moreOthers->setVisible(m_othersShown < m_others.size());
}

void GlyphsSection::copyGlyph(const QString &glyph)
{
    copyGlyphAs(glyph, GlyphForms::Form::glyph);
}

void GlyphsSection::copyGlyphAs(const QString &glyph, GlyphForms::Form form)
{
    const QString text = GlyphForms::write(glyph, form);
    ClipboardService::copy(text);
    m_notify(tr("Copied ") + text);
    m_store.add(glyph);
}
