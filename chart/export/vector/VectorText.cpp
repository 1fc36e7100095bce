// Number and text pieces of the vector exports.
#include "VectorText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace VectorText {

namespace {

void appendCodePoint(QByteArray &out, char32_t code)
{
    out += "&#";
    appendInt(out, code);
    out += ';';
}

constexpr char32_t kReplacement = 0xFFFD;

bool isControl(char32_t code)
{
    return code < 0x20 && code != '\t' && code != '\n' && code != '\r';
}

// The code points of the text that XML can hold: controls dropped, a lone surrogate and the two
// non-characters U+FFFE, U+FFFF as U+FFFD (a reference to them is no better than the character).
template <class Each>
void forEachXmlCodePoint(const QString &text, Each each)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
            ++i;
        }
        if (isControl(code))
            continue;
        each(isXmlChar(code) ? code : kReplacement);
    }
}

} // namespace

void appendInt(QByteArray &out, long long value)
{
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr - buffer.data());
}

void appendFixed(QByteArray &out, double value, int decimals)
{
    // A value that is no number is never written: a reader would refuse the whole file.
    if (!std::isfinite(value))
        value = 0.0;
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        out += '0';
        return;
    }
    const char *begin = buffer.data();
    const char *end = result.ptr;
    if (*begin == '-' && std::all_of(begin + 1, end, [](char c) { return c == '0' || c == '.'; }))
        ++begin;
    out.append(begin, end - begin);
}

void appendShortest(QByteArray &out, double value)
{
    if (!std::isfinite(value))
        value = 0.0;
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    out.append(buffer.data(), result.ptr - buffer.data());
}

QByteArray fixed(double value, int decimals)
{
    QByteArray out;
    appendFixed(out, value, decimals);
    return out;
}

QByteArray shortest(double value)
{
    QByteArray out;
    appendShortest(out, value);
    return out;
}

QByteArray htmlColorName(TColor rgb)
{
    static constexpr std::pair<TColor, const char *> kNames[] = {
        {0x000000, "black"}, {0x000080, "maroon"}, {0x0000FF, "red"},    {0x008000, "green"}, {0x008080, "olive"},
        {0x00FF00, "lime"},  {0x00FFFF, "yellow"}, {0x800000, "navy"},   {0x800080, "purple"}, {0x808000, "teal"},
        {0x808080, "gray"},  {0xC0C0C0, "silver"}, {0xFF0000, "blue"},   {0xFF00FF, "fuchsia"}, {0xFFFFFF, "white"},
    };
    for (const auto &[value, name] : kNames)
        if (value == rgb)
            return name;
    return {};
}

bool isXmlChar(char32_t code)
{
    if (code < 0x20)
        return code == '\t' || code == '\n' || code == '\r';
    return (code < 0xD800 || code > 0xDFFF) && code != 0xFFFE && code != 0xFFFF && code <= 0x10FFFF;
}

void appendXmlEscaped(QByteArray &out, const QString &text, bool attribute)
{
    forEachXmlCodePoint(text, [&](char32_t code) {
        if (code == '&')
            out += "&amp;";
        else if (code == '<')
            out += "&lt;";
        else if (code == '>')
            out += "&gt;";
        else if (attribute && code == '"')
            out += "&quot;";
        else if (code >= 32 && code < 127)
            out += char(code);
        else
            appendCodePoint(out, code);
    });
}

void appendXmlCharacterReferences(QByteArray &out, const QString &text)
{
    forEachXmlCodePoint(text, [&](char32_t code) {
        if (code >= 33 && code <= 122 && code != '<' && code != '&' && code != '>')
            out += char(code);
        else
            appendCodePoint(out, code);
    });
}

namespace {

// Unicode of the WinAnsi codes 0x80..0x9F.
constexpr char16_t kWinAnsiHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

char16_t winAnsiToUnicode(int code)
{
    if (code < 0 || code > 255)
        return 0;
    if (code >= 0x80 && code < 0xA0)
        return kWinAnsiHigh[code - 0x80];
    return char16_t(code);
}

int unicodeToWinAnsi(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character < 0x100))
        return character;
    for (int i = 0; i < 32; ++i)
        if (kWinAnsiHigh[i] != 0 && kWinAnsiHigh[i] == character)
            return 0x80 + i;
    return -1;
}

} // namespace VectorText
