// Flood fill: the 4-connected area of one color repainted, span by span.
// Work that is still to do lives in a list on the heap, never on the call
// stack, so an area as large as the largest pixmap fills like a small one.
#include "draw_internal.h"
#include "vqdraw.h"

#include <new>
#include <vector>

namespace {

// Row y was painted over left..right; row y + dir still has to be looked
// at over the same columns.
struct pending {
  int y, left, right, dir;
};

}  // namespace

void vqdraw_floodfill(vqpxmap* pm, int x, int y, int32_t color) {
  if (!pm || x < 0 || y < 0 || x >= pm->width || y >= pm->height) return;
  vqdraw_reader pixels(pm);
  if (!pixels.ok()) return;
  // Compare what is stored: on a palette pixmap 0x1234 and 0x34 are the
  // same pixel, and refilling it would never end.
  const int32_t old = pixels.at(x, y);
  if (old == vqdraw_stored(pm, color)) return;
  const int width = pm->width, height = pm->height;
  vqdraw_spans paint(pm, color);
  try {
    std::vector<pending> todo;
    todo.reserve(64);
    int left = x, right = x;
    while (left > 0 && pixels.at(left - 1, y) == old) left--;
    while (right + 1 < width && pixels.at(right + 1, y) == old) right++;
    paint.span(y, left, right);
    todo.push_back({y, left, right, 1});
    todo.push_back({y, left, right, -1});
    while (!todo.empty()) {
      pending p = todo.back();
      todo.pop_back();
      int row = p.y + p.dir;
      if (row < 0 || row >= height) continue;
      for (int cx = p.left; cx <= p.right; cx++) {
        if (pixels.at(cx, row) != old) continue;
        int a = cx, b = cx;
        // Only the first run can reach left past the painted span; later
        // ones start right after a pixel of another color.
        if (cx == p.left)
          while (a > 0 && pixels.at(a - 1, row) == old) a--;
        while (b + 1 < width && pixels.at(b + 1, row) == old) b++;
        paint.span(row, a, b);
        todo.push_back({row, a, b, p.dir});
        // Where the new run overhangs the span it came from, the row it
        // came from has to be looked at below (or above) the overhang.
        if (a < p.left) todo.push_back({row, a, p.left - 1, -p.dir});
        if (b > p.right) todo.push_back({row, p.right + 1, b, -p.dir});
        cx = b;
      }
    }
  } catch (const std::bad_alloc&) {
    vqpxmap_report("vqdraw_floodfill: out of memory\n");
  }
}
