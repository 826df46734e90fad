// The results log: one CSV line per quiz in the user's data folder, written
// by whole runs of the game on the headless screen, and a folder that
// cannot be written costing one line in "term" and nothing more.
#include "flow_checks.h"
#include "game_io.h"
#include "game_results.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace {

constexpr int64_t calendar = 1700000000;
const char* const header = "date,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status";

std::string fresh_folder() {
  char name[] = "/tmp/quorila-results-XXXXXX";
  return mkdtemp(name) != nullptr ? name : "";
}

std::vector<std::string> lines_of(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Everything of a line but the date, which the tests check on its own.
std::string without_date(const std::string& line) { return line.substr(line.find(',') + 1); }

TEST(ResultsPath, FollowsXdgDataHomeElseTheHomeFolder) {
  const struct {
    const char* xdg;
    const char* want;
  } cases[] = {
      {"/data/me", "/data/me/quorila/results.csv"},
      {"relative/data", "/home/pupil/.local/share/quorila/results.csv"},   // relative: ignored
      {nullptr, "/home/pupil/.local/share/quorila/results.csv"},
  };
  const char* home = std::getenv("HOME");
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const std::string saved_home = home != nullptr ? home : "", saved_xdg = xdg != nullptr ? xdg : "";
  setenv("HOME", "/home/pupil", 1);
  for (const auto& c : cases) {
    if (c.xdg != nullptr) setenv("XDG_DATA_HOME", c.xdg, 1);
    else unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(game_results_path(), c.want) << (c.xdg ? c.xdg : "(unset)");
  }
  setenv("HOME", saved_home.c_str(), 1);
  if (xdg != nullptr) setenv("XDG_DATA_HOME", saved_xdg.c_str(), 1);
}

TEST(ResultsAppend, MakesTheFoldersWritesTheHeaderOnceAndOneLinePerQuiz) {
  const std::string path = fresh_folder() + "/deep/er/quorila/results.csv";
  const game_result first = {calendar, 2, 3, 10, 7, 2, 41, 150, "finished"};
  const game_result second = {calendar + 60, 12, 1, 24, 0, 1, 5, 72, "stopped"};
  ASSERT_TRUE(game_results_append(path, first));
  ASSERT_TRUE(game_results_append(path, second));
  const std::vector<std::string> lines = lines_of(path);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], header);
  EXPECT_EQ(without_date(lines[1]), "2,3,10,7,2,1,41,150,finished");
  // Not answered: N minus the judged answers.
  EXPECT_EQ(without_date(lines[2]), "12,1,24,0,1,23,5,72,stopped");
  // Local time with its zone, as ISO 8601 writes it.
  const std::regex iso("\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d,.*");
  EXPECT_TRUE(std::regex_match(lines[1], iso)) << lines[1];
  setenv("TZ", "UTC", 1);
  tzset();
  ASSERT_TRUE(game_results_append(path, first));
  EXPECT_EQ(lines_of(path).back().substr(0, 26), "2023-11-14T22:13:20+00:00,");
}

TEST(ResultsAppend, AFileThatCannotBeWrittenCostsOneLineInTerm) {
  // A plain file where the folder should be: no folder can be made below it,
  // whoever runs the test.
  const std::string blocker = fresh_folder() + "/quorila";
  std::ofstream(blocker) << "not a folder\n";
  game_io_term_clear();
  const game_result r = {calendar, 1, 1, 3, 3, 0, 9, 30, "finished"};
  EXPECT_FALSE(game_results_append(blocker + "/results.csv", r));
  EXPECT_EQ(game_io_term_text(), "\n Ergebnis nicht gespeichert: " + blocker + "/results.csv");
}

// ---- whole runs ---------------------------------------------------------------

std::vector<step> quiz_then(std::vector<step> answers, std::vector<step> after) {
  std::vector<step> s = {ready(), select(1, 1, 3), start()};
  s.insert(s.end(), answers.begin(), answers.end());
  s.insert(s.end(), after.begin(), after.end());
  return s;
}

struct run_case {
  const char* name;
  bool writable;
  std::vector<step> script;
  std::vector<std::string> lines;   // without their dates
};

void PrintTo(const run_case& c, std::ostream* os) { *os << c.name; }

// Level 1, difficulty 1 gives 10 s a task; a wrong answer keeps the player
// 3 s (the second of its sound and two with the solution shown), a right
// one less than a second.
const run_case run_cases[] = {
    {"AFinishedQuizAddsOneLine", true,
     quiz_then({task(), task(answer_kind::wrong), task(answer_kind::escape)}, {wait_text("neu starten ?"), button("btEnde")}),
     {"1,1,3,1,1,1,3,30,finished"}},
    {"TwoQuizzesAddTwoLines", true,
     quiz_then({task(), task(), task()}, {wait_text("neu starten ?"), start(), task(answer_kind::wrong),
                                          task(answer_kind::wrong), task(), wait_text("neu starten ?", 2),
                                          button("btEnde")}),
     {"1,1,3,3,0,0,0,30,finished", "1,1,3,1,2,0,6,30,finished"}},
    {"AQuizStoppedByClosingTheWindow", true,
     quiz_then({task(answer_kind::wrong), answer_only(answer_kind::none)}, {pause_ms(1000), close_window()}),
     {"1,1,3,0,1,2,3,30,stopped"}},
    {"NoQuizNoLine", true, {ready(), button("btEnde")}, {}},
    {"AnUnwritableFolderAndTheGameGoesOn", false,
     quiz_then({task(), task(), task()}, {wait_text("neu starten ?"), start(), task(), task(), task(),
                                          wait_text("neu starten ?", 2), button("btEnde")}),
     {}},
};

class ResultsRun : public testing::TestWithParam<run_case> {};

// The player's child process keeps the user's data in its own scratch
// folder (XDG_DATA_HOME), which is also its working folder.
TEST_P(ResultsRun, LogsWhatThePlayerDid) {
  const run_case& c = GetParam();
  player p;
  p.script = c.script;
  const auto block = [] { std::ofstream("quorila") << "not a folder\n"; };
  run_scenario(&p, [&c](player& p) {
    const std::string path = game_results_path();
    const std::string& term = game_io_term_text();
    const int complaints = occurrences(term, "Ergebnis nicht gespeichert");
    if (!c.writable) {
      // One line per quiz that could not be logged, and the second quiz ran.
      if (complaints != 2 || occurrences(term, "neu starten ?") != 2) p.fail("term: " + term);
      return;
    }
    if (complaints != 0) p.fail("term: " + term);
    std::vector<std::string> lines = lines_of(path);
    if (c.lines.empty()) {
      if (!lines.empty()) p.fail("a line without a quiz: " + lines[0]);
      return;
    }
    if (lines.empty() || lines[0] != header) return p.fail("no header in " + path);
    lines.erase(lines.begin());
    std::vector<std::string> got;
    for (const std::string& line : lines) got.push_back(without_date(line));
    if (got != c.lines) {
      std::string all;
      for (const std::string& line : lines) all += "\n" + line;
      p.fail("results.csv:" + all);
    }
  }, calendar, c.writable ? std::function<void()>() : block);
}

INSTANTIATE_TEST_SUITE_P(Runs, ResultsRun, testing::ValuesIn(run_cases),
                         [](const testing::TestParamInfo<run_case>& info) { return std::string(info.param.name); });

}  // namespace
