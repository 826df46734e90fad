// The results log: a teacher reads it with a spreadsheet, so it is plain
// CSV with a header line, one quiz per line, and the time in the local
// zone as ISO 8601.
#include "game_results.h"

#include "game_io.h"
#include "game_state.h"
#include "vqplatform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>

namespace {

const char* const header =
    "date,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status\n";

// Every folder on the way to the file, as mkdir -p would.
bool make_folders_for(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  return true;
}

std::string local_time_text(int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return "";
  char text[48];
  const size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  // ISO 8601 writes the zone offset with a colon (+01:00), which strftime's %z leaves out.
  const long offset = local.tm_gmtoff / 60, minutes = offset < 0 ? -offset : offset;
  std::snprintf(text + n, sizeof text - n, "%c%02ld:%02ld", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
  return text;
}

}  // namespace

std::string game_results_path() {
  const char* data = std::getenv("XDG_DATA_HOME");
  // A relative XDG_DATA_HOME is to be ignored, like an unset one.
  if (data != nullptr && data[0] == '/') return std::string(data) + "/quorila/results.csv";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.local/share/quorila/results.csv";
}

bool game_results_append(const std::string& path, const game_result& r) {
  std::FILE* f = make_folders_for(path) ? std::fopen(path.c_str(), "a") : nullptr;
  bool ok = f != nullptr;
  if (ok) {
    const int32_t skipped = r.task_total - r.right - r.wrong;
    std::fseek(f, 0, SEEK_END);
    if (std::ftell(f) == 0) ok = std::fputs(header, f) >= 0;
    ok = ok && std::fprintf(f, "%s,%d,%d,%d,%d,%d,%d,%d,%d,%s\n", local_time_text(r.calendar_seconds).c_str(),
                            r.level, r.difficulty, r.task_total, r.right, r.wrong, skipped < 0 ? 0 : skipped,
                            r.seconds_used, r.time_budget, r.status) > 0;
    ok = std::fclose(f) == 0 && ok;
  }
  if (!ok) game_term_print(("\n Ergebnis nicht gespeichert: " + path).c_str());
  return ok;
}

void game_log_result(const char* status) {
  const game_result result = {vqplatform_calendar_seconds(), game_level,      game_difficulty,
                              game_task_total,               game_right_count, game_wrong_count,
                              game_elapsed_seconds,          game_time_budget, status};
  game_results_append(game_results_path(), result);
}
