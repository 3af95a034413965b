#pragma once

#include <QObject>
#include <QVariantAnimation>

// A damped spring described the way designers tune it: `response` is the period of the undamped
// oscillation in seconds, `dampingFraction` is the damping ratio (below 1 it overshoots and bounces).
struct SpringCurve {
    double response = 0.5;
    double dampingFraction = 0.8;

    // Progress from 0 towards 1 after t seconds, starting at rest.
    double value(double t) const;
    // Seconds until the motion stays within a thousandth of the target.
    double settlingTime() const;
};

// How the panel moves on a change of tab: its width and the sliding tab highlight follow this one spring.
inline constexpr SpringCurve kPanelSpring{0.4, 0.48};

// Animates one number along a spring; a new target starts from wherever the number is now.
class SpringAnimation : public QObject
{
    Q_OBJECT

public:
    SpringAnimation(SpringCurve curve, double initial, QObject *parent = nullptr);

    double value() const { return m_value; }
    double target() const { return m_to; }
    bool isRunning() const;

    void animateTo(double target);
    void jumpTo(double value);

    // Every spring of the program runs this many times faster (tests need not sit out the motion).
    static void setSpeed(double factor);

Q_SIGNALS:
    void valueChanged(double value);

private:
    void setValue(double value);

    SpringCurve m_curve;
    QVariantAnimation m_animation;
    double m_from;
    double m_to;
    double m_value;
};
