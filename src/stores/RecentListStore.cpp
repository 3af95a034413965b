#include "stores/RecentListStore.h"

#include "core/Logging.h"

#include <QSettings>
#include <QVariant>

namespace {

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tessellon"),
                     QStringLiteral("Tessellon"));
}

// Only a list of texts is ours. INI files keep a one-entry list as a plain string and an empty one as
// @Invalid(), so both of those count; anything else (a number written by hand, a byte array, a rect,
// a file that no longer parses) loads as an empty list instead of as garbage entries.
QStringList readList(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return {value.toString()};
    case QMetaType::QStringList:
        return value.toStringList();
    case QMetaType::QVariantList: {
        QStringList list;
        for (const QVariant &entry : value.toList()) {
            if (entry.typeId() != QMetaType::QString)
                return {};
            list.append(entry.toString());
        }
        return list;
    }
    default:
        return {};
    }
}

// Text equality that, like the user expects, treats canonically equivalent spellings (an "é" typed as one
// code point or as "e" plus a combining accent) as the same entry. Returns how many entries went.
qsizetype removeEquivalent(QStringList &items, const QString &text)
{
    const QString key = text.normalized(QString::NormalizationForm_C);
    return items.removeIf([&key](const QString &item) { return item.normalized(QString::NormalizationForm_C) == key; });
}

} // namespace

RecentListStore::RecentListStore(Config config, QObject *parent) : QObject(parent), m_config(std::move(config))
{
    // Loaded as stored: not normalised, de-duplicated or trimmed. The next add() restores the rules as far
    // as it reaches.
    const QSettings settings = userSettings();
    m_items = readList(settings.value(m_config.key));
    if (m_config.accepts)
        m_items.removeIf([this](const QString &item) { return !m_config.accepts(item); });
    if (settings.status() != QSettings::NoError)
        qCWarning(lcSettings) << "Cannot read" << settings.fileName() << ": its recent items start empty";
}

QString RecentListStore::normalised(const QString &text) const
{
    return m_config.upperCase ? text.toUpper() : text;
}

void RecentListStore::add(const QString &text)
{
    const QString value = normalised(text);
    removeEquivalent(m_items, value);
    m_items.prepend(value);
    if (m_items.size() > m_config.cap)
        m_items.resize(m_config.cap);
    persist();
}

void RecentListStore::remove(const QString &text)
{
    // A hand-written entry that add() would have spelt differently is still shown as itself, and removing
    // that tile must remove that entry, not its normalised twin.
    if (removeEquivalent(m_items, text) == 0)
        removeEquivalent(m_items, normalised(text));
    persist();
}

void RecentListStore::clearItems()
{
    m_items.clear();
    persist();
}

void RecentListStore::persist()
{
    // sync() writes through a temporary file and a rename, so a crash never leaves a torn file; doing it at
    // once means quitting at any moment loses nothing.
    QSettings settings = userSettings();
    settings.setValue(m_config.key, m_items);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(lcSettings) << "Cannot write" << m_config.key << "to" << settings.fileName() << ":"
                              << (settings.status() == QSettings::AccessError ? "access denied" : "format error");
    Q_EMIT changed();
}
