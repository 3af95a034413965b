#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

class QPainter;
class QWidget;

// The panel's shared look: text styles, the three text tones, and the two layout pieces every section uses.
namespace Style {

enum class TextStyle { Callout, Subheadline, Caption };

// Text colour at full, 55 % and 30 % strength, and the accent (the palette's highlight).
enum class Tone { Primary, Secondary, Tertiary, Accent, OnAccent };

QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);

// Tessellon's own blue: the tray badge, and the accent where the desktop gives none of its own.
inline QColor brandAccent()
{
    return {0x3f, 0x7c, 0xf0};
}
QColor color(const QPalette &palette, Tone tone);

// Gives the widget's text (the palette role) the tone and keeps it in step with later changes of the
// application's light or dark palette.
void applyTone(QWidget *widget, Tone tone, QPalette::ColorRole role = QPalette::WindowText);

} // namespace Style

// The text with its first letter in upper case: a raw value shown as a label ("words" → "Words").
QString capitalised(const QString &text);

// A row of the symbol and the title in the subheadline style at semibold weight, for the top of a section.
QWidget *sectionTitle(const QString &title, const QString &systemImage, QWidget *parent = nullptr);

// A caption in the secondary tone, placed directly above the control it names.
QWidget *fieldLabel(const QString &text, QWidget *parent = nullptr);

class QPushButton;

enum class ControlSize { Regular, Large };

// A bordered push button with an optional symbol before its text; large buttons are taller, for a section's
// main actions.
QPushButton *borderedButton(const QString &text, const QString &symbol, ControlSize size, QWidget *parent = nullptr);

// A rounded rectangle of the secondary tone at 8 %, behind a text area (a preview, an editor).
class InsetBox : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A hand-drawn button that knows whether the pointer is over it.
class HoverButton : public QAbstractButton
{
    Q_OBJECT

public:
    using QAbstractButton::QAbstractButton;

    bool isHovered() const { return m_hovered; }

Q_SIGNALS:
    void hoverChanged(bool hovered);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

    // The face of a grid tile (a glyph, an icon): a rounded rectangle of the secondary tone at
    // `restingOpacity`, tinted with the accent while hovered or pressed, ringed while it has keyboard focus.
    void paintTileFace(QPainter &painter, qreal radius, qreal restingOpacity) const;

private:
    bool m_hovered = false;
};

// A borderless text button, like a link: the text alone in its tone, a dotted outline while it has keyboard
// focus. Drawn by hand so that it stays as small as its text and follows palette changes like any label.
class PlainButton : public QAbstractButton
{
    Q_OBJECT

public:
    PlainButton(const QString &text, Style::TextStyle style, Style::Tone tone, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
