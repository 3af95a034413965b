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
        QVERIFY(SymbolIcons::icon(QStringLiteral("no.such.symbol")).isNull());

        // Drawn as an icon after the palette turned light, then dark, at 1x and 2x: only the palette's text
        // colour appears, and the 2x image has twice the pixels rather than being the 1x one scaled up.
        const QPalette original = QApplication::palette();
        const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
        const QIcon icon = SymbolIcons::icon(name);
        for (const QColor &color : {QColor(0x1d, 0x1d, 0x1f), QColor(0xf2, 0xf2, 0xf7)}) {
            QPalette palette = original;
            palette.setColor(QPalette::WindowText, color);
            QApplication::setPalette(palette);
            for (qreal dpr : {1.0, 2.0}) {
                const QImage image = icon.pixmap(QSize(16, 16), dpr).toImage();
                QCOMPARE(image.size(), QSize(16, 16) * dpr);
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
};

TESSELLON_TEST(tst_SymbolIcons)
#include "tst_SymbolIcons.moc"
