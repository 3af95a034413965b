#include "widgets/SymbolIcons.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <map>
#include <memory>

// The symbols live in a static library; naming its resource initialiser keeps the linker from dropping them.
static void initSymbolResources()
{
    Q_INIT_RESOURCE(symbols);
}

namespace SymbolIcons {

namespace {

struct Entry {
    const char *file;
    const char *cutout = nullptr; // drawn out of the shape, for the filled symbols
};

const QHash<QString, Entry> &registry()
{
    static const bool resourcesReady = (initSymbolResources(), true);
    Q_UNUSED(resourcesReady);
    static const QHash<QString, Entry> table = {
        {QStringLiteral("square.on.square.dashed"), {"square-on-square-dashed"}},
        {QStringLiteral("photo"), {"image"}},
        {QStringLiteral("eyedropper"), {"pipette"}},
        {QStringLiteral("eyedropper.halffull"), {"pipette-half"}},
        {QStringLiteral("text.alignleft"), {"align-left"}},
        {QStringLiteral("magnifyingglass"), {"search"}},
        {QStringLiteral("number"), {"hash"}},
        {QStringLiteral("text.badge.checkmark"), {"spell-check"}},
        {QStringLiteral("checkmark.circle.fill"), {"circle-fill", "check-cutout"}},
        {QStringLiteral("xmark.circle.fill"), {"circle-fill", "xmark-cutout"}},
        {QStringLiteral("link"), {"link"}},
        {QStringLiteral("arrow.down.circle"), {"circle-arrow-down"}},
        {QStringLiteral("list.bullet"), {"list"}},
        {QStringLiteral("doc.on.clipboard"), {"clipboard-copy"}},
        {QStringLiteral("arrow.clockwise"), {"rotate-cw"}},
        {QStringLiteral("questionmark.square.dashed"), {"question-square-dashed"}},
        {QStringLiteral("character"), {"type"}},
        {QStringLiteral("arrow.right"), {"arrow-right"}},
        {QStringLiteral("function"), {"square-function"}},
        {QStringLiteral("text.quote"), {"quote"}},
        {QStringLiteral("checkmark"), {"check"}},
        {QStringLiteral("chevron.right"), {"chevron-right"}},
        {QStringLiteral("chevron.down"), {"chevron-down"}},
        {QStringLiteral("tablecells"), {"table"}},
        {QStringLiteral("dollarsign"), {"dollar-sign"}},
        {QStringLiteral("c.circle"), {"copyright"}},
    };
    return table;
}

QSvgRenderer *renderer(const char *file)
{
    // Parsed once per file and kept for the life of the process: symbols are redrawn on every repaint.
    static std::map<QString, std::unique_ptr<QSvgRenderer>> cache;
    const QString path = QStringLiteral(":/symbols/%1.svg").arg(QLatin1String(file));
    auto it = cache.find(path);
    if (it == cache.end())
        it = cache.emplace(path, std::make_unique<QSvgRenderer>(path)).first;
    return it->second.get();
}

class SymbolIconEngine : public QIconEngine
{
public:
    SymbolIconEngine(QString name, Style::Tone tone) : m_name(std::move(name)), m_tone(tone) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        SymbolIcons::paint(*painter, rect, m_name, iconColor(mode));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        return QPixmap::fromImage(image(m_name, size, 1.0, iconColor(mode)));
    }

    // QIcon passes the size in device pixels here, already multiplied by the scale.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const qreal dpr = scale > 0 ? scale : 1.0;
        return QPixmap::fromImage(image(m_name, size / dpr, dpr, iconColor(mode)));
    }

    QIconEngine *clone() const override { return new SymbolIconEngine(m_name, m_tone); }
    QString key() const override { return QStringLiteral("TessellonSymbol"); }
    bool isNull() override { return !contains(m_name); }

private:
    QColor iconColor(QIcon::Mode mode) const
    {
        const QPalette palette = QApplication::palette();
        return Style::color(palette, mode == QIcon::Disabled   ? Style::Tone::Tertiary
                                     : mode == QIcon::Selected ? Style::Tone::OnAccent
                                                               : m_tone);
    }

    QString m_name;
    Style::Tone m_tone;
};

} // namespace

bool contains(const QString &name)
{
    return registry().contains(name);
}

QStringList names()
{
    QStringList list = registry().keys();
    list.sort();
    return list;
}

QImage image(const QString &name, const QSize &size, qreal devicePixelRatio, const QColor &color)
{
    const auto it = registry().constFind(name);
    if (it == registry().constEnd() || size.isEmpty())
        return {};

    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    QImage result(pixels, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF target(QPointF(0, 0), QSizeF(pixels));
        renderer(it->file)->render(&painter, target);
        if (it->cutout) {
            painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
            renderer(it->cutout)->render(&painter, target);
        }
    }
    applyTemplateColor(result, color);
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}

void applyTemplateColor(QImage &image, const QColor &color)
{
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRect(QPoint(0, 0), image.size()), color);
}

qreal pixelScale(const QPainter &painter)
{
    // The device transform is the whole way from the painter's coordinates to pixels: the screen's ratio, the
    // painter's own scaling, and the scale of a widget rendered into a larger image (where the device itself
    // still reports the widget's ratio).
    const QTransform toPixels = painter.deviceTransform();
    const qreal scale = std::hypot(toPixels.m11(), toPixels.m12());
    return scale > 0 ? scale : 1.0;
}

void paint(QPainter &painter, const QRectF &rect, const QString &name, const QColor &color)
{
    // Rendered at the transformed size so that a scaled symbol (the selected tab) is not a blown-up bitmap.
    const QSize logical(qCeil(rect.width()), qCeil(rect.height()));
    const QImage img = image(name, logical, pixelScale(painter), color);
    if (img.isNull())
        return;
    painter.drawImage(QRectF(rect.topLeft(), QSizeF(logical)), img);
}

QIcon icon(const QString &name, Style::Tone tone)
{
    return QIcon(new SymbolIconEngine(name, tone));
}

} // namespace SymbolIcons

SymbolView::SymbolView(const QString &name, Style::Tone tone, int pointSize, QWidget *parent)
    : QWidget(parent), m_name(name), m_tone(tone), m_size(pointSize)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize SymbolView::sizeHint() const
{
    return {m_size, m_size};
}

void SymbolView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF square((width() - m_size) / 2.0, (height() - m_size) / 2.0, m_size, m_size);
    SymbolIcons::paint(painter, square, m_name, Style::color(palette(), m_tone));
}
