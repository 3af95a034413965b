#include "desktop/portal/ColorSchemeFollower.h"

#include "core/Logging.h"
#include "core/Session.h"
#include "widgets/Layout.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QStandardPaths>
#include <QStyle>
#include <QToolTip>

namespace {

const QString kSettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColorScheme = QStringLiteral("color-scheme");

// Read() of older portals wraps the value in a second variant; take off as many as there are.
QVariant unwrap(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

// Whether some kdeglobals (the user's, or the system's defaults) gives the window colour.
bool kdeNamesColors()
{
    for (const QString &path :
         QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"))) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        bool inWindowColors = false;
        for (const QByteArray &raw : file.readAll().split('\n')) {
            const QByteArray line = raw.trimmed();
            if (line.startsWith('['))
                inWindowColors = line == "[Colors:Window]";
            else if (inWindowColors && line.startsWith("BackgroundNormal="))
                return true;
        }
    }
    return false;
}

// Breeze's light colours, as Plasma 5 gives a new account.
QPalette breezeLight()
{
    QPalette p;
    const QColor text(0x23, 0x26, 0x27);
    const QColor inactive(0x70, 0x7d, 0x8a);
    p.setColor(QPalette::Window, QColor(0xef, 0xf0, 0xf1));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xf7, 0xf7, 0xf7));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0xfc, 0xfc, 0xfc));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, QColor(0xf7, 0xf7, 0xf7));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, inactive);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(0xf7, 0xf7, 0xf7));
    p.setColor(QPalette::Mid, QColor(0xb8, 0xbb, 0xbe));
    p.setColor(QPalette::Dark, QColor(0x88, 0x8e, 0x93));
    p.setColor(QPalette::Shadow, QColor(0x47, 0x4a, 0x4c));
    p.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x29, 0x80, 0xb9));
    p.setColor(QPalette::LinkVisited, QColor(0x9b, 0x59, 0xb6));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0xa0, 0xa4, 0xa8));
    return p;
}

} // namespace

ColorSchemeFollower::ColorSchemeFollower(const QDBusConnection &bus, QObject *parent)
    : Portal(bus, kSettingsInterface, parent)
{
    if (!bus.isConnected())
        return;
    // The bus matches the signal to the slot by its argument types' names, which it knows only once they are
    // registered; nothing else in the program may have registered QDBusVariant yet, and then the
    // subscription fails and no change is ever heard.
    qRegisterMetaType<QDBusVariant>();
    listen(QStringLiteral("SettingChanged"), SLOT(onSettingChanged(QString, QString, QDBusVariant)));

    QDBusMessage read = QDBusMessage::createMethodCall(service(), path(), interface(), QStringLiteral("Read"));
    read.setArguments({kAppearance, kColorScheme});
    // Asked without waiting: start-up does not stall on a slow or missing portal.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isError())
            qCDebug(lcPortal) << "No colour scheme from the portal:" << reply.error().message();
        // A change heard meanwhile is at least as new as this answer: the portal announces every change.
        else if (!m_heardChange)
            apply(reply.value().variant());
        call->deleteLater();
    });
}

void ColorSchemeFollower::onSettingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (group == kAppearance && key == kColorScheme) {
        m_heardChange = true;
        apply(value.variant());
    }
}

void ColorSchemeFollower::apply(const QVariant &value)
{
    bool ok = false;
    const uint raw = unwrap(value).toUInt(&ok);
    const Scheme scheme = !ok        ? Scheme::NoPreference
                          : raw == 1 ? Scheme::Dark
                          : raw == 2 ? Scheme::Light
                                     : Scheme::NoPreference;
    if (scheme == Scheme::Dark && !m_replaced && !isDark(QApplication::palette())) {
        m_original = QApplication::palette();
        m_replaced = true;
        Style::setApplicationPalette(darkPalette(m_original.color(QPalette::Highlight)));
    } else if (scheme != Scheme::Dark && m_replaced) {
        m_replaced = false;
        // As it was: it is the palette the program had set, readable already.
        QApplication::setPalette(m_original);
        QToolTip::setPalette(m_original);
    } else if (scheme == Scheme::Light && !m_replaced && isDark(QApplication::palette())) {
        Style::setApplicationPalette(lightPalette());
    }
    if (scheme != m_scheme) {
        m_scheme = scheme;
        Q_EMIT schemeChanged(scheme);
    }
}

QPalette ColorSchemeFollower::lightPalette()
{
    return Session::isKde() ? breezeLight() : QApplication::style()->standardPalette();
}

QPalette ColorSchemeFollower::startingPalette()
{
    return Session::isKde() && !kdeNamesColors() ? breezeLight() : QApplication::palette();
}

QPalette ColorSchemeFollower::darkPalette(const QColor &accent)
{
    QPalette p;
    const QColor window(0x26, 0x27, 0x2b);
    const QColor text(0xec, 0xec, 0xee);
    const QColor disabledText(0x77, 0x78, 0x7c);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(0x1d, 0x1e, 0x21));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x33, 0x34, 0x39));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x8a, 0x8b, 0x90));
    p.setColor(QPalette::Light, QColor(0x45, 0x46, 0x4b));
    p.setColor(QPalette::Midlight, QColor(0x3a, 0x3b, 0x40));
    p.setColor(QPalette::Mid, QColor(0x2c, 0x2d, 0x31));
    p.setColor(QPalette::Dark, QColor(0x18, 0x19, 0x1b));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x6a, 0x9c, 0xff));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    return p;
}
