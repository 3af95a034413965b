#include "TestMain.h"
#include "widgets/SymbolIcons.h"

class tst_SymbolIcons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySymbolDraws_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : SymbolIcons::names())
            QTest::newRow(qPrintable(name)) << name;
        QVERIFY(SymbolIcons::names().size() > 20);
    }

    void everySymbolDraws()
    {
        QFETCH(QString, name);
        QVERIFY(SymbolIcons::contains(name));

        // Drawn in the light and the dark palette's text colours, at 1x and 2x: only that colour appears,
        // and the 2x image has twice the pixels rather than being the 1x one scaled up.
        for (const QColor &color : {QColor(0x1d, 0x1d, 0x1f), QColor(0xf2, 0xf2, 0xf7)}) {
            for (qreal dpr : {1.0, 2.0}) {
                const QImage image = SymbolIcons::image(name, QSize(16, 16), dpr, color);
                QCOMPARE(image.size(), QSize(16, 16) * dpr);
                QCOMPARE(image.devicePixelRatio(), dpr);
                int covered = 0;
                int solid = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        const QColor pixel = image.pixelColor(x, y);
                        if (pixel.alpha() == 0)
                            continue;
                        ++covered;
                        if (pixel.alpha() == 255) {
                            ++solid;
                            QCOMPARE(pixel.rgb(), color.rgb());
                        }
                    }
                }
                const int area = image.width() * image.height();
                QVERIFY2(covered > area / 20, "the symbol is (nearly) empty");
                QVERIFY2(covered < area * 9 / 10, "the symbol is a filled block");
                if (dpr > 1.0)
                    QVERIFY2(solid > 0, "nothing is drawn at full strength at 2x: blurry");
            }
        }
    }

    // An icon drawn after the palette changed takes the new text colour (an unknown name draws nothing).
    void iconFollowsThePalette()
    {
        QVERIFY(SymbolIcons::icon(QStringLiteral("no.such.symbol")).isNull());
        const QIcon icon = SymbolIcons::icon(QStringLiteral("link"));
        const QPalette original = QApplication::palette();
        for (const QColor &text : {QColor(Qt::black), QColor(Qt::white)}) {
            QPalette palette = original;
            palette.setColor(QPalette::WindowText, text);
            QApplication::setPalette(palette);
            const QImage image = icon.pixmap(QSize(16, 16), 2.0).toImage();
            QCOMPARE(image.size(), QSize(32, 32));
            int solid = 0;
            for (int i = 0; i < 32 * 32; ++i) {
                const QColor pixel = image.pixelColor(i % 32, i / 32);
                solid += pixel.alpha() == 255;
                QVERIFY(pixel.alpha() < 255 || pixel.rgb() == text.rgb());
            }
            QVERIFY(solid > 0);
        }
        QApplication::setPalette(original);
    }
};

TESSELLON_TEST(tst_SymbolIcons)
#include "tst_SymbolIcons.moc"
