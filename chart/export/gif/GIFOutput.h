// Byte sink for writing GIF files: the whole file is built in memory and written at once.
#pragma once

#include <cstdint>
#include <vector>

class GIFOutput
{
public:
    void WriteByte(int value) { m_bytes.push_back(std::uint8_t(value)); }
    void WriteWord(int value)
    {
        m_bytes.push_back(std::uint8_t(value & 0xFF));
        m_bytes.push_back(std::uint8_t((value >> 8) & 0xFF));
    }
    void Write(const void *data, std::int64_t size)
    {
        const auto *bytes = static_cast<const std::uint8_t *>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }
    const std::vector<std::uint8_t> &Bytes() const { return m_bytes; }
    std::vector<std::uint8_t> &Bytes() { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};
