#pragma once

#include "widgets/HoverButton.h"
#include "widgets/Layout.h"

#include <QAbstractButton>
#include <QList>
#include <QString>
#include <QWidget>

// One segment of a SegmentedControl: a checkable button showing a text or a symbol. A symbol-only segment
// takes its tooltip as its accessible name.
class SegmentButton : public HoverButton
{
    Q_OBJECT

public:
    SegmentButton(const QString &text, const QString &symbol, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QString m_symbol;
};

// A row of joined segments of which exactly one is selected, like a radio group drawn as one control.
// The segments share the width equally.
class SegmentedControl : public QWidget
{
    Q_OBJECT

public:
    struct Segment {
        QString text;
        QString symbol = {};
        QString toolTip = {};
    };

    // The accessible name names the whole group for screen readers ("Unit", "Format"); it is never shown.
    explicit SegmentedControl(const QString &accessibleName, QWidget *parent = nullptr);

    // Replaces every segment and selects `current` without emitting currentIndexChanged.
    void setSegments(const QList<Segment> &segments, int current);
    int count() const { return int(m_buttons.size()); }
    int currentIndex() const { return m_current; }
    // Selects the segment without emitting currentIndexChanged (the caller already knows).
    void setCurrentIndex(int index);
    SegmentButton *button(int index) const { return m_buttons.value(index); }

Q_SIGNALS:
    // Only for a selection made by the user (click or keyboard).
    void currentIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void select(int index, bool byUser);

    QList<SegmentButton *> m_buttons;
    int m_current = -1;
};
