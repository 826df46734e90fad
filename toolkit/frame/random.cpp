// The generator state is one process-wide word; unsigned arithmetic gives
// the wrap-around the sequence is defined by without undefined behaviour.
#include "vqrandom.h"

#include "vqplatform.h"

#include <cmath>

namespace {
uint32_t g_seed = 1;
}

void vqrandom_seed(uint32_t seed) { g_seed = seed; }
uint32_t vqrandom_state() { return g_seed; }

void vqrandomize() { vqrandom_seed(static_cast<uint32_t>(vqplatform_calendar_seconds())); }

int32_t vqrandom_draw() {
  g_seed = g_seed * 22695477u + 1u;
  return static_cast<int32_t>((g_seed >> 16) & 0x7FFFu);
}

double vqround(double x) { return x >= 0 ? std::floor(x + 0.5) : std::ceil(x - 0.5); }
