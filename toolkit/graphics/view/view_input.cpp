// Input on a panel: mouse buttons, moves and the wheel routed to the hit
// regions under the pointer, keys to the focused region, the keyboard focus
// among the regions, and the panel's own event codes.
#include "view_internal.h"

#include "vqevent.h"

#include <algorithm>

namespace {

// Where the last event code was posted from (pixmap coordinates), and the
// absolute position of the last button event (pop-up menus open there).
int g_event_x = 0, g_event_y = 0;
int g_absolute_x = 0, g_absolute_y = 0;

int event_index(int command) {
  switch (command) {
    case VQCMD_LEFTDOWN: return VQEV_LEFTDOWN;
    case VQCMD_LEFTUP: return VQEV_LEFTUP;
    case VQCMD_LEFTDOUBLE: return VQEV_LEFTDOUBLE;
    case VQCMD_MIDDLEDOWN: return VQEV_MIDDLEDOWN;
    case VQCMD_MIDDLEUP: return VQEV_MIDDLEUP;
    case VQCMD_RIGHTDOWN: return VQEV_RIGHTDOWN;
    case VQCMD_RIGHTUP: return VQEV_RIGHTUP;
    case VQCMD_RIGHTDOUBLE: return VQEV_RIGHTDOUBLE;
    case VQCMD_WHEELUP: return VQEV_WHEELUP;
    case VQCMD_WHEELDOWN: return VQEV_WHEELDOWN;
    default: return VQEV_MOVE;
  }
}

int to_pixmap_x(const vqView* v, int x) { return x - v->layout.x - v->centre_x + v->scroll_x; }
int to_pixmap_y(const vqView* v, int y) { return y - v->layout.y - v->centre_y + v->scroll_y; }

// Sends to region i if it is still there (handlers may remove regions).
void tell(vqView* v, int i, int command, int a1 = 0, int a2 = 0) {
  const vqregion* r = vqview_region(v, i);
  if (r == nullptr) return;
  const vqregion copy = *r;
  vqsend(copy.handler, copy.object, command, a1, a2);
}

// The next region from index `from` on that takes the mouse at the point.
int hit(vqView* v, int from, int px, int py) { return vqregion_hit(vqview_regions(v), from, px, py); }

bool focusable(vqView* v, int i) {
  const vqregion* r = vqview_region(v, i);
  return r != nullptr && r->focusable;
}

void take_focus(vqView* v) {
  if (v->focused || v->nofocus) return;
  v->focused = 1;
  vqsend(v->host_handler, v->host_object, VQCMD_FOCUSREGION, v->child_id);
}

int wheel_step(const vqView* v) { return std::max(1, v->layout.height / 20); }

}  // namespace

void vqgraphic_post(vqView* v, int index, int x, int y, int extra) {
  if (!v || index < 0 || index >= 16) return;
  g_event_x = x;
  g_event_y = y;
  if (index == VQEV_MAIN && v->main_event_function) v->main_event_function();
  int code = v->events[index];
  if (v->mouse_callback)
    v->mouse_callback(v->callback_object, code, x, y, extra);
  else
    vqpostevent(code);
}

void vqgraphic_lastevent(int* x, int* y) {
  if (x) *x = g_event_x;
  if (y) *y = g_event_y;
}

void vqgraphic_lastabsolute(int* x, int* y) {
  if (x) *x = g_absolute_x;
  if (y) *y = g_absolute_y;
}

int vqview_mouse(vqView* v, int command, int x, int y) {
  if (!v->created || !v->enabled || command == VQCMD_MIDDLEDOUBLE) return 0;
  int px = to_pixmap_x(v, x), py = to_pixmap_y(v, y);
  if (command == VQCMD_RIGHTDOUBLE) {
    vqgraphic_post(v, VQEV_RIGHTDOUBLE, px, py, 0);
    return 0;
  }
  bool press = command == VQCMD_LEFTDOWN || command == VQCMD_LEFTDOUBLE;
  if (press) take_focus(v);
  g_absolute_x = vqsend(v->host_handler, v->host_object, VQCMD_ORIGINX) + x;
  g_absolute_y = vqsend(v->host_handler, v->host_object, VQCMD_ORIGINY) + y;
  if (vqview_region(v, v->captured_region)) {
    tell(v, v->captured_region, command, px, py);
  } else {
    if (y < v->layout.y && !v->mouse_captured) return 0;
    if ((press || command == VQCMD_RIGHTDOWN) &&
        vqview_scrollbar_press(v, x - v->layout.x, y - v->layout.y))
      return 1;
    bool received = false;
    for (int i = hit(v, 0, px, py); i >= 0; i = hit(v, i + 1, px, py)) {
      tell(v, i, command, px, py);
      received = true;
    }
    if (press && !received) vqview_unfocus_region(v);
  }
  vqgraphic_post(v, event_index(command), px, py, 0);
  return 0;
}

int vqview_move(vqView* v, int x, int y) {
  if (!v->created || !v->enabled) return 0;
  int px = to_pixmap_x(v, x), py = to_pixmap_y(v, y);
  v->last_mouse_x = px;
  v->last_mouse_y = py;
  if (vqview_region(v, v->captured_region)) {
    tell(v, v->captured_region, VQCMD_MOUSEMOVE, px, py);
  } else {
    int hovered = -1;
    for (int i = hit(v, 0, px, py); i >= 0; i = hit(v, i + 1, px, py)) {
      tell(v, i, VQCMD_MOUSEMOVE, px, py);
      if (const vqregion* r = vqview_region(v, i); r != nullptr && r->hover) hovered = i;
    }
    if (hovered != v->hovered_region) {
      int old = v->hovered_region;
      v->hovered_region = hovered;
      tell(v, old, VQCMD_HOVEREND);
      tell(v, hovered, VQCMD_HOVERSTART);
    }
  }
  vqgraphic_post(v, VQEV_MOVE, px, py, 0);
  return 0;
}

int vqview_wheel(vqView* v, int command, int x, int y) {
  if (!v->created || !v->enabled) return 0;
  int px = to_pixmap_x(v, x), py = to_pixmap_y(v, y);
  if (vqview_region(v, v->focused_region) && !v->wheelalways)
    tell(v, v->focused_region, command, px, py);
  else
    vqview_scroll_by(v, 0, command == VQCMD_WHEELUP ? -wheel_step(v) : wheel_step(v));
  vqgraphic_post(v, event_index(command), px, py, 0);
  return 0;
}

int vqview_key(vqView* v, int command, int key) {
  if (!v->created || !v->enabled) return 0;
  bool down = command == VQCMD_KEYDOWN;
  if (vqview_region(v, v->focused_region)) {
    tell(v, v->focused_region, command, key);
  } else if (down && !v->nokeyscroll) {
    if (key == VQKEY_UP) vqview_scroll_by(v, 0, -wheel_step(v));
    if (key == VQKEY_DOWN) vqview_scroll_by(v, 0, wheel_step(v));
  }
  if (down && key == VQKEY_ESCAPE) vqview_unfocus_region(v);
  if (down && key == VQKEY_TAB) {
    const vqregion* focused = vqview_region(v, v->focused_region);
    bool keeps = focused != nullptr && focused->keeptab;
    if (!keeps) vqview_focus_next(v);
  }
  return 0;
}

bool vqview_focus_region(vqView* v, int index) {
  if (!focusable(v, index)) return false;
  if (v->focused_region != index) {
    int old = v->focused_region;
    v->focused_region = index;
    tell(v, old, VQCMD_FOCUSOUT);
  }
  take_focus(v);
  return true;
}

void vqview_unfocus_region(vqView* v) {
  int old = v->focused_region;
  v->focused_region = -1;
  tell(v, old, VQCMD_FOCUSOUT);
}

void vqview_focus_next(vqView* v) {
  int n = v->region_count;
  for (int k = 1; k <= n; k++) {
    int i = ((v->focused_region < 0 ? -1 : v->focused_region) + k) % n;
    if (i == v->focused_region) return;
    if (!focusable(v, i)) continue;
    int old = v->focused_region;
    v->focused_region = i;
    tell(v, old, VQCMD_FOCUSOUT);
    tell(v, i, VQCMD_FOCUSIN);
    take_focus(v);
    return;
  }
}

int vqgraphic_getfocus(const vqView* v) {
  return v != nullptr && v->created && vqview_region(v, v->focused_region) ? v->focused_region : -1;
}

bool vqgraphic_setfocus(vqView* v, int region) {
  if (v == nullptr || !v->created) return false;
  if (region < 0) {
    vqview_unfocus_region(v);
    return true;
  }
  if (region == v->focused_region) return true;
  if (!vqview_focus_region(v, region)) return false;
  tell(v, region, VQCMD_FOCUSIN);
  return true;
}
