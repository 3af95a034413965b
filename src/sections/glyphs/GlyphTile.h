#pragma once

#include "core/glyphs/GlyphForms.h"
#include "widgets/HoverButton.h"
#include "widgets/Layout.h"

class QAction;

// One glyph on a rounded face, 36 × 32, its name as accessible name and, with its code points, as tooltip.
// Its context menu copies it in each of the glyph's forms; a removable tile (a recent glyph) also has a
// delete button on hover and a "Remove" item.
class GlyphTile : public HoverButton
{
    Q_OBJECT

public:
    GlyphTile(const QString &glyph, const QString &name, bool removable, QWidget *parent = nullptr);

    QString glyph() const { return text(); }
    bool isRemovable() const { return m_removeAction != nullptr; }
    QAction *removeAction() const { return m_removeAction; }

    QSize sizeHint() const override { return {36, 32}; }

    static QString menuTitle(GlyphForms::Form form);
    // A character that draws nothing of its own (a space, a joiner, a combining mark) shows this short name
    // in a dotted box instead.
    void setStandIn(const QString &standIn);

Q_SIGNALS:
    void removeRequested(const QString &glyph);
    // A context item asked for the glyph in this form (a click copies the glyph itself, through clicked()).
    void copyRequested(const QString &glyph, GlyphForms::Form form);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QAction *m_removeAction = nullptr;
    QString m_standIn;
};
