// The logs for teachers: results.csv (one line per quiz) and tasks.csv (one
// line per task), both carrying the learner's name, written by whole runs
// of the game on the headless screen; files of an older layout kept as they
// are; a folder that cannot be written costing one line in "term".
#include "csv_test_util.h"
#include "flow_checks.h"
#include "game_io.h"
#include "game_learner.h"
#include "game_results.h"
#include "log_file.h"
#include "vqkeys.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace {

constexpr int64_t calendar = 1700000000;

std::string fresh_folder() {
  char name[] = "/tmp/quorila-results-XXXXXX";
  return mkdtemp(name) != nullptr ? name : "";
}

std::string file_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> lines_of(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The line from its field `from` on, as written.
std::string tail(const std::string& line, int from) {
  std::vector<std::string> f = csv_fields(line);
  std::string s;
  for (size_t i = static_cast<size_t>(from); i < f.size(); ++i) {
    if (i > static_cast<size_t>(from)) s += ',';
    s += csv_field(f[i]);
  }
  return s;
}

TEST(ResultsPath, FollowsXdgDataHomeElseTheHomeFolder) {
  const struct {
    const char* xdg;
    const char* want;
  } cases[] = {
      {"/data/me", "/data/me/quorila/"},
      {"relative/data", "/home/pupil/.local/share/quorila/"},   // relative: ignored
      {nullptr, "/home/pupil/.local/share/quorila/"},
  };
  const char* home = std::getenv("HOME");
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const std::string saved_home = home != nullptr ? home : "", saved_xdg = xdg != nullptr ? xdg : "";
  setenv("HOME", "/home/pupil", 1);
  for (const auto& c : cases) {
    if (c.xdg != nullptr) setenv("XDG_DATA_HOME", c.xdg, 1);
    else unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(game_results_path(), std::string(c.want) + "results.csv") << (c.xdg ? c.xdg : "(unset)");
    EXPECT_EQ(game_tasks_path(), std::string(c.want) + "tasks.csv") << (c.xdg ? c.xdg : "(unset)");
  }
  setenv("HOME", saved_home.c_str(), 1);
  if (xdg != nullptr) setenv("XDG_DATA_HOME", saved_xdg.c_str(), 1);
}

TEST(LearnerName, ArgumentThenEnvironmentThenLogin) {
  const std::string long_name = std::string(199, 'a') + "\xC3\xB6" + "b";   // the ö would be cut in two
  const struct {
    std::vector<const char*> args;
    const char* environment;
    const char* login;
    std::string want;
  } cases[] = {
      {{"quorila", "--learner", "Zo\xC3\xAB"}, "Env", "login", "Zo\xC3\xAB"},
      {{"quorila", "--learner=Ben Ali", "--other"}, "Env", "login", "Ben Ali"},
      {{"quorila", "--learner", "A", "--learner", "B"}, nullptr, "login", "B"},   // the last one counts
      {{"quorila", "--learner"}, "M\xC3\xBCller, J\xC3\xB6rg", "login", "M\xC3\xBCller, J\xC3\xB6rg"},
      {{"quorila", "--learner", ""}, "", "pupil7", "pupil7"},   // empty counts as none
      {{"quorila", "--learner", "  "}, nullptr, "pupil7", "pupil7"},
      {{"quorila"}, "Two\nLines\tTab", "login", "Two Lines Tab"},
      {{"quorila"}, long_name.c_str(), "login", std::string(199, 'a')},
      {{"quorila"}, nullptr, nullptr, "?"},
  };
  for (const auto& c : cases) {
    std::vector<char*> argv;
    for (const char* a : c.args) argv.push_back(const_cast<char*>(a));
    EXPECT_EQ(learner_name(static_cast<int>(argv.size()), argv.data(), c.environment, c.login), c.want)
        << (c.environment ? c.environment : "(none)");
  }
}

TEST(ResultsAppend, MakesTheFoldersWritesTheHeaderOnceAndQuotesNames) {
  const std::string folder = fresh_folder() + "/deep/er/quorila";
  const game_result first = {calendar, calendar - 150, "Anna", 2, 3, 10, 7, 2, 41, 150, "finished"};
  const game_result second = {calendar + 60, calendar + 55, "M\xC3\xBCller, \"J\xC3\xB6rg\"", 12, 1, 24, 0, 1,
                              5, 72, "stopped"};
  const game_result third = {calendar + 90, calendar + 90, "\xE6\x9D\x8E\xE5\xB0\x8F", 1, 1, 4, 0, 0, 0, 40, "refused"};
  for (const game_result& r : {first, second, third}) ASSERT_TRUE(game_results_append(folder + "/results.csv", r));
  const std::vector<std::string> lines = lines_of(folder + "/results.csv");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], results_header);
  EXPECT_EQ(tail(lines[1], 1), "Anna," + local_time_text(calendar - 150) + ",2,3,10,7,2,1,41,150,finished");
  // Not answered: N minus the judged answers.
  const std::string quoted = "\"M\xC3\xBCller, \"\"J\xC3\xB6rg\"\"\",";
  EXPECT_EQ(lines[2].substr(lines[2].find(',') + 1, quoted.size()), quoted);
  EXPECT_EQ(tail(lines[2], 3), "12,1,24,0,1,23,5,72,stopped");
  EXPECT_EQ(tail(lines[3], 1), "\xE6\x9D\x8E\xE5\xB0\x8F," + local_time_text(calendar + 90) + ",1,1,4,0,0,4,0,40,refused");
  // Local time with its zone, as ISO 8601 writes it.
  const std::regex iso("\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d,.*");
  EXPECT_TRUE(std::regex_match(lines[1], iso)) << lines[1];
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(local_time_text(calendar), "2023-11-14T22:13:20+00:00");
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
  EXPECT_EQ(local_time_text(calendar), "2023-11-14T23:13:20+01:00");
  unsetenv("TZ");
  tzset();
}

TEST(ResultsAppend, ALogOfAnotherLayoutIsKeptAndANewOneStartedBeside) {
  const std::string folder = fresh_folder();
  const std::string old_log =
      "date,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status\n"
      "2026-01-05T10:00:00+01:00,1,1,3,3,0,0,9,30,finished\n";
  std::ofstream(folder + "/results.csv") << old_log;
  // A newer file cut short in its last line, and a spreadsheet's CR LF.
  std::ofstream(folder + "/results-2.csv") << "date,learner,quiz,oh,a,different,layout\n";
  std::ofstream(folder + "/tasks.csv") << tasks_header << "\r\n" << "2026,half a li";
  const game_result r = {calendar, calendar - 9, "Anna", 1, 1, 3, 3, 0, 9, 30, "finished"};
  const game_task_record t = {calendar, calendar - 9, "Anna", 1, 1101, 1, 1, 1, "1, ??, 3", 2, true, 2, "right", 3};
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(game_results_append(folder + "/results.csv", r));
    ASSERT_TRUE(game_tasks_append(folder + "/tasks.csv", t));
  }
  EXPECT_EQ(file_text(folder + "/results.csv"), old_log);
  EXPECT_EQ(file_text(folder + "/results-2.csv"), "date,learner,quiz,oh,a,different,layout\n");
  const std::vector<std::string> third = lines_of(folder + "/results-3.csv");
  ASSERT_EQ(third.size(), 3u);
  EXPECT_EQ(third[0], results_header);
  EXPECT_EQ(tail(third[2], 1), "Anna," + local_time_text(calendar - 9) + ",1,1,3,3,0,0,9,30,finished");
  const std::vector<std::string> tasks = lines_of(folder + "/tasks.csv");
  ASSERT_EQ(tasks.size(), 4u);
  EXPECT_EQ(tasks[1], "2026,half a li");   // the torn line stays alone on its line
  EXPECT_EQ(tail(tasks[3], 1), "Anna," + local_time_text(calendar - 9) + ",1,1101,1,1,1,\"1, ??, 3\",2,2,right,3");
}

TEST(ResultsAppend, AFileThatCannotBeWrittenIsSaidOnceInTerm) {
  // A plain file where the folder should be: no folder can be made below it,
  // whoever runs the test.
  const std::string blocker = fresh_folder() + "/quorila";
  std::ofstream(blocker) << "not a folder\n";
  game_io_term_clear();
  const game_result r = {calendar, calendar, "Anna", 1, 1, 3, 3, 0, 9, 30, "finished"};
  EXPECT_FALSE(game_results_append(blocker + "/results.csv", r));
  EXPECT_FALSE(game_results_append(blocker + "/results.csv", r));
  EXPECT_EQ(game_io_term_text(), "\n Ergebnis nicht gespeichert: " + blocker + "/results.csv");
  // Once it can be written again, a later failure is said again.
  std::remove(blocker.c_str());
  EXPECT_TRUE(game_results_append(blocker + "/results.csv", r));
  std::filesystem::remove_all(blocker);
  std::ofstream(blocker) << "not a folder\n";
  EXPECT_FALSE(game_results_append(blocker + "/results.csv", r));
  EXPECT_EQ(occurrences(game_io_term_text(), "Ergebnis nicht gespeichert"), 2);
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
  std::vector<std::string> lines;   // without date, learner and quiz
};

void PrintTo(const run_case& c, std::ostream* os) { *os << c.name; }

// Level 1, difficulty 1 gives 10 s a task; a wrong answer keeps the player
// 3 s (the second of its sound and two with the solution shown), a right
// one less than a second.
const run_case run_cases[] = {
    {"TwoQuizzesAddTwoLines", true,
     quiz_then({task(), task(), task()}, {wait_text("neu starten ?"), start(), task(answer_kind::wrong),
                                          task(answer_kind::wrong), task(), wait_text("neu starten ?", 2),
                                          button("btEnde")}),
     {"1,1,3,3,0,0,0,30,finished", "1,1,3,1,2,0,6,30,finished"}},
    // The seconds of the task cut short by the close count, too.
    {"AQuizStoppedByClosingTheWindow", true,
     quiz_then({task(answer_kind::wrong), answer_only(answer_kind::none)}, {pause_ms(5000), close_window()}),
     {"1,1,3,0,1,2,8,30,stopped"}},
    {"NoQuizNoLine", true, {ready(), button("btEnde")}, {}},
    {"AQuizRefusedWithEveryTypeSwitchedOff", true,
     {ready(), edit(), editor_click(70, 75), editor_click(105, 75), editor_click(140, 75), key(VQKEY_ESCAPE),
      wait_text("Ende Editor"), select(1, 1, 5), start(), wait_text("Keine Aufgabe ausgew\xE4hlt"), button("btEnde")},
     {"1,1,5,0,0,5,0,50,refused"}},
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
  const auto furnish = [&c] {
    setenv("QUORILA_LEARNER", "Lena", 1);
    if (!c.writable) std::ofstream("quorila") << "not a folder\n";
  };
  run_scenario(&p, [&c](player& p) {
    const std::string path = game_results_path();
    const std::string& term = game_io_term_text();
    const int complaints = occurrences(term, "Ergebnis nicht gespeichert");
    if (!c.writable) {
      // One line per log that could not be written (not one per task), and the second quiz ran.
      if (complaints != 2 || occurrences(term, "neu starten ?") != 2) p.fail("term: " + term);
      return;
    }
    if (complaints != 0) p.fail("term: " + term);
    std::vector<std::string> lines = lines_of(path);
    if (c.lines.empty()) {
      if (!lines.empty()) p.fail("a line without a quiz: " + lines[0]);
      return;
    }
    if (lines.empty() || lines[0] != results_header) return p.fail("no header in " + path);
    lines.erase(lines.begin());
    std::vector<std::string> got;
    for (const std::string& line : lines) {
      got.push_back(tail(line, 3));
      if (csv_fields(line)[1] != "Lena") p.fail("learner of " + line);
    }
    if (got != c.lines) {
      std::string all;
      for (const std::string& line : lines) all += "\n" + line;
      p.fail("results.csv:" + all);
    }
  }, calendar, furnish);
}

INSTANTIATE_TEST_SUITE_P(Runs, ResultsRun, testing::ValuesIn(run_cases),
                         [](const testing::TestParamInfo<run_case>& info) { return std::string(info.param.name); });

std::string second_text(uint64_t virtual_ms) { return local_time_text(calendar + static_cast<int64_t>(virtual_ms / 1000)); }

// One quiz of four tasks by a learner named on the command line: right,
// wrong, skipped with Escape, and right after 45 s, which runs over the
// 40 s budget. Both logs, line by line, against what the player saw.
TEST(ResultsTasks, EveryTaskOfANamedLearnerLineByLine) {
  const std::string learner = "Zo\xC3\xAB \"Z\" M\xC3\xBCller, 3b";
  player p;
  p.arguments = {"--learner", learner};
  p.script = {ready(),
              select(1, 1, 4),
              start(),
              task(),
              task(answer_kind::wrong),
              task(answer_kind::escape),
              task(answer_kind::right, 45000),
              wait_text("neu starten ?"),
              button("btEnde")};
  run_scenario(&p, [&learner](player& p) {
    const std::string quiz = local_time_text(p.seed);
    const char* results[] = {"right", "wrong", "skipped", "right"};
    std::vector<std::string> want;
    int total_seconds = 0;
    for (size_t i = 0; i < p.expected.size() && i < p.seen.size(); ++i) {
      const expected_task& e = p.expected[i];
      const task_seen& seen = p.seen[i];
      std::string series;
      for (int k = 1; k <= 9; ++k)
        series += (k > 1 ? ", " : "") + (k == e.hidden ? std::string("??") : std::to_string(e.series[static_cast<size_t>(k)]));
      const std::string answer = seen.clicked_box != 0 ? std::to_string(e.choices[static_cast<size_t>(seen.clicked_box)]) : "";
      const int seconds = static_cast<int>(seen.washed_at / 1000 - seen.boxes_at / 1000);
      total_seconds += seconds;
      want.push_back(second_text(seen.washed_at) + "," + csv_field(learner) + "," + quiz + "," + std::to_string(i + 1) +
                     "," + std::to_string(e.code) + ",1,1," + std::to_string(e.code % 100) + ",\"" + series + "\"," +
                     std::to_string(e.solution) + "," + answer + "," + results[i] + "," + std::to_string(seconds));
    }
    std::vector<std::string> tasks = lines_of(game_tasks_path());
    if (tasks.empty() || tasks[0] != tasks_header) return p.fail("no header in tasks.csv");
    tasks.erase(tasks.begin());
    if (tasks != want) {
      std::string all = "\nwanted:";
      for (const std::string& line : want) all += "\n" + line;
      all += "\ngot:";
      for (const std::string& line : tasks) all += "\n" + line;
      p.fail("tasks.csv:" + all);
    }
    if (p.seen.size() != 4 || p.seen[1].clicked_box == 0 || total_seconds <= 40) p.fail("not over time: " + std::to_string(total_seconds));
    const std::vector<std::string> results_lines = lines_of(game_results_path());
    const std::string result = csv_field(learner) + "," + quiz + ",1,1,4,2,1,1," + std::to_string(total_seconds) + ",40,finished";
    if (results_lines.size() != 2 || tail(results_lines[1], 1) != result)
      p.fail("results.csv: " + (results_lines.size() == 2 ? results_lines[1] : "") + "\nwanted: " + result);
  }, calendar);
}

// Stopped: the task cut short is logged as skipped with the seconds it ran.
TEST(ResultsTasks, TheTaskCutShortByTheCloseIsSkipped) {
  player p;
  p.arguments = {"--learner=Ben"};
  p.script = {ready(), select(2, 1, 6), start(), task(), answer_only(answer_kind::none), pause_ms(7000), close_window()};
  run_scenario(&p, [](player& p) {
    std::vector<std::string> tasks = lines_of(game_tasks_path());
    const std::vector<std::string> results = lines_of(game_results_path());
    if (tasks.size() != 3 || results.size() != 2) return p.fail("lines: " + std::to_string(tasks.size()) + ", " + std::to_string(results.size()));
    const std::vector<std::string> first = csv_fields(tasks[1]), cut = csv_fields(tasks[2]), quiz = csv_fields(results[1]);
    const int first_seconds = std::atoi(first[12].c_str()), cut_seconds = std::atoi(cut[12].c_str());
    if (first[11] != "right" || cut[3] != "2" || cut[10] != "" || cut[11] != "skipped" || cut_seconds < 7 || cut_seconds > 8)
      p.fail("tasks: " + tasks[1] + "\n" + tasks[2]);
    if (quiz[1] != "Ben" || tail(results[1], 3) != "2,1,6,1,0,5," + std::to_string(first_seconds + cut_seconds) + ",90,stopped")
      p.fail("results: " + results[1]);
  }, calendar);
}

}  // namespace
