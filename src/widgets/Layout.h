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

// A row of the symbol and the title in the subheadline style at semibold weight, for the top of a section.
QWidget *sectionTitle(const QString &title, const QString &systemImage, QWidget *parent = nullptr);

// A caption in the secondary tone, placed directly above the control it names.
QWidget *fieldLabel(const QString &text, QWidget *parent = nullptr);

class QPushButton;

enum class ControlSize { Regular, Large };

// A bordered push button with an optional symbol before its text; large buttons are taller, for a section's
// main actions.
QPushButton *borderedButton(const QString &text, const QString &symbol, ControlSize size, QWidget *parent = nullptr);
