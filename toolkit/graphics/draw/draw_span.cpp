// Direct row access for the shape drawing: span writes with one change
// report per shape, fast reads for flood fills, and clipped rectangles.
#include "draw_internal.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

int32_t vqdraw_stored(const vqpxmap* pm, int32_t color) {
  if (pm->format == VQPX_PALETTE8) return static_cast<uint8_t>(color);
  if (pm->format == VQPX_PALETTE16) return static_cast<int16_t>(static_cast<uint16_t>(color));
  return color;
}

vqdraw_spans::vqdraw_spans(vqpxmap* pm, int32_t color)
    : pm_(pm), color_(color), direct_(false), x0_(0), y0_(0), x1_(-1), y1_(-1) {
  if (!pm) return;
  if (pm->format == VQPX_PALETTE8 || pm->format == VQPX_PALETTE16)
    direct_ = pm->data != nullptr;
  else if (vqpxmap_is_rgb(pm->format))
    direct_ = vqpxmap_rgbpixels(pm) != nullptr;
}

vqdraw_spans::~vqdraw_spans() {
  if (!direct_ || x1_ < x0_) return;
  vqpxmap_rect r;
  r.x = x0_;
  r.y = y0_;
  r.w = x1_ - x0_ + 1;
  r.h = y1_ - y0_ + 1;
  vqpxmap_changed(pm_, r);
}

void vqdraw_spans::span(int64_t y, int64_t x0, int64_t x1) {
  if (!pm_ || y < 0 || y >= pm_->height) return;
  x0 = std::max<int64_t>(x0, 0);
  x1 = std::min<int64_t>(x1, pm_->width - 1);
  if (x1 < x0) return;
  int yi = static_cast<int>(y), a = static_cast<int>(x0), b = static_cast<int>(x1);
  if (!direct_) {
    vqpxmap_fillrect(pm_, a, yi, b - a + 1, 1, color_);
    return;
  }
  size_t at = static_cast<size_t>(yi) * static_cast<size_t>(pm_->width) + static_cast<size_t>(a);
  size_t count = static_cast<size_t>(b - a + 1);
  if (pm_->format == VQPX_PALETTE8) {
    std::memset(pm_->data + at, static_cast<uint8_t>(color_), count);
  } else if (pm_->format == VQPX_PALETTE16) {
    uint16_t value = static_cast<uint16_t>(color_);
    for (size_t i = 0; i < count; i++) std::memcpy(pm_->data + (at + i) * 2, &value, 2);
  } else {
    std::fill_n(vqpxmap_rgbpixels(pm_) + at, count, static_cast<uint32_t>(color_));
  }
  if (x1_ < x0_) {
    x0_ = a;
    x1_ = b;
    y0_ = y1_ = yi;
  } else {
    x0_ = std::min(x0_, a);
    x1_ = std::max(x1_, b);
    y0_ = std::min(y0_, yi);
    y1_ = std::max(y1_, yi);
  }
}

void vqdraw_spans::column(int64_t x, int64_t y0, int64_t y1) {
  if (!pm_) return;
  y0 = std::max<int64_t>(y0, 0);
  y1 = std::min<int64_t>(y1, pm_->height - 1);
  for (int64_t y = y0; y <= y1; y++) span(y, x, x);
}

vqdraw_reader::vqdraw_reader(const vqpxmap* pm)
    : pm_(pm), bytes_(nullptr), rgb_(nullptr), ok_(false) {
  if (!pm) return;
  if (pm->format == VQPX_PALETTE8 || pm->format == VQPX_PALETTE16) bytes_ = pm->data;
  else if (vqpxmap_is_rgb(pm->format)) rgb_ = vqpxmap_rgbpixels(pm);
  ok_ = bytes_ || rgb_;
}

int32_t vqdraw_reader::at(int x, int y) const {
  size_t i = static_cast<size_t>(y) * static_cast<size_t>(pm_->width) + static_cast<size_t>(x);
  if (rgb_) return static_cast<int32_t>(rgb_[i]);
  if (pm_->format == VQPX_PALETTE8) return bytes_[i];
  int16_t value;
  std::memcpy(&value, bytes_ + i * 2, 2);
  return value;
}

void vqdraw_fill64(vqpxmap* pm, int64_t x, int64_t y, int64_t w, int64_t h, int32_t color) {
  if (!pm || w < 1 || h < 1) return;
  vqpxmap_rect r = vqpxmap_clip(x, y, w, h, pm->width, pm->height);
  if (!r.empty()) vqpxmap_fillrect(pm, r.x, r.y, r.w, r.h, color);
}

int32_t vqdraw_ink(const vqpxmap* pm, uint32_t rgb) {
  if (!pm || (pm->format != VQPX_PALETTE8 && pm->format != VQPX_PALETTE16) || !pm->palette)
    return static_cast<int32_t>(rgb);
  int best = 0;
  int64_t best_distance = INT64_MAX;
  for (int i = 0; i < VQPX_TRANSPARENT_INDEX; i++) {
    uint32_t c = pm->palette[i];
    int64_t dr = static_cast<int>((c >> 16) & 0xFF) - static_cast<int>((rgb >> 16) & 0xFF);
    int64_t dg = static_cast<int>((c >> 8) & 0xFF) - static_cast<int>((rgb >> 8) & 0xFF);
    int64_t db = static_cast<int>(c & 0xFF) - static_cast<int>(rgb & 0xFF);
    int64_t distance = dr * dr + dg * dg + db * db;
    if (distance < best_distance) {
      best_distance = distance;
      best = i;
    }
  }
  return best;
}
