// Ditherers: nearest colour, and the error-diffusion matrices. Rows are scanned alternately left to right
// and right to left; the error spreads to the pixels ahead in the scan direction.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class TColorLookup;

class TDitherEngine
{
public:
    TDitherEngine(int width, TColorLookup &lookup);
    virtual ~TDitherEngine() = default;

    int Direction() const { return m_direction; }
    int Column() const { return m_column; }
    // The palette index for the pixel at Column; r, g, b receive the palette colour.
    virtual int Dither(int red, int green, int blue, int &r, int &g, int &b);
    // Reverses the direction and starts the next row at its first column in that direction.
    virtual void NextLine();
    // One row of R, G, B bytes into palette indices, then NextLine.
    void DitherRow(const std::uint8_t *rgb, std::uint8_t *indices);

protected:
    int m_width = 0;
    TColorLookup &m_lookup;
    int m_direction = 1;
    int m_column = 0;
};

// One share of the error: rows below the current one, offset along the scan direction, weight.
struct TDiffusionTap
{
    int Row = 0;
    int Offset = 0;
    int Weight = 0;
};

class TErrorDiffusionDitherer : public TDitherEngine
{
public:
    TErrorDiffusionDitherer(int width, TColorLookup &lookup, int divisor, int margin, std::vector<TDiffusionTap> taps);
    int Dither(int red, int green, int blue, int &r, int &g, int &b) override;
    void NextLine() override;

private:
    void PlaceRows();
    int *ErrorCell(int row, int column) { return m_rowStart[std::size_t(row)] + (column + m_margin) * 3; }
    // Diffuses the error of the pixel whose error cell is at cell.
    void Spread(int *cell, const int error[3]);

    int m_divisor = 1;
    int m_margin = 0;
    int m_rows = 1;
    int m_stride = 0;
    int m_firstRow = 0;
    std::vector<TDiffusionTap> m_taps;
    // Cell distance of each tap for the two scan directions.
    std::vector<int> m_forward;
    std::vector<int> m_backward;
    std::vector<int *> m_rowStart;
    // Per row (width plus margins) x 3 channels, allocated once and rotated.
    std::vector<int> m_errors;
};

class TFloydSteinbergDitherer : public TErrorDiffusionDitherer
{
public:
    TFloydSteinbergDitherer(int width, TColorLookup &lookup);
};

class TStuckiDitherer : public TErrorDiffusionDitherer
{
public:
    TStuckiDitherer(int width, TColorLookup &lookup);
};

class TSierraDitherer : public TErrorDiffusionDitherer
{
public:
    TSierraDitherer(int width, TColorLookup &lookup);
};

class TJaJuNIDitherer : public TErrorDiffusionDitherer
{
public:
    TJaJuNIDitherer(int width, TColorLookup &lookup);
};

class TSteveArceDitherer : public TErrorDiffusionDitherer
{
public:
    TSteveArceDitherer(int width, TColorLookup &lookup);
};

class TBurkesDitherer : public TErrorDiffusionDitherer
{
public:
    TBurkesDitherer(int width, TColorLookup &lookup);
};

// Ditherer by mode 0-6; another mode raises std::invalid_argument.
std::unique_ptr<TDitherEngine> CreateDitherer(int mode, int width, TColorLookup &lookup);
