// The test hook's lines: "quorila-test: WHAT ..." with window client
// coordinates, flushed at once because the reader waits for them.
#include "game_test_hook.h"

#include "game_screen.h"
#include "game_state.h"
#include "vqcontrols.h"
#include "vqplatform.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

template <typename control>
void print_control(const char* name) {
  const auto* c = static_cast<const control*>(vqscript_findcontrol(&main_markup, name));
  if (c != nullptr) std::printf("quorila-test: control %s %d %d %d %d\n", name, c->x, c->y, c->width, c->height);
}

}  // namespace

bool game_test_hook_wanted() {
  const char* wanted = std::getenv("QUORILA_TEST_HOOK");
  return wanted != nullptr && wanted[0] != '\0';
}

bool game_test_hook_ready() {
  if (!game_test_hook_wanted()) return true;
  char folder[4096];
  std::printf("quorila-test: data folder %s\n", getcwd(folder, sizeof folder) != nullptr ? folder : "?");
  for (const char* name : {"udStufe", "udSchwierigkeit", "udAnzahlAufgaben"}) print_control<vqUpDownControl>(name);
  for (const char* name : {"btEdit", "btStart", "btEnde"}) print_control<vqButton>(name);
  std::printf("quorila-test: ready\n");
  std::fflush(stdout);
  return !vqplatform_is_headless();
}

void game_test_hook_task(int32_t t) {
  if (!game_test_hook_wanted()) return;
  for (int k = 1; k <= 6; ++k)
    if (choice_list[t][k] == solution[t]) {
      // The middle of the box's hit rectangle (see choice_at).
      const int x = click_offset_x + choice_box_spacing * k + choice_box_spacing / 2;
      const int y = click_offset_y + 35;
      std::printf("quorila-test: task %d box %d at %d %d\n", t, k, x, y);
      break;
    }
  std::fflush(stdout);
}
