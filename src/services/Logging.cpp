#include "services/Logging.h"

// Only critical messages pass by default, and none are written: every category stays silent until a
// rule switches it on.
Q_LOGGING_CATEGORY(lcNetwork, "tessellon.network", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcPortal, "tessellon.portal", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcInstance, "tessellon.instance", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcSettings, "tessellon.settings", QtCriticalMsg)
