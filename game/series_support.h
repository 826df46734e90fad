// What every series rule is built from: the draw R(m), the row of the task in
// progress, and 32-bit arithmetic that wraps like the machine's instead of
// being undefined (large starts and ratios may leave the i32 range).
#pragma once

#include "game_state.h"
#include "vqrandom.h"

#include <cstdint>

// A draw reduced modulo m, 0 to m - 1; a modulus below 1 gives 0 (and still draws).
inline int32_t draw_mod(int32_t m) {
  const int32_t r = vqrandom_draw();
  return m >= 1 ? r % m : 0;
}

inline int32_t wadd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t wsub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t wmul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
inline int32_t wneg(int32_t a) { return wsub(0, a); }

// Positions 0 to 9 of the series row of the task in progress.
inline int32_t* current_row() {
  const int32_t t = game_task_index >= 1 && game_task_index <= max_tasks ? game_task_index : 1;
  return series_row[t];
}

// Entries 1 to 55 (2 to 257) and 1 to 35 (4 to 51); 0 and one diagnostic
// line outside the tables.
int32_t prime_at(int32_t index);
int32_t composite_at(int32_t index);
