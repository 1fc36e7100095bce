// GIF extension base and lookup.
#include "TGIFExtension.h"

#include "GIFException.h"
#include "GIFInput.h"
#include "GIFOutput.h"
#include "GIFText.h"
#include "TGIFApplicationExtension.h"
#include "TGIFGraphicControlExtension.h"
#include "TGIFSubImage.h"
#include "TGIFTextExtension.h"

#include <algorithm>
#include <cstring>

TGIFExtension::TGIFExtension(TGIFSubImage *frame)
    : TGIFItem(frame ? frame->Image() : nullptr)
    , m_frame(frame)
{
}

void TGIFExtension::LoadFromStream(GIFInput &stream)
{
    if (stream.ReadCheckedByte() != bsExtensionIntroducer)
        throw GIFException(GIFText::BadExtensionIntroducer);
    if (stream.ReadCheckedByte() != ExtensionType())
        throw GIFException(GIFText::ExtensionMismatch);
    LoadData(stream);
}

void TGIFExtension::SaveToStream(GIFOutput &stream) const
{
    stream.WriteByte(bsExtensionIntroducer);
    stream.WriteByte(ExtensionType());
    SaveData(stream);
}

std::unique_ptr<TGIFExtension> TGIFExtension::GetExtensionClass(const GIFInput &stream, TGIFSubImage *frame)
{
    GIFInput peek = stream;
    peek.ReadByte();
    switch (peek.ReadByte()) {
    case bsGraphicControlExtension:
        return std::make_unique<TGIFGraphicControlExtension>(frame);
    case bsPlainTextExtension:
        return std::make_unique<TGIFTextExtension>(frame);
    case bsCommentExtension:
        return std::make_unique<TGIFCommentExtension>(frame);
    case bsApplicationExtension:
        return TGIFApplicationExtension::GetApplicationClass(peek, frame);
    default:
        return nullptr;
    }
}

std::vector<std::string> TGIFExtension::ReadStrings(GIFInput &stream, const TGIFItem &item)
{
    std::vector<std::string> strings;
    for (;;) {
        const int length = stream.ReadByte();
        if (length < 0) {
            item.Warning(gsWarning, GIFText::PrematureEnd);
            break;
        }
        if (length == 0)
            break;
        std::string text(std::size_t(length), '\0');
        const std::int64_t got = stream.Read(text.data(), length);
        if (got < length) {
            item.Warning(gsWarning, GIFText::PrematureEnd);
            text.resize(std::size_t(got));
            strings.push_back(std::move(text));
            break;
        }
        strings.push_back(std::move(text));
    }
    return strings;
}

void TGIFExtension::WriteStrings(GIFOutput &stream, const std::vector<std::string> &strings)
{
    for (const std::string &text : strings) {
        for (std::size_t start = 0; start < text.size(); start += 255) {
            const std::size_t n = std::min<std::size_t>(255, text.size() - start);
            stream.WriteByte(int(n));
            stream.Write(text.data() + start, std::int64_t(n));
        }
    }
    stream.WriteByte(0);
}

void TGIFExtension::ReadFixedBlock(GIFInput &stream, const TGIFItem &item, std::uint8_t *block, int expectedSize)
{
    std::memset(block, 0, std::size_t(expectedSize));
    const int size = stream.ReadCheckedByte();
    const int wanted = std::min(size, expectedSize);
    const std::int64_t got = stream.Read(block, wanted);
    if (got < expectedSize) {
        item.Warning(gsWarning, GIFText::PrematureEnd);
    } else if (size != expectedSize) {
        // A block of another size would put the stream out of step: skip what is left of it.
        item.Warning(gsWarning, GIFText::InvalidData);
        stream.Skip(size - expectedSize);
    }
}
