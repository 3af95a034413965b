#include "Controls.h"
#include "FakeFileManager.h"
#include "HttpFixture.h"
#include "PrivateBus.h"
#include "TestHome.h"
#include "TestMain.h"

#include "net/ClipboardService.h"
#include "net/Endpoints.h"
#include "sections/placeholders/PlaceholderSection.h"
#include "widgets/SegmentedControl.h"

using namespace PlaceholderService;
Q_DECLARE_METATYPE(PlaceholderService::Format)

namespace {

struct Fixture {
    NotifyLog log;
    std::unique_ptr<PlaceholderSection> section = std::make_unique<PlaceholderSection>(log.callback());

    Fixture()
    {
        section->resize(276, 360);
        section->show();
    }
    QAbstractButton *button(const QString &name) const { return control<QAbstractButton>(section.get(), name); }
    QLineEdit *lineEdit(const QString &name) const { return control<QLineEdit>(section.get(), name); }
    SegmentedControl *formatPicker() const
    {
        return control<SegmentedControl>(section.get(), QStringLiteral("Format"));
    }
    QStringList formatLabels() const
    {
        QStringList labels;
        for (int i = 0; i < formatPicker()->count(); ++i)
            labels.append(formatPicker()->button(i)->text());
        return labels;
    }
    void click(const QString &name) const
    {
        QAbstractButton *target = button(name);
        QVERIFY2(target, qPrintable(name));
        QTest::mouseClick(target, Qt::LeftButton);
    }
    void customSize(const QString &width, const QString &height) const
    {
        click(QStringLiteral("Custom"));
        lineEdit(QStringLiteral("Width"))->setText(width);
        lineEdit(QStringLiteral("Height"))->setText(height);
    }
};

QStringList downloadedFiles()
{
    return QDir(testHome.path() + QStringLiteral("/Downloads")).entryList(QDir::Files, QDir::Name);
}

} // namespace

class tst_PlaceholderSection : public QObject
{
    Q_OBJECT

    PrivateBus m_bus{QStringLiteral("files")};
    FakeFileManager m_fileManager;
    HttpFixture m_fixture;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_fileManager.serveOn(m_bus));
        QVERIFY(m_fixture.isListening());
    }

    void init()
    {
        Endpoints::overrideForTesting({m_fixture.base(), m_fixture.base(), m_fixture.base(), QString()});
        QDir(testHome.path() + QStringLiteral("/Downloads")).removeRecursively();
        m_fileManager.shown.clear();
    }

    void freshSectionCopiesThePlaceholderURL()
    {
        Fixture f;
        QCOMPARE(control<QComboBox>(f.section.get(), QStringLiteral("Size"))->currentText(),
                 QStringLiteral("400 × 400"));
        QVERIFY(!f.lineEdit(QStringLiteral("Seed")));
        f.click(QStringLiteral("Copy URL"));
        const QString url = m_fixture.base() + QStringLiteral("400x400.png");
        QCOMPARE(clipboardText(), url);
        QCOMPARE(f.log.messages, QStringList{QStringLiteral("Copied ") + url});
    }

    // The custom fields through Copy URL and Download: a valid size, a refused one, an empty one. (The
    // integer rule itself is the service's test.)
    void customSize_data()
    {
        // copied: empty: refused
        columns<QString, QString, QString>("width", "height", "copied");
        testRow("valid", "300", "200", "300x200.png");
        testRow("letters", "abc", "200", "");
        testRow("empty height", "300", "", "");
    }

    void customSize()
    {
        auto [width, height, copied] = fetch<QString, QString, QString>("width", "height", "copied");
        Fixture f;
        ClipboardService::copy(QStringLiteral("untouched"));
        f.customSize(width, height);
        f.click(QStringLiteral("Copy URL"));
        if (copied.isEmpty()) {
            QCOMPARE(f.log.messages, QStringList{QStringLiteral("Enter a valid width and height")});
            QCOMPARE(clipboardText(), QStringLiteral("untouched"));
            // Download refuses the same way, without a request.
            const qsizetype before = m_fixture.requests.size();
            f.click(QStringLiteral("Download"));
            QCOMPARE(f.log.messages.last(), QStringLiteral("Enter a valid width and height"));
            QCOMPARE(m_fixture.requests.size(), before);
            QVERIFY(!f.section->isDownloading());
        } else {
            QCOMPARE(clipboardText(), m_fixture.base() + copied);
        }
    }

    // Leaving custom mode keeps the typed size for next time, and the preset applies meanwhile.
    void customModeRoundTrip()
    {
        Fixture f;
        f.customSize(QStringLiteral("640"), QStringLiteral("480"));
        f.click(QStringLiteral("Back to predefined sizes"));
        QVERIFY(!f.section->isCustom());
        QCOMPARE(f.section->request()->width, 400);
        f.click(QStringLiteral("Custom"));
        QCOMPARE(f.lineEdit(QStringLiteral("Width"))->text(), QStringLiteral("640"));
        QCOMPARE(f.section->request()->height, 480);
    }

    // Each source change keeps the format when the new source offers it, else takes the source's first.
    void formatFallback()
    {
        Fixture f;
        const QList<std::tuple<QString, Format, QStringList>> steps = {
            {QStringLiteral("Photo"), Format::jpg, {"JPG"}},
            {QStringLiteral("Placeholder"), Format::jpg, {"PNG", "JPG", "SVG", "WEBP"}},
            {QStringLiteral("Avatar"), Format::svg, {"SVG", "PNG"}},
            {QStringLiteral("Placeholder"), Format::svg, {"PNG", "JPG", "SVG", "WEBP"}},
        };
        for (const auto &[source, format, labels] : steps) {
            f.click(source);
            QCOMPARE(f.section->format(), format);
            QCOMPARE(f.formatLabels(), labels);
            QVERIFY(f.formatPicker()->button(int(labels.indexOf(rawValue(format).toUpper())))->isChecked());
        }
        // Avatar while PNG is chosen keeps PNG; the seed and style rows show for avatars only.
        f.click(QStringLiteral("PNG"));
        f.click(QStringLiteral("Avatar"));
        QCOMPARE(f.section->format(), Format::png);
        QVERIFY(f.lineEdit(QStringLiteral("Seed")));
        f.lineEdit(QStringLiteral("Seed"))->setText(QStringLiteral("Jane Doe"));
        f.click(QStringLiteral("Copy URL"));
        QCOMPARE(clipboardText(), m_fixture.base() + QStringLiteral("thumbs/png?seed=Jane%20Doe&size=400"));
        f.click(QStringLiteral("Photo"));
        QVERIFY(!f.lineEdit(QStringLiteral("Seed")));
        f.click(QStringLiteral("Avatar"));
        QCOMPARE(f.lineEdit(QStringLiteral("Seed"))->text(), QStringLiteral("Jane Doe"));
    }

    // While a download runs the button is disabled (a second click does nothing); it ends in the banner,
    // the file manager shows the file, and the button works again.
    void downloadRunsOnceAndReveals()
    {
        m_fixture.route("/400x400.png", {200, "PNGDATA", "image/png"});
        Fixture f;
        QAbstractButton *download = f.button(QStringLiteral("Download"));
        QTest::mouseClick(download, Qt::LeftButton);
        QVERIFY(f.section->isDownloading());
        QVERIFY(!download->isEnabled());
        QVERIFY(download->text().isEmpty());
        QTest::mouseClick(download, Qt::LeftButton);

        QTRY_COMPARE(f.log.messages, QStringList{QStringLiteral("Saved placeholder-400x400.png to Downloads")});
        QVERIFY(download->isEnabled());
        QCOMPARE(download->text(), QStringLiteral("Download"));
        QCOMPARE(downloadedFiles(), QStringList{QStringLiteral("placeholder-400x400.png")});
        const QString uri =
            QUrl::fromLocalFile(testHome.path() + QStringLiteral("/Downloads/placeholder-400x400.png")).toString();
        QTRY_COMPARE(m_fileManager.shown, QStringList{uri});
    }

    // A download that fails after the user switched tabs reports in the banner all the same, touches nothing
    // of the section that is gone, and leaves no file.
    void failureOutlivesTheSection()
    {
        m_fixture.route("/16x16.png", {.status = 500, .body = "oops", .contentType = "text/plain", .delayMs = 300});
        Fixture f;
        control<QComboBox>(f.section.get(), QStringLiteral("Size"))->setCurrentIndex(0);
        f.click(QStringLiteral("Download"));
        QVERIFY(f.section->isDownloading());
        f.section.reset();
        QTRY_COMPARE(f.log.messages,
                     QStringList{QStringLiteral("Download failed — The image source returned HTTP 500.")});
        QCOMPARE(downloadedFiles(), QStringList());
        QVERIFY(m_fileManager.shown.isEmpty());
    }
};

TESSELLON_TEST(tst_PlaceholderSection)
#include "tst_PlaceholderSection.moc"
