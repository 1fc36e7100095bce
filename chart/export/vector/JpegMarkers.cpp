// JPEG marker reader: SOI, then segments by their lengths, each checked against the end.
#include "JpegMarkers.h"

#include <cstdint>

namespace {

int byteAt(QByteArrayView b, qsizetype i)
{
    return std::uint8_t(b[i]);
}

int u16(QByteArrayView b, qsizetype i)
{
    return (byteAt(b, i) << 8) | byteAt(b, i + 1);
}

bool isFrameMarker(int marker)
{
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

bool JpegFrame::embeddable() const
{
    return marker >= 0xC0 && marker <= 0xC2 && precision == 8 && (components == 1 || components == 3 || components == 4) &&
           width > 0 && height > 0;
}

std::optional<JpegFrame> readJpegFrame(QByteArrayView bytes)
{
    if (bytes.size() < 4 || byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != 0xD8)
        return std::nullopt;
    JpegFrame frame;
    qsizetype at = 2;
    while (at < bytes.size()) {
        if (byteAt(bytes, at) != 0xFF)
            return std::nullopt; // no marker where one must stand
        while (at < bytes.size() && byteAt(bytes, at) == 0xFF)
            ++at; // fill bytes
        if (at >= bytes.size())
            return std::nullopt;
        const int marker = byteAt(bytes, at++);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // no length
        if (marker == 0xD9 || marker == 0xDA || marker == 0xD8)
            return std::nullopt; // image end or scan data before any frame
        if (at + 2 > bytes.size())
            return std::nullopt;
        const int length = u16(bytes, at);
        if (length < 2 || at + length > bytes.size())
            return std::nullopt;
        const QByteArrayView segment = bytes.sliced(at + 2, length - 2);
        if (marker == 0xEE && segment.size() >= 12 && segment.first(5) == QByteArrayView("Adobe")) {
            frame.adobe = true;
            frame.adobeTransform = byteAt(segment, 11);
        }
        if (isFrameMarker(marker)) {
            if (segment.size() < 6)
                return std::nullopt;
            frame.marker = marker;
            frame.precision = byteAt(segment, 0);
            frame.height = u16(segment, 1);
            frame.width = u16(segment, 3);
            frame.components = byteAt(segment, 5);
            return frame;
        }
        at += length;
    }
    return std::nullopt;
}

std::optional<JpegFrame> embeddableJpegFrame(QByteArrayView bytes)
{
    std::optional<JpegFrame> frame = readJpegFrame(bytes);
    if (!frame || !frame->embeddable() || !bytes.endsWith(QByteArrayView("\xFF\xD9")))
        return std::nullopt;
    return frame;
}
