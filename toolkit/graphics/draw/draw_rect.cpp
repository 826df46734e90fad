// Rectangle outlines, the two-color frame, the filled frame and the outline
// with a shadow. Edges are worked out in 64 bits, so x + w - 1 cannot wrap.
#include "draw_internal.h"
#include "vqdraw.h"

void vqdraw_rect(vqpxmap* pm, int x, int y, int w, int h, int32_t color) {
  vqdraw_frame(pm, x, y, w, h, color, color);
}

// The right and bottom edges are drawn last and run the full length, so
// c2 also takes the top-right and bottom-left corners, as a raised button's
// shadow does.
void vqdraw_frame(vqpxmap* pm, int x, int y, int w, int h, int32_t c1, int32_t c2) {
  if (!pm || w < 1 || h < 1) return;
  int64_t right = static_cast<int64_t>(x) + w - 1, bottom = static_cast<int64_t>(y) + h - 1;
  vqdraw_fill64(pm, x, y, w, 1, c1);
  vqdraw_fill64(pm, x, y, 1, h, c1);
  vqdraw_fill64(pm, right, y, 1, h, c2);
  vqdraw_fill64(pm, x, bottom, w, 1, c2);
}

void vqdraw_fillframe(vqpxmap* pm, int x, int y, int w, int h, int32_t fill, int32_t c1,
                      int32_t c2) {
  if (!pm || w < 1 || h < 1) return;
  vqdraw_fill64(pm, static_cast<int64_t>(x) + 1, static_cast<int64_t>(y) + 1,
                static_cast<int64_t>(w) - 2, static_cast<int64_t>(h) - 2, fill);
  vqdraw_frame(pm, x, y, w, h, c1, c2);
}

// Shadow lines: columns x + w and x + w + 1 from y + 2 to y + h + 1, rows
// y + h and y + h + 1 from x + 2 to x + w, all ends included.
void vqdraw_shadowrect(vqpxmap* pm, int x, int y, int w, int h, int32_t color) {
  if (!pm || w < 1 || h < 1) return;
  vqdraw_rect(pm, x, y, w, h, color);
  vqdraw_fill64(pm, static_cast<int64_t>(x) + w, static_cast<int64_t>(y) + 2, 2, h, color);
  vqdraw_fill64(pm, static_cast<int64_t>(x) + 2, static_cast<int64_t>(y) + h,
                static_cast<int64_t>(w) - 1, 2, color);
}
