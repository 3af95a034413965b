#include "TestHome.h"
#include "TestMain.h"

#include "desktop/Desktop.h"
#include "net/ClipboardService.h"

namespace {

// Reads the clipboard the way another program pastes: through the X server, with xclip. Our own event loop
// keeps running meanwhile, since it is this process that has to answer xclip's request.
QByteArray pasted(const QString &target)
{
    QProcess xclip;
    QSignalSpy finished(&xclip, &QProcess::finished);
    xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-o", "-t", target});
    if (!finished.wait(10000))
        return "<xclip did not finish>";
    if (xclip.exitCode() != 0)
        return {};
    return xclip.readAllStandardOutput();
}

QStringList targets()
{
    QStringList list;
    for (const QByteArray &line : pasted(QStringLiteral("TARGETS")).split('\n')) {
        if (!line.isEmpty())
            list.append(QString::fromLatin1(line));
    }
    return list;
}

const QString kSvg =
    QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\"><path d=\"M4 4h16v16H4z\" "
                   "fill=\"currentColor\"/><title>Größe – ✓</title></svg>");

} // namespace

class tst_ClipboardService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "this test reads the X clipboard");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty(), "xclip is missing");
    }

    void representations_data()
    {
        // steps: "text:…" or "svg:…", in order; text: what a text paste gives; svg: what an SVG paste gives; empty: no
        // SVG offered
        columns<QStringList, QString, QByteArray>("steps", "text", "svg");

        QTest::newRow("text") << QStringList{"text:https://placehold.co/400x400"} << "https://placehold.co/400x400"
                              << QByteArray();
        testRow("empty text replaces what was there", QStringList{"text:before", "text:"}, "", QByteArray());
        QTest::newRow("svg as text and image") << QStringList{"svg:" + kSvg} << kSvg << kSvg.toUtf8();
        testRow("text after svg leaves no svg", QStringList{"svg:" + kSvg, "text:#1A2B3C"}, "#1A2B3C", QByteArray());
        // A lone surrogate has no faithful UTF-8 form: the text stays, no lossy image is offered.
        testRow("unencodable svg is text only",
                QStringList{QStringLiteral("svg:<svg>") + QChar(0xD800) + QStringLiteral("</svg>")},
                QStringLiteral("<svg>") + QChar(0xD800) + QStringLiteral("</svg>"), QByteArray());
    }

    void representations()
    {
        auto [steps, text, svg] = fetch<QStringList, QString, QByteArray>("steps", "text", "svg");

        for (const QString &step : steps) {
            const QString payload = step.section(QLatin1Char(':'), 1);
            if (step.startsWith(QLatin1String("svg:")))
                ClipboardService::copy(ClipboardService::Svg{payload});
            else
                ClipboardService::copy(payload);
        }

        const QStringList offered = targets();
        QVERIFY2(offered.contains(QStringLiteral("text/plain")) || offered.contains(QStringLiteral("UTF8_STRING")),
                 qPrintable(offered.join(QLatin1Char(' '))));
        if (!text.contains(QChar(0xD800)))
            QCOMPARE(QString::fromUtf8(pasted(QStringLiteral("UTF8_STRING"))), text);
        QCOMPARE(offered.contains(QStringLiteral("image/svg+xml")), !svg.isEmpty());
        if (!svg.isEmpty())
            QCOMPARE(pasted(QStringLiteral("image/svg+xml")), svg);
    }

    // On Wayland the copy waits for the focus (a picker had it), and one that never comes leaves the
    // clipboard as it was and says so. Through XWayland the focus counts once the compositor names our
    // window active on the root (KWin drops a copy made before), or at once where it names none at all.
    void copyWaitsForTheFocus()
    {
        qputenv("WAYLAND_DISPLAY", "tessellon-test");
        const auto unset = qScopeGuard([] {
            qunsetenv("WAYLAND_DISPLAY");
            QProcess::execute(QStringLiteral("xprop"), {"-root", "-remove", "_NET_ACTIVE_WINDOW"});
        });
        QWidget window;
        const QString ours = QStringLiteral("0x%1").arg(window.winId(), 0, 16);
        for (const auto &[focusComes, active] : {std::pair{true, QString()}, std::pair{false, QString()},
                                                 std::pair{true, QStringLiteral("0x1")}, std::pair{true, ours}}) {
            ClipboardService::copy(QStringLiteral("before"));
            window.hide();
            QTRY_VERIFY(!QGuiApplication::focusWindow());
            if (!active.isEmpty())
                QProcess::execute(QStringLiteral("xprop"),
                                  {"-root", "-f", "_NET_ACTIVE_WINDOW", "32x", "-set", "_NET_ACTIVE_WINDOW", active});
            std::optional<bool> copied;
            ClipboardService::copyOnceFocused(
                QStringLiteral("#1A2B3C"), Desktop::copyFocus(), [&copied](bool ok) { copied = ok; }, 1000);
            QVERIFY(!copied);
            if (focusComes) {
                window.show();
                window.activateWindow();
            }
            QTRY_VERIFY(copied);
            const bool expected = focusComes && active != QLatin1String("0x1");
            QCOMPARE(*copied, expected);
            QCOMPARE(QString::fromUtf8(pasted(QStringLiteral("UTF8_STRING"))), expected ? "#1A2B3C" : "before");
        }
    }
};

TESSELLON_TEST(tst_ClipboardService)
#include "tst_ClipboardService.moc"
