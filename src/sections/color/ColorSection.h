#pragma once

#include "core/color/ColorSamplerService.h"
#include "picking/ScreenColorPicker.h"
#include "sections/Notify.h"
#include "stores/RecentColorsStore.h"
#include "widgets/HoverButton.h"
#include "widgets/Layout.h"

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

#include <optional>

class ContrastRow;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class Spinner;

// A recent colour: its swatch with the hex below. The active one is ringed in the text colour, a pixel off
// its face, so the ring shows whatever the colour.
class ColorSwatch : public QAbstractButton
{
    Q_OBJECT

public:
    ColorSwatch(const QString &hex, bool active, QWidget *parent = nullptr);

    QString hex() const { return m_hex; }
    bool isActive() const { return m_active; }
    QAction *deleteAction() const { return m_delete; }
    // The keys held at the last click: a Ctrl-click makes the swatch the contrast row's second colour.
    Qt::KeyboardModifiers clickModifiers() const { return m_clickModifiers; }
    QSize sizeHint() const override;

Q_SIGNALS:
    void removeRequested(const QString &hex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_hex;
    bool m_active;
    QAction *m_delete;
    Qt::KeyboardModifiers m_clickModifiers;
};

// One notation of the active colour ("HEX", "RGB", "HSL", "SwiftUI", and more under "More formats"); a
// click copies the value. The accessible name is the label unless a longer one says more.
class FormatRow : public HoverButton
{
    Q_OBJECT

public:
    FormatRow(const QString &label, const QString &value, QWidget *parent = nullptr,
              const QString &accessibleName = {});

    // The width of the label column, which the contrast row lines up with.
    static constexpr int kLabelColumn = 46;

    QString label() const { return m_label; }
    QString value() const { return m_value; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_label;
    QString m_value;
};

// A caption with a chevron that shows or hides what follows it.
class DisclosureButton : public HoverButton
{
    Q_OBJECT

public:
    DisclosureButton(const QString &text, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Whether a pick is under way, for whoever outlives the colour tabs (the panel) to share among them.
class PickState : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    bool underWay() const { return m_current != 0; }
    // Starts a pick and gives its number; a finished pick's leftovers cannot end a later one.
    int begin()
    {
        m_current = ++m_last;
        Q_EMIT changed(true);
        return m_current;
    }
    void end(int pick)
    {
        if (m_current != pick)
            return;
        m_current = 0;
        Q_EMIT changed(false);
    }

Q_SIGNALS:
    void changed(bool underWay);

private:
    int m_current = 0;
    int m_last = 0;
};

// The colour tab: pick a colour from the screen, the recent colours, and the active colour's notations and
// palette.
class ColorSection : public QWidget
{
    Q_OBJECT

public:
    using Picker = std::function<void(QObject *context, ScreenColorPicker::PickCompletion completion)>;

    // `picking` is shared by every colour tab shown while a pick is under way (a pick outlives the section
    // that started it, as a tab switch rebuilds the section); without one the section keeps its own.
    ColorSection(Notify notify, RecentColorsStore &store, QWidget *parent = nullptr,
                 Picker picker = ScreenColorPicker::pick, PickState *picking = nullptr);
    ~ColorSection() override;

    // The selected swatch, else the newest colour, else none.
    std::optional<QString> activeHex() const;

    // `showPanelAfter`: a pick started with the panel closed (from the command line or a shortcut) asks for
    // the panel once it has a colour or a failure to show, never while the user picks.
    void pick(bool showPanelAfter = false);
    // Reads the colour field: a colour is added and selected as a pick is; anything else is explained.
    void addTyped();
    // The colour the active one is checked against.
    QString secondHex() const;
    // Asked, after a pick that took the panel away, to bring it back; whoever shows the panel decides how
    // (the section itself never shows, raises or hides a window).
    void setBringBack(std::function<void()> bringBack) { m_bringBack = std::move(bringBack); }

private:
    void rebuild();
    void select(const QString &hex);
    void removeColor(const QString &hex);
    void setSecond(const std::optional<QString> &hex);
    std::optional<QString> heldPin() const;
    void showContrast();
    void showPicking(bool picking);

    Notify m_notify;
    RecentColorsStore &m_store;
    Picker m_picker;
    QPointer<PickState> m_picking;
    std::function<void()> m_bringBack;
    std::optional<QString> m_selectedHex;
    // White, black or a recent colour the user chose to check against; none: the previous recent colour.
    std::optional<QString> m_pinnedSecond;
    bool m_moreFormatsOpen = false;

    QPushButton *m_pickButton;
    Spinner *m_pickSpinner;
    QWidget *m_clear;
    QLineEdit *m_colorField;
    QPushButton *m_addButton;
    QLabel *m_empty;
    ContrastRow *m_contrast = nullptr;
    QVBoxLayout *m_contentLayout;
    QWidget *m_content = nullptr;
};
