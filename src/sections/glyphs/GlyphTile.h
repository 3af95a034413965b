#pragma once

#include "widgets/HoverButton.h"
#include "widgets/Layout.h"

class QAction;

// One glyph on a rounded face, 36 × 32, its name as tooltip and accessible name. A removable tile (a recent
// glyph) also has a delete button on hover and a "Remove" context item.
class GlyphTile : public HoverButton
{
    Q_OBJECT

public:
    GlyphTile(const QString &glyph, const QString &name, bool removable, QWidget *parent = nullptr);

    QString glyph() const { return text(); }
    bool isRemovable() const { return m_removeAction != nullptr; }
    QAction *removeAction() const { return m_removeAction; }

    QSize sizeHint() const override { return {36, 32}; }

Q_SIGNALS:
    void removeRequested(const QString &glyph);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QAction *m_removeAction = nullptr;
};
