#pragma once

#include "net/AsyncTask.h"
#include "net/IconifyService.h"
#include "sections/Notify.h"

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class IconCell;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class RecentIconsStore;
class SegmentedControl;

// The icons tab: a search of the Iconify API as you type, the results as a grid of tiles that draw their
// own icons, and a click on a tile that copies the icon's SVG, copies it as a data URI, or saves it. Under
// the grid, later pages of the results on request; above it, the sets the results come from, to search
// within one; and the icons last copied or saved, to have again without a search.
class IconFinderSection : public QWidget
{
    Q_OBJECT

public:
    // What a click on a tile does; the raw value is also the segment's label.
    enum class ClickAction { svgMarkup, dataURI, download };
    static QString rawValue(ClickAction action);
    static const QList<ClickAction> &allClickActions();

    // Every form a tile's context menu offers: the click's three, and three more. The menu's labels are
    // menuTitle()'s.
    enum class IconForm { svgMarkup, dataURI, download, name, png, compactDataURI };
    static const QList<IconForm> &allIconForms();
    static QString menuTitle(IconForm form);

    IconFinderSection(Notify notify, RecentIconsStore &recents, QWidget *parent = nullptr);

    // The PNG copy's side, in points: the screen's scale gives its pixels.
    static constexpr int kPngSize = 64;

    static constexpr int kDebounceMs = 300;
    static constexpr int kGridHeight = 170;
    static constexpr int kRowHeight = 56;

    // The wait after the last keystroke (300 ms); tests shorten it rather than wait it out.
    void setDebounceInterval(int milliseconds) { m_debounce.setInterval(milliseconds); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A set to search within, as its chip shows it.
    struct SetChip {
        QString prefix;
        QString name;
        int count = 0;
    };

    void runSearch();
    void startSearch();
    void cancelSearch();
    void searchFinished(const IconifyService::SearchPage &page);
    void loadMore();
    void moreFinished(const IconifyService::Result<IconifyService::SearchPage> &result);
    void chooseSet(int index);
    void updateChips(const IconifyService::SearchPage &page);
    void setResults(const QList<IconifyService::IconID> &results);
    void appendCells(const QList<IconifyService::IconID> &icons);
    IconCell *makeCell(const IconifyService::IconID &icon, QWidget *grid, bool removable);
    void rebuildRecents();
    void placeRecents();
    void handleTap(const IconifyService::IconID &icon);
    void perform(const IconifyService::IconID &icon, IconForm form);
    bool canLoadMore() const;
    void refreshContent();
    void refreshMoreRow(bool showGrid);
    void updateOnScreenTiles();
    QString trimmedQuery() const;

    Notify m_notify;
    RecentIconsStore &m_recents;
    QList<IconifyService::IconID> m_results;
    // The paging of the results shown: where the next page starts, the count the service gave, whether the
    // last page came back short (no more to ask for) or failed (its button offers a retry).
    int m_nextStart = 0;
    std::optional<int> m_total;
    bool m_exhausted = false;
    bool m_moreFailed = false;
    QPointer<AsyncTask> m_moreRequest;
    // The set searched within (empty: all of them), kept while the tab is shown; the chips and the text
    // they were counted for.
    QString m_setFilter;
    QList<SetChip> m_chips;
    QString m_chipsText;
    ClickAction m_action = ClickAction::svgMarkup;
    bool m_isSearching = false;
    // The search task: the wait before asking, then the request; a new text cancels both, so the text asked
    // for when the wait ends is the one in the field.
    QTimer m_debounce;
    QPointer<AsyncTask> m_searchRequest;
    // Counts the texts typed, so that an answer to an older one is recognised and dropped whatever path it
    // took (a cancelled request never answers; a request that could not even start answers later).
    quint64 m_searchGeneration = 0;

    QLineEdit *m_search;
    SegmentedControl *m_actionControl;
    QScrollArea *m_setScroll;
    SegmentedControl *m_setControl;
    QWidget *m_spinnerRow;
    QScrollArea *m_scroll;
    QWidget *m_grid;
    QLabel *m_caption;
    QWidget *m_moreRow;
    QLabel *m_moreLabel;
    QPushButton *m_moreButton;
    QWidget *m_recentBlock;
    QWidget *m_recentGrid;
    QList<IconCell *> m_cells;
};
