// Platform-held pixel buffers. Both back ends keep them the same way, as
// plain memory: the desktop never needs to see them until a pixmap is
// presented, and presenting goes through vqplatform_window_present.
#include "vqplatform.h"

#include <cstdio>
#include <vector>

namespace {

struct pixbuf {
  bool used = false;
  int w = 0, h = 0;
  std::vector<uint32_t> pixels;
};

// Handle n is slot n - 1; freed slots are handed out again.
std::vector<pixbuf>& buffers() {
  static std::vector<pixbuf> table;
  return table;
}

// Refuses sizes whose byte count would not fit the pixmaps' limits.
constexpr int max_side = 32767;

}  // namespace

int vqplatform_pixbuf_create(int w, int h) {
  if (w < 0 || h < 0 || w > max_side || h > max_side) {
    std::printf("vqplatform_pixbuf_create: bad size %d x %d\n", w, h);
    return 0;
  }
  std::vector<pixbuf>& table = buffers();
  size_t slot = 0;
  while (slot < table.size() && table[slot].used) slot++;
  if (slot == table.size()) table.emplace_back();
  pixbuf& b = table[slot];
  b.used = true;
  b.w = w;
  b.h = h;
  b.pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  return static_cast<int>(slot) + 1;
}

void vqplatform_pixbuf_destroy(int buffer) {
  std::vector<pixbuf>& table = buffers();
  if (buffer < 1 || static_cast<size_t>(buffer) > table.size()) return;
  pixbuf& b = table[buffer - 1];
  b.used = false;
  b.w = b.h = 0;
  std::vector<uint32_t>().swap(b.pixels);
}

uint32_t* vqplatform_pixbuf_pixels(int buffer, int* w, int* h) {
  std::vector<pixbuf>& table = buffers();
  if (buffer < 1 || static_cast<size_t>(buffer) > table.size() || !table[buffer - 1].used) {
    if (w) *w = 0;
    if (h) *h = 0;
    return nullptr;
  }
  pixbuf& b = table[buffer - 1];
  if (w) *w = b.w;
  if (h) *h = b.h;
  return b.pixels.data();
}
