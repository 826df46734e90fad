// START and the quiz: N tasks, each drawn, generated, shown, answered and
// scored, with the time, avatar and bar panels brought up to date.
#include "game_io.h"
#include "game_results.h"
#include "game_screen.h"
#include "game_state.h"
#include "quiz_flow.h"
#include "series_task.h"
#include "vqfont.h"
#include "vqplatform.h"
#include "vqrandom.h"
#include "vqtarget.h"

namespace {

// One task; false when the quiz must stop (the window is gone, or no task
// type can be drawn, which prepare_task has already said in "term").
bool run_task(int32_t t) {
  const int64_t start = vqplatform_calendar_seconds();
  game_log_task_start();
  if (game_level == 1 && game_difficulty == 1) vqsetfont(vqfont_get("Courier New,points=20,bold"));
  // Type count, type draw, code, series, spread offset and choices, in the
  // order of their draws.
  if (!prepare_task(t, 0, nullptr)) return false;
  show_choices();
  await_answer(t);
  if (screen_alive()) game_printf("term1", "\nLSG = %d;\nTyp:(%d)", solution[t], game_task_code);
  // A task cut short by closing the window still counts the time played.
  const int32_t seconds = static_cast<int32_t>(vqplatform_calendar_seconds() - start);
  game_elapsed_seconds += seconds;
  game_log_task(t, seconds);
  if (!screen_alive()) return false;
  if (game_task_total > 5) update_time_panel(game_elapsed_seconds, game_time_budget);
  game_success_ratio = success_ratio(game_right_count, game_task_total);
  vqsetfontname("9x15");
  if (game_task_total > 11) show_avatar(game_success_ratio);
  if (!screen_alive()) return false;
  // The right count stays the number of answers judged right: a task left
  // with Escape counts neither way, but it moves the progress bar on.
  if (game_task_total > 1) update_bars(t);
  vqgraphic_select(&main_panel);
  return true;
}

}  // namespace

void start_quiz() {
  game_elapsed_seconds = 0;
  read_quiz_selection();
  game_time_budget = time_budget(game_level, game_difficulty, game_task_total);
  draw_panel_labels();
  vqgraphic_select(&main_panel);
  game_background_number = vqrandom_draw() % 100 + 1;
  load_background(game_background_number);
  if (!screen_alive()) return;
  draw_background_veiled();
  answer_keys_quiz_begin();
  run_quiz();
  answer_keys_quiz_end();
  if (!screen_alive()) return;
  draw_background_revealed();
}

void run_quiz() {
  vqrandomize();
  choice_box_spacing = 120;
  begin_quiz_series();
  game_term_print("\n\n\n\n \n \n  ");
  game_right_count = 0;
  game_wrong_count = 0;
  game_log_quiz_start();
  for (int32_t t = 1; t <= game_task_total; ++t)
    if (!run_task(t)) {
      // Either the window is gone, or every task type was switched off.
      game_log_result(screen_alive() ? "refused" : "stopped");
      return;
    }
  game_term_print("\n\n\n\n \n neu starten ? \n  ");
  play_end_sound();
  game_log_result("finished");
}
