#include "sections/textTools/OpButton.h"

#include "widgets/Spinner.h"

#include <QGraphicsOpacityEffect>

namespace {

constexpr qreal kInertOpacity = 0.45;
constexpr int kSpinnerSize = 14;

} // namespace

OpButton::OpButton(const QString &title, QWidget *parent) : QPushButton(title, parent), m_title(title)
{
    setAccessibleName(title);
}

void OpButton::setInert(bool inert)
{
    if (inert == m_inert && (inert == (graphicsEffect() != nullptr)))
        return;
    m_inert = inert;
    if (inert) {
        auto *effect = new QGraphicsOpacityEffect(this);
        effect->setOpacity(kInertOpacity);
        setGraphicsEffect(effect);
    } else {
        setGraphicsEffect(nullptr);
    }
}

void OpButton::setBusy(bool busy)
{
    if (busy == isBusy())
        return;
    setText(busy ? QString() : m_title);
    if (busy) {
        m_spinner = new Spinner(kSpinnerSize, this);
        m_spinner->keepCentred();
        m_spinner->show();
    } else {
        delete m_spinner;
        m_spinner = nullptr;
    }
}

void OpButton::enterEvent(QEnterEvent *event)
{
    QPushButton::enterEvent(event);
    Q_EMIT hovered(true);
}

void OpButton::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    Q_EMIT hovered(false);
}
