#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <list>
#include <optional>

// Reply bodies kept in memory by URL, within a byte budget: when a new body would go over it, the bodies
// used longest ago leave first. Nothing is written to disk.
class ReplyCache
{
public:
    explicit ReplyCache(qint64 capacityBytes) : m_capacity(capacityBytes) {}

    // A body larger than the whole budget is not kept (it would push out everything else for one entry).
    void insert(const QString &key, const QByteArray &body);
    // The body, which becomes the most recently used; none when it is not (or no longer) kept.
    std::optional<QByteArray> find(const QString &key);

    qint64 bytes() const { return m_bytes; }
    qint64 capacity() const { return m_capacity; }
    void setCapacity(qint64 bytes);
    void clear();

private:
    struct Entry {
        QString key;
        QByteArray body;
    };
    static qint64 cost(const Entry &entry) { return entry.body.size() + entry.key.size() * qint64(sizeof(QChar)); }
    void evictTo(qint64 budget);

    qint64 m_capacity;
    qint64 m_bytes = 0;
    // Most recently used last.
    std::list<Entry> m_order;
    QHash<QString, std::list<Entry>::iterator> m_index;
};
