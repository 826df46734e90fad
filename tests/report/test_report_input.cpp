// Bad input for the report: damaged lines (ten named, the rest counted),
// files that are no logs, empty and missing folders, names with commas,
// quotes, non-Latin letters and broken UTF-8, logs of the first layout,
// the same log collected twice, an output file that is a log. The report
// says what it skipped, ends with an error only when it read nothing, and
// never changes a log.
#include "log_reader.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const char* const results_header =
    "date,learner,quiz,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status\n";
const char* const tasks_header = "date,learner,quiz,task,code,level,difficulty,type,series,solution,answer,result,seconds\n";

std::string quiz_line(const std::string& learner, int minute, int right) {
  char text[200];
  std::snprintf(text, sizeof text, "2026-03-02T09:%02d:40+01:00,%s,2026-03-02T09:%02d:00+01:00,1,1,3,%d,%d,0,30,30,finished\n",
                minute, learner.c_str(), minute, right, 3 - right);
  return text;
}

int lines_with(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(ReportInput, NothingReadableEndsWithStatusOne) {
  const std::string folder = fresh_folder();
  mkdir((folder + "/leer").c_str(), 0755);
  write_text(folder + "/notiz.csv", "Name;Klasse\n");
  write_text(folder + "/nur-kopf.csv", results_header);
  const struct {
    std::vector<std::string> args;
    std::string says;
  } cases[] = {
      {{folder + "/leer"}, folder + "/leer: keine .csv-Dateien im Ordner"},
      {{folder + "/fehlt"}, folder + "/fehlt: nicht gefunden"},
      {{folder + "/notiz.csv"}, "notiz.csv: keine Ergebnis- oder Aufgabenliste des Spiels"},
      {{folder + "/nur-kopf.csv"}, "quorila-report: nichts gelesen, kein Bericht"},
      {{"--bunt"}, "unbekannte Option --bunt"},
  };
  for (const auto& c : cases) {
    const report_run r = run_report(c.args);
    EXPECT_EQ(r.status, c.args[0] == "--bunt" ? 2 : 1) << c.args[0];
    EXPECT_TRUE(r.out.empty()) << c.args[0];
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
}

TEST(ReportInput, TenDamagedLinesNamedTheRestCounted) {
  const std::string folder = fresh_folder();
  std::string log = results_header + quiz_line("Anna", 0, 2);
  for (int i = 0; i < 25; ++i) log += i % 2 ? "2026-03-02T09:00:40+01:00,Anna,kaputt\n" : "\"halb offen,1,2\n";
  log += quiz_line("Anna", 5, 3);
  write_text(folder + "/results.csv", log);
  const report_run r = run_report({folder});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(lines_with(r.err, "quorila-report: "), 11) << r.err;
  EXPECT_NE(r.err.find("results.csv, Zeile 3: \xC3\xBC" "bersprungen, Anf\xC3\xBChrungszeichen oder Felder durcheinander"), std::string::npos);
  EXPECT_NE(r.err.find("results.csv, Zeile 4: \xC3\xBC" "bersprungen, falsche Zahl der Felder"), std::string::npos);
  EXPECT_NE(r.err.find("results.csv: 15 weitere besch\xC3\xA4" "digte Zeilen \xC3\xBC" "bersprungen (25 von 27)"), std::string::npos) << r.err;
  const auto rows = table_rows(r.out, "<table id=\"klasse\">");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][1], "2");
  EXPECT_EQ(rows[0][3], "83 %");   // 5 of 6
  EXPECT_EQ(read_text(folder + "/results.csv"), log);
}

TEST(ReportInput, NamesAreKeptAndEscaped) {
  const std::string folder = fresh_folder();
  const struct {
    std::string in_log;   // as the game writes it
    std::string on_page;
  } names[] = {
      {"\"M\xC3\xBCller, J\xC3\xB6rg\"", "M\xC3\xBCller, J\xC3\xB6rg"},
      {"\"Ann \"\"Nini\"\" <b>Lee</b>\"", "Ann &quot;Nini&quot; &lt;b&gt;Lee&lt;/b&gt;"},
      {"\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99", "\xE6\x9D\x8E\xE5\xB0\x8F\xE9\xBE\x99"},
      {"Ren\xE9 (Latin-1)", "Ren\xEF\xBF\xBD (Latin-1)"},   // not UTF-8: replaced, the page stays valid
      {"=HYPERLINK(1)", "=HYPERLINK(1)"},
  };
  std::string log = results_header;
  int minute = 0;
  for (const auto& n : names) log += quiz_line(n.in_log, minute++, 1);
  write_text(folder + "/results.csv", log);
  const report_run r = run_report({folder});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::vector<std::string> shown;
  for (const auto& row : table_rows(r.out, "<table id=\"klasse\">")) shown.push_back(row.at(0));
  std::vector<std::string> want;
  for (const auto& n : names) want.push_back(n.on_page);
  std::sort(want.begin(), want.end());
  EXPECT_EQ(shown, want);
  // In the CSV table a name that a spreadsheet would run as a formula is made text.
  write_text(folder + "/tasks.csv", std::string(tasks_header) +
                                        "2026-03-02T09:00:40+01:00,=HYPERLINK(1),2026-03-02T09:00:00+01:00,1,1101,1,1,1,"
                                        "\"1, ??, 3\",2,2,right,4\n");
  const report_run csv = run_report({"--csv", folder + "/tasks.csv"});
  EXPECT_NE(csv.out.find("\n'=HYPERLINK(1),1,1,1,1101,"), std::string::npos) << csv.out;
}

TEST(ReportInput, FirstLayoutDuplicatesAndTheOutputFile) {
  const std::string folder = fresh_folder();
  mkdir((folder + "/a").c_str(), 0755);
  mkdir((folder + "/b").c_str(), 0755);
  const std::string old_log = "date,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status\n"
                              "2026-01-05T10:00:00+01:00,1,1,3,3,0,0,9,30,finished\n";
  const std::string log = results_header + quiz_line("Anna", 1, 3) + quiz_line("Anna", 2, 0);
  write_text(folder + "/a/results.csv", old_log);
  write_text(folder + "/a/results-2.csv", log);
  write_text(folder + "/b/anna-kopie.csv", log);   // the same quizzes collected again
  // The folder and one of its files named: the file is read once.
  const report_run r = run_report({folder, folder + "/a/results-2.csv", "-o", folder + "/bericht.html"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "quorila-report: 2 doppelte Zeilen (dieselbe Aufgabe oder dasselbe Quiz in mehreren Dateien) nur einmal gez\xC3\xA4hlt\n");
  const auto rows = table_rows(read_text(folder + "/bericht.html"), "<table id=\"klasse\">");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"(ohne Namen)", "1", "3", "100 %", "0:09 / 0:30", "30 %", ""}));
  EXPECT_EQ(rows[1][0], "Anna");
  EXPECT_EQ(rows[1][1], "2");
  EXPECT_EQ(rows[1][3], "50 %");
  // A log named as the output is left alone.
  const report_run onto_log = run_report({folder, "-o", folder + "/a/results.csv"});
  EXPECT_EQ(onto_log.status, 2);
  EXPECT_EQ(read_text(folder + "/a/results.csv"), old_log);
}

TEST(ReportReader, TimesAsTheGameWritesThem) {
  const struct {
    const char* text;
    bool ok;
    int64_t wall, utc;
  } cases[] = {
      {"2023-11-14T23:13:20+01:00", true, 1700003600, 1700000000},
      {"2023-11-14T22:13:20Z", true, 1700000000, 1700000000},
      {"2023-11-14T22:13:20", true, 1700000000, 1700000000},
      {"2024-02-29T00:00:00-05:30", true, 1709164800, 1709164800 + 19800},
      {"2023-02-29T00:00:00+00:00", false, 0, 0},
      {"2023-11-14 22:13:20", false, 0, 0},
      {"2023-11-14T24:00:00", false, 0, 0},
      {"2023-11-14T22:13:20+1:00", false, 0, 0},
      {"", false, 0, 0},
  };
  for (const auto& c : cases) {
    log_time t;
    EXPECT_EQ(parse_log_time(c.text, &t), c.ok) << c.text;
    if (c.ok) EXPECT_EQ(t.wall, c.wall) << c.text;
    if (c.ok) EXPECT_EQ(t.utc, c.utc) << c.text;
  }
}

TEST(ReportReader, TaskLinesMustAgreeWithThemselves) {
  const std::string head = tasks_header;
  const std::string good = "2026-03-02T09:00:40+01:00,Anna,2026-03-02T09:00:00+01:00,1,1101,1,1,1,\"1, ??, 3\",2,";
  const struct {
    std::string tail;
    const char* problem;   // null: read
  } cases[] = {
      {"2,right,4", nullptr},
      {",skipped,4", nullptr},
      {"7,wrong,4", nullptr},
      {",right,4", "Antwort passt nicht zum Ergebnis"},
      {"2,skipped,4", "Antwort passt nicht zum Ergebnis"},
      {"2,maybe,4", "Ergebnis weder right noch wrong noch skipped"},
      {"2,right,-1", "Sekunden unlesbar"},
      {"2,right,4,extra", "falsche Zahl der Felder"},
  };
  for (const auto& c : cases) {
    const log_reading r = read_log("t.csv", head + good + c.tail + "\n");
    EXPECT_EQ(r.kind, log_kind::tasks);
    EXPECT_EQ(r.tasks.size(), c.problem == nullptr ? 1u : 0u) << c.tail;
    if (c.problem != nullptr) {
      ASSERT_EQ(r.problems.size(), 1u) << c.tail;
      EXPECT_EQ(r.problems[0], std::string("t.csv, Zeile 2: \xC3\xBC" "bersprungen, ") + c.problem);
    }
  }
  // The code decides level, difficulty and type; a line that says otherwise is damaged.
  const std::string mismatched = "2026-03-02T09:00:40+01:00,Anna,2026-03-02T09:00:00+01:00,1,1101,2,1,1,x,2,2,right,4\n";
  EXPECT_EQ(read_log("t.csv", head + mismatched).problems.at(0), "t.csv, Zeile 2: \xC3\xBC" "bersprungen, Level passt nicht zum Code");
  const std::string unknown = "2026-03-02T09:00:40+01:00,Anna,2026-03-02T09:00:00+01:00,1,1108,1,1,8,x,2,2,right,4\n";
  EXPECT_EQ(read_log("t.csv", head + unknown).problems.at(0), "t.csv, Zeile 2: \xC3\xBC" "bersprungen, kein Aufgabencode des Spiels");
}

}  // namespace
