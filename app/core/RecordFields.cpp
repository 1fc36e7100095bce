// Reading fields of tab-separated record lines and parsing numbers written with a point.
#include "app/core/RecordFields.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

ParsedNumber failAt(qsizetype index)
{
    return {kNaN, int(index + 1)};
}

// Fast path for the usual field, checked digits of at most 19 significant digits and a
// small decimal exponent: the digits and the power of ten are both exact in long double,
// so one multiplication or division rounds correctly. std::from_chars for long double
// takes about half a microsecond, which made reading a record the cost of an equation.
constexpr std::array<long double, 28> kExactPowersOfTen = [] {
    std::array<long double, 28> powers{};
    long double power = 1.0L;
    for (long double &p : powers) {
        p = power;
        power *= 10.0L; // exact up to 10^27
    }
    return powers;
}();

bool exactShortDecimal(std::string_view number, long double &value)
{
    constexpr int kMaxDigits = 19; // below 2^64, the long double significand
    constexpr int kMaxExponent = int(kExactPowersOfTen.size()) - 1; // 5^27 < 2^64
    std::uint64_t digits = 0;
    int significant = 0;
    int exponent = 0;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (significant == 0 && c == '0') {
            if (afterPoint)
                --exponent;
            continue;
        }
        if (++significant > kMaxDigits)
            return false;
        digits = digits * 10 + std::uint64_t(c - '0');
        if (afterPoint)
            --exponent;
    }
    if (i < number.size()) {
        ++i;
        bool negative = false;
        if (number[i] == '+' || number[i] == '-')
            negative = number[i++] == '-';
        int written = 0;
        for (; i < number.size(); ++i) {
            written = written * 10 + (number[i] - '0');
            if (written > 10000)
                return false;
        }
        exponent += negative ? -written : written;
    }
    if (digits == 0) {
        value = 0.0L;
        return true;
    }
    if (exponent > kMaxExponent || exponent < -kMaxExponent)
        return false;
    const long double scale = kExactPowersOfTen[std::size_t(exponent < 0 ? -exponent : exponent)];
    value = exponent < 0 ? static_cast<long double>(digits) / scale : static_cast<long double>(digits) * scale;
    return true;
}

// Checks the grammar by hand: std::from_chars alone would accept "inf", "nan" and a
// number followed by anything, and would refuse a leading '+'.
ParsedNumber parseAscii(std::string_view text)
{
    qsizetype i = 0;
    const qsizetype size = qsizetype(text.size());
    while (i < size && text[i] == ' ')
        ++i;
    const qsizetype numberStart = i;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const qsizetype mantissaStart = i;
    int digits = 0;
    while (i < size && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < size && text[i] == '.') {
        ++i;
        while (i < size && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return failAt(i);
    bool negativeExponent = false;
    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < size && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const qsizetype exponentStart = i;
        while (i < size && isDigit(text[i]))
            ++i;
        if (i == exponentStart)
            return failAt(i);
    }
    if (i < size)
        return failAt(i);

    long double value = 0.0L;
    if (!exactShortDecimal(text.substr(std::size_t(mantissaStart), std::size_t(size - mantissaStart)), value)) {
        const char *first = text.data() + mantissaStart;
        const char *last = text.data() + size;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error == std::errc::result_out_of_range) {
            if (!negativeExponent)
                return failAt(numberStart);
            value = 0.0L; // below the smallest long double: as good as zero
        } else if (error != std::errc() || end != last) {
            return failAt(numberStart);
        }
    }
    return {negative ? -value : value, 0};
}

// Copies a field into a small stack buffer as ASCII; anything else becomes a character
// the grammar refuses, so the error position still points at it.
template <typename Map>
ParsedNumber parseMapped(QStringView text, Map map)
{
    constexpr qsizetype kBufferSize = 64;
    if (text.size() <= kBufferSize) {
        std::array<char, kBufferSize> buffer{};
        for (qsizetype i = 0; i < text.size(); ++i)
            buffer[std::size_t(i)] = map(text[i]);
        return parseAscii(std::string_view(buffer.data(), std::size_t(text.size())));
    }
    std::string copy(std::size_t(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        copy[std::size_t(i)] = map(text[i]);
    return parseAscii(copy);
}

char asAscii(QChar c)
{
    return c.unicode() < 0x80 ? char(c.unicode()) : '?';
}

} // namespace

QStringView getField(QStringView line, int n, QStringView delimiter)
{
    if (n < 1)
        return {};
    if (delimiter.isEmpty())
        return n == 1 ? line : QStringView();
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype next = line.indexOf(delimiter, start);
        if (next < 0)
            return {};
        start = next + delimiter.size();
    }
    const qsizetype end = line.indexOf(delimiter, start);
    return end < 0 ? line.sliced(start) : line.sliced(start, end - start);
}

QString swapDecimalSeparator(QStringView text, QChar from, QChar to, QChar languageLetter)
{
    QString result = text.toString();
    if (languageLetter == u'E' && to == u',')
        return result;
    result.replace(from, to);
    return result;
}

ParsedNumber parseNumber(QStringView text)
{
    return parseMapped(text, asAscii);
}

long double numericField(QStringView line, int n)
{
    return fieldNumber(getField(line, n, QStringView(&kFieldDelimiter, 1)));
}

long double fieldNumber(QStringView field)
{
    const ParsedNumber parsed = parseMapped(field, [](QChar c) { return c == u',' ? '.' : asAscii(c); });
    return parsed.ok() ? parsed.value : kNaN;
}
