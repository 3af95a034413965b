#pragma once

#include <QLabel>
#include <QWidget>

// Lays the text out in `width` pixels and keeps at most maxLines of it, the last one cut with an ellipsis
// when more would follow. Returns the kept lines joined by "\n".
QString elideToLines(const QString &text, const QFont &font, int width, int maxLines);

// The confirmation banner: the check symbol and one message of at most two lines, in the caption style.
class BannerView : public QWidget
{
    Q_OBJECT

public:
    explicit BannerView(QWidget *parent = nullptr);

    void setMessage(const QString &message);
    QString message() const { return m_message; }
    // What is drawn: the message cut to two lines.
    QString shownText() const;

private:
    class Text;
    QString m_message;
    Text *m_text;
};
