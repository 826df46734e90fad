// Answers from the keyboard: keys 1 to 6 (top row or keypad) choose a box,
// Left and Right move a ring over the boxes, Enter and Space choose the
// ringed one. During a quiz the keys belong to the game: the controls of
// the window's line lose the keyboard focus, or a digit meant for a box
// would edit the level, and they get it back when the quiz is over.
#include "game_screen.h"
#include "quiz_flow.h"
#include "vqcolor.h"
#include "vqkeys.h"
#include "vqpxmap.h"
#include "vqtarget.h"

namespace {


const int32_t ring_color = vqrgb(0, 60, 200);
const int ring_thickness = 3;

// Every task begins without a ring: the first arrow, Enter or Space shows
// it where it stood in the last task of the quiz (box 1 at first), and only
// then do the arrows move it and Enter and Space choose. A mouse player
// never sees it.
int ring_box = 1;
bool ring_drawn = false;
vqpxmap_snapshot under_ring;

int focus_before = -1;
bool focus_held = false;

vqView* control_panel() { return &main_window.panels[0]; }

// Around the box's frame, in the gap to its neighbours: the box and its
// number stay untouched, and the rings of two boxes never meet.
struct ring_rect {
  int x, y, w, h;
};
ring_rect ring_around(int k) {
  const int s = choice_box_spacing;
  return {s * k + 4, 0, s - 7, 51};
}

void erase_ring() {
  if (!ring_drawn) return;
  ring_drawn = false;
  if (vqpxmap_snapshot_restore(&under_ring)) vqrefresh();
}

void draw_ring(int k) {
  erase_ring();
  vqpxmap* target = vqtargetpixmap();
  const ring_rect r = ring_around(k);
  if (target == nullptr || !vqpxmap_snapshot_save(&under_ring, target, r.x, r.y, r.w, r.h)) return;
  const int t = ring_thickness;
  vqfillrect(r.x, r.y, r.w, t, ring_color);
  vqfillrect(r.x, r.y + r.h - t, r.w, t, ring_color);
  vqfillrect(r.x, r.y, t, r.h, ring_color);
  vqfillrect(r.x + r.w - t, r.y, t, r.h, ring_color);
  ring_drawn = true;
  // The player waits on this key: show it now, not at the next refresh.
  vqrefresh();
}

void move_ring(int step) {
  if (ring_drawn && ring_box + step >= 1 && ring_box + step <= 6) ring_box += step;
  draw_ring(ring_box);
}

}  // namespace

void answer_keys_quiz_begin() {
  ring_box = 1;
  ring_drawn = false;
  focus_before = vqgraphic_getfocus(control_panel());
  focus_held = true;
  answer_keys_hold_focus();
  // A learner reads the digits on the keypad, not the arrows: they answer
  // whether NumLock is on or not (the arrow keys still move the ring).
  vqwindow_keypad_digits(&main_window, true);
}

void answer_keys_hold_focus() {
  if (!focus_held) return;
  if (vqgraphic_getfocus(control_panel()) >= 0) vqgraphic_setfocus(control_panel(), -1);
}

void answer_keys_quiz_end() {
  vqwindow_keypad_digits(&main_window, false);
  ring_box = 1;
  ring_drawn = false;
  vqpxmap_snapshot_free(&under_ring);
  if (!focus_held) return;
  focus_held = false;
  if (focus_before >= 0 && screen_alive()) vqgraphic_setfocus(control_panel(), focus_before);
  focus_before = -1;
}

void answer_keys_task_begin() {
  answer_keys_hold_focus();
  ring_drawn = false;
}

void answer_keys_task_end() {
  // The wash-out has painted the whole area: nothing is left to put back.
  ring_drawn = false;
}

int answer_keys_choice(int code) {
  if (code >= '1' && code <= '6') {
    const int k = code - '0';
    // The ring, when shown, goes along, so that the chosen box is marked.
    if (ring_drawn) draw_ring(ring_box = k);
    return k;
  }
  switch (code) {
    case VQKEY_LEFT: move_ring(-1); return 0;
    case VQKEY_RIGHT: move_ring(1); return 0;
    case VQKEY_ENTER:
    case VQKEY_SPACE:
      if (ring_drawn) return ring_box;
      move_ring(0);
      return 0;
    default: return 0;
  }
}
