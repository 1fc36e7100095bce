// The metafile checks and the calls into libemf2svg and libwmf.
#include "MetafileSvg.h"

#include "Cp1252.h"

#include <emf2svg.h>
extern "C" {
#include <libwmf/api.h>
#include <libwmf/svg.h>
}

#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace MetafileSvg {

namespace {

constexpr quint32 kEmrHeader = 1;
constexpr quint32 kEmrEof = 14;
constexpr qsizetype kEmfHeaderMinimum = 88; // up to szlMillimeters
constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kPlaceableSize = 22;
constexpr qsizetype kWmfHeaderSize = 18;

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

qint32 s32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

bool isEmf(const QByteArray &bytes)
{
    return bytes.size() >= kEmfHeaderMinimum && u32(bytes, 0) == kEmrHeader && bytes.mid(40, 4) == " EMF";
}

// Where the WMF's own header starts: after the placeable header, when there is one.
qsizetype wmfHeaderAt(const QByteArray &bytes)
{
    return bytes.size() >= kPlaceableSize && u32(bytes, 0) == kPlaceableKey ? kPlaceableSize : 0;
}

bool isWmf(const QByteArray &bytes)
{
    const qsizetype at = wmfHeaderAt(bytes);
    if (bytes.size() < at + kWmfHeaderSize)
        return false;
    const quint16 type = u16(bytes, at);
    return (type == 1 || type == 2) && u16(bytes, at + 2) == kWmfHeaderSize / 2;
}

// A device-independent bitmap inside a record, its header at bmi (bmiSize bytes) and its pixels at
// bits (bitsSize bytes), both within the record's size bytes: the libraries allocate by the
// header's width and height, so its rows must be in the record; a compressed one (run lengths,
// JPEG, PNG) may have at most kMaxCompressedDibPixels.
constexpr qint64 kMaxCompressedDibPixels = qint64(1) << 22;

bool dibFits(const QByteArray &bytes, qsizetype record, quint32 size, quint32 bmi, quint32 bmiSize, quint32 bits,
             quint32 bitsSize)
{
    if (bmi > size || bmiSize > size - bmi || bits > size || bitsSize > size - bits || bmiSize < 12)
        return false;
    const qsizetype at = record + bmi;
    const quint32 headerSize = u32(bytes, at);
    qint64 width = 0;
    qint64 height = 0;
    quint32 bitCount = 0;
    quint32 compression = 0;
    if (headerSize == 12) { // the old core header
        width = u16(bytes, at + 4);
        height = u16(bytes, at + 6);
        bitCount = u16(bytes, at + 10);
    } else {
        if (headerSize < 40 || bmiSize < 40)
            return false;
        width = s32(bytes, at + 4);
        height = std::abs(qint64(s32(bytes, at + 8)));
        bitCount = u16(bytes, at + 14);
        compression = u32(bytes, at + 16);
    }
    if (width < 1 || height < 1 || u16(bytes, at + (headerSize == 12 ? 8 : 12)) != 1)
        return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;
    if (compression != 0 && compression != 3) // BI_RGB and BI_BITFIELDS have rows of a fixed size
        return width * height <= kMaxCompressedDibPixels;
    const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
    return rowBytes * height <= qint64(bitsSize);
}

// Where the records that carry bitmaps keep offBmi, cbBmi, offBits and cbBits (and those of a mask).
struct EmfBitmapFields
{
    quint32 type;
    quint32 at;
    quint32 maskAt;
};
constexpr EmfBitmapFields kEmfBitmaps[] = {
    {76, 84, 0},   // EMR_BITBLT
    {77, 84, 0},   // EMR_STRETCHBLT
    {78, 84, 112}, // EMR_MASKBLT
    {79, 96, 124}, // EMR_PLGBLT
    {80, 48, 0},   // EMR_SETDIBITSTODEVICE
    {81, 48, 0},   // EMR_STRETCHDIBITS
    {93, 16, 0},   // EMR_CREATEMONOBRUSH
    {94, 16, 0},   // EMR_CREATEDIBPATTERNBRUSHPT
    {114, 84, 0},  // EMR_ALPHABLEND
    {116, 84, 0},  // EMR_TRANSPARENTBLT
};

bool emfBitmapsFit(const QByteArray &bytes, qsizetype record, quint32 type, quint32 size)
{
    for (const EmfBitmapFields &fields : kEmfBitmaps) {
        if (fields.type != type)
            continue;
        for (const quint32 at : {fields.at, fields.maskAt}) {
            if (at == 0)
                continue;
            if (size < at + 16)
                return false;
            const quint32 bmiSize = u32(bytes, record + at + 4);
            if (bmiSize == 0)
                continue; // no bitmap: a pattern or a plain fill
            if (!dibFits(bytes, record, size, u32(bytes, record + at), bmiSize, u32(bytes, record + at + 8),
                         u32(bytes, record + at + 12)))
                return false;
        }
    }
    return true;
}

// The length of the EMF up to and with its end record; 0 when the chain of records breaks first
// or a bitmap does not fit its record.
qsizetype emfLength(const QByteArray &bytes)
{
    const quint32 headerSize = u32(bytes, 4);
    const quint32 declared = u32(bytes, 48);
    if (headerSize < kEmfHeaderMinimum || headerSize % 4 != 0 || declared > quint32(bytes.size()))
        return 0;
    qsizetype at = 0;
    while (at + 8 <= qsizetype(declared)) {
        const quint32 type = u32(bytes, at);
        const quint32 size = u32(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || size > quint32(declared - at) || !emfBitmapsFit(bytes, at, type, size))
            return 0;
        if (type == kEmrEof)
            return at + size;
        at += size;
    }
    return 0;
}

// The WMF records that carry a bitmap: where in the record its header starts, and the record's
// size in words when it carries none.
struct WmfBitmapRecord
{
    quint16 function;
    quint32 bmi;
    quint32 wordsWithout;
};
constexpr WmfBitmapRecord kWmfBitmaps[] = {
    {0x0940, 22, 0x09 + 3}, // META_DIBBITBLT
    {0x0B41, 26, 0x0B + 3}, // META_DIBSTRETCHBLT
    {0x0F43, 28, 0},        // META_STRETCHDIB
    {0x0D33, 24, 0},        // META_SETDIBTODEV
    {0x0142, 10, 0},        // META_DIBCREATEPATTERNBRUSH
};

bool wmfBitmapFits(const QByteArray &bytes, qsizetype record, quint32 words)
{
    const quint16 function = u16(bytes, record + 4);
    // The old device-dependent bitmaps: libwmf reads them as it likes; such files are refused.
    if (function == 0x0922 || function == 0x0B23 || function == 0x01F9 || function == 0x06FE || function == 0x02FD)
        return false;
    for (const WmfBitmapRecord &kind : kWmfBitmaps) {
        if (kind.function != function || words == kind.wordsWithout)
            continue;
        const quint32 size = 2 * words;
        if (size < kind.bmi + 40)
            return false;
        const qsizetype at = record + kind.bmi;
        const quint32 headerSize = u32(bytes, at);
        const quint32 bitCount = u16(bytes, at + 14);
        quint32 colours = headerSize >= 40 ? u32(bytes, at + 32) : 0;
        if (colours == 0 && bitCount <= 8)
            colours = quint32(1) << bitCount;
        const quint32 masks = headerSize == 40 && u32(bytes, at + 16) == 3 ? 12 : 0; // after the plain header
        const qint64 bits = qint64(kind.bmi) + headerSize + masks + 4 * qint64(std::min<quint32>(colours, 256));
        if (headerSize < 40 || bits > size || !dibFits(bytes, record, size, kind.bmi, headerSize, quint32(bits), size - quint32(bits)))
            return false;
    }
    return true;
}

// The WMF up to and with its end record, its records each a size in 16-bit words and a function,
// with the header's file size and largest record set to what the records give: libwmf allocates
// by the header's words, which a file may give as anything. None when the chain breaks first or a
// bitmap does not fit its record.
std::optional<QByteArray> wholeWmf(const QByteArray &bytes)
{
    const qsizetype header = wmfHeaderAt(bytes);
    qsizetype at = header + kWmfHeaderSize;
    quint32 largest = 3;
    while (at + 6 <= bytes.size()) {
        const quint32 words = u32(bytes, at);
        if (words < 3 || words > quint32((bytes.size() - at) / 2))
            return std::nullopt;
        if (!wmfBitmapFits(bytes, at, words))
            return std::nullopt;
        largest = std::max(largest, words);
        const bool end = words == 3 && u16(bytes, at + 4) == 0;
        at += 2 * qsizetype(words);
        if (end) {
            QByteArray whole = bytes.left(at);
            qToLittleEndian<quint32>(quint32((at - header) / 2), whole.data() + header + 6);
            qToLittleEndian<quint32>(largest, whole.data() + header + 12);
            return whole;
        }
    }
    return std::nullopt;
}

// One libwmf player with the SVG device over the file's bytes, freed with it. The bytes must
// outlive it: libwmf reads them in place.
class WmfPlayer
{
public:
    explicit WmfPlayer(QByteArray &bytes)
    {
        wmfAPI_Options options{};
        options.function = wmf_svg_function;
        const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&m_api, flags, &options) != wmf_E_None) {
            m_api = nullptr;
            return;
        }
        m_ok = wmf_mem_open(m_api, reinterpret_cast<unsigned char *>(bytes.data()), long(bytes.size())) == wmf_E_None
               && wmf_scan(m_api, 0, &m_bbox) == wmf_E_None;
    }
    ~WmfPlayer()
    {
        if (m_api)
            wmf_api_destroy(m_api);
    }
    WmfPlayer(const WmfPlayer &) = delete;
    WmfPlayer &operator=(const WmfPlayer &) = delete;

    QSize displaySize()
    {
        unsigned int width = 0;
        unsigned int height = 0;
        if (!m_ok || wmf_display_size(m_api, &width, &height, 96.0, 96.0) != wmf_E_None)
            return {};
        // The header's units may give any size: one beyond an int is as invalid as none.
        if (width < 1 || height < 1 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
            return {};
        return {int(width), int(height)};
    }

    std::optional<QByteArray> play(QSize size)
    {
        if (!m_ok)
            return std::nullopt;
        wmf_svg_t *device = WMF_SVG_GetData(m_api);
        device->out = wmf_stream_create(m_api, nullptr);
        device->Description = const_cast<char *>("");
        device->bbox = m_bbox;
        device->width = unsigned(size.width());
        device->height = unsigned(size.height());
        const bool played = wmf_play(m_api, 0, &m_bbox) == wmf_E_None;
        char *text = nullptr;
        unsigned long length = 0;
        wmf_stream_destroy(m_api, device->out, &text, &length);
        // The stream's memory belongs to the player; copied before it goes.
        const QByteArray svg(text, qsizetype(length));
        if (!played || svg.isEmpty())
            return std::nullopt;
        return svg;
    }

private:
    wmfAPI *m_api = nullptr;
    wmfD_Rect m_bbox{};
    bool m_ok = false;
};

// libwmf writes a text's bytes as the file holds them, Windows-1252, into a document that
// declares no encoding, so UTF-8; the document is ASCII elsewhere.
QByteArray utf8FromCp1252(const QByteArray &svg)
{
    return fromCp1252(svg).toUtf8();
}

// libemf2svg maps a text of glyph indices to characters through the font file that fontconfig
// finds, and then shuts fontconfig down (FcFini) under Qt, which still uses it: such texts become
// records that draw nothing. The chain of records is whole here.
void dropGlyphIndexTexts(QByteArray &emf)
{
    constexpr quint32 kEmrExtTextOutA = 83;
    constexpr quint32 kEmrExtTextOutW = 84;
    constexpr quint32 kEmrSetMetaRgn = 33; // takes no parameters and draws nothing
    constexpr quint32 kEtoGlyphIndex = 0x10;
    constexpr qsizetype kOptionsAt = 52;
    for (qsizetype at = 0; at + 8 <= emf.size(); at += u32(emf, at + 4)) {
        const quint32 type = u32(emf, at);
        if ((type == kEmrExtTextOutA || type == kEmrExtTextOutW) && u32(emf, at + 4) >= kOptionsAt + 4
            && (u32(emf, at + kOptionsAt) & kEtoGlyphIndex) != 0)
            qToLittleEndian<quint32>(kEmrSetMetaRgn, emf.data() + at);
    }
}

std::optional<QByteArray> emfToSvg(const QByteArray &bytes, QSize size)
{
    const qsizetype length = emfLength(bytes);
    if (length == 0)
        return std::nullopt;
    QByteArray contents = bytes.left(length);
    dropGlyphIndexTexts(contents);
    generatorOptions options{};
    options.nameSpace = const_cast<char *>("");
    options.svgDelimiter = true;
    options.emfplus = false; // EMF+ records of a dual file are drawn by its plain records
    options.imgWidth = size.width();
    options.imgHeight = size.height();
    char *out = nullptr;
    size_t outLength = 0;
    const int converted = emf2svg(contents.data(), size_t(contents.size()), &out, &outLength, &options);
    const std::unique_ptr<char, decltype(&std::free)> owned(out, &std::free);
    if (converted != 1 || !out || outLength == 0)
        return std::nullopt;
    return QByteArray(out, qsizetype(outLength));
}

} // namespace

Kind kindOf(const QByteArray &bytes)
{
    if (isEmf(bytes))
        return Kind::Emf;
    if (isWmf(bytes))
        return Kind::Wmf;
    return Kind::None;
}

QSize declaredSize(const QByteArray &bytes)
{
    switch (kindOf(bytes)) {
    case Kind::Emf: {
        if (emfLength(bytes) == 0)
            return {};
        // The bounds in device pixels, as libemf2svg sizes its document.
        const qint64 width = qint64(s32(bytes, 16)) - s32(bytes, 8);
        const qint64 height = qint64(s32(bytes, 20)) - s32(bytes, 12);
        if (width < 1 || height < 1 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
            return {};
        return {int(width), int(height)};
    }
    case Kind::Wmf: {
        std::optional<QByteArray> whole = wholeWmf(bytes);
        // A placeable header without units per inch would divide by zero.
        if (!whole || (wmfHeaderAt(bytes) > 0 && u16(bytes, 14) == 0))
            return {};
        return WmfPlayer(*whole).displaySize();
    }
    case Kind::None: break;
    }
    return {};
}

std::optional<QByteArray> toSvg(const QByteArray &bytes, QSize size)
{
    if (!size.isValid() || size.isEmpty())
        return std::nullopt;
    switch (kindOf(bytes)) {
    case Kind::Emf: return emfToSvg(bytes, size);
    case Kind::Wmf: {
        std::optional<QByteArray> whole = wholeWmf(bytes);
        if (!whole || (wmfHeaderAt(bytes) > 0 && u16(bytes, 14) == 0))
            return std::nullopt;
        WmfPlayer player(*whole);
        const std::optional<QByteArray> svg = player.play(size);
        if (!svg)
            return std::nullopt;
        return utf8FromCp1252(*svg);
    }
    case Kind::None: break;
    }
    return std::nullopt;
}

} // namespace MetafileSvg
