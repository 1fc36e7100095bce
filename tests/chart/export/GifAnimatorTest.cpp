// The frame walk of animated pictures, stepped with a clock of our own: waits, loops and disposal.
#include "GIFAnimator.h"

#include "GIFException.h"
#include "GIFText.h"
#include "GifPaintWalk.h"
#include "GifAnimationSupport.h"
#include "TGIFImage.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

using GifTest::animation;
using GifTest::FrameSpec;
using GifTest::kAnimationColours;

namespace {

struct SteppedAnimation
{
    explicit SteppedAnimation(const QByteArray &gif, int options = -1, int speed = 100)
    {
        image.LoadFromData(reinterpret_cast<const std::uint8_t *>(gif.constData()), gif.size());
        if (options >= 0)
            image.SetDrawOptions(options);
        image.SetAnimationSpeed(speed);
        image.SetOnWarning([this](TGIFImage &, TGIFSeverity, const QString &text) { warnings << text; });
        image.SetOnPaintStart([this](GIFAnimator &) { events << QStringLiteral("start"); });
        image.SetOnLoopRestart([this](GIFAnimator &) { events << QStringLiteral("loop"); });
        image.SetOnPaintEnd([this](GIFAnimator &) { events << QStringLiteral("end"); });
        image.SetOnFramePainted([this](GIFAnimator &a) { events << QString::number(a.ActiveImage()); });
        animator = std::make_unique<GIFAnimator>(image, [this] { return now; });
    }
    // Steps once, then moves the clock on by the wait (plus lateness).
    int step(std::int64_t late = 0)
    {
        const int wait = animator->Step();
        now += std::max(wait, 0) + late;
        return wait;
    }
    QRgb pixel(int x, int y) const { return animator->Bitmap().pixel(x, y); }

    TGIFImage image;
    std::int64_t now = 1000;
    QStringList events;
    QStringList warnings;
    std::unique_ptr<GIFAnimator> animator;
};

constexpr int kUnthreaded = doTransparent | doAnimate | doLoop;
constexpr int kThreaded = kUnthreaded | doThreaded;

std::vector<FrameSpec> threeFrames(int delay = 10, int disposal = 1)
{
    return {{QRect(0, 0, 4, 4), 1, disposal, delay}, {QRect(1, 1, 2, 2), 2, disposal, delay}, {QRect(0, 0, 1, 1), 3, disposal, delay}};
}

} // namespace

TEST(GIFAnimator, WaitsFollowDelaysSpeedAndLimits)
{
    struct Case
    {
        const char *name;
        int delay;
        bool control;
        int options;
        int speed;
        int wait;
    };
    const Case cases[] = {
        {"1 unit is shown for 3", 1, true, kUnthreaded, 100, 36},
        {"double speed halves the wait", 10, true, kUnthreaded, 200, 60},
        {"no control extension waits 10 units", 0, false, kUnthreaded, 100, 120},
        {"delay 0 waits 10 units", 0, true, kUnthreaded, 100, 120},
        {"unthreaded waits at most 1000 units", 65535, true, kUnthreaded, 100, 12000},
        {"threaded has no upper limit", 5000, true, kThreaded, 100, 60000},
        {"speed 0 unthreaded waits 1000 units", 10, true, kUnthreaded, 0, 12000},
        {"speed 0 threaded waits for ever", 10, true, kThreaded, 0, GIFAnimator::kStop},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<FrameSpec> frames = threeFrames(c.delay);
        for (FrameSpec &f : frames)
            f.control = c.control;
        SteppedAnimation a(animation(QSize(4, 4), frames), c.options, c.speed);
        EXPECT_EQ(a.step(), c.wait);
    }
    // A step that comes 20 ms late takes half of that off the next wait.
    SteppedAnimation late(animation(QSize(4, 4), threeFrames()), kUnthreaded);
    EXPECT_EQ(late.step(20), 120);
    EXPECT_EQ(late.step(), 110);
}

TEST(GIFAnimator, LoopsAsTheOptionsAndTheLoopingExtensionSay)
{
    struct Case
    {
        const char *name;
        int loops;
        int options;
        int steps;
        QStringList events;
    };
    // Frames report their index as they are painted.
    const QStringList frames{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};
    const QStringList pass = QStringList{QStringLiteral("start")} + frames;
    const QStringList iteration = QStringList{QStringLiteral("loop")} + frames;
    const QStringList two{QStringLiteral("0"), QStringLiteral("1")};
    const Case cases[] = {
        {"count 0 keeps restarting", 0, kUnthreaded, 8, pass + pass + QStringList{QStringLiteral("start")} + two},
        {"count 0 threaded loops without a new pass", 0, kThreaded, 8, pass + iteration + QStringList{QStringLiteral("loop")} + two},
        {"count 2 without doLoop plays twice", 2, doTransparent | doAnimate, 10, pass + iteration + QStringList{QStringLiteral("end")}},
        {"no extension without doLoop plays once", -1, doTransparent | doAnimate, 10, pass + QStringList{QStringLiteral("end")}},
        {"without doAnimate the first frame only", 0, doTransparent | doLoop, 5, {QStringLiteral("start"), QStringLiteral("0"), QStringLiteral("end")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SteppedAnimation a(animation(QSize(4, 4), threeFrames(), c.loops), c.options);
        for (int i = 0; i < c.steps; ++i)
            a.step();
        EXPECT_EQ(a.events, c.events) << a.events.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(GIFAnimator, DisposalMethodsShapeTheNextFrame)
{
    const QRgb red = kAnimationColours[1];
    const QRgb green = kAnimationColours[2];
    const QRgb blue = kAnimationColours[3];
    constexpr QRgb none = 0;
    // Frame 1 covers the screen in red, frame 2 the 2 x 2 square at (1, 1) in green, frame 3 the pixel
    // (0, 0) in blue; the pixels probed after frame 3: (0, 0), (1, 1), (3, 3).
    struct Case
    {
        const char *name;
        int secondDisposal;
        int options;
        QRgb expected[3];
        bool previousBuffer;
    };
    const Case cases[] = {
        {"leave keeps every frame", 1, kUnthreaded, {blue, green, red}, false},
        {"reserved value 5 leaves too", 5, kUnthreaded, {blue, green, red}, false},
        {"restore background clears the frame's area", 2, kUnthreaded, {blue, none, red}, false},
        {"restore background fills with the draw colour", 2, doAnimate | doLoop, {blue, qRgb(255, 255, 255), red}, false},
        {"restore previous brings back what was under it", 3, kUnthreaded, {blue, red, red}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<FrameSpec> frames = threeFrames();
        frames[1].disposal = c.secondDisposal;
        SteppedAnimation a(animation(QSize(4, 4), frames), c.options);
        a.image.SetDrawBackgroundColor(0xFFFFFF);
        a.animator = std::make_unique<GIFAnimator>(a.image, [&a] { return a.now; });
        for (int i = 0; i < 3; ++i)
            a.step();
        EXPECT_EQ(a.pixel(0, 0), c.expected[0]);
        EXPECT_EQ(a.pixel(1, 1), c.expected[1]);
        EXPECT_EQ(a.pixel(3, 3), c.expected[2]);
        EXPECT_EQ(a.animator->HasPreviousBuffer(), c.previousBuffer);
    }
}

TEST(GIFAnimator, TransparencyAndTilingPlaceThePixels)
{
    // The second frame's pixel (1, 1) is transparent: the red beneath shows through.
    std::vector<FrameSpec> frames = threeFrames();
    frames[1].transparentIndex = 0;
    SteppedAnimation transparent(animation(QSize(4, 4), frames), kUnthreaded);
    transparent.step();
    transparent.step();
    EXPECT_EQ(transparent.pixel(1, 1), kAnimationColours[1]);
    EXPECT_EQ(transparent.pixel(2, 2), kAnimationColours[2]);
    // Its first frame alone over nothing leaves the transparent pixel at alpha 0.
    frames[0].transparentIndex = 0;
    SteppedAnimation first(animation(QSize(4, 4), frames), kUnthreaded);
    first.step();
    EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0);

    // With doTile the 2 x 2 green frame repeats over the whole screen.
    SteppedAnimation tiled(animation(QSize(4, 4), threeFrames()), kUnthreaded | doTile);
    tiled.step();
    tiled.step();
    for (const QPoint p : {QPoint(0, 0), QPoint(3, 0), QPoint(0, 3), QPoint(3, 3)})
        EXPECT_EQ(tiled.pixel(p.x(), p.y()), kAnimationColours[2]) << p.x() << "," << p.y();
}

TEST(GIFAnimator, HugeScreenShowsItsFirstFrameWithAWarning)
{
    QByteArray gif = animation(QSize(4, 4), threeFrames());
    gif[6] = gif[7] = gif[8] = gif[9] = char(0xFF); // a 65535 x 65535 logical screen
    SteppedAnimation a(gif, kUnthreaded);
    EXPECT_EQ(a.warnings, QStringList{QString::fromLatin1(GIFText::ImageTooLarge)});
    EXPECT_FALSE(a.animator->Animated());
    EXPECT_EQ(a.step(), GIFAnimator::kStop);
    EXPECT_EQ(a.animator->Bitmap().size(), QSize(4, 4));
    EXPECT_EQ(a.pixel(3, 3), kAnimationColours[1]);
}

TEST(GIFAnimator, HostilePicturesWalkOnePassSafely)
{
    struct Case
    {
        const char *name;
        QByteArray gif;
    };
    std::vector<Case> cases;
    for (int disposal = 0; disposal < 8; ++disposal) {
        std::vector<FrameSpec> frames = threeFrames(10, disposal);
        cases.push_back({"disposal value", animation(QSize(4, 4), frames)});
    }
    for (int delay : {0, 65535})
        cases.push_back({"extreme delay", animation(QSize(4, 4), threeFrames(delay))});
    for (int loops : {0, 65535})
        cases.push_back({"extreme loop count", animation(QSize(4, 4), threeFrames(), loops)});
    std::vector<FrameSpec> transparent = threeFrames();
    transparent[1].transparentIndex = 3;
    QByteArray beyondMap = animation(QSize(4, 4), transparent);
    // The second graphic control extension names index 200 of a 4-entry map.
    const qsizetype control = beyondMap.indexOf(QByteArray("\x21\xF9\x04", 3), beyondMap.indexOf(QByteArray("\x21\xF9\x04", 3)) + 1);
    ASSERT_GT(control, 0);
    beyondMap[control + 6] = char(200);
    cases.push_back({"transparent index beyond the map", beyondMap});
    QByteArray huge = animation(QSize(4, 4), threeFrames());
    huge[6] = huge[7] = huge[8] = huge[9] = char(0xFF);
    cases.push_back({"65535 x 65535 screen", huge});
    const QDir regress(QStringLiteral(TENSIMO_TEST_DATA_DIR "/gif-regress"));
    for (const QString &name : regress.entryList({QStringLiteral("*.gif")}, QDir::Files)) {
        QFile file(regress.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        cases.push_back({"regression file", file.readAll()});
    }

    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (const int options : {kUnthreaded, kThreaded | doTile | doClearFirst | doDither, doAnimate | doLoopForever}) {
            TGIFImage image;
            QStringList warnings;
            image.SetOnWarning([&warnings](TGIFImage &, TGIFSeverity, const QString &text) { warnings << text; });
            try {
                image.LoadFromData(reinterpret_cast<const std::uint8_t *>(c.gif.constData()), c.gif.size());
            } catch (const GIFException &) {
                continue; // a clear error
            }
            const int steps = GifPaintWalk::walkOnePass(image, options);
            EXPECT_GE(steps, 1);
            EXPECT_LE(steps, image.Count() + 1);
        }
    }
}
