// Frame pixel storage.
#include "PixelBuffer.h"

#include <cstring>
#include <new>

PixelBuffer::PixelBuffer(std::int64_t size, std::uint8_t fill)
    : m_size(size)
{
    m_data.reset(static_cast<std::uint8_t *>(std::calloc(std::size_t(size > 0 ? size : 1), 1)));
    if (!m_data)
        throw std::bad_alloc();
    if (fill != 0)
        std::memset(m_data.get(), fill, std::size_t(size));
}

PixelBuffer PixelBuffer::Copy() const
{
    PixelBuffer copy(m_size, 0);
    if (m_size > 0)
        std::memcpy(copy.m_data.get(), m_data.get(), std::size_t(m_size));
    return copy;
}
