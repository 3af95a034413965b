// The tests' Iconify stand-in as a process of its own, for the real binary: prints its base URL, then
// serves until killed, appending each request target to the file named by its argument.
#include "../IconifyFixture.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    IconifyFixture fixture;
    QFile log(app.arguments().value(1));
    if (!fixture.isListening() || !log.open(QIODevice::WriteOnly | QIODevice::Append))
        return 1;
    fixture.fallback = [&log, answer = fixture.fallback](const QByteArray &target) {
        log.write(target + '\n');
        log.flush();
        return answer(target);
    };
    QTextStream(stdout) << fixture.base() << Qt::endl;
    return app.exec();
}
