#pragma once

#include "net/AsyncTask.h"
#include "sections/Notify.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class OpButton;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class TextToolsEditor;

// The text tools tab: an editor for pasted text, operations that rewrite it in place, the characters to
// strip, and Copy. Each control explains itself in a hint line under its row while the pointer is on it.
class TextToolsSection : public QWidget
{
    Q_OBJECT

public:
    enum class HintGroup { sort, lines, strip, more, copy };
    struct Hint {
        HintGroup group;
        QString text;
        bool operator==(const Hint &) const = default;
    };

    // `offer` reports what a further operation did with "Undo" beside it in the banner; without it the report
    // comes through `notify` alone.
    explicit TextToolsSection(Notify notify, NotifyWithAction offer = {}, QWidget *parent = nullptr);

    std::optional<Hint> hovered() const { return m_hovered; }
    bool canStrip() const;
    // Whether an operation is running on a worker, or its result is still going into the editor.
    bool isBusy() const;
    // Texts at least this long (in UTF-16 code units) are worked on by a worker thread.
    void setWorkerThreshold(qsizetype length) { m_workerThreshold = length; }

Q_SIGNALS:
    void busyChanged(bool busy);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Every button of the operation rows: its label (and symbol), its row's hint, whether it is live now.
    OpButton *opButton(const QString &title, HintGroup group, const QString &symbol, const QString &hint,
                       std::function<bool()> enabled, bool large, std::function<void(OpButton *)> action);
    QLabel *hintLine(HintGroup group);
    void setHovered(std::optional<Hint> hint);
    void refreshEnabled();
    // Runs the operation on the editor's text; `then` follows once the editor holds the result.
    void apply(OpButton *button, const std::function<QString(QString)> &operation,
               const std::function<void()> &then = {});
    void finishOperation(const QString &result, const QString &before, const std::function<void()> &then);
    void updateBusy();
    void copy();
    // The further operations, in the More button's menu.
    void buildMoreMenu();
    // `report` words what the operation did, from the number of lines of its result.
    void addMoreItem(const QString &title, const QString &hint, std::function<QString(QString)> operation,
                     std::function<QString(qsizetype lines)> report);
    // Reports a further operation's result, with "Undo" in the banner while the editor still holds it.
    void reportWithUndo(const QString &message);
    void cleanInvisibles();
    void refreshCounts();

    Notify m_notify;
    NotifyWithAction m_offer;
    // Lives while the banner's Undo may take the last operation back.
    QPointer<QObject> m_undoOffer;
    std::optional<Hint> m_hovered;
    bool m_hasText = false;
    // Past this length an operation runs on a worker: the slowest (snake_case) take 400 ns a character.
    qsizetype m_workerThreshold = 64 * 1024;
    QPointer<AsyncTask> m_work;
    OpButton *m_running = nullptr;
    bool m_wasBusy = false;

    TextToolsEditor *m_editor;
    QLabel *m_placeholder;
    QLineEdit *m_stripChars;
    QLineEdit *m_separator;
    OpButton *m_moreButton;
    QMenu *m_moreMenu;
    QLabel *m_counts;
    QTimer *m_countsTimer;
    QPointer<AsyncTask> m_counting;
    QList<std::pair<OpButton *, std::function<bool()>>> m_buttons;
    QList<std::pair<HintGroup, QLabel *>> m_hintLines;
};
