// What the files of the graphic panel share; not part of the toolkit's
// interface.
#pragma once

#include "vqview.h"

// Commands a panel receives from its host, and those it sends to it.
enum vqview_command {
  VQVIEW_DESTROY = 2001, VQVIEW_PAINT = 2002, VQVIEW_SIZE = 2003,
  VQVIEW_LEFTDOWN = 2004, VQVIEW_LEFTUP, VQVIEW_LEFTDOUBLE,
  VQVIEW_MIDDLEDOWN, VQVIEW_MIDDLEUP, VQVIEW_MIDDLEDOUBLE,
  VQVIEW_RIGHTDOWN, VQVIEW_RIGHTUP, VQVIEW_RIGHTDOUBLE,
  VQVIEW_WHEELUP, VQVIEW_WHEELDOWN, VQVIEW_MOVE,
  VQVIEW_KEYDOWN, VQVIEW_KEYUP, VQVIEW_FOCUSIN, VQVIEW_FOCUSOUT, VQVIEW_QUERY,
  VQVIEW_HOVEREND = 2024, VQVIEW_HOVERSTART = 2025, VQVIEW_REFRESH = 2026,
  VQVIEW_REFRESHDUE = 2028, VQVIEW_PASTE = 2033, VQVIEW_COPY, VQVIEW_CUT,
  VQVIEW_REDRAWALL = 2048, VQVIEW_SCROLLED = 2059, VQVIEW_REPAINT = 2066,
  VQVIEW_LINEUP = 3008, VQVIEW_LINEDOWN, VQVIEW_LINELEFT, VQVIEW_LINERIGHT,
  VQVIEW_PAGEUP, VQVIEW_PAGEDOWN, VQVIEW_SCROLLTOX = 3016, VQVIEW_SCROLLTOY = 3017,
  VQVIEW_ADDREGION = 8001, VQVIEW_REMOVEREGIONS, VQVIEW_MOVEREGION, VQVIEW_WIDTH,
  VQVIEW_HEIGHT, VQVIEW_ORIGINX, VQVIEW_ORIGINY, VQVIEW_SHOWRECT, VQVIEW_SHOWRECT0,
  VQVIEW_FOCUSREGION, VQVIEW_FOCUSNEXT, VQVIEW_SETSCROLLPOS, VQVIEW_HASSCROLLBARS,
  VQVIEW_PASS8014, VQVIEW_CAPTURE, VQVIEW_RELEASE, VQVIEW_GETPANEL, VQVIEW_STOPREFRESH,
  VQVIEW_BACKGROUND, VQVIEW_ISHIDDEN = 8021, VQVIEW_PASS8025 = 8025, VQVIEW_ABSX, VQVIEW_ABSY,
  VQVIEW_CHILDSCROLLED = 8028,
};

// The pixmap drawing commands write into: the panel's own, or its host's
// when it draws directly.
inline vqpxmap* vqview_surface(vqView* v) { return v->direct ? v->host_pixmap : &v->pixmap; }

// view_draw.cpp: drawing commands 1001-1050.
int vqview_draw(vqView* v, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                int a8);
// Copies a rectangle between pixmaps exactly (no transparency) where both
// hold 0x00RRGGBB words in memory, else through vqpxmap_merge. Clipped.
void vqview_copy(vqpxmap* dst, int dx, int dy, const vqpxmap* src, int sx, int sy, int w, int h);

// view_events.cpp: everything that is not a drawing command.
int vqview_event(vqView* v, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                 int a8);

// view_refresh.cpp
void vqview_refresh_rect(vqView* v, int x, int y, int w, int h);   // pixmap coordinates

// view_input.cpp
int vqview_mouse(vqView* v, int command, int x, int y);
int vqview_move(vqView* v, int x, int y);
int vqview_wheel(vqView* v, int command, int x, int y);
int vqview_key(vqView* v, int command, int key);
// Makes region `index` the focused one (the previous one gets 2019) and
// takes the focus in the host; false for a region that cannot take it.
bool vqview_focus_region(vqView* v, int index);
void vqview_focus_next(vqView* v);
void vqview_unfocus_region(vqView* v);

// view_scroll.cpp
void vqview_layout_scrollbars(vqView* v);
int vqview_shown_width(const vqView* v);    // panel area left of a vertical scrollbar
int vqview_shown_height(const vqView* v);   // panel area above a horizontal scrollbar
void vqview_scroll_by(vqView* v, int dx, int dy);
void vqview_scroll_to(vqView* v, int x, int y);
// Draws the shown scrollbars into the host pixmap.
void vqview_draw_scrollbars(vqView* v);
// A press at (x, y) relative to the panel's top-left: true when it hit a
// scrollbar (and scrolled).
bool vqview_scrollbar_press(vqView* v, int x, int y);

// view_requests.cpp
int vqview_request(vqView* v, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                   int a8);
// Sends the command to every region in use (a copy of the table, so that
// regions may remove themselves meanwhile).
void vqview_tell_regions(vqView* v, int command, int a1 = 0, int a2 = 0);
void vqview_free_regions(vqView* v);
// The panel's region table: it grows by VQVIEW_REGIONGROWTH slots when
// full, and a region's first column and row stay the panel's.
enum { VQVIEW_REGIONGROWTH = 100 };
inline vqregion_table vqview_regions(vqView* v) {
  return {v->regions.get(), &v->region_count, v->region_capacity, VQREGION_EDGE_HOST};
}
// Region index's record, or null unless it is in use.
inline vqregion* vqview_region(vqView* v, int index) { return vqregion_get(vqview_regions(v), index); }
inline const vqregion* vqview_region(const vqView* v, int index) {
  return vqview_region(const_cast<vqView*>(v), index);
}
