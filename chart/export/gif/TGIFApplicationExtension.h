// Application extensions: an 11-byte identifier and data sub-blocks. The looping extension is understood;
// any other is kept block by block and written back unchanged.
#pragma once

#include "TGIFExtension.h"

#include <array>
#include <cstdint>
#include <vector>

class TGIFApplicationExtension : public TGIFExtension
{
public:
    using Identifier = std::array<std::uint8_t, 11>;

    explicit TGIFApplicationExtension(TGIFSubImage *frame);

    std::uint8_t ExtensionType() const override { return bsApplicationExtension; }
    const Identifier &ApplicationIdentifier() const { return m_identifier; }
    void SetApplicationIdentifier(const Identifier &value) { m_identifier = value; }

    // Creates the class for the application extension at the stream (after introducer and label).
    static std::unique_ptr<TGIFExtension> GetApplicationClass(const GIFInput &stream, TGIFSubImage *frame);

protected:
    void LoadData(GIFInput &stream) override;
    void SaveData(GIFOutput &stream) const override;
    // The data sub-blocks after the identifier, up to and including the zero block.
    virtual void LoadAppData(GIFInput &stream) = 0;
    virtual void SaveAppData(GIFOutput &stream) const = 0;
    void CopyIdentifierTo(TGIFApplicationExtension &copy) const;

    Identifier m_identifier{};
    // 11, or 10 for the files that announce one byte less and still carry 11.
    int m_blockSize = 11;
};

// "NETSCAPE2.0" and "ANIMEXTS1.0": loop count, optional buffer size.
class TGIFAppExtNSLoop : public TGIFApplicationExtension
{
public:
    explicit TGIFAppExtNSLoop(TGIFSubImage *frame);
    std::unique_ptr<TGIFExtension> Clone(TGIFSubImage *frame) const override;

    // 0 loops for ever.
    int Loops = 0;
    std::uint32_t BufferSize = 0;

protected:
    void LoadAppData(GIFInput &stream) override;
    void SaveAppData(GIFOutput &stream) const override;
};

struct TGIFBlock
{
    std::vector<std::uint8_t> Data;
};

class TGIFUnknownAppExtension : public TGIFApplicationExtension
{
public:
    using TGIFApplicationExtension::TGIFApplicationExtension;
    std::unique_ptr<TGIFExtension> Clone(TGIFSubImage *frame) const override;
    const std::vector<TGIFBlock> &Blocks() const { return m_blocks; }
    std::vector<TGIFBlock> &Blocks() { return m_blocks; }

protected:
    void LoadAppData(GIFInput &stream) override;
    void SaveAppData(GIFOutput &stream) const override;

private:
    std::vector<TGIFBlock> m_blocks;
};
