// Palettes: cosine ramps (hand-picked and seeded) and colour-stop ramps.
#include "art_canvas.h"

namespace {

constexpr float two_pi = 6.2831853f;

const art_palette picked[] = {
    {{0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}, {1, 1, 1}, {0.00f, 0.33f, 0.67f}},    // rainbow
    {{0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}, {1, 1, 1}, {0.00f, 0.10f, 0.20f}},    // embers
    {{0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}, {1, 1, 1}, {0.30f, 0.20f, 0.20f}},    // ocean dusk
    {{0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}, {1, 1, 0.5f}, {0.80f, 0.90f, 0.30f}}, // lime and plum
    {{0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}, {1, 0.7f, 0.4f}, {0.00f, 0.15f, 0.20f}},  // copper
    {{0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}, {2, 1, 0}, {0.50f, 0.20f, 0.25f}},    // sunrise
    {{0.8f, 0.5f, 0.4f}, {0.2f, 0.4f, 0.2f}, {2, 1, 1}, {0.00f, 0.25f, 0.25f}},    // peach
    {{0.2f, 0.45f, 0.6f}, {0.25f, 0.35f, 0.35f}, {1, 1, 1}, {0.55f, 0.45f, 0.35f}},  // lagoon
    {{0.55f, 0.4f, 0.6f}, {0.4f, 0.35f, 0.35f}, {1, 1, 1}, {0.10f, 0.30f, 0.55f}},   // orchid
    {{0.45f, 0.55f, 0.35f}, {0.35f, 0.35f, 0.3f}, {1, 1, 1}, {0.70f, 0.60f, 0.85f}}, // meadow
    {{0.6f, 0.5f, 0.45f}, {0.4f, 0.4f, 0.45f}, {0.8f, 0.8f, 0.8f}, {0.05f, 0.15f, 0.45f}},  // candy
    {{0.35f, 0.4f, 0.55f}, {0.35f, 0.35f, 0.45f}, {1, 1, 1}, {0.00f, 0.10f, 0.30f}},  // twilight
};

}  // namespace

art_rgb art_palette::at(float t) const {
  return {a.r + b.r * std::cos(two_pi * (c.r * t + d.r)), a.g + b.g * std::cos(two_pi * (c.g * t + d.g)),
          a.b + b.b * std::cos(two_pi * (c.b * t + d.b))};
}

int art_palette_count() { return int(sizeof picked / sizeof picked[0]); }

art_palette art_palette_pick(int index) {
  const int n = art_palette_count();
  return picked[((index % n) + n) % n];
}

art_palette art_palette_random(art_rng& rng) {
  // Frequencies that keep the ramp from flickering through too many hues.
  static const art_rgb frequencies[] = {{1, 1, 1}, {1, 1, 0.5f}, {1, 0.7f, 0.4f}, {0.8f, 1, 1.2f}};
  art_palette p;
  const float mid = rng.range(0.45f, 0.6f);
  p.a = {mid + rng.range(-0.05f, 0.05f), mid + rng.range(-0.05f, 0.05f), mid + rng.range(-0.05f, 0.05f)};
  const float swing = rng.range(0.3f, 0.45f);
  p.b = {swing, swing + rng.range(-0.08f, 0.05f), swing + rng.range(-0.08f, 0.05f)};
  p.c = frequencies[rng.below(4)];
  p.d = {rng.unit(), rng.unit(), rng.unit()};
  return p;
}

art_rgb art_ramp::at(float t) const {
  if (count == 0) return {};
  if (t <= pos[0]) return col[0];
  for (int i = 1; i < count; ++i)
    if (t <= pos[i]) return art_mix(col[i - 1], col[i], art_smooth(pos[i - 1], pos[i], t));
  return col[count - 1];
}
