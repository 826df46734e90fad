// The logs for teachers, two CSV files in the user's data folder: one line
// per quiz in results.csv and one line per task in tasks.csv, each carrying
// the learner's name and the quiz's start time, which ties the two
// together. Writing them changes nothing that the game shows; a file that
// cannot be written costs one line in "term".
#pragma once

#include <cstdint>
#include <string>

struct game_result {
  int64_t calendar_seconds;   // when the quiz ended
  int64_t quiz_started;       // when it began
  std::string learner;
  int32_t level, difficulty, task_total;
  int32_t right, wrong;       // answers judged; the rest of N was not answered
  int32_t seconds_used, time_budget;
  const char* status;         // "finished", "stopped" (the window was closed) or "refused" (no type on)
};

struct game_task_record {
  int64_t calendar_seconds;   // when the task ended
  int64_t quiz_started;
  std::string learner;
  int32_t task, code, level, difficulty, type;
  std::string series;         // as shown: "3, 5, ??, 9, ..."
  int32_t solution;
  bool answered;              // false: no answer was judged
  int32_t answer;
  const char* result;         // "right", "wrong" or "skipped"
  int32_t seconds;
};

extern const char* const results_header;
extern const char* const tasks_header;

// $XDG_DATA_HOME/quorila/results.csv, else ~/.local/share/quorila/results.csv;
// tasks.csv beside it.
std::string game_results_path();
std::string game_tasks_path();

// Append the line (and the header line first when the file is new), making
// the folders on the way; a file of another layout is left as it is and
// the line goes to a new file beside it (results-2.csv, ...). False when it
// cannot, after saying so in "term".
bool game_results_append(const std::string& path, const game_result& result);
bool game_tasks_append(const std::string& path, const game_task_record& record);

// The series of task t as the terminal shows it, with "??" for the gap.
std::string shown_series(int32_t t);

// The game's own calls: when a quiz begins; when a task begins and when
// task t ends (after its seconds; the counters tell right, wrong and
// skipped apart); when the quiz ends with its status.
void game_log_quiz_start();
void game_log_task_start();
void game_log_task(int32_t t, int32_t seconds);
void game_log_result(const char* status);
