#include "TestHome.h"
#include "TestMain.h"

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

    // Where the display server takes a copy only from a focused program, the copy waits for the focus (a
    // picker had it), and one that never comes leaves the clipboard as it was and says so.
    void copyWaitsForTheFocus()
    {
        QWidget window;
        for (const bool focusComes : {true, false}) {
            ClipboardService::copy(QStringLiteral("before"));
            window.hide();
            QTRY_VERIFY(!QGuiApplication::focusWindow());
            std::optional<bool> copied;
            ClipboardService::copyOnceFocused(
                QStringLiteral("#1A2B3C"), true, [&copied](bool ok) { copied = ok; }, 1000);
            QVERIFY(!copied);
            if (focusComes) {
                window.show();
                window.activateWindow();
            }
            QTRY_VERIFY(copied);
            QCOMPARE(*copied, focusComes);
            QCOMPARE(QString::fromUtf8(pasted(QStringLiteral("UTF8_STRING"))), focusComes ? "#1A2B3C" : "before");
        }
    }
};

TESSELLON_TEST(tst_ClipboardService)
#include "tst_ClipboardService.moc"
