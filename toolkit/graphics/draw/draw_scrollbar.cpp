// The panels' minimal scrollbars: a light trough between two raised arrow
// buttons, and a raised thumb in the trough. Only the theme colors are
// used, so a scrollbar looks like the buttons around it.
#include "draw_internal.h"
#include "vqcolor.h"
#include "vqdraw.h"

#include <algorithm>

namespace {

// A raised button face: white top and left edges, dark right and bottom.
void raised(vqpxmap* pm, int64_t x, int64_t y, int64_t w, int64_t h) {
  if (w < 1 || h < 1) return;
  int32_t face = vqdraw_ink(pm, vqcolor_system(VQCOLOR_GREY));
  int32_t light = vqdraw_ink(pm, vqcolor_system(VQCOLOR_WHITE));
  int32_t dark = vqdraw_ink(pm, vqcolor_system(VQCOLOR_DARK));
  vqdraw_fill64(pm, x, y, w, h, face);
  if (w < 2 || h < 2) return;
  vqdraw_fill64(pm, x, y, w, 1, light);
  vqdraw_fill64(pm, x, y, 1, h, light);
  vqdraw_fill64(pm, x + w - 1, y, 1, h, dark);
  vqdraw_fill64(pm, x, y + h - 1, w, 1, dark);
}

// An arrow button: the arrow fits the button less a quarter of its
// thickness on every side (the classic 7 x 4 arrow in a 16-pixel button).
void arrow_button(vqpxmap* pm, int id, int64_t x, int64_t y, int64_t w, int64_t h) {
  raised(pm, x, y, w, h);
  int64_t inset = std::max<int64_t>(1, std::min(w, h) / 4);
  if (w - 2 * inset < 1 || h - 2 * inset < 1) return;
  vqdraw_builtin(pm, id, static_cast<int>(x + inset), static_cast<int>(y + inset),
                 static_cast<int>(w - 2 * inset), static_cast<int>(h - 2 * inset),
                 vqdraw_ink(pm, vqcolor_system(VQCOLOR_TEXT)));
}

// One scrollbar along an axis of `length` pixels and `thickness` across.
void scrollbar(vqpxmap* pm, bool vertical, int x, int y, int w, int h, int pos, int size) {
  if (!pm || w < 1 || h < 1) return;
  int64_t length = vertical ? h : w;
  vqscrollbar_geometry g = vqdraw_scrollbar_geometry(vertical ? h : w, vertical ? w : h, pos, size);
  auto rect = [&](int64_t along, int64_t extent, auto draw) {
    if (vertical) draw(static_cast<int64_t>(x), y + along, static_cast<int64_t>(w), extent);
    else draw(x + along, static_cast<int64_t>(y), extent, static_cast<int64_t>(h));
  };
  int32_t trough = vqdraw_ink(pm, vqcolor_system(VQCOLOR_VERYLIGHT));
  rect(g.button, length - 2 * g.button, [&](int64_t rx, int64_t ry, int64_t rw, int64_t rh) {
    vqdraw_fill64(pm, rx, ry, rw, rh, trough);
  });
  rect(0, g.button, [&](int64_t rx, int64_t ry, int64_t rw, int64_t rh) {
    arrow_button(pm, vertical ? VQGRAPHIC_UP : VQGRAPHIC_LEFT, rx, ry, rw, rh);
  });
  rect(length - g.button, g.button, [&](int64_t rx, int64_t ry, int64_t rw, int64_t rh) {
    arrow_button(pm, vertical ? VQGRAPHIC_DOWN : VQGRAPHIC_RIGHT, rx, ry, rw, rh);
  });
  rect(g.thumb_start, g.thumb_length,
       [&](int64_t rx, int64_t ry, int64_t rw, int64_t rh) { raised(pm, rx, ry, rw, rh); });
}

}  // namespace

// The arrow buttons are square while there is room for them, and the thumb
// is never shorter than half a button (4 pixels at least), so it can still
// be seen and hit.
vqscrollbar_geometry vqdraw_scrollbar_geometry(int length, int thickness, int pos, int size) {
  vqscrollbar_geometry g{0, 0, 0};
  if (length < 1 || thickness < 1) return g;
  int64_t button = std::min<int64_t>(thickness, length / 2);
  int64_t track = length - 2 * button;
  g.button = static_cast<int>(button);
  g.thumb_start = g.button;
  if (track < 1) return g;
  int64_t shortest = std::min(track, std::max<int64_t>(button / 2, 4));
  int64_t thumb = std::max(track * std::clamp(size, 0, 100) / 100, shortest);
  g.thumb_start = static_cast<int>(button + (track - thumb) * std::clamp(pos, 0, 100) / 100);
  g.thumb_length = static_cast<int>(thumb);
  return g;
}

void vqdraw_vscrollbar(vqpxmap* pm, int x, int y, int w, int h, int pos, int size) {
  scrollbar(pm, true, x, y, w, h, pos, size);
}

void vqdraw_hscrollbar(vqpxmap* pm, int x, int y, int w, int h, int pos, int size) {
  scrollbar(pm, false, x, y, w, h, pos, size);
}
