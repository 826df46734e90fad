// Waiting for the answer of one task: reminders for a quiet player, the
// click on a box or its key, Escape, the judgement and the wash-out
// afterwards.
#include "game_io.h"
#include "game_screen.h"
#include "game_state.h"
#include "game_test_hook.h"
#include "quiz_flow.h"
#include "vqevent.h"
#include "vqframe.h"
#include "vqtarget.h"
#include "vqtimer.h"

namespace {

enum { key_escape = 27 };

// The reminders come after 100 s of quiet, then 110 s, then every 120 s.
int reminder_interval(int reminders_played) {
  const int state = reminders_played < 2 ? reminders_played : 2;
  return 100000 + 10000 * state;
}

// When the window goes away during one of the waits, the quiz stops where
// it is, without a sound or a count.
void judge_answer(int32_t t, int32_t answer) {
  game_answer = answer;
  game_printf("term1", "\ntipp %d", answer);
  vqwait(0.1);
  if (!screen_alive()) return;
  if (answer == solution[t]) {
    ++game_right_count;
    play_right_sound();
  } else {
    ++game_wrong_count;
    play_wrong_sound();
    if (!screen_alive()) return;
    game_printf("term", "\n!! L\xF6sung war : %d  !!", solution[t]);
    vqwait(2.0);
    if (!screen_alive()) return;
  }
  // The boxes stay in sight until the wash-out.
  vqrefresh();
}

}  // namespace

int choice_at(int window_x, int window_y) {
  const int x = window_x - click_offset_x, y = window_y - click_offset_y;
  const int s = choice_box_spacing;
  for (int k = 1; k <= 6; ++k)
    if (s * k <= x && x <= s * (k + 1) && 5 <= y && y <= 65) return k;
  return 0;
}

void await_answer(int32_t t) {
  game_test_hook_task(t);
  reset_wait_sound();
  int reminders = 0;
  const int left_down = main_window.events[VQEV_LEFTDOWN];
  answer_keys_task_begin();
  while (vqrunning()) {
    // A timer of its own per pass: every event starts the quiet period over.
    vqTimer reminder(reminder_interval(reminders));
    const int code = vqwaitevent();
    if (code == 0) break;
    if (code == reminder.event()) {
      play_wait_sound();
      ++reminders;
    } else if (code == left_down) {
      const int k = choice_at(vqwindow_mousex(&main_window), vqwindow_mousey(&main_window));
      if (k != 0) {
        judge_answer(t, choice_list[t][k]);
        break;
      }
    } else if (code == key_escape) {
      break;
    } else if (const int k = answer_keys_choice(code)) {
      judge_answer(t, choice_list[t][k]);
      break;
    }
    // A click on a control or Tab may have given it the keyboard.
    answer_keys_hold_focus();
  }
  if (!screen_alive()) return;
  vqclear(0xFFFFFF);
  draw_background_veiled();
  answer_keys_task_end();
}
