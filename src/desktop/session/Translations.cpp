#include "desktop/session/Translations.h"

#include "core/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace Translations {

QString installedDirectory()
{
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/tessellon/translations"));
}

bool install(const QLocale &locale, const QString &directory)
{
    // Owned by the application, which keeps using it for as long as it runs.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("tessellon"), QStringLiteral("_"), directory)) {
        qCDebug(lcDesktop) << "No translation for" << locale.name() << "in" << directory;
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace Translations
