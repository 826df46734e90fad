// Land and water for the landscapes: layered ranges that fade into the
// sky's haze with distance, trees along a crest, and water that mirrors
// what lies above it.
#pragma once

#include <vector>

#include "art_sky.h"

enum art_ridge_kind { art_peaks, art_rolling, art_dune };

struct art_ridges {
  art_ridge_kind kind = art_peaks;
  int layers = 4;
  float top = 200, bottom = 500;   // mean crest rows of the farthest and the nearest layer
  float height = 160;              // crest swing of the farthest layer, pixels
  art_rgb far, near;               // layer colours before the haze
  float mist = 0.5f;               // how much fog fills the valleys
  float haze = 0.78f;              // how far the farthest layer fades into the sky
  bool snow = false;
};

// Paints the layers over the canvas; returns the crest row of the nearest
// layer for every column.
std::vector<float> art_land_paint(art_canvas& canvas, const art_sky& sky, const art_ridges& spec,
                                  art_rng& rng);
// Pines (round crowns when `round`) standing on the crest.
void art_land_trees(art_canvas& canvas, const std::vector<float>& crest, art_rgb colour, int count,
                    bool round, art_rng& rng);
// Water from row `level` down: a rippled, darkened mirror of the rows above,
// with a glitter path under the light when `glitter`.
void art_water_paint(art_canvas& canvas, const art_sky& sky, float level, bool glitter, art_rng& rng);
