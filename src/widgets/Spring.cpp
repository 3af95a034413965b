#include "widgets/Spring.h"

#include <QtMath>

#include <cmath>

namespace {

double speed = 1.0;

} // namespace

double SpringCurve::value(double t) const
{
    const double omega = 2.0 * M_PI / response;
    const double zeta = dampingFraction;
    if (t <= 0)
        return 0.0;
    if (zeta < 1.0) {
        const double omegaD = omega * std::sqrt(1.0 - zeta * zeta);
        const double envelope = std::exp(-zeta * omega * t);
        return 1.0 - envelope * (std::cos(omegaD * t) + (zeta * omega / omegaD) * std::sin(omegaD * t));
    }
    // Critically damped or slower: no overshoot.
    return 1.0 - std::exp(-omega * t) * (1.0 + omega * t);
}

double SpringCurve::settlingTime() const
{
    const double omega = 2.0 * M_PI / response;
    const double decay = omega * std::min(dampingFraction, 1.0);
    return std::log(1000.0) / decay;
}

SpringAnimation::SpringAnimation(SpringCurve curve, double initial, QObject *parent)
    : QObject(parent), m_curve(curve), m_from(initial), m_to(initial), m_value(initial)
{
    m_animation.setStartValue(0.0);
    m_animation.setEndValue(1.0);
    m_animation.setEasingCurve(QEasingCurve::Linear);
    connect(&m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &progress) {
        if (m_animation.state() != QAbstractAnimation::Running)
            return;
        const double seconds = progress.toDouble() * m_curve.settlingTime();
        setValue(m_from + (m_to - m_from) * m_curve.value(seconds));
    });
    connect(&m_animation, &QVariantAnimation::finished, this, [this] { setValue(m_to); });
}

bool SpringAnimation::isRunning() const
{
    return m_animation.state() == QAbstractAnimation::Running;
}

void SpringAnimation::animateTo(double target)
{
    if (target == m_to && (isRunning() || m_value == target))
        return;
    m_animation.stop();
    m_from = m_value;
    m_to = target;
    m_animation.setDuration(qMax(1, qRound(m_curve.settlingTime() * 1000.0 / speed)));
    m_animation.start();
}

void SpringAnimation::setSpeed(double factor)
{
    speed = factor;
}

void SpringAnimation::jumpTo(double value)
{
    m_animation.stop();
    m_from = m_to = value;
    setValue(value);
}

void SpringAnimation::setValue(double value)
{
    if (value == m_value)
        return;
    m_value = value;
    Q_EMIT valueChanged(value);
}
