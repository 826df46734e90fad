// Stained glass: the cells of jittered seeds (on a plain grid, or on rings
// around the middle like a rose window), each a pane of one colour glowing
// from its middle, joined by dark lead along the cell borders.
#include <algorithm>

#include "art_paint.h"

namespace {

struct seed_grid {
  int cols = 0, rows = 0;
  std::vector<float> ox, oy;   // seed of each grid cell, as an offset within it
  std::vector<art_rgb> colour;

  // The cell nearest to (gx, gy): its index and seed position, and the
  // distance from the point to the nearest border (to the bisector with
  // each neighbouring seed), all in grid units.
  int nearest(float gx, float gy, float* bx, float* by, float* lead) const {
    const int cx = int(std::floor(gx)), cy = int(std::floor(gy));
    float d1 = 1e9f;
    int best = -1;
    for (int j = cy - 2; j <= cy + 2; ++j)
      for (int i = cx - 2; i <= cx + 2; ++i) {
        const int k = index(i, j);
        const float x = float(i) + ox[size_t(k)], y = float(std::clamp(j, 0, rows - 1)) + oy[size_t(k)];
        const float d = (x - gx) * (x - gx) + (y - gy) * (y - gy);
        if (d < d1) d1 = d, best = k, *bx = x, *by = y;
      }
    float edge = 1e9f;
    for (int j = cy - 2; j <= cy + 2; ++j)
      for (int i = cx - 2; i <= cx + 2; ++i) {
        const int k = index(i, j);
        const float x = float(i) + ox[size_t(k)], y = float(std::clamp(j, 0, rows - 1)) + oy[size_t(k)];
        const float vx = x - *bx, vy = y - *by, len = std::sqrt(vx * vx + vy * vy);
        if (len < 1e-6f) continue;
        const float along = ((gx - *bx) * vx + (gy - *by) * vy) / len;
        edge = std::min(edge, len / 2 - along);
      }
    *lead = edge;
    return best;
  }
  // Columns wrap around, so the seam of a rose window closes.
  int index(int i, int j) const {
    i = ((i % cols) + cols) % cols;
    j = std::clamp(j, 0, rows - 1);
    return j * cols + i;
  }
};

}  // namespace

void art_paint_stained_glass(art_canvas& canvas, art_rng& rng, int variant) {
  art_noise noise(rng.next());
  const bool rose = variant % 2 == 1;
  const float w = float(canvas.width), h = float(canvas.height);
  const float cell = rng.range(60, 110);          // pixels, on the plain grid
  seed_grid grid;
  grid.cols = rose ? 12 + 2 * rng.below(6) : int(w / cell) + 1;
  grid.rows = rose ? 9 + rng.below(4) : int(h / cell) + 1;
  const float ring_width = std::sqrt(w * w + h * h) * 0.5f / float(grid.rows);
  const art_palette pal = rng.chance(0.5f) ? art_palette_pick(variant * 7 + 2) : art_palette_random(rng);
  const float phase = rng.unit();
  for (int j = 0; j < grid.rows; ++j)
    for (int i = 0; i < grid.cols; ++i) {
      grid.ox.push_back(rng.range(0.15f, 0.85f));
      grid.oy.push_back(rng.range(0.15f, 0.85f));
      // Jewel tones: the palette's colour, saturated a little.
      art_rgb c = pal.at(phase + rng.range(0, 0.8f) + (rose ? float(j) * 0.07f : 0));
      const float grey = (c.r + c.g + c.b) / 3;
      grid.colour.push_back(art_mix(art_rgb{grey, grey, grey}, c, 1.35f));
    }
  const art_rgb lead_colour = art_hex(0x17120e);
  const float lead_half = rng.range(1.6f, 2.8f);
  const float lx = rng.range(0.2f, 0.8f) * w, ly = rng.range(0.1f, 0.5f) * h;
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const float px = float(x) + 0.5f, py = float(y) + 0.5f;
      float gx, gy, unit;   // grid coordinates and pixels per grid unit
      if (rose) {
        const float dx = px - w / 2, dy = py - h / 2, r = std::sqrt(dx * dx + dy * dy);
        gx = (std::atan2(dy, dx) / 6.2831853f + 0.5f) * float(grid.cols);
        gy = r / ring_width;
        unit = std::min(ring_width, std::max(4.f, r * 6.2831853f / float(grid.cols)));
      } else {
        gx = px / cell;
        gy = py / cell;
        unit = cell;
      }
      float bx = 0, by = 0, edge = 0;
      const int b = grid.nearest(gx, gy, &bx, &by, &edge);
      const float to_lead = edge * unit;   // pixels to the border
      const float dx = bx - gx, dy = by - gy;
      const float centre = std::exp(-(dx * dx + dy * dy) * 1.8f);
      // Light behind the window: brighter near one spot, with the glass's ripples.
      const float sdx = (px - lx) / w, sdy = (py - ly) / h;
      const float behind = 0.7f + 0.45f * std::exp(-(sdx * sdx + sdy * sdy) * 4.f);
      const float ripple = 0.06f * noise.fbm(px * 0.03f, py * 0.03f, 3);
      art_rgb glass = grid.colour[size_t(b)] * ((0.62f + 0.38f * centre) * behind + ripple);
      glass = glass * (0.75f + 0.25f * art_smooth(0.f, 10.f, to_lead - lead_half));
      canvas.at(x, y) = art_mix(lead_colour, glass, art_clamp(to_lead - lead_half + 0.5f));
    }
}
