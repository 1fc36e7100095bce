// One frame of a GIF picture: image descriptor, local colour map, pixels (one byte per pixel, rows one after
// the other) and the extensions that precede it in the file.
#pragma once

#include "PixelBuffer.h"
#include "TGIFColorMap.h"
#include "TGIFItem.h"

#include <cstdint>
#include <memory>
#include <vector>

class QImage;
class TGIFExtension;
class TGIFGraphicControlExtension;

class TGIFSubImage : public TGIFItem
{
public:
    explicit TGIFSubImage(TGIFImage *image);
    ~TGIFSubImage() override;

    TGIFVersion GetVersion() const override;
    // Extensions, then (when one follows) the descriptor, local map and compressed pixels.
    void LoadFromStream(GIFInput &stream) override;
    void SaveToStream(GIFOutput &stream) const override;
    void Clear();

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Places the frame; the logical screen grows to cover it. Sizes beyond the format or the pixel
    // limits raise "Image is too large". A new size drops the pixels (they come back zero-filled).
    void SetBounds(int left, int top, int width, int height);
    bool Interlaced() const { return m_flags & 0x40; }
    void SetInterlaced(bool value) { m_flags = std::uint8_t(value ? m_flags | 0x40 : m_flags & ~0x40); }

    // No pixels: width or height is 0.
    bool Empty() const { return m_width <= 0 || m_height <= 0; }
    std::int64_t PixelCount() const { return std::int64_t(m_width) * m_height; }
    // The pixel bytes, allocated on first use; an empty frame raises "Image is empty".
    std::uint8_t *Data();
    const std::uint8_t *ConstData() const;
    int Pixels(int x, int y) const;
    void SetPixels(int x, int y, int value);

    TGIFColorMap &ColorMap() { return m_colorMap; }
    const TGIFColorMap &ColorMap() const { return m_colorMap; }
    // The local map when it has entries, else the global one.
    const TGIFColorMap *ActiveColorMap() const;

    int ExtensionCount() const { return int(m_extensions.size()); }
    TGIFExtension &Extensions(int index) const { return *m_extensions[std::size_t(index)]; }
    // The first graphic control extension added becomes the frame's own.
    TGIFExtension &AddExtension(std::unique_ptr<TGIFExtension> extension);
    void DeleteExtension(int index);
    TGIFGraphicControlExtension *GraphicControlExtension() const { return m_graphicControlExtension; }
    void ExtensionDestroyed(const TGIFGraphicControlExtension *extension);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value) { m_transparent = value; }

    // Reads the initial code size and the data sub-blocks and fills the pixels.
    void Decompress(GIFInput &stream);
    // Writes the compressed pixels with the image's encoder.
    void Compress(GIFOutput &stream) const;

    void Assign(const TGIFSubImage &source);
    // Makes the frame from a picture: palette pictures as they are, others reduced with the image's options.
    void Assign(const QImage &source);
    // Format_Indexed8 with the frame's palette padded to 256 entries; the transparent entry has alpha 0.
    QImage ToImage() const;

private:
    std::uint8_t FillValue() const;
    void ReadDescriptor(GIFInput &stream);

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    // Descriptor flags as read: interlace and the two reserved bits are written back.
    std::uint8_t m_flags = 0;
    TGIFLocalColorMap m_colorMap;
    mutable PixelBuffer m_pixels;
    // A transparent frame whose data ended early: the pixels from this position on (in decoding order)
    // take the transparent index when first used, so that a short file never makes us touch memory
    // for the whole frame.
    struct PendingFill
    {
        std::int64_t From = -1;
        std::uint8_t Value = 0;
        bool Interlaced = false;
    };
    mutable PendingFill m_pendingFill;
    std::vector<std::unique_ptr<TGIFExtension>> m_extensions;
    TGIFGraphicControlExtension *m_graphicControlExtension = nullptr;
    bool m_transparent = false;
};
