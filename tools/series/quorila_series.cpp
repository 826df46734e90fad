// quorila-series: prints the series and answer choices a quiz would show,
// one line per task, by making exactly the quiz's draws after its seeding.
// Needs no window: nothing here starts the platform.
#include "game_state.h"
#include "series_catalogue.h"
#include "series_task.h"
#include "vqrandom.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char usage[] =
    "usage: quorila-series --level L --difficulty D --tasks N --seed S\n"
    "       quorila-series --code C --seed S [--tasks N]\n"
    "\n"
    "Prints, for tasks t = 1 to N, the number series, hidden position, solution\n"
    "and the six answer choices of a quiz whose random generator was seeded with\n"
    "S (the calendar second at which the quiz started), from series rows that are\n"
    "all zero (as in the first quiz after the program starts).\n"
    "The first form draws each task's type for level L (1-12) and difficulty D\n"
    "(1-3) from the default task selection; the second uses task code C\n"
    "(level*1000 + difficulty*100 + type) for every task. N is 1 to 24 (default\n"
    "1 with --code). One line per task:\n"
    "  t=<t> code=<code> series=<x1>,...,<x9> hidden=<pos> solution=<n> choices=<c1>,...,<c6>\n";

[[noreturn]] void fail(const char* problem, const char* detail) {
  std::fprintf(stderr, "quorila-series: %s%s (try --help)\n", problem, detail);
  std::exit(2);
}

bool parse_number(const char* text, int64_t lo, int64_t hi, int64_t* out) {
  if (text == nullptr || *text == 0) return false;
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(text, &end, 10);
  if (errno != 0 || *end != 0 || v < lo || v > hi) return false;
  *out = v;
  return true;
}

struct options {
  int64_t level = -1, difficulty = -1, tasks = -1, seed = -1, code = -1;
};

void take(const char* name, const char* value, int64_t lo, int64_t hi, int64_t* slot) {
  if (value == nullptr) fail("missing value after ", name);
  if (*slot != -1) fail("repeated option ", name);
  if (!parse_number(value, lo, hi, slot)) {
    char detail[160];
    std::snprintf(detail, sizeof detail, "%s: '%.60s' (allowed %" PRId64 " to %" PRId64 ")", name, value, lo, hi);
    fail("bad value for ", detail);
  }
}

options parse(int argc, char** argv) {
  options o;
  for (int i = 1; i < argc; i += 2) {
    const char* a = argv[i];
    const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
    if (std::strcmp(a, "--help") == 0) {
      std::fputs(usage, stdout);
      std::exit(0);
    }
    if (std::strcmp(a, "--level") == 0) take(a, v, 1, max_level, &o.level);
    else if (std::strcmp(a, "--difficulty") == 0) take(a, v, 1, max_difficulty, &o.difficulty);
    else if (std::strcmp(a, "--tasks") == 0) take(a, v, 1, max_tasks, &o.tasks);
    else if (std::strcmp(a, "--seed") == 0) take(a, v, 0, INT64_MAX, &o.seed);
    else if (std::strcmp(a, "--code") == 0) take(a, v, 1, INT32_MAX, &o.code);
    else fail("unknown argument ", a);
  }
  if (o.seed == -1) fail("missing --seed", "");
  if (o.code != -1) {
    if (o.level != -1 || o.difficulty != -1) fail("--code cannot be combined with --level or --difficulty", "");
    if (catalogue_lookup(static_cast<int32_t>(o.code)) == nullptr) {
      char code[24];
      std::snprintf(code, sizeof code, "%" PRId64, o.code);
      fail("no catalogue entry for task code ", code);
    }
    if (o.tasks == -1) o.tasks = 1;
  } else {
    if (o.level == -1) fail("missing --level", "");
    if (o.difficulty == -1) fail("missing --difficulty", "");
    if (o.tasks == -1) fail("missing --tasks", "");
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  const options o = parse(argc, argv);
  init_task_tables();
  init_time_table();
  clear_series_rows();
  if (o.code != -1) {
    game_level = static_cast<int32_t>(o.code / 1000);
    game_difficulty = static_cast<int32_t>(o.code / 100 % 10);
  } else {
    game_level = static_cast<int32_t>(o.level);
    game_difficulty = static_cast<int32_t>(o.difficulty);
  }
  game_task_total = static_cast<int32_t>(o.tasks);
  // A quiz seeded at calendar second S: the generator keeps its low 32 bits.
  vqrandom_seed(static_cast<uint32_t>(o.seed));
  begin_quiz_series();
  for (int32_t t = 1; t <= game_task_total; ++t) {
    task_outcome r;
    if (!prepare_task(t, o.code != -1 ? static_cast<int32_t>(o.code) : 0, &r)) fail("no task type can be drawn", "");
    std::printf("t=%d code=%d series=", t, r.code);
    for (int k = 1; k <= 9; ++k) std::printf(k == 1 ? "%d" : ",%d", r.series[k]);
    std::printf(" hidden=%d solution=%d choices=", r.hidden, r.solution);
    for (int k = 1; k <= 6; ++k) std::printf(k == 1 ? "%d" : ",%d", r.choices[k]);
    std::printf("\n");
  }
  return 0;
}
