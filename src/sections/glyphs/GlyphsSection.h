#pragma once

#include "core/glyphs/GlyphCatalog.h"
#include "core/glyphs/GlyphForms.h"
#include "core/glyphs/UnicodeNames.h"
#include "sections/Notify.h"
#include "stores/RecentGlyphsStore.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class SegmentedControl;

// The glyphs tab: a search field, the recent glyphs, the category picker and a grid of glyph tiles. A click
// on any tile copies its glyph and puts it first among the recents. A search also reaches every other
// character by name, alias, keyword or code point, under "All characters", a page at a time.
class GlyphsSection : public QWidget
{
    Q_OBJECT

public:
    explicit GlyphsSection(Notify notify, RecentGlyphsStore &store, QWidget *parent = nullptr);

    GlyphCategory selectedCategory() const { return m_category; }
    bool isSearching() const;
    QList<Glyph> visibleGlyphs() const;
    // The characters beyond the catalogue that the search finds.
    const QList<UnicodeNames::Character> &otherCharacters() const { return m_others; }

    // Tiles of other characters added at a time.
    static constexpr int kOthersPage = 96;

private:
    // The category's name, as its picker segment tells it.
    static QString categoryTitle(GlyphCategory category);
    void rebuildRecents();
    void rebuildGrid();
    void showMoreOthers();
    void copyGlyph(const QString &glyph);
    // Copies the glyph in that form, reports what was copied, and puts the glyph first among the recents.
    void copyGlyphAs(const QString &glyph, GlyphForms::Form form);

    Notify m_notify;
    RecentGlyphsStore &m_store;
    GlyphCategory m_category = GlyphCategory::arrows;

    QLineEdit *m_search;
    QWidget *m_recentsBlock;
    QWidget *m_recentsGrid;
    SegmentedControl *m_picker;
    QStackedWidget *m_area;
    QWidget *m_grid;
    QLabel *m_empty;
    QWidget *m_othersBlock;
    QWidget *m_othersGrid;
    QPushButton *m_moreOthers;
    QList<UnicodeNames::Character> m_others;
    int m_othersShown = 0;
};
