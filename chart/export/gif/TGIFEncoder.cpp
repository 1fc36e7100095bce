// Common part of the LZW and RLE encoders.
#include "TGIFEncoder.h"

#include "GIFOutput.h"
#include "GIFTypes.h"
#include "TGIFWriter.h"

void TGIFEncoder::Compress(GIFOutput &stream, int bitsPerPixel, std::int64_t width, std::int64_t height,
                           bool interlace, const std::uint8_t *data, int maxColor)
{
    // A two-colour frame still starts at code size 2: GIF has no code size 1 for pixels.
    m_bitsPerPixel = bitsPerPixel < 2 ? 2 : bitsPerPixel;
    m_colorCount = maxColor;
    m_initialBitSize = m_bitsPerPixel + 1;
    stream.WriteByte(m_bitsPerPixel);

    m_bitsPerCode = m_initialBitSize;
    m_maxCode = (1 << m_bitsPerCode) - 1;
    m_clearCode = 1 << (m_initialBitSize - 1);
    m_eofCode = m_clearCode + 1;
    m_baseCode = m_clearCode + 2;
    m_bucket = 0;
    m_bucketBits = 0;
    m_clearFlag = false;

    m_data = data;
    m_width = width;
    m_height = height;
    m_interlace = interlace;
    m_pass = 0;
    m_row = 0;
    m_runLeft = 0;
    m_started = false;

    TGIFWriter writer(stream);
    m_writer = &writer;
    if (data && width >= 1 && height >= 1)
        DoCompress();
    Output(m_eofCode);
    writer.FlushBuffer();
    m_writer = nullptr;
    stream.WriteByte(0);
}

bool TGIFEncoder::NextRun()
{
    if (!m_interlace) {
        if (m_started)
            return false;
        m_started = true;
        m_pixel = m_data;
        m_runLeft = m_width * m_height;
        return m_runLeft > 0;
    }
    if (m_started) {
        m_row += kGIFPassStep[m_pass];
        while (m_row >= m_height) {
            if (++m_pass >= 4)
                return false;
            m_row = kGIFPassStart[m_pass];
        }
    } else {
        m_started = true;
        m_pass = 0;
        m_row = 0;
    }
    m_pixel = m_data + m_row * m_width;
    m_runLeft = m_width;
    return true;
}

void TGIFEncoder::Output(int value)
{
    m_bucket |= std::uint32_t(value) << m_bucketBits;
    m_bucketBits += m_bitsPerCode;
    while (m_bucketBits >= 8) {
        m_writer->WriteByte(std::uint8_t(m_bucket & 0xFF));
        m_bucket >>= 8;
        m_bucketBits -= 8;
    }
    if (value == m_eofCode && m_bucketBits > 0) {
        m_writer->WriteByte(std::uint8_t(m_bucket & 0xFF));
        m_bucket = 0;
        m_bucketBits = 0;
    }
}

void TGIFEncoder::Clear()
{
    m_clearFlag = true;
    Output(m_clearCode);
}
