#include "net/Endpoints.h"

#include <QUrl>

namespace Endpoints {

namespace {

Bases &active()
{
    static Bases bases = production();
    return bases;
}

} // namespace

Bases production()
{
    return {
        QStringLiteral("https://placehold.co/"),
        QStringLiteral("https://picsum.photos/"),
        QStringLiteral("https://api.dicebear.com/9.x/"),
        QStringLiteral("https://api.iconify.design/"),
    };
}

const Bases &current()
{
    return active();
}

bool useIconify(const QString &address)
{
    QUrl url(address.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")) ||
        url.host().isEmpty() || url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty())
        return false;
    // Paths are appended to the base: "https://icons.example/api" must mean ".../api/search".
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    active().iconify = url.toString(QUrl::FullyEncoded);
    return true;
}

void overrideForTesting(const Bases &bases)
{
    active() = bases;
}

} // namespace Endpoints
