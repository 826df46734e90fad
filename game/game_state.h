// The game's process-wide state: the player's selection, the per-level
// tables, the quiz counters, the series rows and the answer choices. Indices
// count from 1 (levels, difficulties, slots, tasks, positions); index 0 of
// every table is unused except position 0 of a series row, which some series
// rules use as their base.
#pragma once

#include <cstdint>

constexpr int max_level = 12;
constexpr int max_difficulty = 3;
constexpr int task_slots = 30;
constexpr int max_tasks = 24;
constexpr int series_positions = 9;

// Selection, read from the up-down controls.
extern int32_t game_level;
extern int32_t game_difficulty;
extern int32_t game_task_total;

// Tables by level and difficulty (and slot).
extern int32_t type_count_table[max_level + 1][max_difficulty + 1];
extern int32_t task_table[max_level + 1][max_difficulty + 1][task_slots + 1];
extern int32_t task_time_table[max_level + 1][max_difficulty + 1];

// Quiz state.
extern int32_t game_type_count;
extern int32_t game_task_index;
extern int32_t game_task_type;
extern int32_t game_task_code;
extern int32_t game_right_count;
extern int32_t game_wrong_count;
extern int32_t game_elapsed_seconds;
extern int32_t game_time_budget;
extern double game_success_ratio;
extern int32_t game_spread_offset;
// The number of the box the player chose last (judged against the solution).
extern int32_t game_answer;
extern int32_t game_background_number;

// Series and answer choices, one row per task index.
extern int32_t game_series_length;
extern int32_t game_series_kind;
extern int32_t game_hidden_position;
extern int32_t series_row[max_tasks + 1][series_positions + 1];
extern int32_t game_choice_count;
extern int32_t solution[max_tasks + 1];
extern int32_t choice_list[max_tasks + 1][10];

void init_task_tables();
void init_time_table();
// Reads level and difficulty from "udStufe" and "udSchwierigkeit" (kept in
// range, since the tables are indexed by them), stores their type count and
// fills the type count table again.
void read_selection();
// Also reads the task total from "udAnzahlAufgaben" (what START and the
// editor button read).
void read_quiz_selection();

// Clears every series row and choice list, as at program start.
void clear_series_rows();

int32_t task_code(int32_t level, int32_t difficulty, int32_t type);
int32_t time_budget(int32_t level, int32_t difficulty, int32_t task_total);
double success_ratio(int32_t right_count, int32_t task_total);

// True when some slot of the level and difficulty offers a usable type.
bool task_selection_usable(int32_t level, int32_t difficulty);
// Draws the task type of the next task for game_level and game_difficulty
// (game_type_count must be fetched first). When every slot was switched off
// in the editor, no draw could ever succeed: the quiz is refused instead,
// with a message in "term", and 0 is returned without drawing.
int32_t draw_task_type();
