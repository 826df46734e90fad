// A flow field: thousands of strands follow the angle of a noise field
// across a soft gradient, each a trail of faint dabs, so that where many
// run together they gather into silky bands.
#include "art_paint.h"

void art_paint_flow(art_canvas& canvas, art_rng& rng, int variant) {
  art_noise field(rng.next());
  const art_palette pal = rng.chance(0.5f) ? art_palette_pick(variant * 5 + 4) : art_palette_random(rng);
  const float w = float(canvas.width), h = float(canvas.height);
  const bool dark = variant % 2 == 0;
  const float phase = rng.unit();
  const art_rgb top = dark ? pal.at(phase) * 0.18f : art_mix(pal.at(phase), art_hex(0xffffff), 0.75f);
  const art_rgb bottom = dark ? pal.at(phase + 0.3f) * 0.08f : art_mix(pal.at(phase + 0.3f), art_hex(0xffffff), 0.6f);
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x)
      canvas.at(x, y) = art_mix(top, bottom, art_smooth(0.f, 1.f, (float(y) + 0.3f * float(x)) / (h + 0.3f * w)));

  const float scale = (dark ? rng.range(0.7f, 1.4f) : rng.range(1.2f, 2.6f)) / h, turns = rng.range(1.f, 2.2f);
  const int strands = 4500 + rng.below(2000);
  const float alpha = dark ? 0.06f : 0.1f;
  for (int s = 0; s < strands; ++s) {
    float x = rng.range(-50, w + 50), y = rng.range(-50, h + 50);
    const int steps = 60 + rng.below(240);
    const float radius = rng.range(0.7f, 2.4f);
    const float hue = phase + 0.45f * (x / w) + 0.25f * (y / h) + rng.range(-0.06f, 0.06f);
    art_rgb c = pal.at(hue);
    // Light strands on the dark ground are bright whatever the palette gives;
    // dark ones on the light ground a little deeper.
    const float peak = std::max(c.r, std::max(c.g, c.b));
    c = dark ? c * (0.9f / std::max(peak, 0.05f)) : c * 0.8f;
    for (int i = 0; i < steps; ++i) {
      float dx, dy;
      if (dark) {
        // The curl of the noise: a flow without sources or sinks, so the
        // strands swirl side by side instead of gathering into a few lines.
        const float e = 2.f;
        const float nx = field.fbm((x + e) * scale, y * scale, 3) - field.fbm((x - e) * scale, y * scale, 3);
        const float ny = field.fbm(x * scale, (y + e) * scale, 3) - field.fbm(x * scale, (y - e) * scale, 3);
        const float len = std::sqrt(nx * nx + ny * ny) + 1e-6f;
        dx = ny / len;
        dy = -nx / len;
      } else {
        const float a = field.fbm(x * scale, y * scale, 3) * 6.2831853f * turns;
        dx = std::cos(a);
        dy = std::sin(a);
      }
      x += dx * 1.6f;
      y += dy * 1.6f;
      // Strands fade in and out instead of starting and ending abruptly.
      const float life = float(i) / float(steps);
      const float fade = art_smooth(0.f, 0.15f, life) * (1 - art_smooth(0.8f, 1.f, life));
      if (x < -5 || y < -5 || x > w + 5 || y > h + 5) break;
      // On a dark ground the strands add light, so crowded bands glow.
      if (dark)
        canvas.glow(x, y, radius, c, alpha * fade);
      else
        canvas.dab(x, y, radius, c, alpha * fade);
    }
  }
}
