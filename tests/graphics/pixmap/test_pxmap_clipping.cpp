// Merges and rectangle fills at random positions against a pixel-by-pixel
// model: a pixel is copied exactly when both its source and its destination
// position lie inside their pixmaps. Under the sanitizer build any write
// outside a buffer fails the run as well.
#include "test_pxmap_util.h"

#include <random>
#include <vector>

namespace {

bool inside(const vqpxmap* pm, int64_t x, int64_t y) {
  return x >= 0 && y >= 0 && x < pm->width && y < pm->height;
}

TEST(PixmapClipping, MergeAtRandomPositionsMatchesThePixelModel) {
  std::mt19937 rng(20240611);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int round = 0; round < 3000; round++) {
    TestPixmap dst(pick(0, 9), pick(0, 9), VQPX_PALETTE8);
    TestPixmap src(pick(0, 9), pick(0, 9), VQPX_PALETTE8);
    for (int i = 0; i < src->width * src->height; i++) src->data[i] = static_cast<uint8_t>(pick(0, 4) == 0 ? 255 : pick(1, 200));
    std::vector<uint8_t> before(dst->data, dst->data + dst->width * dst->height);
    int dx = pick(-12, 12), dy = pick(-12, 12), sx = pick(-12, 12), sy = pick(-12, 12);
    int w = pick(-3, 14), h = pick(-3, 14);
    ASSERT_TRUE(vqpxmap_merge(&dst.pm, &src.pm, dx, dy, sx, sy, w, h, 1, 0));
    int64_t cw = (w == 0 || w == -1) ? src->width : w, ch = (h == 0 || h == -1) ? src->height : h;
    for (int y = 0; y < dst->height; y++)
      for (int x = 0; x < dst->width; x++) {
        int64_t i = x - dx, j = y - dy;   // offset inside the copied rectangle
        int want = before[y * dst->width + x];
        if (i >= 0 && j >= 0 && i < cw && j < ch && inside(&src.pm, sx + i, sy + j)) {
          int v = src->data[(sy + j) * src->width + (sx + i)];
          if (v != 255) want = v;
        }
        ASSERT_EQ(dst.at(x, y), want) << "round " << round << " at " << x << "," << y << " dx=" << dx
                                      << " dy=" << dy << " sx=" << sx << " sy=" << sy << " w=" << w
                                      << " h=" << h;
      }
  }
}

TEST(PixmapClipping, FillrectAtRandomPositionsMatchesThePixelModel) {
  std::mt19937 rng(7);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int round = 0; round < 3000; round++) {
    TestPixmap p(pick(0, 9), pick(0, 9), VQPX_TRUECOLOR);
    int x0 = pick(-12, 12), y0 = pick(-12, 12), w = pick(-3, 14), h = pick(-3, 14);
    ASSERT_TRUE(vqpxmap_fillrect(&p.pm, x0, y0, w, h, 0x445566));
    for (int y = 0; y < p->height; y++)
      for (int x = 0; x < p->width; x++) {
        bool in = x >= x0 && y >= y0 && x < x0 + w && y < y0 + h;
        ASSERT_EQ(p.at(x, y), in ? 0x445566 : 0) << round;
      }
  }
}

}  // namespace
