// Gradient noise: a permutation shuffled from the seed picks one of eight
// gradient directions per lattice point; quintic fading keeps the
// derivative smooth, so ridges and clouds show no lattice creases.
#include "art_canvas.h"

namespace {

const float gradients[8][2] = {{1, 0},         {-1, 0},        {0, 1},         {0, -1},
                               {0.7071f, 0.7071f}, {-0.7071f, 0.7071f}, {0.7071f, -0.7071f},
                               {-0.7071f, -0.7071f}};

inline float fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

}  // namespace

art_noise::art_noise(uint64_t seed) {
  art_rng rng(seed ^ 0xA5A5u);
  for (int i = 0; i < 256; ++i) perm[i] = uint8_t(i);
  for (int i = 255; i > 0; --i) {
    const int j = rng.below(i + 1);
    const uint8_t t = perm[i];
    perm[i] = perm[j];
    perm[j] = t;
  }
  for (int i = 0; i < 256; ++i) perm[256 + i] = perm[i];
}

float art_noise::at(float x, float y) const {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = int(fx) & 255, iy = int(fy) & 255;
  const float dx = x - fx, dy = y - fy;
  auto corner = [&](int cx, int cy, float ox, float oy) {
    const float* g = gradients[perm[perm[ix + cx] + iy + cy] & 7];
    return g[0] * ox + g[1] * oy;
  };
  const float u = fade(dx), v = fade(dy);
  const float n00 = corner(0, 0, dx, dy), n10 = corner(1, 0, dx - 1, dy);
  const float n01 = corner(0, 1, dx, dy - 1), n11 = corner(1, 1, dx - 1, dy - 1);
  // The eight-direction gradients reach about ±0.7; scaled to about ±1.
  return 1.4f * art_mix(art_mix(n00, n10, u), art_mix(n01, n11, u), v);
}

float art_noise::fbm(float x, float y, int octaves, float gain) const {
  float sum = 0, amplitude = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    // Each octave is shifted so that the lattice origins do not line up.
    sum += amplitude * at(x + float(i) * 17.31f, y - float(i) * 9.17f);
    norm += amplitude;
    amplitude *= gain;
    x *= 2.03f;
    y *= 2.03f;
  }
  return sum / norm;
}

float art_noise::ridged(float x, float y, int octaves) const {
  float sum = 0, amplitude = 1, norm = 0, weight = 1;
  for (int i = 0; i < octaves; ++i) {
    float n = 1 - std::fabs(at(x + float(i) * 11.7f, y + float(i) * 5.3f));
    n *= n;
    // Finer crests only where the coarser ones stand high, as in real ranges.
    sum += amplitude * n * weight;
    weight = art_clamp(n * 1.6f);
    norm += amplitude;
    amplitude *= 0.5f;
    x *= 2.07f;
    y *= 2.07f;
  }
  return sum / norm;
}
