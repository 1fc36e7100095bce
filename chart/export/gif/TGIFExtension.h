// Base of the GIF extensions (introducer 0x21, a label, the label's data) and the class lookup by label.
#pragma once

#include "TGIFItem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TGIFSubImage;

// Extension labels.
inline constexpr std::uint8_t bsPlainTextExtension = 0x01;
inline constexpr std::uint8_t bsGraphicControlExtension = 0xF9;
inline constexpr std::uint8_t bsCommentExtension = 0xFE;
inline constexpr std::uint8_t bsApplicationExtension = 0xFF;
inline constexpr std::uint8_t bsExtensionIntroducer = 0x21;
inline constexpr std::uint8_t bsImageSeparator = 0x2C;
inline constexpr std::uint8_t bsTrailer = 0x3B;

class TGIFExtension : public TGIFItem
{
public:
    explicit TGIFExtension(TGIFSubImage *frame);

    TGIFSubImage *SubImage() const { return m_frame; }
    virtual std::uint8_t ExtensionType() const = 0;
    // Every extension needs the 89a format.
    TGIFVersion GetVersion() const override { return gv89a; }

    // Reads the introducer and label (which must match this class) and the data.
    void LoadFromStream(GIFInput &stream) override;
    // Writes introducer, label and data.
    void SaveToStream(GIFOutput &stream) const override;

    // A copy of this extension for another frame.
    virtual std::unique_ptr<TGIFExtension> Clone(TGIFSubImage *frame) const = 0;

    // Creates the extension that the stream holds next (introducer and label not yet read);
    // nullptr for a label no class handles.
    static std::unique_ptr<TGIFExtension> GetExtensionClass(const GIFInput &stream, TGIFSubImage *frame);

protected:
    virtual void LoadData(GIFInput &stream) = 0;
    virtual void SaveData(GIFOutput &stream) const = 0;

    // A list of strings, one per sub-block, up to the zero block.
    static std::vector<std::string> ReadStrings(GIFInput &stream, const TGIFItem &item);
    static void WriteStrings(GIFOutput &stream, const std::vector<std::string> &strings);
    // Reads a fixed block of expectedSize bytes announced by its size byte; a different size is read
    // as far as it fits, the rest skipped, with a warning.
    static void ReadFixedBlock(GIFInput &stream, const TGIFItem &item, std::uint8_t *block, int expectedSize);

    TGIFSubImage *m_frame = nullptr;
};
