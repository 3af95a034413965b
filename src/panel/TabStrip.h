#pragma once

#include "widgets/Spring.h"

#include <QAbstractButton>
#include <QList>
#include <QVariantAnimation>
#include <QWidget>

// One tab of the strip: a symbol only, its title as tooltip and accessible name. Selected, the symbol turns
// to the accent's text colour and springs to 1.18 times its size; every change of selection plays a bounce.
class TabButton : public QAbstractButton
{
    Q_OBJECT

public:
    TabButton(const QString &symbol, const QString &title, QWidget *parent = nullptr);

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    double symbolScale() const { return m_scale.value() * m_bounce; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void nextCheckState() override {}

private:
    QString m_symbol;
    bool m_selected = false;
    SpringAnimation m_scale;
    QVariantAnimation m_bounceAnimation;
    double m_bounce = 1.0;
};

// The row of tab buttons and the accent highlight that slides between them.
class TabStrip : public QWidget
{
    Q_OBJECT

public:
    struct Item {
        QString symbol;
        QString title;
    };

    explicit TabStrip(const QList<Item> &items, QWidget *parent = nullptr);

    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    TabButton *button(int index) const { return m_buttons.value(index); }
    // Where the highlight is drawn now (it lags the selection while it slides).
    QRectF highlightRect() const;

Q_SIGNALS:
    void currentIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<TabButton *> m_buttons;
    int m_current = 0;
    // The highlight's position counted in buttons, so it stays put while the strip itself widens.
    SpringAnimation m_highlight;
};
