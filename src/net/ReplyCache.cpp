#include "net/ReplyCache.h"

void ReplyCache::insert(const QString &key, const QByteArray &body)
{
    if (const auto found = m_index.constFind(key); found != m_index.constEnd()) {
        m_bytes -= cost(*found.value());
        m_order.erase(found.value());
        m_index.erase(found);
    }
    Entry entry{key, body};
    if (cost(entry) > m_capacity)
        return;
    evictTo(m_capacity - cost(entry));
    m_bytes += cost(entry);
    m_order.push_back(std::move(entry));
    m_index.insert(key, std::prev(m_order.end()));
}

std::optional<QByteArray> ReplyCache::find(const QString &key)
{
    const auto found = m_index.constFind(key);
    if (found == m_index.constEnd())
        return std::nullopt;
    m_order.splice(m_order.end(), m_order, found.value());
    return found.value()->body;
}

void ReplyCache::setCapacity(qint64 bytes)
{
    m_capacity = bytes;
    evictTo(bytes);
}

void ReplyCache::clear()
{
    m_order.clear();
    m_index.clear();
    m_bytes = 0;
}

void ReplyCache::evictTo(qint64 budget)
{
    while (m_bytes > budget && !m_order.empty()) {
        m_bytes -= cost(m_order.front());
        m_index.remove(m_order.front().key);
        m_order.pop_front();
    }
}
