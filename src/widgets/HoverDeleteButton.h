#pragma once

#include <QAbstractButton>
#include <QPointer>

// The small round delete button that appears at a removable tile's top-right corner while the pointer is
// over the tile (or over the button itself), drawn white on a half-transparent black disc. It lives beside
// the tile, in the tile's parent, so it can stick out past the tile's corner.
class HoverDeleteButton : public QAbstractButton
{
    Q_OBJECT

public:
    // `toolTip` is also the accessible name, since the button shows no text. The disc is `diameter` points
    // across, black at `opacity`, its top-right corner `offset` points right of and above the tile's.
    HoverDeleteButton(QWidget *tile, const QString &toolTip, int diameter = 11, qreal opacity = 0.5, int offset = 4);

    QSize sizeHint() const override { return {m_diameter + 4, m_diameter + 4}; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();
    void hideUnlessHovered();

    QPointer<QWidget> m_tile;
    int m_diameter;
    qreal m_opacity;
    int m_offset;
};
