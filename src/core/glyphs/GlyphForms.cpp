#include "core/glyphs/GlyphForms.h"

#include <QHash>
#include <QStringList>

namespace GlyphForms {

namespace {

struct NamedReference {
    const char16_t *text;
    const char *name;
};

// One name per character or sequence, the one HTML 4 had where it had one.
constexpr NamedReference kNamedReferences[] = {
#include "core/glyphs/HtmlEntities.inc"
};

const QHash<QString, QString> &namesByText()
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> names;
        for (const NamedReference &reference : kNamedReferences)
            names.insert(QString::fromUtf16(reference.text), QLatin1String(reference.name));
        return names;
    }();
    return table;
}

QString hex(uint value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

} // namespace

std::optional<QString> entityName(const QString &text)
{
    const auto it = namesByText().constFind(text);
    if (it == namesByText().constEnd())
        return std::nullopt;
    return *it;
}

std::optional<QString> textOfEntity(const QString &name)
{
    const QByteArray wanted = name.toLatin1();
    for (const NamedReference &reference : kNamedReferences) {
        if (wanted == reference.name)
            return QString::fromUtf16(reference.text);
    }
    return std::nullopt;
}

QString htmlEntity(const QString &glyph)
{
    if (const auto name = entityName(glyph))
        return QLatin1Char('&') + *name + QLatin1Char(';');
    QString out;
    for (char32_t codePoint : glyph.toUcs4()) {
        const QString one = QString::fromUcs4(&codePoint, 1);
        if (const auto name = entityName(one))
            out += QLatin1Char('&') + *name + QLatin1Char(';');
        else
            out += QStringLiteral("&#x") + hex(codePoint, 1) + QLatin1Char(';');
    }
    return out;
}

QString escape(const QString &glyph)
{
    QString out;
    for (QChar unit : glyph)
        out += QStringLiteral("\\u") + hex(unit.unicode(), 4);
    return out;
}

QString cssEscape(const QString &glyph, const QString &following)
{
    QString out;
    for (uint codePoint : glyph.toUcs4())
        out += QLatin1Char('\\') + hex(codePoint, 1);
    // An escape runs on over the hex digits after it, and one space after it is swallowed as its end: only
    // then does it need a space of its own. The escapes here follow one another, each opening with a
    // backslash, so only what comes after the glyph can call for one.
    if (!following.isEmpty() && (isHexDigit(following.front()) || following.front().isSpace()))
        out += QLatin1Char(' ');
    return out;
}

QString codePoints(const QString &glyph)
{
    QStringList parts;
    for (uint codePoint : glyph.toUcs4())
        parts.append(QStringLiteral("U+") + hex(codePoint, 4));
    return parts.join(QLatin1Char(' '));
}

const QList<Form> &allForms()
{
    static const QList<Form> forms = {Form::glyph, Form::htmlEntity, Form::escape, Form::cssEscape, Form::codePoints};
    return forms;
}

QString write(const QString &glyph, Form form)
{
    switch (form) {
    case Form::glyph:
        return glyph;
    case Form::htmlEntity:
        return htmlEntity(glyph);
    case Form::escape:
        return escape(glyph);
    case Form::cssEscape:
        return cssEscape(glyph);
    case Form::codePoints:
        return codePoints(glyph);
    }
    return glyph;
}

} // namespace GlyphForms
