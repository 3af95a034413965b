#pragma once

#include <QString>

#include <functional>

// How a section reports the one line that the panel's banner shows after an action.
using Notify = std::function<void(const QString &)>;
