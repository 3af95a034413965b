#include "widgets/BannerView.h"

#include "widgets/Layout.h"
#include "widgets/PlainButton.h"
#include "widgets/SymbolIcons.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QTextLayout>

namespace {

constexpr int kMaxLines = 2;
constexpr int kSymbolSize = 11;

} // namespace

QString elideToLines(const QString &text, const QFont &font, int width, int maxLines)
{
    if (text.isEmpty() || width <= 0 || maxLines <= 0)
        return {};

    // QTextLayout only breaks at U+2028, so a message's own line feeds become that.
    QString flowing = text;
    flowing.replace(QLatin1Char('\n'), QChar::LineSeparator);

    QTextLayout layout(flowing, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);

    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == maxLines - 1) {
            // The last line we may show takes all the rest, cut where it no longer fits.
            QString rest = flowing.mid(line.textStart());
            rest.replace(QChar::LineSeparator, QLatin1Char(' '));
            lines.append(QFontMetrics(font).elidedText(rest, Qt::ElideRight, width));
            break;
        }
        QString piece = flowing.mid(line.textStart(), line.textLength());
        piece.remove(QChar::LineSeparator);
        while (!piece.isEmpty() && piece.back().isSpace())
            piece.chop(1);
        lines.append(piece);
    }
    layout.endLayout();
    return lines.join(QLatin1Char('\n'));
}

// A label whose height follows the width it is given, up to two lines.
class BannerView::Text : public QLabel
{
public:
    explicit Text(QWidget *parent) : QLabel(parent)
    {
        setFont(Style::font(Style::TextStyle::Caption));
        // Messages carry names from the network and the settings file: never markup.
        setTextFormat(Qt::PlainText);
        Style::applyTone(this, Style::Tone::Secondary);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setMinimumWidth(1);
        QSizePolicy policy = sizePolicy();
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    void setMessage(const QString &message)
    {
        m_message = message;
        relayout();
        updateGeometry();
    }

    bool hasHeightForWidth() const override { return true; }

    int heightForWidth(int width) const override
    {
        const QString shown = elideToLines(m_message, font(), width, kMaxLines);
        const int lines = shown.isEmpty() ? 1 : int(shown.count(QLatin1Char('\n'))) + 1;
        return lines * QFontMetrics(font()).lineSpacing();
    }

    QSize sizeHint() const override { return {1, heightForWidth(qMax(width(), 1))}; }
    QSize minimumSizeHint() const override { return {1, QFontMetrics(font()).lineSpacing()}; }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        relayout();
    }

private:
    void relayout() { setText(elideToLines(m_message, font(), width(), kMaxLines)); }

    QString m_message;
};

BannerView::BannerView(QWidget *parent)
    : QWidget(parent), m_text(new Text(this)),
      m_action(new PlainButton(QString(), Style::TextStyle::Caption, Style::Tone::Link, this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *symbol = new SymbolView(QStringLiteral("checkmark.circle.fill"), Style::Tone::Secondary, kSymbolSize, this);
    // Centred on the first line's letters, not on its line box, whose top holds the font's room for accents:
    // halfway between the middle of the capitals and the middle of the small letters.
    const QFontMetricsF metrics(m_text->font());
    const qreal letterCentre = metrics.ascent() - (metrics.capHeight() + metrics.xHeight()) / 4;
    auto *symbolColumn = new QVBoxLayout;
    symbolColumn->setContentsMargins(0, qMax(0, qRound(letterCentre - kSymbolSize / 2.0)), 0, 0);
    symbolColumn->addWidget(symbol);
    symbolColumn->addStretch(1);
    layout->addLayout(symbolColumn);
    layout->addWidget(m_text, 1);
    m_action->hide();
    layout->addWidget(m_action, 0, Qt::AlignTop);
    // Pressed once: what it undid or redid is done, and a second press would do something else.
    connect(m_action, &QAbstractButton::clicked, this, [this] {
        const std::function<void()> run = m_offer.run;
        dropAction();
        if (run)
            run();
    });
}

void BannerView::setMessage(const QString &message, const BannerAction &action)
{
    m_message = message;
    m_text->setMessage(message);
    if (m_offer.validWhile)
        disconnect(m_offer.validWhile, &QObject::destroyed, this, nullptr);
    m_offer = action;
    if (!action.validWhile || !action.run) {
        dropAction();
        return;
    }
    connect(action.validWhile, &QObject::destroyed, this, &BannerView::dropAction);
    m_action->setText(action.label);
    m_action->setToolTip(action.toolTip);
    m_action->setAccessibleName(action.label);
    m_action->show();
}

PlainButton *BannerView::actionButton() const
{
    return m_action->isVisibleTo(this) ? m_action : nullptr;
}

void BannerView::dropAction()
{
    m_offer = {};
    // The keyboard stays in the footer rather than falling to the start of the window.
    if (m_action->hasFocus())
        m_action->nextInFocusChain()->setFocus(Qt::TabFocusReason);
    m_action->hide();
}

QString BannerView::shownText() const
{
    return m_text->text();
}
