#pragma once

#include <QPlainTextEdit>

#include <optional>

// The text tools' editor, which gives back exactly the text pasted, dropped or set into it.
//
// A QTextDocument keeps a text in its own form: every line break ("\n", "\r\n", a lone "\r", U+2029)
// becomes a block break, and toPlainText() also turns U+00A0 into a space and U+2028 into a line feed.
// So the editor keeps the exact text beside the document until someone edits the document by hand; from
// then on it reads the document's raw text, which keeps every character but the line break's spelling.
// A line too long to lay out at once (a joined log) is shown folded into blocks marked as going on from the
// one before; the raw text joins them again.
class TextToolsEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TextToolsEditor(QWidget *parent = nullptr);

    QString text() const;
    // The same, moved out when the editor holds the only exact copy, so an operation can rewrite it in
    // place; the editor must get a new text through setText() afterwards.
    QString takeText();
    // Replaces the whole content as one step, which undo takes back unless `undoable` is off. A long text
    // that undo need not keep goes in a slice per event-loop turn (the editor is read-only meanwhile):
    // one insertion of 20 MB would hold the event loop for most of a second. text() has it all at once.
    void setText(const QString &text, bool undoable = true);
    bool isFilling() const { return m_fillAt >= 0; }
    // The same for a text past the undo limit, keeping `before` (the text it replaces) so that Ctrl+Z
    // brings it back and Ctrl+Shift+Z goes forward again: one step, two whole texts at most.
    void setTextKeepingBefore(const QString &text, QString before);
    // Undo keeps every replaced text, and keeps it only for a text inserted whole: past this length (a
    // pasted log) it would hold megabytes a step and stand the panel still while the text went in, so
    // longer texts go in slices and start a fresh history instead, with the one step above.
    qsizetype undoLimit() const { return m_undoLimit; }
    void setUndoLimit(qsizetype length) { m_undoLimit = length; }
    // Takes back the last change, as Ctrl+Z does (also while a long text is still going in).
    void stepBack() { step(true); }
    // Read-only on the owner's word (while an operation runs), besides while filling.
    void setLocked(bool locked);

Q_SIGNALS:
    void fillingChanged(bool filling);
    // The text changed by other means than setText(): typing, a paste into it, undo or redo.
    void changedByHand();

protected:
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void step(bool back);
    bool replacesEverything() const;
    void fillSlice();
    void insertFolded(QTextCursor &cursor, QStringView slice);
    // The text between two positions of the document, with folded lines joined again.
    QString joined(int from, int to) const;
    void updateReadOnly();

    std::optional<QString> m_exact;
    // The long text replaced last, for one undo; the one undone, for one redo. Never both.
    std::optional<QString> m_before;
    std::optional<QString> m_after;
    bool m_writing = false;
    bool m_locked = false;
    QString m_fill;
    qsizetype m_fillAt = -1;
    // The length of the last line while filling, and whether a line was folded.
    qsizetype m_lineLength = 0;
    bool m_folded = false;
    qsizetype m_undoLimit = 64 * 1024;
};
