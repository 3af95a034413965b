#pragma once

#include <QProxyStyle>

// Fusion with the panel's own edges, focus ring and scroll bars, so that the standard controls (fields,
// push buttons, the editor) read like the hand-drawn ones in light and dark:
// - every field's and button's edge reaches 3:1 against the window and the field;
// - keyboard focus is a 2-pixel ring, not a 1-pixel change of colour;
// - scroll bars are thin, a thumb alone without track or arrow buttons, only there when the content
//   overflows, the thumb at 3:1 against the window; they take a narrow gutter rather than lie over the
//   content, whose last column or word they would hide;
// - the fields' clear button is the program's own symbol, sharp at any scale.
class PanelStyle : public QProxyStyle
{
    Q_OBJECT

public:
    PanelStyle();

    // Installs the style on the application (once; later calls change nothing).
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
