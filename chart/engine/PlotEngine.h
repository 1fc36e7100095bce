// Unit-level services of the chart engine: axis constants, the 1-2-5 step and the error box.
#pragma once

#include <QString>

#include <algorithm>
#include <functional>

namespace PlotEngine {

// Smallest label increment and smallest range of a numeric axis.
inline constexpr double MinAxisIncrement = 1e-12;
inline constexpr double MinAxisRange = 1e-10;
// Value-to-pixel results are clamped to this, so far-away values stay ints.
inline constexpr int MaxAxisPixel = 0x3FFFFFF;
// A pixel sum taken wide (sizes read from a file may be huge), held to that clamp.
inline int ClampPixel(qint64 pixel)
{
    return int(std::clamp<qint64>(pixel, -MaxAxisPixel, MaxAxisPixel));
}

// The next value of 1, 2, 5, 10, 20 ... strictly above x (x >= 1e-300): the decade and its
// 1-2-5 step, a mantissa within 1e-9 of a step counting as that step. 1 for infinity.
double NextStep(double x);

// The error message box of the engine. The program installs its message service (error icon);
// tests replace it; without a hook the text goes to the log.
using ErrorBoxHook = std::function<void(const QString &text)>;
ErrorBoxHook &ShowErrorBoxHook();
void ShowErrorBox(const QString &text);

} // namespace PlotEngine
