// A GIF colour table: up to 256 entries of R, G, B, and the global and local variants that know their frames.
#pragma once

#include "GIFTypes.h"

#include <array>
#include <cstdint>
#include <vector>

class GIFInput;
class GIFOutput;
class TGIFImage;
class TGIFSubImage;

class TGIFColorMap
{
public:
    explicit TGIFColorMap(TGIFImage *image);
    virtual ~TGIFColorMap() = default;

    int Count() const { return int(m_colors.size()); }
    int Capacity() const { return m_capacity; }
    bool Optimized() const { return m_optimized; }
    void SetOptimized(bool value) { m_optimized = value; }

    // An index out of range warns "Invalid color index" and gives entry 0; an empty map raises.
    TGIFColor Colors(int index) const;
    void SetColors(int index, TGIFColor color);
    int Add(TGIFColor color);
    int AddUnique(TGIFColor color);
    int IndexOf(TGIFColor color) const;
    void Delete(int index);
    void Clear();

    void ImportPalette(const TGIFPalette &palette);
    // Entries of 4 bytes: B, G, R, reserved.
    void ImportColorTable(const void *entries, int count);
    TGIFPalette ExportPalette() const { return m_colors; }

    void LoadFromStream(GIFInput &stream, int count);
    // The entries, then zero entries up to 2^BitsPerPixel.
    void SaveToStream(GIFOutput &stream) const;
    void Assign(const TGIFColorMap &source);

    // 0 for no entries, 1 for up to 2, else the smallest n with 2^n >= Count.
    int BitsPerPixel() const;
    static int BitsPerPixelFor(int count);

    // Sorts the entries by use, most used first, remaps the pixels and cuts unused entries.
    void Optimize();

protected:
    virtual void Warning(TGIFSeverity severity, const char *message) const;
    virtual std::array<std::int64_t, 256> BuildHistogram() const = 0;
    virtual void MapImages(const std::array<std::uint8_t, 256> &map) = 0;
    virtual void Changed() {}
    // Remaps one frame's pixels and transparent colour index.
    static void MapFrame(TGIFSubImage &frame, const std::array<std::uint8_t, 256> &map);
    static void CountFrame(const TGIFSubImage &frame, std::array<std::int64_t, 256> &histogram);

    TGIFImage *m_image = nullptr;

private:
    void Grow();

    std::vector<TGIFColor> m_colors;
    int m_capacity = 0;
    bool m_optimized = false;
};

// The header's map, used by every frame without local entries.
class TGIFGlobalColorMap : public TGIFColorMap
{
public:
    using TGIFColorMap::TGIFColorMap;

protected:
    std::array<std::int64_t, 256> BuildHistogram() const override;
    void MapImages(const std::array<std::uint8_t, 256> &map) override;
};

class TGIFLocalColorMap : public TGIFColorMap
{
public:
    TGIFLocalColorMap(TGIFImage *image, TGIFSubImage *frame);

protected:
    std::array<std::int64_t, 256> BuildHistogram() const override;
    void MapImages(const std::array<std::uint8_t, 256> &map) override;

private:
    TGIFSubImage *m_frame = nullptr;
};
