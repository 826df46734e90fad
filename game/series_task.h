// Building the series of one task and the steps of a task that draw.
#pragma once

#include <cstdint>

// Calls the catalogue rule of the code on the row of game_task_index (a
// code without entry leaves the row as it was), hides one position, records
// the solution and prints the series into "term".
void generate_series_task(int32_t code);

// The draws of one task, in the order the quiz makes them: type count and
// type draw (skipped when fixed_code is not 0), task code, series, spread
// offset, answer choices. The quiz's timing and font steps draw nothing and
// are left to the caller. Uses game_level and game_difficulty; false (and a
// message in "term") when no task type can be drawn.
struct task_outcome {
  int32_t code;
  int32_t series[10];    // positions 1 to 9
  int32_t hidden;
  int32_t solution;
  int32_t choices[7];    // positions 1 to 6
};
bool prepare_task(int32_t t, int32_t fixed_code, task_outcome* out);

// What a quiz does before its first task besides seeding: the series length.
void begin_quiz_series();
