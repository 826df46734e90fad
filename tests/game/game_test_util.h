// Helpers shared by the game tests.
#pragma once

#include "game_state.h"
#include "vqrandom.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

// Finds a seed whose next draws, each reduced by its modulus, give the
// wanted values, so that a rule can be checked against hand-worked series.
inline uint32_t seed_for(std::initializer_list<std::pair<int, int>> wanted) {
  for (uint32_t seed = 1; seed < 50000000u; ++seed) {
    vqrandom_seed(seed);
    bool ok = true;
    for (const auto& [m, v] : wanted)
      if (vqrandom_draw() % m != v) {
        ok = false;
        break;
      }
    if (ok) {
      vqrandom_seed(seed);
      return seed;
    }
  }
  ADD_FAILURE() << "no seed gives the wanted draws";
  return 0;
}

inline std::vector<int32_t> row_of(int t) {
  return std::vector<int32_t>(series_row[t] + 1, series_row[t] + 10);
}

// A fresh game as at program start, working on task index 1.
inline void fresh_game(int level = 1, int difficulty = 1) {
  init_task_tables();
  init_time_table();
  clear_series_rows();
  game_level = level;
  game_difficulty = difficulty;
  game_task_index = 1;
  game_series_length = 9;
}
