// Graphic control extension: disposal method, user input flag, delay and transparent colour of a frame.
#pragma once

#include "TGIFExtension.h"

class TGIFGraphicControlExtension : public TGIFExtension
{
public:
    explicit TGIFGraphicControlExtension(TGIFSubImage *frame);
    ~TGIFGraphicControlExtension() override;

    std::uint8_t ExtensionType() const override { return bsGraphicControlExtension; }
    std::unique_ptr<TGIFExtension> Clone(TGIFSubImage *frame) const override;

    // 0 unspecified, 1 leave, 2 restore background, 3 restore previous.
    int Disposal() const { return (m_packedFields >> 2) & 7; }
    void SetDisposal(int value) { m_packedFields = std::uint8_t((m_packedFields & ~0x1C) | ((value & 7) << 2)); }
    bool UserInput() const { return m_packedFields & 2; }
    void SetUserInput(bool value) { m_packedFields = std::uint8_t(value ? m_packedFields | 2 : m_packedFields & ~2); }
    bool Transparent() const { return m_packedFields & 1; }
    void SetTransparent(bool value);
    // Hundredths of a second.
    int Delay() const { return m_delay; }
    void SetDelay(int value) { m_delay = value & 0xFFFF; }
    int TransparentColorIndex() const { return m_transparentColorIndex; }
    // Checks the index against the frame's active map: at or above a non-zero count warns and stores 0.
    void SetTransparentColorIndex(int value);
    // Stores the index unchecked, for remapping after a colour map was reordered.
    void SetRawTransparentColorIndex(int value) { m_transparentColorIndex = value & 0xFF; }

protected:
    void LoadData(GIFInput &stream) override;
    void SaveData(GIFOutput &stream) const override;

private:
    std::uint8_t m_packedFields = 0;
    int m_delay = 0;
    int m_transparentColorIndex = 0;
};
