#pragma once

#include "core/glyphs/GlyphCatalog.h"
#include "core/glyphs/GlyphForms.h"
#include "sections/Notify.h"
#include "stores/RecentGlyphsStore.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QStackedWidget;
class SegmentedControl;

// The glyphs tab: a search field, the recent glyphs, the category picker and a grid of glyph tiles. A click
// on any tile copies its glyph and puts it first among the recents.
class GlyphsSection : public QWidget
{
    Q_OBJECT

public:
    explicit GlyphsSection(Notify notify, RecentGlyphsStore &store, QWidget *parent = nullptr);

    GlyphCategory selectedCategory() const { return m_category; }
    bool isSearching() const;
    QList<Glyph> visibleGlyphs() const;

private:
    // The category's name, as its picker segment tells it.
    static QString categoryTitle(GlyphCategory category);
    void rebuildRecents();
    void rebuildGrid();
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
};
