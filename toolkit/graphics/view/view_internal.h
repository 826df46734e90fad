// What the files of the graphic panel share; not part of the toolkit's
// interface.
#pragma once

#include "vqview.h"
#include "vqkeys.h"

// The pixmap drawing commands write into: the panel's own, or its host's
// when it draws directly.
inline vqpxmap* vqview_surface(vqView* v) { return v->direct ? v->host_pixmap : &v->pixmap; }

// view_draw.cpp: the drawing commands (VQCMD_POINT to VQCMD_MOUSEY).
int vqview_draw(vqView* v, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                int a8);
// Copies a rectangle between two different pixmaps exactly (no
// transparency) where both hold 0x00RRGGBB words in memory, else through
// vqpxmap_merge. Clipped. A copy within one pixmap takes the part out first.
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
// Makes region `index` the focused one (the previous one gets VQCMD_FOCUSOUT) and
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
