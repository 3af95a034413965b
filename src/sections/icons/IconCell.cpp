#include "sections/icons/IconCell.h"

#include "net/HttpClient.h"
#include "widgets/HoverButton.h"
#include "widgets/Spinner.h"
#include "widgets/SymbolIcons.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgRenderer>

IconCell::IconCell(const IconifyService::IconID &icon, QWidget *parent)
    : HoverButton(parent), m_icon(icon), m_spinner(new Spinner(12, this))
{
    setToolTip(icon.id());
    setAccessibleName(icon.id());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    // Shown only while the tile is in view: dozens of tiles waiting below the fold need not animate.
    m_spinner->hide();
}

// Out of line for the renderer's sake; the fetch is a child task and goes with the tile.
IconCell::~IconCell() = default;

void IconCell::setOnScreen(bool onScreen)
{
    m_onScreen = onScreen;
    m_spinner->setVisible(m_state == State::loading && onScreen);
    if (m_state != State::loading)
        return;
    if (onScreen && !m_request)
        load();
    else if (!onScreen && m_request) {
        m_request->abort();
        // The aborted task goes later; coming back into view must not wait for that.
        m_request = nullptr;
    }
}

void IconCell::load()
{
    const auto url = IconifyService::svgURL(m_icon);
    if (!url) {
        setState(State::failed);
        return;
    }
    // Through the session's replies: a tile drawn again (the same search, a recent icon) costs no request.
    m_request = IconifyService::getCached(*url, this, [this](const HttpClient::Reply &reply) {
        if (reply.outcome == HttpClient::Reply::Outcome::ok)
            loaded(reply.body);
        else
            setState(State::failed);
    });
}

void IconCell::loaded(const QByteArray &bytes)
{
    auto svg = std::make_unique<QSvgRenderer>(bytes);
    if (svg->isValid() && (!svg->viewBoxF().isEmpty() || !svg->defaultSize().isEmpty())) {
        m_svg = std::move(svg);
        setState(State::shown);
        return;
    }
    m_raster = QImage::fromData(bytes);
    setState(m_raster.isNull() || m_raster.size().isEmpty() ? State::failed : State::shown);
}

void IconCell::setState(State state)
{
    m_state = state;
    m_spinner->setVisible(state == State::loading && m_onScreen);
    update();
}

QRect IconCell::contentRect() const
{
    // The inset area stretches with the column; the square keeps its size in the middle of it.
    const QRect area = rect().adjusted(kInset, kInset, -kInset, -kInset);
    return {area.left() + (area.width() - kContentSize) / 2, area.top(), kContentSize, kContentSize};
}

void IconCell::resizeEvent(QResizeEvent *event)
{
    HoverButton::resizeEvent(event);
    const QRect content = contentRect();
    m_spinner->move(content.left() + (content.width() - m_spinner->width()) / 2,
                    content.top() + (content.height() - m_spinner->height()) / 2);
}

namespace {

// The icon scaled to fit `pixels`, keeping its own proportions (a viewBox need not be square), its shape
// filled with `color`.
QImage drawTemplate(QSvgRenderer *svg, const QImage &raster, const QSize &pixels, const QColor &color)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSizeF natural = svg ? (svg->viewBoxF().isEmpty() ? QSizeF(svg->defaultSize()) : svg->viewBoxF().size())
                                   : QSizeF(raster.size());
        const QSizeF fitted = natural.scaled(QSizeF(pixels), Qt::KeepAspectRatio);
        // On whole pixels: a half-pixel offset would blur every edge.
        const QRectF target(QPointF(std::round((pixels.width() - fitted.width()) / 2),
                                    std::round((pixels.height() - fitted.height()) / 2)),
                            fitted);
        if (svg)
            svg->render(&painter, target);
        else
            painter.drawImage(target, raster);
    }
    SymbolIcons::applyTemplateColor(image, color);
    return image;
}

} // namespace

QImage IconCell::tintedImage(const QSize &size, qreal devicePixelRatio, const QColor &color)
{
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    if (m_tinted.size() == pixels && m_tintedColor == color)
        return m_tinted;
    QImage image = drawTemplate(m_svg.get(), m_raster, pixels, color);
    image.setDevicePixelRatio(devicePixelRatio);
    m_tinted = image;
    m_tintedColor = color;
    return image;
}

QByteArray IconCell::renderPng(const QByteArray &svgBytes, int size, qreal scale, const QColor &color)
{
    QSvgRenderer svg(svgBytes);
    if (!svg.isValid() || (svg.viewBoxF().isEmpty() && svg.defaultSize().isEmpty()))
        return {};
    const int side = qMax(1, qRound(size * scale));
    const QImage image = drawTemplate(&svg, {}, QSize(side, side), color);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

void IconCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintTileFace(painter, 6, 0.1);

    const QRect content = contentRect();
    switch (m_state) {
    case State::shown:
        painter.drawImage(content, tintedImage(content.size(), SymbolIcons::pixelScale(painter),
                                               Style::color(palette(), Style::Tone::Primary)));
        break;
    case State::failed:
        SymbolIcons::paint(painter, content, QStringLiteral("questionmark.square.dashed"),
                           Style::color(palette(), Style::Tone::Secondary));
        break;
    case State::loading:
        break;
    }
}
