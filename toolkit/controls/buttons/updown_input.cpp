// The up-down control's command handler: presses on the field and on the
// arrows, the auto-repeat while an arrow is held, the wheel, focus and keys.
#include "controls_internal.h"

#include "vqtimer.h"

namespace {

void press(vqUpDownControl* c, int px, int py) {
  if (c->greyed) return;
  vqupdown_geometry g;
  vqupdown_geometry_of(c, &g);
  if (px < g.column_x) {
    if (!c->focused && !c->nokeyfocus && vqcontrol_host_focus(&c->host)) c->focused = 1;
    if (!c->focused) return;
    vqupdown_edit_begin(c, vqupdown_index_at(c, px));
    vqupdown_redraw(c);
    return;
  }
  const int direction = py - c->y >= g.box_h ? -1 : 1;
  c->up_pressed = direction > 0;
  c->down_pressed = direction < 0;
  vqupdown_step(c, direction, true);
  vqtimer_set(vqUpDownControl::command, c, VQCTL_REPEAT_DELAY * c->repeat_rate, 0);
  vqcontrol_host_capture(&c->host);
}

void release(vqUpDownControl* c) {
  if (!c->up_pressed && !c->down_pressed) return;
  c->up_pressed = c->down_pressed = 0;
  vqupdown_redraw(c);
  vqtimer_remove(c, 0);
  vqcontrol_host_release(&c->host);
  vqcontrol_notify(&c->notify, vqupdown_getvalue(c), 0);
}

void repeat(vqUpDownControl* c) {
  if (!c->up_pressed && !c->down_pressed) {
    vqtimer_remove(c, 0);
    return;
  }
  vqupdown_step(c, c->up_pressed ? 1 : -1, false);
  vqtimer_set(vqUpDownControl::command, c, c->repeat_rate, 0);
}

int focus_in(vqUpDownControl* c) {
  if (c->nokeyfocus || c->greyed) return 0;
  c->focused = 1;
  vqupdown_edit_begin(c, -1);
  vqupdown_redraw(c);
  return 1;
}

void focus_out(vqUpDownControl* c) {
  c->focused = 0;
  if (c->editing) vqupdown_edit_accept(c);
  c->editing = 0;
  vqupdown_redraw(c);
}

}  // namespace

int vqUpDownControl::command(void* object, int command, int a1, int a2, int, int, int, int, int, int) {
  vqUpDownControl* c = static_cast<vqUpDownControl*>(object);
  if (c == nullptr || !c->created) return 0;
  switch (command) {
    case VQCMD_CLOSE: vqupdown_destroy(c); return 0;
    case VQCMD_LEFTDOWN: case VQCMD_LEFTDOUBLE: press(c, a1, a2); return 0;
    case VQCMD_LEFTUP: release(c); return 0;
    case VQCMD_WHEELUP: case VQCMD_WHEELDOWN:
      if (!c->greyed) vqupdown_step(c, command == VQCMD_WHEELUP ? 1 : -1, true);
      return 0;
    case VQCMD_KEYDOWN: return vqupdown_key(c, a1) ? 1 : 0;
    case VQCMD_FOCUSIN: return focus_in(c);
    case VQCMD_FOCUSOUT: focus_out(c); return 0;
    case VQCMD_QUERY: return 1;
    case VQCMD_REFRESH: case VQCMD_REDRAWALL: vqupdown_redraw(c); return 0;
    case VQCMD_TIMER: repeat(c); return 0;
    default: return 0;
  }
}
