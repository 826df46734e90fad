// Skies: one gradient per mood, the light's glow and disc, clouds lit from
// the light's side, stars, and curtains of northern lights.
#include "art_sky.h"

#include <algorithm>

namespace {

struct mood_colours {
  uint32_t zenith, middle, horizon, light, haze;
  float light_height;   // disc centre as a share of the horizon row (0 top)
  float light_radius;   // as a share of the width; 0: below the horizon
};

const mood_colours moods[] = {
    {0x2f6cc4, 0x78ade3, 0xd4ebf5, 0xfff6dc, 0xc4dcec, 0.25f, 0.022f},  // day
    {0x41649e, 0xd9a878, 0xffdca2, 0xffe4a0, 0xeed0ae, 0.70f, 0.028f},  // golden
    {0x272a68, 0xbf4f78, 0xffaf5c, 0xffd884, 0xe4977a, 0.90f, 0.032f},  // sunset
    {0x181c48, 0x57397a, 0xe0876a, 0xffc48c, 0x86668c, 1.10f, 0.000f},  // dusk
    {0x040920, 0x0f1b44, 0x283c6a, 0xf3efdc, 0x27385c, 0.28f, 0.020f},  // night
    {0x677cbc, 0xe2b1c6, 0xffdfbe, 0xfff0cf, 0xe3c6cf, 0.86f, 0.026f},  // dawn
    {0x8cc2f8, 0xdcc2f6, 0xfde1e3, 0xfff4e4, 0xe9d7ec, 0.40f, 0.024f},  // pastel
};

art_rgb jitter(art_rgb c, art_rng& rng, float amount) {
  return {art_clamp(c.r + rng.range(-amount, amount)), art_clamp(c.g + rng.range(-amount, amount)),
          art_clamp(c.b + rng.range(-amount, amount))};
}

}  // namespace

art_sky art_sky_make(art_mood mood, float horizon_y, int width, art_rng& rng) {
  const mood_colours& m = moods[mood];
  art_sky s;
  s.mood = mood;
  s.zenith = jitter(art_hex(m.zenith), rng, 0.04f);
  s.middle = jitter(art_hex(m.middle), rng, 0.05f);
  s.horizon = jitter(art_hex(m.horizon), rng, 0.03f);
  s.light = art_hex(m.light);
  s.haze = jitter(art_hex(m.haze), rng, 0.03f);
  s.horizon_y = horizon_y;
  s.night = mood == art_night;
  s.light_x = float(width) * rng.range(0.18f, 0.82f);
  s.light_y = horizon_y * (m.light_height + rng.range(-0.06f, 0.06f));
  s.light_r = float(width) * m.light_radius * rng.range(0.85f, 1.2f);
  return s;
}

void art_sky_paint(art_canvas& canvas, const art_sky& sky) {
  const float glow_reach = float(canvas.width) * (sky.night ? 0.05f : 0.09f);
  const float glow_strength = sky.night ? 0.25f : sky.mood == art_day ? 0.35f : 0.6f;
  for (int y = 0; y < canvas.height; ++y) {
    const float t = art_clamp(float(y) / sky.horizon_y);
    // The middle stop sits low: most of a real sky is the upper colour.
    const art_rgb base = t < 0.6f ? art_mix(sky.zenith, sky.middle, art_smooth(0.f, 0.6f, t))
                                  : art_mix(sky.middle, sky.horizon, art_smooth(0.6f, 1.f, t));
    // A warm band along the horizon where the light is low.
    const float band = sky.light_y > sky.horizon_y * 0.6f ? std::exp(-std::fabs(sky.horizon_y - y) / 40.f) : 0;
    for (int x = 0; x < canvas.width; ++x) {
      const float dx = float(x) - sky.light_x, dy = float(y) - sky.light_y;
      const float d = std::sqrt(dx * dx + dy * dy);
      const float glow = glow_strength * (std::exp(-d / glow_reach) + 0.4f * std::exp(-d / (glow_reach * 5)));
      art_rgb c = base + (sky.light - base) * art_clamp(glow + band * 0.35f);
      if (sky.light_r > 0) {
        const float cover = art_clamp(sky.light_r - d + 0.5f);
        art_rgb disc = sky.light;
        if (sky.night) disc = disc * (0.92f + 0.08f * std::cos(dx * 0.21f) * std::sin(dy * 0.17f + 1.f));
        c = art_mix(c, disc, cover);
      }
      canvas.at(x, y) = c;
    }
  }
}

void art_sky_clouds(art_canvas& canvas, const art_sky& sky, art_rng& rng, float top, float bottom,
                    float coverage) {
  art_noise noise(rng.next());
  const float sx = 1.f / (float(canvas.width) * rng.range(0.12f, 0.22f));
  const float sy = sx * rng.range(2.f, 3.f);   // clouds are wider than high
  const float threshold = 0.35f - 0.5f * coverage;
  // Night clouds are only a little lighter than the sky they hide.
  const art_rgb lit = sky.night ? art_mix(sky.horizon, sky.light, 0.25f)
                                : art_mix(art_hex(0xffffff), sky.light, sky.mood == art_day ? 0.2f : 0.65f);
  const art_rgb shade = art_mix(sky.middle, sky.zenith, 0.35f) * (sky.night ? 0.75f : 0.92f);
  const int y0 = std::max(0, int(top)), y1 = std::min(canvas.height, int(bottom));
  for (int y = y0; y < y1; ++y) {
    const float band = art_smooth(top, top + (bottom - top) * 0.3f, float(y)) *
                       (1 - art_smooth(bottom - (bottom - top) * 0.3f, bottom, float(y)));
    if (band <= 0) continue;
    for (int x = 0; x < canvas.width; ++x) {
      const float n = noise.fbm(float(x) * sx, float(y) * sy, 5, 0.45f);
      const float density = art_smooth(threshold, threshold + 0.25f, n) * band;
      if (density <= 0.002f) continue;
      // Lit where the cloud thins towards the light: the side facing it.
      const float toward = -14.f * art_clamp((float(y) - sky.light_y) / 60.f, -1.f, 1.f);
      const float n2 = noise.fbm(float(x) * sx, (float(y) + toward) * sy, 3, 0.45f);
      const float light = art_clamp(0.6f + (n - n2) * 2.5f);
      canvas.blend(x, y, art_mix(shade, lit, light), density * 0.9f);
    }
  }
}

void art_sky_stars(art_canvas& canvas, art_rng& rng, float bottom, int count) {
  for (int i = 0; i < count; ++i) {
    const float x = rng.range(0, float(canvas.width)), y = rng.range(0, bottom);
    const float bright = rng.unit();
    const float fade = 1 - art_smooth(bottom * 0.6f, bottom, y);
    const art_rgb c = art_mix(art_hex(0xfff4e0), art_hex(0xd8e4ff), rng.unit());
    canvas.dab(x, y, 0.4f + 1.1f * bright * bright * bright, c, (0.35f + 0.65f * bright) * fade);
  }
}

void art_sky_aurora(art_canvas& canvas, art_rng& rng, float base_y) {
  art_noise noise(rng.next());
  const float w = float(canvas.width);
  const art_rgb low = art_hsv(rng.range(130, 165), 0.75f, 1.f);
  const art_rgb high = art_hsv(rng.range(260, 310), 0.6f, 0.9f);
  for (int curtain = 0; curtain < 2; ++curtain) {
    const float offset = rng.range(0, 50), lift = base_y * rng.range(0.05f, 0.3f);
    const float reach = base_y * rng.range(0.25f, 0.45f), strength = curtain == 0 ? 0.85f : 0.5f;
    for (int x = 0; x < canvas.width; ++x) {
      const float u = float(x) / w;
      const float foot = base_y - lift - base_y * 0.25f * noise.fbm(u * 2.2f + offset, 0.5f, 3);
      const float streak = art_clamp(0.45f + 0.9f * noise.fbm(u * 28.f + offset, 3.1f, 3));
      for (int y = std::max(0, int(foot - reach * 3)); y < std::min(canvas.height, int(foot + 12)); ++y) {
        const float d = foot - float(y);
        const float fall = d > 0 ? std::exp(-d / reach) : std::exp(d / 4.f);
        const float a = strength * fall * streak;
        if (a < 0.004f) continue;
        const art_rgb c = art_mix(low, high, art_clamp(d / (reach * 2.2f)));
        canvas.at(x, y) = canvas.at(x, y) + c * (a * 0.8f);
      }
    }
  }
}
