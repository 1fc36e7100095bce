// The library's pseudo-random generator, for sample values: one generator for the whole program,
// so that a test that seeds it gets the same samples every run.
#pragma once

#include <random>

namespace PlotEngine {

std::mt19937 &SampleGenerator();
void RandomSeed(unsigned seed);
// 0..limit-1; 0 for a limit below 1.
int RandomInt(int limit);

} // namespace PlotEngine
