// The sample-value generator.
#include "SampleRandom.h"

namespace PlotEngine {

std::mt19937 &SampleGenerator()
{
    static std::mt19937 generator(std::random_device{}());
    return generator;
}

void RandomSeed(unsigned seed)
{
    SampleGenerator().seed(seed);
}

int RandomInt(int limit)
{
    if (limit < 1)
        return 0;
    // The modulo keeps the numbers the same on every standard library, unlike a distribution.
    return int(SampleGenerator()() % unsigned(limit));
}

} // namespace PlotEngine
