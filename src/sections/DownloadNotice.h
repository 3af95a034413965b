#pragma once

#include "desktop/Desktop.h"
#include "net/DownloadsFolder.h"
#include "sections/Notify.h"

// How every section ends a download that worked: the file shown in the file manager, and one line naming it
// (the same words when it went to the home folder for lack of a Downloads folder).
inline void announceSaved(const DownloadsFolder::Saved &saved, const Notify &notify)
{
    Desktop::reveal(saved.filePath);
    notify(QStringLiteral("Saved %1 to Downloads").arg(saved.fileName));
}
