// Water: each row below the level mirrors a row above it, shifted sideways
// by ripples that grow towards the viewer, darkened and tinted like deep
// water; a path of glitter lies under a low light.
#include "art_land.h"

#include <algorithm>

void art_water_paint(art_canvas& canvas, const art_sky& sky, float level, bool glitter, art_rng& rng) {
  art_noise noise(rng.next());
  const int w = canvas.width, h = canvas.height;
  const art_rgb deep = art_mix(sky.zenith, art_hex(0x0a2a40), 0.5f);
  const float calm = rng.range(0.6f, 1.4f);
  const int first = std::max(0, int(std::ceil(level)));
  for (int y = first; y < h; ++y) {
    const float depth = (float(y) - level) / float(h - level);   // 0 at the far shore
    const float mirror_y = level - (float(y) - level) - 1.f;
    const float ripple = (1.5f + 14.f * depth) * calm;
    const float tint = 0.15f + 0.35f * depth;
    for (int x = 0; x < w; ++x) {
      // Ripples are wide and flat, stretched more the nearer they are.
      const float n = noise.fbm(float(x) * 0.006f / (0.3f + depth), float(y) * 0.25f / (0.2f + depth), 3);
      art_rgb c = canvas.sample(float(x) + ripple * n * 3.f, std::max(0.f, mirror_y + ripple * n));
      c = art_mix(c * 0.86f, deep, tint);
      // Brighter wave crests facing the sky.
      c = c + sky.horizon * (0.12f * art_smooth(0.35f, 0.7f, n) * (0.3f + depth));
      if (glitter && sky.light_r > 0) {
        const float spread = sky.light_r * (0.8f + 7.f * depth);
        const float across = (float(x) - sky.light_x) / spread;
        const float path = std::exp(-across * across);
        const float sparkle = art_smooth(0.15f, 0.5f, noise.at(float(x) * 0.09f, float(y) * 0.9f));
        c = c + sky.light * (path * (0.18f + 0.75f * sparkle) * (sky.night ? 0.6f : 1.f));
      }
      canvas.at(x, y) = c;
    }
  }
}
