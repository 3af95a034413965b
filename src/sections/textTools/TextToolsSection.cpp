#include "sections/textTools/TextToolsSection.h"

#include "core/text/TextToolsService.h"
#include "core/text/TextTransforms.h"
#include "net/ClipboardService.h"
#include "net/WorkerTask.h"
#include "sections/MainInput.h"
#include "sections/textTools/OpButton.h"
#include "sections/textTools/TextToolsEditor.h"
#include "widgets/InsetBox.h"
#include "widgets/Layout.h"
#include "widgets/SymbolIcons.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPropertyAnimation>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kHintHeight = 14;
constexpr int kHintFadeMs = 100;

} // namespace

TextToolsSection::TextToolsSection(Notify notify, NotifyWithAction offer, QWidget *parent)
    : QWidget(parent), m_notify(std::move(notify)), m_offer(std::move(offer))
{
    using TextToolsService::SortOrder;

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(sectionTitle(tr("Text Tools"), QStringLiteral("text.badge.checkmark"), this));

    auto *box = new InsetBox(this);
    box->setFixedHeight(120);
    auto *boxLayout = new QVBoxLayout(box);
    // Seven short lines fit without a scroll bar.
    boxLayout->setContentsMargins(6, 4, 6, 4);
    m_editor = new TextToolsEditor(box);
    markMainInput(m_editor);
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setFont(Style::font(Style::TextStyle::Subheadline));
    m_editor->setAccessibleName(tr("Text"));
    m_editor->viewport()->setAutoFillBackground(false);
    m_editor->setAutoFillBackground(false);
    m_editor->document()->setDocumentMargin(2);
    // Tab moves on to the buttons rather than typing a tab into the text.
    m_editor->setTabChangesFocus(true);
    m_editor->installEventFilter(this);
    connect(m_editor, &TextToolsEditor::fillingChanged, this, &TextToolsSection::updateBusy);
    connect(m_editor, &TextToolsEditor::changedByHand, this, [this] { delete m_undoOffer; });
    boxLayout->addWidget(m_editor);
    box->frameField(m_editor);
    // Drawn over the editor, but clicks go through it to the editor beneath.
    m_placeholder = new QLabel(tr("Paste or type text\u2026"), box);
    m_placeholder->setFont(m_editor->font());
    m_placeholder->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_placeholder->move(6 + 2 + m_editor->document()->documentMargin(), 4 + 2);
    m_placeholder->adjustSize();
    Style::applyTone(m_placeholder, Style::Tone::Secondary);
    layout->addWidget(box);
    // What the text holds, counted once typing rests (on a worker for a long text).
    m_counts = new QLabel(this);
    m_counts->setFont(Style::font(Style::TextStyle::Caption));
    Style::applyTone(m_counts, Style::Tone::Secondary);
    m_counts->setAccessibleName(tr("Counts"));
    layout->addWidget(m_counts);
    m_countsTimer = new QTimer(this);
    m_countsTimer->setSingleShot(true);
    m_countsTimer->setInterval(150);
    connect(m_countsTimer, &QTimer::timeout, this, &TextToolsSection::refreshCounts);
    connect(m_editor, &TextToolsEditor::fillingChanged, m_countsTimer, qOverload<>(&QTimer::start));
    // Emptiness is read from the document, never from the whole text: a 20 MB paste must stay cheap to edit.
    connect(m_editor->document(), &QTextDocument::contentsChanged, this, [this] {
        const bool hasText = !m_editor->document()->isEmpty();
        if (hasText != m_hasText) {
            m_hasText = hasText;
            refreshEnabled();
        }
        m_placeholder->setVisible(!m_hasText && !m_editor->hasFocus());
        m_countsTimer->start();
    });

    // A caption, its controls side by side sharing the width, and the row's hint line, close together.
    auto row = [this, layout](const QString &caption, HintGroup group, const QList<QWidget *> &controls) {
        auto *column = new QVBoxLayout;
        column->setSpacing(3);
        column->addWidget(fieldLabel(caption, this));
        auto *buttons = new QHBoxLayout;
        buttons->setSpacing(6);
        for (QWidget *control : controls)
            buttons->addWidget(control, 1);
        column->addLayout(buttons);
        column->addWidget(hintLine(group));
        layout->addLayout(column);
    };
    auto hasText = [this] { return m_hasText; };
    auto sortBy = [this](SortOrder order) {
        return [this, order](OpButton *button) {
            apply(button, [order](QString text) { return TextToolsService::sort(text, order); });
        };
    };

    row(tr("Sort"), HintGroup::sort,
        {opButton(QStringLiteral("A\u2192Z"), HintGroup::sort, {},
                  tr("Sort lines alphabetically, A to Z (case-insensitive)"), hasText, false,
                  sortBy(SortOrder::alphabetical)),
         opButton(QStringLiteral("Z\u2192A"), HintGroup::sort, {},
                  tr("Sort lines alphabetically, Z to A (case-insensitive)"), hasText, false,
                  sortBy(SortOrder::reverseAlphabetical)),
         opButton(tr("Length"), HintGroup::sort, {}, tr("Sort lines by length, shortest first"), hasText, false,
                  sortBy(SortOrder::byLength))});

    row(tr("Lines"), HintGroup::lines,
        {opButton(tr("Trim"), HintGroup::lines, {}, tr("Collapse repeated spaces and strip trailing whitespace"),
                  hasText, false,
                  [this](OpButton *button) {
                      apply(button, [](QString text) { return TextToolsService::trim(std::move(text)); });
                  }),
         opButton(tr("Remove blanks"), HintGroup::lines, {}, tr("Delete empty or whitespace-only lines"), hasText,
                  false,
                  [this](OpButton *button) {
                      apply(button, [](QString text) { return TextToolsService::removeBlankLines(std::move(text)); });
                  }),
         opButton(tr("Dedupe"), HintGroup::lines, {}, tr("Remove duplicate lines, keeping the first"), hasText, false,
                  [this](OpButton *button) {
                      apply(button, [](QString text) { return TextToolsService::dedupeLines(std::move(text)); });
                  })});

    m_stripChars = new QLineEdit(this);
    m_stripChars->setPlaceholderText(tr("e.g. ,.;"));
    m_stripChars->setAccessibleName(tr("Characters to strip"));
    m_stripChars->installEventFilter(this);
    connect(m_stripChars, &QLineEdit::textChanged, this, &TextToolsSection::refreshEnabled);
    OpButton *stripButton = opButton(
        tr("Strip"), HintGroup::strip, {}, tr("Remove every character you typed in the field from the text"),
        [this] { return canStrip(); }, false,
        [this](OpButton *button) {
            const QString characters = m_stripChars->text();
            apply(button, [characters](QString text) { return TextToolsService::strip(std::move(text), characters); });
        });
    row(tr("Strip"), HintGroup::strip, {m_stripChars, stripButton});

    m_separator = new QLineEdit(QStringLiteral(", "), this);
    m_separator->setAccessibleName(tr("Separator"));
    m_separator->setToolTip(tr("What Join puts between lines, and where Split breaks them"));
    m_separator->installEventFilter(this);
    m_moreButton =
        opButton(tr("More"), HintGroup::more, {},
                 tr("Natural sort, reverse, shuffle, join, split, change case, clean invisibles"), hasText, false,
                 [this](OpButton *button) { m_moreMenu->popup(button->mapToGlobal(QPoint(0, button->height()))); });
    buildMoreMenu();
    row(tr("Join, split and more"), HintGroup::more, {m_separator, m_moreButton});

    auto *copyColumn = new QVBoxLayout;
    copyColumn->setSpacing(3);
    copyColumn->addWidget(opButton(tr("Copy"), HintGroup::copy, QStringLiteral("doc.on.clipboard"),
                                   tr("Copy the result to the clipboard"), hasText, true,
                                   [this](OpButton *) { copy(); }));
    copyColumn->addWidget(hintLine(HintGroup::copy));
    layout->addSpacing(4);
    layout->addLayout(copyColumn);

    refreshEnabled();
    refreshCounts();
}

void TextToolsSection::buildMoreMenu()
{
    using TextTransforms::Case;
    m_moreMenu = new QMenu(this);
    m_moreMenu->setToolTipsVisible(true);
    const auto lines = [](const QString &one, const QString &many) {
        return [one, many](qsizetype n) { return countedText(n, one, many); };
    };
    addMoreItem(
        tr("Natural sort"), tr("Sort lines with numbers by value: file2 before file10"),
        [](QString text) { return TextToolsService::naturalSort(text, false); },
        lines(tr("Sorted 1 line"), tr("Sorted %1 lines")));
    addMoreItem(
        tr("Natural sort, reversed"), tr("Natural sort, from the last line to the first"),
        [](QString text) { return TextToolsService::naturalSort(text, true); },
        lines(tr("Sorted 1 line"), tr("Sorted %1 lines")));
    addMoreItem(tr("Reverse lines"), tr("Put the last line first"), &TextTransforms::reverseLines,
                lines(tr("Reversed 1 line"), tr("Reversed %1 lines")));
    addMoreItem(tr("Shuffle lines"), tr("Put the lines in a random order"), &TextTransforms::shuffleLines,
                lines(tr("Shuffled 1 line"), tr("Shuffled %1 lines")));
    m_moreMenu->addSeparator();
    addMoreItem(
        tr("Join lines"), tr("Join all lines into one, with the separator between them"),
        [this](QString text) { return TextTransforms::joinLines(text, m_separator->text()); },
        [](qsizetype) { return tr("Joined into one line"); });
    addMoreItem(
        tr("Split into lines"), tr("Start a new line wherever the separator stands"),
        [this](QString text) { return TextTransforms::splitLines(text, m_separator->text()); },
        lines(tr("Split into 1 line"), tr("Split into %1 lines")));
    m_moreMenu->addSeparator();
    const std::pair<Case, QString> cases[] = {{Case::upper, tr("UPPER CASE")}, {Case::lower, tr("lower case")},
                                              {Case::title, tr("Title Case")}, {Case::camel, tr("camelCase")},
                                              {Case::snake, tr("snake_case")}, {Case::kebab, tr("kebab-case")}};
    for (const auto &[to, title] : cases) {
        addMoreItem(
            title, tr("Write the text in %1, by your language's rules").arg(title),
            [to = to](QString text) { return TextTransforms::changeCase(std::move(text), to); },
            [title = title](qsizetype) { return tr("Changed to %1").arg(title); });
    }
    m_moreMenu->addSeparator();
    QAction *clean = m_moreMenu->addAction(tr("Clean invisibles"));
    clean->setToolTip(tr("Remove zero-width characters, soft hyphens, byte-order marks and direction marks; "
                         "plain spaces and straight quotes"));
    connect(clean, &QAction::triggered, this, &TextToolsSection::cleanInvisibles);
}

void TextToolsSection::addMoreItem(const QString &title, const QString &hint, std::function<QString(QString)> operation,
                                   std::function<QString(qsizetype lines)> report)
{
    QAction *item = m_moreMenu->addAction(title);
    item->setToolTip(hint);
    connect(item, &QAction::triggered, this, [this, operation, report] {
        // Counted with the operation, on its worker for a long text.
        auto lines = std::make_shared<qsizetype>(0);
        apply(
            m_moreButton,
            [operation, lines](QString text) {
                QString result = operation(std::move(text));
                *lines = qsizetype(TextToolsService::lines(result).size());
                return result;
            },
            [this, report, lines] { reportWithUndo(report(*lines)); });
    });
}

void TextToolsSection::reportWithUndo(const QString &message)
{
    delete m_undoOffer;
    if (!m_offer) {
        m_notify(message);
        return;
    }
    m_undoOffer = new QObject(this);
    m_offer(message,
            {tr("Undo"), tr("Bring back the text as it was before"), [this] { m_editor->stepBack(); }, m_undoOffer});
}

void TextToolsSection::cleanInvisibles()
{
    // The counts are worked out with the text and reported once the editor has the result.
    auto counts = std::make_shared<TextTransforms::Cleaned>();
    const auto report = [this, counts] {
        // English plurals spelt out: the program's own texts are its English, with no catalogue to fill "(s)".
        const auto kind = [](int n, const QString &one, const QString &many) {
            return std::pair<int, QString>{n, n == 1 ? one : many.arg(n)};
        };
        const std::pair<int, QString> changed[] = {
            kind(counts->zeroWidthSpaces, tr("1 zero-width space"), tr("%1 zero-width spaces")),
            kind(counts->joiners, tr("1 joiner"), tr("%1 joiners")),
            kind(counts->softHyphens, tr("1 soft hyphen"), tr("%1 soft hyphens")),
            kind(counts->byteOrderMarks, tr("1 byte-order mark"), tr("%1 byte-order marks")),
            kind(counts->bidiControls, tr("1 direction mark"), tr("%1 direction marks")),
            kind(counts->spaces, tr("1 space made plain"), tr("%1 spaces made plain")),
            kind(counts->quotes, tr("1 quote straightened"), tr("%1 quotes straightened"))};
        QStringList kinds;
        for (const auto &[n, text] : changed) {
            if (n > 0)
                kinds.append(text);
        }
        if (kinds.isEmpty())
            m_notify(tr("Nothing to clean"));
        else
            reportWithUndo(tr("Cleaned: ") + kinds.join(QStringLiteral(", ")));
    };
    apply(
        m_moreButton,
        [counts](QString text) {
            *counts = TextTransforms::cleanInvisibles(text);
            return std::exchange(counts->text, QString());
        },
        report);
}

void TextToolsSection::refreshCounts()
{
    // Not while an operation has the text: the editor then holds only its document, whose text would take
    // tens of milliseconds to read back on a long one; the result's filling asks again.
    if (isBusy())
        return;
    const auto show = [this](const TextTransforms::Counts &c) {
        m_counts->setText(QStringList{countedText(c.characters, tr("1 character"), tr("%1 characters")),
                                      countedText(c.words, tr("1 word"), tr("%1 words")),
                                      countedText(c.lines, tr("1 line"), tr("%1 lines")),
                                      countedText(c.utf8Bytes, tr("1 byte"), tr("%1 bytes"))}
                              .join(QStringLiteral(" \u00B7 ")));
    };
    QString text = m_editor->text();
    if (text.size() < m_workerThreshold) {
        show(TextTransforms::count(text));
        return;
    }
    // A newer count replaces one still running.
    if (m_counting)
        m_counting->abort();
    m_counting = runOnWorker<TextTransforms::Counts>(
        this, [text = std::move(text)] { return TextTransforms::count(text); }, show);
}

OpButton *TextToolsSection::opButton(const QString &title, HintGroup group, const QString &symbol, const QString &hint,
                                     std::function<bool()> enabled, bool large, std::function<void(OpButton *)> action)
{
    auto *button = new OpButton(title, this);
    if (!symbol.isEmpty()) {
        button->setIcon(SymbolIcons::icon(symbol));
        button->setIconSize(QSize(14, 14));
    }
    button->setFont(Style::font(Style::TextStyle::Callout));
    button->setMinimumHeight(large ? 30 : 24);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setAutoDefault(false);
    button->setToolTip(hint);
    button->setAccessibleDescription(hint);
    connect(button, &OpButton::hovered, this, [this, group, hint](bool entered) {
        setHovered(entered ? std::optional<Hint>(Hint{group, hint}) : std::nullopt);
    });
    // An inert button takes the click and does nothing with it.
    connect(button, &QPushButton::clicked, this, [button, action = std::move(action)] {
        if (!button->isInert())
            action(button);
    });
    m_buttons.append({button, std::move(enabled)});
    return button;
}

QLabel *TextToolsSection::hintLine(HintGroup group)
{
    auto *line = new QLabel(this);
    line->setFont(Style::font(Style::TextStyle::Caption));
    line->setMinimumHeight(kHintHeight);
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Style::applyTone(line, Style::Tone::Secondary);
    m_hintLines.append({group, line});
    return line;
}

bool TextToolsSection::canStrip() const
{
    return m_hasText && !m_stripChars->text().isEmpty();
}

void TextToolsSection::refreshEnabled()
{
    for (const auto &[button, enabled] : m_buttons)
        button->setInert(isBusy() || !enabled());
}

void TextToolsSection::setHovered(std::optional<Hint> hint)
{
    if (hint == m_hovered)
        return;
    m_hovered = hint;
    for (const auto &entry : m_hintLines) {
        // A plain variable, not a structured binding: clang 14 cannot capture those in a lambda.
        QLabel *line = entry.second;
        const QString text = hint && hint->group == entry.first ? hint->text : QString();
        if (line->text() == text)
            continue;
        line->setText(text);
        // A quick ease-in-out fade for each change, like the hint's own transition.
        auto *effect = new QGraphicsOpacityEffect(line);
        line->setGraphicsEffect(effect);
        auto *fade = new QPropertyAnimation(effect, "opacity", effect);
        fade->setStartValue(0.0);
        fade->setEndValue(1.0);
        fade->setDuration(kHintFadeMs);
        fade->setEasingCurve(QEasingCurve::InOutQuad);
        connect(fade, &QPropertyAnimation::finished, line, [line] { line->setGraphicsEffect(nullptr); });
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    }
}

bool TextToolsSection::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        m_placeholder->setVisible(!m_hasText && event->type() == QEvent::FocusOut);
    if (watched == m_stripChars && event->type() == QEvent::Enter)
        setHovered(Hint{HintGroup::strip, tr("Type the characters to remove, then press Strip")});
    if (watched == m_stripChars && event->type() == QEvent::Leave)
        setHovered(std::nullopt);
    if (watched == m_separator && event->type() == QEvent::Enter)
        setHovered(Hint{HintGroup::more, m_separator->toolTip()});
    if (watched == m_separator && event->type() == QEvent::Leave)
        setHovered(std::nullopt);
    return QWidget::eventFilter(watched, event);
}

void TextToolsSection::apply(OpButton *button, const std::function<QString(QString)> &operation,
                             const std::function<void()> &then)
{
    if (isBusy())
        return;
    // The banner's Undo belongs to the operation before: this one replaces it.
    delete m_undoOffer;
    // The editor's text is handed over whole (nobody else holds that copy, so the operation may rewrite it
    // in place) and comes back as one replacement, which the editor can undo.
    QString text = m_editor->takeText();
    // Kept for undo when the editor's own history will not keep it (a long text): a second reference, so
    // the operation works on a copy of its own.
    const QString before = text.size() > m_editor->undoLimit() ? text : QString();
    if (text.size() < m_workerThreshold) {
        finishOperation(operation(std::move(text)), before, then);
        return;
    }
    // A large text goes to a worker, so the panel keeps painting and answering meanwhile. The editor stays
    // as it is, read-only, and the buttons rest until the result is in; a result whose section has gone
    // goes with its task.
    m_running = button;
    m_work = runOnWorker<QString>(
        this, [operation, text = std::move(text)]() mutable { return operation(std::move(text)); },
        [this, before, then](QString result) {
            m_work = nullptr;
            finishOperation(std::move(result), before, then);
            updateBusy();
        });
    updateBusy();
}

bool TextToolsSection::isBusy() const
{
    return m_work || m_editor->isFilling();
}

void TextToolsSection::finishOperation(const QString &result, const QString &before, const std::function<void()> &then)
{
    const qsizetype limit = m_editor->undoLimit();
    if (result.size() <= limit && m_editor->document()->characterCount() <= limit && before.isEmpty())
        m_editor->setText(result, true);
    else
        m_editor->setTextKeepingBefore(result, before.isEmpty() ? m_editor->text() : before);
    if (then)
        then();
}

void TextToolsSection::updateBusy()
{
    const bool busy = isBusy();
    if (!busy)
        m_running = nullptr;
    for (const auto &entry : m_buttons)
        entry.first->setBusy(busy && entry.first == m_running);
    m_editor->setLocked(busy);
    m_stripChars->setReadOnly(busy);
    m_separator->setReadOnly(busy);
    refreshEnabled();
    if (busy != m_wasBusy) {
        m_wasBusy = busy;
        Q_EMIT busyChanged(busy);
    }
}

void TextToolsSection::copy()
{
    ClipboardService::copy(m_editor->text());
    m_notify(tr("Copied"));
}
