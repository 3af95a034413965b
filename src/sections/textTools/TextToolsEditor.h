#pragma once

#include <QPlainTextEdit>

#include <optional>

// The text tools' editor, which gives back exactly the text pasted, dropped or set into it.
//
// A QTextDocument keeps a text in its own form: every line break ("\n", "\r\n", a lone "\r", U+2029)
// becomes a block break, and toPlainText() also turns U+00A0 into a space and U+2028 into a line feed.
// So the editor keeps the exact text beside the document until someone edits the document by hand; from
// then on it reads the document's raw text, which keeps every character but the line break's spelling.
class TextToolsEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TextToolsEditor(QWidget *parent = nullptr);

    QString text() const;
    // The same, moved out when the editor holds the only exact copy, so an operation can rewrite it in
    // place; the editor must get a new text through setText() afterwards.
    QString takeText();
    // Replaces the whole content as one step, which undo takes back unless `undoable` is off.
    void setText(const QString &text, bool undoable = true);

protected:
    void insertFromMimeData(const QMimeData *source) override;

private:
    bool replacesEverything() const;

    std::optional<QString> m_exact;
    bool m_writing = false;
};
