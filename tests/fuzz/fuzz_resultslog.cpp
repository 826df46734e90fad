// The teachers' logs from outside: any bytes as a results or tasks log
// (the first byte picks which header goes before them, or none), then the
// figures, the page and the CSV table made from what was read.
#include <cstdint>
#include <string>
#include <vector>

#include "log_reader.h"
#include "report_data.h"
#include "report_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const char* const headers[] = {
      "", "date,learner,quiz,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status\n",
      "date,learner,quiz,task,code,level,difficulty,type,series,solution,answer,result,seconds\n",
      "date,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status\n"};
  const std::string text = std::string(headers[data[0] % 4]) + std::string(reinterpret_cast<const char*>(data + 1), size - 1);
  std::vector<log_reading> readings = {read_log("fuzz.csv", text)};
  const size_t rows = readings[0].quizzes.size() + readings[0].tasks.size();
  if (rows + static_cast<size_t>(readings[0].lines_skipped) != static_cast<size_t>(readings[0].lines_read)) __builtin_trap();
  // The same file twice: every row is a duplicate the second time.
  readings.push_back(readings[0]);
  report_figures figures = gather_figures(readings);
  if (figures.duplicates + figures.quiz_rows + figures.task_rows != static_cast<int64_t>(2 * rows)) __builtin_trap();
  // Every learner takes the same paths through the page: three of them are
  // enough, and keep a run at many inputs a second.
  if (figures.learners.size() > 3) figures.learners.resize(3);
  const std::string page = report_page(figures);
  const std::string csv = report_csv(figures);
  if (page.find("</html>") == std::string::npos || csv.empty()) __builtin_trap();
  return 0;
}
