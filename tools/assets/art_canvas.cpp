// Canvas access, blending and the conversion to 8-bit rows.
#include "art_canvas.h"

#include <algorithm>

art_rgb art_hsv(float hue_degrees, float saturation, float value) {
  float h = std::fmod(hue_degrees, 360.f);
  if (h < 0) h += 360.f;
  h /= 60.f;
  const int sector = int(h);
  const float f = h - float(sector);
  const float p = value * (1 - saturation), q = value * (1 - saturation * f),
              t = value * (1 - saturation * (1 - f));
  switch (sector) {
    case 0: return {value, t, p};
    case 1: return {q, value, p};
    case 2: return {p, value, t};
    case 3: return {p, q, value};
    case 4: return {t, p, value};
    default: return {value, p, q};
  }
}

art_rgb art_canvas::sample(float x, float y) const {
  x = art_clamp(x, 0.f, float(width - 1));
  y = art_clamp(y, 0.f, float(height - 1));
  const int x0 = int(x), y0 = int(y);
  const int x1 = std::min(x0 + 1, width - 1), y1 = std::min(y0 + 1, height - 1);
  const float fx = x - float(x0), fy = y - float(y0);
  return art_mix(art_mix(at(x0, y0), at(x1, y0), fx), art_mix(at(x0, y1), at(x1, y1), fx), fy);
}

void art_canvas::blend(int x, int y, art_rgb c, float a) {
  if (x < 0 || y < 0 || x >= width || y >= height || a <= 0) return;
  art_rgb& p = at(x, y);
  p = art_mix(p, c, art_clamp(a));
}

void art_canvas::dab(float cx, float cy, float r, art_rgb c, float a) {
  const int x0 = int(std::floor(cx - r - 1)), x1 = int(std::ceil(cx + r + 1));
  const int y0 = int(std::floor(cy - r - 1)), y1 = int(std::ceil(cy + r + 1));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
      const float d = std::sqrt(dx * dx + dy * dy);
      // Full inside r - 1, fading over the last pixel and a half: edges stay soft.
      blend(x, y, c, a * art_clamp((r + 0.5f - d) / 1.5f));
    }
}

void art_canvas::glow(float cx, float cy, float r, art_rgb c, float a) {
  const int x0 = std::max(0, int(std::floor(cx - r - 1))), x1 = std::min(width - 1, int(std::ceil(cx + r + 1)));
  const int y0 = std::max(0, int(std::floor(cy - r - 1))), y1 = std::min(height - 1, int(std::ceil(cy + r + 1)));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
      const float k = a * art_clamp((r + 0.5f - std::sqrt(dx * dx + dy * dy)) / 1.5f);
      if (k > 0) at(x, y) = at(x, y) + c * k;
    }
}

std::vector<uint8_t> art_to_bytes(const art_canvas& canvas) {
  std::vector<uint8_t> out(canvas.px.size() * 3);
  uint8_t* o = out.data();
  for (const art_rgb& p : canvas.px) {
    *o++ = uint8_t(art_clamp(p.r) * 255.f + 0.5f);
    *o++ = uint8_t(art_clamp(p.g) * 255.f + 0.5f);
    *o++ = uint8_t(art_clamp(p.b) * 255.f + 0.5f);
  }
  return out;
}
