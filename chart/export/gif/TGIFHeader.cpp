// GIF header and trailer.
#include "TGIFHeader.h"

#include "GIFException.h"
#include "GIFInput.h"
#include "GIFOutput.h"
#include "GIFText.h"
#include "TGIFExtension.h"
#include "TGIFImage.h"
#include "TGIFSubImage.h"

#include <algorithm>
#include <cstring>

TGIFHeader::TGIFHeader(TGIFImage *image)
    : TGIFItem(image)
    , m_colorMap(image)
{
}

TGIFVersion TGIFHeader::GetVersion() const
{
    return m_colorMap.Optimized() || m_aspectRatio != 0 ? gv89a : gv87a;
}

void TGIFHeader::Clear()
{
    m_colorMap.Clear();
    m_width = 0;
    m_height = 0;
    m_backgroundColorIndex = 0;
    m_aspectRatio = 0;
    m_flags = PrepareFlags();
}

void TGIFHeader::Assign(const TGIFHeader &source)
{
    m_width = source.m_width;
    m_height = source.m_height;
    m_flags = source.m_flags;
    m_backgroundColorIndex = source.m_backgroundColorIndex;
    m_aspectRatio = source.m_aspectRatio;
    m_colorMap.Assign(source.m_colorMap);
}

void TGIFHeader::LoadFromStream(GIFInput &stream)
{
    const std::int64_t start = stream.Position();
    std::uint8_t signature[6];
    stream.ReadCheck(signature, 6);
    if (std::memcmp(signature, "GIF", 3) != 0) {
        // Some files carry four bytes before the signature.
        stream.Seek(start + 4);
        stream.ReadCheck(signature, 6);
        if (std::memcmp(signature, "GIF", 3) != 0)
            throw GIFException(GIFText::InvalidSignature);
    }
    std::uint8_t screen[7];
    stream.ReadCheck(screen, 7);
    m_width = screen[0] | (screen[1] << 8);
    m_height = screen[2] | (screen[3] << 8);
    m_flags = screen[4];
    m_backgroundColorIndex = screen[5];
    m_aspectRatio = screen[6];
    if (m_flags & 0x80) {
        m_colorMap.LoadFromStream(stream, 2 << (m_flags & 7));
        m_colorMap.SetOptimized(m_flags & 0x08);
    } else {
        m_colorMap.Clear();
    }
}

std::uint8_t TGIFHeader::PrepareFlags() const
{
    std::uint8_t flags = 0;
    int resolution = m_colorMap.BitsPerPixel() - 1;
    int largest = m_colorMap.BitsPerPixel();
    if (m_image) {
        for (int i = 0; i < m_image->Count(); ++i) {
            const int bits = m_image->Images(i).ColorMap().BitsPerPixel();
            resolution = std::max(resolution, bits - 1);
            largest = std::max(largest, bits);
        }
    }
    if (m_colorMap.Count() > 0) {
        flags |= 0x80;
        if (m_colorMap.Optimized())
            flags |= 0x08;
    }
    flags |= std::uint8_t((std::clamp(resolution, 0, 7)) << 4);
    // Without any map the size bits would be -1.
    const int sizeBits = m_colorMap.Count() > 0 ? m_colorMap.BitsPerPixel() - 1 : largest - 1;
    flags |= std::uint8_t(std::clamp(sizeBits, 0, 7));
    return flags;
}

void TGIFHeader::SaveToStream(GIFOutput &stream) const
{
    const TGIFVersion version = m_image ? m_image->Version() : GetVersion();
    if (version == gvUnknown)
        throw GIFException(GIFText::UnsupportedVersion);
    if (m_width > 0xFFFF || m_height > 0xFFFF)
        throw GIFException(GIFText::ExceedsScreen);
    stream.Write("GIF", 3);
    stream.Write(version == gv89a ? "89a" : "87a", 3);
    stream.WriteWord(int(m_width));
    stream.WriteWord(int(m_height));
    const std::uint8_t flags = PrepareFlags();
    stream.WriteByte(flags);
    stream.WriteByte(m_backgroundColorIndex);
    stream.WriteByte(m_aspectRatio);
    if (flags & 0x80)
        m_colorMap.SaveToStream(stream);
}

void TGIFTrailer::LoadFromStream(GIFInput &stream)
{
    const int value = stream.ReadByte();
    if (value < 0)
        Warning(gsWarning, GIFText::PrematureEnd);
    else if (value != bsTrailer)
        Warning(gsWarning, GIFText::InvalidTrailer);
}

void TGIFTrailer::SaveToStream(GIFOutput &stream) const
{
    stream.WriteByte(bsTrailer);
}
