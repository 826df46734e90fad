// The picture generator's shared pieces: a float RGB canvas, colour and
// shaping arithmetic, a seeded random source, gradient noise and palettes.
// Every picture is painted from its own seed alone, so a picture comes out
// the same whichever thread paints it and in whatever order.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

struct art_rgb {
  float r = 0, g = 0, b = 0;
};

inline art_rgb operator+(art_rgb a, art_rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline art_rgb operator-(art_rgb a, art_rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline art_rgb operator*(art_rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline art_rgb operator*(art_rgb a, art_rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }

inline float art_clamp(float v, float lo = 0.f, float hi = 1.f) { return v < lo ? lo : v > hi ? hi : v; }
inline float art_mix(float a, float b, float t) { return a + (b - a) * t; }
inline art_rgb art_mix(art_rgb a, art_rgb b, float t) { return a + (b - a) * t; }
inline float art_smooth(float e0, float e1, float v) {
  const float t = art_clamp((v - e0) / (e1 - e0));
  return t * t * (3.f - 2.f * t);
}
// 0x00RRGGBB into a colour; the palettes are written as hex like the
// toolkit's colours.
inline art_rgb art_hex(uint32_t c) {
  return {float((c >> 16) & 255) / 255.f, float((c >> 8) & 255) / 255.f, float(c & 255) / 255.f};
}
art_rgb art_hsv(float hue_degrees, float saturation, float value);

// A canvas of width × height colours, row after row; channels nominally 0..1.
struct art_canvas {
  int width = 0, height = 0;
  std::vector<art_rgb> px;

  art_canvas(int w, int h) : width(w), height(h), px(size_t(w) * size_t(h)) {}
  art_rgb& at(int x, int y) { return px[size_t(y) * size_t(width) + size_t(x)]; }
  const art_rgb& at(int x, int y) const { return px[size_t(y) * size_t(width) + size_t(x)]; }
  // Bilinear look-up, clamped at the edges.
  art_rgb sample(float x, float y) const;
  // Lays colour c over pixel x, y with coverage a (0..1); outside is ignored.
  void blend(int x, int y, art_rgb c, float a);
  // A soft round dab of radius r (pixels) with peak coverage a.
  void dab(float cx, float cy, float r, art_rgb c, float a);
  // The same dab adding its light instead of covering.
  void glow(float cx, float cy, float r, art_rgb c, float a);
};

// The canvas as 8-bit RGB rows (3 bytes a pixel), rounded and clamped.
std::vector<uint8_t> art_to_bytes(const art_canvas& canvas);

// splitmix64: small, fast and good enough for choosing compositions.
struct art_rng {
  uint64_t state;
  explicit art_rng(uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint64_t next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  float unit() { return float(next() >> 40) / float(1 << 24); }           // [0, 1)
  float range(float lo, float hi) { return lo + (hi - lo) * unit(); }
  int below(int n) { return int(next() % uint64_t(n)); }
  bool chance(float p) { return unit() < p; }
};

// Gradient noise in -1..1 over the plane, from a seeded permutation.
struct art_noise {
  uint8_t perm[512];
  explicit art_noise(uint64_t seed);
  float at(float x, float y) const;
  // Sum of octaves, each twice the frequency and `gain` times the amplitude.
  float fbm(float x, float y, int octaves, float gain = 0.5f) const;
  // Octaves of 1 - |noise|: sharp crests, for mountain ridges.
  float ridged(float x, float y, int octaves) const;
};

// Colour ramps: a cosine palette a + b·cos(2π(c·t + d)) per channel, the
// smooth kind that suits fractals and plasma, or a few colour stops.
struct art_palette {
  art_rgb a, b, c, d;
  art_rgb at(float t) const;
};
// One of the hand-picked palettes (any index, taken modulo their count).
art_palette art_palette_pick(int index);
int art_palette_count();
// A palette of its own for a seed: random phases over pleasant amplitudes.
art_palette art_palette_random(art_rng& rng);

struct art_ramp {
  int count = 0;
  float pos[8];
  art_rgb col[8];
  void add(float p, art_rgb c) {
    if (count < 8) pos[count] = p, col[count++] = c;
  }
  art_rgb at(float t) const;
};
