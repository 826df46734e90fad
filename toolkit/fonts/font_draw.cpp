// Drawing glyphs. Ink is collected in a point list and handed to the
// surface in one call per color, which keeps screen surfaces from being
// presented pixel by pixel.
#include "vqcolor.h"
#include "vqfont.h"
#include "vqpxmap.h"

#include <vector>

namespace {

std::vector<int> point_x, point_y;
int32_t outline_color = -1;
bool halfscale = false;
int32_t halfscale_background = 0;
vqpxmap work, half;   // half-scale buffers; they grow and stay allocated
size_t work_held = 0, half_held = 0;   // pixels they hold

void add_point(const vqpxmap* surface, int x, int y) {
  if (x < 0 || y < 0 || x >= surface->width || y >= surface->height) return;
  if (point_x.size() == point_x.capacity()) {
    point_x.reserve(point_x.size() + 1000);
    point_y.reserve(point_y.size() + 1000);
  }
  point_x.push_back(x);
  point_y.push_back(y);
}

void flush(vqpxmap* surface, int32_t color) {
  if (!point_x.empty())
    vqpxmap_setpoints(surface, static_cast<int>(point_x.size()), point_x.data(), point_y.data(), color);
  point_x.clear();
  point_y.clear();
}

bool ink_at(const uint8_t* bitmap, int w, int h, int c, int r) {
  return c >= 0 && r >= 0 && c < w && r < h && bitmap[r * w + c];
}

}  // namespace

void vqfont_set_outline(int32_t color) { outline_color = color; }
int32_t vqfont_outline() { return outline_color; }

void vqfont_set_halfscale(bool on, int32_t background) {
  halfscale = on;
  halfscale_background = background;
}

void vqfont_drawchar(vqpxmap* surface, int handle, int x, int y, int32_t color, bool engraved,
                     bool underline, int32_t background, int code, int32_t light, int32_t shadow) {
  const uint8_t* bitmap = nullptr;
  int w = 0, h = 0;
  if (!surface || code < 32 || !vqfont_glyph(handle, code, &bitmap, &w, &h) || !bitmap) return;
  if (light == -1) light = static_cast<int32_t>(vqcolor_system(3));
  if (shadow == -1) shadow = static_cast<int32_t>(vqcolor_system(2));
  if (engraved) {
    if (background != -1) vqpxmap_fillrect(surface, x, y, w, h, background);
    for (int pass = 0; pass < 2; ++pass) {
      int shift = pass == 0 ? 1 : 0;
      for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
          if (bitmap[r * w + c]) add_point(surface, x + shift + c, y + shift + r);
      flush(surface, pass == 0 ? light : shadow);
    }
    return;
  }
  if (background != -1) {
    for (int r = 0; r < h; ++r)
      for (int c = 0; c < w; ++c)
        if (!bitmap[r * w + c]) add_point(surface, x + c, y + r);
    flush(surface, background);
  }
  for (int r = 0; r < h; ++r)
    for (int c = 0; c < w; ++c)
      if (bitmap[r * w + c]) add_point(surface, x + c, y + r);
  if (underline)
    for (int c = 0; c < w; ++c) add_point(surface, x + c, y + h - 1);
  flush(surface, color);
  if (outline_color != -1) {
    for (int r = 1; r < h - 1; ++r)
      for (int c = 1; c < w - 1; ++c)
        if (!bitmap[r * w + c] &&
            (ink_at(bitmap, w, h, c - 1, r) || ink_at(bitmap, w, h, c + 1, r) ||
             ink_at(bitmap, w, h, c, r - 1) || ink_at(bitmap, w, h, c, r + 1)))
          add_point(surface, x + c, y + r);
    flush(surface, outline_color);
  }
}

namespace {

// Gives a kept buffer the size w x h. Its pixels are allocated anew only
// when it must hold more than ever before; otherwise width and height just
// describe how much of them is in use (rows back to back), so that text at
// half size allocates nothing per character.
bool fit(vqpxmap* pm, size_t* held, int w, int h) {
  const size_t need = static_cast<size_t>(w) * static_cast<size_t>(h);
  if (need > *held) {
    vqpxmap_free(pm);
    *held = 0;
    pm->width = w;
    pm->height = h;
    pm->format = VQPX_TRUECOLOR;
    if (!vqpxmap_allocate(pm)) return false;
    *held = need;
  }
  pm->width = w;
  pm->height = h;
  return true;
}

// One character at half size: drawn full size on the background, each 2 x 2
// block averaged, the result copied onto the surface.
void draw_half(vqpxmap* surface, int handle, int x, int y, int32_t color, bool underline, int code) {
  int w = vqfont_charwidth(handle, code), h = vqfont_height(handle);
  if (w <= 0 || h <= 0 || !fit(&work, &work_held, w, h)) return;
  vqpxmap_clear(&work, halfscale_background);
  vqfont_drawchar(&work, handle, 0, 0, color, false, underline, -1, code, -1, -1);
  if (w / 2 < 1 || h / 2 < 1 || !fit(&half, &half_held, w / 2, h / 2)) return;
  if (!vqpxmap_halve_into(&work, reinterpret_cast<uint32_t*>(half.data), half_held, nullptr, nullptr)) return;
  vqpxmap_settransparent(&half, -1);
  vqpxmap_merge(surface, &half, x, y, 0, 0, half.width, half.height, 0, 0);
}

}  // namespace

void vqfont_drawstring(vqpxmap* surface, int handle, int x, int y, int32_t color, bool engraved,
                       bool underline, int32_t background, int max_width, int underline_index,
                       const char* text, int32_t light, int32_t shadow) {
  if (!surface || !text || vqfont_resolve(handle) < 0) return;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  int limit = 0;
  bool cut = max_width > 0 && vqfont_textwidth(handle, text) > max_width;
  if (cut) limit = x + max_width - vqfont_textwidth(handle, "... ");
  int cx = x, cy = y, height = vqfont_height(handle);
  for (int i = 0; p[i]; ++i) {
    if (cut && cx >= limit) break;
    if (p[i] == '\n') {
      cx = x;
      cy += halfscale ? height / 2 : height;
      continue;
    }
    bool mark = underline || i == underline_index;
    if (halfscale) {
      draw_half(surface, handle, cx, cy, color, mark, p[i]);
      cx += vqfont_charwidth(handle, p[i]) / 2;
    } else {
      vqfont_drawchar(surface, handle, cx, cy, color, engraved, mark, background, p[i], light, shadow);
      cx += vqfont_charwidth(handle, p[i]);
    }
  }
  if (cut)
    vqfont_drawstring(surface, handle, cx, cy, color, engraved, underline, background, 0, -1, "...",
                      light, shadow);
}
