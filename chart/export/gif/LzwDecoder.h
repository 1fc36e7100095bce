// Variable-code-size LZW decoder of one GIF frame. All its state (bit buffer, tables, pixel stack) lives
// in the object, which the caller keeps on its stack for the one frame.
#pragma once

#include "GIFTypes.h"

#include <cstdint>
#include <functional>

class GIFInput;

class LzwDecoder
{
public:
    // Sees every code as read: the code, its width in bits and the next free table code at that moment.
    using CodeTrace = std::function<void(int code, int codeSize, int nextFreeCode)>;

    // initialCodeSize must be 1 to 11; the caller checks the byte it read.
    LzwDecoder(GIFInput &input, int initialCodeSize, GIFWarningSink warning);

    // Fills width x height pixels (rows in the four interlace passes when interlaced) until the data
    // end; pixels never reached keep what the buffer held. Corrupt codes end the frame with the warning
    // "Invalid GIF data"; a table chain longer than the table raises "Circular decoder table entry".
    // Returns the number of pixels written.
    std::int64_t Decode(std::uint8_t *pixels, std::int64_t width, std::int64_t height, bool interlaced);

    // Reads past the remaining data sub-blocks and the zero block. Never throws.
    void SkipRest() noexcept;

    // Sets every pixel from position on, counted in the order Decode fills them, to value.
    static void FillFrom(std::uint8_t *pixels, std::int64_t width, std::int64_t height, bool interlaced,
                         std::int64_t position, std::uint8_t value);

    void SetTrace(CodeTrace trace) { m_trace = std::move(trace); }

private:
    int NextCode();
    void Warn(const char *message) const;
    void ResetTable();

    GIFInput &m_input;
    GIFWarningSink m_warning;
    CodeTrace m_trace;

    int m_initialCodeSize = 0;
    int m_clearCode = 0;
    int m_endCode = 0;
    int m_codeSize = 0;
    int m_maxCode = 0;
    int m_maxCodeSize = 0;

    // Two bytes kept from the previous sub-block, one sub-block, and one spare byte the code assembly
    // may touch; zeroed so that it never reads stale memory.
    std::uint8_t m_buffer[2 + 255 + 1] = {};
    int m_currentBit = 0;
    int m_lastBit = 0;
    int m_lastByte = 2;
    bool m_getDone = false;
    bool m_zeroBlock = false;

    std::uint16_t m_prefix[kGIFMaxCodes] = {};
    std::uint8_t m_suffix[kGIFMaxCodes] = {};
    std::uint8_t m_stack[kGIFMaxCodes] = {};
};
