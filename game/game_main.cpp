// The game's main function: the start-up in its steps, then the main loop
// on the three buttons ENDE, "Aufgabenauswahl?" and START.
#include "game_data.h"
#include "game_desktop.h"
#include "game_io.h"
#include "game_screen.h"
#include "game_state.h"
#include "game_test_hook.h"
#include "quiz_flow.h"
#include "vqevent.h"
#include "vqframe.h"
#include "vqrandom.h"
#include "vqtarget.h"

namespace {

// The game drives its own loop. Saying so before the first wait means that
// a close during the start-up waits comes back here, like every later one,
// instead of ending the process from inside the wait.
void enter_own_loop() {
  if (vqframe_loop_entered()) return;
  if (const int code = vqpollevent()) vqpostevent(code);
}

// A start-up wait; false once the window is gone.
bool pause(double seconds) {
  vqwait(seconds);
  return screen_alive();
}

bool start_up() {
  build_picture_store();
  vqrandomize();
  // Without a window there is no game: the reason is already on standard
  // output, and the status tells a script that started the program.
  if (!open_main_screen()) vqexit(1);
  setup_screen();
  game_term_print("Testmodus \n  ");
  enter_own_loop();
  if (!pause(1.0)) return false;
  load_background(0);
  if (!screen_alive()) return false;
  draw_background_fit();
  vqgraphic_refresh(&main_panel);
  if (!pause(8.0)) return false;
  game_term_print("\n\n\n   Sie k\xF6nnen das Programm jetzt starten \n  ");
  read_selection();
  init_task_tables();
  init_time_table();
  game_right_count = 0;
  game_wrong_count = 0;
  return game_test_hook_ready();
}

void main_loop() {
  while (vqrunning()) {
    const int code = vqwaitevent();
    if (code == 0) continue;
    if (vqscript_is(&main_markup, code, "btEnde")) return;
    if (vqscript_is(&main_markup, code, "btEdit")) {
      read_quiz_selection();
      task_editor();
      if (screen_alive()) vqgraphic_refresh(&main_panel);
    } else if (vqscript_is(&main_markup, code, "btStart")) {
      start_quiz();
    }
  }
}

}  // namespace

void game_main() {
  if (game_answer_command_line()) return;
  game_use_data_folder();
  if (start_up()) main_loop();
  close_main_screen();
}
