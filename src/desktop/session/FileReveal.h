#pragma once

#include <QString>

// Shows a saved file in the user's file manager.
namespace FileReveal {

// Asks the file manager (org.freedesktop.FileManager1.ShowItems on the session bus: Nautilus, Dolphin,
// Nemo, Thunar) to show the file selected; where none answers, opens the folder that holds it. Returns at
// once; the outcome is not reported.
void reveal(const QString &filePath);

} // namespace FileReveal
