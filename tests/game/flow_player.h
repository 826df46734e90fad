// A scripted player for whole runs of game_main on the headless back end.
//
// The player sits in the idle hook, so it acts from inside the program's
// own waits, as a person at the screen would: it reads the terminals'
// cells and the window's pixels, moves the mouse and clicks at window
// coordinates, presses keys and closes the window. Its script is a list of
// steps; each waits for its moment, acts, and notes what it saw (times,
// sounds, texts). Every run happens in a child process (the running flag of
// the toolkit is cleared for good by a close) that reports what went wrong
// on standard error and exits with 0 only when nothing did.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What quorila-series says about one task.
struct expected_task {
  int code = 0;
  std::vector<int> series;     // positions 1 to 9 (index 0 unused)
  int hidden = 0;
  int solution = 0;
  std::vector<int> choices;    // positions 1 to 6 (index 0 unused)
};

enum class step_kind {
  wait_ready,     // "Sie können das Programm jetzt starten" is on the terminal
  select,         // the up-down controls to level, difficulty, N (arrow clicks)
  start,          // START; the quiz's seed is the calendar second of the click
  task,           // one task: wait for its series, check it, answer, wait for its end
  edit,           // "Aufgabenauswahl?" and wait until the editor is drawn
  editor_click,   // a click at (x, y) minus the click offset, in the editor
  key,            // a key press (and release)
  button,         // one of the control line's buttons by name
  sleep,          // let ms of virtual time pass
  wait_text,      // wait until the terminal's transcript holds text (count-th time)
  close,          // the player closes the window
  probe,          // a look at the screen (the scenario's probe function)
};

enum class answer_kind { right, wrong, escape, box, none };
// How the answer is given: a click on the box, its digit key (top row, or
// the keypad with NumLock off), or the ring moved by the arrow keys onto the
// box and Enter or Space.
enum class answer_by { click, digit, keypad, arrows_enter, arrows_space };

struct step {
  step_kind kind = step_kind::sleep;
  int a = 0, b = 0, c = 0;         // select: level, difficulty, N; editor_click: x, y; key: code, b = 1 for
                                   // a keypad digit ('0' to '9') pressed with NumLock off
  answer_kind answer = answer_kind::right;
  answer_by by = answer_by::click;
  int delay_ms = 0;                // task: quiet time before the answer
  std::vector<std::pair<int, int>> misses;   // task: clicks (window coordinates) that hit nothing
  int queue_box = 0;               // task: box clicked again during the judgement's waits
  int click_x = 0, click_y = 0;    // task: where the answer is clicked (0: the middle of its box)
  bool wait_end = true;            // task: the step lasts until the task is over
  std::string text;                // wait_text, button
  std::string terminal = "term";   // wait_text
  int count = 1;                   // wait_text
};

// What one task looked like to the player.
struct task_seen {
  uint64_t boxes_at = 0;           // its series was printed and its boxes drawn
  uint64_t clicked_at = 0;         // the answer (click or key)
  uint64_t washed_at = 0;          // its solution line in term1, at the wash-out
  std::vector<int> series;         // read from the terminal, ?? as INT32_MIN
  int clicked_box = 0;
  int key_presses = 0;             // arrow keys pressed for it
};

struct sound_heard {
  std::string file;
  uint64_t at;
};

struct player {
  std::vector<step> script;
  std::vector<std::string> arguments;   // the program's command line after its name
  size_t next = 0;
  uint64_t step_began = 0;
  int phase = 0;
  // What the scenario set up and saw.
  int level = 1, difficulty = 1, tasks = 12;
  std::vector<expected_task> expected;   // of the quiz last started
  bool compare_series = true;           // with quorila-series (its default task selection)
  uint32_t seed = 0;
  int quizzes = 0;
  int task_in_quiz = 0;
  int series_seen = 0;                  // series printed so far, all quizzes
  int tasks_finished = 0;               // tasks over so far, all quizzes
  int tipps_before = 0;
  bool boxes_gone_early = false;        // the boxes left the screen before the wash-out
  std::vector<task_seen> seen;          // every task of every quiz
  std::vector<uint32_t> before_ring;    // ring_area() before the arrow keys of a task
  std::vector<sound_heard> sounds;
  std::vector<std::string> probes;      // the scenario's own notes
  std::vector<std::string> failures;
  uint64_t closed_at = 0;
  uint64_t returned_at = 0;
  size_t sounds_at_close = 0;
  size_t term_at_close = 0, term1_at_close = 0;
  bool panels_left = false;
  // The screen and the terminal as they were just before ENDE or the close,
  // which is what the checks after the run look at.
  std::vector<uint32_t> last_screen;
  int last_width = 0;
  std::string last_term;
  std::string last_title;
  std::function<void(player&)> probe;

  void fail(const std::string& what);
};

// Runs game_main with the player in a child process working in a fresh
// folder (empty, or filled by furnish, which runs there first), then the
// scenario's checks; the child exits with 0 when neither the player nor the
// checks failed.
void run_scenario(player* p, const std::function<void(player&)>& checks, int64_t calendar,
                  const std::function<void()>& furnish = nullptr);

// quorila-series for a seed.
std::vector<expected_task> series_from_tool(int level, int difficulty, int tasks, uint32_t seed);

// ---- what the player can see --------------------------------------------------

int main_window_handle();
// The window's pixel; after the run, as it was before ENDE or the close.
uint32_t screen_pixel(int x, int y);
// Length of the run of one colour from (x, y) to the right.
int run_length(int x, int y, uint32_t color);
// The terminal's line at the cursor and every line it holds (after the
// run: what it held before ENDE or the close).
std::string terminal_cursor_line(const char* name);
std::string terminal_text(const char* name);
// The numbers of a series line, "??" as INT32_MIN; empty when it is none.
std::vector<int> parse_series(const std::string& line);
bool boxes_visible();
// Texts of a transcript in this order.
bool in_order(const std::string& text, const std::vector<std::string>& parts);
int occurrences(const std::string& text, const std::string& part);

// Window coordinates of the middle of answer box k.
int box_x(int k);
int box_y();
// The box the keys' ring stands around on the screen, 0 for none (the
// player fails the run when it sees two).
int ring_on_screen();
// The screen around all six boxes, where a ring would be drawn.
std::vector<uint32_t> ring_area();

// ---- building scripts -----------------------------------------------------------

inline step make(step_kind kind) {
  step s;
  s.kind = kind;
  return s;
}

inline step ready() { return make(step_kind::wait_ready); }
inline step select(int level, int difficulty, int tasks) {
  step s = make(step_kind::select);
  s.a = level, s.b = difficulty, s.c = tasks;
  return s;
}
inline step start() { return make(step_kind::start); }
// START pressed by a key while it has the keyboard focus.
inline step start_by_key(int code) {
  step s = start();
  s.a = code;
  return s;
}
inline step task(answer_kind answer = answer_kind::right, int delay_ms = 0) {
  step s = make(step_kind::task);
  s.answer = answer;
  s.delay_ms = delay_ms;
  return s;
}
inline step click_box(int k, int delay_ms = 0) {
  step s = task(answer_kind::box, delay_ms);
  s.a = k;
  return s;
}
// Answered by keys once the task's boxes are on the screen (where the
// player also looks for a ring left over).
inline step key_task(answer_kind answer, answer_by by, int delay_ms = 300) {
  step s = task(answer, delay_ms);
  s.by = by;
  return s;
}
// The answer clicked at window coordinates (x, y).
inline step click_at(int x, int y) {
  step s = task(answer_kind::box);
  s.click_x = x, s.click_y = y;
  return s;
}
// The answer given, the step over at once: what follows happens during the
// judgement.
inline step answer_only(answer_kind answer) {
  step s = task(answer);
  s.wait_end = false;
  return s;
}
inline step edit() { return make(step_kind::edit); }
inline step editor_click(int x, int y) {
  step s = make(step_kind::editor_click);
  s.a = x, s.b = y;
  return s;
}
inline step key(int code) {
  step s = make(step_kind::key);
  s.a = code;
  return s;
}
inline step keypad_key(int digit) {
  step s = key(digit);
  s.b = 1;
  return s;
}
inline step button(const char* name) {
  step s = make(step_kind::button);
  s.text = name;
  return s;
}
inline step pause_ms(int ms) {
  step s = make(step_kind::sleep);
  s.a = ms;
  return s;
}
inline step wait_text(const char* text, int count = 1, const char* terminal = "term") {
  step s = make(step_kind::wait_text);
  s.text = text;
  s.count = count;
  s.terminal = terminal;
  return s;
}
inline step close_window() { return make(step_kind::close); }
inline step probe() { return make(step_kind::probe); }
