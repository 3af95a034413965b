#include "core/Logging.h"

// Warnings pass by default, so what fails is said; the traces (debug and info) stay silent until a rule
// switches them on.
Q_LOGGING_CATEGORY(lcNetwork, "tessellon.network", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPortal, "tessellon.portal", QtWarningMsg)
Q_LOGGING_CATEGORY(lcInstance, "tessellon.instance", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "tessellon.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlacement, "tessellon.placement", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPointer, "tessellon.pointer", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDesktop, "tessellon.desktop", QtWarningMsg)
