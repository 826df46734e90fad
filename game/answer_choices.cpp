#include "answer_choices.h"

#include "game_state.h"
#include "series_support.h"

#include <utility>

namespace {

int32_t* choices() { return choice_list[game_task_index >= 1 && game_task_index <= max_tasks ? game_task_index : 1]; }
int32_t draw_place() { return draw_mod(6) + 1; }

}  // namespace

// Distractors alternate above and below the solution; above 50 they keep ten
// apart with a little jitter, and no choice is negative.
void spread_near() {
  int32_t* c = choices();
  const int32_t S = solution[game_task_index];
  const int32_t o = game_spread_offset;
  int32_t s = -1;
  for (int k = 2; k <= 6; ++k) {
    s = -s;
    if (S <= 50) {
      c[k] = wadd(wadd(S, o), (k - 1) * s);
      if (c[k] == c[1]) c[k] = wadd(wadd(S, o), k * s);
    } else {
      const int32_t d = draw_mod(4);
      c[k] = wadd(wadd(wadd(S, wmul(10, o)), 10 * (k - 1) * s), d - 2);
      if (c[k] == c[1]) c[k] = wadd(wadd(S, wmul(10, o)), 10 * k * s);
    }
    if (c[k] < 0) c[k] = wneg(c[k]);
  }
}

// Large solutions (in the series' own sign) get twice the spread.
void spread_signed() {
  int32_t* c = choices();
  const int32_t S = solution[game_task_index];
  const int32_t o = game_spread_offset;
  const int32_t* x = series_row[game_task_index];
  bool negative = false;
  for (int k = 1; k <= series_positions; ++k) negative = negative || x[k] < 0;
  int32_t s = 1;
  for (int k = 2; k <= 6; ++k) {
    const bool wide = negative ? S < -50 : S > 50;
    c[k] = wadd(wadd(S, wide ? wmul(2, o) : o), (k - 1) * s);
    s = -s;
  }
}

// Position 1 is never moved, so the solution stays there; equal values that
// survive the five passes are left as they are.
void separate_choices() {
  int32_t* c = choices();
  for (int pass = 0; pass < 5; ++pass)
    for (int i = 1; i <= 6; ++i)
      for (int j = i + 1; j <= 6; ++j)
        if (c[i] == c[j]) c[j] = wadd(c[j], draw_place());
}

void order_choices() {
  int32_t* c = choices();
  if (draw_place() <= 4) {
    for (int i = 1; i <= 6; ++i)
      for (int j = i + 1; j <= 6; ++j)
        if (c[j] < c[i]) std::swap(c[i], c[j]);
  } else {
    int32_t q = draw_place();
    if (q == 1) q = 6;
    std::swap(c[1], c[q]);
  }
}

void shuffle_choices() {
  int32_t* c = choices();
  for (int n = 0; n < 6; ++n) {
    const int32_t a = draw_place();
    const int32_t b = draw_place();
    std::swap(c[a], c[b]);
  }
}

bool choices_are_ordered(int32_t level, int32_t difficulty) {
  if (level <= 3) return difficulty == 1;
  if (level == 4) return difficulty == 3;
  return level == 5;
}

void build_choices(int32_t level, int32_t difficulty) {
  if (level <= 4) spread_near();
  else spread_signed();
  separate_choices();
  if (choices_are_ordered(level, difficulty)) order_choices();
  else shuffle_choices();
}
