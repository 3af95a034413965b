#include "widgets/PanelStyle.h"

#include "widgets/Layout.h"
#include "widgets/SymbolIcons.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>

namespace {

constexpr qreal kControlRadius = 5;
constexpr int kScrollBarExtent = 10;
constexpr int kThumbWidth = 6;
constexpr int kThumbMinimum = 24;
constexpr int kFieldPadding = 4;

// A rounded box with the panel's control edge, filled, ringed when it shows the focus.
void drawControlBox(QPainter *painter, const QRectF &rect, const QColor &fill, bool focusRing, const QPalette &palette)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Style::color(palette, Style::Tone::ControlEdge), 1));
    painter->setBrush(fill);
    painter->drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), kControlRadius, kControlRadius);
    painter->restore();
    if (focusRing)
        Style::paintFocusRing(*painter, rect, kControlRadius, palette);
}

} // namespace

PanelStyle::PanelStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{}

void PanelStyle::install()
{
    if (!qobject_cast<PanelStyle *>(QApplication::style()))
        QApplication::setStyle(new PanelStyle);
}

void PanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    switch (element) {
    case PE_PanelLineEdit:
        // A field always shows where the typing goes, whether the keyboard or the pointer put it there.
        drawControlBox(painter, option->rect, option->palette.color(QPalette::Base), option->state & State_HasFocus,
                       option->palette);
        return;
    case PE_FrameLineEdit:
        drawControlBox(painter, option->rect, Qt::transparent, false, option->palette);
        return;
    case PE_PanelButtonCommand: {
        QColor fill = option->palette.color(QPalette::Button);
        const QColor text = option->palette.color(QPalette::ButtonText);
        if (option->state & (State_Sunken | State_On))
            fill = Style::mix(fill, text, 0.14);
        else if ((option->state & State_MouseOver) && (option->state & State_Enabled))
            fill = Style::mix(fill, text, 0.06);
        drawControlBox(painter, option->rect, fill,
                       (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange),
                       option->palette);
        return;
    }
    case PE_FrameDefaultButton:
        return;
    case PE_FrameFocusRect:
        // A push or tool button rings itself in its panel; anything else gets the same ring here.
        if (!qobject_cast<const QPushButton *>(widget) && !qobject_cast<const QToolButton *>(widget))
            Style::paintFocusRing(*painter, option->rect, 3, option->palette);
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void PanelStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    if (element == CE_ShapedFrame && qobject_cast<const QAbstractScrollArea *>(widget)) {
        const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
        if (frame && frame->frameShape != QFrame::NoFrame) {
            drawControlBox(painter, option->rect, Qt::transparent, widget->hasFocus(), option->palette);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void PanelStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                    const QWidget *widget) const
{
    if (control == CC_ComboBox) {
        // A button like the others, with the arrow where the style puts it.
        QColor fill = option->palette.color(QPalette::Button);
        if ((option->state & State_MouseOver) && (option->state & State_Enabled))
            fill = Style::mix(fill, option->palette.color(QPalette::ButtonText), 0.06);
        drawControlBox(painter, option->rect, fill,
                       (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange),
                       option->palette);
        QStyleOption arrow = *option;
        arrow.rect = subControlRect(CC_ComboBox, option, SC_ComboBoxArrow, widget).adjusted(3, 3, -3, -3);
        proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
        return;
    }
    if (control != CC_ScrollBar) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (!bar || bar->minimum == bar->maximum)
        return;
    // Only the thumb, in a narrow gutter beside the content: no track, no arrow buttons.
    const QRect slider = subControlRect(CC_ScrollBar, option, SC_ScrollBarSlider, widget);
    const bool vertical = bar->orientation == Qt::Vertical;
    const bool active = (bar->state & State_MouseOver) || (bar->state & State_Sunken);
    const int thickness = active ? kScrollBarExtent - 2 : kThumbWidth;
    QRectF thumb = slider;
    if (vertical)
        thumb = QRectF(slider.right() + 1 - thickness - 1, slider.top() + 1, thickness, slider.height() - 2);
    else
        thumb = QRectF(slider.left() + 1, slider.bottom() + 1 - thickness - 1, slider.width() - 2, thickness);
    QColor colour = Style::color(bar->palette, Style::Tone::Secondary);
    colour = Style::withContrast(colour, bar->palette.color(QPalette::Window), 3.0);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawRoundedRect(thumb, thickness / 2.0, thickness / 2.0);
    painter->restore();
}

QRect PanelStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                                 const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const QRect area = bar->rect;
    const bool vertical = bar->orientation == Qt::Vertical;
    const int length = vertical ? area.height() : area.width();
    const qint64 range = qint64(bar->maximum) - bar->minimum;
    int thumbLength = length;
    if (range > 0)
        thumbLength = int(qint64(length) * bar->pageStep / (range + bar->pageStep));
    thumbLength = qBound(qMin(kThumbMinimum, length), thumbLength, length);
    const int start =
        sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition, length - thumbLength, bar->upsideDown);
    auto along = [&](int from, int size) {
        return vertical ? QRect(area.left(), area.top() + from, area.width(), size)
                        : QRect(area.left() + from, area.top(), size, area.height());
    };
    switch (subControl) {
    case SC_ScrollBarSlider:
        return along(start, thumbLength);
    case SC_ScrollBarSubPage:
        return along(0, start);
    case SC_ScrollBarAddPage:
        return along(start + thumbLength, length - start - thumbLength);
    case SC_ScrollBarGroove:
        return area;
    case SC_ScrollBarAddLine:
    case SC_ScrollBarSubLine:
    case SC_ScrollBarFirst:
    case SC_ScrollBarLast:
        return {};
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

QRect PanelStyle::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    // The text keeps clear of the rounded edge and of the focus ring inside it.
    if (element == SE_LineEditContents)
        return rect.adjusted(kFieldPadding, 0, -kFieldPadding, 0);
    return rect;
}

int PanelStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_ScrollBarExtent:
        return kScrollBarExtent;
    case PM_ScrollBarSliderMin:
        return kThumbMinimum;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int PanelStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                          QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_ScrollBar_ContextMenu:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

QIcon PanelStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    if (standardIcon == SP_LineEditClearButton)
        return SymbolIcons::icon(QStringLiteral("xmark.circle.fill"), Style::Tone::Secondary);
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
