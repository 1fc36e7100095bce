// GIF frames: reading, writing, and conversion from and to pictures.
#include "TGIFSubImage.h"

#include "GIFException.h"
#include "GIFInput.h"
#include "GIFOutput.h"
#include "GIFText.h"
#include "LzwDecoder.h"
#include "ReduceColors.h"
#include "TGIFExtension.h"
#include "TGIFGraphicControlExtension.h"
#include "TGIFImage.h"
#include "TLZWEncoder.h"
#include "TRLEEncoder.h"

#include <QImage>

#include <algorithm>
#include <cstring>

TGIFSubImage::TGIFSubImage(TGIFImage *image)
    : TGIFItem(image)
    , m_colorMap(image, this)
{
}

TGIFSubImage::~TGIFSubImage()
{
    // Extensions unhook themselves from the frame; let them do it while the frame is whole.
    m_extensions.clear();
    if (m_image)
        m_image->ReleasePixels(PixelCount());
}

TGIFVersion TGIFSubImage::GetVersion() const
{
    if (m_colorMap.Optimized())
        return gv89a;
    for (const auto &extension : m_extensions)
        if (extension->GetVersion() == gv89a)
            return gv89a;
    return gv87a;
}

void TGIFSubImage::Clear()
{
    m_extensions.clear();
    m_graphicControlExtension = nullptr;
    m_transparent = false;
    m_colorMap.Clear();
    m_pixels = PixelBuffer();
    m_pendingFill = {};
    if (m_image)
        m_image->ReleasePixels(PixelCount());
    m_left = m_top = m_width = m_height = 0;
    m_flags = 0;
}

void TGIFSubImage::SetBounds(int left, int top, int width, int height)
{
    if (left < 0 || top < 0 || width < 0 || height < 0 || left > 0xFFFF || top > 0xFFFF || width > 0xFFFF
        || height > 0xFFFF)
        throw GIFException(GIFText::ImageTooLarge);
    const std::int64_t pixels = std::int64_t(width) * height;
    if (pixels > kGIFMaxFramePixels)
        throw GIFException(GIFText::ImageTooLarge);
    if (width != m_width || height != m_height) {
        if (m_image)
            m_image->ReservePixels(pixels, PixelCount());
        m_pixels = PixelBuffer();
        m_pendingFill = {};
        m_width = width;
        m_height = height;
    }
    m_left = left;
    m_top = top;
    if (m_image)
        m_image->CoverFrame(std::int64_t(left) + width, std::int64_t(top) + height);
}

std::uint8_t TGIFSubImage::FillValue() const
{
    if (m_transparent && m_graphicControlExtension)
        return std::uint8_t(m_graphicControlExtension->TransparentColorIndex());
    return 0;
}

std::uint8_t *TGIFSubImage::Data()
{
    return const_cast<std::uint8_t *>(ConstData());
}

const std::uint8_t *TGIFSubImage::ConstData() const
{
    if (Empty())
        throw GIFException(GIFText::ImageEmpty);
    if (m_pixels.IsNull()) {
        m_pixels = PixelBuffer(PixelCount(), FillValue());
    } else if (m_pendingFill.From >= 0) {
        LzwDecoder::FillFrom(m_pixels.Data(), m_width, m_height, m_pendingFill.Interlaced, m_pendingFill.From,
                             m_pendingFill.Value);
        m_pendingFill = {};
    }
    return m_pixels.Data();
}

int TGIFSubImage::Pixels(int x, int y) const
{
    if (Empty())
        throw GIFException(GIFText::ImageEmpty);
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        throw GIFException(GIFText::InvalidPixelCoordinates);
    return ConstData()[std::int64_t(y) * m_width + x];
}

void TGIFSubImage::SetPixels(int x, int y, int value)
{
    if (Empty())
        throw GIFException(GIFText::ImageEmpty);
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        throw GIFException(GIFText::InvalidPixelCoordinates);
    Data()[std::int64_t(y) * m_width + x] = std::uint8_t(value);
}

const TGIFColorMap *TGIFSubImage::ActiveColorMap() const
{
    if (m_colorMap.Count() > 0 || !m_image)
        return &m_colorMap;
    return &m_image->Header().ColorMap();
}

TGIFExtension &TGIFSubImage::AddExtension(std::unique_ptr<TGIFExtension> extension)
{
    TGIFExtension &added = *extension;
    m_extensions.push_back(std::move(extension));
    if (!m_graphicControlExtension) {
        if (auto *gce = dynamic_cast<TGIFGraphicControlExtension *>(&added)) {
            m_graphicControlExtension = gce;
            m_transparent = gce->Transparent();
        }
    }
    return added;
}

void TGIFSubImage::DeleteExtension(int index)
{
    if (index < 0 || index >= ExtensionCount())
        return;
    m_extensions.erase(m_extensions.begin() + index);
}

void TGIFSubImage::ExtensionDestroyed(const TGIFGraphicControlExtension *extension)
{
    if (extension != m_graphicControlExtension)
        return;
    m_graphicControlExtension = nullptr;
    m_transparent = false;
}

void TGIFSubImage::LoadFromStream(GIFInput &stream)
{
    Clear();
    for (int next = stream.PeekByte(); next == bsExtensionIntroducer; next = stream.PeekByte()) {
        std::unique_ptr<TGIFExtension> extension = TGIFExtension::GetExtensionClass(stream, this);
        if (!extension) {
            // Readers skip what they do not know.
            Warning(gsWarning, GIFText::UnknownExtension);
            stream.Skip(2);
            stream.SkipSubBlocks();
            continue;
        }
        extension->LoadFromStream(stream);
        AddExtension(std::move(extension));
    }
    const int next = stream.PeekByte();
    if (next == bsImageSeparator) {
        ReadDescriptor(stream);
        return;
    }
    if (next != bsTrailer && next > 0)
        Warning(gsWarning, GIFText::BadExtensionIntroducer);
}

void TGIFSubImage::ReadDescriptor(GIFInput &stream)
{
    std::uint8_t descriptor[10];
    stream.ReadCheck(descriptor, 10);
    const int left = descriptor[1] | (descriptor[2] << 8);
    const int top = descriptor[3] | (descriptor[4] << 8);
    int width = descriptor[5] | (descriptor[6] << 8);
    int height = descriptor[7] | (descriptor[8] << 8);
    if (width == 0 || height == 0) {
        if (width == 0)
            width = m_image ? m_image->Width() : 0;
        if (height == 0)
            height = m_image ? m_image->Height() : 0;
        Warning(gsWarning, GIFText::ExceedsScreen);
    }
    SetBounds(left, top, width, height);
    m_flags = descriptor[9];
    if (m_flags & 0x80) {
        const int count = 2 << (m_flags & 7);
        m_colorMap.LoadFromStream(stream, count);
    }
    Decompress(stream);
}

void TGIFSubImage::Decompress(GIFInput &stream)
{
    const int codeSize = stream.ReadByte();
    if (codeSize < 0) {
        Warning(gsWarning, GIFText::PrematureEnd);
        return;
    }
    if (codeSize < 1 || codeSize > 11) {
        // Larger sizes would make the clear code reach past the 12-bit table.
        Warning(gsWarning, GIFText::InvalidData);
        stream.SkipSubBlocks();
        return;
    }
    // No pixel memory for a frame whose data are missing.
    if (Empty() || stream.PeekByte() <= 0) {
        stream.SkipSubBlocks();
        return;
    }
    m_pixels = PixelBuffer(PixelCount(), 0);
    m_pendingFill = {};
    LzwDecoder decoder(stream, codeSize, [this](const char *message) { Warning(gsWarning, message); });
    std::int64_t written = 0;
    try {
        written = decoder.Decode(m_pixels.Data(), m_width, m_height, Interlaced());
    } catch (...) {
        decoder.SkipRest();
        throw;
    }
    decoder.SkipRest();
    if (written < PixelCount() && FillValue() != 0)
        m_pendingFill = {written, FillValue(), Interlaced()};
}

void TGIFSubImage::Compress(GIFOutput &stream) const
{
    int bits = 0;
    int colors = 0;
    if (m_colorMap.Count() > 0) {
        bits = m_colorMap.BitsPerPixel();
        colors = m_colorMap.Count();
    } else {
        bits = m_image ? m_image->BitsPerPixel() : 0;
        if (bits == 0)
            bits = 8; // no colour table anywhere: readers use their own, so any index may stand
        colors = 1 << bits;
    }
    std::unique_ptr<TGIFEncoder> encoder;
    if (m_image && m_image->Compression() == gcRLE)
        encoder = std::make_unique<TRLEEncoder>();
    else
        encoder = std::make_unique<TLZWEncoder>();
    encoder->Compress(stream, bits, m_width, m_height, Interlaced(), ConstData(), colors);
}

void TGIFSubImage::SaveToStream(GIFOutput &stream) const
{
    for (const auto &extension : m_extensions)
        extension->SaveToStream(stream);
    if (Empty())
        return;
    stream.WriteByte(bsImageSeparator);
    stream.WriteWord(m_left);
    stream.WriteWord(m_top);
    stream.WriteWord(m_width);
    stream.WriteWord(m_height);
    std::uint8_t flags = m_flags & 0x58; // interlace and the two reserved bits
    if (m_colorMap.Count() > 0) {
        flags |= 0x80 | std::uint8_t(m_colorMap.BitsPerPixel() - 1);
        if (m_colorMap.Optimized())
            flags |= 0x20;
    }
    stream.WriteByte(flags);
    if (m_colorMap.Count() > 0)
        m_colorMap.SaveToStream(stream);
    Compress(stream);
}

void TGIFSubImage::Assign(const TGIFSubImage &source)
{
    if (&source == this)
        return;
    Clear();
    SetBounds(source.m_left, source.m_top, source.m_width, source.m_height);
    m_flags = source.m_flags;
    m_colorMap.Assign(source.m_colorMap);
    if (!source.m_pixels.IsNull())
        m_pixels = source.m_pixels.Copy();
    m_pendingFill = source.m_pendingFill;
    for (const auto &extension : source.m_extensions)
        AddExtension(extension->Clone(this));
    m_transparent = source.m_transparent;
}

void TGIFSubImage::Assign(const QImage &source)
{
    if (source.isNull() || source.width() <= 0 || source.height() <= 0)
        throw GIFException(GIFText::InvalidImageDimensions);
    QImage indexed;
    switch (source.format()) {
    case QImage::Format_Indexed8:
        indexed = source;
        break;
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        indexed = source.convertToFormat(QImage::Format_Indexed8);
        break;
    default: {
        const int reduction = m_image ? m_image->ColorReduction() : rmNetscape;
        if (reduction == rmNone)
            indexed = MapToExactPalette(source);
        else
            indexed = ReduceColors(source, reduction, m_image ? m_image->DitherMode() : dmNearest,
                                   m_image ? m_image->ReductionBits() : 8, {});
        break;
    }
    }
    Clear();
    SetBounds(0, 0, indexed.width(), indexed.height());
    std::uint8_t *pixels = Data();
    for (int y = 0; y < m_height; ++y) {
        std::memcpy(pixels + std::int64_t(y) * m_width, indexed.constScanLine(y), std::size_t(m_width));
        if (m_image && y % 32 == 0)
            m_image->Progress(psRunning, int(std::int64_t(y) * 100 / m_height), GIFText::Converting);
    }
    TGIFPalette palette;
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < std::min<int>(int(table.size()), 256); ++i)
        palette.push_back({std::uint8_t(qRed(table[i])), std::uint8_t(qGreen(table[i])), std::uint8_t(qBlue(table[i]))});
    m_colorMap.ImportPalette(palette);
}

QImage TGIFSubImage::ToImage() const
{
    if (Empty())
        return {};
    QImage image(m_width, m_height, QImage::Format_Indexed8);
    if (image.isNull())
        throw GIFException(GIFText::ImageTooLarge);
    QList<QRgb> table;
    const TGIFColorMap *map = ActiveColorMap();
    if (map && map->Count() > 0) {
        const TGIFPalette colors = map->ExportPalette();
        for (const TGIFColor &c : colors)
            table.push_back(qRgb(c.Red, c.Green, c.Blue));
    } else {
        // No map anywhere: a grey ramp, as readers commonly show such files.
        for (int i = 0; i < 256; ++i)
            table.push_back(qRgb(i, i, i));
    }
    // Decoded indices may exceed the map; an indexed image must cover every byte value.
    while (table.size() < 256)
        table.push_back(qRgb(0, 0, 0));
    if (m_transparent && m_graphicControlExtension)
        table[m_graphicControlExtension->TransparentColorIndex()] &= 0x00FFFFFF;
    image.setColorTable(table);
    const std::uint8_t *pixels = ConstData();
    for (int y = 0; y < m_height; ++y)
        std::memcpy(image.scanLine(y), pixels + std::int64_t(y) * m_width, std::size_t(m_width));
    return image;
}
