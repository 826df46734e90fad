// Series that go back and forth.
#include "series_generators.h"
#include "series_support.h"

namespace {

// Runs of L steps up and L steps down; a falling first run starts high
// enough to stay above the start's range.
void zigzag_from(int32_t m, int32_t o, int32_t r, int32_t b, int32_t low) {
  int32_t d = wsub(draw_mod(m), o);
  int32_t run = draw_mod(b) + 1;
  if (run == 1) run = 2;
  if (d == 0) d = 1;
  int32_t s = wsub(draw_mod(r), low);
  if (d < 0) s = wsub(s, wmul(9, d));
  int32_t* x = current_row();
  x[1] = s;
  for (int k = 2; k <= series_positions; ++k) {
    const bool up = ((k - 2) / run) % 2 == 0;
    x[k] = up ? wadd(x[k - 1], d) : wsub(x[k - 1], d);
  }
  game_series_kind = 2;
}

}  // namespace

void zigzag(int32_t m, int32_t o, int32_t r, int32_t b) { zigzag_from(m, o, r, b, 0); }
void zigzag_low(int32_t m, int32_t o, int32_t r, int32_t b) { zigzag_from(m, o, r, b, 30); }

void flip(int32_t m, int32_t o, int32_t r) {
  const int32_t s = draw_mod(r) + 1;
  const int32_t d = wsub(draw_mod(m), o);
  int32_t* x = current_row();
  x[0] = s;
  for (int k = 1; k <= series_positions; ++k) x[k] = k % 2 == 1 ? wadd(s, d) : wsub(s, d);
  game_series_kind = 7;
}

// The step changes sign and grows by one in size after every position.
void swing(int32_t m, int32_t o, int32_t r, int32_t c) {
  const int32_t s = wsub(draw_mod(r), c);
  int32_t d = wsub(draw_mod(m), o);
  if (d == 0) d = -1;
  int32_t* x = current_row();
  x[0] = s;
  for (int k = 1; k <= series_positions; ++k) {
    x[k] = wadd(x[k - 1], d);
    d = d >= 0 ? wsub(wneg(d), 1) : wsub(1, d);
  }
  game_series_kind = 8;
}

void growing_swing(int32_t m, int32_t o) {
  int32_t* x = current_row();
  x[1] = wsub(draw_mod(m), o);
  for (int k = 2; k <= series_positions; ++k)
    x[k] = k % 2 == 0 ? wadd(x[k - 1], k - 1) : wsub(x[k - 1], k - 1);
  game_series_kind = 21;
}

void square_swing() {
  int32_t s = draw_mod(21) - 10;
  if (s == 0) s = 2;
  int32_t* x = current_row();
  x[1] = s;
  for (int k = 2; k <= series_positions; ++k) {
    const int32_t step = (k - 3) * (k - 3);
    x[k] = k % 2 == 0 ? wadd(x[k - 1], step) : wsub(x[k - 1], step);
  }
  game_series_kind = 34;
}
