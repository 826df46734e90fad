// Series whose odd and even positions follow two different rules; most keep
// their base in position 0, where it stays for later tasks of the same index.
#include "series_generators.h"
#include "series_support.h"

namespace {
int32_t nonzero(int32_t v, int32_t instead) { return v == 0 ? instead : v; }
}  // namespace

void odd_doubling(int32_t m, int32_t o, int32_t r) {
  const int32_t s = draw_mod(r);
  const int32_t d = nonzero(wsub(draw_mod(m), o), 1);
  int32_t* x = current_row();
  x[0] = s;
  for (int j = 1; j <= 4; ++j) x[2 * j] = wadd(s, j);
  for (int j = 0; j <= 4; ++j) x[2 * j + 1] = wadd(s, wmul(1 << j, d));
  game_series_kind = 9;
}

void fan(int32_t m, int32_t o, int32_t r, int32_t g) {
  const int32_t s = draw_mod(r) + 20;
  const int32_t d = nonzero(wsub(draw_mod(m), o), 1);
  const int32_t e = wadd(draw_mod(g), 1);
  int32_t* x = current_row();
  x[0] = s;
  const int32_t base = wadd(s, d);
  for (int j = 0; j <= 4; ++j) x[2 * j + 1] = wadd(base, wmul(j, e));
  for (int j = 1; j <= 4; ++j) x[2 * j] = wadd(base, wmul(6 - j, e));
  game_series_kind = 10;
}

void odd_climb(int32_t m, int32_t o, int32_t r, int32_t g) {
  const int32_t s = draw_mod(r) + 20;
  const int32_t d = wadd(draw_mod(g), 1);
  const int32_t e = nonzero(wsub(draw_mod(m), o), 1);
  int32_t* x = current_row();
  x[0] = s;
  for (int j = 1; j <= 4; ++j) x[2 * j] = s;
  for (int j = 0; j <= 4; ++j) x[2 * j + 1] = wadd(wadd(s, d), wmul(j, e));
  game_series_kind = 11;
}

void even_climb(int32_t m, int32_t o, int32_t r) {
  const int32_t s = draw_mod(r) + 20;
  const int32_t d = nonzero(wsub(draw_mod(m), o), -2);
  const int32_t e = nonzero(wsub(draw_mod(m), o), 2);
  int32_t* x = current_row();
  x[0] = s;
  for (int j = 0; j <= 4; ++j) x[2 * j + 1] = s;
  x[2] = wadd(s, d);
  for (int j = 2; j <= 4; ++j) x[2 * j] = wadd(x[2 * j - 2], wadd(d, wmul(j - 1, e)));
  game_series_kind = 12;
}

void double_pair(int32_t m, int32_t o, int32_t r, int32_t g) {
  const int32_t s = draw_mod(r) + 20;
  const int32_t d = wsub(draw_mod(m), o);
  const int32_t e = wsub(o, draw_mod(g));
  int32_t* x = current_row();
  x[0] = s;
  for (int j = 0; j <= 4; ++j) x[2 * j + 1] = wadd(s, wmul(1 << j, d));
  for (int j = 1; j <= 4; ++j) x[2 * j] = wadd(s, wmul(1 << (j - 1), e));
  game_series_kind = 13;
}

// The odd positions run from the left end, the even ones from the right.
void two_ends(int32_t m1, int32_t o1, int32_t m2, int32_t o2, int32_t m3, int32_t o3, int32_t m4,
              int32_t o4) {
  const int32_t d1 = nonzero(wsub(draw_mod(m1), o1), -1);
  const int32_t d2 = nonzero(wsub(draw_mod(m2), o2), 1);
  const int32_t a = wsub(draw_mod(m3), o3);
  const int32_t b = wsub(draw_mod(m4), o4);
  int32_t* x = current_row();
  for (int j = 0; j <= 4; ++j) x[2 * j + 1] = wadd(a, wmul(j, d1));
  for (int j = 0; j <= 4; ++j) x[8 - 2 * j] = wadd(b, wmul(j, d2));
  game_series_kind = 20;
}
