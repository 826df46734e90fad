// The results log for teachers: one line per quiz in a CSV file of the
// user's data folder. Writing it changes nothing that the game shows; a
// file that cannot be written costs one line in "term".
#pragma once

#include <cstdint>
#include <string>

struct game_result {
  int64_t calendar_seconds;   // when the quiz ended
  int32_t level, difficulty, task_total;
  int32_t right, wrong;       // answers judged; the rest of N was not answered
  int32_t seconds_used, time_budget;
  const char* status;         // "finished" or "stopped"
};

// $XDG_DATA_HOME/quorila/results.csv, else ~/.local/share/quorila/results.csv.
std::string game_results_path();

// Appends the line (and the header line first when the file is new),
// making the folders on the way; false when it cannot, after saying so in
// "term".
bool game_results_append(const std::string& path, const game_result& result);

// Logs the quiz that has just ended with the game's own counts.
void game_log_result(const char* status);
