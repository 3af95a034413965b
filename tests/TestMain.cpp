#include "TestMain.h"

#include "net/HttpTransport.h"

#include <cstdio>

// tessellon_tests CLASS [QTest arguments]: runs one registered test class, as its own QTEST_MAIN would.
int main(int argc, char **argv)
{
    if (argc < 2 || !testRegistry().count(argv[1])) {
        std::fprintf(stderr, "usage: %s CLASS [QTest arguments]\nclasses:", argv[0]);
        for (const auto &entry : testRegistry())
            std::fprintf(stderr, " %s", entry.first.c_str());
        std::fputc('\n', stderr);
        return 2;
    }
    const std::string name = argv[1];
    // QTest sees the class's own arguments, with the program's name in front.
    argv[1] = argv[0];
    --argc;
    ++argv;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    // Requests go through the network module the program loads, from the build tree.
    QLibrary module(QStringLiteral(TESSELLON_HTTP_MODULE));
    if (const auto entry = reinterpret_cast<HttpTransportEntry>(module.resolve("tessellon_http_transport")))
        HttpClient::useTransport(entry());
    else
        qWarning() << "No network module:" << module.errorString();
    const std::unique_ptr<QObject> test = testRegistry().at(name)();
    const int failures = QTest::qExec(test.get(), argc, argv);
    // Requests that a test's end aborted finish their clean-up on the network's own thread: let them, or
    // what they still hold counts as leaked when the process ends.
    (void)QTest::qWaitFor([] { return qApp->findChildren<QNetworkReply *>().isEmpty(); }, 5000);
    // The network's thread ends with its manager, while the application stands (no event loop ends here).
    qDeleteAll(app.findChildren<QNetworkAccessManager *>(Qt::FindDirectChildrenOnly));
    return failures;
}
