// Smooth text for the start picture: a line rasterized large by the
// platform's font rasterizer (one bit deep) and averaged down to coverage.
#pragma once

#include <cstddef>
#include <vector>

struct art_mask {
  int width = 0, height = 0;
  std::vector<float> cover;   // 0..1, row after row
  float at(int x, int y) const {
    return x < 0 || y < 0 || x >= width || y >= height ? 0.f : cover[std::size_t(y) * std::size_t(width) + std::size_t(x)];
  }
};

// The text (Latin-1) in a bold sans face with an em height of `pixels`;
// empty when no such face is installed.
art_mask art_text_mask(const char* text, int pixels);
// The mask grown by `radius` pixels (for outlines and shadows).
art_mask art_mask_grow(const art_mask& mask, int radius);
// A box blur of the mask (for soft shadows), in place.
void art_mask_blur(art_mask& mask, int radius);
