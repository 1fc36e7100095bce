// Helpers of the GIF codec tests.
#include "GifTestSupport.h"

#include "TGIFImage.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace GifTest {

void expectGifsicleAccepts(const QByteArray &gif)
{
    const ToolResult result = runTool(QStringLiteral("gifsicle"), {QStringLiteral("--info")}, gif);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
}

QByteArray saveChecked(TGIFImage &image)
{
    const QByteArray bytes = image.SaveToData();
    expectGifsicleAccepts(bytes);
    return bytes;
}

std::vector<std::uint8_t> decodeWithConvert(const QByteArray &gif)
{
    // Only the first frame: [0] selects it.
    const ToolResult result = runTool(QStringLiteral("convert"), {QStringLiteral("gif:-[0]"), QStringLiteral("rgb:-")}, gif);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return {result.out.begin(), result.out.end()};
}

std::vector<std::uint8_t> decodeWithGiftopnm(const QByteArray &gif)
{
    const ToolResult result = runTool(QStringLiteral("giftopnm"), {}, gif);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    // "P6\n<w> <h>\n<max>\n" then the samples; a 2-colour grey file may come as P5 or P4 otherwise,
    // which the palettes of these tests avoid.
    const QByteArray &ppm = result.out;
    int fields = 0;
    qsizetype i = 0;
    while (i < ppm.size() && fields < 4) {
        while (i < ppm.size() && QChar(ppm[i]).isSpace())
            ++i;
        while (i < ppm.size() && !QChar(ppm[i]).isSpace())
            ++i;
        ++fields;
    }
    EXPECT_TRUE(ppm.startsWith("P6")) << ppm.left(2).toStdString();
    return {ppm.begin() + i + 1, ppm.end()};
}

std::vector<std::uint8_t> randomIndices(std::mt19937 &rng, int width, int height, int bits)
{
    std::vector<std::uint8_t> pixels(std::size_t(width) * std::size_t(height));
    std::uniform_int_distribution<int> colour(0, (1 << bits) - 1);
    std::uniform_int_distribution<int> runLength(1, 300);
    std::bernoulli_distribution noisy(0.3);
    std::size_t i = 0;
    while (i < pixels.size()) {
        const std::size_t n = std::min<std::size_t>(std::size_t(runLength(rng)), pixels.size() - i);
        if (noisy(rng)) {
            for (std::size_t k = 0; k < n; ++k)
                pixels[i + k] = std::uint8_t(colour(rng));
        } else {
            std::fill_n(pixels.begin() + std::ptrdiff_t(i), n, std::uint8_t(colour(rng)));
        }
        i += n;
    }
    return pixels;
}

TGIFPalette distinctPalette(int bits)
{
    TGIFPalette palette;
    for (int i = 0; i < (1 << bits); ++i)
        palette.push_back({std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t((i * 37) & 0xFF)});
    return palette;
}

std::vector<std::uint8_t> toRgb(const std::vector<std::uint8_t> &indices, const TGIFPalette &palette)
{
    std::vector<std::uint8_t> rgb;
    rgb.reserve(indices.size() * 3);
    for (const std::uint8_t index : indices) {
        rgb.push_back(palette[index].Red);
        rgb.push_back(palette[index].Green);
        rgb.push_back(palette[index].Blue);
    }
    return rgb;
}

QByteArray writeFrame(const std::vector<std::uint8_t> &indices, int width, int height, const TGIFPalette &palette,
                      int compression, bool interlaced)
{
    TGIFImage image;
    image.SetCompression(compression);
    TGIFSubImage &frame = image.Add(TGIFSubImage(&image));
    frame.SetBounds(0, 0, width, height);
    frame.SetInterlaced(interlaced);
    frame.ColorMap().ImportPalette(palette);
    std::copy(indices.begin(), indices.end(), frame.Data());
    return image.SaveToData();
}

CodeStream::CodeStream(int initialCodeSize)
    : m_initialCodeSize(initialCodeSize)
    , m_width(initialCodeSize + 1)
    , m_nextFree((1 << initialCodeSize) + 2)
{
}

void CodeStream::code(int value)
{
    m_bucket |= std::uint32_t(value) << m_bits;
    m_bits += m_width;
    while (m_bits >= 8) {
        m_data.push_back(std::uint8_t(m_bucket & 0xFF));
        m_bucket >>= 8;
        m_bits -= 8;
    }
    const int clearCode = 1 << m_initialCodeSize;
    if (value == clearCode) {
        m_width = m_initialCodeSize + 1;
        m_nextFree = clearCode + 2;
        m_afterClear = true;
        return;
    }
    if (m_afterClear) {
        m_afterClear = false;
        return;
    }
    if (m_nextFree < 4096) {
        ++m_nextFree;
        if (m_nextFree >= (1 << m_width) && m_width < 12)
            ++m_width;
    }
}

void CodeStream::clear()
{
    code(1 << m_initialCodeSize);
}

QByteArray CodeStream::bytes() const
{
    std::vector<std::uint8_t> data = m_data;
    if (m_bits > 0)
        data.push_back(std::uint8_t(m_bucket & 0xFF));
    return packSubBlocks(m_initialCodeSize, data);
}

QByteArray packSubBlocks(int codeSize, const std::vector<std::uint8_t> &data, std::size_t blockSize)
{
    QByteArray out(1, char(codeSize));
    for (std::size_t start = 0; start < data.size(); start += blockSize) {
        const std::size_t n = std::min(blockSize, data.size() - start);
        out.append(char(n));
        out.append(reinterpret_cast<const char *>(data.data() + start), qsizetype(n));
    }
    out.append('\0');
    return out;
}

QByteArray wrapFrameData(int width, int height, int bits, const QByteArray &data, bool interlaced)
{
    QByteArray file("GIF89a");
    const auto word = [&file](int v) {
        file.append(char(v & 0xFF));
        file.append(char((v >> 8) & 0xFF));
    };
    word(width);
    word(height);
    file.append(char(0x80 | (bits - 1)));
    file.append('\0');
    file.append('\0');
    for (int i = 0; i < (1 << bits); ++i) {
        const char grey = char(i * 255 / ((1 << bits) - 1));
        file.append(grey);
        file.append(grey);
        file.append(grey);
    }
    file.append(char(0x2C));
    word(0);
    word(0);
    word(width);
    word(height);
    file.append(char(interlaced ? 0x40 : 0));
    file.append(data);
    file.append(char(0x3B));
    return file;
}

} // namespace GifTest
