// Animated test pictures: frames of one colour each, with their disposal, delay, transparency and an
// optional looping extension, written by our encoder and read back.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>

#include <vector>

namespace GifTest {

// Global map entries of the animation pictures: 0 black, 1 red, 2 green, 3 blue.
inline constexpr unsigned kAnimationColours[] = {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF};

struct FrameSpec
{
    QRect bounds;
    int colour = 1;
    int disposal = 1;
    int delay = 10;
    // Pixel (0, 0) of the frame takes this index, marked transparent; -1 for none.
    int transparentIndex = -1;
    bool control = true;
};

// loops < 0 writes no looping extension.
QByteArray animation(QSize screen, const std::vector<FrameSpec> &frames, int loops = -1);

} // namespace GifTest
