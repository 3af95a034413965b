#pragma once

#include <QLoggingCategory>

// What fails on a user's desktop: warnings always, traces when switched on, for example with
// QT_LOGGING_RULES="tessellon.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcNetwork)
Q_DECLARE_LOGGING_CATEGORY(lcPortal)
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)
Q_DECLARE_LOGGING_CATEGORY(lcInstance)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcPlacement)
Q_DECLARE_LOGGING_CATEGORY(lcPointer)
