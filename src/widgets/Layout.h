#pragma once

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

// Text colour at full, 55 % and 30 % strength, and the accent (the palette's highlight). The accent is the
// desktop's own and may be too light for text on it or too faint as text itself, so three tones derive
// from it what reads: AccentFill is the accent, darkened until OnAccent text on it reaches 4.5:1; Link is
// the palette's link colour for link-like buttons, moved until it reaches 4.5:1 on the window; FocusRing
// is the accent, moved until it reaches 3:1 on the window.
enum class Tone { Primary, Secondary, Tertiary, Accent, OnAccent, AccentFill, Link, FocusRing, ControlEdge };

QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);
// The desktop's fixed-width face, for colour codes and other text one copies.
QFont monospace(int pixelSize, QFont::Weight weight = QFont::Normal);

// Tessellon's own blue: the tray badge, and the accent where the desktop gives none of its own.
inline QColor brandAccent()
{
    return {0x3f, 0x7c, 0xf0};
}
// ControlEdge is the boundary of a control (a field, a button, the segmented control): the text colour
// faded into the window only so far that the edge still reaches 3:1 against the window and the field.
QColor color(const QPalette &palette, Tone tone);

// WCAG 2.x contrast ratio of two colours (1 to 21), a translucent foreground taken as drawn over the
// background.
double contrast(const QColor &foreground, const QColor &background);
// The foreground, drawn over the background, moved towards black or white (whichever lies farther from the
// background) just far enough to reach `minimum` against it; opaque.
QColor withContrast(const QColor &foreground, const QColor &background, double minimum);
// `from` moved the fraction `t` of the way to `to`; opaque.
QColor mix(const QColor &from, const QColor &to, double t);

// The panel's palette made readable: tooltips in the panel's own colours, placeholder text and links at
// 4.5:1. Installed as the application's palette, and used for tooltips too.
QPalette readablePalette(const QPalette &palette);
void setApplicationPalette(const QPalette &palette);

// The keyboard focus ring every hand-drawn control shares: two pixels in the FocusRing tone, inside `rect`.
void paintFocusRing(QPainter &painter, const QRectF &rect, qreal radius, const QPalette &palette);
// Whether to show that ring: the widget has the focus and the keyboard brought it there.
bool showsFocusRing(const QWidget *widget);

// The smallest side of anything a pointer aims at.
constexpr int kMinimumTarget = 24;

// Gives the widget's text (the palette role) the tone and keeps it in step with later changes of the
// application's light or dark palette.
void applyTone(QWidget *widget, Tone tone, QPalette::ColorRole role = QPalette::WindowText);

} // namespace Style

// A row of the symbol and the title in the subheadline style at semibold weight, for the top of a section.
QWidget *sectionTitle(const QString &title, const QString &systemImage, QWidget *parent = nullptr);

// A count as the user reads it: "1,204" in English, "1.204" in German; the C locale a bare session runs in
// groups no digits at all, so it reads as English does.
QString readableCount(qint64 number);
// A counted noun, spelt out for English (the program's own texts, with no catalogue to fill "(s)"): `one` for
// one, else `many` with the count in readable form ("%1 lines").
QString countedText(qint64 number, const QString &one, const QString &many);

// A caption in the secondary tone, placed directly above the control it names.
QWidget *fieldLabel(const QString &text, QWidget *parent = nullptr);

class QPushButton;

enum class ControlSize { Regular, Large };

// A bordered push button with an optional symbol before its text; large buttons are taller, for a section's
// main actions.
QPushButton *borderedButton(const QString &text, const QString &symbol, ControlSize size, QWidget *parent = nullptr);
