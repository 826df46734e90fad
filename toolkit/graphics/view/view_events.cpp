// What a panel's host tells it (platform events passed down, refreshes,
// focus) and the scroll commands; drawing commands and the requests of the
// panel's own children are handled elsewhere.
#include "view_internal.h"

#include "vqevent.h"
#include "vqframe.h"

#include <algorithm>

int vqview_event(vqView* v, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                 int a8) {
  if (command >= VQVIEW_ADDREGION && command <= VQVIEW_CHILDSCROLLED)
    return vqview_request(v, command, a1, a2, a3, a4, a5, a6, a7, a8);
  int line = std::max(1, v->layout.height / 20);
  int column = std::max(1, v->layout.width / 20);
  int page = std::max(1, v->layout.height / 5);
  switch (command) {
    case VQVIEW_DESTROY: vqgraphic_destroy(v); return 0;
    case VQVIEW_PAINT: return vqsend(v->host_handler, v->host_object, VQVIEW_REPAINT, a1, a2, a3, a4);
    case VQVIEW_SIZE:
      vqview_tell_regions(v, VQVIEW_REFRESH);
      vqgraphic_refresh(v);
      return 0;
    case VQVIEW_LEFTDOWN: case VQVIEW_LEFTUP: case VQVIEW_LEFTDOUBLE:
    case VQVIEW_MIDDLEDOWN: case VQVIEW_MIDDLEUP: case VQVIEW_MIDDLEDOUBLE:
    case VQVIEW_RIGHTDOWN: case VQVIEW_RIGHTUP: case VQVIEW_RIGHTDOUBLE:
      return vqview_mouse(v, command, a1, a2);
    case VQVIEW_WHEELUP: case VQVIEW_WHEELDOWN: return vqview_wheel(v, command, a1, a2);
    case VQVIEW_MOVE: return vqview_move(v, a1, a2);
    case VQVIEW_KEYDOWN: case VQVIEW_KEYUP: return vqview_key(v, command, a1);
    case VQVIEW_FOCUSIN:
      if (v->focused || v->nofocus) return 0;
      v->focused = 1;
      return 1;
    case VQVIEW_FOCUSOUT: v->focused = 0; return 0;
    case VQVIEW_QUERY: return 1;
    case VQVIEW_HOVEREND:
      vqview_tell_regions(v, VQVIEW_HOVEREND);
      v->hovered_region = -1;
      return 0;
    case VQVIEW_REFRESH: vqgraphic_refresh(v); return 0;
    case VQVIEW_REFRESHDUE:
      if (v->created && v->visible && vqframe_started()) vqgraphic_refresh(v);
      return 0;
    case VQVIEW_PASTE: case VQVIEW_COPY: case VQVIEW_CUT:
      if (const vqregion* r = vqview_region(v, v->focused_region))
        return vqsend(r->handler, r->object, command);
      vqpostevent(command);
      return 0;
    case VQVIEW_REDRAWALL:
      vqview_tell_regions(v, VQVIEW_REDRAWALL);
      vqgraphic_refresh(v);
      return 0;
    case VQVIEW_LINEUP: vqview_scroll_by(v, 0, -line); return 0;
    case VQVIEW_LINEDOWN: vqview_scroll_by(v, 0, line); return 0;
    case VQVIEW_LINELEFT: vqview_scroll_by(v, -column, 0); return 0;
    case VQVIEW_LINERIGHT: vqview_scroll_by(v, column, 0); return 0;
    case VQVIEW_PAGEUP: vqview_scroll_by(v, 0, -page); return 0;
    case VQVIEW_PAGEDOWN: vqview_scroll_by(v, 0, page); return 0;
    case VQVIEW_SCROLLTOX: vqview_scroll_to(v, a1, v->scroll_y); return 0;
    case VQVIEW_SCROLLTOY: vqview_scroll_to(v, v->scroll_x, a1); return 0;
    default: return 0;
  }
}
