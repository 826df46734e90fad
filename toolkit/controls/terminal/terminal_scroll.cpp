// Scrolling through the scroll-back, and the terminal's own scroll bar:
// arrows a line, the trough a page, the thumb dragged to a position.
#include "terminal_internal.h"

#include <algorithm>

namespace {

int range(const vqTerminal* t) { return vqtermcells_maxtop(&t->cells); }

// Moves the first line shown; redraws when asked to, or when it changed.
void move_to(vqTerminal* t, int top, bool redraw_always) {
  if (!t->created || t->cells.scrollback == 0) return;
  top = std::clamp(top, 0, range(t));
  const bool changed = top != t->cells.top_line;
  t->cells.top_line = top;
  const bool redraw = changed || redraw_always;
  vqterm_syncbar(t, !redraw);
  if (redraw) vqterm_redraw(t);
}

// Position of a point on the track between the arrows, 0 to 100.
int track_percent(const vqTerminal* t, int py) {
  const vqterm_scrollbar& b = t->scroll_bar;
  const int button = std::min(b.w, b.h / 2), track = b.h - 2 * button;
  if (track <= 0) return 0;
  return std::clamp((py - b.y - button) * 100 / track, 0, 100);
}

}  // namespace

void vqterm_syncbar(vqTerminal* t, bool draw) {
  if (!t->scroll_bar.present) return;
  const int r = range(t);
  t->scroll_bar.position = r > 0 ? std::min(100, (t->cells.top_line * 100 + 100) / r) : 0;
  if (draw) vqterm_drawscrollbar(t);
}

void vqterm_lineup(vqTerminal* t) { move_to(t, t->cells.top_line - 1, true); }
void vqterm_linedown(vqTerminal* t) { move_to(t, t->cells.top_line + 1, true); }
void vqterm_pageup(vqTerminal* t) { move_to(t, t->cells.top_line - t->cells.visible_lines, true); }

void vqterm_pagedown(vqTerminal* t) {
  const int top = std::min(t->cells.top_line + t->cells.visible_lines, range(t) - 1);
  move_to(t, std::max(top, t->cells.top_line), true);
}

void vqterm_scrolltop(vqTerminal* t) { move_to(t, 0, true); }

void vqterm_scrollpercent(vqTerminal* t, int percent) {
  move_to(t, range(t) * std::clamp(percent, 0, 100) / 100, false);
}

bool vqterm_barmouse(vqTerminal* t, int command, int px, int py) {
  vqterm_scrollbar& b = t->scroll_bar;
  if (!b.present) return false;
  if (command == VQCMD_MOUSEMOVE || command == VQCMD_LEFTUP) {
    if (!b.dragging) return false;
    vqterm_scrollpercent(t, track_percent(t, py));
    if (command == VQCMD_LEFTUP) {
      b.dragging = 0;
      vqsend(t->host_handler, t->host_object, VQCMD_RELEASE, t->child_id);
    }
    return true;
  }
  if (px < b.x || px >= b.x + b.w || py < b.y || py >= b.y + b.h) return false;
  // The geometry vqdraw_vscrollbar draws: square arrow buttons while there
  // is room, a thumb of at least half a button.
  const int button = std::min(b.w, b.h / 2), track = b.h - 2 * button, at = py - b.y;
  const int thumb = std::max(track * b.size / 100, std::min(track, std::max(button / 2, 4)));
  const int top = button + (track - thumb) * std::clamp(b.position, 0, 100) / 100;
  if (at < button) {
    vqterm_lineup(t);
  } else if (at >= b.h - button) {
    vqterm_linedown(t);
  } else if (at < top) {
    vqterm_pageup(t);
  } else if (at >= top + thumb) {
    vqterm_pagedown(t);
  } else {
    b.dragging = 1;
    vqsend(t->host_handler, t->host_object, VQCMD_CAPTURE, t->child_id);
  }
  return true;
}
