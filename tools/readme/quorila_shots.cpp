// quorila-shots OUTDIR: plays a short seeded quiz of the real game on the
// headless screen and saves what a newcomer should see as PNG files: the
// start screen, a task with its six boxes, a wrong answer's message, the
// picture revealed at the end, and the task selection editor. The game
// reads its data as it always does, so run it where the pictures are (or
// from the build folder, which the game finds by itself).
#include "game_io.h"
#include "game_screen.h"
#include "game_state.h"
#include "quiz_flow.h"
#include "vqcontrols.h"
#include "vqframe.h"
#include "vqheadless.h"
#include "vqscript.h"
#include "window_picture.h"
#include "vqkeys.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string g_out;
int g_phase = 0;
uint64_t g_since = 0;
int g_saved = 0;

int window() { return main_window.platform.handle; }

int count_of(const std::string& text, const char* part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

void save(const char* name) {
  const std::string file = g_out + "/" + name;
  if (window_picture_png(window(), file)) {
    std::printf("%s\n", file.c_str());
    ++g_saved;
  }
}

void click(int x, int y) {
  vqheadless_mouse_move(window(), x, y);
  vqheadless_click(window(), x, y);
}

void click_control(const char* name) {
  const auto* b = static_cast<const vqButton*>(vqscript_findcontrol(&main_markup, name));
  if (b != nullptr) click(b->x + b->width / 2, b->y + b->height / 2);
}

// Box k of the task on the screen, in window pixels (see choice_at).
void click_box(int k) { click(click_offset_x + choice_box_spacing * k + choice_box_spacing / 2, click_offset_y + 35); }

int box_with(int t, bool right) {
  for (int k = 1; k <= 6; ++k)
    if ((choice_list[t][k] == solution[t]) == right) return k;
  return 1;
}

void next(int phase) {
  g_phase = phase;
  g_since = vqheadless_now();
}

bool waited(uint64_t ms) { return vqheadless_now() >= g_since + ms; }

// Plays from inside the game's waits, one step per idle moment.
void player(void*) {
  if (!main_window.created) return;
  const std::string& term = game_io_term_text();
  switch (g_phase) {
    case 0:   // the start picture and the invitation
      if (count_of(term, "jetzt starten") == 1) save("start.png"), next(1);
      break;
    case 1:   // three tasks (N from 12 down to 3), the first answered wrong
      if (const auto* n = static_cast<const vqUpDownControl*>(vqscript_findcontrol(&main_markup, "udAnzahlAufgaben")))
        for (int i = 0; i < 9; ++i) click(n->x + n->width - 3, n->y + n->height - 3);
      click_control("btStart");
      next(2);
      break;
    case 2:
      if (count_of(term, "??") >= 1 && waited(500)) save("task.png"), click_box(box_with(1, false)), next(3);
      break;
    case 3:
      if (count_of(term, "sung war") == 1 && waited(300)) save("wrong.png"), next(4);
      break;
    case 4:
    case 5:
      if (count_of(term, "??") >= g_phase - 2 && waited(500)) click_box(box_with(g_phase - 2, true)), next(g_phase + 1);
      break;
    case 6:
      if (count_of(term, "neu starten") == 1 && waited(1000)) save("end.png"), click_control("btEdit"), next(7);
      break;
    case 7:
      if (waited(1500)) {
        save("editor.png");
        vqheadless_key(window(), VQKEY_ESCAPE, true);
        vqheadless_key(window(), VQKEY_ESCAPE, false);
        next(8);
      }
      break;
    case 8:
      if (waited(1000)) click_control("btEnde"), next(9);
      break;
    default: break;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quorila-shots OUTDIR\n");
    return 2;
  }
  g_out = argv[1];
  setenv("VQ_PLATFORM", "headless", 1);
  vqheadless_set_screen_size(1920, 1080);
  // A fixed calendar: the same quiz, the same pictures, every time.
  vqheadless_set_calendar(1700000000);
  vqheadless_set_idle_hook(player, nullptr);
  // The quiz is logged like any other; not in the user's own results.
  char data[] = "/tmp/quorila-shots-XXXXXX";
  if (mkdtemp(data) != nullptr) setenv("XDG_DATA_HOME", data, 1);
  static char name[] = "quorila";
  static char* args[] = {name, nullptr};
  vqframe_run(1, args, game_main);
  std::remove((std::string(data) + "/quorila/results.csv").c_str());
  std::remove((std::string(data) + "/quorila").c_str());
  std::remove(data);
  if (g_saved != 5) std::printf("quorila-shots: saved %d of 5 pictures\n", g_saved);
  return g_saved == 5 ? 0 : 1;
}
