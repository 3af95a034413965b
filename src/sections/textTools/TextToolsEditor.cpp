#include "sections/textTools/TextToolsEditor.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

// About 5 ms of document work a slice, and a 20 MB text in under two seconds.
constexpr qsizetype kSliceLength = 64 * 1024;
// The first slices go into the view, where the editor lays out each line at once and loads a fallback font
// for each script it meets there for the first time (tens of milliseconds each): they start this short and
// double, so that work is spread over several turns of the event loop.
constexpr qsizetype kFirstSliceLength = 64;
// A block this long lays out in a few milliseconds; a line of megabytes would take seconds at every slice.
constexpr qsizetype kFoldLength = 4 * 1024;
// The user state of a block that goes on from the one before rather than starting a line.
constexpr int kFoldedBlock = 1;

} // namespace

TextToolsEditor::TextToolsEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    // Any change not made here (typing, undo, a paste into the middle) drops the exact copy.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (!m_writing && (removed != 0 || added != 0)) {
            m_exact.reset();
            m_before.reset();
            m_after.reset();
            Q_EMIT changedByHand();
        }
    });
}

QString TextToolsEditor::text() const
{
    if (m_exact)
        return *m_exact;
    // Raw text keeps U+00A0 and U+2028; only the block breaks need spelling as line feeds.
    if (!m_folded) {
        QString raw = document()->toRawText();
        raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return raw;
    }
    return joined(0, document()->characterCount() - 1);
}

QString TextToolsEditor::joined(int from, int to) const
{
    const QTextBlock first = document()->findBlock(from);
    const QTextBlock last = document()->findBlock(to);
    QString raw;
    raw.reserve(to - from);
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (block != first && block.userState() != kFoldedBlock)
            raw += QLatin1Char('\n');
        const int start = qMax(0, from - block.position());
        const int end = qMin(block.length() - 1, to - block.position());
        raw += QStringView(block.text()).sliced(start, end - start);
        if (block == last)
            break;
    }
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
    const bool wasFilling = isFilling();
    m_fillAt = -1;
    m_fill.clear();
    m_lineLength = 0;
    m_folded = false;
    QTextDocument *doc = document();
    if (undoable || text.size() <= kSliceLength) {
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
        if (wasFilling) {
            updateReadOnly();
            Q_EMIT fillingChanged(false);
        }
        return;
    }
    // Clearing a document is quick whatever its size (it also starts a fresh undo history, as wanted).
    const qreal margin = doc->documentMargin();
    m_writing = true;
    doc->clear();
    doc->setDocumentMargin(margin);
    m_writing = false;
    m_exact = text;
    m_fill = text;
    m_fillAt = 0;
    updateReadOnly();
    if (!wasFilling)
        Q_EMIT fillingChanged(true);
    fillSlice();
}

void TextToolsEditor::setTextKeepingBefore(const QString &text, QString before)
{
    setText(text, false);
    m_before = std::move(before);
    m_after.reset();
}

void TextToolsEditor::keyPressEvent(QKeyEvent *event)
{
    const bool undo = event->matches(QKeySequence::Undo);
    if ((undo || event->matches(QKeySequence::Redo)) && (undo ? m_before : m_after) && !isFilling()) {
        step(undo);
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextToolsEditor::step(bool back)
{
    std::optional<QString> &from = back ? m_before : m_after;
    if (!from) {
        // The document's own history, for a text it keeps.
        if (!isFilling())
            back ? undo() : redo();
        return;
    }
    // The long step first: it is the last change made, as the document's history was cleared with it.
    QString current = takeText();
    const QString target = std::move(*from);
    from.reset();
    setText(target, false);
    (back ? m_after : m_before) = std::move(current);
    Q_EMIT changedByHand();
}

void TextToolsEditor::fillSlice()
{
    if (!isFilling())
        return;
    qsizetype length = std::min(std::clamp(m_fillAt, kFirstSliceLength, kSliceLength), m_fill.size() - m_fillAt);
    // A slice never ends inside a surrogate pair or a "\r\n".
    const qsizetype end = m_fillAt + length;
    if (end < m_fill.size() && (m_fill.at(end - 1).isHighSurrogate() || m_fill.at(end - 1) == u'\r'))
        ++length;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    m_writing = true;
    const bool undoWas = document()->isUndoRedoEnabled();
    document()->setUndoRedoEnabled(false);
    insertFolded(cursor, QStringView(m_fill).sliced(m_fillAt, length));
    document()->setUndoRedoEnabled(undoWas);
    m_writing = false;
    m_fillAt += length;
    if (m_fillAt < m_fill.size()) {
        QTimer::singleShot(0, this, &TextToolsEditor::fillSlice);
        return;
    }
    m_fillAt = -1;
    m_fill.clear();
    moveCursor(QTextCursor::Start);
    updateReadOnly();
    Q_EMIT fillingChanged(false);
}

void TextToolsEditor::insertFolded(QTextCursor &cursor, QStringView slice)
{
    // In one insertion, blocks and all: a block made on its own is laid out at once, and laid out again
    // for the text then put into it.
    QString piece;
    std::vector<qsizetype> folds;
    qsizetype copied = 0;
    for (qsizetype at = 0; at < slice.size();) {
        const qsizetype feed = slice.indexOf(u'\n', at);
        const qsizetype lineEnd = feed < 0 ? slice.size() : feed;
        if (m_lineLength + lineEnd - at <= kFoldLength) {
            m_lineLength = feed < 0 ? m_lineLength + lineEnd - at : 0;
            at = feed < 0 ? lineEnd : feed + 1;
            continue;
        }
        // Never between the halves of a surrogate pair.
        qsizetype fold = at + kFoldLength - m_lineLength;
        if (fold > 0 && slice[fold - 1].isHighSurrogate())
            ++fold;
        piece += slice.sliced(copied, fold - copied);
        piece += QChar::ParagraphSeparator;
        folds.push_back(piece.size());
        copied = at = fold;
        m_lineLength = 0;
    }
    if (folds.empty()) {
        cursor.insertText(slice.toString());
        return;
    }
    piece += slice.sliced(copied);
    const int start = cursor.position();
    cursor.insertText(piece);
    for (const qsizetype fold : folds)
        document()->findBlock(start + int(fold)).setUserState(kFoldedBlock);
    m_folded = true;
}

void TextToolsEditor::setLocked(bool locked)
{
    m_locked = locked;
    updateReadOnly();
}

void TextToolsEditor::updateReadOnly()
{
    setReadOnly(m_locked || isFilling());
}

bool TextToolsEditor::replacesEverything() const
{
    if (document()->isEmpty())
        return true;
    const QTextCursor cursor = textCursor();
    // characterCount() counts the document's closing block break too.
    return cursor.selectionStart() == 0 && cursor.selectionEnd() >= document()->characterCount() - 1;
}

QMimeData *TextToolsEditor::createMimeDataFromSelection() const
{
    if (!m_folded)
        return QPlainTextEdit::createMimeDataFromSelection();
    // A copied, cut or dragged selection joins a folded line again, as text() does.
    const QTextCursor cursor = textCursor();
    auto *data = new QMimeData;
    data->setText(joined(cursor.selectionStart(), cursor.selectionEnd()));
    return data;
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
    // A long paste goes in slices like a long result, and undo does not keep it either.
    if (pasted.size() > m_undoLimit) {
        setTextKeepingBefore(pasted, text());
        return;
    }
    m_writing = true;
    QPlainTextEdit::insertFromMimeData(source);
    m_writing = false;
    m_exact = pasted;
}
