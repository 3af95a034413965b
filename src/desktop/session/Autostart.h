#pragma once

#include <QString>

#include <optional>

// Start at login, the XDG way: an entry in $XDG_CONFIG_HOME/autostart named after the application id. The
// file itself is the state; nothing else is stored.
namespace Autostart {

QString entryPath();
bool isEnabled();
// Writes the entry (Exec: `executable`) or removes it. On failure, says why in one line for the banner and
// leaves no half-written file.
std::optional<QString> setEnabled(bool enabled, const QString &executable);

} // namespace Autostart
