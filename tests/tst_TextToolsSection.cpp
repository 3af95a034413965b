#include "Controls.h"
#include "TestHome.h"
#include "TestMain.h"

#include "net/ClipboardService.h"
#include "sections/textTools/OpButton.h"
#include "sections/textTools/TextToolsEditor.h"
#include "sections/textTools/TextToolsSection.h"

#include <memory>

namespace {

const QStringList kButtons = {"A→Z", "Z→A", "Length", "Trim", "Remove blanks", "Dedupe", "Strip", "Copy"};

struct Fixture {
    NotifyLog log;
    TextToolsSection section{log.callback(),
                             [this](const QString &message, const BannerAction &) { log.messages.append(message); }};

    Fixture()
    {
        section.resize(436, 520);
        section.show();
    }
    OpButton *button(const QString &title) const { return control<OpButton>(&section, title); }
    QPlainTextEdit *editor() const { return section.findChild<QPlainTextEdit *>(); }
    QLineEdit *stripField() const { return control<QLineEdit>(&section, QStringLiteral("Characters to strip")); }
    QLabel *placeholder() const
    {
        for (QLabel *label : section.findChildren<QLabel *>()) {
            if (label->text() == QStringLiteral("Paste or type text…"))
                return label;
        }
        return nullptr;
    }
    // The labels showing a text now, other than the captions and the placeholder.
    QList<QLabel *> shownHints() const
    {
        QList<QLabel *> shown;
        for (QLabel *label : section.findChildren<QLabel *>()) {
            const QString text = label->text();
            // A hint line leaves its width to the layout; captions, counts and the placeholder do not.
            if (!text.isEmpty() && label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
                shown.append(label);
        }
        return shown;
    }
    // On a real X server the pointer moves for real and the enter event arrives when the server sends it.
    void hover(QWidget *widget)
    {
        QVERIFY(QTest::qWaitForWindowExposed(&section));
        QTest::mouseMove(widget);
        QTRY_VERIFY(widget->underMouse());
    }
};

} // namespace

class tst_TextToolsSection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // An empty editor leaves every button dimmed and inert, yet still explaining itself on hover.
    void emptyEditorMakesEveryButtonInert()
    {
        Fixture f;
        ClipboardService::copy(QStringLiteral("before"));
        for (const QString &title : kButtons) {
            OpButton *button = f.button(title);
            QVERIFY2(button, qPrintable(title));
            QVERIFY2(button->isInert(), qPrintable(title));
            QVERIFY(button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        f.hover(f.button(QStringLiteral("Dedupe")));
        QCOMPARE(f.section.hovered().value().text, f.button(QStringLiteral("Dedupe"))->toolTip());
        QVERIFY(f.editor()->toPlainText().isEmpty());
        QVERIFY(f.log.messages.isEmpty());
        QCOMPARE(clipboardText(), QStringLiteral("before"));
    }

    // The hint shows under the hovered control's own row only, and goes with the pointer.
    void hintsFollowThePointer()
    {
        Fixture f;
        f.editor()->setPlainText(QStringLiteral("b\na"));
        OpButton *sortButton = f.button(QStringLiteral("A→Z"));
        f.hover(sortButton);
        const QList<QLabel *> hints = f.shownHints();
        QCOMPARE(hints.size(), 1);
        QCOMPARE(hints.first()->text(), sortButton->toolTip());
        // Directly below the row it explains.
        QVERIFY(hints.first()->y() > sortButton->y());
        QVERIFY(hints.first()->y() - (sortButton->y() + sortButton->height()) < 8);
        QLabel *sortLine = hints.first();

        // Each hint line keeps its height while empty, so nothing below it moves.
        const int copyY = f.button(QStringLiteral("Copy"))->y();
        f.hover(f.editor());
        QVERIFY(f.shownHints().isEmpty());
        QVERIFY(!f.section.hovered().has_value());
        QCOMPARE(f.button(QStringLiteral("Copy"))->y(), copyY);
        QVERIFY(sortLine->height() >= 14);
    }

    // The More menu's items rewrite the text as the six do (the service's table holds each rule) and can be
    // undone; Clean says what it changed, also from a worker; the counts line follows the text.
    void moreMenu_data()
    {
        columns<QString, QString, QString, QString, QString>("text", "item", "result", "message", "counts");
        testRow("natural sort", "file10\nfile2", "Natural sort", "file2\nfile10", "Sorted 2 lines",
                "12 characters \u00B7 2 words \u00B7 2 lines \u00B7 12 bytes");
        testRow("join with the separator", "a\nb", "Join lines", "a, b", "Joined into one line",
                "4 characters \u00B7 2 words \u00B7 1 line \u00B7 4 bytes");
        testRow("snake case", "Hello World", "snake_case", "hello_world", "Changed to snake_case", "");
        testRow("clean, on a worker", "a\u200Bb \u201Cc\u201D", "Clean invisibles", "ab \"c\"",
                "Cleaned: 1 zero-width space, 2 quotes straightened", "");
        testRow("clean, nothing to", "abc", "Clean invisibles", "abc", "Nothing to clean", "");
    }

    void moreMenu()
    {
        auto [text, item, result, message, counts] =
            fetch<QString, QString, QString, QString, QString>("text", "item", "result", "message", "counts");
        Fixture f;
        if (QByteArray(QTest::currentDataTag()).contains("worker"))
            f.section.setWorkerThreshold(1);
        f.editor()->setPlainText(text);
        QVERIFY(clickMenuItem(f.button(QStringLiteral("More")), item));
        QTRY_COMPARE(f.editor()->toPlainText(), result);
        QTRY_COMPARE(f.log.messages, message.isEmpty() ? QStringList() : QStringList{message});
        if (!counts.isEmpty())
            QTRY_COMPARE(control<QLabel>(&f.section, QStringLiteral("Counts"))->text(), counts);
        f.editor()->undo();
        QCOMPARE(f.editor()->toPlainText(), text);
    }

    // Each operation rewrites the editor in place, silently; the editor can undo it. Strip rests until it
    // has both a text and characters to strip.
    void operationsRewriteTheText_data()
    {
        columns<QString, QString, QString, QString>("button", "characters", "text", "expected");
        testRow("A→Z drops the final line break", "A→Z", "", "b\nB\na\n", "a\nb\nB");
        testRow("Z→A", "Z→A", "", "a\nc\nb", "c\nb\na");
        testRow("Length", "Length", "", "ccc\na\nbb\nd", "a\nd\nbb\nccc");
        testRow("Trim", "Trim", "", "\t a   b \nc  ", " a b\nc");
        testRow("Remove blanks", "Remove blanks", "", "a\n \t\nb", "a\nb");
        testRow("Dedupe", "Dedupe", "", "a\nA\na", "a\nA");
        testRow("Strip", "Strip", ",.;", "a,b.\nc;d", "ab\ncd");
        testRow("Strip with nothing to strip rests", "Strip", "", "a,b", "a,b");
    }

    void operationsRewriteTheText()
    {
        auto [button, characters, text, expected] =
            fetch<QString, QString, QString, QString>("button", "characters", "text", "expected");
        Fixture f;
        f.editor()->setPlainText(text);
        f.stripField()->setText(characters);
        QCOMPARE(f.button(button)->isInert(), text == expected);
        QTest::mouseClick(f.button(button), Qt::LeftButton);
        QCOMPARE(f.editor()->toPlainText(), expected);
        QVERIFY(f.log.messages.isEmpty());
        f.editor()->undo();
        QCOMPARE(f.editor()->toPlainText(), text);
    }

    // Pasted text comes back out exactly, but for what the operation itself changes: the editor's own
    // form of a text (no-break spaces as spaces, U+2028 and "\r" as line breaks) never leaks out.
    void pastedTextComesBackExactly_data()
    {
        // button: empty: Copy alone
        columns<QString, QString, QString>("button", "text", "expected");
        const QString special = QStringLiteral("b\u00A0x\u2028y\r\nA\u2029z\rq\n");
        QTest::newRow("copy alone") << "" << special << special;
        QTest::newRow("A→Z") << "A→Z" << special << QStringLiteral("A\u2029z\rq\nb\u00A0x\u2028y");
        testRow("Trim", "Trim", QStringLiteral("a\u00A0 \u00A0b \r\n\u2028 "),
                QStringLiteral("a\u00A0 \u00A0b\n\u2028"));
        QTest::newRow("Dedupe") << "Dedupe" << QStringLiteral("\u00A0\n \n\u00A0") << QStringLiteral("\u00A0\n ");
    }

    void pastedTextComesBackExactly()
    {
        auto [button, text, expected] = fetch<QString, QString, QString>("button", "text", "expected");
        Fixture f;
        ClipboardService::copy(text);
        f.editor()->setFocus();
        f.editor()->paste();
        if (!button.isEmpty())
            QTest::mouseClick(f.button(button), Qt::LeftButton);
        QTest::mouseClick(f.button(QStringLiteral("Copy")), Qt::LeftButton);
        QCOMPARE(clipboardText(), expected);
        QCOMPARE(f.log.messages, QStringList{QStringLiteral("Copied")});
    }

    // Once the text is edited by hand the editor's raw text counts: its characters stay, its line breaks
    // are line feeds.
    void handEditsKeepEveryCharacter()
    {
        Fixture f;
        ClipboardService::copy(QStringLiteral("b\u00A0\u2028\r\na"));
        f.editor()->paste();
        f.editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(f.editor(), QStringLiteral("c"));
        QTest::mouseClick(f.button(QStringLiteral("A→Z")), Qt::LeftButton);
        QTest::mouseClick(f.button(QStringLiteral("Copy")), Qt::LeftButton);
        QCOMPARE(clipboardText(), QStringLiteral("ac\nb\u00A0\u2028"));
    }

    // A text past the threshold is worked on by a worker: meanwhile the clicked button spins, every button
    // rests and the editor takes no typing, and a second click starts nothing. A long result (or paste) then
    // goes into the editor a slice at a time, and the section stays busy until it is all in.
    void largeTextsWorkOnAWorker_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("a short text, worker forced") << 3;
        QTest::newRow("a long paste and result filled in slices") << 100000;
    }

    void largeTextsWorkOnAWorker()
    {
        QFETCH(int, lines);
        Fixture f;
        f.section.setWorkerThreshold(1);
        f.section.findChild<TextToolsEditor *>()->setUndoLimit(1000);
        QStringList text;
        for (int i = lines; i > 0; --i)
            text.append(QString::number(i % 1000));
        ClipboardService::copy(text.join(u'\n'));
        f.editor()->setFocus();
        f.editor()->paste();
        // Past the undo limit a paste goes in slices too.
        QCOMPARE(f.section.isBusy(), lines > 1000);
        QTRY_VERIFY(!f.section.isBusy());
        QSignalSpy busy(&f.section, &TextToolsSection::busyChanged);
        OpButton *sortButton = f.button(QStringLiteral("A→Z"));
        QTest::mouseClick(sortButton, Qt::LeftButton);
        QVERIFY(f.section.isBusy());
        QVERIFY(sortButton->isBusy());
        QCOMPARE(sortButton->accessibleName(), QStringLiteral("A→Z"));
        QVERIFY(f.button(QStringLiteral("Copy"))->isInert());
        QVERIFY(f.editor()->isReadOnly());
        QTest::mouseClick(f.button(QStringLiteral("Z→A")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!f.section.isBusy(), 20000);
        QCOMPARE(busy.count(), 2);
        QVERIFY(!sortButton->isBusy() && !sortButton->isInert() && !f.editor()->isReadOnly());
        QTest::mouseClick(f.button(QStringLiteral("Copy")), Qt::LeftButton);
        const QString pasted = text.join(u'\n');
        text.sort(Qt::CaseInsensitive);
        QCOMPARE(clipboardText(), text.join(u'\n'));
        QCOMPARE(f.editor()->document()->blockCount(), lines);
        // Undone and done again, whatever the size.
        auto *editor = f.section.findChild<TextToolsEditor *>();
        for (const auto &[keys, expected] :
             {std::pair{Qt::KeyboardModifiers(Qt::ControlModifier), pasted},
              std::pair{Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier), text.join(u'\n')}}) {
            QTest::keyClick(editor, Qt::Key_Z, keys);
            QTRY_VERIFY(!f.section.isBusy());
            QCOMPARE(editor->text(), expected);
        }
    }

    // A line too long to lay out at once goes in folded, and comes back whole: as set, copied, and after hand
    // edits (a line break typed inside a fold, a character at the end).
    void longLinesComeBackWhole()
    {
        Fixture f;
        auto *editor = f.section.findChild<TextToolsEditor *>();
        const QString line = QStringLiteral("ab\U0001F44D").repeated(20000);
        editor->setText(line + QStringLiteral("\nend"), false);
        QTRY_VERIFY(!editor->isFilling());
        QVERIFY(editor->document()->blockCount() > 10);
        QCOMPARE(editor->text(), line + QStringLiteral("\nend"));
        editor->selectAll();
        editor->copy();
        QCOMPARE(clipboardText(), line + QStringLiteral("\nend"));
        QTextCursor cursor(editor->document()->findBlockByNumber(1));
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 10);
        const qsizetype at = editor->document()->firstBlock().length() - 1 + cursor.positionInBlock();
        editor->setTextCursor(cursor);
        QTest::keyClick(editor, Qt::Key_Return);
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, QStringLiteral("s"));
        QCOMPARE(editor->text(), line.left(at) + u'\n' + line.mid(at) + QStringLiteral("\nends"));
    }

    // A result whose section has gone is dropped, and nothing touches what is left of it.
    void aResultOutlivingItsSectionIsDropped()
    {
        auto f = std::make_unique<Fixture>();
        f->section.setWorkerThreshold(1);
        f->editor()->setPlainText(QStringLiteral("b\na"));
        QTest::mouseClick(f->button(QStringLiteral("A→Z")), Qt::LeftButton);
        QVERIFY(f->section.isBusy());
        QPointer<QPlainTextEdit> editor = f->editor();
        f.reset();
        QVERIFY(editor.isNull());
        // The worker finishes into nothing: give it time to, with the event loop running.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

    // The placeholder lets clicks through to the editor, and goes as soon as the editor has the focus.
    void placeholder()
    {
        Fixture f;
        QVERIFY(f.placeholder()->isVisible());
        QVERIFY(f.placeholder()->testAttribute(Qt::WA_TransparentForMouseEvents));
        f.section.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.section));
        f.stripField()->setFocus();
        QTRY_VERIFY(f.placeholder()->isVisible());
        // A click on the placeholder, delivered by the window as a real one is, lands in the editor.
        const QPoint onPlaceholder = f.placeholder()->mapTo(&f.section, f.placeholder()->rect().center());
        QTest::mouseClick(f.section.windowHandle(), Qt::LeftButton, {}, onPlaceholder);
        QTRY_VERIFY(f.editor()->hasFocus());
        QTRY_VERIFY(!f.placeholder()->isVisible());
        QVERIFY(f.editor()->toPlainText().isEmpty());
        f.stripField()->setFocus();
        QTRY_VERIFY(f.placeholder()->isVisible());
        f.editor()->setPlainText(QStringLiteral("x"));
        QVERIFY(!f.placeholder()->isVisible());
    }
};

TESSELLON_TEST(tst_TextToolsSection)
#include "tst_TextToolsSection.moc"
