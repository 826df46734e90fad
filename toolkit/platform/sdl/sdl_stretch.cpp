// Stretching a client picture to the window pixels that show it: copied at
// the same size, pixels repeated for whole factors (sharp), bilinear in
// fixed point otherwise. A scaled frame must cost little more than SDL's own
// update of a frame of the window's size, so the bilinear work is split in
// two passes that each touch a pixel once: every source row is mixed across
// once (from a table made once per size), and every shown row mixes two of
// those rows down. Sixteen pixels a step where the processor has AVX2; a
// plain loop of the very same arithmetic elsewhere, so that every processor
// shows the same picture.
#include "sdl_scale.h"
#include "sdl_rows.h"

#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define VQSDL_AVX2 1
#endif

namespace {

// Weights are shares of kOne. A row mixed across keeps each channel as a
// 16-bit value of 64 times the channel, so that mixing down stays within
// 1/64 of a step before it rounds, and the processor's byte multiply-add
// takes a channel out of a pixel and scales it in one step (64 is the
// largest factor it takes).
constexpr int kOne = 1 << 15;
constexpr int kShift = 6;
constexpr int kGroup = 8;   // shown pixels per step; a mixed row is padded to whole groups

// x * w / kOne rounded, exactly as the processor's rounding high multiply
// (pmulhrsw) computes it for 16-bit x and w.
inline int mul_round(int x, int w) { return (x * w + (1 << 14)) >> 15; }

// A mixed value back to its channel, rounded: what the rounding high
// multiply by kOne >> kShift gives.
inline int round_down_shift(int x) { return mul_round(x, kOne >> kShift); }

int64_t floor_div(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

struct sample {
  int index;    // first source pixel
  int weight;   // share of the next one, in 1/kOne
};

bool whole_factor(int src, int dst) { return dst >= src && dst % src == 0; }

// The source sample of shown position c along an axis of src pixels shown
// as dst: whole factors repeat pixels, every other scale blends the two
// source pixels around the shown pixel's centre.
sample sample_at(int src, int dst, int c) {
  if (whole_factor(src, dst)) return {c / (dst / src), 0};
  // Centre of shown pixel c in source pixels, minus half a pixel.
  const int64_t num = int64_t{2 * c + 1} * src - dst, den = int64_t{2} * dst;
  int64_t index = floor_div(num, den);
  int64_t weight = ((num - index * den) * kOne + dst) / den;
  if (weight >= kOne) index++, weight = 0;
  if (index < 0) index = 0, weight = 0;
  if (index >= src - 1) index = src - 1, weight = 0;
  return {static_cast<int>(index), static_cast<int>(weight)};
}

// A row mixed across holds, per pair of groups (sixteen columns), 48
// values: the blue and red channels of the first group's eight pixels (blue
// first), the same of the second group's, then the green channels of both,
// first group's and second's alternating. So a 32-bit lane of any of the
// three registers holds what one pixel (or two) needs, the wide passes
// reach each channel with a mask or a shift, and no register is spent on
// alpha, which the client's pixels do not carry: mixed pixels have none.
constexpr int kPair = 2 * kGroup;
constexpr int kPairValues = 3 * kPair;
constexpr int kChannels = 3;

inline int value_at(int column, int channel) {   // channel 0 blue, 1 green, 2 red
  const int pair = column / kPair, second = (column / kGroup) % 2, k = column % kGroup;
  if (channel == 1) return pair * kPairValues + 2 * kPair + 2 * k + second;
  return pair * kPairValues + second * kPair + 2 * k + (channel >> 1);
}

// Everything about the columns of one picture width shown at another,
// made once per pair of sizes and phase: the sample of every shown column
// and, per group, where the eight-at-a-time pass loads and which loaded
// pixels it takes. Groups start `phase` columns before the shown columns
// (so that a group's pixels can land on one aligned stretch of memory); the
// columns before the first and after the last repeat their neighbour.
struct across_table {
  int src = 0, dst = 0, phase = 0;
  std::vector<sample> at;          // per column position (shown column + phase)
  std::vector<int> base;           // per group: first source pixel loaded
  std::vector<int32_t> lanes;      // per group: 8 left, 8 right pixels, as positions after base
  std::vector<int32_t> weights;    // per group: the 8 columns' weights, twice in each
  int span = 0;                    // most source pixels a group reads
};

const across_table& across_for(int src, int dst, int phase) {
  static across_table table;
  if (table.src == src && table.dst == dst && table.phase == phase) return table;
  table = across_table{};
  table.src = src;
  table.dst = dst;
  table.phase = phase;
  const int groups = 2 * ((dst + phase + kPair - 1) / kPair);
  for (int p = 0; p < groups * kGroup; p++) table.at.push_back(sample_at(src, dst, std::clamp(p - phase, 0, dst - 1)));
  auto first_of = [&](int g) { return table.at[static_cast<size_t>(g) * kGroup].index; };
  auto last_of = [&](int g) {
    return std::min(table.at[static_cast<size_t>(g) * kGroup + kGroup - 1].index + 1, src - 1);
  };
  for (int g = 0; g < groups; g++) table.span = std::max(table.span, last_of(g) - first_of(g) + 1);
  const int loaded = table.span <= kGroup ? kGroup : 2 * kGroup;
  for (int g = 0; g < groups; g++) {
    const sample* s = &table.at[static_cast<size_t>(g) * kGroup];
    // Loads stay inside the row: near its end they start earlier.
    const int base = std::max(0, std::min(first_of(g), src - loaded));
    table.base.push_back(base);
    for (int k = 0; k < kGroup; k++) table.lanes.push_back(s[k].index - base);
    for (int k = 0; k < kGroup; k++) table.lanes.push_back(std::min(s[k].index + 1, src - 1) - base);
    for (int k = 0; k < kGroup; k++) table.weights.push_back(s[k].weight | s[k].weight << 16);
  }
  return table;
}

// Mixes source row `line` across into `out` for the groups first..last of
// the table (whole pairs), the plain way.
void mix_across_plain(const uint32_t* line, const across_table& t, int first, int last, int16_t* out) {
  for (int c = first * kGroup; c < (last + 1) * kGroup; c++) {
    const sample& s = t.at[static_cast<size_t>(c)];
    const uint32_t a = line[s.index], b = line[std::min(s.index + 1, t.src - 1)];
    for (int k = 0; k < kChannels; k++) {
      const int left = static_cast<int>((a >> (8 * k)) & 255) << kShift;
      const int right = static_cast<int>((b >> (8 * k)) & 255) << kShift;
      out[value_at(c - first * kGroup, k)] = static_cast<int16_t>(left + mul_round(right - left, s.weight));
    }
  }
}

// Mixes two rows mixed across down into shown pixels: columns from..to,
// counted from the rows' first column.
void mix_down_plain(const int16_t* upper, const int16_t* lower, int weight, int from, int to, uint32_t* out) {
  for (int c = from; c < to; c++) {
    uint32_t pixel = 0;
    for (int k = 0; k < kChannels; k++) {
      const int a = upper[value_at(c, k)], b = lower[value_at(c, k)];
      pixel |= static_cast<uint32_t>(round_down_shift(a + mul_round(b - a, weight))) << (8 * k);
    }
    out[c - from] = pixel;
  }
}

#if defined(VQSDL_AVX2)
const bool g_avx2 = __builtin_cpu_supports("avx2");
// Shrinking reads up to sixteen source pixels per group; AVX-512 picks
// from two registers in one step.
const bool g_avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl");

// A channel of left and right pixels (each 64 times the channel, in 16
// bits) mixed by their weights.
__attribute__((target("avx2"))) inline __m256i mix_pair(__m256i left, __m256i right, __m256i weights) {
  return _mm256_add_epi16(left, _mm256_mulhrs_epi16(_mm256_sub_epi16(right, left), weights));
}

// The left and right neighbours of a group's eight shown pixels in one
// source row: its source pixels loaded in one or two registers, picked
// from them by the table's lane positions.
struct neighbours {
  __m256i left, right;
};

__attribute__((target("avx2"))) inline neighbours pick(const uint32_t* from, __m256i left_at, __m256i right_at,
                                                       bool two_loads) {
  const __m256i near = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
  __m256i left = _mm256_permutevar8x32_epi32(near, left_at), right = _mm256_permutevar8x32_epi32(near, right_at);
  if (two_loads) {
    const __m256i far = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + kGroup)),
                  seven = _mm256_set1_epi32(7);
    left = _mm256_blendv_epi8(left, _mm256_permutevar8x32_epi32(far, left_at), _mm256_cmpgt_epi32(left_at, seven));
    right = _mm256_blendv_epi8(right, _mm256_permutevar8x32_epi32(far, right_at), _mm256_cmpgt_epi32(right_at, seven));
  }
  return {left, right};
}

// One pair of groups of one source row mixed across: blue and red of each
// group in place, the green of both gathered into one register (first
// group's in the low half of every 32-bit lane, second's in the high half).
// Each byte multiply-add takes the bytes it wants of a pixel times 64 and
// those it does not times 0.
__attribute__((target("avx2"))) inline void mix_pair_of_groups(const neighbours& a, const neighbours& b,
                                                               const __m256i weights[3], int16_t* out) {
  const __m256i blue_red = _mm256_set1_epi32(0x00400040);   // bytes 64, 0, 64, 0
  const __m256i green_low = _mm256_set1_epi32(0x00004000);  // 0, 64, 0, 0
  const __m256i green_high = _mm256_set1_epi32(0x40000000); // 0, 0, 0, 64 (green moved up two bytes)
  auto green = [&](__m256i first, __m256i second) __attribute__((target("avx2"))) {
    return _mm256_or_si256(_mm256_maddubs_epi16(first, green_low),
                           _mm256_maddubs_epi16(_mm256_slli_epi32(second, 16), green_high));
  };
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(out),
                      mix_pair(_mm256_maddubs_epi16(a.left, blue_red), _mm256_maddubs_epi16(a.right, blue_red),
                               weights[0]));
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + kPair),
                      mix_pair(_mm256_maddubs_epi16(b.left, blue_red), _mm256_maddubs_epi16(b.right, blue_red),
                               weights[1]));
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 2 * kPair),
                      mix_pair(green(a.left, b.left), green(a.right, b.right), weights[2]));
}

// The weights of a pair of groups: the first's, the second's, and the
// green register's (the first's in the low halves, the second's in the high).
__attribute__((target("avx2"))) inline void pair_weights(const across_table& t, int g, __m256i weights[3]) {
  for (int k = 0; k < 2; k++)
    weights[k] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&t.weights[static_cast<size_t>(g + k) * kGroup]));
  weights[2] = _mm256_blend_epi16(weights[0], weights[1], 0xAA);
}

// The mixing across, sixteen shown pixels a step, of one source row or of
// two at once (`line2` not null), which then share the table's loads.
__attribute__((target("avx2"))) void mix_across_wide(const uint32_t* line, const uint32_t* line2,
                                                     const across_table& t, int first, int last, int16_t* out,
                                                     int16_t* out2) {
  const bool two_loads = t.span > kGroup;
  auto lanes = [&](int g, int which) __attribute__((target("avx2"))) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&t.lanes[static_cast<size_t>(g * 2 + which) * kGroup]));
  };
  for (int g = first; g <= last; g += 2, out += kPairValues, out2 += kPairValues) {
    const int base_a = t.base[static_cast<size_t>(g)], base_b = t.base[static_cast<size_t>(g) + 1];
    const __m256i left_a = lanes(g, 0), right_a = lanes(g, 1), left_b = lanes(g + 1, 0), right_b = lanes(g + 1, 1);
    __m256i weights[3];
    pair_weights(t, g, weights);
    mix_pair_of_groups(pick(line + base_a, left_a, right_a, two_loads), pick(line + base_b, left_b, right_b, two_loads),
                       weights, out);
    if (line2 != nullptr)
      mix_pair_of_groups(pick(line2 + base_a, left_a, right_a, two_loads),
                         pick(line2 + base_b, left_b, right_b, two_loads), weights, out2);
  }
}

// The same where a group reads up to sixteen source pixels, with the
// processor's two-register permute.
__attribute__((target("avx2,avx512f,avx512vl"))) void mix_across_far(const uint32_t* line, const uint32_t* line2,
                                                                     const across_table& t, int first, int last,
                                                                     int16_t* out, int16_t* out2) {
  auto pick_far = [](const uint32_t* from, __m256i left_at, __m256i right_at)
                      __attribute__((target("avx2,avx512f,avx512vl"))) {
    const __m256i near = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
    const __m256i far = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + kGroup));
    return neighbours{_mm256_permutex2var_epi32(near, left_at, far), _mm256_permutex2var_epi32(near, right_at, far)};
  };
  auto lanes = [&](int g, int which) __attribute__((target("avx2"))) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&t.lanes[static_cast<size_t>(g * 2 + which) * kGroup]));
  };
  for (int g = first; g <= last; g += 2, out += kPairValues, out2 += kPairValues) {
    const int base_a = t.base[static_cast<size_t>(g)], base_b = t.base[static_cast<size_t>(g) + 1];
    const __m256i left_a = lanes(g, 0), right_a = lanes(g, 1), left_b = lanes(g + 1, 0), right_b = lanes(g + 1, 1);
    __m256i weights[3];
    pair_weights(t, g, weights);
    mix_pair_of_groups(pick_far(line + base_a, left_a, right_a), pick_far(line + base_b, left_b, right_b), weights,
                       out);
    if (line2 != nullptr)
      mix_pair_of_groups(pick_far(line2 + base_a, left_a, right_a), pick_far(line2 + base_b, left_b, right_b), weights,
                         out2);
  }
}

// Mixes down `pairs` whole pairs of groups into out, sixteen pixels a
// step. Where out is aligned the pixels are streamed past the caches: the
// screen (another process) reads them, not we, and a store that first
// fetches a line the display server last held costs more than all the
// mixing.
__attribute__((target("avx2"))) void mix_down_wide(const int16_t* upper, const int16_t* lower, int weight,
                                                   int pairs, uint32_t* out, bool stream) {
  const __m256i w = _mm256_set1_epi16(static_cast<short>(weight));
  // The rounding high multiply by kOne >> kShift: a mixed value back to its channel, rounded.
  const __m256i to_channel = _mm256_set1_epi16(kOne >> kShift), second_byte = _mm256_set1_epi32(0xFF00);
  auto mix = [](const int16_t* a_at, const int16_t* b_at, __m256i w) __attribute__((target("avx2"))) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a_at));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b_at));
    return _mm256_add_epi16(a, _mm256_mulhrs_epi16(_mm256_sub_epi16(b, a), w));
  };
  auto put = [stream](uint32_t* at, __m256i pixels) __attribute__((target("avx2"))) {
    if (stream)
      _mm256_stream_si256(reinterpret_cast<__m256i*>(at), pixels);
    else
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(at), pixels);
  };
  for (int p = 0; p < pairs; p++, upper += kPairValues, lower += kPairValues, out += kPair) {
    const __m256i blue_red_a = _mm256_mulhrs_epi16(mix(upper, lower, w), to_channel);
    const __m256i blue_red_b = _mm256_mulhrs_epi16(mix(upper + kPair, lower + kPair, w), to_channel);
    // Both groups' green channels, each in the high byte of its half.
    const __m256i green = _mm256_slli_epi16(_mm256_mulhrs_epi16(mix(upper + 2 * kPair, lower + 2 * kPair, w), to_channel), 8);
    put(out, _mm256_or_si256(blue_red_a, _mm256_and_si256(green, second_byte)));
    put(out + kGroup, _mm256_or_si256(blue_red_b, _mm256_srli_epi32(green, 16)));
  }
}
#endif

int g_wide_allowed = 512;

bool wide() {
#if defined(VQSDL_AVX2)
  return g_avx2 && g_wide_allowed >= 256;
#else
  return false;
#endif
}

// Mixes source row `line` across into `out`, and `line2` (unless null)
// into `out2`.
void mix_across(const uint32_t* line, const uint32_t* line2, const across_table& t, int first, int last,
                int16_t* out, int16_t* out2) {
#if defined(VQSDL_AVX2)
  // Wide loads need a row of two groups' width; a group must not read more
  // source pixels than two registers hold (shrinking to less than half).
  if (wide() && t.src >= 2 * kGroup && t.span <= 2 * kGroup)
    return t.span > kGroup && g_avx512 && g_wide_allowed >= 512 ? mix_across_far(line, line2, t, first, last, out, out2)
                                       : mix_across_wide(line, line2, t, first, last, out, out2);
#endif
  mix_across_plain(line, t, first, last, out);
  if (line2 != nullptr) mix_across_plain(line2, t, first, last, out2);
}

// Shown columns from..to (counted from the first kept group's first
// column) of the rows mixed across, mixed down into out; true when pixels
// were streamed.
bool mix_down(const int16_t* upper, const int16_t* lower, int weight, int from, int to, uint32_t* out) {
#if defined(VQSDL_AVX2)
  if (wide()) {
    // Sixteen pixels at a time; a pair of groups that the ends cut is
    // mixed whole aside and the part inside copied.
    const int first = (from + kPair - 1) / kPair, last = to / kPair;
    uint32_t aside[kPair];
    auto end_pair = [&](int pair, int from_column, int to_column) {
      if (from_column >= to_column) return;
      mix_down_wide(upper + kPairValues * pair, lower + kPairValues * pair, weight, 1, aside, false);
      std::memcpy(out + (from_column - from), aside + (from_column - pair * kPair),
                  static_cast<size_t>(to_column - from_column) * 4);
    };
    if (last < first) {   // all of it inside one pair
      end_pair(from / kPair, from, to);
      return false;
    }
    uint32_t* middle = out + (first * kPair - from);
    // Streaming pays for whole lines of memory only.
    const bool stream = (reinterpret_cast<uintptr_t>(middle) & 63) == 0 && last - first >= 4;
    end_pair(from / kPair, from, first * kPair);
    mix_down_wide(upper + kPairValues * first, lower + kPairValues * first, weight, last - first, middle, stream);
    end_pair(last, last * kPair, to);
    return stream;
  }
#endif
  mix_down_plain(upper, lower, weight, from, to, out);
  return false;
}

// Whole factors both ways: each shown row repeats one source row's pixels,
// picked once into a kept row and copied from there.
void stretch_sharp(vqsdl_rows& rows, const across_table& t, int left, int top, int pw, int ph, int fy,
                   uint32_t* frame, int frame_stride) {
  static std::vector<uint32_t> kept;
  kept.resize(static_cast<size_t>(pw));
  int kept_index = -1;
  for (int row = 0; row < ph; row++) {
    const int index = (top + row) / fy;
    if (index != kept_index) {
      const uint32_t* line = rows.line(index);
      const sample* at = &t.at[static_cast<size_t>(left + t.phase)];
      for (int c = 0; c < pw; c++) kept[static_cast<size_t>(c)] = line[at[c].index];
      kept_index = index;
    }
    std::memcpy(frame + static_cast<size_t>(row) * frame_stride, kept.data(), static_cast<size_t>(pw) * 4);
  }
}

void stretch(vqsdl_rows& rows, int w, int h, const vqsdl_rect& shown, const vqsdl_rect& part, uint32_t* frame,
             int frame_stride) {
  if (part.w <= 0 || part.h <= 0 || w <= 0 || h <= 0) return;
  const int left = part.x - shown.x, top = part.y - shown.y;
  if (shown.w == w && shown.h == h) {
    for (int row = 0; row < part.h; row++)
      std::memcpy(frame + static_cast<size_t>(row) * frame_stride, rows.line(top + row) + left,
                  static_cast<size_t>(part.w) * 4);
    return;
  }
  if (whole_factor(w, shown.w) && whole_factor(h, shown.h)) {
    stretch_sharp(rows, across_for(w, shown.w, 0), left, top, part.w, part.h, shown.h / h, frame, frame_stride);
    return;
  }
  // Pairs of groups that start on 64-byte boundaries of the frame, so that
  // their pixels fill whole cache lines and can be streamed: a line that
  // is partly streamed and partly stored the plain way (the ends of a row)
  // costs far more than either.
  const int phase = static_cast<int>((reinterpret_cast<uintptr_t>(frame) / 4 - static_cast<unsigned>(left)) % kPair);
  const across_table& t = across_for(w, shown.w, phase);
  // Whole pairs of groups.
  const int first = (left + phase) / kGroup & ~1, last = (left + phase + part.w - 1) / kGroup | 1;
  const size_t row_values = static_cast<size_t>(last - first + 1) / 2 * kPairValues;
  // Source rows are mixed across in pairs (2p, 2p + 1), which share the
  // table's loads, and kept in four slots by their index: the two rows a
  // shown row mixes never push each other out.
  static std::vector<int16_t> kept[4];
  int kept_index[4] = {-1, -1, -1, -1};
  for (std::vector<int16_t>& row : kept) row.resize(row_values);
  auto across_row = [&](int index) -> const int16_t* {
    const int k = index & 3;
    if (kept_index[k] != index) {
      const int even = index & ~1, odd = even + 1;
      const bool both = odd < h;
      const uint32_t* upper = rows.line(even);
      mix_across(upper, both ? rows.line(odd) : nullptr, t, first, last, kept[even & 3].data(),
                 kept[odd & 3].data());
      kept_index[even & 3] = even;
      if (both) kept_index[odd & 3] = odd;
    }
    return kept[k].data();
  };
  const int from = left + phase - first * kGroup;
  bool streamed = false;
  for (int row = 0; row < part.h; row++) {
    const sample s = sample_at(h, shown.h, top + row);
    const int16_t* upper = across_row(s.index);
    const int16_t* lower = s.weight == 0 ? upper : across_row(s.index + 1);
    streamed |= mix_down(upper, lower, s.weight, from, from + part.w, frame + static_cast<size_t>(row) * frame_stride);
  }
#if defined(VQSDL_AVX2)
  if (streamed) _mm_sfence();   // all of it out before SDL hands the picture over
#endif
}

}  // namespace

void vqsdl_stretch_allow_wide(int bits) { g_wide_allowed = bits; }

void vqsdl_stretch(const uint32_t* src, int w, int h, const vqsdl_rect& shown, const vqsdl_rect& part,
                   uint32_t* frame, int frame_stride) {
  vqsdl_rows rows(const_cast<uint32_t*>(src), w, nullptr);   // without fresh rows nothing is written to it
  stretch(rows, w, h, shown, part, frame, frame_stride);
}

void vqsdl_stretch_fresh(uint32_t* back, int w, int h, const vqsdl_fresh& fresh, const vqsdl_rect& shown,
                         const vqsdl_rect& part, uint32_t* frame, int frame_stride) {
  vqsdl_rows rows(back, w, &fresh);
  stretch(rows, w, h, shown, part, frame, frame_stride);
  rows.finish();
}
