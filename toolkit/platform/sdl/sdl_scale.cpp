// Scaled showing of a client area: its size, place and pointer mapping
// (the pixels themselves: sdl_stretch.cpp).
#include "sdl_scale.h"

#include <algorithm>
#include <cmath>

namespace {

int64_t floor_div(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
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

void vqsdl_enlarge(int w, int h, int room_w, int room_h, double factor, int* out_w, int* out_h) {
  w = std::max(w, 1);
  h = std::max(h, 1);
  const int64_t want_w = std::llround(w * std::max(factor, 1.0)), want_h = std::llround(h * std::max(factor, 1.0));
  if (want_w <= room_w && want_h <= room_h) {
    *out_w = static_cast<int>(want_w);
    *out_h = static_cast<int>(want_h);
    return;
  }
  vqsdl_fit(w, h, std::max(room_w, 1), std::max(room_h, 1), 1, out_w, out_h);
  if (*out_w < w) return;   // smaller than the client area: as fitted
  // Larger than the client area but not as large as asked: the largest that fits.
  if (int64_t{room_w} * h <= int64_t{room_h} * w) {
    *out_w = room_w;
    *out_h = static_cast<int>((int64_t{h} * room_w + w / 2) / w);
  } else {
    *out_h = room_h;
    *out_w = static_cast<int>((int64_t{w} * room_h + h / 2) / h);
  }
  *out_w = std::min(*out_w, room_w);
  *out_h = std::min(*out_h, room_h);
}

vqsdl_rect vqsdl_place(int w, int h, int frame_w, int frame_h) {
  if (w == frame_w && h == frame_h) return {0, 0, w, h};
  w = std::max(w, 1);
  h = std::max(h, 1);
  int shown_w = 0, shown_h = 0;
  if (int64_t{frame_w} * h <= int64_t{frame_h} * w) {   // the width limits
    shown_w = frame_w;
    shown_h = static_cast<int>(std::clamp<int64_t>((int64_t{h} * frame_w + w / 2) / w, 1, std::max(frame_h, 1)));
  } else {
    shown_h = frame_h;
    shown_w = static_cast<int>(std::clamp<int64_t>((int64_t{w} * frame_h + h / 2) / h, 1, std::max(frame_w, 1)));
  }
  // A window made to its picture's size differs from the exact aspect by
  // rounding only: fill it rather than leave a one-pixel bar.
  if (frame_w - shown_w <= 1 && frame_h - shown_h <= 1) return {0, 0, frame_w, frame_h};
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
  // A blended pixel mixes two neighbours: the shown pixels of one more
  // source pixel on each side cover them.
  const int64_t mx = (shown.w + w - 1) / w, my = (shown.h + h - 1) / h;
  int64_t x0 = floor_div(int64_t{x} * shown.w, w) - mx, x1 = floor_div(int64_t{x + rw} * shown.w + w - 1, w) + mx;
  int64_t y0 = floor_div(int64_t{y} * shown.h, h) - my, y1 = floor_div(int64_t{y + rh} * shown.h + h - 1, h) + my;
  x0 = std::max<int64_t>(x0, 0);
  y0 = std::max<int64_t>(y0, 0);
  x1 = std::min<int64_t>(x1, shown.w);
  y1 = std::min<int64_t>(y1, shown.h);
  if (x1 <= x0 || y1 <= y0) return {shown.x, shown.y, 0, 0};
  return {shown.x + static_cast<int>(x0), shown.y + static_cast<int>(y0), static_cast<int>(x1 - x0),
          static_cast<int>(y1 - y0)};
}
