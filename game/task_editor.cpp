// The task selection editor: one numbered box per task type of the selected
// level and difficulty; a click switches the type off, a second click on.
#include "game_io.h"
#include "game_screen.h"
#include "game_state.h"
#include "quiz_flow.h"
#include "vqcolor.h"
#include "vqevent.h"
#include "vqframe.h"
#include "vqtarget.h"

namespace {

enum { key_escape = 27 };

const char instruction[] =
    "Bitte die Aufgabennummer durch Anklicken l\xF6schen.  "
    "Fehlerhaftes Anklicken durch nochmaliges Klicken r\xFC"
    "ckg\xE4ngig machen.";

const int32_t black = vqrgb(0, 0, 0);

int slot_x(int i) { return 35 * i + 30; }

void draw_slot(int i, int32_t face, int shown_value, bool with_number) {
  vqfillrect(slot_x(i), 50, 25, 20, face);
  if (with_number) vqprintf(35 * i + 37, 51, black, "%2i", shown_value);
}

void draw_editor(const int32_t* slots, int count) {
  vqprintf(10, 10, black, "%s", instruction);
  vqfillrect(100, 100, 60, 20, vqrgb(255, 0, 0));
  vqprintf(112, 102, black, "ENDE");
  for (int i = 1; i <= count; ++i) draw_slot(i, vqrgb(255, 255, 0), slots[i], true);
}

// The hit rectangles lie 20 pixels below what is drawn for them; the
// numbers are the ones the player has always clicked.
bool ende_hit(int x, int y) { return 100 <= x && x <= 160 && 120 <= y && y <= 140; }
bool slot_hit(int i, int x, int y) { return slot_x(i) <= x && x <= slot_x(i) + 25 && 70 <= y && y <= 85; }

}  // namespace

void task_editor() {
  if (!screen_alive()) return;
  vqgraphic_select(&main_panel);
  vqsetfontname("arial20");
  bool deleted[task_slots + 1] = {};
  int32_t* slots = task_table[game_level][game_difficulty];
  const int count = type_count_table[game_level][game_difficulty];
  draw_editor(slots, count);
  const int left_down = main_window.events[VQEV_LEFTDOWN];
  while (vqrunning()) {
    const int code = vqwaitevent();
    if (code == 0) break;
    if (code == left_down) {
      const int x = vqwindow_mousex(&main_window) - click_offset_x;
      const int y = vqwindow_mousey(&main_window) - click_offset_y;
      if (ende_hit(x, y)) break;
      for (int i = 1; i <= count; ++i) {
        if (!slot_hit(i, x, y)) continue;
        if (!deleted[i]) {
          draw_slot(i, vqrgb(95, 95, 95), 0, false);
          slots[i] = 0;
        } else {
          draw_slot(i, vqrgb(255, 255, 95), i, true);
          slots[i] = i;
        }
        deleted[i] = !deleted[i];
      }
    }
    vqgraphic_refresh(&main_panel);
    if (code == key_escape) break;
  }
  // Closing the window ends the editor without a word.
  if (!screen_alive()) return;
  vqclear(0xFFFFFF);
  vqrefresh();
  game_term_print("\n Ende Editor \n");
}
