#include "picking/LoupeOverlay.h"

#include "core/color/ColorSamplerService.h"

#include <QCoreApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

constexpr int kLoupePixels = 11; // pixels across the loupe, odd so one sits in the middle
constexpr int kLoupeZoom = 10;   // points per magnified pixel
constexpr int kLoupeOffset = 24; // from the pointer to the loupe

} // namespace

LoupeOverlay::LoupeOverlay(QScreen *screen, const QImage &grab) : m_grab(grab)
{
    setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint);
    setTitle(QCoreApplication::translate("LoupeOverlay", "Pick a color"));
    setCursor(Qt::CrossCursor);
    setScreen(screen);
    setGeometry(screen->geometry());
    m_pointer = mapFromGlobal(QCursor::pos(screen));
}

QPoint LoupeOverlay::devicePixel(const QPoint &position) const
{
    // The grab holds device pixels; the overlay counts logical ones. Scale by their actual ratio, which
    // also holds on a HiDPI screen.
    const double ratioX = width() > 0 ? double(m_grab.width()) / width() : 1.0;
    const double ratioY = height() > 0 ? double(m_grab.height()) / height() : 1.0;
    return {qBound(0, int(position.x() * ratioX), m_grab.width() - 1),
            qBound(0, int(position.y() * ratioY), m_grab.height() - 1)};
}

QString LoupeOverlay::hexAt(const QPoint &position) const
{
    if (m_grab.isNull())
        return {};
    return ColorSamplerService::hex(m_grab.pixelColor(devicePixel(position)));
}

void LoupeOverlay::mouseMoveEvent(QMouseEvent *event)
{
    m_pointer = event->position().toPoint();
    update();
}

void LoupeOverlay::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT picked(hexAt(event->position().toPoint()));
    else
        Q_EMIT cancelled();
}

void LoupeOverlay::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        Q_EMIT cancelled();
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        Q_EMIT pickedByKey();
    else
        QRasterWindow::keyPressEvent(event);
}

void LoupeOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area(QPoint(0, 0), size());
    painter.drawImage(area, m_grab);
    if (!area.contains(m_pointer) || m_grab.isNull())
        return;

    // The loupe: the pixels around the pointer, each one a square with a hairline grid between them, the
    // middle one outlined, and its hex below.
    const int side = kLoupePixels * kLoupeZoom;
    QRect loupe(m_pointer + QPoint(kLoupeOffset, kLoupeOffset), QSize(side, side + 22));
    if (loupe.right() > width())
        loupe.moveRight(m_pointer.x() - kLoupeOffset);
    if (loupe.bottom() > height())
        loupe.moveBottom(m_pointer.y() - kLoupeOffset);
    const QRect pixels(loupe.topLeft(), QSize(side, side));

    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(loupe).adjusted(-1, -1, 1, 1), 8, 8);
    painter.fillPath(outline, QColor(30, 30, 30, 235));
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(QRectF(pixels), 7, 7);
    painter.setClipPath(clip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPoint centre = devicePixel(m_pointer);
    const int half = kLoupePixels / 2;
    for (int dy = -half; dy <= half; ++dy) {
        for (int dx = -half; dx <= half; ++dx) {
            const QPoint source(centre.x() + dx, centre.y() + dy);
            const QColor colour = m_grab.rect().contains(source) ? m_grab.pixelColor(source) : QColor(Qt::black);
            painter.fillRect(pixels.x() + (dx + half) * kLoupeZoom, pixels.y() + (dy + half) * kLoupeZoom, kLoupeZoom,
                             kLoupeZoom, colour);
        }
    }
    painter.setPen(QColor(128, 128, 128, 90));
    for (int i = 1; i < kLoupePixels; ++i) {
        painter.drawLine(pixels.x() + i * kLoupeZoom, pixels.top(), pixels.x() + i * kLoupeZoom, pixels.bottom());
        painter.drawLine(pixels.left(), pixels.y() + i * kLoupeZoom, pixels.right(), pixels.y() + i * kLoupeZoom);
    }
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(pixels.x() + half * kLoupeZoom, pixels.y() + half * kLoupeZoom, kLoupeZoom, kLoupeZoom);
    painter.restore();

    painter.setPen(Qt::white);
    QFont font(QStringLiteral("monospace"));
    font.setPixelSize(12);
    font.setWeight(QFont::DemiBold);
    painter.setFont(font);
    painter.drawText(QRect(loupe.left(), pixels.bottom(), side, 22), Qt::AlignCenter, hexAt(m_pointer));
}
