// Scaled showing of a client area.
#include "sdl_scale.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

int64_t floor_div(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

struct sample {
  int index;      // first source pixel
  uint32_t weight;   // share of the next one, 0..255 of 256
};

// Source sample of each shown position along one axis: whole factors
// repeat pixels (sharp), every other scale blends the two source pixels
// around the shown pixel's centre.
std::vector<sample> samples(int src, int dst, int from, int to) {
  std::vector<sample> out;
  out.reserve(static_cast<size_t>(std::max(to - from, 0)));
  const bool whole = dst >= src && dst % src == 0;
  for (int c = from; c < to; c++) {
    if (whole) {
      out.push_back({c / (dst / src), 0});
      continue;
    }
    // Centre of shown pixel c in source pixels, minus half a pixel.
    int64_t num = int64_t{2 * c + 1} * src - dst, den = int64_t{2} * dst;
    int64_t index = floor_div(num, den);
    int64_t weight = ((num - index * den) * 256 + dst) / den;
    if (weight >= 256) index++, weight = 0;
    if (index < 0) index = 0, weight = 0;
    if (index >= src - 1) index = src - 1, weight = 0;
    out.push_back({static_cast<int>(index), static_cast<uint32_t>(weight)});
  }
  return out;
}

inline uint32_t mix(uint32_t a, uint32_t b, uint32_t w) {
  uint32_t rb = ((a & 0xFF00FF) * (256 - w) + (b & 0xFF00FF) * w) >> 8;
  uint32_t g = ((a & 0x00FF00) * (256 - w) + (b & 0x00FF00) * w) >> 8;
  return (rb & 0xFF00FF) | (g & 0x00FF00);
}

#if defined(__x86_64__) && defined(__GNUC__)
// Eight pixels at a time where the processor has AVX2 (most desktops):
// mixing rows is most of the work of a growing picture.
__attribute__((target("avx2"))) int mix_rows_wide(const uint32_t* a, const uint32_t* b, uint32_t* out, int from,
                                                  int to, uint32_t w) {
  const __m256i zero = _mm256_setzero_si256(), wb = _mm256_set1_epi16(static_cast<short>(w)),
                wa = _mm256_set1_epi16(static_cast<short>(256 - w));
  int i = from;
  for (; i + 7 <= to; i += 8) {
    __m256i pa = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
    __m256i pb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
    __m256i lo = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(pa, zero), wa),
                                  _mm256_mullo_epi16(_mm256_unpacklo_epi8(pb, zero), wb));
    __m256i hi = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(pa, zero), wa),
                                  _mm256_mullo_epi16(_mm256_unpackhi_epi8(pb, zero), wb));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                        _mm256_packus_epi16(_mm256_srli_epi16(lo, 8), _mm256_srli_epi16(hi, 8)));
  }
  return i;
}

const bool g_avx2 = __builtin_cpu_supports("avx2");
#endif

// out[i] = mix(a[i], b[i], w) for i in from..to.
void mix_rows(const uint32_t* a, const uint32_t* b, uint32_t* out, int from, int to, uint32_t w) {
  int i = from;
#if defined(__x86_64__) && defined(__GNUC__)
  if (g_avx2) i = mix_rows_wide(a, b, out, from, to, w);
#endif
#if defined(__SSE2__)
  // Four pixels at a time, each channel widened to 16 bits.
  const __m128i zero = _mm_setzero_si128(), wb = _mm_set1_epi16(static_cast<short>(w)),
                wa = _mm_set1_epi16(static_cast<short>(256 - w));
  for (; i + 3 <= to; i += 4) {
    __m128i pa = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
    __m128i pb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
    __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(pa, zero), wa),
                               _mm_mullo_epi16(_mm_unpacklo_epi8(pb, zero), wb));
    __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(pa, zero), wa),
                               _mm_mullo_epi16(_mm_unpackhi_epi8(pb, zero), wb));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                     _mm_packus_epi16(_mm_srli_epi16(lo, 8), _mm_srli_epi16(hi, 8)));
  }
#endif
  for (; i <= to; i++) out[i] = mix(a[i], b[i], w);
}

// The weights of a shown column's two source pixels, one per channel lane.
struct column_weights {
  uint16_t lane[8];   // four times 256 - weight, four times weight
};

std::vector<column_weights> weights_of(const std::vector<sample>& across) {
  std::vector<column_weights> out(across.size());
  for (size_t i = 0; i < across.size(); i++)
    for (int k = 0; k < 4; k++) {
      out[i].lane[k] = static_cast<uint16_t>(256 - across[i].weight);
      out[i].lane[k + 4] = static_cast<uint16_t>(across[i].weight);
    }
  return out;
}

// out[col] = line[index] mixed with line[index + 1] by the column's weight
// (weights null: every weight is 0, a plain pick).
void mix_across(const uint32_t* line, int w, const std::vector<sample>& across, const column_weights* weights,
                uint32_t* out) {
  const size_t count = across.size();
  size_t col = 0;
  if (weights == nullptr) {
    for (; col < count; col++) out[col] = line[across[col].index];
    return;
  }
#if defined(__SSE2__)
  // Two shown pixels per register: their four source pixels widened to 16
  // bits per channel and weighted, then each pair's halves added.
  const __m128i zero = _mm_setzero_si128();
  auto two = [&](size_t c) {
    const sample& a = across[c];
    const sample& b = across[c + 1];
    __m128i pa = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(line + a.index)), zero);
    __m128i pb = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(line + b.index)), zero);
    __m128i ma = _mm_mullo_epi16(pa, _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights[c].lane)));
    __m128i mb = _mm_mullo_epi16(pb, _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights[c + 1].lane)));
    return _mm_srli_epi16(_mm_add_epi16(_mm_unpacklo_epi64(ma, mb), _mm_unpackhi_epi64(ma, mb)), 8);
  };
  // The last source pixel has no right neighbour to load.
  while (col + 3 < count && across[col + 3].index + 1 < w) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + col), _mm_packus_epi16(two(col), two(col + 2)));
    col += 4;
  }
#endif
  for (; col < count; col++) {
    const sample& a = across[col];
    out[col] = a.weight == 0 || a.index + 1 >= w ? line[a.index] : mix(line[a.index], line[a.index + 1], a.weight);
  }
}

}  // namespace

void vqsdl_fit(int w, int h, int room_w, int room_h, int enlarge, int* out_w, int* out_h) {
  w = std::max(w, 1);
  h = std::max(h, 1);
  room_w = std::max(room_w, 1);
  room_h = std::max(room_h, 1);
  if (w <= room_w && h <= room_h) {
    int k = std::max(enlarge, 1);
    while (k > 1 && (int64_t{w} * k > room_w || int64_t{h} * k > room_h)) k--;
    *out_w = w * k;
    *out_h = h * k;
    return;
  }
  if (int64_t{room_w} * h <= int64_t{room_h} * w) {   // the width limits
    *out_w = room_w;
    *out_h = static_cast<int>(std::clamp<int64_t>((int64_t{h} * room_w + w / 2) / w, 1, room_h));
  } else {
    *out_h = room_h;
    *out_w = static_cast<int>(std::clamp<int64_t>((int64_t{w} * room_h + h / 2) / h, 1, room_w));
  }
}

void vqsdl_enlarge(int w, int h, int room_w, int room_h, double factor, int* out_w, int* out_h) {
  w = std::max(w, 1);
  h = std::max(h, 1);
  const int64_t want_w = std::llround(w * std::max(factor, 1.0)), want_h = std::llround(h * std::max(factor, 1.0));
  if (want_w <= room_w && want_h <= room_h) {
    *out_w = static_cast<int>(want_w);
    *out_h = static_cast<int>(want_h);
    return;
  }
  vqsdl_fit(w, h, std::max(room_w, 1), std::max(room_h, 1), 1, out_w, out_h);
  if (*out_w < w) return;   // smaller than the client area: as fitted
  // Larger than the client area but not as large as asked: the largest that fits.
  if (int64_t{room_w} * h <= int64_t{room_h} * w) {
    *out_w = room_w;
    *out_h = static_cast<int>((int64_t{h} * room_w + w / 2) / w);
  } else {
    *out_h = room_h;
    *out_w = static_cast<int>((int64_t{w} * room_h + h / 2) / h);
  }
  *out_w = std::min(*out_w, room_w);
  *out_h = std::min(*out_h, room_h);
}

vqsdl_rect vqsdl_place(int w, int h, int frame_w, int frame_h) {
  if (w == frame_w && h == frame_h) return {0, 0, w, h};
  w = std::max(w, 1);
  h = std::max(h, 1);
  int shown_w = 0, shown_h = 0;
  if (int64_t{frame_w} * h <= int64_t{frame_h} * w) {   // the width limits
    shown_w = frame_w;
    shown_h = static_cast<int>(std::clamp<int64_t>((int64_t{h} * frame_w + w / 2) / w, 1, std::max(frame_h, 1)));
  } else {
    shown_h = frame_h;
    shown_w = static_cast<int>(std::clamp<int64_t>((int64_t{w} * frame_h + h / 2) / h, 1, std::max(frame_w, 1)));
  }
  // A window made to its picture's size differs from the exact aspect by
  // rounding only: fill it rather than leave a one-pixel bar.
  if (frame_w - shown_w <= 1 && frame_h - shown_h <= 1) return {0, 0, frame_w, frame_h};
  return {(frame_w - shown_w) / 2, (frame_h - shown_h) / 2, shown_w, shown_h};
}

void vqsdl_to_client(const vqsdl_rect& shown, int w, int h, int fx, int fy, int* x, int* y) {
  if (shown.w <= 0 || shown.h <= 0) {
    *x = fx;
    *y = fy;
    return;
  }
  *x = static_cast<int>(floor_div((int64_t{2} * (fx - shown.x) + 1) * w, int64_t{2} * shown.w));
  *y = static_cast<int>(floor_div((int64_t{2} * (fy - shown.y) + 1) * h, int64_t{2} * shown.h));
}

vqsdl_rect vqsdl_shown_part(const vqsdl_rect& shown, int w, int h, int x, int y, int rw, int rh) {
  if (shown.w == w && shown.h == h) return {shown.x + x, shown.y + y, rw, rh};
  // A blended pixel mixes two neighbours: the shown pixels of one more
  // source pixel on each side cover them.
  const int64_t mx = (shown.w + w - 1) / w, my = (shown.h + h - 1) / h;
  int64_t x0 = floor_div(int64_t{x} * shown.w, w) - mx, x1 = floor_div(int64_t{x + rw} * shown.w + w - 1, w) + mx;
  int64_t y0 = floor_div(int64_t{y} * shown.h, h) - my, y1 = floor_div(int64_t{y + rh} * shown.h + h - 1, h) + my;
  x0 = std::max<int64_t>(x0, 0);
  y0 = std::max<int64_t>(y0, 0);
  x1 = std::min<int64_t>(x1, shown.w);
  y1 = std::min<int64_t>(y1, shown.h);
  if (x1 <= x0 || y1 <= y0) return {shown.x, shown.y, 0, 0};
  return {shown.x + static_cast<int>(x0), shown.y + static_cast<int>(y0), static_cast<int>(x1 - x0),
          static_cast<int>(y1 - y0)};
}

void vqsdl_stretch(const uint32_t* src, int w, int h, const vqsdl_rect& shown, const vqsdl_rect& part,
                   uint32_t* frame, int frame_stride) {
  if (part.w <= 0 || part.h <= 0 || w <= 0 || h <= 0) return;
  const int left = part.x - shown.x, top = part.y - shown.y;
  if (shown.w == w && shown.h == h) {
    for (int row = 0; row < part.h; row++)
      std::memcpy(frame + static_cast<size_t>(row) * frame_stride,
                  src + static_cast<size_t>(top + row) * w + left, static_cast<size_t>(part.w) * 4);
    return;
  }
  const std::vector<sample> across = samples(w, shown.w, left, left + part.w);
  const std::vector<sample> down = samples(h, shown.h, top, top + part.h);
  const bool picks = shown.w >= w && shown.w % w == 0;   // a whole factor across: no blending
  const std::vector<column_weights> weights = picks ? std::vector<column_weights>{} : weights_of(across);
  const column_weights* weighed = picks ? nullptr : weights.data();
  if (shown.h >= h) {
    // Growing: each source row is stretched across once, into the kept row
    // of its parity (so that two neighbours never push each other out), and
    // the shown rows mix two kept rows.
    static std::vector<uint32_t> kept[2];
    int kept_row[2] = {-1, -1};
    for (std::vector<uint32_t>& row : kept) row.resize(across.size());
    auto across_row = [&](int index) -> const uint32_t* {
      const int k = index & 1;
      if (kept_row[k] != index) {
        mix_across(src + static_cast<size_t>(index) * w, w, across, weighed, kept[k].data());
        kept_row[k] = index;
      }
      return kept[k].data();
    };
    const int count = static_cast<int>(across.size());
    for (int row = 0; row < part.h; row++) {
      const sample& s = down[static_cast<size_t>(row)];
      uint32_t* out = frame + static_cast<size_t>(row) * frame_stride;
      const uint32_t* upper = across_row(s.index);
      if (s.weight == 0) {
        std::memcpy(out, upper, static_cast<size_t>(count) * 4);
        continue;
      }
      const uint32_t* lower = across_row(s.index + 1);
      mix_rows(upper, lower, out, 0, count - 1, s.weight);
    }
    return;
  }
  const int first = across.front().index, last = std::min(across.back().index + 1, w - 1);
  static std::vector<uint32_t> blended;   // the two source rows of one shown row, mixed
  blended.resize(static_cast<size_t>(w));
  for (int row = 0; row < part.h; row++) {
    const sample& s = down[static_cast<size_t>(row)];
    const uint32_t* line = src + static_cast<size_t>(s.index) * w;
    if (s.weight != 0) {
      mix_rows(line, line + w, blended.data(), first, last, s.weight);
      line = blended.data();
    }
    mix_across(line, w, across, weighed, frame + static_cast<size_t>(row) * frame_stride);
  }
}
