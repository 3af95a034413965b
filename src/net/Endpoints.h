#pragma once

#include <QString>

// The outside services' base URLs, each ending in a slash: the only place they are spelt out.
namespace Endpoints {

struct Bases {
    QString placeholder; // a plain placeholder of any size: WxH, WxH.ext
    QString photo;       // a photograph: W/H
    QString avatar;      // avatars, API version 9.x: STYLE/FORMAT?seed=…
    QString iconify;     // icon search and SVGs

    bool operator==(const Bases &) const = default;
};

// The public services the shipped program talks to.
Bases production();

const Bases &current();

// Points the icon finder at another Iconify API (a self-hosted one: the service is open source), given as
// an http or https address. Anything else (another scheme, no host, a query or fragment) is refused and
// changes nothing.
bool useIconify(const QString &address);

// Test-only seam: points every service at a fixture server. The program itself never calls it and reads no
// configuration that could.
void overrideForTesting(const Bases &bases);

} // namespace Endpoints
