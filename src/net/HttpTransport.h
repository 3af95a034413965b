#pragma once

#include "net/HttpClient.h"

#include <QUrl>

#include <functional>

// What carries HTTP for the client: QtNetwork, in a module of its own that the program loads on its first
// request, so that QtNetwork and all it brings in (Kerberos, the proxy lookup) stay out of memory until a
// tab needs the network.
class HttpTransport
{
public:
    virtual ~HttpTransport() = default;

    // Starts a GET on the main thread's event loop. `finished` runs once, later, with the reply, unless the
    // returned stop runs first (it may also run after, and then does nothing).
    virtual std::function<void()> get(const QUrl &url, int inactivityMs, qint64 maximumBytes,
                                      std::function<void(const HttpClient::Reply &)> finished) = 0;
};

namespace HttpClient {
// A transport to use instead of looking for the module beside the program (the tests load it from the
// build tree).
void useTransport(HttpTransport *transport);
} // namespace HttpClient

// The module's one entry point.
extern "C" using HttpTransportEntry = HttpTransport * (*)();
