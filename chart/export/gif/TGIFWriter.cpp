// Sub-block writer of the GIF encoders.
#include "TGIFWriter.h"

#include "GIFOutput.h"

void TGIFWriter::Write(const void *buffer, std::int64_t count)
{
    const auto *bytes = static_cast<const std::uint8_t *>(buffer);
    for (std::int64_t i = 0; i < count; ++i)
        WriteByte(bytes[i]);
}

void TGIFWriter::FlushBuffer()
{
    if (m_used <= 1)
        return;
    m_buffer[0] = std::uint8_t(m_used - 1);
    m_stream.Write(m_buffer, m_used);
    m_used = 1;
}
