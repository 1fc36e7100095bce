// Damaged and hostile files: every one ends in an exception or a warning, within bounded memory.
#include "GIFException.h"
#include "GIFText.h"
#include "GifTestSupport.h"
#include "TGIFImage.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

using namespace GifTest;

namespace {

struct Outcome
{
    bool raised = false;
    std::string exception;
    QStringList warnings;
    bool endedBadly() const { return raised || !warnings.isEmpty(); }
};

// Loads the file and, unless told not to, turns every frame into an image.
Outcome load(const QByteArray &bytes, bool toImages = true)
{
    Outcome outcome;
    TGIFImage image;
    image.SetOnWarning([&outcome](TGIFImage &, TGIFSeverity, const QString &message) { outcome.warnings << message; });
    try {
        image.LoadFromData(reinterpret_cast<const std::uint8_t *>(bytes.constData()), bytes.size());
        for (int i = 0; toImages && i < image.Count(); ++i)
            image.ToImage(i);
    } catch (const GIFException &e) {
        outcome.raised = true;
        outcome.exception = e.what();
    }
    return outcome;
}

// Peak resident memory, reset first, in kB; -1 where the kernel does not offer it.
long long statusKb(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stoll(line.substr(std::string(field).size()));
    return -1;
}

bool resetPeakMemory()
{
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    return bool(clearRefs.flush());
}


std::vector<QByteArray> sampleFiles()
{
    std::mt19937 rng(3);
    std::vector<QByteArray> files;
    for (const int compression : {gcLZW, gcRLE})
        for (const bool interlaced : {false, true})
            files.push_back(writeFrame(randomIndices(rng, 37, 23, 5), 37, 23, distinctPalette(5), compression, interlaced));
    return files;
}

QByteArray descriptorWithData(int width, int height, const QByteArray &data)
{
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00" "\x00\x00\x00\xFF\xFF\xFF", 19);
    gif.append(char(0x2C));
    gif.append(QByteArray(4, '\0'));
    gif.append(char(width & 0xFF));
    gif.append(char(width >> 8));
    gif.append(char(height & 0xFF));
    gif.append(char(height >> 8));
    gif.append('\0');
    gif.append(data);
    gif.append(char(0x3B));
    return gif;
}

// The same file with a graphic control extension before the frame: transparent, index 1.
QByteArray transparent(QByteArray gif)
{
    return gif.insert(19, QByteArray("\x21\xF9\x04\x01\x00\x00\x01\x00", 8));
}

} // namespace

TEST(GifHostileInput, FlipsAndTruncationsNeverCrash)
{
    std::mt19937 rng(99);
    for (const QByteArray &file : sampleFiles()) {
        for (qsizetype length = 0; length < file.size(); ++length) {
            const Outcome outcome = load(file.left(length));
            EXPECT_TRUE(outcome.endedBadly()) << "cut at " << length;
        }
        for (int n = 0; n < 500; ++n) {
            QByteArray damaged = file;
            for (int flips = 1 + int(rng() % 4); flips > 0; --flips)
                damaged[qsizetype(rng() % std::uint32_t(damaged.size()))] ^= char(1 << (rng() % 8));
            load(damaged); // GIFException or a picture; anything else fails the test
        }
    }
}

TEST(GifHostileInput, HandMadeStreamsEndWithTheRightMessage)
{
    struct Case
    {
        const char *name;
        QByteArray data;
        const char *message;
    };
    CodeStream aboveNextFree(2);
    aboveNextFree.clear();
    for (const int code : {1, 2, 1})
        aboveNextFree.code(code);
    aboveNextFree.code(13); // 4 bits wide now; the next free code is 8
    CodeStream firstAfterClear(3);
    firstAfterClear.clear();
    firstAfterClear.code(8 + 5);
    const Case cases[] = {
        {"code size 0", QByteArray("\x00\x02\x44\x01\x00", 5), GIFText::InvalidData},
        {"code size 12", QByteArray("\x0C\x02\x44\x01\x00", 5), GIFText::InvalidData},
        {"code size 255", QByteArray("\xFF\x02\x44\x01\x00", 5), GIFText::InvalidData},
        {"code above next free", aboveNextFree.bytes(), GIFText::InvalidData},
        {"first code after clear", firstAfterClear.bytes(), GIFText::InvalidData},
        {"data cut in a sub-block", QByteArray("\x02\x20\x44\x01", 4), GIFText::PrematureEnd},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = load(descriptorWithData(8, 1, c.data));
        EXPECT_FALSE(outcome.raised) << outcome.exception;
        EXPECT_TRUE(outcome.warnings.contains(QString::fromLatin1(c.message))) << outcome.warnings.join(", ").toStdString();
    }
    // Pixels decoded before the bad code stay.
    TGIFImage image;
    const QByteArray gif = descriptorWithData(4, 1, aboveNextFree.bytes());
    image.LoadFromData(reinterpret_cast<const std::uint8_t *>(gif.constData()), gif.size());
    EXPECT_EQ(image.Images(0).Pixels(0, 0), 1);
    EXPECT_EQ(image.Images(0).Pixels(1, 0), 2);
    EXPECT_EQ(image.Images(0).Pixels(2, 0), 1);
    EXPECT_EQ(image.Images(0).Pixels(3, 0), 0);
    // In a transparent frame the pixels never reached take the transparent index, in interlaced order
    // too: four pixels fill row 0 and the start of row 4.
    CodeStream four(2);
    four.clear();
    for (int i = 0; i < 4; ++i)
        four.code(0);
    four.code(5);
    QByteArray interlaced = descriptorWithData(3, 5, four.bytes());
    interlaced[28] = 0x40;
    interlaced = transparent(interlaced);
    image.LoadFromData(reinterpret_cast<const std::uint8_t *>(interlaced.constData()), interlaced.size());
    const int rows[5][3] = {{0, 0, 0}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {0, 1, 1}};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(image.Images(0).Pixels(x, y), rows[y][x]) << x << ", " << y;
}

TEST(GifHostileInput, HugeFramesAreRefusedOrCostNoMemoryUntilDecoded)
{
    const Outcome huge = load(descriptorWithData(65535, 65535, QByteArray("\x02\x01\x44\x00", 4)));
    EXPECT_EQ(huge.exception, GIFText::ImageTooLarge);
    // Just under the frame limit, with three bytes of data: the untouched pixel memory stays unused, also
    // in two transparent frames, whose pixels the data never reach take the transparent index.
    const QByteArray large = descriptorWithData(16384, 16383, QByteArray("\x02\x01\x44\x00", 4));
    QByteArray twoTransparent = transparent(large);
    twoTransparent.insert(twoTransparent.size() - 1, twoTransparent.mid(19).chopped(1));
    for (const QByteArray &gif : {large, twoTransparent}) {
        const bool peakResets = resetPeakMemory();
        const long long before = statusKb("VmRSS:");
        const Outcome outcome = load(gif, false);
        EXPECT_FALSE(outcome.raised) << outcome.exception;
        if (peakResets && before > 0) {
            EXPECT_LT(statusKb("VmHWM:") - before, 256 * 1024) << "kB";
        }
    }
    // Frames together may not pass 2^30 pixels.
    QByteArray many("GIF89a\xFF\x3F\xFF\x3F\x00\x00\x00", 13);
    for (int i = 0; i < 5; ++i) {
        many.append(QByteArray("\x2C\x00\x00\x00\x00\xFF\x3F\xFF\x3F\x00\x02\x00", 12));
    }
    many.append(char(0x3B));
    EXPECT_EQ(load(many).exception, GIFText::ImageTooLarge);
}
TEST(GifHostileInput, EveryInputThatOnceFailedStillLoadsSafely)
{
    const QDir dir(QStringLiteral(TENSIMO_TEST_DATA_DIR "/gif-regress"));
    const QStringList files = dir.entryList({QStringLiteral("*.gif")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(load(file.readAll()).endedBadly());
    }
}
