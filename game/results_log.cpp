// The logs for teachers: a teacher reads them with a spreadsheet, so they
// are plain CSV with a header line, one quiz or one task per line, and the
// times in the local zone as ISO 8601.
#include "game_results.h"

#include "game_io.h"
#include "game_learner.h"
#include "game_state.h"
#include "log_file.h"
#include "vqplatform.h"

#include <cstdlib>
#include <set>

const char* const results_header =
    "date,learner,quiz,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status";
const char* const tasks_header =
    "date,learner,quiz,task,code,level,difficulty,type,series,solution,answer,result,seconds";

namespace {

int64_t quiz_started = 0;
int32_t right_before = 0, wrong_before = 0;   // the counters when the task began

std::string data_folder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  // A relative XDG_DATA_HOME is to be ignored, like an unset one.
  if (data != nullptr && data[0] == '/') return std::string(data) + "/quorila/";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.local/share/quorila/";
}

// A log that cannot be written is said once, not after every task, until
// it can be written again.
bool append_or_say(const std::string& path, const char* header, const std::string& line) {
  static std::set<std::string> failing;
  const bool ok = log_append(path, header, line);
  if (ok) failing.erase(path);
  else if (failing.insert(path).second) game_term_print(("\n Ergebnis nicht gespeichert: " + path).c_str());
  return ok;
}

// The fields of a line, each after a comma but the first.
struct csv_line {
  std::string text;
  csv_line& operator<<(const std::string& field) {
    if (started) text += ',';
    started = true;
    text += field;
    return *this;
  }
  csv_line& operator<<(int64_t number) { return *this << std::to_string(number); }
  bool started = false;
};

}  // namespace

std::string game_results_path() { return data_folder() + "results.csv"; }
std::string game_tasks_path() { return data_folder() + "tasks.csv"; }

bool game_results_append(const std::string& path, const game_result& r) {
  const int32_t skipped = r.task_total - r.right - r.wrong;
  csv_line line;
  line << local_time_text(r.calendar_seconds) << csv_field(r.learner) << local_time_text(r.quiz_started) << r.level
       << r.difficulty << r.task_total << r.right << r.wrong << (skipped < 0 ? 0 : skipped) << r.seconds_used
       << r.time_budget << r.status;
  return append_or_say(path, results_header, line.text);
}

bool game_tasks_append(const std::string& path, const game_task_record& r) {
  csv_line line;
  line << local_time_text(r.calendar_seconds) << csv_field(r.learner) << local_time_text(r.quiz_started) << r.task
       << r.code << r.level << r.difficulty << r.type << csv_field(r.series) << r.solution
       << (r.answered ? std::to_string(r.answer) : std::string()) << r.result << r.seconds;
  return append_or_say(path, tasks_header, line.text);
}

std::string shown_series(int32_t t) {
  std::string s;
  for (int k = 1; k <= game_series_length && k <= series_positions; ++k) {
    if (k > 1) s += ", ";
    s += k == game_hidden_position ? "??" : std::to_string(series_row[t][k]);
  }
  return s;
}

void game_log_quiz_start() { quiz_started = vqplatform_calendar_seconds(); }

void game_log_task_start() {
  right_before = game_right_count;
  wrong_before = game_wrong_count;
}

void game_log_task(int32_t t, int32_t seconds) {
  // A judgement raises exactly one of the counters.
  const char* result = game_right_count > right_before   ? "right"
                       : game_wrong_count > wrong_before ? "wrong"
                                                         : "skipped";
  const game_task_record record = {vqplatform_calendar_seconds(),
                                   quiz_started,
                                   game_learner(),
                                   t,
                                   game_task_code,
                                   game_level,
                                   game_difficulty,
                                   game_task_type,
                                   shown_series(t),
                                   solution[t],
                                   result[0] != 's',
                                   game_answer,
                                   result,
                                   seconds};
  game_tasks_append(game_tasks_path(), record);
}

void game_log_result(const char* status) {
  const game_result result = {vqplatform_calendar_seconds(), quiz_started,     game_learner(),
                              game_level,                    game_difficulty,  game_task_total,
                              game_right_count,              game_wrong_count, game_elapsed_seconds,
                              game_time_budget,              status};
  game_results_append(game_results_path(), result);
}
