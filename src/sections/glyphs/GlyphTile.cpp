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
    setToolTip(name + QLatin1Char('\n') + GlyphForms::codePoints(glyph));
    setAccessibleName(name);
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QFont glyphFont = font();
    glyphFont.setPixelSize(20);
    setFont(glyphFont);
    if (removable) {
        auto *separator = new QAction(this);
        separator->setSeparator(true);
        addAction(separator);
        m_removeAction = new QAction(tr("Remove"), this);
        addAction(m_removeAction);
        connect(m_removeAction, &QAction::triggered, this, [this] { Q_EMIT removeRequested(text()); });
        auto *remove = new HoverDeleteButton(this, tr("Remove ") + glyph);
        connect(remove, &QAbstractButton::clicked, this, [this] { Q_EMIT removeRequested(text()); });
    }
    giveTileContextMenu(this, [this] {
        QAction *first = actions().value(0);
        for (GlyphForms::Form form : GlyphForms::allForms()) {
            auto *copy = new QAction(menuTitle(form), this);
            connect(copy, &QAction::triggered, this, [this, form] { Q_EMIT copyRequested(text(), form); });
            insertAction(first, copy);
        }
    });
}

QString GlyphTile::menuTitle(GlyphForms::Form form)
{
    switch (form) {
    case GlyphForms::Form::glyph:
        return tr("Copy");
    case GlyphForms::Form::htmlEntity:
        return tr("Copy as HTML entity");
    case GlyphForms::Form::escape:
        return tr("Copy as escape");
    case GlyphForms::Form::cssEscape:
        return tr("Copy as CSS escape");
    case GlyphForms::Form::codePoints:
        return tr("Copy code point");
    }
    return {};
}

void GlyphTile::setStandIn(const QString &standIn)
{
    m_standIn = standIn;
    update();
}

void GlyphTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintTileFace(painter, 5, 0.08);
    const QColor ink = Style::color(palette(), Style::Tone::Primary);
    painter.setPen(ink);
    if (m_standIn.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter, text());
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    painter.drawRoundedRect(QRectF(rect()).adjusted(5.5, 6.5, -5.5, -6.5), 3, 3);
    QFont small = font();
    small.setPixelSize(m_standIn.size() > 3 ? 7 : 9);
    painter.setFont(small);
    painter.setPen(ink);
    painter.drawText(rect(), Qt::AlignCenter, m_standIn);
}
