// The report over a fixed class (tests/report/data/klasse: three learners on
// two machines, several levels, a damaged line in each of Ben's logs and a
// file that is no log), read back from the page it writes: the class
// table, the per-type tables against counts made here from the logs
// themselves, the types to practise and their editor settings, the
// problems, and the logs left as they were.
#include "csv_test_util.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

namespace {

const std::string klasse = std::string(VQ_SOURCE_DIR) + "/tests/report/data/klasse";

struct counts {
  int tasks = 0, right = 0;
};

// Per learner and task code, from the tasks logs (lines of 13 fields only).
std::map<std::string, std::map<int, counts>> count_tasks() {
  std::map<std::string, std::map<int, counts>> out;
  for (const char* machine : {"rechner-1", "rechner-2"}) {
    std::istringstream in(read_text(klasse + "/" + machine + "/tasks.csv"));
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
      const std::vector<std::string> f = csv_fields(line);
      if (f.size() != 13) continue;
      counts& c = out[f[1]][std::stoi(f[4])];
      ++c.tasks;
      c.right += f[11] == "right";
    }
  }
  return out;
}

std::string percent(int right, int tasks) { return std::to_string(static_cast<int>(std::floor(100.0 * right / tasks + 0.5))) + " %"; }

class ReportGolden : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const auto& e : std::filesystem::recursive_directory_iterator(klasse))
      if (e.is_regular_file()) before[e.path()] = read_text(e.path());
    run = run_report({klasse});
  }
  static inline report_run run;
  static inline std::map<std::string, std::string> before;
};

TEST_F(ReportGolden, ClassTableOneRowPerLearner) {
  ASSERT_EQ(run.status, 0) << run.err;
  // Name, quizzes, tasks, share right, time / budget, share of the budget, trend.
  const auto rows = table_rows(run.out, "<table id=\"klasse\">");
  ASSERT_EQ(rows.size(), 3u);
  const std::vector<std::vector<std::string>> want = {
      {"Anna", "4", "44", "77 %"},                      // 34 of 44 right
      {"Ben", "5", "48", "56 %"},                       // 27 of 48 (refused: only a quiz; stopped: all 12)
      {"Zo\xC3\xAB M\xC3\xBCller, 4b", "2", "24", "88 %"},   // 21 of 24
  };
  const char* budgets[] = {"9:20", "12:00", "4:00"};
  for (size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 7u);
    EXPECT_EQ(std::vector<std::string>(rows[i].begin(), rows[i].begin() + 4), want[i]);
    EXPECT_EQ(rows[i][4].substr(rows[i][4].find(" / ") + 3), budgets[i]) << rows[i][4];
  }
  EXPECT_NE(rows[1][6].find("steigend"), std::string::npos) << rows[1][6];   // 6, 8, 3 (stopped), 10 of 12
}

TEST_F(ReportGolden, TypesTablesMatchTheTasksLogs) {
  const auto counted = count_tasks();
  ASSERT_EQ(counted.size(), 3u);
  for (const auto& [learner, by_code] : counted) {
    const std::string section = section_of(run.out, "<h2>" + learner + "</h2>");
    ASSERT_FALSE(section.empty()) << learner;
    const auto rows = table_rows(section, "<table class=\"types\">");
    ASSERT_EQ(rows.size(), by_code.size()) << learner;
    size_t i = 0;
    for (const auto& [code, c] : by_code) {
      const std::vector<std::string>& row = rows[i++];
      ASSERT_EQ(row.size(), 6u);
      EXPECT_EQ(row[0], std::to_string(code / 1000) + "/" + std::to_string(code / 100 % 10) + "/" + std::to_string(code % 100));
      EXPECT_FALSE(row[1].empty()) << code;                          // the rule's description
      EXPECT_NE(row[2].find("??"), std::string::npos) << row[2];    // an example series with its gap
      EXPECT_EQ(row[3], std::to_string(c.tasks)) << learner << " " << code;
      EXPECT_EQ(row[4], percent(c.right, c.tasks)) << learner << " " << code;
    }
  }
}

TEST_F(ReportGolden, TheWeakestTypesToPractiseWithTheirEditorSettings) {
  const std::map<int, int> type_counts = {{11, 3}, {21, 3}, {32, 10}, {93, 16}};
  for (const auto& [learner, by_code] : count_tasks()) {
    const std::string section = section_of(run.out, "<h2>" + learner + "</h2>");
    // The order the report promises: right + 1 over tasks + 2, lowest first.
    std::vector<std::pair<double, int>> weak;
    for (const auto& [code, c] : by_code)
      if (c.right < c.tasks) weak.push_back({(c.right + 1.0) / (c.tasks + 2.0), code});
    std::sort(weak.begin(), weak.end());
    std::vector<int> listed;
    const size_t list = section.find("<ol class=\"practise\">");
    for (size_t li = section.find("<li>Level ", list); li != std::string::npos && li < section.find("</ol>", list);
         li = section.find("<li>Level ", li + 1)) {
      int level = 0, difficulty = 0, type = 0;
      ASSERT_EQ(std::sscanf(section.c_str() + li, "<li>Level %d, Stufe %d, Typ %d", &level, &difficulty, &type), 3);
      listed.push_back(level * 1000 + difficulty * 100 + type);
    }
    ASSERT_EQ(listed.size(), std::min<size_t>(5, weak.size())) << learner;
    std::map<int, std::set<int>> kept;
    for (size_t i = 0; i < listed.size(); ++i) {
      // Ties may come in either order: compare the weights.
      const counts& c = by_code.at(listed[i]);
      EXPECT_DOUBLE_EQ((c.right + 1.0) / (c.tasks + 2.0), weak[i].first) << learner << " place " << i;
      kept[listed[i] / 100].insert(listed[i] % 100);
    }
    // One editor line per level and difficulty: the types to keep on, and every other type of it off.
    for (const auto& [place, types] : kept) {
      const std::string head = "<li class=\"editor\">Level " + std::to_string(place / 10) + ", Stufe " + std::to_string(place % 10) + ": Typ ";
      const size_t at = section.find(head);
      ASSERT_NE(at, std::string::npos) << learner << " " << head;
      const std::string line = section.substr(at + head.size(), section.find("</li>", at) - at - head.size());
      std::string on, off;
      for (int t = 1; t <= type_counts.at(place); ++t) (types.count(t) ? on : off) += (types.count(t) ? (on.empty() ? "" : ", ") : (off.empty() ? "" : ", ")) + std::to_string(t);
      EXPECT_EQ(line, on + " eingeschaltet lassen" + (off.empty() ? "" : "; ausschalten: " + off)) << learner;
    }
  }
}

TEST_F(ReportGolden, SaysWhatItSkippedAndChangesNoLog) {
  const std::vector<std::string> problems = {
      klasse + "/rechner-1/results.csv, Zeile 10: \xC3\xBC" "bersprungen, Aufgabenzahl nicht 1 bis 24",
      klasse + "/rechner-1/tasks.csv, Zeile 74: \xC3\xBC" "bersprungen, falsche Zahl der Felder",
      klasse + "/rechner-2/notizen.csv: keine Ergebnis- oder Aufgabenliste des Spiels (erste Zeile \"Name;Klasse\"), "
               "\xC3\xBC" "bersprungen",
  };
  std::string want;
  for (const std::string& p : problems) want += "quorila-report: " + p + "\n";
  EXPECT_EQ(run.err, want);
  for (const std::string& p : problems) {
    std::string escaped;
    for (const char c : p) escaped += c == '"' ? std::string("&quot;") : std::string(1, c);
    EXPECT_NE(run.out.find("<li>" + escaped + "</li>"), std::string::npos) << p;
  }
  EXPECT_NE(run.out.find("3 Lernende, 11 Quiz, 108 Aufgaben aus 4 Protokolldateien"), std::string::npos);
  // Self-contained: nothing is fetched from elsewhere, nothing runs.
  for (const char* outside : {"<script", "http:", "https:", "src=", "url(", "@import", "<link"})
    EXPECT_EQ(run.out.find(outside), std::string::npos) << outside;
  for (const auto& [path, text] : before) EXPECT_EQ(read_text(path), text) << path;
}

TEST_F(ReportGolden, CsvHasThePerTypeTable) {
  const report_run csv = run_report({"--csv", klasse});
  ASSERT_EQ(csv.status, 0);
  std::istringstream in(csv.out);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "learner,level,difficulty,type,code,rule,tasks,right,wrong,skipped,right_percent,example");
  const auto counted = count_tasks();
  size_t lines = 0;
  while (std::getline(in, line)) {
    const std::vector<std::string> f = csv_fields(line);
    ASSERT_EQ(f.size(), 12u) << line;
    const counts& c = counted.at(f[0]).at(std::stoi(f[4]));
    EXPECT_EQ(std::stoi(f[6]), c.tasks) << line;
    EXPECT_EQ(std::stoi(f[7]), c.right) << line;
    EXPECT_EQ(std::stoi(f[6]), std::stoi(f[7]) + std::stoi(f[8]) + std::stoi(f[9])) << line;
    ++lines;
  }
  size_t types = 0;
  for (const auto& [learner, by_code] : counted) types += by_code.size();
  EXPECT_EQ(lines, types);
}

}  // namespace
