#pragma once

#include <QAbstractButton>
#include <QMargins>
#include <QPointer>

// The small round delete button that appears at a removable tile's top-right corner while the pointer is
// over the tile (or over the button itself): a white cross on a dark disc with a white ring, so it reads on
// a swatch of any colour and on a dark panel. It lives beside the tile, in the tile's parent, so it can
// stick out past the tile's corner; its target is larger than the disc, as small things are hard to hit.
class HoverDeleteButton : public QAbstractButton
{
    Q_OBJECT

public:
    // `toolTip` is also the accessible name, since the button shows no text.
    HoverDeleteButton(QWidget *tile, const QString &toolTip);

    // Where the tile's visible face lies inside it, when the tile keeps room around its face (for rings):
    // the disc sits at the face's corner.
    void setFaceMargins(const QMargins &margins);
    // The disc, in the button's own coordinates.
    QRectF disc() const;
    QWidget *tile() const { return m_tile; }

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();
    void hideUnlessHovered();

    QPointer<QWidget> m_tile;
    QMargins m_faceMargins;
    // The disc's centre, relative to the button: the button is kept inside its parent, so the disc is not
    // always at the button's centre.
    QPointF m_discCentre;
};
