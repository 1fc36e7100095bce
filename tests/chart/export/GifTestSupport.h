// Shared helpers of the GIF codec tests: random frames, code streams built by hand, and the independent
// readers (ImageMagick, netpbm, gifsicle, giflib tools) run as processes.
#pragma once

#include "ExternalTool.h"
#include "GIFTypes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>
#include <vector>

class TGIFImage;

namespace GifTest {

using ::ToolResult;
using ::runTool;
// gifsicle --info must accept every file the tests write.
void expectGifsicleAccepts(const QByteArray &gif);
// Saves through the model and checks the bytes with gifsicle.
QByteArray saveChecked(TGIFImage &image);

// R, G, B bytes of the first frame as an independent reader decodes it.
std::vector<std::uint8_t> decodeWithConvert(const QByteArray &gif);
std::vector<std::uint8_t> decodeWithGiftopnm(const QByteArray &gif);

// Pixel indices of a frame: runs of random length mixed with noise, below 2^bits.
std::vector<std::uint8_t> randomIndices(std::mt19937 &rng, int width, int height, int bits);
// A palette of 2^bits distinct colours, so that indices and colours map one to one.
TGIFPalette distinctPalette(int bits);
std::vector<std::uint8_t> toRgb(const std::vector<std::uint8_t> &indices, const TGIFPalette &palette);

// One frame with a local map, given pixels, optional interlace.
QByteArray writeFrame(const std::vector<std::uint8_t> &indices, int width, int height, const TGIFPalette &palette,
                      int compression, bool interlaced);

// Packs codes the way a decoder reads them: the width follows the decoder's table, which grows by one
// entry per code after the first following a clear, up to 4096 entries.
class CodeStream
{
public:
    explicit CodeStream(int initialCodeSize);
    void code(int value);
    void clear();
    int nextFree() const { return m_nextFree; }
    // Code size byte, sub-blocks of at most 255 bytes and the zero block.
    QByteArray bytes() const;

private:
    int m_initialCodeSize;
    int m_width;
    int m_nextFree;
    bool m_afterClear = true;
    std::uint32_t m_bucket = 0;
    int m_bits = 0;
    std::vector<std::uint8_t> m_data;
};

// Code size byte, the data in sub-blocks of at most blockSize bytes, and the zero block.
QByteArray packSubBlocks(int codeSize, const std::vector<std::uint8_t> &data, std::size_t blockSize = 255);

// A minimal file around one frame's compressed data: screen = frame, global map of 2^bits greys.
QByteArray wrapFrameData(int width, int height, int bits, const QByteArray &data, bool interlaced = false);

} // namespace GifTest
