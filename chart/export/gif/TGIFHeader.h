// The header of a GIF picture: signature and version, logical screen descriptor and global colour map.
#pragma once

#include "TGIFColorMap.h"
#include "TGIFItem.h"

#include <cstdint>

class TGIFHeader : public TGIFItem
{
public:
    explicit TGIFHeader(TGIFImage *image);

    TGIFVersion GetVersion() const override;
    void LoadFromStream(GIFInput &stream) override;
    void SaveToStream(GIFOutput &stream) const override;
    void Clear();
    void Assign(const TGIFHeader &source);

    // The logical screen may grow past the 16-bit fields while frames are placed; saving refuses that.
    std::int64_t Width() const { return m_width; }
    std::int64_t Height() const { return m_height; }
    void SetScreenSize(std::int64_t width, std::int64_t height)
    {
        m_width = width;
        m_height = height;
    }
    std::uint8_t Flags() const { return m_flags; }
    int BackgroundColorIndex() const { return m_backgroundColorIndex; }
    void SetBackgroundColorIndex(int value) { m_backgroundColorIndex = value & 0xFF; }
    int AspectRatio() const { return m_aspectRatio; }
    void SetAspectRatio(int value) { m_aspectRatio = value & 0xFF; }
    TGIFColorMap &ColorMap() { return m_colorMap; }
    const TGIFColorMap &ColorMap() const { return m_colorMap; }

    // Flags as they would be written for the image's current maps.
    std::uint8_t PrepareFlags() const;

private:
    std::int64_t m_width = 0;
    std::int64_t m_height = 0;
    std::uint8_t m_flags = 0;
    int m_backgroundColorIndex = 0;
    int m_aspectRatio = 0;
    TGIFGlobalColorMap m_colorMap;
};

// The trailer byte 0x3B.
class TGIFTrailer : public TGIFItem
{
public:
    using TGIFItem::TGIFItem;
    void LoadFromStream(GIFInput &stream) override;
    void SaveToStream(GIFOutput &stream) const override;
};
