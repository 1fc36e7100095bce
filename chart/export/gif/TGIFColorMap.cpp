// GIF colour tables.
#include "TGIFColorMap.h"

#include "GIFException.h"
#include "GIFInput.h"
#include "GIFOutput.h"
#include "GIFText.h"
#include "TGIFGraphicControlExtension.h"
#include "TGIFImage.h"
#include "TGIFSubImage.h"

#include <algorithm>
#include <numeric>

TGIFColorMap::TGIFColorMap(TGIFImage *image)
    : m_image(image)
{
}

void TGIFColorMap::Warning(TGIFSeverity severity, const char *message) const
{
    if (m_image)
        m_image->Warning(severity, message);
}

TGIFColor TGIFColorMap::Colors(int index) const
{
    if (m_colors.empty())
        throw GIFException(GIFText::ColorTableEmpty);
    if (index < 0 || index >= Count()) {
        Warning(gsWarning, GIFText::InvalidColorIndex);
        return m_colors[0];
    }
    return m_colors[std::size_t(index)];
}

void TGIFColorMap::SetColors(int index, TGIFColor color)
{
    if (index < 0 || index >= Count())
        throw GIFException(GIFText::InvalidColorIndex);
    m_colors[std::size_t(index)] = color;
    m_optimized = false;
    Changed();
}

void TGIFColorMap::Grow()
{
    // 16 first, then steps of 32, never above 256.
    m_capacity = m_capacity < 16 ? 16 : std::min(256, m_capacity + 32);
    m_colors.reserve(std::size_t(m_capacity));
}

int TGIFColorMap::Add(TGIFColor color)
{
    if (Count() >= 256)
        throw GIFException(GIFText::ColorTableOverflow);
    if (Count() >= m_capacity)
        Grow();
    m_colors.push_back(color);
    m_optimized = false;
    Changed();
    return Count() - 1;
}

int TGIFColorMap::AddUnique(TGIFColor color)
{
    const int index = IndexOf(color);
    return index >= 0 ? index : Add(color);
}

int TGIFColorMap::IndexOf(TGIFColor color) const
{
    if (m_optimized) {
        // Most used colours come first in an optimised map.
        for (int i = 0; i < Count(); ++i)
            if (m_colors[std::size_t(i)] == color)
                return i;
    } else {
        for (int i = Count() - 1; i >= 0; --i)
            if (m_colors[std::size_t(i)] == color)
                return i;
    }
    return -1;
}

void TGIFColorMap::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw GIFException(GIFText::InvalidColorIndex);
    m_colors.erase(m_colors.begin() + index);
    Changed();
}

void TGIFColorMap::Clear()
{
    m_colors.clear();
    m_capacity = 0;
    m_optimized = false;
    Changed();
}

void TGIFColorMap::ImportPalette(const TGIFPalette &palette)
{
    Clear();
    const std::size_t n = std::min<std::size_t>(palette.size(), 256);
    for (std::size_t i = 0; i < n; ++i)
        Add(palette[i]);
}

void TGIFColorMap::ImportColorTable(const void *entries, int count)
{
    Clear();
    const auto *bytes = static_cast<const std::uint8_t *>(entries);
    for (int i = 0; i < std::min(count, 256); ++i)
        Add({bytes[4 * i + 2], bytes[4 * i + 1], bytes[4 * i]});
}

void TGIFColorMap::LoadFromStream(GIFInput &stream, int count)
{
    if (count < 0 || count > 256)
        throw GIFException(GIFText::InvalidData);
    Clear();
    std::uint8_t entries[256 * 3];
    stream.ReadCheck(entries, std::int64_t(count) * 3);
    m_capacity = count;
    m_colors.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        m_colors.push_back({entries[3 * i], entries[3 * i + 1], entries[3 * i + 2]});
    Changed();
}

void TGIFColorMap::SaveToStream(GIFOutput &stream) const
{
    for (const TGIFColor &c : m_colors) {
        stream.WriteByte(c.Red);
        stream.WriteByte(c.Green);
        stream.WriteByte(c.Blue);
    }
    const int padded = 1 << BitsPerPixel();
    for (int i = Count(); i < padded; ++i) {
        stream.WriteByte(0);
        stream.WriteByte(0);
        stream.WriteByte(0);
    }
}

void TGIFColorMap::Assign(const TGIFColorMap &source)
{
    m_colors = source.m_colors;
    m_capacity = source.m_capacity;
    m_optimized = source.m_optimized;
    Changed();
}

int TGIFColorMap::BitsPerPixelFor(int count)
{
    if (count <= 0)
        return 0;
    int bits = 1;
    while ((1 << bits) < count)
        ++bits;
    return bits;
}

int TGIFColorMap::BitsPerPixel() const
{
    return BitsPerPixelFor(Count());
}

void TGIFColorMap::Optimize()
{
    if (Count() <= 1)
        return;
    m_optimized = true;
    const std::array<std::int64_t, 256> histogram = BuildHistogram();
    std::vector<int> order(static_cast<std::size_t>(Count()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return histogram[std::size_t(a)] > histogram[std::size_t(b)]; });
    if (std::is_sorted(order.begin(), order.end()))
        return;
    std::array<std::uint8_t, 256> map{};
    for (int i = 0; i < 256; ++i)
        map[std::size_t(i)] = std::uint8_t(i);
    std::vector<TGIFColor> sorted;
    for (std::size_t position = 0; position < order.size(); ++position) {
        map[std::size_t(order[position])] = std::uint8_t(position);
        sorted.push_back(m_colors[std::size_t(order[position])]);
    }
    MapImages(map);
    // Cut at the first entry no pixel uses.
    std::size_t used = 0;
    while (used < order.size() && histogram[std::size_t(order[used])] > 0)
        ++used;
    sorted.resize(std::max<std::size_t>(used, 1));
    m_colors = std::move(sorted);
    m_optimized = true;
    Changed();
}

void TGIFColorMap::MapFrame(TGIFSubImage &frame, const std::array<std::uint8_t, 256> &map)
{
    if (!frame.Empty()) {
        std::uint8_t *p = frame.Data();
        const std::int64_t n = frame.PixelCount();
        for (std::int64_t i = 0; i < n; ++i)
            p[i] = map[p[i]];
    }
    if (TGIFGraphicControlExtension *gce = frame.GraphicControlExtension())
        gce->SetRawTransparentColorIndex(map[gce->TransparentColorIndex()]);
}

void TGIFColorMap::CountFrame(const TGIFSubImage &frame, std::array<std::int64_t, 256> &histogram)
{
    if (frame.Empty())
        return;
    const std::uint8_t *p = frame.ConstData();
    const std::int64_t n = frame.PixelCount();
    for (std::int64_t i = 0; i < n; ++i)
        ++histogram[p[i]];
}

std::array<std::int64_t, 256> TGIFGlobalColorMap::BuildHistogram() const
{
    std::array<std::int64_t, 256> histogram{};
    for (int i = 0; i < m_image->Count(); ++i)
        if (m_image->Images(i).ColorMap().Count() == 0)
            CountFrame(m_image->Images(i), histogram);
    return histogram;
}

void TGIFGlobalColorMap::MapImages(const std::array<std::uint8_t, 256> &map)
{
    for (int i = 0; i < m_image->Count(); ++i)
        if (m_image->Images(i).ColorMap().Count() == 0)
            MapFrame(m_image->Images(i), map);
}

TGIFLocalColorMap::TGIFLocalColorMap(TGIFImage *image, TGIFSubImage *frame)
    : TGIFColorMap(image)
    , m_frame(frame)
{
}

std::array<std::int64_t, 256> TGIFLocalColorMap::BuildHistogram() const
{
    std::array<std::int64_t, 256> histogram{};
    CountFrame(*m_frame, histogram);
    return histogram;
}

void TGIFLocalColorMap::MapImages(const std::array<std::uint8_t, 256> &map)
{
    MapFrame(*m_frame, map);
}
