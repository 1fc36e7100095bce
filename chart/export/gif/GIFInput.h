// Reading cursor over a GIF file held in memory; positions and sizes are 64-bit.
#pragma once

#include "GIFException.h"
#include "GIFText.h"

#include <cstdint>
#include <cstring>

class GIFInput
{
public:
    GIFInput(const std::uint8_t *data, std::int64_t size)
        : m_data(data)
        , m_size(size < 0 ? 0 : size)
    {
    }

    std::int64_t Position() const { return m_position; }
    std::int64_t Size() const { return m_size; }
    std::int64_t Remaining() const { return m_size - m_position; }
    bool AtEnd() const { return m_position >= m_size; }
    void Seek(std::int64_t position) { m_position = position < 0 ? 0 : (position > m_size ? m_size : position); }
    void StepBack() { Seek(m_position - 1); }

    // The next byte, or -1 at the end.
    int ReadByte() { return m_position < m_size ? m_data[m_position++] : -1; }
    int PeekByte() const { return m_position < m_size ? m_data[m_position] : -1; }

    // Exact reads: fewer bytes than asked raise "Premature end of data".
    std::uint8_t ReadCheckedByte()
    {
        const int value = ReadByte();
        if (value < 0)
            throw GIFException(GIFText::PrematureEnd);
        return std::uint8_t(value);
    }
    void ReadCheck(void *buffer, std::int64_t size)
    {
        if (size > Remaining())
            throw GIFException(GIFText::PrematureEnd);
        std::memcpy(buffer, m_data + m_position, std::size_t(size));
        m_position += size;
    }
    int ReadWord()
    {
        const int low = ReadCheckedByte();
        return low | (ReadCheckedByte() << 8);
    }

    // Copies up to size bytes; returns how many there were.
    std::int64_t Read(void *buffer, std::int64_t size)
    {
        const std::int64_t n = size < Remaining() ? size : Remaining();
        if (n > 0)
            std::memcpy(buffer, m_data + m_position, std::size_t(n));
        m_position += n;
        return n;
    }
    void Skip(std::int64_t count) { Seek(m_position + (count < 0 ? 0 : count)); }

    // Skips data sub-blocks up to and including the zero block; the end of the data ends it too. Never throws.
    void SkipSubBlocks() noexcept
    {
        for (;;) {
            const int length = ReadByte();
            if (length <= 0)
                return;
            Skip(length);
        }
    }

private:
    const std::uint8_t *m_data = nullptr;
    std::int64_t m_size = 0;
    std::int64_t m_position = 0;
};
