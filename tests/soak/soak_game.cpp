// The soak: the whole game on the headless back end's virtual clock, played
// by a random player through many quizzes in one process: random levels,
// difficulties and numbers of tasks; answers clicked anywhere inside the
// right or a wrong box, typed as digits or chosen by the ring; clicks and
// keys that hit nothing; Escape; the editor switching task types; START
// pressed twice; tasks that wait so long that the time runs over; and the
// window closed at a random moment of the last quiz. After every quiz the
// game's counters and the new line of the results log must agree with what
// was played; the resident memory after the last quiz must be within 5 % of
// that after quiz 10. The first ten quizzes do every kind of thing at least
// once, so that quiz 10 is a fair start; resident memory is measured with the
// sanitizer's quarantine of freed blocks emptied. Built with the sanitizers,
// any report ends the run.
//
//   soak_game [--quizzes N] [--seed S] [--data DIR] [--allocator-stats 1]
//             (defaults 1000, 1, none, 0)
//
// With --data the game plays with the pictures and sounds of DIR (a build
// folder: DIR/Bilder, DIR/avatar, DIR/sound); without, it plays with none
// and says so in its terminal.
//
// Prints one line per milestone and "soak: ok" with its figures; exit 0
// only when nothing went wrong.
#include "game_io.h"
#include "game_results.h"
#include "game_screen.h"
#include "game_state.h"
#include "quiz_flow.h"
#include "vqkeys.h"
#include "vqcontrols.h"
#include "vqframe.h"
#include "vqheadless.h"
#include "vqscript.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes();
extern "C" void __sanitizer_purge_allocator();
extern "C" void __asan_print_accumulated_stats();
// What the sanitizer itself holds must not pass for the game's growth:
// - It keeps freed blocks in a quarantine of 256 MiB and never gives free
//   pages back. A quarantine of 4 MiB still catches a use soon after a free
//   (the last thousands of small blocks), keeps the sanitizer's share small
//   next to the game's, and free pages go back twice a second.
// - It stores the call stack of every allocation and free once per distinct
//   stack, for good. Walked by frame pointers, stacks that pass through the
//   system's decoders (built without them) end in whatever the stack holds,
//   so that "new" stacks keep coming for ever, some 25 a quiz; walked by
//   their unwind tables they are the real ones, and are all seen within the
//   first quizzes.
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=4:allocator_release_to_os_interval_ms=500:fast_unwind_on_malloc=0";
}
static size_t heap_in_use() { return __sanitizer_get_current_allocated_bytes(); }
// Before a measurement the quarantine is emptied and free pages go back, so
// that every figure is taken in the same state, not with whatever happened
// to be freed last (one freed picture holds 3.6 MB of it, or thousands of
// small blocks do).
static void settle_allocator() { __sanitizer_purge_allocator(); }
static void print_allocator_stats() { __asan_print_accumulated_stats(); }
// The sanitizer looks every closed stream up in a table of its own (3.6 MB,
// by the stream's address), which takes a page the first time an address
// lands in it. Streams come and go with every picture, sound and log line,
// and the quarantine hands each new one a block not used before, so the
// table fills page by page over hundreds of quizzes (bounded by its size,
// 4.7 MB with the blocks and their shadow). Filled at the start it is part
// of the first figure, like everything else the sanitizer sets up.
static void fill_stream_table() {
  for (int i = 0; i < 20000; ++i)
    if (FILE* f = std::fopen("/dev/null", "r")) std::fclose(f);
}
#else
#include <malloc.h>
static size_t heap_in_use() { return mallinfo2().uordblks; }
static void settle_allocator() { malloc_trim(0); }
static void print_allocator_stats() { malloc_stats(); }
static void fill_stream_table() {}
#endif

namespace {

enum { key_tab = VQKEY_TAB, key_enter = VQKEY_ENTER, key_escape = VQKEY_ESCAPE, key_space = VQKEY_SPACE,
       key_left = VQKEY_LEFT, key_right = VQKEY_RIGHT, key_up = VQKEY_UP, key_down = VQKEY_DOWN };

// Counts texts as they are printed into one terminal, also across the
// transcript's trimming and across two reads that split a text.
struct text_watch {
  const char* terminal;
  std::vector<std::string> texts;
  std::map<std::string, int> counts{};
  uint64_t seen = 0;
  std::string carry{};

  text_watch(const char* name, std::vector<std::string> watched) : terminal(name), texts(std::move(watched)) {}

  void update() {
    const uint64_t printed = game_io_printed(terminal);
    if (printed == seen) return;
    const std::string& all = std::strcmp(terminal, "term") == 0 ? game_io_term_text() : game_io_text(terminal);
    const size_t fresh = static_cast<size_t>(printed - seen);
    seen = printed;
    const std::string scan = carry + (fresh <= all.size() ? all.substr(all.size() - fresh) : all);
    size_t longest = 0;
    for (const std::string& t : texts) {
      longest = std::max(longest, t.size());
      // Only matches that end in the fresh part: the carry was scanned before.
      for (size_t at = scan.find(t); at != std::string::npos; at = scan.find(t, at + 1))
        if (at + t.size() > carry.size()) ++counts[t];
    }
    carry = scan.size() >= longest ? scan.substr(scan.size() - (longest - 1)) : scan;
  }
  int operator[](const std::string& t) { return counts[t]; }
};

const std::string ready_text = "Sie k\xF6nnen das Programm jetzt starten";
const std::string series_text = "??";
const std::string finished_text = "neu starten ?";
const std::string editor_end_text = "Ende Editor";
const std::string task_over_text = "LSG =";

enum class stage { ready, select, check_selection, editor_open, editor_act, editor_keep_one, editor_wait_end, start, quiz, over };

struct quiz_record {
  int level = 0, difficulty = 0, tasks = 0;
  int right = 0, wrong = 0;
  int longest_wait_s = 0;
};

struct soak_state {
  int quizzes = 1000;
  bool allocator_stats = false;   // the allocator's own figures at every measurement
  std::mt19937 random{1};
  stage now_stage = stage::ready;
  text_watch term{"term", {ready_text, series_text, finished_text, editor_end_text}};
  text_watch term1{"term1", {task_over_text}};
  int finished = 0;            // quizzes played to their end
  int selection[3] = {1, 1, 12};
  int selection_tries = 0;
  int editor_rounds = 0, editor_end_before = 0;
  quiz_record quiz;
  int series_at_start = 0, tasks_over_at_start = 0, finished_at_start = 0;
  int answering = 0;           // the task answered and not yet over
  uint64_t answer_at = 0;      // a long wait: the virtual time to answer at
  int ring = 1;                // where the game's ring stands (the last box chosen by the keys)
  int close_task = 0;          // last quiz: the task in which the window is closed
  bool close_after_answer = false;
  bool closed = false;
  int pending_right = 0, pending_wrong = 0;   // the answer the close may have cut short
  std::vector<std::string> failures;
  std::vector<std::pair<int, long>> rss;     // after quiz n, KiB
  int starts_twice = 0, editor_sessions = 0, escapes = 0, long_waits = 0, key_answers = 0, ring_answers = 0;
  int misses = 0, answers = 0;

  int draw(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
  bool chance(int percent) { return draw(100) < percent; }
  // The first ten quizzes do every kind of thing (the rare ones often, the
  // ones chosen once a quiz on a fixed quiz as well), so that every call
  // path has been taken before the first measurement after quiz 10.
  bool warming_up() const { return finished < 10; }
  bool rare(int percent) { return chance(warming_up() ? std::max(percent, 30) : percent); }
  bool warm_up_quiz(int n) const { return finished + 1 == n; }
  void fail(const std::string& what) {
    if (failures.size() < 20) failures.push_back("quiz " + std::to_string(finished + 1) + ": " + what);
  }
};

soak_state* g = nullptr;

int window() { return main_window.platform.handle; }

void click(int x, int y) {
  vqheadless_mouse_move(window(), x, y);
  vqheadless_click(window(), x, y);
}

void press(int key) {
  vqheadless_key(window(), key, true);
  vqheadless_key(window(), key, false);
}

template <typename control>
const control* find(const char* name) {
  return static_cast<const control*>(vqscript_findcontrol(&main_markup, name));
}

void click_button(const char* name) {
  if (const vqButton* b = find<vqButton>(name)) click(b->x + b->width / 2, b->y + b->height / 2);
  else g->fail(std::string("no button ") + name);
}

const char* const updowns[3] = {"udStufe", "udSchwierigkeit", "udAnzahlAufgaben"};

int updown_value(int i) {
  const vqUpDownControl* c = find<vqUpDownControl>(updowns[i]);
  return c != nullptr ? vqupdown_getvalue(c) : -1;
}

// Arrow clicks from the value shown to the one wanted.
void set_updown(int i, int value) {
  const vqUpDownControl* c = find<vqUpDownControl>(updowns[i]);
  if (c == nullptr) return;
  const int from = vqupdown_getvalue(c), x = c->x + c->width - 3;
  for (int v = from; v < value; ++v) click(x, c->y + 2);
  for (int v = from; v > value; --v) click(x, c->y + c->height - 3);
}

long resident_kib() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// ---- the results log ------------------------------------------------------------

std::vector<std::string> split_fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream s(line);
  std::string field;
  while (std::getline(s, field, ',')) fields.push_back(field);
  return fields;
}

// How many quizzes the log holds, and its last line as fields by the
// header's column names, so that columns added later do not matter. Only
// the last line is taken apart: the log grows by a line a quiz, and the
// soak's own work must not grow with it.
struct log_summary {
  size_t lines = 0;
  std::map<std::string, std::string> last;
};

log_summary read_log() {
  log_summary log;
  std::ifstream in(game_results_path());
  std::string header, line, last;
  if (!std::getline(in, header)) return log;
  while (std::getline(in, line)) {
    ++log.lines;
    last.swap(line);
  }
  const std::vector<std::string> names = split_fields(header), fields = split_fields(last);
  for (size_t i = 0; i < names.size() && i < fields.size(); ++i) log.last[names[i]] = fields[i];
  return log;
}

void check_log_line(const std::map<std::string, std::string>& row, const quiz_record& q, const char* status,
                    int right_slack, int wrong_slack) {
  auto number = [&](const char* column) {
    const auto it = row.find(column);
    return it == row.end() ? -1 : std::atoi(it->second.c_str());
  };
  const auto status_it = row.find("status");
  const int right = number("right"), wrong = number("wrong");
  if (number("level") != q.level || number("difficulty") != q.difficulty || number("tasks") != q.tasks ||
      right < q.right || right > q.right + right_slack || wrong < q.wrong || wrong > q.wrong + wrong_slack ||
      status_it == row.end() || status_it->second != status)
    g->fail("the log says level " + std::to_string(number("level")) + ", difficulty " +
            std::to_string(number("difficulty")) + ", " + std::to_string(number("tasks")) + " tasks, " +
            std::to_string(right) + " right, " + std::to_string(wrong) + " wrong, " +
            (status_it == row.end() ? "?" : status_it->second) + "; played: " + std::to_string(q.level) + " " +
            std::to_string(q.difficulty) + " " + std::to_string(q.tasks) + " " + std::to_string(q.right) + " " +
            std::to_string(q.wrong) + " " + status);
  const int used = number("seconds_used"), budget = number("time_budget");
  if (std::strcmp(status, "finished") == 0 && q.longest_wait_s > budget && used <= budget)
    g->fail("a wait of " + std::to_string(q.longest_wait_s) + " s, yet " + std::to_string(used) +
            " s used of " + std::to_string(budget));
}

// ---- one task ------------------------------------------------------------------

// A point of the window that is in no box's hit rectangle.
void click_beside_the_boxes() {
  for (int tries = 0; tries < 20; ++tries) {
    const int x = g->draw(main_window.layout.width), y = g->draw(main_window.layout.height);
    if (choice_at(x, y) != 0) continue;
    click(x, y);
    ++g->misses;
    return;
  }
}

void answer(int t) {
  soak_state& s = *g;
  // Some noise first: clicks beside the boxes, keys that choose nothing.
  if (s.rare(20))
    for (int n = 1 + s.draw(3); n > 0; --n) click_beside_the_boxes();
  if (s.rare(10)) press(s.chance(50) ? key_tab : (s.chance(50) ? key_up : key_down));
  if (s.rare(8)) {
    press(key_escape);
    ++s.escapes;
    return;
  }
  const bool want_right = s.chance(70);
  int box = 0;
  std::vector<int> fitting;
  for (int k = 1; k <= 6; ++k)
    if ((choice_list[t][k] == solution[t]) == want_right) fitting.push_back(k);
  box = fitting.empty() ? 1 + s.draw(6) : fitting[static_cast<size_t>(s.draw(static_cast<int>(fitting.size())))];
  const bool right = choice_list[t][box] == solution[t];
  (right ? s.quiz.right : s.quiz.wrong) += 1;
  s.pending_right = right ? 1 : 0;
  s.pending_wrong = right ? 0 : 1;
  ++s.answers;
  const int how = s.draw(100);
  if (how < 50) {
    // Anywhere in the box's hit rectangle (after the click offset) but on
    // its left edge, which is the right edge of the box before and belongs
    // to that one.
    const int left = choice_box_spacing * box + (box > 1 ? 1 : 0), top = 5;
    click(click_offset_x + left + s.draw(choice_box_spacing * (box + 1) - left + 1), click_offset_y + top + s.draw(61));
  } else if (how < 75) {
    vqheadless_char(window(), '0' + box);
    ++s.key_answers;
  } else {
    press(s.chance(50) ? key_right : key_left);   // shows the ring where it stood
    for (int k = s.ring; k < box; ++k) press(key_right);
    for (int k = s.ring; k > box; --k) press(key_left);
    press(s.chance(50) ? key_enter : key_space);
    s.ring = box;
    ++s.ring_answers;
  }
}

// ---- the player ------------------------------------------------------------------

void begin_quiz_record() {
  soak_state& s = *g;
  s.quiz = quiz_record{};
  s.quiz.level = updown_value(0);
  s.quiz.difficulty = updown_value(1);
  s.quiz.tasks = updown_value(2);
  s.series_at_start = s.term[series_text];
  s.tasks_over_at_start = s.term1[task_over_text];
  s.finished_at_start = s.term[finished_text];
  s.answering = 0;
  s.answer_at = 0;
  s.ring = 1;
  s.pending_right = s.pending_wrong = 0;
}

void quiz_over() {
  soak_state& s = *g;
  ++s.finished;
  if (game_right_count != s.quiz.right || game_wrong_count != s.quiz.wrong)
    s.fail("the game counted " + std::to_string(game_right_count) + " right and " +
           std::to_string(game_wrong_count) + " wrong, the player gave " + std::to_string(s.quiz.right) + " and " +
           std::to_string(s.quiz.wrong));
  {
    // Gone before the memory is measured below.
    const log_summary log = read_log();
    if (static_cast<int>(log.lines) != s.finished)
      s.fail(std::to_string(log.lines) + " lines in the log after " + std::to_string(s.finished) + " quizzes");
    else
      check_log_line(log.last, s.quiz, "finished", 0, 0);
  }
  // The back end's record of the sounds asked for is the tests' instrument,
  // not the game's memory.
  vqheadless_clear_records();
  const int n = s.finished;
  if (n == 10) {
    const std::pair<const char*, int> done[] = {
        {"Escape", s.escapes},          {"miss", s.misses},          {"long wait", s.long_waits},
        {"answer by digit", s.key_answers}, {"answer by the ring", s.ring_answers},
        {"editor session", s.editor_sessions}, {"double START", s.starts_twice}};
    for (const auto& [what, count] : done)
      if (count == 0) s.fail(std::string("the first ten quizzes had no ") + what + ": quiz 10 is no fair start");
  }
  if (n == 10 || n == 100 || n == 1000 || n == s.quizzes - 1 || n % 100 == 0) {
    settle_allocator();
    s.rss.push_back({n, resident_kib()});
    std::printf("soak: after quiz %d: %.2f virtual hours, resident %ld KiB, heap in use %zu KiB\n", n,
                vqheadless_now() / 3.6e6, s.rss.back().second, heap_in_use() / 1024);
    std::fflush(stdout);
    if (s.allocator_stats) print_allocator_stats();
  }
  s.now_stage = stage::select;
}

void play_quiz() {
  soak_state& s = *g;
  if (s.term[finished_text] > s.finished_at_start) {
    quiz_over();
    return;
  }
  const int shown = s.term[series_text] - s.series_at_start;
  const int over = s.term1[task_over_text] - s.tasks_over_at_start;
  const bool last = s.finished == s.quizzes - 1;
  if (s.answering != 0) {
    if (over >= s.answering) {
      s.answering = 0;
      s.pending_right = s.pending_wrong = 0;
    }
    if (s.answering != 0 && s.answer_at == 0) return;
  }
  if (shown != over + 1) return;   // between tasks: the panels, the avatar
  const int t = shown;
  if (s.answering == 0) {
    s.answering = t;
    if (last && t == s.close_task && !s.close_after_answer) {
      vqheadless_close_request(window());
      s.closed = true;
      s.now_stage = stage::over;
      return;
    }
    // Now and then a player who thinks long: reminders, the time runs over.
    if (s.rare(3)) {
      const int seconds = 20 + s.draw(200);
      s.answer_at = vqheadless_now() + 1000ull * static_cast<uint64_t>(seconds);
      s.quiz.longest_wait_s = std::max(s.quiz.longest_wait_s, seconds);
      ++s.long_waits;
      return;
    }
  }
  if (s.answer_at != 0) {
    if (vqheadless_now() < s.answer_at) return;
    s.answer_at = 0;
  }
  answer(t);
  if (last && t == s.close_task && s.close_after_answer) {
    // Behind the answer in the queue: the close comes during its judgement.
    vqheadless_close_request(window());
    s.closed = true;
    s.now_stage = stage::over;
  }
}

void idle(void*) {
  soak_state& s = *g;
  if (s.now_stage == stage::over || !main_window.created) return;
  s.term.update();
  s.term1.update();
  switch (s.now_stage) {
    case stage::ready:
      if (s.term[ready_text] > 0) s.now_stage = stage::select;
      return;
    case stage::select:
      s.selection[0] = 1 + s.draw(12);
      s.selection[1] = 1 + s.draw(3);
      s.selection[2] = 1 + s.draw(s.rare(20) || s.warm_up_quiz(4) ? 24 : 8);
      for (int i = 0; i < 3; ++i) set_updown(i, s.selection[i]);
      s.selection_tries = 0;
      s.now_stage = stage::check_selection;
      return;
    case stage::check_selection:
      for (int i = 0; i < 3; ++i)
        if (updown_value(i) != s.selection[i]) {
          if (++s.selection_tries > 3) s.fail("the up-down controls do not take the selection");
          else for (int j = 0; j < 3; ++j) set_updown(j, s.selection[j]);
          return;
        }
      s.now_stage = s.rare(10) || s.warm_up_quiz(2) || s.warm_up_quiz(6) ? stage::editor_open : stage::start;
      return;
    case stage::editor_open:
      s.editor_end_before = s.term[editor_end_text];
      click_button("btEdit");
      s.editor_rounds = 0;
      ++s.editor_sessions;
      s.now_stage = stage::editor_act;
      return;
    case stage::editor_act: {
      // The editor is drawn and waits: switch some types off and on.
      const int count = type_count_table[s.selection[0]][s.selection[1]];
      for (int n = s.draw(5); n > 0 && count > 0; --n) {
        const int i = 1 + s.draw(count);
        click(click_offset_x + 35 * i + 30 + s.draw(26), click_offset_y + 70 + s.draw(16));
      }
      if (s.rare(20)) click(click_offset_x + s.draw(1280), click_offset_y + 150 + s.draw(500));
      s.now_stage = stage::editor_keep_one;
      return;
    }
    case stage::editor_keep_one: {
      // Never every type off: the quiz would have nothing to ask.
      const int count = type_count_table[s.selection[0]][s.selection[1]];
      bool any = false;
      for (int i = 1; i <= count; ++i) any = any || task_table[s.selection[0]][s.selection[1]][i] != 0;
      if (!any && count > 0 && ++s.editor_rounds < 4) {
        click(click_offset_x + 35 + 30 + 5, click_offset_y + 75);
        return;
      }
      if (!any) s.fail("no task type could be switched on again");
      // Its ENDE field or Escape; in the warm-up, each at least once.
      if (s.warm_up_quiz(2) || (!s.warm_up_quiz(6) && s.chance(50)))
        click(click_offset_x + 130, click_offset_y + 130);
      else press(key_escape);
      s.now_stage = stage::editor_wait_end;
      return;
    }
    case stage::editor_wait_end:
      if (s.term[editor_end_text] > s.editor_end_before) s.now_stage = stage::start;
      return;
    case stage::start:
      begin_quiz_record();
      if (s.finished == s.quizzes - 1) {
        s.close_task = 1 + s.draw(s.quiz.tasks);
        s.close_after_answer = s.chance(50);
      }
      click_button("btStart");
      if (s.rare(5) || s.warm_up_quiz(3)) {
        click_button("btStart");   // the second START waits in the queue, and the quiz takes it
        ++s.starts_twice;
      }
      s.now_stage = stage::quiz;
      return;
    case stage::quiz: play_quiz(); return;
    case stage::over: return;
  }
}

void app() {
  vqheadless_set_calendar(1700000000);
  vqheadless_set_time_limit(10000ull * 3600 * 1000);
  game_io_term_clear();
  vqheadless_set_idle_hook(idle, nullptr);
  game_main();
  vqheadless_set_idle_hook(nullptr, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  soak_state state;
  g = &state;
  std::string data;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--data") == 0) data = std::filesystem::absolute(argv[i + 1]).string();
    if (std::strcmp(argv[i], "--quizzes") == 0) state.quizzes = std::max(1, std::atoi(argv[i + 1]));
    else if (std::strcmp(argv[i], "--seed") == 0) state.random.seed(static_cast<unsigned>(std::atoi(argv[i + 1])));
    else if (std::strcmp(argv[i], "--allocator-stats") == 0) state.allocator_stats = std::atoi(argv[i + 1]) != 0;
  }
  setenv("VQ_PLATFORM", "headless", 1);
  char scratch[] = "/tmp/quorila-soak-XXXXXX";
  const char* where = mkdtemp(scratch);
  if (where == nullptr || chdir(where) != 0) return 2;
  for (const char* folder : {"Bilder", "avatar", "sound"}) {
    const std::string given = data + "/" + folder;
    if (data.empty() || symlink(given.c_str(), folder) != 0) mkdir(folder, 0755);
  }
  setenv("XDG_DATA_HOME", where, 1);
  vqheadless_set_screen_size(1920, 1080);
  fill_stream_table();
  const auto began = std::chrono::steady_clock::now();
  static char name[] = "quorila";
  static char* args[] = {name, nullptr};
  vqframe_run(1, args, app);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

  soak_state& s = state;
  if (!s.closed) s.fail("the window was never closed: the run stopped after " + std::to_string(s.finished) + " quizzes");
  if (s.finished != s.quizzes - 1) s.fail(std::to_string(s.finished) + " quizzes finished, not " + std::to_string(s.quizzes - 1));
  // The last quiz was stopped by the close: its line says so, with what was
  // judged by then (the answer the close came upon may or may not be).
  const log_summary log = read_log();
  if (static_cast<int>(log.lines) != s.quizzes) {
    s.fail(std::to_string(log.lines) + " lines in the log, not " + std::to_string(s.quizzes));
  } else {
    quiz_record judged = s.quiz;
    judged.right -= s.pending_right;
    judged.wrong -= s.pending_wrong;
    check_log_line(log.last, judged, "stopped", s.pending_right, s.pending_wrong);
  }
  const long rss_10 = s.rss.empty() ? 0 : s.rss.front().second;
  const long rss_last = s.rss.empty() ? 0 : s.rss.back().second;
  if (s.quizzes >= 1000 && rss_10 > 0 && (rss_last > rss_10 * 105 / 100 || rss_last < rss_10 * 95 / 100))
    s.fail("resident memory " + std::to_string(rss_last) + " KiB after the last quiz, " + std::to_string(rss_10) +
           " KiB after quiz 10");
  std::printf("soak: %d quizzes (%d finished, the last closed at task %d %s), %d answers (%d by digit, %d by the ring), "
              "%d Escapes, %d misses, %d long waits, %d editor sessions, %d double STARTs\n",
              s.quizzes, s.finished, s.close_task, s.close_after_answer ? "after its answer" : "before its answer",
              s.answers, s.key_answers, s.ring_answers, s.escapes, s.misses, s.long_waits, s.editor_sessions,
              s.starts_twice);
  std::printf("soak: %.2f virtual hours in %.1f s of wall time\n", vqheadless_now() / 3.6e6, wall);
  std::filesystem::remove_all(where);
  for (const std::string& f : s.failures) std::printf("soak: %s\n", f.c_str());
  std::printf(s.failures.empty() ? "soak: ok\n" : "soak: failed\n");
  // Out before the leak check at exit, which aborts on a report and so
  // would lose what is still buffered.
  std::fflush(stdout);
  return s.failures.empty() ? 0 : 1;
}
