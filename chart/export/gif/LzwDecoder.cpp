// LZW decoder of GIF frames.
#include "LzwDecoder.h"

#include "GIFException.h"
#include "GIFInput.h"
#include "GIFText.h"

#include <cstring>

namespace {

// Where the next decoded pixel goes: rows in order, or in the four interlace passes.
class RowCursor
{
public:
    RowCursor(std::uint8_t *pixels, std::int64_t width, std::int64_t height, bool interlaced)
        : m_pixels(pixels)
        , m_width(width)
        , m_height(height)
        , m_interlaced(interlaced)
    {
        m_done = width <= 0 || height <= 0;
    }
    bool Done() const { return m_done; }
    std::int64_t Written() const { return m_written; }

    void Put(std::uint8_t pixel)
    {
        m_pixels[m_row * m_width + m_column] = pixel;
        ++m_written;
        if (++m_column == m_width) {
            m_column = 0;
            NextRow();
        }
    }

    // Sets every pixel from position on to value, a row at a time.
    void FillFrom(std::int64_t position, std::uint8_t value)
    {
        for (std::int64_t rows = position / m_width; rows > 0 && !m_done; --rows)
            NextRow();
        m_column = position % m_width;
        while (!m_done) {
            std::memset(m_pixels + m_row * m_width + m_column, value, std::size_t(m_width - m_column));
            m_column = 0;
            NextRow();
        }
    }

private:
    void NextRow()
    {
        if (!m_interlaced) {
            m_done = ++m_row >= m_height;
            return;
        }
        m_row += kGIFPassStep[m_pass];
        while (m_row >= m_height) {
            if (++m_pass >= 4) {
                m_done = true;
                return;
            }
            m_row = kGIFPassStart[m_pass];
        }
    }

    std::uint8_t *m_pixels;
    std::int64_t m_width;
    std::int64_t m_height;
    bool m_interlaced;
    std::int64_t m_row = 0;
    std::int64_t m_column = 0;
    std::int64_t m_written = 0;
    int m_pass = 0;
    bool m_done = false;
};

} // namespace

LzwDecoder::LzwDecoder(GIFInput &input, int initialCodeSize, GIFWarningSink warning)
    : m_input(input)
    , m_warning(std::move(warning))
    , m_initialCodeSize(initialCodeSize)
{
    m_clearCode = 1 << initialCodeSize;
    m_endCode = m_clearCode + 1;
    // Root entries never change; every other entry is written before any code may refer to it.
    for (int i = 0; i < m_clearCode; ++i)
        m_suffix[i] = std::uint8_t(i);
    ResetTable();
}

void LzwDecoder::Warn(const char *message) const
{
    if (m_warning)
        m_warning(message);
}

void LzwDecoder::ResetTable()
{
    m_codeSize = m_initialCodeSize + 1;
    m_maxCodeSize = 2 * m_clearCode;
    m_maxCode = m_clearCode + 2;
}

int LzwDecoder::NextCode()
{
    // Sub-blocks may be as short as one byte, so a code can need more than one refill.
    while (m_currentBit + m_codeSize > m_lastBit) {
        if (m_getDone) {
            if (m_currentBit >= m_lastBit)
                Warn(GIFText::BitBufferUnderrun);
            return -1;
        }
        // The bits not yet used fill at most the last two bytes: lastBit is a byte boundary and
        // fewer than 12 bits remain.
        m_buffer[0] = m_buffer[m_lastByte - 2];
        m_buffer[1] = m_buffer[m_lastByte - 1];
        int count = m_input.ReadByte();
        if (count < 0) {
            Warn(GIFText::PrematureEnd);
            count = 0;
        } else if (count > 0 && count > m_input.Remaining()) {
            Warn(GIFText::PrematureEnd);
            count = int(m_input.Remaining());
        }
        if (count == 0) {
            m_zeroBlock = true;
            m_getDone = true;
        } else {
            m_input.Read(m_buffer + 2, count);
        }
        m_lastByte = 2 + count;
        m_currentBit = m_currentBit - m_lastBit + 16;
        m_lastBit = m_lastByte * 8;
    }
    const int index = m_currentBit >> 3;
    const int shift = m_currentBit & 7;
    std::uint32_t bits = std::uint32_t(m_buffer[index]) | (std::uint32_t(m_buffer[index + 1]) << 8);
    // The third byte only when the code reaches into it: it then lies inside the block.
    if (shift + m_codeSize > 16)
        bits |= std::uint32_t(m_buffer[index + 2]) << 16;
    m_currentBit += m_codeSize;
    return int((bits >> shift) & ((1u << m_codeSize) - 1));
}

std::int64_t LzwDecoder::Decode(std::uint8_t *pixels, std::int64_t width, std::int64_t height, bool interlaced)
{
    RowCursor out(pixels, width, height, interlaced);
    int oldCode = -1;
    int firstCode = 0;
    bool afterClear = true; // the data starts as if after a clear code
    while (!out.Done()) {
        int code = NextCode();
        if (m_trace && code >= 0)
            m_trace(code, m_codeSize, m_maxCode);
        if (code < 0)
            break;
        if (code == m_clearCode) {
            ResetTable();
            afterClear = true;
            continue;
        }
        if (code == m_endCode)
            break;
        if (afterClear) {
            // Only a root code may follow a clear code; anything else would plant a table entry
            // that refers to codes not yet defined.
            if (code > m_clearCode) {
                Warn(GIFText::InvalidData);
                break;
            }
            afterClear = false;
            firstCode = oldCode = code;
            out.Put(std::uint8_t(code));
            continue;
        }
        if (code > m_maxCode) {
            Warn(GIFText::InvalidData);
            break;
        }
        const int inCode = code;
        int sp = 0;
        if (code == m_maxCode) {
            // KwKwK: the string of the previous code plus its own first pixel.
            m_stack[sp++] = std::uint8_t(firstCode);
            code = oldCode;
        }
        while (code >= m_clearCode) {
            if (sp >= kGIFMaxCodes - 1)
                throw GIFException(GIFText::CircularTableEntry);
            m_stack[sp++] = m_suffix[code];
            code = m_prefix[code];
        }
        firstCode = m_suffix[code];
        m_stack[sp++] = std::uint8_t(firstCode);
        if (m_maxCode < kGIFMaxCodes) {
            m_prefix[m_maxCode] = std::uint16_t(oldCode);
            m_suffix[m_maxCode] = std::uint8_t(firstCode);
            ++m_maxCode;
            if (m_maxCode >= m_maxCodeSize && m_maxCodeSize < kGIFMaxCodes) {
                m_maxCodeSize *= 2;
                ++m_codeSize;
            }
        }
        oldCode = inCode;
        while (sp > 0 && !out.Done())
            out.Put(m_stack[--sp]);
    }
    return out.Written();
}

void LzwDecoder::SkipRest() noexcept
{
    if (!m_zeroBlock)
        m_input.SkipSubBlocks();
    m_zeroBlock = true;
    m_getDone = true;
}

void LzwDecoder::FillFrom(std::uint8_t *pixels, std::int64_t width, std::int64_t height, bool interlaced,
                          std::int64_t position, std::uint8_t value)
{
    RowCursor(pixels, width, height, interlaced).FillFrom(position, value);
}
