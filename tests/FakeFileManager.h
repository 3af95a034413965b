#pragma once
#include "TestMain.h"

#include "PrivateBus.h"

// Stands in for the desktop's file manager on a test's own session bus and records what it was asked to
// show.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList shown;

    // Starts the bus, makes it the session bus of this process (call before anything opens the session bus)
    // and answers on it as the file manager.
    bool serveOn(PrivateBus &bus)
    {
        if (!bus.start())
            return false;
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());
        QDBusConnection connection = bus.connection();
        return connection.registerService(QStringLiteral("org.freedesktop.FileManager1")) &&
               connection.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), this,
                                         QDBusConnection::ExportAllSlots);
    }

public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &) { shown += uris; }
};
