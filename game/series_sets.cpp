// Series taken from number sets (primes, composites, squares) and from
// digit and symmetry rules.
#include "series_generators.h"
#include "series_support.h"

void primes(int32_t m, int32_t f) {
  const int32_t j = draw_mod(m);
  int32_t* x = current_row();
  for (int k = 1; k <= series_positions; ++k) x[k] = wmul(f, prime_at(wadd(j, k)));
  game_series_kind = 22;
}

void primes_down(int32_t m, int32_t f) {
  const int32_t j = draw_mod(m);
  int32_t* x = current_row();
  for (int k = 1; k <= series_positions; ++k) x[k] = wmul(f, prime_at(wadd(j, 10 - k)));
  game_series_kind = 23;
}

void squares(int32_t m, int32_t o) {
  const int32_t c = wsub(draw_mod(m), o);
  int32_t* x = current_row();
  for (int k = 1; k <= series_positions; ++k) x[k] = wadd(k * k, c);
  game_series_kind = 24;
}

void squares_minus(int32_t m, int32_t o) {
  const int32_t c = wsub(draw_mod(m), o);
  int32_t* x = current_row();
  for (int k = 1; k <= series_positions; ++k) x[k] = k % 2 == 1 ? wadd(k * k, c) : wsub(c, k);
  game_series_kind = 25;
}

void squares_pm(int32_t m, int32_t o) {
  int32_t c = wsub(draw_mod(m), o);
  if (c == 0) c = 1;
  int32_t* x = current_row();
  for (int k = 1; k <= series_positions; ++k) x[k] = k % 2 == 1 ? wadd(k * k, c) : wsub(k * k, c);
  game_series_kind = 26;
}

void second_order(int32_t m, int32_t o) {
  int32_t* x = current_row();
  x[1] = wsub(draw_mod(m), o);
  for (int k = 2; k <= series_positions; ++k) x[k] = wadd(x[k - 1], (k - 1) * k);
  game_series_kind = 27;
}

void composites(int32_t m, int32_t o) {
  const int32_t j = wsub(draw_mod(m), o);
  int32_t* x = current_row();
  for (int k = 1; k <= series_positions; ++k) x[k] = composite_at(wadd(j, k));
  game_series_kind = 28;
}

void pronic(int32_t m, int32_t o) {
  const int32_t c = wsub(draw_mod(m), o);
  int32_t* x = current_row();
  for (int k = 1; k <= series_positions; ++k) x[k] = wadd(k * k - k, c);
  game_series_kind = 33;
}

// Each value adds its own digit sum (tens and units) to give the next.
void digit_sum(int32_t m, int32_t g) {
  const int32_t s = draw_mod(m);
  const int32_t e = wadd(draw_mod(g), 1);
  int32_t* x = current_row();
  x[1] = wadd(wmul(10, e), s);
  x[2] = wadd(wadd(x[1], e), s);
  for (int k = 2; k < series_positions; ++k) x[k + 1] = wadd(wadd(x[k], x[k] / 10), x[k] % 10);
  game_series_kind = 29;
}

// The middle position is not written: it keeps what an earlier task left
// there, and the hidden position never falls on it.
void palindrome() {
  int32_t* x = current_row();
  for (int k = 1; k <= 4; ++k) {
    const int32_t v = draw_mod(10);
    x[k] = v;
    x[10 - k] = v;
  }
  game_series_kind = 14;
}

void zero_sum() {
  int32_t* x = current_row();
  int32_t sum = 0;
  for (int k = 1; k <= 8; ++k) {
    x[k] = draw_mod(3) - 1;
    sum = wadd(sum, x[k]);
  }
  x[9] = wneg(sum);
  game_series_kind = 35;
}
