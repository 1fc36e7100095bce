// Escaping of markup texts by code point.
#include "MarkupText.h"

#include "VectorText.h"

#include <QList>

namespace MarkupText {

QString escaped(const QString &text, bool attribute)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'&':
            out += QLatin1String("&amp;");
            continue;
        case U'<':
            out += QLatin1String("&lt;");
            continue;
        case U'>':
            out += QLatin1String("&gt;");
            continue;
        case U'"':
            out += attribute ? QLatin1String("&quot;") : QLatin1String("\"");
            continue;
        default:
            break;
        }
        if (c > 126 && !VectorText::isXmlChar(c))
            out += QLatin1String("&#65533;"); // a lone surrogate, U+FFFE or U+FFFF: not even a reference is allowed
        else if (c == U'\t' || c == U'\n' || c == U'\r' || c > 126)
            out += QStringLiteral("&#%1;").arg(quint32(c));
        else if (c < 32 || c == 127)
            out += u'?';
        else
            out += QChar(char16_t(c));
    }
    return out;
}

} // namespace MarkupText
