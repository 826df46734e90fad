// Scaled showing of a client area.
#include "sdl_scale.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

int64_t floor_div(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

struct sample {
  int index;      // first source pixel
  uint32_t weight;   // share of the next one, 0..255 of 256
};

// Source sample of each shown position along one axis.
std::vector<sample> samples(int src, int dst, int from, int to) {
  std::vector<sample> out;
  out.reserve(static_cast<size_t>(std::max(to - from, 0)));
  for (int c = from; c < to; c++) {
    if (dst >= src) {
      out.push_back({static_cast<int>(int64_t{c} * src / dst), 0});
      continue;
    }
    // Centre of shown pixel c in source pixels, minus half a pixel.
    int64_t num = int64_t{2 * c + 1} * src - dst, den = int64_t{2} * dst;
    int64_t index = floor_div(num, den);
    int64_t weight = ((num - index * den) * 256 + dst) / den;
    if (weight >= 256) index++, weight = 0;
    if (index < 0) index = 0, weight = 0;
    if (index >= src - 1) index = src - 1, weight = 0;
    out.push_back({static_cast<int>(index), static_cast<uint32_t>(weight)});
  }
  return out;
}

inline uint32_t mix(uint32_t a, uint32_t b, uint32_t w) {
  uint32_t rb = ((a & 0xFF00FF) * (256 - w) + (b & 0xFF00FF) * w) >> 8;
  uint32_t g = ((a & 0x00FF00) * (256 - w) + (b & 0x00FF00) * w) >> 8;
  return (rb & 0xFF00FF) | (g & 0x00FF00);
}

}  // namespace

void vqsdl_fit(int w, int h, int room_w, int room_h, int enlarge, int* out_w, int* out_h) {
  w = std::max(w, 1);
  h = std::max(h, 1);
  room_w = std::max(room_w, 1);
  room_h = std::max(room_h, 1);
  if (w <= room_w && h <= room_h) {
    int k = std::max(enlarge, 1);
    while (k > 1 && (int64_t{w} * k > room_w || int64_t{h} * k > room_h)) k--;
    *out_w = w * k;
    *out_h = h * k;
    return;
  }
  if (int64_t{room_w} * h <= int64_t{room_h} * w) {   // the width limits
    *out_w = room_w;
    *out_h = static_cast<int>(std::clamp<int64_t>((int64_t{h} * room_w + w / 2) / w, 1, room_h));
  } else {
    *out_h = room_h;
    *out_w = static_cast<int>(std::clamp<int64_t>((int64_t{w} * room_h + h / 2) / h, 1, room_w));
  }
}

vqsdl_rect vqsdl_place(int w, int h, int frame_w, int frame_h) {
  if (w == frame_w && h == frame_h) return {0, 0, w, h};
  int enlarge = std::max(1, std::min(frame_w / std::max(w, 1), frame_h / std::max(h, 1)));
  int shown_w = 0, shown_h = 0;
  vqsdl_fit(w, h, frame_w, frame_h, enlarge, &shown_w, &shown_h);
  // A window made to fit differs from the exact aspect by rounding only:
  // fill it rather than leave a one-pixel bar.
  if (shown_w < w && frame_w - shown_w <= 1 && frame_h - shown_h <= 1) return {0, 0, frame_w, frame_h};
  return {(frame_w - shown_w) / 2, (frame_h - shown_h) / 2, shown_w, shown_h};
}

void vqsdl_to_client(const vqsdl_rect& shown, int w, int h, int fx, int fy, int* x, int* y) {
  if (shown.w <= 0 || shown.h <= 0) {
    *x = fx;
    *y = fy;
    return;
  }
  *x = static_cast<int>(floor_div((int64_t{2} * (fx - shown.x) + 1) * w, int64_t{2} * shown.w));
  *y = static_cast<int>(floor_div((int64_t{2} * (fy - shown.y) + 1) * h, int64_t{2} * shown.h));
}

vqsdl_rect vqsdl_shown_part(const vqsdl_rect& shown, int w, int h, int x, int y, int rw, int rh) {
  if (shown.w == w && shown.h == h) return {shown.x + x, shown.y + y, rw, rh};
  // A shrunk pixel blends two neighbours: one more on each side covers them.
  int64_t x0 = floor_div(int64_t{x} * shown.w, w) - 1, x1 = floor_div(int64_t{x + rw} * shown.w + w - 1, w) + 1;
  int64_t y0 = floor_div(int64_t{y} * shown.h, h) - 1, y1 = floor_div(int64_t{y + rh} * shown.h + h - 1, h) + 1;
  x0 = std::max<int64_t>(x0, 0);
  y0 = std::max<int64_t>(y0, 0);
  x1 = std::min<int64_t>(x1, shown.w);
  y1 = std::min<int64_t>(y1, shown.h);
  if (x1 <= x0 || y1 <= y0) return {shown.x, shown.y, 0, 0};
  return {shown.x + static_cast<int>(x0), shown.y + static_cast<int>(y0), static_cast<int>(x1 - x0),
          static_cast<int>(y1 - y0)};
}

void vqsdl_stretch(const uint32_t* src, int w, int h, const vqsdl_rect& shown, const vqsdl_rect& part,
                   uint32_t* frame, int frame_stride) {
  if (part.w <= 0 || part.h <= 0 || w <= 0 || h <= 0) return;
  const int left = part.x - shown.x, top = part.y - shown.y;
  if (shown.w == w && shown.h == h) {
    for (int row = 0; row < part.h; row++)
      std::memcpy(frame + static_cast<size_t>(row) * frame_stride,
                  src + static_cast<size_t>(top + row) * w + left, static_cast<size_t>(part.w) * 4);
    return;
  }
  const std::vector<sample> across = samples(w, shown.w, left, left + part.w);
  const std::vector<sample> down = samples(h, shown.h, top, top + part.h);
  const int first = across.front().index, last = std::min(across.back().index + 1, w - 1);
  static std::vector<uint32_t> blended;   // the two source rows of one shown row, mixed
  blended.resize(static_cast<size_t>(w));
  for (int row = 0; row < part.h; row++) {
    const sample& s = down[static_cast<size_t>(row)];
    const uint32_t* line = src + static_cast<size_t>(s.index) * w;
    if (s.weight != 0) {
      const uint32_t* next = line + w;
      for (int i = first; i <= last; i++) blended[i] = mix(line[i], next[i], s.weight);
      line = blended.data();
    }
    uint32_t* out = frame + static_cast<size_t>(row) * frame_stride;
    for (int col = 0; col < part.w; col++) {
      const sample& a = across[static_cast<size_t>(col)];
      out[col] = a.weight == 0 ? line[a.index] : mix(line[a.index], line[a.index + 1], a.weight);
    }
  }
}
