// The program's one random generator and the rounding helper.
//
// A linear congruential generator: every draw advances the 32-bit seed by
// seed * 22695477 + 1 (wrapping) and returns bits 16 to 30 of the new seed,
// 0 to 32767. Everything that must repeat a quiz exactly (the series preview
// tool, tests) seeds it and then makes the same draws in the same order.
#pragma once

#include <cstdint>

void vqrandom_seed(uint32_t seed);
uint32_t vqrandom_state();
// Seeds with the calendar time in whole seconds (cut to 32 bits).
void vqrandomize();
int32_t vqrandom_draw();

// Half away from zero: 2.5 gives 3, -2.5 gives -3.
double vqround(double x);
