#include "widgets/Spinner.h"

#include "widgets/Layout.h"
#include "widgets/SymbolIcons.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>

Spinner::Spinner(int size, QWidget *parent) : QWidget(parent), m_size(size)
{
    setFixedSize(size, size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(tr("In progress"));
    m_timer.setInterval(16);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + 8) % 360;
        update();
    });
}

void Spinner::keepCentred()
{
    QWidget *parent = parentWidget();
    parent->installEventFilter(this);
    move((parent->width() - width()) / 2, (parent->height() - height()) / 2);
}

bool Spinner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        move((parentWidget()->width() - width()) / 2, (parentWidget()->height() - height()) / 2);
    return QWidget::eventFilter(watched, event);
}

void Spinner::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_timer.start();
}

void Spinner::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_timer.stop();
}

void Spinner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pen = qMax(1.5, m_size / 8.0);
    const QRectF ring = QRectF(rect()).adjusted(pen, pen, -pen, -pen);
    QColor track = Style::color(palette(), Style::Tone::Tertiary);
    track.setAlphaF(track.alphaF() * 0.6f);
    painter.setPen(QPen(track, pen));
    painter.drawEllipse(ring);
    QPen arc(Style::color(palette(), Style::Tone::Secondary), pen);
    arc.setCapStyle(Qt::RoundCap);
    painter.setPen(arc);
    painter.drawArc(ring, -m_angle * 16, 100 * 16);
}

void showBusy(QPushButton *button, Spinner *spinner, bool busy, const QString &text, const QString &symbol)
{
    button->setAccessibleName(text);
    button->setEnabled(!busy);
    button->setText(busy ? QString() : text);
    button->setIcon(busy ? QIcon() : SymbolIcons::icon(symbol));
    spinner->setVisible(busy);
}
