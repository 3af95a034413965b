#pragma once

#include <QWidget>

// The property by which a section marks its main input: the control that takes the keyboard focus when the
// panel opens on it (a search field, the editor).
inline constexpr char kMainInputProperty[] = "tessellonMainInput";

inline void markMainInput(QWidget *widget)
{
    widget->setProperty(kMainInputProperty, true);
}
