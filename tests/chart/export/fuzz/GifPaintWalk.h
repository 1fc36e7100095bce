// One pass over the frames of a loaded picture with a clock stepped by hand, as the paint fuzz
// target and the hostile-input tests run it.
#pragma once

#include "GIFAnimator.h"
#include "TGIFImage.h"

#include <cstdint>

namespace GifPaintWalk {

// Steps until the walk ends, loops back or starts a second pass, at most maxSteps times; the number
// of steps taken.
inline int walkOnePass(TGIFImage &image, int options, int maxSteps = 256)
{
    image.SetDrawOptions(options);
    int passes = 0;
    bool looped = false;
    image.SetOnPaintStart([&passes](GIFAnimator &) { ++passes; });
    image.SetOnLoopRestart([&looped](GIFAnimator &) { looped = true; });
    std::int64_t now = 0;
    GIFAnimator animator(image, [&now] { return now; });
    int steps = 0;
    while (steps < maxSteps) {
        const int wait = animator.Step();
        ++steps;
        if (wait == GIFAnimator::kStop || passes > 1 || looped)
            break;
        now += wait;
    }
    image.SetOnPaintStart({});
    image.SetOnLoopRestart({});
    return steps;
}

} // namespace GifPaintWalk
