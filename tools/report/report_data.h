// The figures of the teachers' report, gathered from the rows of every log
// read: one entry per learner with the quizzes over time, the share right
// by level and difficulty and by task type, and the types to practise next.
#pragma once

#include "log_reader.h"

#include <cstdint>
#include <string>
#include <vector>

struct share_count {
  int64_t tasks = 0, right = 0;
  double share() const { return tasks > 0 ? static_cast<double>(right) / static_cast<double>(tasks) : 0.0; }
};

struct quiz_point {
  log_time ended;
  double share;   // right answers of the quiz's N tasks, as the game counts them
};

struct type_figures {
  int32_t code = 0;
  int64_t tasks = 0, right = 0, wrong = 0, skipped = 0;
  std::string example;   // the series of the latest task of this type
  int64_t example_at = 0;
  double share() const { return tasks > 0 ? static_cast<double>(right) / static_cast<double>(tasks) : 0.0; }
};

// One (level, difficulty) and the types to leave switched on there.
struct editor_setting {
  int32_t level, difficulty, type_count;
  std::vector<int32_t> types;
};

struct learner_figures {
  std::string name;                 // "(ohne Namen)" for logs without one
  int64_t quizzes = 0, refused = 0, stopped = 0;
  share_count overall;              // over the quizzes' N tasks
  int64_t seconds_used = 0, time_budget = 0;
  std::vector<quiz_point> timeline; // in time order, refused quizzes left out
  share_count by_level[13][4];      // [level][difficulty]
  int64_t quizzes_by_level[13][4] = {};
  std::vector<type_figures> types;  // by task code, from the tasks log
  std::vector<int32_t> practise;    // up to five codes, weakest first
  std::vector<editor_setting> settings;
};

struct report_figures {
  std::vector<learner_figures> learners;   // by name
  int64_t files_read = 0, quiz_rows = 0, task_rows = 0, duplicates = 0;
  std::vector<std::string> problems;
};

// Gathers the figures from the readings; a quiz or task that appears twice
// (the same file collected twice) counts once.
report_figures gather_figures(const std::vector<log_reading>& readings);

// "steigend", "fallend", "gleich" or "" (fewer than two quizzes), from the
// last five quizzes of the timeline.
const char* trend_word(const std::vector<quiz_point>& timeline);
