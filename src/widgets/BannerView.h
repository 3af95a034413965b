#pragma once

#include "widgets/BannerAction.h"

#include <QLabel>
#include <QWidget>

class PlainButton;

// Lays the text out in `width` pixels and keeps at most maxLines of it, the last one cut with an ellipsis
// when more would follow. Returns the kept lines joined by "\n".
QString elideToLines(const QString &text, const QFont &font, int width, int maxLines);

// The confirmation banner: the check symbol and one message of at most two lines, in the caption style, and
// on its right the message's action when it offers one.
class BannerView : public QWidget
{
    Q_OBJECT

public:
    explicit BannerView(QWidget *parent = nullptr);

    void setMessage(const QString &message, const BannerAction &action = {});
    QString message() const { return m_message; }
    // The action's button, or null while the message offers none (or no longer holds it).
    PlainButton *actionButton() const;
    // What is drawn: the message cut to two lines.
    QString shownText() const;

private:
    class Text;
    void dropAction();

    QString m_message;
    Text *m_text;
    PlainButton *m_action;
    BannerAction m_offer;
};
