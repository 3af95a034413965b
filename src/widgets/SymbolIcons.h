#pragma once

#include "widgets/Layout.h"

#include <QIcon>
#include <QImage>
#include <QStringList>
#include <QWidget>

class QPainter;

// The program's symbols by name ("photo", "eyedropper", …), drawn from vendored SVGs as single-colour
// templates: the SVG's shape is the alpha channel, filled with whatever colour the caller asks for.
namespace SymbolIcons {

bool contains(const QString &name);
QStringList names();

// The symbol's shape filled with colour, `size` logical pixels at the given device pixel ratio.
// An unknown name gives a null image.
QImage image(const QString &name, const QSize &size, qreal devicePixelRatio, const QColor &color);

// The template step for any drawing: keeps the coverage of what `image` holds and fills it with `color`, so
// a shape drawn in whatever colours takes the one colour asked for.
void applyTemplateColor(QImage &image, const QColor &color);

// How many device pixels one logical pixel takes under this painter: the screen's pixel ratio, or the scale
// of a widget rendered into a larger image, times the painter's own scaling (a grown symbol).
qreal pixelScale(const QPainter &painter);

// Draws the symbol into rect at the painter's device pixel ratio, so it stays sharp on HiDPI screens.
void paint(QPainter &painter, const QRectF &rect, const QString &name, const QColor &color);

// An icon in a tone of the application palette (tertiary when disabled) that follows palette changes.
QIcon icon(const QString &name, Style::Tone tone = Style::Tone::Primary);

} // namespace SymbolIcons

// A symbol alone, in a tone of the current palette.
class SymbolView : public QWidget
{
    Q_OBJECT

public:
    SymbolView(const QString &name, Style::Tone tone, int pointSize, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    Style::Tone m_tone;
    int m_size;
};
