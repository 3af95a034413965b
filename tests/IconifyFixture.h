#pragma once

#include "HttpFixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

// An HttpFixture that answers like the Iconify API from a few real icon sets (tests/data/iconify): search
// replies in the service's shape and each icon's SVG as the service builds it (width and height "1em", the
// set's viewBox, the icon's body unchanged). Anything else is its 404; routes added on top script failures.
class IconifyFixture : public HttpFixture
{
public:
    static constexpr const char *kSets[] = {"lucide", "tabler", "mdi", "heroicons"};

    IconifyFixture()
    {
        for (const char *prefix : kSets) {
            QFile file(QStringLiteral(TESSELLON_TEST_DATA "/iconify/%1.json").arg(QLatin1String(prefix)));
            file.open(QIODevice::ReadOnly);
            m_sets.append(QJsonDocument::fromJson(file.readAll()).object());
        }
        fallback = [this](const QByteArray &target) { return answer(target); };
    }

    // Every icon the fixture knows, "prefix:name", in set order.
    QStringList allIcons() const
    {
        QStringList ids;
        for (const QJsonObject &set : m_sets) {
            const QStringList names = set.value(QLatin1String("icons")).toObject().keys();
            for (const QString &name : names)
                ids.append(set.value(QLatin1String("prefix")).toString() + QLatin1Char(':') + name);
        }
        return ids;
    }

    // The markup the fixture serves for an icon it knows.
    QByteArray svg(const QString &prefix, const QString &name) const
    {
        for (const QJsonObject &set : m_sets) {
            if (set.value(QLatin1String("prefix")).toString() != prefix)
                continue;
            const QJsonObject icon = set.value(QLatin1String("icons")).toObject().value(name).toObject();
            if (icon.isEmpty())
                return {};
            const int width = icon.value(QLatin1String("width")).toInt(set.value(QLatin1String("width")).toInt());
            const int height = icon.value(QLatin1String("height")).toInt(set.value(QLatin1String("height")).toInt());
            return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1em\" height=\"1em\" "
                                  "viewBox=\"0 0 %1 %2\">%3</svg>")
                .arg(width)
                .arg(height)
                .arg(icon.value(QLatin1String("body")).toString())
                .toUtf8();
        }
        return {};
    }

    // The search texts received, decoded as a web server decodes a query ("+" is a space).
    QStringList searches() const
    {
        QStringList texts;
        for (const QByteArray &target : requests) {
            if (target.startsWith("/search?"))
                texts.append(formValue(target, "query"));
        }
        return texts;
    }

    qsizetype svgRequests() const
    {
        return std::count_if(requests.begin(), requests.end(), [](const QByteArray &t) { return t.endsWith(".svg"); });
    }

    static QString formValue(const QByteArray &target, const QByteArray &key)
    {
        const QByteArray query = target.mid(target.indexOf('?') + 1);
        for (const QByteArray &pair : query.split('&')) {
            if (pair.startsWith(key + '=')) {
                QByteArray value = pair.mid(key.size() + 1);
                value.replace('+', ' ');
                return QString::fromUtf8(QByteArray::fromPercentEncoding(value));
            }
        }
        return {};
    }

private:
    Response answer(const QByteArray &target) const
    {
        if (target.startsWith("/search?"))
            return search(target);
        const QList<QByteArray> parts = target.mid(1).split('/');
        if (parts.size() == 2 && parts[1].endsWith(".svg")) {
            const QByteArray markup = svg(QString::fromUtf8(QByteArray::fromPercentEncoding(parts[0])),
                                          QString::fromUtf8(QByteArray::fromPercentEncoding(parts[1].chopped(4))));
            if (!markup.isEmpty())
                return {200, markup, "image/svg+xml"};
        }
        return {404, "404", "text/plain"};
    }

    // Every word of the query in the icon's name (within the set asked for), the page from `start`, the
    // service's reply keys.
    Response search(const QByteArray &target) const
    {
        const QStringList words = formValue(target, "query").toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString prefix = formValue(target, "prefix");
        const int limit = formValue(target, "limit").toInt();
        const int start = formValue(target, "start").toInt();
        QStringList matches;
        for (const QString &id : allIcons()) {
            const QString name = id.section(QLatin1Char(':'), 1);
            if (!words.isEmpty() && (prefix.isEmpty() || id.startsWith(prefix + QLatin1Char(':'))) &&
                std::all_of(words.begin(), words.end(), [&name](const QString &w) { return name.contains(w); }))
                matches.append(id);
        }
        QJsonArray icons;
        QJsonObject collections;
        for (const QString &id : matches.mid(start, limit)) {
            icons.append(id);
            for (const QJsonObject &set : m_sets) {
                if (set.value(QLatin1String("prefix")).toString() == id.section(QLatin1Char(':'), 0, 0))
                    collections.insert(set.value(QLatin1String("prefix")).toString(),
                                       QJsonObject{{QStringLiteral("name"), set.value(QLatin1String("name"))},
                                                   {QStringLiteral("license"), set.value(QLatin1String("license"))}});
            }
        }
        const QJsonObject reply{
            {QStringLiteral("icons"), icons},
            {QStringLiteral("total"), matches.size()},
            {QStringLiteral("limit"), limit},
            {QStringLiteral("start"), start},
            {QStringLiteral("collections"), collections},
        };
        return {200, QJsonDocument(reply).toJson(QJsonDocument::Compact), "application/json; charset=utf-8"};
    }

    QList<QJsonObject> m_sets;
};
