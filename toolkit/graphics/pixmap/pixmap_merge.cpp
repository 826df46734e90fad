// Copying a rectangle of one pixmap into another with transparency: index
// 255 of a palette source and, into a palette or truecolor destination, the
// source's transparent color (palette entry 255) of a truecolor source are
// not copied. Platform-held destinations take a truecolor rectangle whole.
#include "pixmap_internal.h"

#include <algorithm>
#include <cstring>

namespace {

struct span {
  int dx, dy, sx, sy, w, h;
};

// Full source size for 0 and -1, then cut to both pixmaps. Negative
// positions move the other corner along, so nothing lands outside either.
span clip_span(const vqpxmap* dst, const vqpxmap* src, int dx, int dy, int sx, int sy, int width,
               int height) {
  int64_t w = (width == 0 || width == -1) ? src->width : width;
  int64_t h = (height == 0 || height == -1) ? src->height : height;
  int64_t x0 = dx, y0 = dy, x1 = sx, y1 = sy;
  if (x1 < 0) { w += x1; x0 -= x1; x1 = 0; }
  if (y1 < 0) { h += y1; y0 -= y1; y1 = 0; }
  if (x0 < 0) { w += x0; x1 -= x0; x0 = 0; }
  if (y0 < 0) { h += y0; y1 -= y0; y0 = 0; }
  if (x1 + w >= src->width) w = src->width - x1;
  if (y1 + h >= src->height) h = src->height - y1;
  if (x0 + w >= dst->width) w = dst->width - x0;
  if (y0 + h >= dst->height) h = dst->height - y0;
  if (w <= 0 || h <= 0) return span{0, 0, 0, 0, 0, 0};
  return span{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1), static_cast<int>(y1),
              static_cast<int>(w), static_cast<int>(h)};
}

size_t at(const vqpxmap* pm, int x, int y) {
  return static_cast<size_t>(y) * static_cast<size_t>(pm->width) + static_cast<size_t>(x);
}

// Destination entry for each source entry 0 to 254.
void build_color_map(vqpxmap* dst, const vqpxmap* src, uint8_t* map) {
  for (int i = 0; i < VQPX_TRANSPARENT_INDEX; i++) {
    uint32_t color = src->palette[i];
    const uint32_t* begin = dst->palette;
    const uint32_t* end = begin + VQPX_TRANSPARENT_INDEX;
    const uint32_t* found = std::find(begin, end, color);
    if (found == end) {
      uint32_t coarse = color & 0xC0C0C0;
      end = begin + VQPX_PALETTE_SIZE;
      found = std::find(begin, end, coarse);
      if (found == end) {
        int entry = dst->next_free_entry;
        if (entry < 1 || entry > 254) entry = 254;
        dst->palette[entry] = coarse;
        dst->next_free_entry = entry - 1 < 1 ? 254 : entry - 1;
        found = dst->palette + entry;
      }
    }
    map[i] = static_cast<uint8_t>(found - dst->palette);
  }
}

bool palette8_from_palette8(vqpxmap* dst, const vqpxmap* src, const span& s, int palette_code) {
  uint8_t map[VQPX_PALETTE_SIZE];
  for (int i = 0; i < VQPX_PALETTE_SIZE; i++) map[i] = static_cast<uint8_t>(i);
  switch (palette_code) {
    case 0: build_color_map(dst, src, map); break;
    case 1: break;
    case 2: vqpxmap_report("vqpxmap_merge_pal8topal8_pc2\n"); return false;
    case 3:
      std::memcpy(dst->palette, src->palette, VQPX_PALETTE_SIZE * sizeof(uint32_t));
      for (int y = 0; y < s.h; y++)
        std::memcpy(dst->data + at(dst, s.dx, s.dy + y), src->data + at(src, s.sx, s.sy + y),
                    static_cast<size_t>(s.w));
      return true;
    default:
      vqpxmap_report("vqpxmap_merge_pal8topal8: wrong PaletteCode (%d)\n", palette_code);
      return false;
  }
  for (int y = 0; y < s.h; y++) {
    const uint8_t* from = src->data + at(src, s.sx, s.sy + y);
    uint8_t* to = dst->data + at(dst, s.dx, s.dy + y);
    for (int x = 0; x < s.w; x++)
      if (from[x] != VQPX_TRANSPARENT_INDEX) to[x] = map[from[x]];
  }
  return true;
}

// Into 0x00RRGGBB pixels: a palette source through its palette without
// index 255; an RGB source without its transparent color when `keyed`.
bool rgb_from(uint32_t* to_pixels, const vqpxmap* dst, const vqpxmap* src, const span& s, bool keyed) {
  if (src->format == VQPX_PALETTE8) {
    for (int y = 0; y < s.h; y++) {
      const uint8_t* from = src->data + at(src, s.sx, s.sy + y);
      uint32_t* to = to_pixels + at(dst, s.dx, s.dy + y);
      for (int x = 0; x < s.w; x++)
        if (from[x] != VQPX_TRANSPARENT_INDEX) to[x] = src->palette[from[x]];
    }
    return true;
  }
  const uint32_t* from_pixels = vqpxmap_rgbpixels(src);
  if (!from_pixels) return false;
  uint32_t key = src->palette[VQPX_TRANSPARENT_INDEX];
  for (int y = 0; y < s.h; y++) {
    const uint32_t* from = from_pixels + at(src, s.sx, s.sy + y);
    uint32_t* to = to_pixels + at(dst, s.dx, s.dy + y);
    if (!keyed) {
      std::memmove(to, from, static_cast<size_t>(s.w) * 4);
      continue;
    }
    for (int x = 0; x < s.w; x++)
      if (from[x] != key) to[x] = from[x];
  }
  return true;
}

bool ready(const vqpxmap* pm) {
  if (!pm->palette) return false;
  if (pm->format == VQPX_PALETTE8 || pm->format == VQPX_PALETTE16) return pm->data != nullptr;
  return vqpxmap_rgbpixels(pm) != nullptr || pm->width == 0 || pm->height == 0;
}

bool merge_pixels(vqpxmap* dst, const vqpxmap* src, const span& s, int palette_code) {
  int from = src->format, to = dst->format;
  bool rgb_source = vqpxmap_is_rgb(from);
  switch (to) {
    case VQPX_PALETTE8:
      if (from == VQPX_PALETTE8) return palette8_from_palette8(dst, src, s, palette_code);
      if (from == VQPX_TRUECOLOR) {
        vqpxmap_report("vqpxmap_merge_truecolortopal8: not implemented\n");
        return false;
      }
      vqpxmap_report("vqpxmap_merge1: unsupported formats: %d -> %d\n", from, to);
      return false;
    case VQPX_TRUECOLOR:
      if (from == VQPX_PALETTE8 || from == VQPX_TRUECOLOR)
        return s.w <= 0 || rgb_from(vqpxmap_rgbpixels(dst), dst, src, s, true);
      vqpxmap_report("vqpxmap_merge2: unsupported formats: %d -> %d\n", from, to);
      return false;
    case VQPX_SERVER:
    case VQPX_DIRECTX:
      // The platform copies the rectangle: every pixel of an RGB source
      // arrives, also one that happens to equal its transparent color (a
      // picture read through a temporary truecolor pixmap would otherwise
      // lose its 0xF00000 pixels).
      if (from == VQPX_PALETTE8 || rgb_source)
        return s.w <= 0 || rgb_from(vqpxmap_rgbpixels(dst), dst, src, s, false);
      vqpxmap_report("vqpxmap_merge4: unsupported formats: %d -> %d\n", from, to);
      return false;
    case VQPX_SCREEN:
      // Only what the platform can draw on a window: pixels in memory or a
      // platform bitmap, not another window or an accelerated surface.
      if (from == VQPX_TRUECOLOR || from == VQPX_SERVER)
        return s.w <= 0 || rgb_from(vqpxmap_rgbpixels(dst), dst, src, s, false);
      vqpxmap_report("vqpxmap_merge3: unsupported formats: %d -> screen\n", from);
      return false;
    default:
      vqpxmap_report("vqpxmap_merge4: unsupported formats: %d -> %d\n", from, to);
      return false;
  }
}

}  // namespace

bool vqpxmap_merge(vqpxmap* dst, const vqpxmap* src, int dx, int dy, int sx, int sy, int width,
                   int height, int palette_code, int flag) {
  (void)flag;
  if (!dst || !src) return false;
  span s = clip_span(dst, src, dx, dy, sx, sy, width, height);
  bool known = dst->format >= VQPX_PALETTE8 && dst->format <= VQPX_DIRECTX &&
               src->format >= VQPX_PALETTE8 && src->format <= VQPX_DIRECTX;
  if (known && (!ready(dst) || !ready(src))) return false;
  if (!merge_pixels(dst, src, s, palette_code)) return false;
  vqpxmap_rect r;
  r.x = s.dx;
  r.y = s.dy;
  r.w = s.w;
  r.h = s.h;
  vqpxmap_changed(dst, r);
  return true;
}
