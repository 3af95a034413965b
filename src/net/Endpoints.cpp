#include "net/Endpoints.h"

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

void overrideForTesting(const Bases &bases)
{
    active() = bases;
}

} // namespace Endpoints
