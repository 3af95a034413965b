#include "sections/textTools/TextToolsEditor.h"

#include <QMimeData>
#include <QTextDocument>

TextToolsEditor::TextToolsEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    // Any change not made here (typing, undo, a paste into the middle) drops the exact copy.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (!m_writing && (removed != 0 || added != 0))
            m_exact.reset();
    });
}

QString TextToolsEditor::text() const
{
    if (m_exact)
        return *m_exact;
    // Raw text keeps U+00A0 and U+2028; only the block breaks need spelling as line feeds.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return raw;
}

QString TextToolsEditor::takeText()
{
    if (!m_exact)
        return text();
    QString exact = std::move(*m_exact);
    m_exact.reset();
    return exact;
}

void TextToolsEditor::setText(const QString &text, bool undoable)
{
    QTextDocument *doc = document();
    const bool undoWas = doc->isUndoRedoEnabled();
    if (!undoable)
        doc->setUndoRedoEnabled(false);
    m_writing = true;
    QTextCursor cursor(doc);
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    m_writing = false;
    doc->setUndoRedoEnabled(undoWas);
    m_exact = text;
}

bool TextToolsEditor::replacesEverything() const
{
    if (document()->isEmpty())
        return true;
    const QTextCursor cursor = textCursor();
    // characterCount() counts the document's closing block break too.
    return cursor.selectionStart() == 0 && cursor.selectionEnd() >= document()->characterCount() - 1;
}

void TextToolsEditor::insertFromMimeData(const QMimeData *source)
{
    // A paste or drop over the whole content is the usual way a text gets here: keep it exactly. One into
    // the middle of a text is a hand edit like typing.
    if (!source || !source->hasText() || !replacesEverything()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString pasted = source->text();
    m_writing = true;
    QPlainTextEdit::insertFromMimeData(source);
    m_writing = false;
    m_exact = pasted;
}
