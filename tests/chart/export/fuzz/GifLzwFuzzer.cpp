// libFuzzer target: the LZW decoder alone, on a code size byte and data sub-blocks.
#include "GIFException.h"
#include "GIFInput.h"
#include "LzwDecoder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    GIFInput input(data, std::int64_t(size));
    const int codeSize = input.ReadByte();
    if (codeSize < 1 || codeSize > 11)
        return 0;
    std::vector<std::uint8_t> pixels(128 * 128);
    LzwDecoder decoder(input, codeSize, nullptr);
    try {
        decoder.Decode(pixels.data(), 128, 128, size % 2 == 1);
    } catch (const GIFException &) {
    }
    decoder.SkipRest();
    return 0;
}
