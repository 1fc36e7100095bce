// Colour lookups: map an RGB colour to a palette index and give the palette colour back.
#pragma once

#include "GIFTypes.h"

#include <cstdint>
#include <vector>

class TColorLookup
{
public:
    virtual ~TColorLookup() = default;
    int Colors() const { return int(m_palette.size()); }
    const TGIFPalette &Palette() const { return m_palette; }
    // Returns the index and sets r, g, b to the palette colour.
    virtual int Lookup(int red, int green, int blue, int &r, int &g, int &b) = 0;

protected:
    TGIFPalette m_palette;
};

// Any palette of up to 256 entries, answered from a cache of 5-5-5 cells; a miss searches all entries
// for the smallest sum of channel differences.
class TFastColorLookup : public TColorLookup
{
public:
    explicit TFastColorLookup(const TGIFPalette &palette);
    int Lookup(int red, int green, int blue, int &r, int &g, int &b) override;

private:
    static int Cell(int red, int green, int blue) { return (red >> 3) | ((green & 248) << 2) | ((blue >> 3) << 10); }
    std::vector<std::uint16_t> m_cache;
};

// The 6 x 6 x 6 web cube, computed.
class TNetscapeColorLookup : public TColorLookup
{
public:
    TNetscapeColorLookup();
    int Lookup(int red, int green, int blue, int &r, int &g, int &b) override;
};

class TGrayScaleLookup : public TColorLookup
{
public:
    TGrayScaleLookup();
    int Lookup(int red, int green, int blue, int &r, int &g, int &b) override;
};

class TMonochromeLookup : public TColorLookup
{
public:
    TMonochromeLookup();
    int Lookup(int red, int green, int blue, int &r, int &g, int &b) override;
};
