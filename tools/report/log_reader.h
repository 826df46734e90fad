// Reading the logs for teachers back: results.csv (one line per quiz) and
// tasks.csv (one line per task) of any version the game wrote, recognised
// by their header line whatever their file name. A line that does not make
// sense is skipped with its reason; nothing is ever written to a log.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A time as the log wrote it: the learner's wall clock (for showing it) and
// the moment in UTC (for ordering quizzes from several machines).
struct log_time {
  int64_t wall = 0;   // the wall clock's fields counted as if they were UTC
  int64_t utc = 0;
};

enum class quiz_status : uint8_t { finished, stopped, refused };
enum class task_result : uint8_t { right, wrong, skipped };

struct quiz_row {
  std::string learner;       // empty in logs of the first layout
  log_time ended, started;   // started: from the quiz column, else estimated
  int32_t level, difficulty, tasks, right, wrong, seconds_used, time_budget;
  quiz_status status;
};

struct task_row {
  std::string learner;
  log_time ended, quiz;
  int32_t task, code, level, difficulty, type;
  std::string series;
  int32_t solution;
  bool answered;
  int32_t answer;
  task_result result;
  int32_t seconds;
};

enum class log_kind { results, tasks, none };

// What one file gave: its rows, and its problems as lines of German text,
// the first ten damaged lines one by one, the rest as one count.
struct log_reading {
  log_kind kind = log_kind::none;
  std::vector<quiz_row> quizzes;
  std::vector<task_row> tasks;
  int64_t lines_read = 0, lines_skipped = 0;
  std::vector<std::string> problems;
};

// Reads the text of one file; `name` is how the problems name it.
log_reading read_log(const std::string& name, std::string_view text);

// "2023-11-14T23:13:20+01:00" (the offset may be missing, or "Z"); false for
// anything else or an impossible date.
bool parse_log_time(std::string_view text, log_time* out);
