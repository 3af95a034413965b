#include "desktop/ClickShield.h"

#include <QMouseEvent>

ClickShield::ClickShield()
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Tessellon click shield"));
}

void ClickShield::cover(const QRect &area)
{
    setGeometry(area);
    show();
}

void ClickShield::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    hide();
    Q_EMIT pressed();
}
