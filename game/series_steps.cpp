// Series that walk in steps from a start.
#include "series_generators.h"
#include "series_support.h"

namespace {

int32_t nonzero(int32_t v, int32_t instead) { return v == 0 ? instead : v; }

void fill_steps(int32_t* x, int32_t s, int32_t d) {
  x[1] = s;
  for (int k = 2; k <= series_positions; ++k) x[k] = wadd(x[k - 1], d);
}

// A falling series starts high enough to stay above 0.
void arith_with_start(int32_t d, int32_t s) {
  if (d < 0) s = wsub(1, wmul(9, d));
  fill_steps(current_row(), s, d);
  game_series_kind = 1;
}

}  // namespace

void arith(int32_t m, int32_t o, int32_t r) {
  const int32_t d = nonzero(wsub(draw_mod(m), o), 1);
  const int32_t s = draw_mod(r);
  arith_with_start(d, s);
}

void arith_minus(int32_t m, int32_t o, int32_t r) {
  const int32_t d = nonzero(wsub(draw_mod(m), o), 1);
  const int32_t s = wneg(draw_mod(r));
  arith_with_start(d, s);
}

void arith_offset(int32_t m, int32_t o, int32_t r, int32_t c) {
  const int32_t d = nonzero(wsub(draw_mod(m), o), 1);
  const int32_t s = wsub(draw_mod(r), c);
  fill_steps(current_row(), s, d);
  game_series_kind = 15;
}

void two_steps(int32_t m, int32_t o, int32_t r) {
  int32_t d1 = nonzero(wsub(draw_mod(m), o), -1);
  int32_t d2 = wsub(draw_mod(m), o);
  int32_t s = draw_mod(r);
  if (d2 == 0) d1 = 1;
  if (d2 == d1) d2 = wneg(d1);
  if (d1 == wneg(d2)) d2 = wadd(d2, 1);
  const int32_t sum = wadd(d1, d2);
  if (game_level < 6 && sum < 0) s = wadd(wsub(s, wmul(9, sum)), 1);
  int32_t* x = current_row();
  x[1] = s;
  for (int k = 2; k <= series_positions; ++k) x[k] = wadd(x[k - 1], k % 2 == 0 ? d1 : d2);
  game_series_kind = 3;
}

void three_steps(int32_t m1, int32_t o1, int32_t m2, int32_t o2, int32_t m3, int32_t o3) {
  int32_t d1 = nonzero(wsub(draw_mod(m1), o1), 1);
  int32_t d2 = wsub(draw_mod(m2), o2);
  const int32_t d3 = wsub(draw_mod(m3), o3);
  const int32_t s = draw_mod(21) - 9;
  if (d2 == 0) d1 = -1;
  if (d3 == 0) d1 = 1;
  if (d1 == d2) d2 = wneg(d1);
  const int32_t steps[3] = {d1, d2, d3};
  int32_t* x = current_row();
  x[1] = s;
  for (int k = 2; k <= series_positions; ++k) x[k] = wadd(x[k - 1], steps[(k - 2) % 3]);
  game_series_kind = 17;
}

void growing_step(int32_t m, int32_t o, int32_t r) {
  const int32_t s = draw_mod(r);
  const int32_t d = nonzero(wsub(draw_mod(m), o), 1);
  int32_t* x = current_row();
  x[1] = s;
  for (int k = 2; k <= series_positions; ++k) x[k] = wadd(x[k - 1], wadd(d, k - 2));
  game_series_kind = 4;
}

// Here r is an offset added to the start, not a modulus.
void shrinking_step(int32_t m, int32_t o, int32_t r) {
  const int32_t s = wadd(r, draw_mod(10));
  const int32_t d = nonzero(wsub(draw_mod(m), o), 1);
  int32_t* x = current_row();
  x[1] = s;
  for (int k = 2; k <= series_positions; ++k) x[k] = wsub(x[k - 1], wsub(k - 2, d));
  game_series_kind = 5;
}

// The even positions count up from the start s itself (s + d, s + 2d, ...),
// not from whatever an earlier task left in position 0: that keeps the
// series the same for a given seed in every quiz, and position 0 is left
// as it was for the rules that do use it.
void interleave_const(int32_t m, int32_t o, int32_t r) {
  const int32_t s = draw_mod(r);
  const int32_t d = nonzero(wsub(draw_mod(m), o), 1);
  int32_t* x = current_row();
  x[1] = s;
  int32_t even = s;
  for (int k = 2; k <= series_positions; ++k) {
    if (k % 2 == 0) {
      even = wadd(even, d);
      x[k] = even;
    } else {
      x[k] = s;
    }
  }
  game_series_kind = 6;
}
