// Plain text and comment extensions.
#include "TGIFTextExtension.h"

#include "GIFInput.h"
#include "GIFOutput.h"

std::unique_ptr<TGIFExtension> TGIFTextExtension::Clone(TGIFSubImage *frame) const
{
    auto copy = std::make_unique<TGIFTextExtension>(frame);
    copy->m_text = m_text;
    copy->Left = Left;
    copy->Top = Top;
    copy->GridWidth = GridWidth;
    copy->GridHeight = GridHeight;
    copy->CellWidth = CellWidth;
    copy->CellHeight = CellHeight;
    copy->ForegroundColorIndex = ForegroundColorIndex;
    copy->BackgroundColorIndex = BackgroundColorIndex;
    return copy;
}

void TGIFTextExtension::LoadData(GIFInput &stream)
{
    std::uint8_t block[12];
    ReadFixedBlock(stream, *this, block, 12);
    Left = block[0] | (block[1] << 8);
    Top = block[2] | (block[3] << 8);
    GridWidth = block[4] | (block[5] << 8);
    GridHeight = block[6] | (block[7] << 8);
    CellWidth = block[8];
    CellHeight = block[9];
    ForegroundColorIndex = block[10];
    BackgroundColorIndex = block[11];
    m_text = ReadStrings(stream, *this);
}

void TGIFTextExtension::SaveData(GIFOutput &stream) const
{
    stream.WriteByte(12);
    stream.WriteWord(Left);
    stream.WriteWord(Top);
    stream.WriteWord(GridWidth);
    stream.WriteWord(GridHeight);
    stream.WriteByte(CellWidth);
    stream.WriteByte(CellHeight);
    stream.WriteByte(ForegroundColorIndex);
    stream.WriteByte(BackgroundColorIndex);
    WriteStrings(stream, m_text);
}

std::unique_ptr<TGIFExtension> TGIFCommentExtension::Clone(TGIFSubImage *frame) const
{
    auto copy = std::make_unique<TGIFCommentExtension>(frame);
    copy->m_text = m_text;
    return copy;
}

void TGIFCommentExtension::LoadData(GIFInput &stream)
{
    m_text = ReadStrings(stream, *this);
}

void TGIFCommentExtension::SaveData(GIFOutput &stream) const
{
    WriteStrings(stream, m_text);
}
