// The program's texts in the user's language: a translation of one text, compiled by the build, is found
// for the user's locale and shows in the panel; a locale without one leaves the English.

#include "TestMain.h"
#include "desktop/session/Translations.h"
#include "panel/MenuPanelView.h"
#include "stores/RecentColorsStore.h"
#include "stores/RecentGlyphsStore.h"
#include "stores/RecentIconsStore.h"

class tst_Translations : public QObject
{
    Q_OBJECT

    static QString quitText()
    {
        RecentColorsStore colors;
        RecentGlyphsStore glyphs;
        RecentIconsStore icons;
        MenuPanelView panel(colors, glyphs, icons);
        for (QAbstractButton *button : panel.findChildren<QAbstractButton *>()) {
            if (button->text().contains(QStringLiteral("Tessellon")))
                return button->text();
        }
        return {};
    }

private Q_SLOTS:
    void theUsersLanguage_data()
    {
        columns<QString, bool, QString>("locale", "found", "quit");
        // In this order: a translation, once installed, stays for the process.
        QTest::newRow("no translation for French") << "fr_FR" << false << "Quit Tessellon";
        QTest::newRow("English needs none") << "en_GB" << false << "Quit Tessellon";
        QTest::newRow("German, by its language") << "de_AT" << true << "Tessellon beenden";
    }

    void theUsersLanguage()
    {
        auto [locale, found, quit] = fetch<QString, bool, QString>("locale", "found", "quit");
        QCOMPARE(Translations::install(QLocale(locale), QStringLiteral(TESSELLON_TEST_TRANSLATIONS)), found);
        QCOMPARE(quitText(), quit);
    }
};

TESSELLON_TEST(tst_Translations)
#include "tst_Translations.moc"
