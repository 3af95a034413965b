#include "sections/glyphs/GlyphTile.h"

#include "widgets/HoverButton.h"
#include "widgets/Layout.h"
#include "widgets/TileGrid.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>

GlyphTile::GlyphTile(const QString &glyph, const QString &name, bool removable, QWidget *parent) : HoverButton(parent)
{
    setText(glyph);
    setToolTip(name);
    setAccessibleName(name);
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QFont glyphFont = font();
    glyphFont.setPixelSize(20);
    setFont(glyphFont);
    if (removable) {
        m_removeAction = new QAction(tr("Remove"), this);
        addAction(m_removeAction);
        giveTileContextMenu(this);
        connect(m_removeAction, &QAction::triggered, this, [this] { Q_EMIT removeRequested(text()); });
        auto *remove = new HoverDeleteButton(this, tr("Remove ") + glyph);
        connect(remove, &QAbstractButton::clicked, this, [this] { Q_EMIT removeRequested(text()); });
    } else {
        setContextMenuPolicy(Qt::NoContextMenu);
    }
}

void GlyphTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintTileFace(painter, 5, 0.08);
    painter.setPen(Style::color(palette(), Style::Tone::Primary));
    painter.drawText(rect(), Qt::AlignCenter, text());
}
