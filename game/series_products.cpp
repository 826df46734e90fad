// Series built by multiplying or by adding earlier values.
#include "series_generators.h"
#include "series_support.h"

void geometric(int32_t m, int32_t o, int32_t r, int32_t c) {
  int32_t q = wsub(draw_mod(m), o);
  int32_t s = wsub(draw_mod(r), c);
  // Ratios 0 and 1 would give a flat series; -1 is turned around to -2 for the same reason.
  if (q == 0) q = 2;
  if (q == 1) q = 2;
  if (q == -1) q = -2;
  if (s == 0) s = 3;
  int32_t* x = current_row();
  x[1] = s;
  for (int k = 2; k <= series_positions; ++k) x[k] = wmul(x[k - 1], q);
  game_series_kind = 16;
}

void add_multiply(int32_t m1, int32_t o1, int32_t m2, int32_t o2, int32_t m3, int32_t o3) {
  int32_t q = wsub(draw_mod(m1), o1);
  const int32_t d = wsub(draw_mod(m2), o2);
  int32_t s = wsub(draw_mod(m3), o3);
  if (q == 0) q = -2;
  if (q == 1) q = 2;
  if (s == 0) s = 2;
  int32_t* x = current_row();
  x[1] = s;
  for (int k = 2; k <= series_positions; ++k) x[k] = k % 2 == 0 ? wadd(x[k - 1], d) : wmul(x[k - 1], q);
  game_series_kind = 18;
}

void add_mul_index(int32_t m, int32_t o) {
  int32_t* x = current_row();
  x[1] = wsub(wneg(o), draw_mod(m));
  for (int k = 2; k <= series_positions; ++k) x[k] = k % 2 == 0 ? wadd(x[k - 1], k) : wmul(x[k - 1], k - 1);
  game_series_kind = 31;
}

void fibonacci(int32_t m1, int32_t o1, int32_t m2, int32_t o2) {
  int32_t* x = current_row();
  x[1] = wsub(draw_mod(m1), o1);
  if (x[1] == 0) x[1] = 1;
  x[2] = wsub(draw_mod(m2), o2);
  if (x[2] == 0) x[2] = -1;
  for (int k = 3; k <= series_positions; ++k) x[k] = wadd(x[k - 1], x[k - 2]);
  game_series_kind = 19;
}

void tribonacci(int32_t m1, int32_t o1, int32_t m2, int32_t o2, int32_t m3, int32_t o3) {
  int32_t* x = current_row();
  x[1] = wsub(draw_mod(m1), o1);
  if (x[1] == 0) x[1] = 1;
  x[2] = wsub(draw_mod(m2), o2);
  if (x[2] == 0) x[2] = -1;
  x[3] = wsub(draw_mod(m3), o3);
  for (int k = 4; k <= series_positions; ++k) x[k] = wadd(wadd(x[k - 1], x[k - 2]), x[k - 3]);
  game_series_kind = 19;
}

void difference_chain(int32_t m, int32_t o) {
  int32_t a = wsub(draw_mod(m), o);
  int32_t b = wsub(draw_mod(m), o);
  if (a == 0) a = 1;
  if (b == 0) b = -1;
  int32_t* x = current_row();
  x[1] = a;
  x[2] = b;
  for (int k = 3; k <= series_positions; ++k) x[k] = wsub(x[k - 2], x[k - 1]);
  game_series_kind = 32;
}
