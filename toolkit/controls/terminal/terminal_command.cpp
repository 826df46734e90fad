// The terminal's command handler: drawing commands, and the events its host
// and the timer table send (mouse, wheel, keys, focus, refresh, the blink
// tick, text from a child process, the scroll commands).
#include "terminal_internal.h"

#include "vqtarget.h"

namespace {

bool inside(const vqTerminal* t, int px, int py) {
  return px >= t->x && px < t->x + t->width && py >= t->y && py < t->y + t->height;
}

int mouse(vqTerminal* t, int command, int px, int py) {
  if (vqterm_barmouse(t, command, px, py)) return 1;
  if ((command == VQCMD_LEFTDOWN || command == VQCMD_LEFTDOUBLE) && inside(t, px, py) && !t->nokeyfocus &&
      !t->focused && t->host_handler != nullptr) {
    if (vqsend(t->host_handler, t->host_object, VQCMD_FOCUSREGION, t->child_id) != 0) {
      t->focused = 1;
      vqterm_updatecursor(t);
    }
  }
  return 0;
}

void blink(vqTerminal* t) {
  if (!(t->cursor_on || t->cursor_forced)) return;
  t->blink_phase = !t->blink_phase;
  vqterm_updatecursor(t);
}

int event(vqTerminal* t, int command, int a1, int a2) {
  switch (command) {
    case VQCMD_CLOSE: vqterm_destroy(t); return 0;
    case VQCMD_LEFTDOWN: case VQCMD_LEFTUP: case VQCMD_LEFTDOUBLE: case VQCMD_MOUSEMOVE:
      return mouse(t, command, a1, a2);
    case VQCMD_WHEELUP: vqterm_lineup(t); return 0;
    case VQCMD_WHEELDOWN: vqterm_linedown(t); return 0;
    case VQCMD_KEYDOWN: vqterm_addkey(t, a1); return 0;
    case VQCMD_FOCUSIN:
      if (t->focused || t->nokeyfocus) return 0;
      t->focused = 1;
      vqterm_updatecursor(t);
      return 1;
    case VQCMD_FOCUSOUT:
      t->focused = 0;
      t->scroll_bar.dragging = 0;
      vqterm_updatecursor(t);
      return 0;
    case VQCMD_QUERY: return 1;
    case VQCMD_REFRESH: case VQCMD_REDRAWALL: vqterm_redraw(t); return 0;
    case VQCMD_TIMER: blink(t); return 0;
    case VQCMD_CHILDTEXT: vqterm_write(t, vqptr_join<const char>(a1, a2)); return 0;
    case VQCMD_CHILDCHAR: vqterm_putc(t, a1); return 0;
    case VQCMD_LINEUP: vqterm_lineup(t); return 0;
    case VQCMD_LINEDOWN: vqterm_linedown(t); return 0;
    case VQCMD_PAGEUP: vqterm_pageup(t); return 0;
    case VQCMD_PAGEDOWN: vqterm_pagedown(t); return 0;
    case VQCMD_SCROLLTOY: vqterm_scrollpercent(t, a1); return 0;
    default: return 0;
  }
}

}  // namespace

int vqTerminal::command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                        int a8) {
  vqTerminal* t = static_cast<vqTerminal*>(object);
  if (t == nullptr) return 0;
  if (command >= VQCMD_POINT && command <= VQCMD_GETHEIGHT)
    return vqterm_target(t, command, a1, a2, a3, a4, a5, a6, a7, a8);
  return event(t, command, a1, a2);
}
