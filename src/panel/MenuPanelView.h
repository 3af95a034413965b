#pragma once

#include "sections/color/ColorSection.h"
#include "widgets/BannerAction.h"

#include "widgets/Spring.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>

class BannerView;
class RecentColorsStore;
class RecentGlyphsStore;
class RecentIconsStore;
class TabStrip;
class QScrollArea;
class QVBoxLayout;

// The panel: the tab strip, the selected tab's section, and the footer with the banner and the quit button.
class MenuPanelView : public QWidget
{
    Q_OBJECT

public:
    enum class Tab { placeholders, color, text, icons, glyphs, textTools };

    static const QList<Tab> &allTabs();
    static QString rawValue(Tab tab);
    static std::optional<Tab> tabFromRawValue(const QString &raw);
    static QString title(Tab tab);
    static QString icon(Tab tab);
    static int panelWidth(Tab tab);

    MenuPanelView(RecentColorsStore &recentColors, RecentGlyphsStore &recentGlyphs, RecentIconsStore &recentIcons,
                  QWidget *parent = nullptr);

    Tab selectedTab() const { return m_selectedTab; }
    // The same as a click on the tab's button: selecting the selected tab changes nothing.
    void selectTab(Tab tab);
    // Gives the keyboard focus to the shown tab's main input: the control a section marks with the property
    // kMainInputProperty (its search field, its editor), else its first control.
    void focusMainInput();
    // Shows one line in the banner, as a section's notify does.
    void showMessage(const QString &message, const BannerAction &action = {}) { notify(message, action); }

    QWidget *section() const { return m_section; }
    std::optional<QString> toast() const { return m_toast; }
    TabStrip *tabStrip() const { return m_tabStrip; }
    // Where the section shows, scrolling only on a screen too short for it.
    QScrollArea *scrollArea() const { return m_scroll; }
    // How long a message stays up (3 s); tests shorten it rather than wait it out.
    void setToastInterval(int milliseconds) { m_toastTimer.setInterval(milliseconds); }

    QSize sizeHint() const override;

Q_SIGNALS:
    // Escape was pressed: whoever shows the panel decides what closing means.
    void dismissRequested();
    // A pick that took the panel away has ended: whoever shows the panel brings it back, its own way.
    void bringBackRequested();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private Q_SLOTS:
    // Shows the message in the banner at once, replacing any other, and hides it 3 s after the latest call,
    // counted from the next opening when the panel is closed.
    void notify(const QString &message, const BannerAction &action = {});

private:
    void showSection(Tab tab);
    QWidget *makeSection(Tab tab);
    int naturalHeight(int width) const;
    int chromeHeight(int width) const;
    int sectionHeight(int width) const;
    void fitHeight();

    RecentColorsStore &m_recentColors;
    RecentGlyphsStore &m_recentGlyphs;
    RecentIconsStore &m_recentIcons;
    // A colour pick outlives the colour tab that started it; every colour tab shown meanwhile shows it.
    PickState m_picking;

    Tab m_selectedTab = Tab::placeholders;
    std::optional<QString> m_toast;
    QTimer m_toastTimer;
    QElapsedTimer m_heldToastAge;

    TabStrip *m_tabStrip;
    QScrollArea *m_scroll;
    QWidget *m_content;
    QWidget *m_footer;
    QVBoxLayout *m_contentLayout;
    QPointer<QWidget> m_section;
    BannerView *m_banner;
    SpringAnimation m_width;
};
