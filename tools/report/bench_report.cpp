// The report over logs of 100,000 tasks (30 learners, quizzes of 12 tasks,
// results.csv and tasks.csv per learner's folder), timed as a teacher runs
// it (the program, its page to /dev/null) beside a plain `wc -l` of the same
// files. Ends with status 1 when the report takes 2 s or more.
//   bench_report [TASKS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace {

double seconds_of(const std::string& command) {
  const auto start = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (status != 0) std::fprintf(stderr, "bench_report: %s ended with status %d\n", command.c_str(), status);
  return s;
}

std::string time_text(int64_t t) {
  // From 1 March 2026 on, written as the game writes local times.
  const std::time_t when = static_cast<std::time_t>(1772323200 + t);
  std::tm civil{};
  gmtime_r(&when, &civil);
  char text[40];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S+01:00", &civil);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const long tasks = argc > 1 ? std::atol(argv[1]) : 100000;
  const std::string program = (std::filesystem::path(argv[0]).parent_path() / "quorila-report").string();
  char name[] = "/tmp/quorila-bench-report-XXXXXX";
  if (mkdtemp(name) == nullptr) return 2;
  const std::string folder = name;
  const int learners = 30;
  long written = 0;
  uint32_t random = 18;
  const auto draw = [&random](uint32_t m) {
    random = random * 22695477u + 1;
    return (random >> 16) % m;
  };
  for (int l = 0; l < learners; ++l) {
    const std::string dir = folder + "/rechner-" + std::to_string(l);
    std::filesystem::create_directories(dir);
    std::FILE* results = std::fopen((dir + "/results.csv").c_str(), "w");
    std::FILE* task_log = std::fopen((dir + "/tasks.csv").c_str(), "w");
    if (results == nullptr || task_log == nullptr) return 2;
    std::fputs("date,learner,quiz,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status\n", results);
    std::fputs("date,learner,quiz,task,code,level,difficulty,type,series,solution,answer,result,seconds\n", task_log);
    const std::string learner = "Kind " + std::to_string(l + 1);
    const long share = tasks / learners + (l < tasks % learners ? 1 : 0);
    int64_t t = 0;
    for (long done = 0; done < share; t += 600) {
      const int n = static_cast<int>(share - done < 12 ? share - done : 12);
      const int level = 1 + static_cast<int>(draw(3)), difficulty = 1;
      int right = 0, wrong = 0, used = 0;
      const std::string quiz = time_text(t);
      for (int k = 1; k <= n; ++k) {
        const int type = 1 + static_cast<int>(draw(3)), seconds = 3 + static_cast<int>(draw(10));
        const uint32_t r = draw(10);
        const char* result = r < 7 ? "right" : r < 9 ? "wrong" : "skipped";
        right += r < 7, wrong += r >= 7 && r < 9, used += seconds;
        std::fprintf(task_log, "%s,%s,%s,%d,%d,%d,%d,%d,\"1, 2, 3, 4, ??, 6, 7, 8, 9\",5,%s,%s,%d\n",
                     time_text(t + used).c_str(), learner.c_str(), quiz.c_str(), k, level * 1000 + 100 + type, level,
                     difficulty, type, r < 7 ? "5" : r < 9 ? "4" : "", result, seconds);
      }
      std::fprintf(results, "%s,%s,%s,%d,%d,%d,%d,%d,%d,%d,%d,finished\n", time_text(t + used).c_str(),
                   learner.c_str(), quiz.c_str(), level, difficulty, n, right, wrong, n - right - wrong, used, 10 * n);
      done += n;
      written += n;
    }
    std::fclose(results);
    std::fclose(task_log);
  }
  const std::string files = folder + "/*/*.csv";
  const double wc = seconds_of("wc -l " + files + " > /dev/null");
  const double report = seconds_of(program + " " + folder + " > /dev/null");
  const double wc_after = seconds_of("wc -l " + files + " > /dev/null");
  std::printf("logs of %ld tasks in %d folders\n", written, learners);
  std::printf("quorila-report  %.3f s\nwc -l           %.3f s (before) %.3f s (after)\n", report, wc, wc_after);
  // One results log of 100,000 quizzes of one learner, as a years-long log would be.
  const std::string big = folder + "/ein-langes-protokoll.csv";
  if (std::FILE* f = std::fopen(big.c_str(), "w")) {
    std::fputs("date,learner,quiz,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status\n", f);
    for (int64_t q = 0; q < 100000; ++q)
      std::fprintf(f, "%s,Kind 1,%s,%d,%d,12,%d,%d,0,100,120,finished\n", time_text(q * 600 + 100).c_str(),
                   time_text(q * 600).c_str(), static_cast<int>(1 + q % 12), static_cast<int>(1 + q % 3),
                   static_cast<int>(q % 13), static_cast<int>(12 - q % 13));
    std::fclose(f);
  }
  const double long_wc = seconds_of("wc -l " + big + " > /dev/null");
  const double long_report = seconds_of(program + " " + big + " > /dev/null");
  std::printf("one log of 100000 quizzes: quorila-report %.3f s, wc -l %.3f s\n", long_report, long_wc);
  std::filesystem::remove_all(folder);
  const bool ok = report < 2.0 && long_report < 2.0;
  std::printf("%s: the report took %s 2 s\n", ok ? "ok" : "missed", ok ? "under" : "at least");
  return ok ? 0 : 1;
}
