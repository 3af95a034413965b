#pragma once

#include <QLoggingCategory>

// Traces of what fails quietly on a user's desktop, silent unless switched on, for example with
// QT_LOGGING_RULES="tessellon.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcNetwork)
Q_DECLARE_LOGGING_CATEGORY(lcPortal)
Q_DECLARE_LOGGING_CATEGORY(lcInstance)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
