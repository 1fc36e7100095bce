// A frame's pixel bytes. Zero-filled memory comes from calloc, so the pages of a large frame that a short
// or hostile file never writes are never touched.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

class PixelBuffer
{
public:
    PixelBuffer() = default;
    // Allocates size bytes, all set to fill.
    PixelBuffer(std::int64_t size, std::uint8_t fill);

    bool IsNull() const { return !m_data; }
    std::int64_t Size() const { return m_size; }
    std::uint8_t *Data() { return m_data.get(); }
    const std::uint8_t *Data() const { return m_data.get(); }
    PixelBuffer Copy() const;

private:
    struct Free
    {
        void operator()(std::uint8_t *p) const { std::free(p); }
    };
    std::unique_ptr<std::uint8_t, Free> m_data;
    std::int64_t m_size = 0;
};
