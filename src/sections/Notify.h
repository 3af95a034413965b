#pragma once

#include "widgets/BannerAction.h"

#include <QString>

#include <functional>

// How a section reports the one line that the panel's banner shows after an action.
using Notify = std::function<void(const QString &)>;

// The same report with a button beside it in the banner.
using NotifyWithAction = std::function<void(const QString &, const BannerAction &)>;
