#pragma once

#include <QPointer>
#include <QString>

#include <functional>

// A button the banner shows beside a message ("Undo"): `run` on a press, for as long as `validWhile` lives
// (its owner deletes it once the offer no longer holds, say after a hand edit; a tab switch deletes it with
// the section that made it).
struct BannerAction {
    QString label;
    QString toolTip;
    std::function<void()> run;
    QPointer<QObject> validWhile;
};
