// Patterns from formulas: plasma (waves warped by noise), Truchet tiles of
// rounded tubes, and mandalas folded from a noise field.
#include <algorithm>

#include "art_paint.h"

namespace {

constexpr float pi = 3.14159265f;

art_palette palette_for(art_rng& rng, int variant, int salt) {
  return rng.chance(0.5f) ? art_palette_pick(variant * 3 + salt) : art_palette_random(rng);
}

// Darker towards the corners, as if lit from the middle.
float vignette(float u, float v, float strength) {
  const float dx = u - 0.5f, dy = (v - 0.5f) * 0.75f;
  return 1 - strength * art_smooth(0.15f, 0.55f, std::sqrt(dx * dx + dy * dy));
}

}  // namespace

void art_paint_plasma(art_canvas& canvas, art_rng& rng, int variant) {
  // Noise warped by noise warped by noise: marbled, silky folds. The field
  // is smooth, so it is worked out on a grid of every second pixel and
  // interpolated; its slope lights the folds like cloth.
  art_noise noise(rng.next());
  const art_palette pal = palette_for(rng, variant, 1);
  const float scale = rng.range(0.7f, 1.3f), warp = rng.range(1.5f, 3.f);
  const float bands = rng.range(0.8f, 1.6f), phase = rng.unit();
  const int gw = canvas.width / 2 + 2, gh = canvas.height / 2 + 2;
  std::vector<float> field(size_t(gw) * size_t(gh)), hue(field.size());
  for (int gy = 0; gy < gh; ++gy)
    for (int gx = 0; gx < gw; ++gx) {
      const float u = float(gx * 2) / float(canvas.height) * scale, v = float(gy * 2) / float(canvas.height) * scale;
      const float qx = noise.fbm(u, v, 3), qy = noise.fbm(u + 5.2f, v + 1.3f, 3);
      const float rx = noise.fbm(u + warp * qx + 1.7f, v + warp * qy + 9.2f, 3);
      const float ry = noise.fbm(u + warp * qx + 8.3f, v + warp * qy + 2.8f, 3);
      const size_t i = size_t(gy) * gw + gx;
      field[i] = noise.fbm(u + warp * rx, v + warp * ry, 4);
      hue[i] = std::sqrt(qx * qx + qy * qy) * 0.8f + rx * 0.3f;
    }
  auto lerp_grid = [&](const std::vector<float>& g, float fx, float fy) {
    const int x0 = std::min(int(fx), gw - 2), y0 = std::min(int(fy), gh - 2);
    const float tx = fx - float(x0), ty = fy - float(y0);
    const float* r0 = &g[size_t(y0) * gw + x0];
    const float* r1 = r0 + gw;
    return art_mix(art_mix(r0[0], r0[1], tx), art_mix(r1[0], r1[1], tx), ty);
  };
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const float fx = float(x) * 0.5f, fy = float(y) * 0.5f;
      const float f = lerp_grid(field, fx, fy);
      const float slope = lerp_grid(field, fx + 1, fy) - lerp_grid(field, fx, fy + 1);
      const float light = art_clamp(0.85f + slope * 9.f, 0.5f, 1.25f);
      canvas.at(x, y) = pal.at(phase + f * bands + lerp_grid(hue, fx, fy)) * light *
                        vignette(float(x) / float(canvas.width), float(y) / float(canvas.height), 0.2f);
    }
}

void art_paint_truchet(art_canvas& canvas, art_rng& rng, int variant) {
  const art_palette pal = palette_for(rng, variant, 2);
  const float size = rng.range(56, 110), tube = size * rng.range(0.12f, 0.2f);
  const float phase = rng.unit(), drift = rng.range(0.3f, 0.8f);
  const int cols = int(canvas.width / size) + 2, rows = int(canvas.height / size) + 2;
  std::vector<uint8_t> turn(size_t(cols) * size_t(rows));
  for (uint8_t& t : turn) t = uint8_t(rng.below(2));
  const float w = float(canvas.width), h = float(canvas.height);
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const int tx = int(float(x) / size), ty = int(float(y) / size);
      float lx = float(x) + 0.5f - float(tx) * size, ly = float(y) + 0.5f - float(ty) * size;
      if (turn[size_t(ty) * cols + tx]) lx = size - lx;
      // Two quarter circles around opposite corners join the tile's edge midpoints.
      const float d1 = std::fabs(std::sqrt(lx * lx + ly * ly) - size / 2);
      const float ex = size - lx, ey = size - ly;
      const float d2 = std::fabs(std::sqrt(ex * ex + ey * ey) - size / 2);
      const float d = std::min(d1, d2);
      const float u = float(x) / w, v = float(y) / h;
      const art_rgb ground = pal.at(phase + drift * (u * 0.6f + v * 0.4f)) * 0.62f;
      const art_rgb pipe = pal.at(phase + 0.5f + drift * (u * 0.4f + v * 0.6f));
      // A tube: brightest along its middle, with a soft shadow beside it.
      const float across = art_clamp(d / tube);
      const art_rgb lit = pipe * (0.55f + 0.55f * std::sqrt(1 - across * across)) +
                          art_hex(0xffffff) * (0.25f * std::pow(1 - across, 6.f));
      const float shadow = 1 - 0.5f * std::exp(-std::max(0.f, d - tube) / (tube * 0.6f));
      canvas.at(x, y) = art_mix(ground * shadow, lit, art_clamp(tube - d + 0.5f)) * vignette(u, v, 0.2f);
    }
}

void art_paint_mandala(art_canvas& canvas, art_rng& rng, int variant) {
  art_noise noise(rng.next());
  const art_palette pal = palette_for(rng, variant, 0);
  const int petals = 5 + rng.below(8);
  const float sector = 2 * pi / float(petals);
  const float scale = rng.range(2.f, 4.f), rings = rng.range(10, 22), phase = rng.unit();
  const float cx = float(canvas.width) * 0.5f, cy = float(canvas.height) * 0.5f, unit = float(canvas.height) * 0.5f;
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const float dx = (float(x) + 0.5f - cx) / unit, dy = (float(y) + 0.5f - cy) / unit;
      const float r = std::sqrt(dx * dx + dy * dy);
      float a = std::atan2(dy, dx) + pi;
      a = std::fmod(a, sector);
      if (a > sector / 2) a = sector - a;   // mirrored halves make the petals symmetric
      const float fx = r * std::cos(a) * scale, fy = r * std::sin(a) * scale;
      const float n = noise.fbm(fx + 3.1f, fy + 1.3f, 4, 0.55f);
      const float contour = 0.5f + 0.5f * std::cos((n * 2.f + r) * rings);
      const float glow = std::exp(-r * 1.4f);
      art_rgb c = pal.at(phase + n * 0.9f + r * 0.35f) * (0.5f + 0.5f * contour);
      c = c + art_hex(0xfff2d8) * (0.35f * glow);
      canvas.at(x, y) = c * (1 - 0.55f * art_smooth(0.7f, 1.9f, r));
    }
}
