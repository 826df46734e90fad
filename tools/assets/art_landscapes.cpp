// The landscape pictures: mountains with or without a lake, rolling hills
// with trees, the open sea, dunes, and northern lights over a lake. The
// variant walks through the moods so that neighbours differ in light.
#include "art_land.h"
#include "art_paint.h"

namespace {

struct land_colours {
  uint32_t far, near;
};

art_ridges ridges_of(art_ridge_kind kind, const land_colours& c, float h) {
  art_ridges r;
  r.kind = kind;
  r.far = art_hex(c.far);
  r.near = art_hex(c.near);
  r.top = h * 0.3f;
  r.bottom = h * 0.8f;
  r.height = h * 0.25f;
  return r;
}

// Consecutive pictures of a painter take the moods in turn, so that two of
// them share a mood only after the whole list.
art_mood pick(const art_mood* moods, int count, int variant) { return moods[variant % count]; }

}  // namespace

void art_paint_mountains(art_canvas& canvas, art_rng& rng, int variant) {
  static const art_mood moods[] = {art_day, art_golden, art_sunset, art_dawn, art_pastel, art_dusk, art_night};
  static const land_colours lands[] = {{0x6f86a8, 0x1f2f45}, {0x8a7aa8, 0x2a2440}, {0x7aa08a, 0x1f3a2c},
                                       {0x5f8f9a, 0x18323a}, {0xa88a7a, 0x3a2a28}};
  const float h = float(canvas.height);
  const bool lake = variant % 2 == 0;
  art_sky sky = art_sky_make(pick(moods, 7, variant), h * (lake ? 0.62f : 0.7f), canvas.width, rng);
  art_sky_paint(canvas, sky);
  if (sky.night) art_sky_stars(canvas, rng, h * 0.6f, 600);
  if (rng.chance(0.7f)) art_sky_clouds(canvas, sky, rng, h * 0.04f, h * 0.45f, rng.range(0.25f, 0.6f));
  art_ridges r = ridges_of(art_peaks, lands[rng.below(5)], h);
  r.layers = 4 + rng.below(3);
  r.top = h * rng.range(0.4f, 0.46f);
  r.bottom = lake ? h * 0.6f : h * 0.86f;
  r.height = h * rng.range(0.2f, 0.26f);
  r.mist = rng.range(0.35f, 0.7f);
  r.snow = sky.mood == art_day || sky.mood == art_dawn || sky.mood == art_golden || sky.mood == art_pastel;
  const std::vector<float> crest = art_land_paint(canvas, sky, r, rng);
  if (lake) {
    art_water_paint(canvas, sky, h * 0.64f, sky.light_y > sky.horizon_y * 0.6f, rng);
  } else {
    art_land_trees(canvas, crest, r.near * 0.7f, 10 + rng.below(30), false, rng);
  }
}

void art_paint_hills(art_canvas& canvas, art_rng& rng, int variant) {
  static const art_mood moods[] = {art_day, art_golden, art_dawn, art_pastel, art_sunset, art_dusk, art_day};
  static const land_colours lands[] = {{0xa8d080, 0x3c7a2c}, {0xf0c860, 0x9a6a20}, {0xb8a8e0, 0x5a4a90},
                                       {0x9ad0b0, 0x2a6a50}, {0xc8d870, 0x5a7a20}};
  const float h = float(canvas.height);
  art_sky sky = art_sky_make(pick(moods, 7, variant), h * 0.55f, canvas.width, rng);
  art_sky_paint(canvas, sky);
  art_sky_clouds(canvas, sky, rng, h * 0.03f, h * 0.5f, rng.range(0.3f, 0.65f));
  art_ridges r = ridges_of(art_rolling, lands[variant % 5], h);
  r.layers = 5 + rng.below(3);
  r.top = h * rng.range(0.42f, 0.5f);
  r.bottom = h * rng.range(0.8f, 0.88f);
  r.height = h * rng.range(0.12f, 0.18f);
  r.mist = rng.range(0.1f, 0.3f);
  r.haze = 0.55f;
  const std::vector<float> crest = art_land_paint(canvas, sky, r, rng);
  art_land_trees(canvas, crest, r.near * 0.7f, 5 + rng.below(12), rng.chance(0.7f), rng);
}

void art_paint_sea(art_canvas& canvas, art_rng& rng, int variant) {
  static const art_mood moods[] = {art_sunset, art_night, art_golden, art_dusk, art_dawn, art_day};
  const float h = float(canvas.height);
  const float horizon = h * rng.range(0.5f, 0.6f);
  art_sky sky = art_sky_make(pick(moods, 6, variant), horizon, canvas.width, rng);
  art_sky_paint(canvas, sky);
  if (sky.night || sky.mood == art_dusk) art_sky_stars(canvas, rng, horizon, sky.night ? 700 : 250);
  art_sky_clouds(canvas, sky, rng, h * 0.05f, horizon * 0.9f, rng.range(0.15f, 0.5f));
  if (rng.chance(0.6f)) {
    // A far island or coast on the horizon.
    art_ridges island = ridges_of(art_rolling, {0x506070, 0x303848}, h);
    island.layers = 1;
    island.top = island.bottom = horizon + 2;
    island.height = h * rng.range(0.03f, 0.08f);
    island.far = island.near = art_mix(sky.haze, sky.zenith, 0.55f) * 0.8f;
    island.mist = 0.2f;
    art_land_paint(canvas, sky, island, rng);
  }
  art_water_paint(canvas, sky, horizon, true, rng);
}

void art_paint_dunes(art_canvas& canvas, art_rng& rng, int variant) {
  static const art_mood moods[] = {art_golden, art_day, art_sunset, art_dawn, art_pastel};
  static const land_colours lands[] = {{0xf0c890, 0xc07840}, {0xe8b8a0, 0xa05a48}, {0xf2d8a8, 0xb89058}};
  const float h = float(canvas.height);
  art_sky sky = art_sky_make(pick(moods, 5, variant), h * 0.55f, canvas.width, rng);
  art_sky_paint(canvas, sky);
  if (rng.chance(0.5f)) art_sky_clouds(canvas, sky, rng, h * 0.05f, h * 0.35f, rng.range(0.1f, 0.35f));
  art_ridges r = ridges_of(art_dune, lands[variant % 3], h);
  r.layers = 4 + rng.below(2);
  r.top = h * 0.52f;
  r.bottom = h * 0.88f;
  r.height = h * rng.range(0.12f, 0.2f);
  r.far = art_mix(r.far, sky.light, 0.25f);
  r.mist = 0.15f;
  art_land_paint(canvas, sky, r, rng);
}

void art_paint_aurora(art_canvas& canvas, art_rng& rng, int variant) {
  const float h = float(canvas.height);
  art_sky sky = art_sky_make(art_night, h * 0.62f, canvas.width, rng);
  if (variant % 2 == 1) sky.light_r = 0;   // moonless nights show the lights best
  art_sky_paint(canvas, sky);
  art_sky_stars(canvas, rng, h * 0.62f, 900);
  art_sky_aurora(canvas, rng, h * rng.range(0.45f, 0.55f));
  art_ridges r = ridges_of(art_peaks, {0x2a3a5a, 0x0c1424}, h);
  r.layers = 3;
  r.top = h * 0.5f;
  r.bottom = h * 0.6f;
  r.height = h * rng.range(0.12f, 0.22f);
  r.mist = 0.25f;
  r.snow = true;
  art_land_paint(canvas, sky, r, rng);
  art_water_paint(canvas, sky, h * 0.64f, false, rng);
  art_ridges shore = ridges_of(art_rolling, {0x060a12, 0x060a12}, h);
  shore.layers = 1;
  shore.top = shore.bottom = h * 0.93f;
  shore.height = h * 0.05f;
  shore.mist = 0;
  const std::vector<float> crest = art_land_paint(canvas, sky, shore, rng);
  art_land_trees(canvas, crest, art_hex(0x05080e), 25 + rng.below(20), false, rng);
}
