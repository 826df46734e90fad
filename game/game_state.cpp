#include "game_state.h"

#include "game_io.h"
#include "vqrandom.h"

#include <cstring>

int32_t game_level = 1;
int32_t game_difficulty = 1;
int32_t game_task_total = 12;

int32_t type_count_table[max_level + 1][max_difficulty + 1];
int32_t task_table[max_level + 1][max_difficulty + 1][task_slots + 1];
int32_t task_time_table[max_level + 1][max_difficulty + 1];

int32_t game_type_count = 0;
int32_t game_task_index = 1;
int32_t game_task_type = 0;
int32_t game_task_code = 0;
int32_t game_right_count = 0;
int32_t game_wrong_count = 0;
int32_t game_elapsed_seconds = 0;
int32_t game_time_budget = 0;
double game_success_ratio = 0;
int32_t game_spread_offset = 0;
int32_t game_answer = 0;
int32_t game_background_number = 0;

int32_t game_series_length = series_positions;
int32_t game_series_kind = 0;
int32_t game_hidden_position = 1;
int32_t series_row[max_tasks + 1][series_positions + 1];
int32_t game_choice_count = 6;
int32_t solution[max_tasks + 1];
int32_t choice_list[max_tasks + 1][10];

namespace {

// Rows are levels 1 to 12, columns difficulties 1 to 3.
constexpr int32_t type_counts[max_level][max_difficulty] = {
    {3, 4, 7},    {3, 4, 8},    {10, 10, 15}, {15, 15, 15}, {15, 15, 15}, {15, 15, 15},
    {15, 15, 15}, {15, 15, 15}, {15, 15, 16}, {15, 15, 16}, {15, 15, 16}, {15, 15, 16}};

constexpr int32_t task_seconds[max_level][max_difficulty] = {
    {10, 10, 10}, {15, 10, 15}, {15, 15, 25}, {10, 10, 15}, {10, 15, 15}, {10, 10, 15},
    {10, 25, 30}, {10, 15, 10}, {10, 10, 10}, {10, 10, 10}, {3, 10, 20},  {20, 40, 60}};

void fill_type_counts() {
  for (int l = 1; l <= max_level; ++l)
    for (int d = 1; d <= max_difficulty; ++d) type_count_table[l][d] = type_counts[l - 1][d - 1];
}

int32_t clamp(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

}  // namespace

void init_task_tables() {
  fill_type_counts();
  for (int l = 1; l <= max_level; ++l)
    for (int d = 1; d <= max_difficulty; ++d)
      for (int i = 0; i <= task_slots; ++i)
        task_table[l][d][i] = (i >= 1 && i <= type_count_table[l][d]) ? i : 0;
}

void init_time_table() {
  for (int l = 1; l <= max_level; ++l)
    for (int d = 1; d <= max_difficulty; ++d) task_time_table[l][d] = task_seconds[l - 1][d - 1];
}

void read_selection() {
  game_level = clamp(game_control_value("udStufe"), 1, max_level);
  game_difficulty = clamp(game_control_value("udSchwierigkeit"), 1, max_difficulty);
  fill_type_counts();
  game_type_count = type_count_table[game_level][game_difficulty];
}

void read_quiz_selection() {
  read_selection();
  game_task_total = clamp(game_control_value("udAnzahlAufgaben"), 1, max_tasks);
}

void clear_series_rows() {
  std::memset(series_row, 0, sizeof series_row);
  std::memset(solution, 0, sizeof solution);
  std::memset(choice_list, 0, sizeof choice_list);
}

int32_t task_code(int32_t level, int32_t difficulty, int32_t type) {
  return level * 1000 + difficulty * 100 + type;
}

int32_t time_budget(int32_t level, int32_t difficulty, int32_t task_total) {
  return task_time_table[level][difficulty] * task_total;
}

double success_ratio(int32_t right_count, int32_t task_total) {
  return task_total == 0 ? 0.0 : static_cast<double>(right_count) / task_total;
}

namespace {
bool any_usable(const int32_t* slots, int32_t count) {
  for (int i = 1; i <= task_slots; ++i)
    if (slots[i] >= 1 && slots[i] <= count) return true;
  return false;
}
}  // namespace

bool task_selection_usable(int32_t level, int32_t difficulty) {
  return any_usable(task_table[level][difficulty], type_count_table[level][difficulty]);
}

int32_t draw_task_type() {
  const int32_t* slots = task_table[game_level][game_difficulty];
  if (!any_usable(slots, game_type_count)) {
    game_term_print("\n\n\n\n Keine Aufgabe ausgew\xE4hlt: bitte unter Aufgabenauswahl? "
                    "mindestens eine einschalten \n  ");
    return 0;
  }
  for (;;) {
    const int32_t type = slots[vqrandom_draw() % task_slots + 1];
    if (type >= 1 && type <= game_type_count) return type;
  }
}
