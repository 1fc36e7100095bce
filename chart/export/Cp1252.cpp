// Windows-1252: Latin-1 but for the 32 places 0x80..0x9F.
#include "Cp1252.h"

#include <QList>

namespace {

// Windows-1252 at 0x80..0x9F; 0 where the code page has no character.
constexpr char16_t kCp1252High[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
                                      0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

char cp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] != 0 && kCp1252High[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray toCp1252(const QString &text)
{
    QByteArray bytes;
    const QList<uint> codes = text.toUcs4();
    bytes.reserve(codes.size());
    for (const uint c : codes)
        bytes.append(cp1252(char32_t(c)));
    return bytes;
}

QString fromCp1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const quint8 b = quint8(byte);
        const char16_t high = b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b);
        text.append(QChar(high != 0 || b == 0 ? high : char16_t(0xFFFD)));
    }
    return text;
}
