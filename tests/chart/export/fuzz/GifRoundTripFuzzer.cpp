// libFuzzer target: decode, re-encode with LZW and with RLE, decode again; the pixels must not change.
// Input: width byte, height byte, interlace byte, then a code size byte and data sub-blocks.
#include "GIFException.h"
#include "GIFInput.h"
#include "GIFOutput.h"
#include "LzwDecoder.h"
#include "TLZWEncoder.h"
#include "TRLEEncoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

std::vector<std::uint8_t> decode(const std::uint8_t *data, std::size_t size, int width, int height, bool interlaced,
                                 int &codeSize)
{
    std::vector<std::uint8_t> pixels(std::size_t(width) * std::size_t(height), 0);
    GIFInput input(data, std::int64_t(size));
    codeSize = input.ReadByte();
    if (codeSize < 1 || codeSize > 11)
        return {};
    LzwDecoder decoder(input, codeSize, nullptr);
    try {
        decoder.Decode(pixels.data(), width, height, interlaced);
    } catch (const GIFException &) {
    }
    decoder.SkipRest();
    return pixels;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    const int width = 1 + data[0] % 128;
    const int height = 1 + data[1] % 128;
    const bool interlaced = data[2] & 1;
    int codeSize = 0;
    const std::vector<std::uint8_t> first = decode(data + 3, size - 3, width, height, interlaced, codeSize);
    if (first.empty() || codeSize > 8)
        return 0; // frames hold bytes: wider root codes cannot be written back
    for (int compression = 0; compression < 2; ++compression) {
        GIFOutput out;
        if (compression == 0)
            TLZWEncoder().Compress(out, codeSize, width, height, interlaced, first.data(), 1 << codeSize);
        else
            TRLEEncoder().Compress(out, codeSize, width, height, interlaced, first.data(), 1 << codeSize);
        int again = 0;
        if (decode(out.Bytes().data(), out.Bytes().size(), width, height, interlaced, again) != first)
            std::abort();
    }
    return 0;
}
