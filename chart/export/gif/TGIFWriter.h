// Packs bytes into GIF data sub-blocks: every block but the last holds 255 bytes.
#pragma once

#include <cstdint>

class GIFOutput;

class TGIFWriter
{
public:
    explicit TGIFWriter(GIFOutput &stream)
        : m_stream(stream)
    {
    }

    void WriteByte(std::uint8_t value)
    {
        m_buffer[m_used++] = value;
        if (m_used == sizeof(m_buffer))
            FlushBuffer();
    }
    void Write(const void *buffer, std::int64_t count);
    // Writes the filled part of the buffer as one sub-block (length byte = bytes used).
    void FlushBuffer();

private:
    GIFOutput &m_stream;
    // Byte 0 is the sub-block's length.
    std::uint8_t m_buffer[256] = {};
    int m_used = 1;
};
