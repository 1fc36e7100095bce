// Number texts: digits from the correctly rounded 15-digit form, laid out by the format's placeholders.
#include "NumberFormat.h"

#include "PlotProcs.h"

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace PlotFormat {

namespace {

constexpr int kSignificantDigits = 15;
// Integer parts longer than this go to the plain conversion.
constexpr int kMaxIntegerDigits = 18;

// |value| as digits d1 d2 ... with d1 at the place 10^exponent; no digits for zero.
struct DecimalDigits
{
    std::string digits;
    int exponent = 0;
    bool isZero() const { return digits.empty(); }
};

DecimalDigits decimalDigits(double value)
{
    DecimalDigits result;
    if (value == 0.0)
        return result;
    // Correctly rounded, as printf's "%.14e", without its cost.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                   kSignificantDigits - 1).ptr;
    const char *e = std::find(buffer, end, 'e');
    result.digits.reserve(kSignificantDigits + 1);
    result.digits.push_back(buffer[0]);
    result.digits.append(buffer + 2, std::size_t(e - (buffer + 2)));
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, result.exponent);
    return result;
}

// Keeps the first `keep` digits, rounding half away from zero on the digit after them.
void roundToDigits(DecimalDigits &d, int keep)
{
    if (d.isZero() || keep >= int(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[std::size_t(keep)] >= '5';
    d.digits.resize(std::size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[std::size_t(i)] == '9')
            d.digits[std::size_t(i--)] = '0';
        if (i >= 0) {
            ++d.digits[std::size_t(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    if (d.digits.find_first_not_of('0') == std::string::npos)
        d.digits.clear();
}

struct Separators
{
    QChar thousand = u',';
    QChar decimal = u'.';
};

// The same single-character rule as the format conversion of the unit services.
Separators localSeparators()
{
    const QString local = PlotProcs::FormatToLocalSeparators(QStringLiteral(",."));
    return {local.at(0), local.at(1)};
}

// Splits at ";" outside quotes; at most three sections count.
QStringList splitSections(const QString &format)
{
    QStringList sections{QString()};
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            sections.append(QString());
            continue;
        }
        sections.last().append(c);
    }
    while (sections.size() > 3)
        sections.removeLast();
    return sections;
}

struct Token
{
    enum Kind { Literal, IntegerDigit, DecimalPoint, FractionDigit, Exponent };
    Kind kind = Literal;
    QString text; // literal text, or the exponent letter
    int index = 0; // placeholder number within its part
    bool expPlus = false;
    int expWidth = 0;
};

struct Section
{
    std::vector<Token> tokens;
    int integerPlaceholders = 0;
    int minIntegerDigits = 0;
    int fractionPlaceholders = 0;
    int minFractionDigits = 0;
    bool grouping = false;
    bool hasExponent = false;
};

Section parseSection(const QString &text)
{
    Section s;
    int firstZero = -1;
    bool afterPoint = false;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'"' || c == u'\'') {
            const int end = int(text.indexOf(c, i + 1));
            const int stop = end < 0 ? n : end;
            s.tokens.push_back({Token::Literal, text.mid(i + 1, stop - i - 1)});
            i = stop;
        } else if ((c == u'0' || c == u'#') && !s.hasExponent) {
            if (afterPoint) {
                s.tokens.push_back({Token::FractionDigit, {}, s.fractionPlaceholders++});
                if (c == u'0')
                    s.minFractionDigits = s.fractionPlaceholders;
            } else {
                if (c == u'0' && firstZero < 0)
                    firstZero = s.integerPlaceholders;
                s.tokens.push_back({Token::IntegerDigit, {}, s.integerPlaceholders++});
            }
        } else if (c == u'.' && !afterPoint && !s.hasExponent) {
            afterPoint = true;
            s.tokens.push_back({Token::DecimalPoint, {}});
        } else if (c == u',' && !s.hasExponent) {
            if (!afterPoint)
                s.grouping = true;
        } else if ((c == u'E' || c == u'e') && !s.hasExponent && i + 2 < n
                   && (text.at(i + 1) == u'+' || text.at(i + 1) == u'-') && text.at(i + 2) == u'0') {
            Token exponent{Token::Exponent, QString(c)};
            exponent.expPlus = text.at(i + 1) == u'+';
            int j = i + 2;
            while (j < n && text.at(j) == u'0')
                ++j;
            exponent.expWidth = j - i - 2;
            s.tokens.push_back(exponent);
            s.hasExponent = true;
            i = j - 1;
        } else {
            s.tokens.push_back({Token::Literal, QString(c)});
        }
    }
    s.minIntegerDigits = firstZero < 0 ? 0 : s.integerPlaceholders - firstZero;
    return s;
}

// The digits a section shows for |value|: integer and fraction strings and the exponent.
struct Layout
{
    QString integer;
    QString fraction;
    int exponent = 0;
    bool zero = true;
};

QString digitRange(const std::string &digits, int from, int count)
{
    QString result;
    for (int i = from; i < from + count; ++i)
        result.append(i >= 0 && i < int(digits.size()) ? QChar(digits[std::size_t(i)]) : QChar(u'0'));
    return result;
}

void trimFraction(QString &fraction, int minDigits)
{
    while (fraction.size() > minDigits && fraction.endsWith(u'0'))
        fraction.chop(1);
}

Layout layOut(const Section &s, double value)
{
    Layout l;
    DecimalDigits d = decimalDigits(value);
    if (s.hasExponent) {
        const int integerDigits = std::max(1, s.integerPlaceholders);
        roundToDigits(d, integerDigits + s.fractionPlaceholders);
        l.zero = d.isZero();
        l.exponent = l.zero ? 0 : d.exponent - (integerDigits - 1);
        l.integer = digitRange(d.digits, 0, integerDigits);
        l.fraction = digitRange(d.digits, integerDigits, s.fractionPlaceholders);
    } else {
        roundToDigits(d, d.exponent + 1 + s.fractionPlaceholders);
        l.zero = d.isZero();
        if (!l.zero && d.exponent >= 0)
            l.integer = digitRange(d.digits, 0, d.exponent + 1);
        l.fraction = l.zero ? QString(s.fractionPlaceholders, u'0')
                            : digitRange(d.digits, d.exponent + 1, s.fractionPlaceholders);
        // Leading placeholders of "#" show no zero; a "0" placeholder does.
        if (l.integer.size() < s.minIntegerDigits)
            l.integer.prepend(QString(s.minIntegerDigits - l.integer.size(), u'0'));
    }
    trimFraction(l.fraction, s.minFractionDigits);
    return l;
}

QString render(const Section &s, const Layout &l, const Separators &sep)
{
    QString out;
    const int n = int(l.integer.size());
    auto emitIntegerDigit = [&](int i) {
        out.append(l.integer.at(i));
        if (s.grouping && i < n - 1 && (n - 1 - i) % 3 == 0)
            out.append(sep.thousand);
    };
    bool integerDone = false;
    // Without integer placeholders the integer digits stand before the decimal point.
    auto emitIntegerIfNoPlaceholder = [&] {
        if (s.integerPlaceholders == 0 && !integerDone) {
            for (int i = 0; i < n; ++i)
                emitIntegerDigit(i);
            integerDone = true;
        }
    };
    for (const Token &t : s.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out.append(t.text);
            break;
        case Token::IntegerDigit: {
            const int position = n - s.integerPlaceholders + t.index;
            const int from = t.index == 0 ? 0 : position;
            for (int i = std::max(from, 0); i <= position; ++i)
                emitIntegerDigit(i);
            break;
        }
        case Token::DecimalPoint:
            emitIntegerIfNoPlaceholder();
            if (!l.fraction.isEmpty())
                out.append(sep.decimal);
            break;
        case Token::FractionDigit:
            if (t.index < l.fraction.size())
                out.append(l.fraction.at(t.index));
            break;
        case Token::Exponent:
            emitIntegerIfNoPlaceholder();
            out.append(t.text);
            if (l.exponent < 0)
                out.append(u'-');
            else if (t.expPlus)
                out.append(u'+');
            out.append(QString::number(std::abs(l.exponent)).rightJustified(t.expWidth, u'0'));
            break;
        }
    }
    return out;
}

// The sections of a format, parsed once: an axis formats all its labels with one format.
struct ParsedFormat
{
    QString format;
    QStringList texts;
    std::vector<Section> sections;
};

const ParsedFormat &parsedFormat(const QString &format)
{
    thread_local ParsedFormat cache;
    thread_local bool valid = false;
    if (!valid || cache.format != format) {
        cache.format = format;
        cache.texts = splitSections(format);
        cache.sections.clear();
        for (const QString &text : cache.texts)
            cache.sections.push_back(parseSection(text));
        valid = true;
    }
    return cache;
}

} // namespace

QString FloatToStr(double value)
{
    return FloatToStr(value, localSeparators().decimal);
}

namespace {

// The digits of a value other than zero, without trailing zeros.
DecimalDigits significantDigits(double value)
{
    DecimalDigits d = decimalDigits(value);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// "1.5E-6": the first digit, the others after the decimal character, "E" and the exponent.
QString exponentForm(const DecimalDigits &d, bool negative, QChar decimal)
{
    QString text = negative ? QStringLiteral("-") : QString();
    text += QChar(d.digits[0]);
    if (d.digits.size() > 1)
        text += decimal + QString::fromLatin1(d.digits.c_str() + 1);
    return text + QStringLiteral("E") + QString::number(d.exponent);
}

// The section with fraction placeholders up to `decimals`, behind its last one (or its decimal
// point, or, adding the point, its last integer placeholder); none when it has no place for digits.
std::optional<Section> withDecimals(const Section &s, int decimals)
{
    const auto last = [&](Token::Kind kind) {
        for (std::size_t i = s.tokens.size(); i-- > 0;)
            if (s.tokens[i].kind == kind)
                return std::optional<std::size_t>(i);
        return std::optional<std::size_t>();
    };
    Section w = s;
    std::optional<std::size_t> at = last(Token::FractionDigit);
    if (!at)
        at = last(Token::DecimalPoint);
    if (!at) {
        at = last(Token::IntegerDigit);
        if (!at)
            return std::nullopt;
        w.tokens.insert(w.tokens.begin() + std::ptrdiff_t(++*at), Token{Token::DecimalPoint, {}});
    }
    std::size_t insertAt = *at + 1;
    for (int index = s.fractionPlaceholders; index < decimals; ++index)
        w.tokens.insert(w.tokens.begin() + std::ptrdiff_t(insertAt++), Token{Token::FractionDigit, {}, index});
    w.fractionPlaceholders = std::max(decimals, s.fractionPlaceholders);
    return w;
}

} // namespace

QString FloatToStr(double value, QChar decimal)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return QStringLiteral("0");
    const DecimalDigits d = significantDigits(value);
    const int count = int(d.digits.size());
    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (d.exponent >= -5 && d.exponent < kSignificantDigits) {
        if (d.exponent >= 0) {
            text += digitRange(d.digits, 0, d.exponent + 1);
            if (count > d.exponent + 1)
                text += decimal + digitRange(d.digits, d.exponent + 1, count - d.exponent - 1);
        } else {
            text += QStringLiteral("0") + decimal + QString(-d.exponent - 1, u'0')
                    + QString::fromLatin1(d.digits.c_str());
        }
        return text;
    }
    return exponentForm(d, value < 0, decimal);
}

char16_t *FloatToChars(double value, char16_t decimal, char16_t *out)
{
    if (!std::isfinite(value))
        return out;
    if (value == 0.0) {
        *out++ = u'0';
        return out;
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                   kSignificantDigits - 1).ptr;
    const char *e = std::find(buffer, end, 'e');
    // to_chars writes the exponent as e, a sign and two or three digits.
    int exponent = 0;
    for (const char *p = e + 2; p < end; ++p)
        exponent = exponent * 10 + (*p - '0');
    if (e[1] == '-')
        exponent = -exponent;
    // Mantissa digits without the point and without trailing zeros.
    char digits[kSignificantDigits + 1];
    int count = 0;
    digits[count++] = buffer[0];
    for (const char *p = buffer + 2; p < e; ++p)
        digits[count++] = *p;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    if (value < 0)
        *out++ = u'-';
    if (exponent >= -5 && exponent < kSignificantDigits) {
        if (exponent >= 0) {
            for (int i = 0; i <= exponent; ++i)
                *out++ = i < count ? char16_t(digits[i]) : u'0';
            if (count > exponent + 1) {
                *out++ = decimal;
                for (int i = exponent + 1; i < count; ++i)
                    *out++ = char16_t(digits[i]);
            }
        } else {
            *out++ = u'0';
            *out++ = decimal;
            for (int i = 0; i < -exponent - 1; ++i)
                *out++ = u'0';
            for (int i = 0; i < count; ++i)
                *out++ = char16_t(digits[i]);
        }
        return out;
    }
    *out++ = char16_t(digits[0]);
    if (count > 1) {
        *out++ = decimal;
        for (int i = 1; i < count; ++i)
            *out++ = char16_t(digits[i]);
    }
    *out++ = u'E';
    char exponentText[8];
    const char *exponentEnd = std::to_chars(exponentText, exponentText + sizeof exponentText, exponent).ptr;
    for (const char *p = exponentText; p < exponentEnd; ++p)
        *out++ = char16_t(*p);
    return out;
}

QString FormatFloat(const QString &format, double value)
{
    if (!std::isfinite(value))
        return {};
    if (format.isEmpty())
        return FloatToStr(value);
    const ParsedFormat &f = parsedFormat(format);
    const bool firstEmpty = f.texts.at(0).isEmpty();
    const Layout first = firstEmpty ? Layout{} : layOut(f.sections.at(0), value);
    const bool zero = firstEmpty ? value == 0.0 : first.zero;
    int chosen = 0;
    bool autoMinus = value < 0;
    if (zero) {
        if (f.texts.size() == 3)
            chosen = 2;
        autoMinus = false;
    } else if (value < 0 && f.texts.size() >= 2) {
        chosen = 1;
        autoMinus = false;
    }
    if (f.texts.at(chosen).isEmpty())
        return FloatToStr(value);
    const Section &section = f.sections.at(std::size_t(chosen));
    if (!section.hasExponent && decimalDigits(value).exponent + 1 > kMaxIntegerDigits)
        return FloatToStr(value);
    const Layout layout = chosen == 0 ? first : layOut(section, value);
    const QString text = render(section, layout, localSeparators());
    return autoMinus && !layout.zero ? QStringLiteral("-") + text : text;
}

QString FormatFloatNeverZero(const QString &format, double value)
{
    if (value == 0.0 || !std::isfinite(value) || format.isEmpty())
        return FormatFloat(format, value);
    const ParsedFormat &f = parsedFormat(format);
    if (f.texts.at(0).isEmpty() || !layOut(f.sections.at(0), value).zero)
        return FormatFloat(format, value);
    // The section the value takes as the non-zero value it is.
    const std::size_t chosen = value < 0 && f.texts.size() >= 2 ? 1 : 0;
    if (f.texts.at(chosen).isEmpty())
        return FloatToStr(value);
    const DecimalDigits d = significantDigits(value);
    const int decimals = int(d.digits.size()) - d.exponent - 1;
    if (decimals > kMaxShownDecimals)
        return exponentForm(d, value < 0, localSeparators().decimal);
    const std::optional<Section> section = withDecimals(f.sections.at(chosen), decimals);
    if (!section)
        return FormatFloat(format, value); // a format without digits shows no number at all
    const QString text = render(*section, layOut(*section, value), localSeparators());
    return chosen == 0 && value < 0 ? QStringLiteral("-") + text : text;
}

} // namespace PlotFormat
