// Application extensions.
#include "TGIFApplicationExtension.h"

#include "GIFException.h"
#include "GIFInput.h"
#include "GIFOutput.h"
#include "GIFText.h"

#include <cstring>

namespace {

constexpr char kNetscape[] = "NETSCAPE2.0";
constexpr char kAnimExts[] = "ANIMEXTS1.0";

bool sameIdentifier(const std::uint8_t *bytes, const char *name)
{
    return std::memcmp(bytes, name, 11) == 0;
}

} // namespace

TGIFApplicationExtension::TGIFApplicationExtension(TGIFSubImage *frame)
    : TGIFExtension(frame)
{
}

std::unique_ptr<TGIFExtension> TGIFApplicationExtension::GetApplicationClass(const GIFInput &stream,
                                                                             TGIFSubImage *frame)
{
    GIFInput peek = stream;
    const int blockSize = peek.ReadByte();
    std::uint8_t identifier[11] = {};
    peek.Read(identifier, 11);
    if (blockSize != 10 && (sameIdentifier(identifier, kNetscape) || sameIdentifier(identifier, kAnimExts)))
        return std::make_unique<TGIFAppExtNSLoop>(frame);
    return std::make_unique<TGIFUnknownAppExtension>(frame);
}

void TGIFApplicationExtension::LoadData(GIFInput &stream)
{
    const int blockSize = stream.ReadCheckedByte();
    if (blockSize < 10)
        throw GIFException(GIFText::BadAppExtensionSize);
    stream.ReadCheck(m_identifier.data(), 11);
    if (blockSize == 10) {
        // The eleventh byte read is the first sub-block's length.
        stream.StepBack();
        m_blockSize = 10;
    } else {
        stream.Skip(blockSize - 11);
        m_blockSize = 11;
    }
    LoadAppData(stream);
}

void TGIFApplicationExtension::SaveData(GIFOutput &stream) const
{
    stream.WriteByte(m_blockSize);
    stream.Write(m_identifier.data(), m_blockSize);
    SaveAppData(stream);
}

void TGIFApplicationExtension::CopyIdentifierTo(TGIFApplicationExtension &copy) const
{
    copy.m_identifier = m_identifier;
    copy.m_blockSize = m_blockSize;
}

TGIFAppExtNSLoop::TGIFAppExtNSLoop(TGIFSubImage *frame)
    : TGIFApplicationExtension(frame)
{
    std::memcpy(m_identifier.data(), kNetscape, 11);
}

std::unique_ptr<TGIFExtension> TGIFAppExtNSLoop::Clone(TGIFSubImage *frame) const
{
    auto copy = std::make_unique<TGIFAppExtNSLoop>(frame);
    CopyIdentifierTo(*copy);
    copy->Loops = Loops;
    copy->BufferSize = BufferSize;
    return copy;
}

void TGIFAppExtNSLoop::LoadAppData(GIFInput &stream)
{
    for (;;) {
        const int length = stream.ReadByte();
        if (length <= 0)
            return;
        const std::int64_t end = stream.Position() + length;
        const int id = stream.ReadCheckedByte() & 7;
        if (id == 1) {
            if (length < 3)
                throw GIFException(GIFText::InvalidData);
            Loops = stream.ReadWord();
        } else if (id == 2) {
            if (length < 5)
                throw GIFException(GIFText::InvalidData);
            std::uint8_t size[4];
            stream.ReadCheck(size, 4);
            BufferSize = std::uint32_t(size[0]) | (std::uint32_t(size[1]) << 8) | (std::uint32_t(size[2]) << 16)
                | (std::uint32_t(size[3]) << 24);
        }
        stream.Seek(end);
    }
}

void TGIFAppExtNSLoop::SaveAppData(GIFOutput &stream) const
{
    stream.WriteByte(3);
    stream.WriteByte(1);
    stream.WriteWord(Loops);
    if (BufferSize != 0) {
        stream.WriteByte(5);
        stream.WriteByte(2);
        for (int shift = 0; shift < 32; shift += 8)
            stream.WriteByte(int((BufferSize >> shift) & 0xFF));
    }
    stream.WriteByte(0);
}

std::unique_ptr<TGIFExtension> TGIFUnknownAppExtension::Clone(TGIFSubImage *frame) const
{
    auto copy = std::make_unique<TGIFUnknownAppExtension>(frame);
    CopyIdentifierTo(*copy);
    copy->m_blocks = m_blocks;
    return copy;
}

void TGIFUnknownAppExtension::LoadAppData(GIFInput &stream)
{
    m_blocks.clear();
    for (;;) {
        const int length = stream.ReadCheckedByte();
        if (length == 0)
            return;
        TGIFBlock block;
        block.Data.resize(std::size_t(length));
        stream.ReadCheck(block.Data.data(), length);
        m_blocks.push_back(std::move(block));
    }
}

void TGIFUnknownAppExtension::SaveAppData(GIFOutput &stream) const
{
    for (const TGIFBlock &block : m_blocks) {
        stream.WriteByte(int(block.Data.size()));
        stream.Write(block.Data.data(), std::int64_t(block.Data.size()));
    }
    stream.WriteByte(0);
}
