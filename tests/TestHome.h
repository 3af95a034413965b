#pragma once
#include "TestMain.h"

// A throw-away home for one test process: HOME and the XDG folders point into a fresh temporary directory,
// so settings, downloads and sockets are real files that never touch the user's own.
// The one below is made before main(), so before QApplication and before any QSettings use.
class TestHome
{
public:
    TestHome()
    {
        const QString root = m_dir.path();
        setPath("HOME", root);
        setPath("XDG_CONFIG_HOME", root + QStringLiteral("/.config"));
        setPath("XDG_DATA_HOME", root + QStringLiteral("/.local/share"));
        setPath("XDG_CACHE_HOME", root + QStringLiteral("/.cache"));
        setPath("XDG_RUNTIME_DIR", root + QStringLiteral("/runtime"));
        QFile::setPermissions(root + QStringLiteral("/runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QString path() const { return m_dir.path(); }
    QString settingsFile() const { return m_dir.path() + QStringLiteral("/.config/Tessellon/Tessellon.conf"); }

private:
    static void setPath(const char *variable, const QString &path)
    {
        QDir().mkpath(path);
        qputenv(variable, path.toUtf8());
    }

    QTemporaryDir m_dir;
};

inline TestHome testHome;
