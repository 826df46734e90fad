#include "flow_player.h"

#include "game_io.h"
#include "game_screen.h"
#include "quiz_flow.h"
#include "vqcontrols.h"
#include "vqframe.h"
#include "vqheadless.h"
#include "vqkeys.h"
#include "vqterminal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

player* g_player = nullptr;
int64_t g_calendar = 0;

uint64_t now() { return vqheadless_now(); }

void click(int x, int y) {
  vqheadless_mouse_move(main_window_handle(), x, y);
  vqheadless_click(main_window_handle(), x, y);
}

void press_key(int code) {
  vqheadless_key(main_window_handle(), code, true);
  vqheadless_key(main_window_handle(), code, false);
}

void click_control(const char* name) {
  const auto* b = static_cast<const vqButton*>(vqscript_findcontrol(&main_markup, name));
  if (b == nullptr) {
    g_player->fail(std::string("no control ") + name);
    return;
  }
  click(b->x + b->width / 2, b->y + b->height / 2);
}

// Arrow clicks until the control shows the value (the arrows sit in the
// control's right column, the up arrow in its upper half).
void set_updown(const char* name, int value) {
  const auto* c = static_cast<const vqUpDownControl*>(vqscript_findcontrol(&main_markup, name));
  if (c == nullptr) {
    g_player->fail(std::string("no control ") + name);
    return;
  }
  const int from = vqupdown_getvalue(c);
  const int x = c->x + c->width - 3;
  for (int v = from; v < value; ++v) click(x, c->y + 2);
  for (int v = from; v > value; --v) click(x, c->y + c->height - 3);
}

int updown_value(const char* name) {
  const auto* c = static_cast<const vqUpDownControl*>(vqscript_findcontrol(&main_markup, name));
  return c != nullptr ? vqupdown_getvalue(c) : -1;
}

const expected_task* expected_for(const player& p, int t) {
  return t >= 1 && t <= static_cast<int>(p.expected.size()) ? &p.expected[static_cast<size_t>(t - 1)] : nullptr;
}

// The box the answer asks for, from the tool's choices.
int box_for(player& p, const step& s, int t) {
  if (s.answer == answer_kind::box) return s.a;
  const expected_task* e = expected_for(p, t);
  if (e == nullptr) {
    p.fail("no expected task to answer " + std::to_string(t));
    return 1;
  }
  for (int k = 1; k <= 6; ++k)
    if ((e->choices[static_cast<size_t>(k)] == e->solution) == (s.answer == answer_kind::right)) return k;
  p.fail("task " + std::to_string(t) + ": no box for the wanted answer");
  return 1;
}

int tasks_done() { return occurrences(game_io_text("term1"), "LSG ="); }
int series_printed() { return occurrences(game_io_term_text(), "??"); }

void check_series(player& p, int t, const std::vector<int>& shown) {
  const expected_task* e = expected_for(p, t);
  if (!p.compare_series || p.quizzes != 1 || e == nullptr) return;   // later quizzes start from the rows of the last one
  std::vector<int> want(e->series.begin() + 1, e->series.end());
  want[static_cast<size_t>(e->hidden - 1)] = INT32_MIN;
  if (shown != want) p.fail("task " + std::to_string(t) + ": the terminal shows " + terminal_cursor_line("term"));
}

// One task: its series appears, the player answers and waits until the
// task is over (term1 gets its solution line, right after the wash-out).
bool play_task(player& p, step& s) {
  switch (p.phase) {
    case 0: {
      if (series_printed() <= p.series_seen) return false;
      ++p.series_seen;
      task_seen seen;
      seen.boxes_at = now();
      seen.series = parse_series(terminal_cursor_line("term"));
      p.seen.push_back(seen);
      check_series(p, ++p.task_in_quiz, seen.series);
      p.phase = 1;
      return false;
    }
    case 1: {
      task_seen& seen = p.seen.back();
      if (now() < seen.boxes_at + static_cast<uint64_t>(s.delay_ms)) return false;
      if (s.delay_ms >= 300 && !boxes_visible()) p.fail("task " + std::to_string(p.task_in_quiz) + ": no boxes on the screen");
      for (const auto& [x, y] : s.misses) click(x, y);
      seen.clicked_at = now();
      // The screen follows the panel within a refresh period (200 ms).
      if (s.delay_ms >= 300 && ring_on_screen() != 0)
        p.fail("task " + std::to_string(p.task_in_quiz) + " begins with a ring");
      if (s.answer == answer_kind::escape) {
        press_key(VQKEY_ESCAPE);
      } else if (s.answer != answer_kind::none && s.by == answer_by::digit) {
        seen.clicked_box = box_for(p, s, p.task_in_quiz);
        vqheadless_char(main_window_handle(), '0' + seen.clicked_box);
      } else if (s.answer != answer_kind::none && s.by == answer_by::keypad) {
        seen.clicked_box = box_for(p, s, p.task_in_quiz);
        vqheadless_keypad(main_window_handle(), '0' + seen.clicked_box, false);
      } else if (s.answer != answer_kind::none && s.by != answer_by::click) {
        seen.clicked_box = box_for(p, s, p.task_in_quiz);
        p.before_ring = ring_area();
        p.phase = 4;
        return false;
      } else if (s.answer != answer_kind::none) {
        seen.clicked_box = s.click_x != 0 ? 0 : box_for(p, s, p.task_in_quiz);
        click(s.click_x != 0 ? s.click_x : box_x(seen.clicked_box), s.click_y != 0 ? s.click_y : box_y());
      }
      p.phase = s.queue_box != 0 ? 2 : 3;
      p.tipps_before = occurrences(game_io_text("term1"), "tipp");
      return !s.wait_end;
    }
    case 2:
      // The judgement has begun and waits: a second click now stays queued.
      if (occurrences(game_io_text("term1"), "tipp") <= p.tipps_before) return false;
      click(box_x(s.queue_box), box_y());
      p.phase = 3;
      return false;
    case 4: {
      // One key at a time, each after the screen has shown the last one.
      const int ring = ring_on_screen(), want = p.seen.back().clicked_box;
      // Where the ring is not, the screen is as it was before the keys.
      const std::vector<uint32_t> now_seen = ring_area();
      const size_t per_box = now_seen.size() / 6;
      for (size_t k = 1; k <= 6 && per_box > 0; ++k)
        if (static_cast<int>(k) != ring &&
            !std::equal(now_seen.begin() + (k - 1) * per_box, now_seen.begin() + k * per_box,
                        p.before_ring.begin() + (k - 1) * per_box))
          p.fail("the ring left a trace at box " + std::to_string(k));
      if (ring == 0 || ring != want) {
        if (++p.seen.back().key_presses > 12) {
          p.fail("the ring does not reach box " + std::to_string(want));
          press_key(VQKEY_ESCAPE);   // give the task up rather than press on for ever
          p.phase = 3;
          return !s.wait_end;
        }
        press_key(ring != 0 && ring > want ? VQKEY_LEFT : VQKEY_RIGHT);
        return false;
      }
      press_key(s.by == answer_by::arrows_space ? VQKEY_SPACE : VQKEY_ENTER);
      p.tipps_before = occurrences(game_io_text("term1"), "tipp");
      p.phase = 3;
      return !s.wait_end;
    }
    default:
      if (tasks_done() < p.tasks_finished + 1) {
        if (!boxes_visible() && p.seen.back().clicked_at + 250 < now())
          p.boxes_gone_early = true;
        return false;
      }
      ++p.tasks_finished;
      p.seen.back().washed_at = now();
      return true;
  }
}

bool editor_drawn() { return screen_pixel(10 + 130, 200 + 110) == 0xFF0000; }

void keep_last_look(player& p) {
  if (const std::vector<uint32_t>* pixels = vqheadless_screen(main_window_handle())) p.last_screen = *pixels;
  p.last_width = main_window.layout.width;
  p.last_term = terminal_text("term");
  vqheadless_window_info info;
  if (vqheadless_window(main_window_handle(), &info)) p.last_title = info.title;
}

bool play_step(player& p, step& s) {
  switch (s.kind) {
    case step_kind::wait_ready:
      return game_io_term_text().find("Sie k\xF6nnen das Programm jetzt starten") != std::string::npos;
    case step_kind::select:
      if (p.phase == 0) {
        p.level = s.a;
        p.difficulty = s.b;
        p.tasks = s.c;
        set_updown("udStufe", s.a);
        set_updown("udSchwierigkeit", s.b);
        set_updown("udAnzahlAufgaben", s.c);
        p.phase = 1;
        return false;
      }
      if (updown_value("udStufe") != s.a || updown_value("udSchwierigkeit") != s.b ||
          updown_value("udAnzahlAufgaben") != s.c)
        p.fail("the up-down controls did not take the selection");
      return true;
    case step_kind::start:
      // Well inside a calendar second, so that the quiz seeds with this one.
      if (now() % 1000 < 100 || now() % 1000 > 600) return false;
      p.seed = static_cast<uint32_t>(g_calendar + static_cast<int64_t>(now() / 1000));
      p.expected = series_from_tool(p.level, p.difficulty, p.tasks, p.seed);
      ++p.quizzes;
      p.task_in_quiz = 0;
      if (s.a != 0) press_key(s.a);   // START has the keyboard
      else click_control("btStart");
      return true;
    case step_kind::task: return play_task(p, s);
    case step_kind::edit:
      if (p.phase == 0) {
        click_control("btEdit");
        p.phase = 1;
        return false;
      }
      return editor_drawn();
    case step_kind::editor_click: click(s.a + 10, s.b + 180); return true;
    case step_kind::key:
      if (s.b == 1) vqheadless_keypad(main_window_handle(), s.a, false);
      else press_key(s.a);
      return true;
    case step_kind::button:
      if (s.text == "btEnde") keep_last_look(p);
      click_control(s.text.c_str());
      return true;
    case step_kind::sleep: return now() >= p.step_began + static_cast<uint64_t>(s.a);
    case step_kind::wait_text: {
      const std::string& text = s.terminal == "term" ? game_io_term_text() : game_io_text(s.terminal.c_str());
      return occurrences(text, s.text) >= s.count;
    }
    case step_kind::close:
      keep_last_look(p);
      p.closed_at = now();
      p.sounds_at_close = vqheadless_sounds().size();
      p.term_at_close = game_io_term_text().size();
      p.term1_at_close = game_io_text("term1").size();
      vqheadless_close_request(main_window_handle());
      return true;
    case step_kind::probe:
      if (p.probe) p.probe(p);
      return true;
  }
  return true;
}

void note_sounds(player& p) {
  const auto& played = vqheadless_sounds();
  while (p.sounds.size() < played.size()) p.sounds.push_back({played[p.sounds.size()], now()});
}

void idle(void*) {
  player& p = *g_player;
  note_sounds(p);
  // Several steps may be ready at one moment (a key right after a click).
  while (p.next < p.script.size() && p.closed_at == 0) {
    if (p.phase == 0 && p.step_began == 0) p.step_began = now();
    if (!play_step(p, p.script[p.next])) return;
    ++p.next;
    p.phase = 0;
    p.step_began = 0;
    if (vqheadless_pending_messages() > 0) return;   // let the program take what was done
  }
}

void app() {
  vqheadless_set_calendar(g_calendar);
  vqheadless_set_time_limit(40ull * 60 * 1000);
  game_io_term_clear();
  vqheadless_clear_records();
  vqheadless_set_idle_hook(idle, nullptr);
  game_main();
  player& p = *g_player;
  p.returned_at = now();
  note_sounds(p);
  p.panels_left = main_panel.created || progress_panel.created || avatar_panel.created || time_panel.created ||
                  right_panel.created || wrong_panel.created || main_window.created;
  vqheadless_set_idle_hook(nullptr, nullptr);
}

void general_checks(player& p) {
  if (p.next < p.script.size())
    p.fail("the script stopped at step " + std::to_string(p.next + 1) + " of " + std::to_string(p.script.size()));
  if (p.panels_left) p.fail("game_main returned with its window or a panel still open");
  if (p.closed_at == 0) return;
  if (p.returned_at > p.closed_at + 30)
    p.fail("game_main returned " + std::to_string(p.returned_at - p.closed_at) + " ms after the close");
  if (p.sounds.size() > p.sounds_at_close) p.fail("a sound after the close: " + p.sounds.back().file);
  if (game_io_term_text().size() != p.term_at_close || game_io_text("term1").size() != p.term1_at_close)
    p.fail("printed after the close");
}

[[noreturn]] void child(player* p, const std::function<void(player&)>& checks, int64_t calendar,
                        const std::function<void()>& furnish) {
  g_player = p;
  g_calendar = calendar;
  setenv("VQ_PLATFORM", "headless", 1);
  char scratch[] = "/tmp/quorila-flow-XXXXXX";
  const char* where = mkdtemp(scratch);
  if (where == nullptr || chdir(where) != 0) p->fail("no folder to work in");
  // The game's data folders, empty unless furnished: the game reads its
  // pictures and sounds here and nowhere else, and whatever it keeps for
  // the user stays in here, too.
  for (const char* folder : {"Bilder", "avatar", "sound"}) mkdir(folder, 0755);
  if (where != nullptr) setenv("XDG_DATA_HOME", where, 1);
  if (furnish) furnish();
  vqheadless_set_screen_size(1920, 1080);
  static char name[] = "quorila";
  std::vector<char*> argv = {name};
  for (std::string& a : p->arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  vqframe_run(static_cast<int>(argv.size() - 1), argv.data(), app);
  general_checks(*p);
  if (checks) checks(*p);
  if (where != nullptr) std::filesystem::remove_all(where);
  for (const std::string& f : p->failures) std::fprintf(stderr, "flow: %s\n", f.c_str());
  std::fprintf(stderr, p->failures.empty() ? "flow: ok\n" : "flow: failed\n");
  std::exit(p->failures.empty() ? 0 : 1);
}

}  // namespace

void player::fail(const std::string& what) { failures.push_back(what); }

void run_scenario(player* p, const std::function<void(player&)>& checks, int64_t calendar,
                  const std::function<void()>& furnish) {
  // VQ_FLOW_DIRECT=1 runs the scenario in this process, for a debugger.
  if (std::getenv("VQ_FLOW_DIRECT") != nullptr) child(p, checks, calendar, furnish);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(child(p, checks, calendar, furnish), testing::ExitedWithCode(0), "flow: ok");
}

std::vector<expected_task> series_from_tool(int level, int difficulty, int tasks, uint32_t seed) {
  char command[512];
  std::snprintf(command, sizeof command, "%s/tools/quorila-series --level %d --difficulty %d --tasks %d --seed %u",
                VQ_BINARY_DIR, level, difficulty, tasks, seed);
  std::vector<expected_task> out;
  FILE* f = popen(command, "r");
  if (f == nullptr) return out;
  char line[1024];
  while (std::fgets(line, sizeof line, f) != nullptr) {
    expected_task e;
    int t = 0;
    char series[512], choices[256];
    if (std::sscanf(line, "t=%d code=%d series=%511s hidden=%d solution=%d choices=%255s", &t, &e.code, series,
                    &e.hidden, &e.solution, choices) != 6)
      continue;
    e.series.push_back(0);
    e.choices.push_back(0);
    for (char* v = std::strtok(series, ","); v != nullptr; v = std::strtok(nullptr, ",")) e.series.push_back(std::atoi(v));
    for (char* v = std::strtok(choices, ","); v != nullptr; v = std::strtok(nullptr, ",")) e.choices.push_back(std::atoi(v));
    if (e.series.size() == 10 && e.choices.size() == 7) out.push_back(e);
  }
  pclose(f);
  if (out.size() != static_cast<size_t>(tasks) && g_player != nullptr)
    g_player->fail(std::string("quorila-series gave no answer: ") + command);
  return out;
}

int main_window_handle() { return main_window.platform.handle; }

uint32_t screen_pixel(int x, int y) {
  if (main_window.created) return vqheadless_pixel(main_window_handle(), x, y);
  const player& p = *g_player;
  const size_t at = static_cast<size_t>(y) * static_cast<size_t>(p.last_width) + static_cast<size_t>(x);
  return x >= 0 && y >= 0 && x < p.last_width && at < p.last_screen.size() ? p.last_screen[at] : 0;
}

int run_length(int x, int y, uint32_t color) {
  int n = 0;
  while (screen_pixel(x + n, y) == color && n < 2000) ++n;
  return n;
}

namespace {
const vqTerminal* terminal(const char* name) {
  return static_cast<const vqTerminal*>(vqscript_findcontrol(&main_markup, name));
}
std::string cells_row(const vqTerminal* t, int row) {
  std::string s;
  for (int c = 0; c < t->cells.columns; ++c)
    if (const vqterm_cell* cell = vqtermcells_at(&t->cells, c, row)) s += static_cast<char>(cell->ch < 32 ? ' ' : cell->ch);
  const size_t end = s.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}
}  // namespace

std::string terminal_cursor_line(const char* name) {
  const vqTerminal* t = terminal(name);
  return t != nullptr && t->created ? cells_row(t, t->cells.cursor_row) : std::string();
}

std::string terminal_text(const char* name) {
  const vqTerminal* t = terminal(name);
  std::string text;
  if (!main_window.created && std::strcmp(name, "term") == 0) return g_player->last_term;
  if (t == nullptr || !t->created) return text;
  for (int r = 0; r <= t->cells.cursor_row; ++r) text += cells_row(t, r) + "\n";
  return text;
}

std::vector<int> parse_series(const std::string& line) {
  std::vector<int> values;
  size_t pos = 0;
  while (pos <= line.size()) {
    size_t comma = line.find(',', pos);
    if (comma == std::string::npos) comma = line.size();
    std::string item = line.substr(pos, comma - pos);
    const size_t first = item.find_first_not_of(' '), last = item.find_last_not_of(' ');
    item = first == std::string::npos ? "" : item.substr(first, last - first + 1);
    if (item == "??") {
      values.push_back(INT32_MIN);
    } else {
      char* end = nullptr;
      const long v = std::strtol(item.c_str(), &end, 10);
      if (item.empty() || *end != 0) return {};
      values.push_back(static_cast<int>(v));
    }
    pos = comma + 1;
  }
  return values;
}

int box_x(int k) { return 10 + choice_box_spacing * k + 60; }

std::vector<uint32_t> ring_area() {
  std::vector<uint32_t> pixels;
  for (int k = 1; k <= 6; ++k) {
    const int x0 = 10 + choice_box_spacing * k + 4;
    for (int y = 200; y < 200 + 51; ++y)
      for (int x = x0; x < x0 + choice_box_spacing - 7; ++x) pixels.push_back(screen_pixel(x, y));
  }
  return pixels;
}

int ring_on_screen() {
  int found = 0;
  for (int k = 1; k <= 6; ++k) {
    // The middle of the ring's top bar and of its left bar.
    const int x = 10 + choice_box_spacing * k + 4;
    if (screen_pixel(x + 56, 200 + 1) == 0x003CC8 && screen_pixel(x + 1, 200 + 25) == 0x003CC8) {
      if (found != 0) g_player->fail("two rings on the screen");
      found = k;
    }
  }
  return found;
}
int box_y() { return 200 + 25; }

bool boxes_visible() {
  for (int k = 1; k <= 6; ++k)
    if (screen_pixel(10 + choice_box_spacing * k + 95, 200 + 40) != 0xFFFF00) return false;
  return true;
}

bool in_order(const std::string& text, const std::vector<std::string>& parts) {
  size_t pos = 0;
  for (const std::string& part : parts) {
    pos = text.find(part, pos);
    if (pos == std::string::npos) return false;
    pos += part.size();
  }
  return true;
}

int occurrences(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + part.size())) ++n;
  return n;
}
