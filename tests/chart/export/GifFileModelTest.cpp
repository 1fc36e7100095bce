// The GIF file model: versions, colour tables, extensions, frame placement, warnings, assignment and the
// clipboard; every written file is also read by gifsicle.
#include "GIFException.h"
#include "GIFText.h"
#include "GifTestSupport.h"
#include "TGIFApplicationExtension.h"
#include "TGIFGraphicControlExtension.h"
#include "TGIFImage.h"
#include "TGIFTextExtension.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace GifTest;

namespace {

// An image that records its warnings.
struct WatchedImage
{
    WatchedImage()
    {
        image.SetOnWarning([this](TGIFImage &, TGIFSeverity, const QString &message) { warnings << message; });
    }
    void load(const QByteArray &bytes)
    {
        image.LoadFromData(reinterpret_cast<const std::uint8_t *>(bytes.constData()), bytes.size());
    }
    TGIFSubImage &addFrame(int width, int height, const TGIFPalette &palette = distinctPalette(2))
    {
        TGIFSubImage &frame = image.Add(TGIFSubImage(&image));
        frame.SetBounds(0, 0, width, height);
        frame.ColorMap().ImportPalette(palette);
        for (int i = 0; i < width * height; ++i)
            frame.Data()[i] = std::uint8_t(i % int(palette.size()));
        return frame;
    }
    TGIFImage image;
    QStringList warnings;
};

template <typename Function>
std::string exceptionText(Function &&function)
{
    try {
        function();
    } catch (const GIFException &e) {
        return e.what();
    }
    return "no exception";
}

} // namespace

TEST(TGIFImage, VersionFollowsWhatTheFileNeeds)
{
    WatchedImage w;
    w.addFrame(4, 3);
    EXPECT_TRUE(saveChecked(w.image).startsWith("GIF87a"));
    w.image.Images(0).AddExtension(std::make_unique<TGIFGraphicControlExtension>(&w.image.Images(0)));
    EXPECT_TRUE(saveChecked(w.image).startsWith("GIF89a"));
    TGIFImage empty;
    EXPECT_EQ(exceptionText([&] { empty.SaveToData(); }), GIFText::UnsupportedVersion);
}

TEST(TGIFColorMap, TablesArePaddedToAPowerOfTwo)
{
    struct Case
    {
        int colors;
        int sizeBits;
        int entries;
    };
    for (const Case c : {Case{5, 2, 8}, Case{1, 0, 2}, Case{2, 0, 2}, Case{129, 7, 256}}) {
        SCOPED_TRACE(c.colors);
        WatchedImage w;
        w.addFrame(2, 2, distinctPalette(1));
        w.image.Images(0).ColorMap().Clear();
        TGIFPalette palette;
        for (int i = 0; i < c.colors; ++i)
            palette.push_back({std::uint8_t(i + 1), 2, 3});
        w.image.Header().ColorMap().ImportPalette(palette);
        for (int i = 0; i < 4; ++i)
            w.image.Images(0).Data()[i] = 0;
        const QByteArray gif = saveChecked(w.image);
        EXPECT_EQ(std::uint8_t(gif[10]) & 0x87, 0x80 | c.sizeBits);
        EXPECT_EQ(gif[13 + 3 * c.entries], char(0x2C)) << "the image follows the padded table";
        for (int i = c.colors; i < c.entries; ++i)
            EXPECT_EQ(gif.mid(13 + 3 * i, 3), QByteArray(3, '\0'));
    }
    TGIFImage image;
    TGIFColorMap &map = image.Header().ColorMap();
    for (const auto &[count, bits] : {std::pair{0, 0}, {2, 1}, {3, 2}, {129, 8}}) {
        map.Clear();
        for (int i = 0; i < count; ++i)
            map.Add({std::uint8_t(i), 0, 0});
        EXPECT_EQ(map.BitsPerPixel(), bits) << count;
    }
    map.Clear();
    EXPECT_EQ(exceptionText([&] { map.Colors(0); }), GIFText::ColorTableEmpty);
    for (int i = 0; i < 256; ++i)
        map.Add({std::uint8_t(i), 0, 0});
    EXPECT_EQ(exceptionText([&] { map.Add({1, 2, 3}); }), GIFText::ColorTableOverflow);
    EXPECT_EQ(map.IndexOf({7, 0, 0}), 7);
    EXPECT_EQ(map.IndexOf({7, 1, 0}), -1);
}

TEST(TGIFImage, EncoderRefusesPixelsOutsideTheColourTable)
{
    WatchedImage w;
    w.addFrame(3, 1, {{0, 0, 0}, {9, 9, 9}, {200, 0, 0}});
    w.image.Images(0).Data()[1] = 3;
    EXPECT_EQ(exceptionText([&] { w.image.SaveToData(); }), GIFText::ColorNotInTable);
}

TEST(TGIFImage, SkipsJunkBeforeTheSignatureAndZerosBetweenBlocks)
{
    WatchedImage w;
    w.addFrame(5, 4);
    w.addFrame(5, 4);
    QByteArray gif = saveChecked(w.image);
    const qsizetype second = gif.indexOf(char(0x2C), gif.indexOf(char(0x2C)) + 1);
    gif.insert(second, QByteArray(3, '\0'));
    gif.prepend("junk");
    WatchedImage loaded;
    loaded.load(gif);
    ASSERT_EQ(loaded.image.Count(), 2);
    EXPECT_EQ(loaded.image.Images(1).Pixels(4, 3), 19 % 4);
    EXPECT_TRUE(loaded.warnings.isEmpty()) << loaded.warnings.join(", ").toStdString();
}

TEST(TGIFCommentExtension, LongCommentsSplitIntoSubBlocksAndReadBackAsStrings)
{
    WatchedImage w;
    TGIFSubImage &frame = w.addFrame(2, 2);
    auto comment = std::make_unique<TGIFCommentExtension>(&frame);
    const std::string text = std::string(300, 'a') + std::string(300, 'b');
    comment->Text().push_back(text);
    frame.AddExtension(std::move(comment));
    const QByteArray gif = saveChecked(w.image);
    const qsizetype at = gif.indexOf("\x21\xFE");
    ASSERT_GE(at, 0);
    EXPECT_EQ(std::uint8_t(gif[at + 2]), 255);
    EXPECT_EQ(std::uint8_t(gif[at + 2 + 256]), 255);
    EXPECT_EQ(std::uint8_t(gif[at + 2 + 512]), 90);
    EXPECT_EQ(gif[at + 2 + 512 + 91], '\0');
    WatchedImage loaded;
    loaded.load(gif);
    const auto &strings = dynamic_cast<TGIFCommentExtension &>(loaded.image.Images(0).Extensions(0)).Text();
    ASSERT_EQ(strings.size(), 3u);
    EXPECT_EQ(strings[0] + strings[1] + strings[2], text);
    const ToolResult giftext = runTool(QStringLiteral("giftext"), {}, gif);
    EXPECT_EQ(giftext.exitCode, 0);
    EXPECT_TRUE(giftext.out.contains("aaaaaaaa")) << giftext.out.toStdString();
}

TEST(TGIFApplicationExtension, LoopAndUnknownExtensionsAreWrittenAsRead)
{
    WatchedImage w;
    TGIFSubImage &frame = w.addFrame(2, 2);
    auto loop = std::make_unique<TGIFAppExtNSLoop>(&frame);
    loop->Loops = 0x0102;
    frame.AddExtension(std::move(loop));
    QByteArray gif = saveChecked(w.image);
    EXPECT_TRUE(gif.contains(QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x02\x01\x00", 19)));
    // An extension of another application, with two data blocks, goes back byte for byte.
    const QByteArray unknown("\x21\xFF\x0BXMP DataXMP\x03\x01\x02\x03\x02zz\x00", 22);
    gif.insert(gif.indexOf(char(0x2C)), unknown);
    WatchedImage loaded;
    loaded.load(gif);
    ASSERT_EQ(loaded.image.Images(0).ExtensionCount(), 2);
    EXPECT_EQ(dynamic_cast<TGIFAppExtNSLoop &>(loaded.image.Images(0).Extensions(0)).Loops, 0x0102);
    EXPECT_TRUE(saveChecked(loaded.image).contains(unknown));
    EXPECT_TRUE(loaded.warnings.isEmpty());
}

TEST(TGIFSubImage, ZeroSizeFrameTakesTheScreenSizeWithOneWarning)
{
    WatchedImage w;
    w.addFrame(6, 5);
    QByteArray gif = saveChecked(w.image);
    const qsizetype descriptor = gif.indexOf(char(0x2C));
    gif[descriptor + 5] = 0; // width 0
    gif[descriptor + 6] = 0;
    WatchedImage loaded;
    loaded.load(gif);
    EXPECT_EQ(loaded.image.Images(0).Width(), 6);
    EXPECT_EQ(loaded.warnings, QStringList{QString::fromLatin1(GIFText::ExceedsScreen)});
}

TEST(TGIFImage, FramesBeyondTheScreenGrowItWithWarnings)
{
    WatchedImage w;
    w.addFrame(4, 4);
    w.image.Images(0).SetBounds(2, 0, 4, 4);
    EXPECT_EQ(w.image.Width(), 6);
    EXPECT_EQ(w.warnings, QStringList({QString::fromLatin1(GIFText::WidthTooSmall), QString::fromLatin1(GIFText::ExceedsScreen)}));
    EXPECT_EQ(exceptionText([&] { w.image.SetHeight(3); }), GIFText::HeightTooSmall);
    // A frame at the far right of the 16-bit range makes a screen the header cannot hold.
    w.image.Images(0).SetBounds(65000, 0, 4000, 4);
    EXPECT_EQ(exceptionText([&] { w.image.SaveToData(); }), GIFText::ExceedsScreen);
    EXPECT_EQ(exceptionText([&] { w.image.Images(0).SetBounds(0, 0, 65535, 65535); }), GIFText::ImageTooLarge);
}

TEST(TGIFGraphicControlExtension, OddBlockSizesKeepTheStreamInStep)
{
    // Graphic control blocks of 3 and 7 bytes, a plain text block of 13, and an unknown label 0x77.
    const QByteArray extensions[] = {
        QByteArray("\x21\xF9\x03\x01\x0A\x00\x00", 7),
        QByteArray("\x21\xF9\x07\x01\x0A\x00\x02\xAA\xBB\xCC\x00", 11),
        QByteArray("\x21\x01\x0D" "abcdefghijklm" "\x02hi\x00", 20),
        QByteArray("\x21\x77\x02xy\x01z\x00", 8),
    };
    for (const QByteArray &extension : extensions) {
        SCOPED_TRACE(extension.toHex().toStdString());
        WatchedImage w;
        w.addFrame(3, 3);
        QByteArray gif = saveChecked(w.image);
        gif.insert(gif.indexOf(char(0x2C)), extension);
        WatchedImage loaded;
        loaded.load(gif);
        ASSERT_EQ(loaded.image.Count(), 1);
        EXPECT_EQ(loaded.image.Images(0).Pixels(2, 2), 8 % 4);
        EXPECT_EQ(loaded.warnings.size(), 1) << loaded.warnings.join(", ").toStdString();
    }
}

TEST(TGIFGraphicControlExtension, TransparentIndexBelongsToTheLocalMapThatFollows)
{
    // A two-colour global map; the frame's own map has eight colours and its transparent index is 5.
    WatchedImage w;
    w.image.Header().ColorMap().ImportPalette({{0, 0, 0}, {255, 255, 255}});
    TGIFSubImage &frame = w.addFrame(8, 1, distinctPalette(3));
    auto control = std::make_unique<TGIFGraphicControlExtension>(&frame);
    control->SetTransparentColorIndex(5);
    control->SetTransparent(true);
    frame.AddExtension(std::move(control));
    const QByteArray gif = saveChecked(w.image);
    WatchedImage loaded;
    loaded.load(gif);
    EXPECT_TRUE(loaded.warnings.isEmpty()) << loaded.warnings.join(", ").toStdString();
    const QImage image = loaded.image.ToImage(0);
    const ToolResult alpha = runTool(QStringLiteral("convert"),
                                     {QStringLiteral("gif:-"), QStringLiteral("-alpha"), QStringLiteral("extract"),
                                      QStringLiteral("gray:-")},
                                     gif);
    ASSERT_EQ(alpha.out.size(), 8) << alpha.err.toStdString();
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(qAlpha(image.pixel(x, 0)), std::uint8_t(alpha.out[x])) << "pixel " << x << " as ImageMagick sees it";
    EXPECT_EQ(qAlpha(image.pixel(5, 0)), 0);
}

TEST(TGIFSubImage, FrameImagesCoverEveryIndexAndShowTransparency)
{
    WatchedImage w;
    TGIFSubImage &frame = w.addFrame(3, 1, {{10, 20, 30}, {40, 50, 60}});
    frame.Data()[2] = 200; // beyond the map, as a damaged file may give
    auto control = std::make_unique<TGIFGraphicControlExtension>(&frame);
    control->SetTransparentColorIndex(1);
    control->SetTransparent(true);
    frame.AddExtension(std::move(control));
    const QImage image = w.image.ToImage(0);
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.colorCount(), 256);
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0);
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 0));
    // Without any colour table the frame shows a grey ramp.
    frame.ColorMap().Clear();
    EXPECT_EQ(w.image.ToImage(0).pixel(2, 0), qRgb(200, 200, 200));
    const QByteArray noMap = saveChecked(w.image);
    EXPECT_EQ(noMap[10], '\0') << "no table flag, and size bits of 0 rather than -1";
    EXPECT_EQ(QImage::fromData(noMap, "GIF").size(), QSize(3, 1));
}

TEST(TGIFImage, AssignsPicturesWithTheirOwnColoursWhenNotReduced)
{
    QImage chart(40, 30, QImage::Format_RGB32);
    const QRgb colours[7] = {qRgb(255, 255, 255), qRgb(31, 119, 180), qRgb(255, 127, 14), qRgb(44, 160, 44),
                             qRgb(214, 39, 40), qRgb(148, 103, 189), qRgb(0, 0, 0)};
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            chart.setPixel(x, y, colours[(x / 6 + y) % 7]);
    WatchedImage w;
    w.image.SetColorReduction(rmNone);
    w.image.Assign(chart);
    EXPECT_EQ(w.image.Images(0).ColorMap().Count(), 7);
    const QByteArray gif = saveChecked(w.image);
    EXPECT_EQ(QImage::fromData(gif, "GIF").convertToFormat(QImage::Format_RGB32), chart);
    QImage many(300, 1, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x)
        many.setPixel(x, 0, qRgb(x % 256, x / 256, 0));
    EXPECT_EQ(exceptionText([&] { w.image.Assign(many); }), GIFText::TooManyColors);
}

TEST(TGIFImage, CopiesThroughAssignFilesAndTheClipboard)
{
    WatchedImage w;
    w.addFrame(7, 5);
    w.addFrame(3, 2).SetInterlaced(true);
    TGIFImage copy;
    copy.Assign(w.image);
    const QByteArray original = saveChecked(w.image);
    EXPECT_EQ(copy.SaveToData(), original);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copy.gif"));
    copy.SaveToFile(path);
    TGIFImage fromFile;
    fromFile.LoadFromFile(path);
    EXPECT_EQ(fromFile.SaveToData(), original);

    QClipboard *clipboard = QGuiApplication::clipboard();
    w.image.SaveToClipboardFormat(*clipboard);
    ASSERT_TRUE(clipboard->mimeData()->hasImage());
    TGIFImage pasted;
    pasted.LoadFromClipboardFormat(*clipboard);
    EXPECT_EQ(pasted.SaveToData(), original);
    // A plain picture on the clipboard is assigned as one frame.
    QMimeData picture;
    picture.setImageData(w.image.ToImage(0).convertToFormat(QImage::Format_RGB32));
    pasted.SetColorReduction(rmNone);
    pasted.LoadFromMimeData(picture);
    EXPECT_EQ(pasted.ToImage(0).convertToFormat(QImage::Format_RGB32), w.image.ToImage(0).convertToFormat(QImage::Format_RGB32));
}

TEST(TGIFColorMap, OptimizeSortsByUseAndDropsUnusedEntries)
{
    WatchedImage w;
    TGIFSubImage &frame = w.addFrame(4, 1, {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}});
    const std::uint8_t pixels[] = {2, 2, 2, 0};
    std::copy(std::begin(pixels), std::end(pixels), frame.Data());
    const QImage before = w.image.ToImage(0).convertToFormat(QImage::Format_RGB32);
    w.image.OptimizeColorMaps();
    EXPECT_EQ(frame.ColorMap().Count(), 2);
    EXPECT_EQ(frame.ColorMap().Colors(0), (TGIFColor{3, 3, 3}));
    EXPECT_EQ(w.image.ToImage(0).convertToFormat(QImage::Format_RGB32), before);
    EXPECT_TRUE(saveChecked(w.image).startsWith("GIF89a")) << "a sorted table needs 89a";
}
