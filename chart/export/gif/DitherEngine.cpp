// Ditherers of colour reduction.
#include "DitherEngine.h"

#include "ColorLookup.h"
#include "GIFTypes.h"

#include <algorithm>
#include <stdexcept>

TDitherEngine::TDitherEngine(int width, TColorLookup &lookup)
    : m_width(width)
    , m_lookup(lookup)
{
}

int TDitherEngine::Dither(int red, int green, int blue, int &r, int &g, int &b)
{
    return m_lookup.Lookup(red, green, blue, r, g, b);
}

void TDitherEngine::NextLine()
{
    m_direction = -m_direction;
    m_column = m_direction > 0 ? 0 : m_width - 1;
}

void TDitherEngine::DitherRow(const std::uint8_t *rgb, std::uint8_t *indices)
{
    int r = 0;
    int g = 0;
    int b = 0;
    for (; m_column >= 0 && m_column < m_width; m_column += m_direction) {
        const std::uint8_t *p = rgb + 3 * m_column;
        indices[m_column] = std::uint8_t(Dither(p[0], p[1], p[2], r, g, b));
    }
    NextLine();
}

TErrorDiffusionDitherer::TErrorDiffusionDitherer(int width, TColorLookup &lookup, int divisor, int margin,
                                                 std::vector<TDiffusionTap> taps)
    : TDitherEngine(width, lookup)
    , m_divisor(divisor)
    , m_margin(margin)
    , m_taps(std::move(taps))
{
    for (const TDiffusionTap &tap : m_taps)
        m_rows = std::max(m_rows, tap.Row + 1);
    m_stride = (width + 2 * margin) * 3;
    m_errors.assign(std::size_t(m_rows) * std::size_t(m_stride), 0);
    m_rowStart.resize(std::size_t(m_rows));
    PlaceRows();
}

void TErrorDiffusionDitherer::PlaceRows()
{
    for (int row = 0; row < m_rows; ++row)
        m_rowStart[std::size_t(row)] = m_errors.data() + std::size_t((m_firstRow + row) % m_rows) * std::size_t(m_stride);
    m_forward.clear();
    m_backward.clear();
    for (const TDiffusionTap &tap : m_taps) {
        const int rowDistance = int(m_rowStart[std::size_t(tap.Row)] - m_rowStart[0]);
        m_forward.push_back(rowDistance + 3 * tap.Offset);
        m_backward.push_back(rowDistance - 3 * tap.Offset);
    }
}

void TErrorDiffusionDitherer::Spread(int *cell, const int error[3])
{
    if (error[0] == 0 && error[1] == 0 && error[2] == 0)
        return; // a zero error spreads nothing
    const std::vector<int> &distances = m_direction > 0 ? m_forward : m_backward;
    for (std::size_t i = 0; i < m_taps.size(); ++i) {
        int *target = cell + distances[i];
        const int weight = m_taps[i].Weight;
        target[0] += error[0] * weight;
        target[1] += error[1] * weight;
        target[2] += error[2] * weight;
    }
}

int TErrorDiffusionDitherer::Dither(int red, int green, int blue, int &r, int &g, int &b)
{
    int *cell = ErrorCell(0, m_column);
    const int half = m_divisor / 2;
    // Integer division truncates toward zero, as the error shares are defined.
    const int used[3] = {std::clamp(red + (cell[0] + half) / m_divisor, 0, 255),
                         std::clamp(green + (cell[1] + half) / m_divisor, 0, 255),
                         std::clamp(blue + (cell[2] + half) / m_divisor, 0, 255)};
    const int index = m_lookup.Lookup(used[0], used[1], used[2], r, g, b);
    const int error[3] = {used[0] - r, used[1] - g, used[2] - b};
    Spread(cell, error);
    return index;
}

void TErrorDiffusionDitherer::NextLine()
{
    // The rows move up by one; the new last row starts empty.
    std::fill_n(m_rowStart[0], m_stride, 0);
    m_firstRow = (m_firstRow + 1) % m_rows;
    PlaceRows();
    TDitherEngine::NextLine();
}

TFloydSteinbergDitherer::TFloydSteinbergDitherer(int width, TColorLookup &lookup)
    : TErrorDiffusionDitherer(width, lookup, 16, 1, {{0, 1, 7}, {1, -1, 3}, {1, 0, 5}, {1, 1, 1}})
{
}

TStuckiDitherer::TStuckiDitherer(int width, TColorLookup &lookup)
    : TErrorDiffusionDitherer(width, lookup, 42, 2,
                              {{0, 1, 8}, {0, 2, 4}, {1, -2, 2}, {1, -1, 4}, {1, 0, 8}, {1, 1, 4}, {1, 2, 2},
                               {2, -2, 1}, {2, -1, 2}, {2, 0, 4}, {2, 1, 2}, {2, 2, 1}})
{
}

TSierraDitherer::TSierraDitherer(int width, TColorLookup &lookup)
    : TErrorDiffusionDitherer(width, lookup, 32, 2,
                              {{0, 1, 5}, {0, 2, 3}, {1, -2, 2}, {1, -1, 4}, {1, 0, 5}, {1, 1, 4}, {1, 2, 2},
                               {2, -1, 2}, {2, 0, 3}, {2, 1, 2}})
{
}

TJaJuNIDitherer::TJaJuNIDitherer(int width, TColorLookup &lookup)
    : TErrorDiffusionDitherer(width, lookup, 48, 2,
                              {{0, 1, 7}, {0, 2, 5}, {1, -2, 3}, {1, -1, 5}, {1, 0, 7}, {1, 1, 5}, {1, 2, 3},
                               {2, -2, 1}, {2, -1, 3}, {2, 0, 5}, {2, 1, 3}, {2, 2, 1}})
{
}

TSteveArceDitherer::TSteveArceDitherer(int width, TColorLookup &lookup)
    : TErrorDiffusionDitherer(width, lookup, 200, 3,
                              {{0, 2, 32}, {1, -3, 12}, {1, -1, 26}, {1, 1, 30}, {1, 3, 16}, {2, -2, 12},
                               {2, 0, 26}, {2, 2, 12}, {3, -3, 5}, {3, -1, 12}, {3, 1, 12}, {3, 3, 5}})
{
}

TBurkesDitherer::TBurkesDitherer(int width, TColorLookup &lookup)
    : TErrorDiffusionDitherer(width, lookup, 32, 2,
                              {{0, 1, 8}, {0, 2, 4}, {1, -2, 2}, {1, -1, 4}, {1, 0, 8}, {1, 1, 4}, {1, 2, 2}})
{
}

std::unique_ptr<TDitherEngine> CreateDitherer(int mode, int width, TColorLookup &lookup)
{
    switch (mode) {
    case dmNearest:
        return std::make_unique<TDitherEngine>(width, lookup);
    case dmFloydSteinberg:
        return std::make_unique<TFloydSteinbergDitherer>(width, lookup);
    case dmStucki:
        return std::make_unique<TStuckiDitherer>(width, lookup);
    case dmSierra:
        return std::make_unique<TSierraDitherer>(width, lookup);
    case dmJaJuNI:
        return std::make_unique<TJaJuNIDitherer>(width, lookup);
    case dmSteveArche:
        return std::make_unique<TSteveArceDitherer>(width, lookup);
    case dmBurkes:
        return std::make_unique<TBurkesDitherer>(width, lookup);
    default:
        throw std::invalid_argument("unknown dither mode");
    }
}
