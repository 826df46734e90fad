// Pictures of layers: paper cut-outs (waving bands, each casting a soft
// shadow on the one behind it) and bokeh (blurred discs of light).
#include <algorithm>

#include "art_paint.h"

void art_paint_paper(art_canvas& canvas, art_rng& rng, int variant) {
  art_noise noise(rng.next());
  const float w = float(canvas.width), h = float(canvas.height);
  const int layers = 6 + rng.below(5);
  // Hues a golden angle apart from one paper picture to the next.
  const float hue = std::fmod(float(variant) * 137.5f + rng.range(0, 30), 360.f);
  const float hue_step = rng.range(4, 9) * (rng.chance(0.5f) ? 1.f : -1.f);
  const float saturation = rng.range(0.35f, 0.6f);
  const int shape = variant % 3;   // 0 rolling waves, 1 paper peaks, 2 choppy sea
  // The back is a pale sky in the opposite hue, with a sun cut out of it.
  const art_rgb sky_top = art_hsv(hue + 180, 0.25f, 0.95f), sky_low = art_hsv(hue + 150, 0.15f, 1.f);
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) canvas.at(x, y) = art_mix(sky_top, sky_low, float(y) / h);
  const float sun_x = rng.range(0.2f, 0.8f) * w, sun_y = rng.range(0.22f, 0.38f) * h, sun_r = rng.range(50, 95);
  const art_rgb sun = art_mix(art_hex(0xfff0c0), art_hsv(hue + 30, 0.6f, 1.f), 0.3f);
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const float dx = float(x) - sun_x, dy = float(y) - sun_y;
      canvas.at(x, y) = art_mix(canvas.at(x, y), sun, art_clamp(sun_r - std::sqrt(dx * dx + dy * dy) + 0.5f));
    }
  const float frequency = rng.range(1.5f, 2.8f) * (shape == 2 ? 2.2f : 1.f);
  for (int layer = 0; layer < layers; ++layer) {
    const float f = float(layer) / float(layers - 1);
    const float base = h * art_mix(0.5f, 0.97f, f);
    const float swing = h * art_mix(shape == 1 ? 0.26f : 0.16f, 0.1f, f);
    const art_rgb colour = art_hsv(hue + hue_step * float(layer), saturation, art_mix(0.92f, 0.3f, f));
    const float shift = rng.range(0, 50), layer_frequency = frequency * rng.range(0.7f, 1.3f);
    for (int x = 0; x < canvas.width; ++x) {
      const float u = float(x) / w * layer_frequency + shift;
      const float crest = shape == 1 ? noise.ridged(u, f * 3.f, 3) : 0.5f + noise.fbm(u, f * 3.f, 4, 0.5f);
      const float edge = base - swing * crest;
      // The cut edge shadows the paper behind it, strongest right at the edge.
      for (int y = std::max(0, int(edge - 40)); y < std::min(canvas.height, int(edge + 1)); ++y) {
        const float above = edge - float(y);
        if (above > 0) canvas.at(x, y) = canvas.at(x, y) * (1 - 0.4f * std::exp(-above / 11.f));
      }
      for (int y = std::max(0, int(edge)); y < canvas.height; ++y) {
        const float below = float(y) - edge;
        // A little light on the edge itself, and the paper's gentle shading.
        const art_rgb c = colour * (1.06f - 0.1f * art_smooth(0.f, 120.f, below)) +
                          art_hex(0xffffff) * (0.08f * std::exp(-below / 2.f));
        canvas.blend(x, y, c, art_clamp(below + 0.5f));
      }
    }
  }
}

void art_paint_bokeh(art_canvas& canvas, art_rng& rng, int variant) {
  const art_palette pal = rng.chance(0.5f) ? art_palette_pick(variant * 4 + 6) : art_palette_random(rng);
  const float w = float(canvas.width), h = float(canvas.height);
  const float phase = rng.unit();
  const art_rgb a = pal.at(phase) * 0.45f, b = pal.at(phase + 0.4f) * 0.2f;
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const float u = float(x) / w, v = float(y) / h;
      canvas.at(x, y) = art_mix(a, b, art_smooth(0.f, 1.f, 0.6f * u + 0.6f * v - 0.1f));
    }
  // Large faint discs first, small bright ones over them: near lights blur most.
  const int discs = 90 + rng.below(80);
  for (int i = 0; i < discs; ++i) {
    const float f = float(i) / float(discs);
    const float r = art_mix(95.f, 8.f, std::sqrt(f)) * rng.range(0.6f, 1.3f);
    // Lights gather along a gentle diagonal band.
    const float along = rng.unit();
    const float cx = along * w + rng.range(-0.15f, 0.15f) * w;
    const float cy = art_mix(0.75f, 0.25f, along) * h + rng.range(-0.35f, 0.35f) * h;
    art_rgb c = pal.at(phase + 0.2f + rng.range(0, 0.5f));
    // Lights are vivid: the palette's colour pushed away from grey, a touch of white.
    const float grey = (c.r + c.g + c.b) / 3;
    c = art_mix(art_mix(art_rgb{grey, grey, grey}, c, 1.5f), art_hex(0xfff4e0), 0.15f);
    const float strength = art_mix(0.2f, 0.55f, f) * rng.range(0.6f, 1.f);
    const float soft = std::max(1.5f, r * 0.12f);
    for (int y = std::max(0, int(cy - r - soft)); y < std::min(canvas.height, int(cy + r + soft) + 1); ++y)
      for (int x = std::max(0, int(cx - r - soft)); x < std::min(canvas.width, int(cx + r + soft) + 1); ++x) {
        const float dx = float(x) - cx, dy = float(y) - cy, d = std::sqrt(dx * dx + dy * dy);
        const float inside = art_clamp((r - d) / soft + 0.5f);
        if (inside <= 0) continue;
        // A lens disc is a little brighter at its rim.
        const float rim = 0.8f + 0.35f * art_smooth(r * 0.6f, r, d);
        art_rgb& p = canvas.at(x, y);
        const float k = strength * inside * rim;
        // Screen blending: lights add up without burning out.
        p = {1 - (1 - p.r) * (1 - c.r * k), 1 - (1 - p.g) * (1 - c.g * k), 1 - (1 - p.b) * (1 - c.b * k)};
      }
  }
}
