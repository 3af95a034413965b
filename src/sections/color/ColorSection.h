#pragma once

#include "picking/ScreenColorPicker.h"
#include "sections/Notify.h"
#include "services/ColorSamplerService.h"
#include "stores/RecentColorsStore.h"
#include "widgets/HoverButton.h"
#include "widgets/Layout.h"

#include <QAbstractButton>
#include <QWidget>

#include <optional>

class QAction;
class QLabel;
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
    QSize sizeHint() const override;

Q_SIGNALS:
    void removeRequested(const QString &hex);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_hex;
    bool m_active;
    QAction *m_delete;
};

// One notation of the active colour ("HEX", "RGB", "HSL", "SwiftUI"); a click copies the value.
class FormatRow : public HoverButton
{
    Q_OBJECT

public:
    FormatRow(const QString &label, const QString &value, QWidget *parent = nullptr);

    QString label() const { return m_label; }
    QString value() const { return m_value; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_label;
    QString m_value;
};

// The colour tab: pick a colour from the screen, the recent colours, and the active colour's notations and
// palette.
class ColorSection : public QWidget
{
    Q_OBJECT

public:
    using Picker = std::function<void(QObject *context, ScreenColorPicker::PickCompletion completion)>;

    ColorSection(Notify notify, RecentColorsStore &store, QWidget *parent = nullptr,
                 Picker picker = ScreenColorPicker::pick);
    ~ColorSection() override;

    // The selected swatch, else the newest colour, else none.
    std::optional<QString> activeHex() const;

    void pick();

private:
    void rebuild();
    void select(const QString &hex);
    void removeColor(const QString &hex);
    static void showPicking(bool picking);

    Notify m_notify;
    RecentColorsStore &m_store;
    Picker m_picker;
    std::optional<QString> m_selectedHex;

    QPushButton *m_pickButton;
    Spinner *m_pickSpinner;
    QWidget *m_clear;
    QLabel *m_empty;
    QVBoxLayout *m_contentLayout;
    QWidget *m_content = nullptr;
};
