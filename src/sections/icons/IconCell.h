#pragma once

#include "net/AsyncTask.h"
#include "net/IconifyService.h"
#include "widgets/HoverButton.h"
#include "widgets/Layout.h"

#include <QImage>
#include <QPointer>

#include <memory>

class QSvgRenderer;
class Spinner;

// One result tile of the icon finder: the icon drawn as a single-colour template in the text colour, a
// spinner while it loads, the dashed question mark when it cannot be loaded. It fetches its icon only while
// it is on screen, and its tooltip and accessible name are the icon's "prefix:name".
class IconCell : public HoverButton
{
    Q_OBJECT

public:
    enum class State { loading, shown, failed };

    explicit IconCell(const IconifyService::IconID &icon, QWidget *parent = nullptr);
    ~IconCell() override;

    State state() const { return m_state; }

    // The grid says when the tile scrolls into view or out of it: coming into view starts the fetch, leaving
    // it cancels a fetch still running, which starts again when the tile comes back.
    void setOnScreen(bool onScreen);

    QSize sizeHint() const override { return {kMinimumWidth, kContentSize + 2 * kInset}; }

    // An icon's SVG drawn `size` points square at `scale` pixels a point, its shape in `color`, as PNG
    // bytes; none when the markup is no picture.
    static QByteArray renderPng(const QByteArray &svg, int size, qreal scale, const QColor &color);

    static constexpr int kMinimumWidth = 44;
    static constexpr int kContentSize = 26;
    static constexpr int kInset = 7;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void load();
    void loaded(const QByteArray &bytes);
    void setState(State state);
    // The 26-point square the icon, the symbol or the spinner sits in, centred in the tile's inset area.
    QRect contentRect() const;
    QImage tintedImage(const QSize &size, qreal devicePixelRatio, const QColor &color);

    IconifyService::IconID m_icon;
    State m_state = State::loading;
    bool m_onScreen = false;
    QPointer<AsyncTask> m_request;
    Spinner *m_spinner;
    // What was loaded: an SVG, or a raster image when the service sent one.
    std::unique_ptr<QSvgRenderer> m_svg;
    QImage m_raster;
    // The last drawing, reused until the size, scale or colour changes.
    QImage m_tinted;
    QColor m_tintedColor;
};
