#pragma once

#include <QAbstractButton>

class QPainter;

// A hand-drawn button that knows whether the pointer is over it.
class HoverButton : public QAbstractButton
{
    Q_OBJECT

public:
    using QAbstractButton::QAbstractButton;

    bool isHovered() const { return m_hovered; }

Q_SIGNALS:
    void hoverChanged(bool hovered);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

    // The face of a grid tile (a glyph, an icon): a rounded rectangle of the secondary tone at
    // `restingOpacity`, tinted with the accent while hovered or pressed, ringed while it has keyboard focus.
    void paintTileFace(QPainter &painter, qreal radius, qreal restingOpacity) const;
    // The face of a list row (a notation to copy): nothing at rest, a faint wash of the text colour while
    // hovered or pressed, ringed while it has keyboard focus.
    void paintRowFace(QPainter &painter, qreal radius) const;
    // A list row takes the pointing hand, a stop of the keyboard's own and the full width.
    void becomeRow();
    // A row's label: small, semibold, in the secondary tone, left in `column` pixels after a 4-pixel inset.
    void paintRowLabel(QPainter &painter, const QString &label, int column) const;

private:
    bool m_hovered = false;
};
