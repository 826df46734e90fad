// The start picture: a sunny morning over green hills, the game's name in
// large friendly letters, and balloons carrying the numbers of a series.
#include <algorithm>

#include "art_land.h"
#include "art_paint.h"
#include "art_text.h"

namespace {

// Lays a mask over the canvas with its top-left corner at x0, y0; the
// colour may change with the row inside the mask (for gradients).
template <class colour_at>
void lay(art_canvas& canvas, const art_mask& mask, int x0, int y0, float alpha, colour_at colour) {
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) {
      const float a = mask.at(x, y) * alpha;
      if (a > 0) canvas.blend(x0 + x, y0 + y, colour(float(y) / float(mask.height)), a);
    }
}

// Text with an outline and a soft shadow, centred on cx; top row y.
void title_text(art_canvas& canvas, const char* text, int pixels, float cx, int y, int outline,
                art_rgb top, art_rgb bottom, art_rgb edge) {
  const art_mask letters = art_text_mask(text, pixels);
  if (letters.width == 0) return;
  const art_mask rim = art_mask_grow(letters, outline);
  art_mask shadow = art_mask_grow(letters, outline + 2);
  art_mask_blur(shadow, outline);
  const int x0 = int(cx) - letters.width / 2;
  lay(canvas, shadow, x0 - outline - 2 + outline, y - outline - 2 + outline + outline / 2, 0.4f,
      [](float) { return art_hex(0x10203a); });
  lay(canvas, rim, x0 - outline, y - outline, 1.f, [&](float) { return edge; });
  lay(canvas, letters, x0, y, 1.f, [&](float v) { return art_mix(top, bottom, art_smooth(0.25f, 0.85f, v)); });
}

void balloon(art_canvas& canvas, float cx, float cy, art_rgb colour, const char* label) {
  const float rx = 40, ry = 48;
  // The string first, swaying down from the knot.
  for (int i = 0; i < 160; ++i) {
    const float t = float(i) / 160;
    canvas.dab(cx + 9 * std::sin(t * 5.f), cy + ry + 4 + t * 150, 0.9f, art_hex(0x6a6a7a), 0.8f);
  }
  for (int y = int(cy - ry) - 2; y <= int(cy + ry) + 8; ++y)
    for (int x = int(cx - rx) - 2; x <= int(cx + rx) + 2; ++x) {
      const float dx = (float(x) + 0.5f - cx) / rx, dy = (float(y) + 0.5f - cy) / ry;
      const float d = (std::sqrt(dx * dx + dy * dy) - 1) * rx;
      // The knot: a small triangle under the balloon.
      const float knot = std::max(std::fabs(float(x) + 0.5f - cx) - (cy + ry + 7 - float(y)) * 0.7f,
                                  std::fabs(float(y) + 0.5f - (cy + ry + 3.5f)) - 3.5f);
      const float hx = dx + 0.35f, hy = dy + 0.4f;
      const float shine = std::exp(-(hx * hx + hy * hy) * 9.f);
      const art_rgb c = colour * (1.05f - 0.3f * art_smooth(0.2f, 1.f, std::sqrt(dx * dx + dy * dy))) +
                        art_hex(0xffffff) * (0.55f * shine);
      canvas.blend(x, y, c, art_clamp(0.5f - std::min(d, knot)));
    }
  const art_mask text = art_text_mask(label, 50);
  if (text.width == 0) return;
  lay(canvas, art_mask_grow(text, 2), int(cx) - text.width / 2 - 2, int(cy) - text.height / 2 - 4, 0.35f,
      [](float) { return art_hex(0x202040); });
  lay(canvas, text, int(cx) - text.width / 2, int(cy) - text.height / 2 - 2, 1.f,
      [](float) { return art_hex(0xffffff); });
}

}  // namespace

void art_paint_title(art_canvas& canvas) {
  art_rng rng(20240601);
  const float w = float(canvas.width), h = float(canvas.height);
  art_sky sky = art_sky_make(art_day, h * 0.58f, canvas.width, rng);
  sky.zenith = art_hex(0x4f9fe8);
  sky.middle = art_hex(0x9ccff6);
  sky.horizon = art_hex(0xe6f5ff);
  sky.light = art_hex(0xfff0a0);
  sky.light_x = w * 0.85f;
  sky.light_y = h * 0.12f;
  sky.light_r = 44;
  art_sky_paint(canvas, sky);
  art_sky_clouds(canvas, sky, rng, h * 0.02f, h * 0.48f, 0.3f);
  art_ridges hills;
  hills.kind = art_rolling;
  hills.layers = 4;
  hills.top = h * 0.62f;
  hills.bottom = h * 0.88f;
  hills.height = h * 0.1f;
  hills.far = art_hex(0x9fd27a);
  hills.near = art_hex(0x3f8a2e);
  hills.mist = 0.25f;
  const std::vector<float> crest = art_land_paint(canvas, sky, hills, rng);
  art_land_trees(canvas, crest, art_hex(0x2c6a22), 9, true, rng);

  // A series rises around the name: 2, 4, 8, 16 and the one to find.
  balloon(canvas, 100, 190, art_hex(0xff5a5f), "2");
  balloon(canvas, 215, 450, art_hex(0x3fa7ff), "4");
  balloon(canvas, 1065, 450, art_hex(0x5ccf6a), "8");
  balloon(canvas, 1180, 250, art_hex(0xa77bff), "16");
  balloon(canvas, 640, 515, art_hex(0xffb13b), "?");
  title_text(canvas, "QUORILA", 190, w / 2, 110, 10, art_hex(0xffe35a), art_hex(0xff8a1e), art_hex(0x24306e));
  title_text(canvas, "Das Zahlenreihen-Quiz", 58, w / 2, 345, 5, art_hex(0xffffff), art_hex(0xe8f0ff),
             art_hex(0x24306e));
}
