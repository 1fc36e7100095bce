// Binary chart stream to text and back.
#include "ChartStreamText.h"

#include "ChartStreamReader.h"
#include "ComponentStream.h"
#include "PlotConst.h"
#include "PlotExceptions.h"
#include "StreamLimits.h"

#include <QtEndian>

#include <algorithm>
#include <array>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

using namespace ComponentStream;

[[noreturn]] void wrongFormat()
{
    throw ChartException(PlotConst::WrongFileFormatText());
}

constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

QByteArray doubleText(double value)
{
    if (std::isnan(value))
        return "+nan";
    if (std::isinf(value))
        return value > 0 ? "+inf" : "-inf";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    QByteArray text(buffer, result.ptr - buffer);
    // A double always shows itself as one, so the text reads back as the same tag.
    if (!text.contains('.') && !text.contains('e'))
        text += ".0";
    return text;
}

// 'text' with '' for a quote; characters outside printable ASCII as #N between quoted runs.
QByteArray stringText(const QString &value)
{
    QByteArray out;
    bool open = false;
    for (const char32_t c : value.toUcs4()) {
        if (c >= 32 && c < 127) {
            if (!open)
                out += '\'';
            open = true;
            out += c == U'\'' ? QByteArray("''") : QByteArray(1, char(c));
        } else {
            if (open)
                out += '\'';
            open = false;
            out += '#' + QByteArray::number(quint32(c));
        }
    }
    if (open)
        out += '\'';
    return out.isEmpty() ? QByteArray("''") : out;
}

class TextWriter
{
public:
    explicit TextWriter(const QByteArray &stream)
        : m_in(stream)
    {
    }

    QByteArray convert()
    {
        if (m_in.remaining() < 4 || QByteArray(m_in.take(4), 4) != "TPF0")
            wrongFormat();
        writeObject(0);
        if (m_in.remaining() != 0)
            wrongFormat();
        return m_out;
    }

private:
    void line(int level, const QByteArray &text) { m_out += QByteArray(2 * level, ' ') + text + "\r\n"; }

    // Upper-case hex digits, 32 bytes to a line, written in place: a data block holds every point.
    void hexLines(int level, const quint8 *bytes, qsizetype n)
    {
        static constexpr char digits[] = "0123456789ABCDEF";
        const qsizetype lines = (n + 31) / 32;
        qsizetype at = m_out.size();
        m_out.resize(at + lines * (2 * level + 2) + 2 * n);
        for (qsizetype i = 0; i < n; i += 32) {
            char *out = std::fill_n(m_out.data() + at, 2 * level, ' ');
            for (const quint8 *b = bytes + i, *end = bytes + std::min(n, i + 32); b != end; ++b) {
                *out++ = digits[*b >> 4];
                *out++ = digits[*b & 15];
            }
            *out++ = '\r';
            *out++ = '\n';
            at = out - m_out.data();
        }
    }

    void writeObject(int level)
    {
        if (level >= kMaxChartStreamDepth)
            wrongFormat();
        const QByteArray className = m_in.readShortString();
        const QByteArray name = m_in.readShortString();
        if (!isStreamIdentifier(className) || (!name.isEmpty() && !isStreamIdentifier(name)))
            wrongFormat();
        line(level, name.isEmpty() ? "object " + className : "object " + name + ": " + className);
        writeProperties(level + 1);
        while (!m_in.readListEnd())
            writeObject(level + 1);
        line(level, "end");
    }

    void writeProperties(int level)
    {
        while (!m_in.readListEnd()) {
            const QByteArray name = m_in.readShortString();
            if (!isStreamIdentifier(name))
                wrongFormat();
            writeValue(level, name + " = ");
        }
    }

    qint64 readFixed(int size)
    {
        const char *p = m_in.take(size);
        switch (size) {
        case 1: return qint8(*p);
        case 2: return qFromLittleEndian<qint16>(p);
        case 4: return qFromLittleEndian<qint32>(p);
        default: return qFromLittleEndian<qint64>(p);
        }
    }

    // One value after "prefix" on the current line; binaries and collections take further lines.
    void writeValue(int level, const QByteArray &prefix)
    {
        const quint8 tag = m_in.readByte();
        switch (tag) {
        case vaInt8: line(level, prefix + QByteArray::number(readFixed(1))); return;
        case vaInt16: line(level, prefix + QByteArray::number(readFixed(2))); return;
        case vaInt32: line(level, prefix + QByteArray::number(readFixed(4))); return;
        case vaInt64: line(level, prefix + QByteArray::number(readFixed(8))); return;
        case vaDouble: {
            const qint64 bits = readFixed(8);
            double d = 0;
            std::memcpy(&d, &bits, sizeof d);
            line(level, prefix + doubleText(d));
            return;
        }
        case vaFalse: line(level, prefix + "False"); return;
        case vaTrue: line(level, prefix + "True"); return;
        case vaNil: line(level, prefix + "nil"); return;
        case vaIdent: {
            const QByteArray ident = m_in.readShortString();
            if (!isStreamIdentifier(ident) || ident == "True" || ident == "False" || ident == "nil")
                wrongFormat();
            line(level, prefix + ident);
            return;
        }
        case vaUTF8String: line(level, prefix + stringText(readUtf8())); return;
        case vaSet: {
            QByteArrayList keys;
            for (QByteArray key = m_in.readShortString(); !key.isEmpty(); key = m_in.readShortString()) {
                if (!isStreamIdentifier(key))
                    wrongFormat();
                keys << key;
            }
            line(level, prefix + '[' + keys.join(", ") + ']');
            return;
        }
        case vaList: {
            QByteArrayList items;
            while (!m_in.readListEnd()) {
                const quint8 item = m_in.readByte();
                if (item == vaUTF8String)
                    items << stringText(readUtf8());
                else if (item >= vaInt8 && item <= vaInt32)
                    items << QByteArray::number(readFixed(item == vaInt8 ? 1 : item == vaInt16 ? 2 : 4));
                else if (item == vaInt64)
                    items << QByteArray::number(readFixed(8));
                else
                    wrongFormat();
            }
            line(level, prefix + '(' + items.join(' ') + ')');
            return;
        }
        case vaBinary: {
            const qint32 n = qint32(readFixed(4));
            const char *bytes = m_in.take(n);
            line(level, prefix + '{');
            hexLines(level + 1, reinterpret_cast<const quint8 *>(bytes), n);
            line(level + 1, "}");
            return;
        }
        case vaCollection: {
            line(level, prefix + '<');
            while (!m_in.readListEnd()) {
                m_in.readListBegin();
                line(level + 1, "item");
                writeProperties(level + 2);
                line(level + 1, "end");
            }
            line(level + 1, ">");
            return;
        }
        default: wrongFormat();
        }
    }

    QString readUtf8()
    {
        const qint32 n = qint32(readFixed(4));
        const char *p = m_in.take(n);
        return QString::fromUtf8(p, n);
    }

    Reader m_in;
    QByteArray m_out;
};

// The text form's tokens: words, numbers, strings (with #N pieces), punctuation, line ends.
class TextParser
{
public:
    explicit TextParser(const QByteArray &text)
        : m_text(text)
        , m_writer(m_out)
    {
    }

    QByteArray convert()
    {
        m_out.append("TPF0", 4);
        if (m_text.startsWith(kUtf8ByteOrderMark))
            m_pos = 3; // editors that save UTF-8 put one in front
        skipBlank();
        parseObject(0);
        skipBlank();
        if (m_pos != m_text.size())
            wrongFormat();
        return m_out;
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }

    // Spaces, tabs and line ends.
    void skipBlank()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\r' || peek() == '\n'))
            ++m_pos;
    }
    void skipSpaces()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t'))
            ++m_pos;
    }
    void expect(char c)
    {
        skipSpaces();
        if (peek() != c)
            wrongFormat();
        ++m_pos;
    }

    // The digits up to "}", blanks between them allowed, as bytes; the position after the "}".
    QByteArray parseHexBlock()
    {
        const char *p = m_text.constData() + m_pos;
        const char *const end = m_text.constData() + m_text.size();
        const auto *close = static_cast<const char *>(std::memchr(p, '}', std::size_t(end - p)));
        if (!close || (close - p) / 2 > std::numeric_limits<qint32>::max())
            wrongFormat();
        const std::array<qint8, 256> &digits = hexDigits();
        QByteArray bytes((close - p) / 2, Qt::Uninitialized);
        char *out = bytes.data();
        while (p != close) {
            const qint8 high = digits[quint8(*p)];
            if (high == kBlank) {
                ++p;
                continue;
            }
            if (high < 0)
                wrongFormat();
            // The two digits of a byte usually stand together; blanks between them are allowed.
            const char *second = p + 1;
            while (second != close && digits[quint8(*second)] == kBlank)
                ++second;
            const qint8 low = second != close ? digits[quint8(*second)] : kNotHex;
            if (low < 0)
                wrongFormat();
            *out++ = char(high << 4 | low);
            p = second + 1;
        }
        bytes.truncate(out - bytes.constData());
        m_pos = close - m_text.constData() + 1;
        return bytes;
    }
    static constexpr qint8 kNotHex = -1;
    static constexpr qint8 kBlank = -2;
    static const std::array<qint8, 256> &hexDigits()
    {
        static const std::array<qint8, 256> table = [] {
            std::array<qint8, 256> t;
            t.fill(kNotHex);
            for (int c = 0; c < 10; ++c)
                t[std::size_t('0' + c)] = qint8(c);
            for (int c = 0; c < 6; ++c)
                t[std::size_t('A' + c)] = t[std::size_t('a' + c)] = qint8(10 + c);
            for (const char c : {' ', '\t', '\r', '\n'})
                t[std::size_t(quint8(c))] = kBlank;
            return t;
        }();
        return table;
    }

    QByteArray word()
    {
        skipSpaces();
        const qsizetype start = m_pos;
        while (!atEnd() && (std::isalnum(quint8(peek())) || peek() == '_' || peek() == '.'))
            ++m_pos;
        const QByteArray w = m_text.mid(start, m_pos - start);
        if (!isStreamIdentifier(w))
            wrongFormat();
        return w;
    }

    // Keywords in any case, as hand-edited files have them ("OBJECT", "End").
    bool nextWordIs(const char *w) const
    {
        const qsizetype n = qsizetype(std::strlen(w));
        if (m_text.size() - m_pos < n || qstrnicmp(m_text.constData() + m_pos, w, n) != 0)
            return false;
        const char after = m_pos + n < m_text.size() ? m_text[m_pos + n] : ' ';
        return !(std::isalnum(quint8(after)) || after == '_' || after == '.' || after == ':');
    }

    void parseObject(int level)
    {
        if (level >= kMaxChartStreamDepth)
            wrongFormat();
        skipBlank();
        if (!nextWordIs("object"))
            wrongFormat();
        m_pos += 6;
        QByteArray first = word();
        QByteArray name;
        QByteArray className = first;
        skipSpaces();
        if (peek() == ':') {
            ++m_pos;
            name = first;
            className = word();
        }
        if (className.size() > 255 || name.size() > 255)
            wrongFormat();
        m_writer.writeShortString(className);
        m_writer.writeShortString(name);
        bool children = false;
        for (;;) {
            skipBlank();
            if (atEnd())
                wrongFormat();
            if (nextWordIs("end")) {
                m_pos += 3;
                break;
            }
            if (nextWordIs("object")) {
                if (!children)
                    m_writer.writeListEnd();
                children = true;
                parseObject(level + 1);
                continue;
            }
            if (children)
                wrongFormat(); // properties come before the child objects
            parseProperty(level);
        }
        if (!children)
            m_writer.writeListEnd();
        m_writer.writeListEnd();
    }

    void parseProperty(int level)
    {
        const QByteArray name = word();
        if (name.size() > 255)
            wrongFormat();
        expect('=');
        m_writer.writeShortString(name);
        parseValue(level);
    }

    void parseValue(int level)
    {
        skipSpaces();
        const char c = peek();
        if (c == '\'' || c == '#') {
            m_writer.writeUtf8(parseString());
        } else if (c == '-' || c == '+' || std::isdigit(quint8(c))) {
            parseNumber(false);
        } else if (c == '[') {
            ++m_pos;
            m_writer.writeTag(vaSet);
            skipSpaces();
            if (peek() != ']') {
                for (;;) {
                    m_writer.writeShortString(shortWord());
                    skipSpaces();
                    if (peek() == ']')
                        break;
                    expect(',');
                }
            }
            ++m_pos;
            m_writer.writeShortString({});
        } else if (c == '(') {
            ++m_pos;
            m_writer.writeListBegin();
            for (;;) {
                skipBlank();
                if (peek() == ')')
                    break;
                if (peek() == '\'' || peek() == '#')
                    m_writer.writeUtf8(parseString());
                else
                    parseNumber(true);
            }
            ++m_pos;
            m_writer.writeListEnd();
        } else if (c == '{') {
            ++m_pos;
            m_writer.writeBinary(parseHexBlock());
        } else if (c == '<') {
            ++m_pos;
            m_writer.writeTag(vaCollection);
            for (;;) {
                skipBlank();
                if (peek() == '>')
                    break;
                if (!nextWordIs("item"))
                    wrongFormat();
                m_pos += 4;
                m_writer.writeListBegin();
                for (;;) {
                    skipBlank();
                    if (nextWordIs("end")) {
                        m_pos += 3;
                        break;
                    }
                    if (atEnd())
                        wrongFormat();
                    parseItemProperty(level);
                }
                m_writer.writeListEnd();
            }
            ++m_pos;
            m_writer.writeListEnd();
        } else {
            const QByteArray w = shortWord();
            if (isKeyword(w, "True"))
                m_writer.writeTag(vaTrue);
            else if (isKeyword(w, "False"))
                m_writer.writeTag(vaFalse);
            else if (isKeyword(w, "nil"))
                m_writer.writeTag(vaNil);
            else {
                m_writer.writeTag(vaIdent);
                m_writer.writeShortString(w);
            }
        }
    }

    // A collection item's property: its value may not be a further collection.
    void parseItemProperty(int level)
    {
        const QByteArray name = word();
        if (name.size() > 255)
            wrongFormat();
        expect('=');
        skipSpaces();
        if (peek() == '<')
            wrongFormat();
        m_writer.writeShortString(name);
        parseValue(level);
    }

    static bool isKeyword(const QByteArray &word, const char *keyword)
    {
        return qstricmp(word.constData(), keyword) == 0;
    }

    QByteArray shortWord()
    {
        const QByteArray w = word();
        if (w.size() > 255)
            wrongFormat();
        return w;
    }

    void parseNumber(bool integerOnly)
    {
        skipSpaces();
        const qsizetype start = m_pos;
        while (!atEnd() && (std::isalnum(quint8(peek())) || peek() == '-' || peek() == '+' || peek() == '.'))
            ++m_pos;
        const QByteArray text = m_text.mid(start, m_pos - start);
        const bool nan = isKeyword(text, "+nan");
        const bool infinity = isKeyword(text, "+inf");
        if (nan || infinity || isKeyword(text, "-inf")) {
            if (integerOnly)
                wrongFormat();
            m_writer.writeDouble(nan        ? std::numeric_limits<double>::quiet_NaN()
                                 : infinity ? std::numeric_limits<double>::infinity()
                                            : -std::numeric_limits<double>::infinity());
            return;
        }
        const bool isDouble = text.contains('.') || text.contains('e') || text.contains('E');
        if (isDouble) {
            double d = 0;
            const auto r = std::from_chars(text.constData(), text.constData() + text.size(), d);
            if (integerOnly || r.ec != std::errc() || r.ptr != text.constData() + text.size())
                wrongFormat();
            m_writer.writeDouble(d);
            return;
        }
        qint64 v = 0;
        const char *begin = text.constData() + (text.startsWith('+') ? 1 : 0);
        const auto r = std::from_chars(begin, text.constData() + text.size(), v);
        if (r.ec != std::errc() || r.ptr != text.constData() + text.size())
            wrongFormat();
        m_writer.writeInteger(v);
    }

    QString parseString()
    {
        QString value;
        // The reader refuses a longer text anyway; a huge one is not built up first.
        const auto add = [&value](const auto &piece) {
            value += piece;
            if (value.size() > StreamLimits::kMaxTextBytes)
                wrongFormat();
        };
        for (;;) {
            const char c = peek();
            if (c == '\'') {
                ++m_pos;
                for (;;) {
                    if (atEnd() || peek() == '\r' || peek() == '\n')
                        wrongFormat(); // an open string
                    const char s = m_text[m_pos++];
                    if (s == '\'') {
                        if (peek() != '\'')
                            break;
                        ++m_pos;
                    }
                    if (quint8(s) >= 127 || quint8(s) < 32)
                        wrongFormat();
                    add(QChar(s));
                }
            } else if (c == '#') {
                ++m_pos;
                const qsizetype start = m_pos;
                while (!atEnd() && std::isdigit(quint8(peek())) && m_pos - start < 8)
                    ++m_pos;
                bool ok = false;
                const uint code = m_text.mid(start, m_pos - start).toUInt(&ok);
                if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                    wrongFormat();
                const char32_t cp = char32_t(code);
                add(QString::fromUcs4(&cp, 1));
            } else {
                break;
            }
        }
        return value;
    }

    const QByteArray &m_text;
    qsizetype m_pos = 0;
    QByteArray m_out;
    Writer m_writer;
};

} // namespace

QByteArray chartStreamToText(const QByteArray &stream)
{
    return TextWriter(stream).convert();
}

QByteArray chartTextToStream(const QByteArray &text)
{
    return TextParser(text).convert();
}

bool isStreamIdentifier(const QByteArray &text)
{
    if (text.isEmpty() || !(std::isalpha(quint8(text[0])) || text[0] == '_'))
        return false;
    for (const char c : text)
        if (!(std::isalnum(quint8(c)) || c == '_' || c == '.'))
            return false;
    return true;
}
