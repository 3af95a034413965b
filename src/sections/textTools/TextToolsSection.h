#pragma once

#include "sections/Notify.h"

#include <QPushButton>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class TextToolsEditor;

// A button that may be inert: drawn at 45 % and ignoring clicks, yet still hoverable, so its hint and
// tooltip still explain what it would do.
class OpButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    void setInert(bool inert);
    bool isInert() const { return m_inert; }

Q_SIGNALS:
    void hovered(bool entered);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_inert = false;
};

// The text tools tab: an editor for pasted text, operations that rewrite it in place, the characters to
// strip, and Copy. Each control explains itself in a hint line under its row while the pointer is on it.
class TextToolsSection : public QWidget
{
    Q_OBJECT

public:
    enum class HintGroup { sort, lines, strip, copy };
    struct Hint {
        HintGroup group;
        QString text;
        bool operator==(const Hint &) const = default;
    };

    explicit TextToolsSection(Notify notify, QWidget *parent = nullptr);

    std::optional<Hint> hovered() const { return m_hovered; }
    bool canStrip() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Every button of the operation rows: its label (and symbol), its row's hint, whether it is live now.
    OpButton *opButton(const QString &title, HintGroup group, const QString &symbol, const QString &hint,
                       std::function<bool()> enabled, bool large, std::function<void()> action);
    QLabel *hintLine(HintGroup group);
    void setHovered(std::optional<Hint> hint);
    void refreshEnabled();
    void apply(const std::function<QString(QString)> &operation);
    void copy();

    Notify m_notify;
    std::optional<Hint> m_hovered;
    bool m_hasText = false;

    TextToolsEditor *m_editor;
    QLabel *m_placeholder;
    QLineEdit *m_stripChars;
    QList<std::pair<OpButton *, std::function<bool()>>> m_buttons;
    QList<std::pair<HintGroup, QLabel *>> m_hintLines;
};
