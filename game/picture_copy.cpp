// Copying decoded pixels, row by row, into the store's column-major planes.
// A photograph of 6000 x 4000 is 24 million pixels turned on their side, so
// the copy works on squares: 16 x 16 pixels at a time with SSE2 where the
// processor has it (a byte transpose of each channel), and in plain loops
// over the edges and elsewhere.
#include "picture_store.h"

#include <algorithm>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

void copy_plain(picture_planes& planes, const uint32_t* pixels, int stride, int x0, int x1, int y0, int y1) {
  constexpr int tile = 64;   // both sides of a 64 x 64 square stay in the cache
  for (int tx = x0; tx < x1; tx += tile)
    for (int ty = y0; ty < y1; ty += tile)
      for (int x = tx; x < std::min(tx + tile, x1); ++x) {
        uint8_t* r = planes.red[x];
        uint8_t* g = planes.green[x];
        uint8_t* b = planes.blue[x];
        const uint32_t* p = pixels + static_cast<size_t>(ty) * stride + x;
        for (int y = ty; y < std::min(ty + tile, y1); ++y, p += stride) {
          r[y] = static_cast<uint8_t>(*p >> 16);
          g[y] = static_cast<uint8_t>(*p >> 8);
          b[y] = static_cast<uint8_t>(*p);
        }
      }
}

#if defined(__SSE2__)

// m[i] holds row i of a 16 x 16 byte square; afterwards m[j] holds column j.
// Four rounds of interleaving, of bytes, pairs, quads and halves.
void transpose16(__m128i m[16]) {
  __m128i t[16];
  for (int i = 0; i < 8; ++i) {
    t[i] = _mm_unpacklo_epi8(m[2 * i], m[2 * i + 1]);
    t[i + 8] = _mm_unpackhi_epi8(m[2 * i], m[2 * i + 1]);
  }
  for (int h = 0; h < 16; h += 8)
    for (int i = 0; i < 4; ++i) {
      m[h + i] = _mm_unpacklo_epi16(t[h + 2 * i], t[h + 2 * i + 1]);
      m[h + i + 4] = _mm_unpackhi_epi16(t[h + 2 * i], t[h + 2 * i + 1]);
    }
  for (int k = 0; k < 4; ++k)
    for (int i = 0; i < 2; ++i) {
      t[4 * k + i] = _mm_unpacklo_epi32(m[4 * k + 2 * i], m[4 * k + 2 * i + 1]);
      t[4 * k + i + 2] = _mm_unpackhi_epi32(m[4 * k + 2 * i], m[4 * k + 2 * i + 1]);
    }
  for (int k = 0; k < 8; ++k) {
    m[2 * k] = _mm_unpacklo_epi64(t[2 * k], t[2 * k + 1]);
    m[2 * k + 1] = _mm_unpackhi_epi64(t[2 * k], t[2 * k + 1]);
  }
}

// One channel of 16 pixels as 16 bytes.
inline __m128i channel(const __m128i px[4], int shift) {
  const __m128i low = _mm_set1_epi32(255);
  __m128i c[4];
  for (int i = 0; i < 4; ++i) c[i] = _mm_and_si128(_mm_srli_epi32(px[i], shift), low);
  return _mm_packus_epi16(_mm_packs_epi32(c[0], c[1]), _mm_packs_epi32(c[2], c[3]));
}

// Squares of 16 x 16 over [0, width) x [0, height), both multiples of 16. A
// strip of 256 columns is walked down whole before the next: its rows are
// read once, and its 768 column streams stay open in the cache.
void copy_squares(picture_planes& planes, const uint32_t* pixels, int stride, int width, int height) {
  constexpr int strip = 256;
  for (int xs = 0; xs < width; xs += strip)
    for (int y0 = 0; y0 < height; y0 += 16)
      for (int x0 = xs; x0 < std::min(xs + strip, width); x0 += 16) {
        __m128i r[16], g[16], b[16];
        for (int i = 0; i < 16; ++i) {
          const auto* row = reinterpret_cast<const __m128i*>(pixels + static_cast<size_t>(y0 + i) * stride + x0);
          const __m128i px[4] = {_mm_loadu_si128(row), _mm_loadu_si128(row + 1), _mm_loadu_si128(row + 2),
                                 _mm_loadu_si128(row + 3)};
          r[i] = channel(px, 16);
          g[i] = channel(px, 8);
          b[i] = channel(px, 0);
        }
        transpose16(r);
        transpose16(g);
        transpose16(b);
        for (int j = 0; j < 16; ++j) {
          _mm_storeu_si128(reinterpret_cast<__m128i*>(planes.red[x0 + j] + y0), r[j]);
          _mm_storeu_si128(reinterpret_cast<__m128i*>(planes.green[x0 + j] + y0), g[j]);
          _mm_storeu_si128(reinterpret_cast<__m128i*>(planes.blue[x0 + j] + y0), b[j]);
        }
      }
}

#endif

}  // namespace

void copy_into_planes(picture_planes& planes, const uint32_t* pixels, int stride, int width, int height) {
#if defined(__SSE2__)
  const int square_w = width & ~15, square_h = height & ~15;
  copy_squares(planes, pixels, stride, square_w, square_h);
  copy_plain(planes, pixels, stride, square_w, width, 0, height);
  copy_plain(planes, pixels, stride, 0, square_w, square_h, height);
#else
  copy_plain(planes, pixels, stride, 0, width, 0, height);
#endif
}
