// Times each text tools operation on a file, or writes a generated test file.
//   tessellon_bench_texttools generate MEGABYTES FILE [mixed|multilingual]
//                                            log lines, many repeated; "mixed": about a quarter of the words
//                                            in other scripts, "multilingual": three quarters
//   tessellon_bench_texttools run FILE       median milliseconds of each operation, one per line
//   tessellon_bench_texttools editor FILE    the text tools tab itself: paste, then each button and each
//                                            item of the More menu; for each, the whole wait and the longest
//                                            the event loop stood still

#include "core/text/TextToolsService.h"
#include "core/text/TextTransforms.h"
#include "sections/textTools/TextToolsSection.h"

#include <QApplication>
#include <QClipboard>
#include <QCollator>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

QString line(QRandomGenerator &random)
{
    static const QStringList levels = {"INFO ", "WARN ", "DEBUG", "ERROR"};
    static const QStringList words = {"Zoë",  "café",  "naïve", "東京", "Größe", "résumé", "👍🏽", "Ελλάδα",
                                      "user", "cache", "miss",  "hit",  "retry", "token",  "ok",       "done"};
    const int kind = random.bounded(10);
    if (kind == 0)
        return {};
    if (kind == 1)
        return QStringLiteral("   \t ");
    QString text = QStringLiteral("2026-12-%1T%2:%3:%4Z %5  worker-%6\trequest /api/v1/items?id=%7, took %8 ms;")
                       .arg(random.bounded(1, 29), 2, 10, QLatin1Char('0'))
                       .arg(random.bounded(24), 2, 10, QLatin1Char('0'))
                       .arg(random.bounded(60), 2, 10, QLatin1Char('0'))
                       .arg(random.bounded(60), 2, 10, QLatin1Char('0'))
                       .arg(levels[random.bounded(levels.size())])
                       .arg(random.bounded(32))
                       .arg(random.bounded(1000))
                       .arg(random.bounded(500));
    const int extra = random.bounded(4);
    for (int i = 0; i < extra; ++i)
        text += QLatin1String("  ") + words[random.bounded(words.size())] + QLatin1Char('.');
    return text;
}

// Log lines in which about one word in five is not ASCII: accented Latin, Greek, Cyrillic, CJK, Hangul and
// emoji with a skin tone; with tabs, runs of spaces and blank lines.
QString mixedLine(QRandomGenerator &random, int nonAsciiInFour = 1)
{
    static const QStringList ascii = {"user",    "cache", "miss",    "hit",          "retry",  "token",
                                      "ok",      "done",  "request", "session",      "worker", "queue",
                                      "timeout", "GET",   "POST",    "/api/v2/items"};
    static const QStringList other = {"Zoë",   "café",     "naïve",    "Größe", "résumé", "Ελλάδα",
                                      "λόγος", "Москва",   "данные",   "東京",  "数据",   "한국어",
                                      "서울",  "👍🏽", "👋🏿", "Ñandú", "Ærø",    "İstanbul"};
    const int kind = random.bounded(12);
    if (kind == 0)
        return {};
    if (kind == 1)
        return QStringLiteral(" \t  ");
    QString text = QStringLiteral("2026-12-%1 %2:%3:%4")
                       .arg(random.bounded(1, 29), 2, 10, QLatin1Char('0'))
                       .arg(random.bounded(24), 2, 10, QLatin1Char('0'))
                       .arg(random.bounded(60), 2, 10, QLatin1Char('0'))
                       .arg(random.bounded(60), 2, 10, QLatin1Char('0'));
    for (int i = random.bounded(4, 14); i > 0; --i) {
        const int gap = random.bounded(10);
        text += gap == 0 ? QStringLiteral("\t") : gap == 1 ? QStringLiteral("   ") : QStringLiteral(" ");
        text += random.bounded(4) < nonAsciiInFour ? other[random.bounded(other.size())]
                                                   : ascii[random.bounded(ascii.size())];
        if (random.bounded(6) == 0)
            text += QStringLiteral(",.;").at(random.bounded(3));
    }
    return text;
}

int generate(qint64 megabytes, const QString &path, const QString &kind)
{
    const bool mixed = kind == u"mixed" || kind == u"multilingual";
    // Multilingual: three words in four not ASCII, as in the logs of systems that serve many languages.
    const int nonAscii = kind == u"multilingual" ? 3 : 1;
    QRandomGenerator random(20261206);
    // A pool of distinct lines drawn from again and again: of the log lines about one in six repeats an
    // earlier one; of the mixed lines about 15 % are distinct.
    std::vector<QString> pool;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    qint64 written = 0;
    const qint64 target = megabytes * 1024 * 1024;
    while (written < target) {
        QString text;
        const bool repeat = mixed ? random.bounded(100) >= 18 : random.bounded(6) == 0;
        if (!pool.empty() && repeat)
            text = pool[random.bounded(int(pool.size()))];
        else {
            text = mixed ? mixedLine(random, nonAscii) : line(random);
            if (mixed || pool.size() < 50000)
                pool.push_back(text);
        }
        const QByteArray bytes = text.toUtf8() + '\n';
        file.write(bytes);
        written += bytes.size();
    }
    return 0;
}

int run(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QString text = QString::fromUtf8(file.readAll());
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    using namespace TextToolsService;
    // The editor hands each operation a text of its own (its toPlainText()), which the operation may
    // rewrite in place; that copy is made before the clock starts.
    const std::vector<std::pair<const char *, std::function<QString(QString)>>> operations = {
        {"strip", [&](QString t) { return strip(std::move(t), QStringLiteral(",.;")); }},
        {"dedupe", [&](QString t) { return dedupeLines(std::move(t)); }},
        {"removeBlankLines", [&](QString t) { return removeBlankLines(std::move(t)); }},
        {"trim", [&](QString t) { return trim(std::move(t)); }},
        {"sortAlphabetical", [&](QString t) { return sort(t, SortOrder::alphabetical, collator); }},
        {"sortByLength", [&](QString t) { return sort(t, SortOrder::byLength, collator); }},
        {"naturalSort", [&](QString t) { return naturalSort(t, false); }},
        {"reverseLines", [&](QString t) { return TextTransforms::reverseLines(t); }},
        {"shuffleLines", [&](QString t) { return TextTransforms::shuffleLines(t); }},
        {"joinLines", [&](QString t) { return TextTransforms::joinLines(t, QStringLiteral(",")); }},
        {"upperCase", [&](QString t) { return TextTransforms::changeCase(std::move(t), TextTransforms::Case::upper); }},
    };
    QTextStream out(stdout);
    for (const auto &[name, operation] : operations) {
        std::vector<qint64> times;
        for (int i = 0; i < 5; ++i) {
            QString own(text.constData(), text.size());
            QElapsedTimer timer;
            timer.start();
            const QString result = operation(std::move(own));
            times.push_back(timer.nsecsElapsed());
            Q_UNUSED(result);
        }
        std::sort(times.begin(), times.end());
        out << name << ' ' << QString::number(times[2] / 1e6, 'f', 1) << Qt::endl;
    }
    return 0;
}

// The whole round trip a person waits for: the editor's text out, the operation, the result back in; and
// meanwhile the longest time the event loop stood still (a timer due every millisecond measures the gaps).
int editor(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QString text = QString::fromUtf8(file.readAll());
    TextToolsSection section([](const QString &) {});
    section.resize(436, 520);
    section.show();
    // Shown and painted first, as a person sees the tab before pasting into it.
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 500)
        QCoreApplication::processEvents();
    auto *editor = section.findChild<QPlainTextEdit *>();
    section.findChild<QLineEdit *>()->setText(QStringLiteral(",.;"));
    QTextStream out(stdout);
    out << "step wait_ms longest_stall_ms" << Qt::endl;
    QElapsedTimer timer;
    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceTick.elapsed());
        sinceTick.restart();
    });
    // Runs one step, then the event loop until the section rests, and prints both times.
    auto measure = [&](const QString &name, const std::function<void()> &step) {
        longest = 0;
        ticker.start();
        sinceTick.start();
        timer.start();
        step();
        QCoreApplication::processEvents();
        while (section.isBusy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        longest = std::max(longest, sinceTick.elapsed());
        ticker.stop();
        out << QString(name).replace(u' ', u'_') << ' ' << timer.elapsed() << ' ' << longest << Qt::endl;
    };
    // Pasted as a person would, through the clipboard.
    QGuiApplication::clipboard()->setText(text);
    editor->setFocus();
    measure(QStringLiteral("paste"), [&] { editor->paste(); });
    for (const char *title : {"Trim", "Remove blanks", "Dedupe", "Strip", "A\u2192Z", "Length", "Copy"}) {
        for (QPushButton *button : section.findChildren<QPushButton *>()) {
            if (button->accessibleName() == QString::fromUtf8(title))
                measure(QString::fromUtf8(title), [button] { button->click(); });
        }
    }
    // Then each item of the More menu in turn, each on what the one before left; then Ctrl+Z, which takes the
    // last one back, and Ctrl+Shift+Z.
    for (QAction *item : section.findChild<QMenu *>()->actions()) {
        if (!item->isSeparator())
            measure(item->text(), [item] { item->trigger(); });
    }
    const auto key = [editor](Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, modifiers);
        QApplication::sendEvent(editor, &press);
    };
    measure(QStringLiteral("undo"), [key] { key(Qt::ControlModifier); });
    measure(QStringLiteral("redo"), [key] { key(Qt::ControlModifier | Qt::ShiftModifier); });
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if ((args.size() == 4 || args.size() == 5) && args[1] == u"generate")
        return generate(args[2].toLongLong(), args[3], args.size() == 5 ? args[4] : QString());
    if (args.size() == 3 && args[1] == u"run")
        return run(args[2]);
    if (args.size() == 3 && args[1] == u"editor")
        return editor(args[2]);
    QTextStream(stderr)
        << "usage: tessellon_bench_texttools generate MEGABYTES FILE [mixed|multilingual] | run FILE | editor FILE\n";
    return 2;
}
