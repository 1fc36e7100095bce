// Base of the two GIF encoders: code size set-up, pixel walk (plain or interlaced), bit output into sub-blocks.
#pragma once

#include "GIFException.h"
#include "GIFText.h"

#include <cstdint>

class GIFOutput;
class TGIFWriter;

class TGIFEncoder
{
public:
    virtual ~TGIFEncoder() = default;

    // Writes the initial code size byte, the data sub-blocks and the zero block. A pixel at or above
    // maxColor raises "Color not in color table".
    void Compress(GIFOutput &stream, int bitsPerPixel, std::int64_t width, std::int64_t height, bool interlace,
                  const std::uint8_t *data, int maxColor);

protected:
    virtual void Output(int value);
    virtual void Clear();
    virtual void DoCompress() = 0;

    // The next pixel of the walk, or -1 after the last one.
    int NextPixel()
    {
        if (m_runLeft == 0 && !NextRun())
            return -1;
        --m_runLeft;
        const int pixel = *m_pixel++;
        if (pixel >= m_colorCount)
            throw GIFException(GIFText::ColorNotInTable);
        return pixel;
    }

    int m_bitsPerPixel = 0;
    int m_colorCount = 0;
    int m_initialBitSize = 0;
    int m_bitsPerCode = 0;
    int m_maxCode = 0;
    int m_clearCode = 0;
    int m_eofCode = 0;
    int m_baseCode = 0;
    bool m_clearFlag = false;

private:
    bool NextRun();

    std::uint32_t m_bucket = 0;
    int m_bucketBits = 0;
    const std::uint8_t *m_data = nullptr;
    const std::uint8_t *m_pixel = nullptr;
    std::int64_t m_width = 0;
    std::int64_t m_height = 0;
    bool m_interlace = false;
    int m_pass = 0;
    std::int64_t m_row = 0;
    std::int64_t m_runLeft = 0;
    bool m_started = false;
    TGIFWriter *m_writer = nullptr;
};
