#pragma once

#include "core/color/ColorSamplerService.h"
#include "widgets/HoverButton.h"

#include <QWidget>

#include <optional>

class QMenu;

// The selected colour against a second one: a preview of the first as text on the second and the WCAG
// ratio. A click copies the one-line summary (the section does the copying).
class ContrastButton : public HoverButton
{
    Q_OBJECT

public:
    explicit ContrastButton(QWidget *parent = nullptr);

    void setColors(const QString &foreground, const QString &background);
    QString foreground() const { return m_foreground; }
    QString background() const { return m_background; }
    ColorSamplerService::Contrast contrast() const { return m_contrast; }
    QString summary() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_foreground;
    QString m_background;
    ColorSamplerService::Contrast m_contrast;
};

// The four WCAG marks under the ratio, each a tick or a cross with the level's name. Part of the summary
// for the pointer (a click copies it too); the keyboard and screen readers have it all on the button.
class ContrastMarks : public QWidget
{
    Q_OBJECT

public:
    explicit ContrastMarks(ContrastButton *button, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ContrastButton *m_button;
};

// Which colour the selected one is checked against: the previous recent colour unless the user chose
// white, black or another recent colour from its menu.
class SecondColorButton : public HoverButton
{
    Q_OBJECT

public:
    explicit SecondColorButton(QWidget *parent = nullptr);

    // `pinned`: what the user chose, if anything; `recents`: the colours on offer.
    void setChoice(const QString &hex, const std::optional<QString> &pinned, const QStringList &recents);
    QString hex() const { return m_hex; }
    // The choices, filled in when the button opens it.
    QMenu *menu() const { return m_menu; }
    QSize sizeHint() const override;

Q_SIGNALS:
    // None: follow the previous recent colour again.
    void chosen(const std::optional<QString> &hex);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fillMenu();

    QString m_hex;
    std::optional<QString> m_pinned;
    QStringList m_recents;
    QMenu *m_menu;
};

// The ratio with the picker of the second colour beside it, the marks below.
class ContrastRow : public QWidget
{
    Q_OBJECT

public:
    explicit ContrastRow(QWidget *parent = nullptr);

    void setColors(const QString &foreground, const QString &background, const std::optional<QString> &pinned,
                   const QStringList &recents);
    ContrastButton *button() const { return m_button; }
    SecondColorButton *picker() const { return m_picker; }
    ContrastMarks *marks() const { return m_marks; }
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placePicker();

    ContrastButton *m_button;
    SecondColorButton *m_picker;
    ContrastMarks *m_marks;
};
