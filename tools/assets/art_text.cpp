// Text coverage masks. The platform rasterizes without smoothing, so the
// line is drawn four times larger and every 4 x 4 block becomes one pixel's
// coverage: sixteen levels of edge are plenty for letters this size.
#include "art_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "vqplatform_font.h"

namespace {

constexpr int kOversample = 4;

vqplatform_face* open_bold_face(int pixels) {
  static const char* const faces[] = {"Liberation Sans", "DejaVu Sans", "FreeSans"};
  for (const char* name : faces) {
    vqplatform_face_request request{name, pixels, 0, true, false};
    if (vqplatform_face* face = vqplatform_face_open(&request)) return face;
  }
  return nullptr;
}

}  // namespace

art_mask art_text_mask(const char* text, int pixels) {
  art_mask mask;
  vqplatform_face* face = open_bold_face(pixels * kOversample);
  if (!face) {
    std::printf("art_text_mask: no bold sans face, the picture has no text\n");
    return mask;
  }
  const vqplatform_face_metrics metrics = vqplatform_face_get_metrics(face);
  // First the width, then the ink: a glyph's pixels live only until the next call.
  int pen = 0;
  for (const char* p = text; *p; ++p) {
    vqplatform_glyph_image g;
    if (vqplatform_face_glyph(face, static_cast<unsigned char>(*p), &g)) pen += g.advance;
  }
  const int big_w = pen + kOversample * 4, big_h = metrics.height + kOversample * 4;
  std::vector<uint8_t> ink(size_t(big_w) * size_t(big_h));
  pen = kOversample * 2;
  for (const char* p = text; *p; ++p) {
    vqplatform_glyph_image g;
    if (!vqplatform_face_glyph(face, static_cast<unsigned char>(*p), &g)) continue;
    const int left = pen + g.left, top = kOversample * 2 + metrics.ascent - g.top;
    for (int y = 0; y < g.rows; ++y)
      for (int x = 0; x < g.width; ++x) {
        const int bx = left + x, by = top + y;
        if (bx >= 0 && by >= 0 && bx < big_w && by < big_h && g.pixels[size_t(y) * g.width + x])
          ink[size_t(by) * big_w + bx] = 1;
      }
    pen += g.advance;
  }
  vqplatform_face_close(face);
  mask.width = big_w / kOversample;
  mask.height = big_h / kOversample;
  mask.cover.assign(size_t(mask.width) * size_t(mask.height), 0.f);
  for (int y = 0; y < mask.height * kOversample; ++y)
    for (int x = 0; x < mask.width * kOversample; ++x)
      if (ink[size_t(y) * big_w + x])
        mask.cover[size_t(y / kOversample) * mask.width + x / kOversample] += 1.f / (kOversample * kOversample);
  return mask;
}

art_mask art_mask_grow(const art_mask& mask, int radius) {
  art_mask out;
  out.width = mask.width + 2 * radius;
  out.height = mask.height + 2 * radius;
  out.cover.assign(size_t(out.width) * size_t(out.height), 0.f);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      float best = 0;
      for (int dy = -radius - 1; dy <= radius + 1 && best < 1; ++dy)
        for (int dx = -radius - 1; dx <= radius + 1; ++dx) {
          const float d = std::sqrt(float(dx * dx + dy * dy));
          const float edge = std::clamp(float(radius) + 0.5f - d, 0.f, 1.f);
          if (edge <= 0) continue;
          best = std::max(best, edge * mask.at(x - radius + dx, y - radius + dy));
        }
      out.cover[size_t(y) * out.width + x] = best;
    }
  return out;
}

void art_mask_blur(art_mask& mask, int radius) {
  std::vector<float> line;
  for (int pass = 0; pass < 2; ++pass) {   // rows, then columns
    const int n = pass == 0 ? mask.width : mask.height, lines = pass == 0 ? mask.height : mask.width;
    line.resize(size_t(n));
    for (int l = 0; l < lines; ++l) {
      auto cell = [&](int i) -> float& {
        return pass == 0 ? mask.cover[size_t(l) * mask.width + i] : mask.cover[size_t(i) * mask.width + l];
      };
      for (int i = 0; i < n; ++i) {
        float sum = 0;
        for (int k = -radius; k <= radius; ++k) sum += (i + k >= 0 && i + k < n) ? cell(i + k) : 0.f;
        line[size_t(i)] = sum / float(2 * radius + 1);
      }
      for (int i = 0; i < n; ++i) cell(i) = line[size_t(i)];
    }
  }
}
