// Word-wrapped text in a box.
#include "vqfont.h"

namespace {

struct Box {
  vqpxmap* surface;
  int handle, left, top, right, bottom, height;
  int32_t color;
  bool measure_only;
  int x, y;
};

void place(Box* b, int code) {
  if (b->y >= b->bottom || code < 32) return;
  if (!b->measure_only)
    vqfont_drawchar(b->surface, b->handle, b->x, b->y, b->color, false, false, -1, code, -1, -1);
  b->x += vqfont_charwidth(b->handle, code);
  if (b->x >= b->right) {
    b->x = b->left;
    b->y += b->height;
  }
}

}  // namespace

int vqfont_drawtextbox(vqpxmap* surface, int handle, int box_x, int box_y, int box_width,
                       int box_height, int32_t color, const char* text, bool measure_only) {
  int height = vqfont_height(handle);
  Box b{surface, handle, box_x, box_y, box_x + box_width, box_y + box_height, height, color,
        measure_only || !surface, box_x, box_y};
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text ? text : "");
  while (*p) {
    int c = *p;
    if (c == '\t') {
      for (int i = 0; i < 4; ++i) place(&b, ' ');
      ++p;
    } else if (c == '\n') {
      b.x = b.left;
      b.y += height;
      ++p;
    } else if (c == ' ') {
      place(&b, ' ');
      ++p;
    } else if (c >= 33) {
      const unsigned char* end = p;
      int width = 0;
      while (*end && *end != ' ' && *end != '\n' && *end != '\r') {
        width += vqfont_charwidth(handle, *end);
        if (*end++ == '-') break;
      }
      if (b.x + width >= b.right) {
        b.x = b.left;
        b.y += height;
      }
      for (; p < end; ++p) place(&b, *p);
    } else {
      ++p;   // carriage return and the other control characters
    }
  }
  return b.y - box_y + height;
}

int vqfont_textboxheight(int width, const char* text, int handle) {
  return vqfont_drawtextbox(nullptr, handle, 0, 0, width, 10000, 0, text, true);
}
