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
class QScrollArea;
class SegmentedControl;

// The icons tab: a search of the Iconify API as you type, the results as a grid of tiles that draw their
// own icons, and a click on a tile that copies the icon's SVG, copies it as a data URI, or saves it.
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

    explicit IconFinderSection(Notify notify, QWidget *parent = nullptr);

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
    void runSearch();
    void startSearch();
    void cancelSearch();
    void setResults(const QList<IconifyService::IconID> &results);
    void handleTap(const IconifyService::IconID &icon);
    void perform(const IconifyService::IconID &icon, IconForm form);
    void refreshContent();
    void updateOnScreenTiles();
    QString trimmedQuery() const;

    Notify m_notify;
    QList<IconifyService::IconID> m_results;
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
    QWidget *m_spinnerRow;
    QScrollArea *m_scroll;
    QWidget *m_grid;
    QLabel *m_caption;
    QList<IconCell *> m_cells;
};
