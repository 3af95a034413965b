#pragma once

#include <QLocale>
#include <QString>

// The program's texts in the user's language, where a translation for it is installed.
namespace Translations {

// Where translations are installed: share/tessellon/translations beside the binary's bin/.
QString installedDirectory();

// Loads tessellon_<language>.qm for `locale` (trying its full name, then its language) from `directory`
// and makes it the application's; false when there is none. English, the source language, needs none.
bool install(const QLocale &locale, const QString &directory = installedDirectory());

} // namespace Translations
