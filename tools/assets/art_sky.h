// Skies for the landscapes: a mood (colours and the light), its gradient,
// the sun or moon with their glow, clouds, stars and the northern lights.
#pragma once

#include "art_canvas.h"

enum art_mood { art_day, art_golden, art_sunset, art_dusk, art_night, art_dawn, art_pastel };

struct art_sky {
  art_mood mood = art_day;
  art_rgb zenith, middle, horizon;   // gradient stops, top to horizon
  art_rgb light;                     // sun or moon colour; tints lit faces
  art_rgb haze;                      // what far land fades into
  float light_x = 0, light_y = 0, light_r = 0;  // disc centre and radius in pixels
  float horizon_y = 0;               // pixel row of the horizon
  bool night = false;
};

// A sky of the mood, with its colours jittered and the disc placed by rng.
art_sky art_sky_make(art_mood mood, float horizon_y, int width, art_rng& rng);
// The gradient, glow and disc over the whole canvas (land is painted later).
void art_sky_paint(art_canvas& canvas, const art_sky& sky);
// Soft clouds in the band from top to bottom (pixel rows); coverage 0..1.
void art_sky_clouds(art_canvas& canvas, const art_sky& sky, art_rng& rng, float top, float bottom,
                    float coverage);
void art_sky_stars(art_canvas& canvas, art_rng& rng, float bottom, int count);
void art_sky_aurora(art_canvas& canvas, art_rng& rng, float base_y);
