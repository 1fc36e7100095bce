// LZW decoder, LZW and RLE encoders and the sub-block writer, checked against hand-made code streams,
// a reference encoder and the independent readers.
#include "GIFInput.h"
#include "GIFOutput.h"
#include "GifTestSupport.h"
#include "LzwDecoder.h"
#include "TGIFImage.h"
#include "TGIFWriter.h"
#include "TLZWEncoder.h"
#include "TRLEEncoder.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace GifTest;

namespace {

struct Decoded
{
    std::vector<std::uint8_t> pixels;
    std::vector<std::string> warnings;
    std::vector<std::array<int, 3>> trace; // code, code size, next free code
};

// Decodes data (code size byte + sub-blocks) into width x height pixels preset to 0xEE.
Decoded decodeData(const QByteArray &data, int width, int height, bool interlaced = false)
{
    Decoded result;
    result.pixels.assign(std::size_t(width) * std::size_t(height), 0xEE);
    GIFInput input(reinterpret_cast<const std::uint8_t *>(data.constData()), data.size());
    const int codeSize = input.ReadByte();
    LzwDecoder decoder(input, codeSize, [&result](const char *message) { result.warnings.emplace_back(message); });
    decoder.SetTrace([&result](int code, int size, int next) { result.trace.push_back({code, size, next}); });
    decoder.Decode(result.pixels.data(), width, height, interlaced);
    decoder.SkipRest();
    EXPECT_EQ(input.Position(), data.size()) << "the zero block ends the data";
    return result;
}

QByteArray encode(TGIFEncoder &&encoder, const std::vector<std::uint8_t> &pixels, int bits, int width, int height,
                  bool interlaced = false)
{
    GIFOutput out;
    encoder.Compress(out, bits, width, height, interlaced, pixels.data(), 1 << bits);
    return QByteArray(reinterpret_cast<const char *>(out.Bytes().data()), qsizetype(out.Bytes().size()));
}

std::vector<std::uint8_t> decodeWithModel(const QByteArray &gif)
{
    TGIFImage image;
    image.LoadFromData(reinterpret_cast<const std::uint8_t *>(gif.constData()), gif.size());
    const QImage rgb = image.ToImage(0).convertToFormat(QImage::Format_RGB888);
    std::vector<std::uint8_t> bytes;
    for (int y = 0; y < rgb.height(); ++y)
        bytes.insert(bytes.end(), rgb.constScanLine(y), rgb.constScanLine(y) + 3 * rgb.width());
    return bytes;
}

// R, G, B, A bytes of a frame as our model reads it: alpha 0 where the frame is transparent.
QByteArray rgbaWithModel(const TGIFImage &image, int frame)
{
    const QImage indexed = image.ToImage(frame);
    const QList<QRgb> table = indexed.colorTable();
    QByteArray rgba;
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) {
            const QRgb c = table[indexed.pixelIndex(x, y)];
            for (const int channel : {qRed(c), qGreen(c), qBlue(c), qAlpha(c)})
                rgba.append(char(channel));
        }
    return rgba;
}

// The hash-table encoder: string table of 8009 slots, probe h -> 2h mod 8009.
QByteArray referenceLzw(const std::vector<std::uint8_t> &pixels, int bitsPerPixel)
{
    const int bpp = std::max(2, bitsPerPixel);
    const int initBits = bpp + 1;
    const int clearCode = 1 << bpp;
    const int eofCode = clearCode + 1;
    std::vector<std::uint32_t> table(8009);
    int bits = initBits;
    int maxCode = (1 << bits) - 1;
    int freeEntry = 0;
    bool clearFlag = false;
    std::vector<std::uint8_t> data;
    std::uint32_t bucket = 0;
    int count = 0;
    const auto output = [&](int code) {
        bucket |= std::uint32_t(code) << count;
        count += bits;
        for (; count >= 8; count -= 8, bucket >>= 8)
            data.push_back(std::uint8_t(bucket));
        if (code == eofCode && count > 0) {
            data.push_back(std::uint8_t(bucket));
            bucket = 0;
            count = 0;
        }
        if (freeEntry > maxCode || clearFlag) {
            if (clearFlag) {
                bits = initBits;
                clearFlag = false;
            } else {
                ++bits;
            }
            maxCode = bits == 12 ? 4096 : (1 << bits) - 1;
        }
    };
    const auto clear = [&] {
        clearFlag = true;
        output(clearCode);
        std::fill(table.begin(), table.end(), 0xFFFFFFFFu);
        freeEntry = clearCode + 2;
    };
    const auto hashKey = [](std::uint32_t k) { return int(((k >> 4) ^ k) % 8009); };
    const auto nextHash = [](int h) {
        h = h != 0 ? h - (8009 - h) : h - 1;
        return h < 0 ? h + 8009 : h;
    };
    const auto lookup = [&](std::uint32_t key) {
        for (int h = hashKey(key); (table[std::size_t(h)] >> 12) != 0xFFFFF; h = nextHash(h))
            if ((table[std::size_t(h)] >> 12) == key)
                return int(table[std::size_t(h)] & 0xFFF);
        return 65535;
    };
    const auto insert = [&](std::uint32_t key, int code) {
        int h = hashKey(key);
        while ((table[std::size_t(h)] >> 12) != 0xFFFFF)
            h = nextHash(h);
        table[std::size_t(h)] = (key << 12) | std::uint32_t(code & 0xFFF);
    };
    clear();
    int prefix = pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const std::uint32_t key = (std::uint32_t(prefix) << 8) | pixels[i];
        const int code = lookup(key);
        if (code != 65535) {
            prefix = code;
            continue;
        }
        output(prefix);
        prefix = pixels[i];
        if (freeEntry >= 4095) {
            clear();
        } else {
            insert(key, freeEntry);
            ++freeEntry;
        }
    }
    output(prefix);
    output(eofCode);
    return packSubBlocks(bpp, data);
}

} // namespace

// 300 random frames over ten shards, so that CTest runs them side by side.
class GifRoundTrip : public testing::TestWithParam<int>
{
};

TEST_P(GifRoundTrip, OurFramesDecodePixelExactInEveryReader)
{
    std::mt19937 rng(1000u + unsigned(GetParam()));
    for (int n = 0; n < 30; ++n) {
        const int bits = 1 + n % 8;
        const int width = std::uniform_int_distribution<int>(1, 1000)(rng);
        const int height = std::uniform_int_distribution<int>(1, 300)(rng);
        const bool interlaced = rng() % 2;
        const std::vector<std::uint8_t> indices = randomIndices(rng, width, height, bits);
        const TGIFPalette palette = distinctPalette(bits);
        const std::vector<std::uint8_t> expected = toRgb(indices, palette);
        for (const int compression : {gcLZW, gcRLE}) {
            SCOPED_TRACE(testing::Message() << "frame " << n << ": " << width << "x" << height << ", " << bits
                                            << " bits, interlaced " << interlaced << ", compression " << compression);
            const QByteArray gif = writeFrame(indices, width, height, palette, compression, interlaced);
            expectGifsicleAccepts(gif);
            EXPECT_TRUE(decodeWithModel(gif) == expected);
            EXPECT_TRUE(decodeWithConvert(gif) == expected);
            EXPECT_TRUE(decodeWithGiftopnm(gif) == expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, GifRoundTrip, testing::Range(0, 10));

TEST(GifDecoder, ReadsWhatImageMagickAndGifsicleWrite)
{
    std::mt19937 rng(77);
    for (int n = 0; n < 8; ++n) {
        const int bits = 1 + n;
        const int width = std::uniform_int_distribution<int>(1, 400)(rng);
        const int height = std::uniform_int_distribution<int>(1, 200)(rng);
        SCOPED_TRACE(testing::Message() << width << "x" << height << ", " << bits << " bits");
        const std::vector<std::uint8_t> indices = randomIndices(rng, width, height, bits);
        const std::vector<std::uint8_t> expected = toRgb(indices, distinctPalette(bits));
        QByteArray ppm = QStringLiteral("P6\n%1 %2\n255\n").arg(width).arg(height).toLatin1();
        ppm.append(reinterpret_cast<const char *>(expected.data()), qsizetype(expected.size()));
        const ToolResult magick = runTool(QStringLiteral("convert"), {QStringLiteral("ppm:-"), QStringLiteral("gif:-")}, ppm);
        ASSERT_EQ(magick.exitCode, 0) << magick.err.toStdString();
        EXPECT_TRUE(decodeWithModel(magick.out) == expected);
        const QByteArray ours = writeFrame(indices, width, height, distinctPalette(bits), gcLZW, false);
        const QString interlace = QString::fromLatin1(n % 2 ? "--interlace" : "--no-interlace");
        const ToolResult gifsicle = runTool(QStringLiteral("gifsicle"), {QStringLiteral("-O2"), interlace}, ours);
        ASSERT_EQ(gifsicle.exitCode, 0) << gifsicle.err.toStdString();
        EXPECT_TRUE(decodeWithModel(gifsicle.out) == expected);
    }
}

TEST(GifDecoder, ReadsAnimationsThatImageMagickAndGifsicleOptimise)
{
    // Frames that share most pixels, the last in colours of its own: the writers crop frames, make unchanged
    // pixels transparent and give frames their own colour maps. Each frame must read as ImageMagick reads it.
    std::mt19937 rng(31);
    QTemporaryDir dir;
    QImage picture(90, 60, QImage::Format_RGB32);
    const std::vector<std::uint8_t> base = toRgb(randomIndices(rng, 90, 60, 7), distinctPalette(7));
    for (int i = 0; i < 90 * 60; ++i)
        picture.setPixel(i % 90, i / 90, qRgb(base[3 * i], base[3 * i + 1], base[3 * i + 2]));
    QStringList ppms, gifs;
    for (int n = 0; n < 4; ++n) {
        const QRect area = n < 3 ? QRect(10 * n, 8 * n, 30, 20) : picture.rect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (n == 3 || (x + y) % 3 != 0) // unchanged pixels inside the area become transparent
                    picture.setPixel(x, y, qRgb(40 * n + int(rng() % 20), 7 * n, int(rng() % 2) * 90));
        ppms << dir.filePath(QStringLiteral("%1.ppm").arg(n));
        gifs << dir.filePath(QStringLiteral("%1.gif").arg(n));
        ASSERT_TRUE(picture.save(ppms.back(), "PPM"));
        TGIFImage frame;
        frame.SetColorReduction(rmNone);
        frame.Assign(picture);
        frame.SaveToFile(gifs.back());
    }
    const ToolResult written[] = {
        runTool(QStringLiteral("gifsicle"), QStringList{QStringLiteral("-O3")} + gifs),
        runTool(QStringLiteral("convert"), ppms + QStringList{QStringLiteral("-layers"), QStringLiteral("Optimize"),
                                                             QStringLiteral("gif:-")}),
    };
    // Every frame of the file as ImageMagick reads it equals the image's frame in our model.
    const auto expectSameFrames = [](const TGIFImage &image, const QByteArray &file) {
        for (int i = 0; i < image.Count(); ++i) {
            SCOPED_TRACE(testing::Message() << "frame " << i);
            const QByteArray ours = rgbaWithModel(image, i);
            const QStringList frameOnly = {QStringLiteral("gif:-[%1]").arg(i), QStringLiteral("rgba:-")};
            const ToolResult theirs = runTool(QStringLiteral("convert"), frameOnly, file);
            ASSERT_EQ(ours.size(), theirs.out.size());
            for (qsizetype p = 0; p < ours.size(); p += 4) {
                ASSERT_EQ(ours[p + 3], theirs.out[p + 3]) << "alpha of pixel " << p / 4;
                if (ours[p + 3] != 0) {
                    ASSERT_EQ(ours.mid(p, 3), theirs.out.mid(p, 3)) << "pixel " << p / 4;
                }
            }
        }
    };
    int cropped = 0, transparent = 0, ownMaps = 0;
    for (const ToolResult &animation : written) {
        SCOPED_TRACE(testing::Message() << "writer " << (&animation - written));
        ASSERT_EQ(animation.exitCode, 0) << animation.err.toStdString();
        TGIFImage image;
        image.LoadFromData(reinterpret_cast<const std::uint8_t *>(animation.out.constData()), animation.out.size());
        ASSERT_EQ(image.Count(), 4);
        expectSameFrames(image, animation.out);
        // Written back by us, with either encoder, the frames read the same.
        for (const int compression : {gcLZW, gcRLE}) {
            image.SetCompression(compression);
            expectSameFrames(image, saveChecked(image));
        }
        for (int i = 0; i < 4; ++i) {
            const TGIFSubImage &frame = image.Images(i);
            cropped += frame.Width() < 90;
            transparent += frame.Transparent();
            ownMaps += frame.ColorMap().Count() > 0;
        }
    }
    EXPECT_GT(cropped, 0);
    EXPECT_GT(transparent, 0);
    EXPECT_GT(ownMaps, 0);
}

TEST(GifEncoder, TwoColoursStartAtCodeSizeTwoAndFillWholeSubBlocks)
{
    std::mt19937 rng(5);
    const std::vector<std::uint8_t> pixels = randomIndices(rng, 400, 300, 1);
    for (const int compression : {gcLZW, gcRLE}) {
        const QByteArray gif = writeFrame(pixels, 400, 300, distinctPalette(1), compression, false);
        expectGifsicleAccepts(gif);
        // Header 13, global map none, descriptor 10, local map 6.
        qsizetype at = 13 + 10 + 6;
        ASSERT_EQ(gif[at], 2);
        std::vector<int> blocks;
        for (++at; at < gif.size() && gif[at] != 0; at += 1 + std::uint8_t(gif[at]))
            blocks.push_back(std::uint8_t(gif[at]));
        ASSERT_GT(blocks.size(), 2u);
        for (std::size_t i = 0; i + 1 < blocks.size(); ++i)
            EXPECT_EQ(blocks[i], 255) << "block " << i;
        EXPECT_EQ(gif[at + 1], char(0x3B));
    }
}

TEST(GifDecoder, InterlacedColumnsVisitEveryRowOnce)
{
    for (int height = 1; height <= 8; ++height) {
        SCOPED_TRACE(height);
        std::vector<std::uint8_t> column(static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y)
            column[std::size_t(y)] = std::uint8_t(y);
        const QByteArray data = encode(TLZWEncoder(), column, 3, 1, height, true);
        const Decoded decoded = decodeData(data, 1, height, true);
        EXPECT_EQ(decoded.pixels, column);
        EXPECT_TRUE(decoded.warnings.empty());
        const QByteArray gif = wrapFrameData(1, height, 3, data, true);
        expectGifsicleAccepts(gif);
        EXPECT_TRUE(decodeWithConvert(gif) ==
                    toRgb(column, {{0, 0, 0}, {36, 36, 36}, {72, 72, 72}, {109, 109, 109}, {145, 145, 145},
                                   {182, 182, 182}, {218, 218, 218}, {255, 255, 255}}));
    }
}

TEST(GifDecoder, ReadsCodesSpreadOverOneByteSubBlocks)
{
    // Twelve-bit codes then span up to three sub-blocks; the bytes between are length bytes.
    std::mt19937 rng(8);
    const std::vector<std::uint8_t> pixels = randomIndices(rng, 300, 200, 8);
    const QByteArray packed = encode(TLZWEncoder(), pixels, 8, 300, 200);
    std::vector<std::uint8_t> data;
    for (qsizetype at = 1; std::uint8_t(packed[at]) != 0; at += 1 + std::uint8_t(packed[at]))
        data.insert(data.end(), packed.begin() + at + 1, packed.begin() + at + 1 + std::uint8_t(packed[at]));
    for (const std::size_t blockSize : {1u, 2u, 7u}) {
        const Decoded decoded = decodeData(packSubBlocks(8, data, blockSize), 300, 200);
        EXPECT_TRUE(decoded.pixels == pixels) << blockSize;
        EXPECT_TRUE(decoded.warnings.empty());
    }
}

TEST(GifDecoder, CodeEqualToNextFreeCodeRepeatsThePreviousStringPlusItsFirstPixel)
{
    struct Case
    {
        std::vector<int> codes;
        std::vector<std::uint8_t> pixels;
    };
    // Initial code size 2: clear 4, end 5, first free code 6.
    const Case cases[] = {
        {{1, 6}, {1, 1, 1}},
        {{1, 6, 7}, {1, 1, 1, 1, 1, 1}},
        {{0, 1, 7}, {0, 1, 1, 1}},
        {{2, 3, 6, 8}, {2, 3, 2, 3, 2, 3, 2}},
    };
    for (const Case &c : cases) {
        CodeStream stream(2);
        stream.clear();
        for (const int code : c.codes)
            stream.code(code);
        stream.code(5);
        const Decoded decoded = decodeData(stream.bytes(), int(c.pixels.size()), 1);
        EXPECT_EQ(decoded.pixels, c.pixels);
        EXPECT_TRUE(decoded.warnings.empty());
    }
}

TEST(GifDecoder, FullTableAddsNothingAndStaysAtTwelveBitsUntilAClear)
{
    CodeStream stream(8);
    stream.clear();
    int codes = 0;
    while (stream.nextFree() < 4096) {
        stream.code(codes % 200);
        ++codes;
    }
    for (int i = 0; i < 20; ++i, ++codes)
        stream.code(4095 - i); // codes of the full table, 12 bits wide
    stream.clear();
    stream.clear(); // a clear right after a clear is skipped
    stream.code(7);
    stream.code(257);
    const Decoded decoded = decodeData(stream.bytes(), 100000, 1);
    std::size_t fullAt = 0;
    while (fullAt < decoded.trace.size() && decoded.trace[fullAt][2] < 4096)
        ++fullAt;
    ASSERT_LT(fullAt + 20, decoded.trace.size());
    for (std::size_t i = fullAt; i < fullAt + 20; ++i) {
        EXPECT_EQ(decoded.trace[i][1], 12);
        EXPECT_EQ(decoded.trace[i][2], 4096);
    }
    // After the clears, codes are 9 bits again and the end code ends the frame.
    const auto &last = decoded.trace.back();
    EXPECT_EQ(last[0], 257);
    EXPECT_EQ(last[1], 9);
    EXPECT_TRUE(decoded.warnings.empty());
    std::vector<std::uint8_t> head;
    for (int i = 0; i < codes - 20; ++i)
        head.push_back(std::uint8_t(i % 200));
    EXPECT_TRUE(std::equal(head.begin(), head.end(), decoded.pixels.begin()));
}

TEST(GifEncoder, ClearsBeforeTheTableOverflows)
{
    std::mt19937 rng(11);
    std::vector<std::uint8_t> noise(300000);
    for (auto &p : noise)
        p = std::uint8_t(rng() & 0xFF);
    for (const int bits : {2, 8}) {
        SCOPED_TRACE(bits);
        std::vector<std::uint8_t> pixels = noise;
        for (auto &p : pixels)
            p = std::uint8_t(p & ((1 << bits) - 1));
        // LZW: every clear but the first comes when the decoder's next code would be 4095.
        Decoded lzw = decodeData(encode(TLZWEncoder(), pixels, bits, 600, 500), 600, 500);
        EXPECT_EQ(lzw.pixels, pixels);
        int clears = 0;
        for (std::size_t i = 1; i < lzw.trace.size(); ++i) {
            if (lzw.trace[i][0] == (1 << bits)) {
                EXPECT_EQ(lzw.trace[i][2], 4095);
                ++clears;
            }
        }
        EXPECT_GT(clears, 5);
        // RLE: never more than 4095 - base code codes between two clears, on noise and on long runs.
        std::vector<std::uint8_t> runs;
        while (runs.size() < pixels.size())
            runs.insert(runs.end(), std::size_t(1 + rng() % 3000), std::uint8_t(rng() % (1u << bits)));
        runs.resize(pixels.size());
        // One colour over 9 million pixels runs the codes up to the limit itself.
        const std::vector<std::uint8_t> flat(3000u * 3000u, 1);
        const int baseCode = (1 << bits) + 2;
        const std::vector<std::uint8_t> *inputs[] = {&pixels, &runs, &flat};
        for (const std::vector<std::uint8_t> *input : inputs) {
            const int width = input == &flat ? 3000 : 600;
            const int height = int(input->size()) / width;
            Decoded rle = decodeData(encode(TRLEEncoder(), *input, bits, width, height), width, height);
            EXPECT_TRUE(rle.pixels == *input);
            int sinceClear = 0;
            int most = 0;
            for (const auto &t : rle.trace) {
                sinceClear = t[0] == (1 << bits) ? 0 : sinceClear + 1;
                most = std::max(most, sinceClear);
            }
            if (input == &flat)
                EXPECT_EQ(most, 4095 - baseCode);
            else
                EXPECT_LE(most, 4095 - baseCode);
        }
    }
}

TEST(GifEncoder, RleSendsLongRunsAsFewCodes)
{
    const std::vector<std::uint8_t> flat(200000, 3);
    const QByteArray rle = encode(TRLEEncoder(), flat, 4, 1000, 200);
    const Decoded decoded = decodeData(rle, 1000, 200);
    EXPECT_EQ(decoded.pixels, flat);
    EXPECT_LT(decoded.trace.size(), 2000u);
    EXPECT_EQ(TRLEEncoder::IntegerSquareRoot(99), 9);
    EXPECT_EQ(TRLEEncoder::IntegerSquareRoot(100), 10);
    // 1 + 2 + 3 = 6 pixels in 3 codes; 7 needs a fourth.
    EXPECT_EQ(TRLEEncoder::ComputeTriangleCount(6, 100), 3);
    EXPECT_EQ(TRLEEncoder::ComputeTriangleCount(7, 100), 4);
    EXPECT_EQ(TRLEEncoder::ComputeTriangleCount(2 * 10 + 3, 4), 2 * 4 + 2);
}

TEST(TGIFWriter, PacksWholeSubBlocksThenTheRest)
{
    for (const int size : {255, 256}) {
        GIFOutput out;
        TGIFWriter writer(out);
        const std::vector<std::uint8_t> bytes(std::size_t(size), 0xAB);
        writer.Write(bytes.data(), size);
        writer.FlushBuffer();
        out.WriteByte(0);
        const std::vector<std::uint8_t> &b = out.Bytes();
        ASSERT_EQ(b.size(), std::size_t(size + (size > 255 ? 2 : 1) + 1));
        EXPECT_EQ(b[0], 255);
        if (size == 256) {
            EXPECT_EQ(b[256], 1);
            EXPECT_EQ(b[257], 0xAB);
        }
        EXPECT_EQ(b.back(), 0);
    }
}

TEST(TLZWEncoder, WritesTheSameBytesAsTheHashTableEncoder)
{
    std::mt19937 rng(2024);
    for (int n = 0; n < 200; ++n) {
        const int bits = 1 + n % 8;
        const int width = std::uniform_int_distribution<int>(1, 700)(rng);
        const int height = std::uniform_int_distribution<int>(1, 120)(rng);
        const std::vector<std::uint8_t> pixels = randomIndices(rng, width, height, bits);
        SCOPED_TRACE(testing::Message() << "frame " << n);
        ASSERT_EQ(encode(TLZWEncoder(), pixels, bits, width, height), referenceLzw(pixels, bits));
    }
}
