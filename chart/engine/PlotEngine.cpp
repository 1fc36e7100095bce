// Unit-level services of the chart engine.
#include "PlotEngine.h"

#include <QtGlobal>

#include <algorithm>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

namespace PlotEngine {

namespace {

constexpr int kLowestDecade = -330;
constexpr int kHighestDecade = 310;

// 10^e as the nearest double, which repeated multiplication does not give.
double powerOfTen(int e)
{
    static const auto table = [] {
        std::array<double, kHighestDecade - kLowestDecade + 1> t{};
        for (int i = kLowestDecade; i <= kHighestDecade; ++i)
            t[std::size_t(i - kLowestDecade)] = std::strtod(("1e" + std::to_string(i)).c_str(), nullptr);
        return t;
    }();
    return table[std::size_t(std::clamp(e, kLowestDecade, kHighestDecade) - kLowestDecade)];
}

constexpr double kStepTolerance = 1e-9;

} // namespace

double NextStep(double x)
{
    if (!std::isfinite(x))
        return 1.0;
    if (x <= 0.0)
        return MinAxisIncrement;
    int e = int(std::floor(std::log10(x)));
    while (e > kLowestDecade && powerOfTen(e) > x)
        --e;
    while (e < kHighestDecade - 1 && powerOfTen(e + 1) <= x)
        ++e;
    // 2, 5 and 10 of this decade, then 2 of the next; each exact to the last bit.
    const double candidates[] = {powerOfTen(e) * 2.0, powerOfTen(e + 1) * 0.5, powerOfTen(e + 1),
                                 powerOfTen(e + 1) * 2.0};
    const double limit = x * (1.0 + kStepTolerance);
    for (const double step : candidates)
        if (step > limit)
            return step;
    return candidates[3];
}

ErrorBoxHook &ShowErrorBoxHook()
{
    static ErrorBoxHook hook;
    return hook;
}

void ShowErrorBox(const QString &text)
{
    if (ShowErrorBoxHook())
        ShowErrorBoxHook()(text);
    else
        qWarning("%s", qUtf8Printable(text));
}

} // namespace PlotEngine
