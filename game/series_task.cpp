#include "series_task.h"

#include "answer_choices.h"
#include "game_io.h"
#include "game_state.h"
#include "series_catalogue.h"
#include "series_support.h"

#include <cstdio>

namespace {

void print_series(const int32_t* x) {
  char text[48];
  for (int k = 1; k <= game_series_length; ++k) {
    const bool hidden = k == game_hidden_position;
    if (k == 1) {
      if (hidden) std::snprintf(text, sizeof text, "\n\n\n\n ?? ");
      else std::snprintf(text, sizeof text, "\n\n\n\n %d ", x[k]);
    } else {
      if (hidden) std::snprintf(text, sizeof text, " , ?? ");
      else std::snprintf(text, sizeof text, ", %d ", x[k]);
    }
    game_term_print(text);
  }
}

}  // namespace

void begin_quiz_series() { game_series_length = series_positions; }

void generate_series_task(int32_t code) {
  if (game_series_length < 1 || game_series_length > series_positions) game_series_length = series_positions;
  const catalogue_entry* entry = catalogue_lookup(code);
  if (entry != nullptr) call_series_generator(*entry);
  game_hidden_position = draw_mod(game_series_length) + 1;
  // The palindrome's middle value is not part of its rule, so it is never asked for.
  if (game_series_kind == 14 && game_series_length - game_hidden_position + 1 == game_hidden_position)
    game_hidden_position += 1;
  const int32_t* x = current_row();
  solution[game_task_index] = x[game_hidden_position];
  print_series(x);
}

bool prepare_task(int32_t t, int32_t fixed_code, task_outcome* out) {
  if (t < 1 || t > max_tasks) return false;
  game_task_index = t;
  if (fixed_code != 0) {
    game_task_code = fixed_code;
  } else {
    game_type_count = type_count_table[game_level][game_difficulty];
    game_task_type = draw_task_type();
    if (game_task_type == 0) return false;
    game_task_code = task_code(game_level, game_difficulty, game_task_type);
  }
  generate_series_task(game_task_code);
  game_spread_offset = draw_mod(12) - 6;
  choice_list[t][1] = solution[t];
  build_choices(game_level, game_difficulty);
  if (out != nullptr) {
    out->code = game_task_code;
    for (int k = 0; k <= series_positions; ++k) out->series[k] = series_row[t][k];
    out->hidden = game_hidden_position;
    out->solution = solution[t];
    for (int k = 0; k <= 6; ++k) out->choices[k] = choice_list[t][k];
  }
  return true;
}
