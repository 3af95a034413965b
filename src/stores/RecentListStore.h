#pragma once

#include <QObject>
#include <QStringList>

// A persisted most-recent-first list of texts, capped and free of duplicates. The recent colours and the
// recent glyphs and the recent icons are configurations of this one store.
class RecentListStore : public QObject
{
    Q_OBJECT

public:
    struct Config {
        QString key;            // settings key holding the list
        qsizetype cap = 0;      // how many entries add() keeps
        bool upperCase = false; // whether add() and remove() upper-case their argument
        // When set, stored entries it refuses are dropped on load (the others keep their order).
        bool (*accepts)(const QString &) = nullptr;
    };

    explicit RecentListStore(Config config, QObject *parent = nullptr);

    const QStringList &items() const { return m_items; }

    // Moves or inserts the text at the front, trims to the cap and persists.
    void add(const QString &text);
    // Deletes every entry equal to the text (or, when none is, to its normalised form) and persists, even
    // when nothing matched.
    void remove(const QString &text);

Q_SIGNALS:
    void changed();

protected:
    void clearItems();

private:
    QString normalised(const QString &text) const;
    void persist();

    Config m_config;
    QStringList m_items;
};
