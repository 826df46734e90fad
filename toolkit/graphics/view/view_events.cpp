// What a panel's host tells it (platform events passed down, refreshes,
// focus) and the scroll commands; drawing commands and the requests of the
// panel's own children are handled elsewhere.
#include "view_internal.h"

#include "vqevent.h"
#include "vqframe.h"

#include <algorithm>

int vqview_event(vqView* v, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                 int a8) {
  if (command >= VQCMD_ADDREGION && command <= VQCMD_CHILDSCROLLED)
    return vqview_request(v, command, a1, a2, a3, a4, a5, a6, a7, a8);
  int line = std::max(1, v->layout.height / 20);
  int column = std::max(1, v->layout.width / 20);
  int page = std::max(1, v->layout.height / 5);
  switch (command) {
    case VQCMD_CLOSE: vqgraphic_destroy(v); return 0;
    case VQCMD_PAINT: return vqsend(v->host_handler, v->host_object, VQCMD_REPAINT, a1, a2, a3, a4);
    case VQCMD_SIZE:
      vqview_tell_regions(v, VQCMD_REFRESH);
      vqgraphic_refresh(v);
      return 0;
    case VQCMD_LEFTDOWN: case VQCMD_LEFTUP: case VQCMD_LEFTDOUBLE:
    case VQCMD_MIDDLEDOWN: case VQCMD_MIDDLEUP: case VQCMD_MIDDLEDOUBLE:
    case VQCMD_RIGHTDOWN: case VQCMD_RIGHTUP: case VQCMD_RIGHTDOUBLE:
      return vqview_mouse(v, command, a1, a2);
    case VQCMD_WHEELUP: case VQCMD_WHEELDOWN: return vqview_wheel(v, command, a1, a2);
    case VQCMD_MOUSEMOVE: return vqview_move(v, a1, a2);
    case VQCMD_KEYDOWN: case VQCMD_KEYUP: return vqview_key(v, command, a1);
    case VQCMD_FOCUSIN:
      if (v->focused || v->nofocus) return 0;
      v->focused = 1;
      return 1;
    case VQCMD_FOCUSOUT: v->focused = 0; return 0;
    case VQCMD_QUERY: return 1;
    case VQCMD_HOVEREND:
      vqview_tell_regions(v, VQCMD_HOVEREND);
      v->hovered_region = -1;
      return 0;
    case VQCMD_REFRESH: vqgraphic_refresh(v); return 0;
    case VQCMD_REFRESHDUE:
      if (v->created && v->visible && vqframe_started()) vqgraphic_refresh(v);
      return 0;
    case VQCMD_PASTE: case VQCMD_COPY: case VQCMD_CUT:
      if (const vqregion* r = vqview_region(v, v->focused_region))
        return vqsend(r->handler, r->object, command);
      vqpostevent(command);
      return 0;
    case VQCMD_REDRAWALL:
      vqview_tell_regions(v, VQCMD_REDRAWALL);
      vqgraphic_refresh(v);
      return 0;
    case VQCMD_LINEUP: vqview_scroll_by(v, 0, -line); return 0;
    case VQCMD_LINEDOWN: vqview_scroll_by(v, 0, line); return 0;
    case VQCMD_LINELEFT: vqview_scroll_by(v, -column, 0); return 0;
    case VQCMD_LINERIGHT: vqview_scroll_by(v, column, 0); return 0;
    case VQCMD_PAGEUP: vqview_scroll_by(v, 0, -page); return 0;
    case VQCMD_PAGEDOWN: vqview_scroll_by(v, 0, page); return 0;
    case VQCMD_SCROLLTOX: vqview_scroll_to(v, a1, v->scroll_y); return 0;
    case VQCMD_SCROLLTOY: vqview_scroll_to(v, v->scroll_x, a1); return 0;
    default: return 0;
  }
}
