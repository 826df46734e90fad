// The push button's command handler: mouse presses and releases, keys,
// focus, hover, the switch behaviour and the repeat of mouserepeat buttons.
#include "controls_internal.h"

#include "vqplatform.h"
#include "vqtimer.h"

namespace {

bool is_switch(const vqButton* b) { return (b->attributes & VQBTN_SWITCH) != 0; }
bool repeats(const vqButton* b) { return (b->attributes & VQBTN_MOUSEREPEAT) != 0; }
bool is_link(const vqButton* b) { return (b->attributes & VQBTN_LINK) != 0; }

void toggle(vqButton* b) {
  b->state = b->state ? 0 : 1;
  vqbutton_redraw(b);
  vqcontrol_notify(&b->notify, b->state, 0);
}

void take_focus(vqButton* b) {
  if (b->focused || b->nofocus || !vqcontrol_host_focus(&b->host)) return;
  b->focused = 1;
  vqbutton_redraw(b);
}

void press(vqButton* b) {
  if (b->greyed) return;
  if (is_switch(b)) {
    toggle(b);
  } else {
    b->mouse_held = 1;
    vqbutton_redraw(b);
    if (repeats(b)) {
      vqcontrol_notify(&b->notify, b->state, 0);
      vqtimer_set(vqButton::command, b, VQCTL_REPEAT_DELAY * VQCTL_REPEAT_MS, 0);
    }
  }
  take_focus(b);
}

void release(vqButton* b) {
  if (!b->mouse_held) return;
  b->mouse_held = 0;
  vqtimer_remove(b, 0);
  vqbutton_redraw(b);
  // A repeating button has sent its events while it was held.
  if (!repeats(b)) vqcontrol_notify(&b->notify, b->state, 0);
}

void hover(vqButton* b, bool on) {
  if (!on && b->mouse_held) {
    // Leaving cancels the press: no event.
    b->mouse_held = 0;
    vqtimer_remove(b, 0);
  }
  b->hovered = on ? 1 : 0;
  vqbutton_redraw(b);
  if (is_link(b)) vqplatform_set_cursor(on && !b->greyed ? VQCURSOR_HAND : VQCURSOR_ARROW);
}

bool presses(int key) { return key == VQKEY_SPACE || key == VQKEY_ENTER || key == VQCHAR_RETURN; }

bool key_down(vqButton* b, int key) {
  if (b->greyed) return false;
  if (presses(key)) {
    // The desktop repeats a held key as more key downs: one press only.
    if (b->key_held) return true;
    b->key_held = 1;
    if (is_switch(b)) toggle(b);
    else vqbutton_redraw(b);
    return true;
  }
  if (b->hotkey != 0 && key == b->hotkey) {
    vqbutton_click(b);
    return true;
  }
  return false;
}

bool key_up(vqButton* b, int key) {
  if (!presses(key) || !b->key_held) return false;
  b->key_held = 0;
  if (is_switch(b)) return true;
  vqbutton_redraw(b);
  vqcontrol_notify(&b->notify, b->state, 0);
  return true;
}

int focus_in(vqButton* b) {
  if (b->nofocus || b->greyed) return 0;
  b->focused = 1;
  vqbutton_redraw(b);
  return 1;
}

void focus_out(vqButton* b) {
  b->focused = 0;
  b->key_held = 0;
  vqbutton_redraw(b);
}

void repeat(vqButton* b) {
  if (!b->mouse_held) {
    vqtimer_remove(b, 0);
    return;
  }
  vqcontrol_notify(&b->notify, b->state, 0);
  vqtimer_set(vqButton::command, b, VQCTL_REPEAT_MS, 0);
}

}  // namespace

void vqbutton_click(vqButton* b) {
  if (b == nullptr || !b->created || b->greyed) return;
  if (is_switch(b)) toggle(b);
  else vqcontrol_notify(&b->notify, b->state, 0);
}

int vqButton::command(void* object, int command, int a1, int, int, int, int, int, int, int) {
  vqButton* b = static_cast<vqButton*>(object);
  if (b == nullptr || !b->created) return 0;
  switch (command) {
    case VQCMD_CLOSE: vqbutton_destroy(b); return 0;
    case VQCMD_LEFTDOWN: case VQCMD_LEFTDOUBLE: press(b); return 0;
    case VQCMD_LEFTUP: release(b); return 0;
    case VQCMD_KEYDOWN: return key_down(b, a1) ? 1 : 0;
    case VQCMD_KEYUP: return key_up(b, a1) ? 1 : 0;
    case VQCMD_FOCUSIN: return focus_in(b);
    case VQCMD_FOCUSOUT: focus_out(b); return 0;
    case VQCMD_HOVERSTART: hover(b, true); return 0;
    case VQCMD_HOVEREND: hover(b, false); return 0;
    case VQCMD_QUERY: return 1;
    case VQCMD_REFRESH: case VQCMD_REDRAWALL: vqbutton_redraw(b); return 0;
    case VQCMD_TIMER: repeat(b); return 0;
    default: return 0;
  }
}
