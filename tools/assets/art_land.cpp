// Layered ranges. Far layers are pale with haze and their valleys fill with
// mist; near ones are darker and clearer, which gives the depth.
#include "art_land.h"

#include <algorithm>

namespace {

// Crest height 0..1 along u; `octaves` below the full count give the same
// crest smoothed, for shading that should not follow every notch.
float profile(const art_noise& noise, art_ridge_kind kind, float u, float layer, int octaves = 6) {
  switch (kind) {
    case art_peaks: {
      const float r = noise.ridged(u, layer * 7.3f, octaves);
      return r * r * 1.6f;   // squared: broad valleys, sharp peaks
    }
    case art_rolling: return 0.5f + 0.9f * noise.fbm(u, layer * 7.3f, std::min(octaves, 4), 0.4f);
    case art_dune: {
      // A dune crest is a fold: sharp along the crest, smooth on both flanks.
      const float n = noise.fbm(u, layer * 7.3f, 2, 0.3f);
      return 1 - std::fabs(n) * 2.2f;
    }
  }
  return 0;
}

}  // namespace

std::vector<float> art_land_paint(art_canvas& canvas, const art_sky& sky, const art_ridges& spec,
                                  art_rng& rng) {
  art_noise noise(rng.next());
  const int w = canvas.width, h = canvas.height;
  std::vector<float> crest(static_cast<size_t>(w), static_cast<float>(h));
  const float light_side = sky.light_x < float(w) / 2 ? -1.f : 1.f;
  for (int layer = 0; layer < spec.layers; ++layer) {
    const float f = spec.layers == 1 ? 1.f : float(layer) / float(spec.layers - 1);  // 0 far, 1 near
    const float base = art_mix(spec.top, spec.bottom, f);
    const float swing = spec.height * art_mix(1.f, spec.kind == art_peaks ? 0.45f : 0.6f, f);
    const float frequency = art_mix(2.6f, 1.4f, f) * rng.range(0.8f, 1.25f);
    const float shift = rng.range(0, 100);
    const float haze = std::pow(1 - f, 1.2f) * spec.haze;
    // Each layer a little different in hue, like fields and woods.
    const art_rgb tint = {rng.range(0.94f, 1.06f), rng.range(0.94f, 1.06f), rng.range(0.94f, 1.06f)};
    const art_rgb colour = art_mix(art_mix(spec.near, spec.far, 1 - f) * tint, sky.haze, haze);
    const art_rgb fog = art_mix(sky.haze, sky.horizon, 0.4f);
    const float mist_depth = swing * 0.9f + 30.f;
    const float mist = spec.mist * (1 - 0.7f * f);
    for (int x = 0; x < w; ++x) {
      const float u = float(x) / float(w) * frequency + shift;
      const float top = base - swing * profile(noise, spec.kind, u, float(layer));
      crest[size_t(x)] = top;
      // Rolling land is lit by the slope of its smoothed crest.
      const float slope = (profile(noise, spec.kind, u + 0.01f, float(layer), 3) -
                           profile(noise, spec.kind, u - 0.01f, float(layer), 3)) * light_side * 25.f;
      const int y0 = std::max(0, int(std::floor(top)));
      for (int y = y0; y < h; ++y) {
        const float dy = float(y) - top;
        art_rgb c;
        float facing = 0;
        if (spec.kind == art_dune) {
          // The fold's two flanks: one in light, one in shade, their border
          // running down and away from the crest.
          const float flank = noise.fbm(u + dy * 0.0009f * frequency, float(layer) * 7.3f, 2, 0.3f);
          const float lit = art_smooth(-0.012f, 0.012f, flank * light_side);
          c = colour * art_mix(0.78f, 1.12f, art_mix(lit, 0.6f, art_smooth(0.f, swing * 1.5f, dy)));
        } else if (spec.kind == art_peaks) {
          // Peaks are lit as a surface: the crest is the top row of a ridged
          // height field whose spurs run down the face in every direction.
          const float v = float(layer) * 7.3f + dy * frequency / float(w) * 1.6f;
          const float step = frequency / float(w) * 2.f;
          const float rise = noise.ridged(u + step, v, 3) - noise.ridged(u - step, v, 3);
          facing = art_clamp(rise * light_side * 6.f, -1.f, 1.f);
          c = colour * (1.f + 0.2f * facing * (1 - haze) * std::exp(-dy / (swing * 1.5f + 20.f)));
        } else {
          const float facing = art_clamp(slope, -1.f, 1.f) * std::exp(-dy / (swing * 0.8f + 10.f));
          c = colour * (1.f + 0.14f * facing * (1 - haze));
        }
        if (spec.snow && layer < spec.layers - 1) {
          // Snow on the high peaks only, lying thinner on the shaded faces.
          const float line = base - swing * 0.75f + 12.f * noise.at(u * 9.f, float(y) * 0.03f) + 10.f * facing;
          const art_rgb snow = art_mix(art_mix(art_hex(0x9aa8c8), art_hex(0xfbfcff), 0.55f + 0.45f * facing),
                                       sky.haze, haze * 0.6f);
          c = art_mix(c, snow, 0.9f * art_smooth(0.f, 5.f, line - float(y)));
        }
        c = art_mix(c, fog, mist * art_smooth(0.f, mist_depth, dy));
        canvas.blend(x, y, c, art_clamp(dy + 0.5f));
      }
    }
  }
  return crest;
}

void art_land_trees(art_canvas& canvas, const std::vector<float>& crest, art_rgb colour, int count,
                    bool round, art_rng& rng) {
  const int w = canvas.width;
  for (int i = 0; i < count; ++i) {
    const float cx = rng.range(0, float(w));
    const float tall = rng.range(30, 80);
    const float foot = crest[size_t(std::clamp(int(cx), 0, w - 1))] + tall * 0.12f;
    const art_rgb c = colour * rng.range(0.85f, 1.05f);
    const float half = tall * (round ? 0.32f : 0.24f);
    for (int y = int(foot - tall) - 2; y <= int(foot) + 1; ++y)
      for (int x = int(cx - half) - 2; x <= int(cx + half) + 2; ++x) {
        const float px = float(x) + 0.5f - cx, py = foot - (float(y) + 0.5f);  // up from the foot
        float edge;   // > 0 inside, in pixels
        if (round) {
          const float ry = tall * 0.36f, cy = tall - ry;
          const float d = std::sqrt(px * px + (py - cy) * (py - cy) * (half * half) / (ry * ry));
          edge = std::max(half - d, std::min(1.8f - std::fabs(px), tall * 0.4f - std::fabs(py - tall * 0.2f)));
        } else {
          // Three tiers narrowing upwards: a sawtooth along the height.
          const float v = py / tall;
          const float tier = 1 - std::fmod(v * 3.f, 1.f);
          const float width = half * (1 - v) * (0.55f + 0.45f * tier);
          edge = std::min(width - std::fabs(px), std::min(py + 1.f, tall - py));
          edge = std::max(edge, std::min(1.5f - std::fabs(px), std::min(py + 2.f, tall * 0.3f - py)));
        }
        canvas.blend(x, y, c, art_clamp(edge + 0.5f));
      }
  }
}
