// Graphic control extension.
#include "TGIFGraphicControlExtension.h"

#include "GIFInput.h"
#include "GIFOutput.h"
#include "GIFText.h"
#include "TGIFColorMap.h"
#include "TGIFSubImage.h"

TGIFGraphicControlExtension::TGIFGraphicControlExtension(TGIFSubImage *frame)
    : TGIFExtension(frame)
{
}

TGIFGraphicControlExtension::~TGIFGraphicControlExtension()
{
    if (m_frame)
        m_frame->ExtensionDestroyed(this);
}

std::unique_ptr<TGIFExtension> TGIFGraphicControlExtension::Clone(TGIFSubImage *frame) const
{
    auto copy = std::make_unique<TGIFGraphicControlExtension>(frame);
    copy->m_packedFields = m_packedFields;
    copy->m_delay = m_delay;
    copy->m_transparentColorIndex = m_transparentColorIndex;
    return copy;
}

void TGIFGraphicControlExtension::SetTransparent(bool value)
{
    m_packedFields = std::uint8_t(value ? m_packedFields | 1 : m_packedFields & ~1);
    if (m_frame && m_frame->GraphicControlExtension() == this)
        m_frame->SetTransparent(value);
}

void TGIFGraphicControlExtension::SetTransparentColorIndex(int value)
{
    const TGIFColorMap *map = m_frame ? m_frame->ActiveColorMap() : nullptr;
    if (map && map->Count() != 0 && value >= map->Count()) {
        Warning(gsWarning, GIFText::InvalidColorIndex);
        value = 0;
    }
    m_transparentColorIndex = value & 0xFF;
}

void TGIFGraphicControlExtension::LoadData(GIFInput &stream)
{
    std::uint8_t block[4];
    ReadFixedBlock(stream, *this, block, 4);
    m_packedFields = block[0];
    m_delay = block[1] | (block[2] << 8);
    // Stored as read: the frame's local map comes after its extensions, so the map this index belongs
    // to is not known yet, and other readers take any index.
    SetRawTransparentColorIndex(block[3]);
    // Normally just the terminator; anything else is skipped as sub-blocks.
    stream.SkipSubBlocks();
}

void TGIFGraphicControlExtension::SaveData(GIFOutput &stream) const
{
    stream.WriteByte(4);
    stream.WriteByte(m_packedFields);
    stream.WriteWord(m_delay);
    stream.WriteByte(m_transparentColorIndex);
    stream.WriteByte(0);
}
