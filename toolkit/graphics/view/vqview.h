// Graphic panels (vqView): a rectangle in a host (a window or another panel)
// that owns a pixmap, answers the drawing commands of vqtarget.h, hosts hit
// regions for embedded controls and posts event codes for mouse actions.
//
// Everything reaches a panel through vqView::command (object, command, eight
// integers): drawing commands 1001-1050, platform events 2001-2082 from its
// host, scroll commands 3008-3017 and the requests 8001-8027 of its children.
#pragma once

#include "vqcfgstr.h"
#include "vqhandler.h"
#include "vqpxmap.h"
#include "vqregion.h"

#include <cstdint>
#include <memory>

class vqGUIScript;   // the markup view laid out on a panel (controls)

// Indexes into vqView::events.
enum vqview_eventindex {
  VQEV_MAIN = 0, VQEV_LEFTDOWN, VQEV_LEFTUP, VQEV_MIDDLEDOWN, VQEV_MIDDLEUP, VQEV_RIGHTDOWN,
  VQEV_RIGHTUP, VQEV_LEFTDOUBLE, VQEV_RIGHTDOUBLE, VQEV_MOVE, VQEV_WHEELUP = 12, VQEV_WHEELDOWN = 13,
};

class vqView {
 public:
  vqView();
  ~vqView();
  vqView(const vqView&) = delete;
  vqView& operator=(const vqView&) = delete;

  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                     int a8);

  int events[16];
  int font;
  uint32_t theme[11];
  int border;
  uint32_t background;
  uint32_t transparent;
  uint32_t textcolor;
  vqhandler host_handler;
  void* host_object;
  vqmousecallback mouse_callback;
  void* callback_object;
  void (*main_event_function)();
  int child_id;
  uint8_t visible;
  uint8_t greyed;
  uint8_t created;
  uint8_t focused;
  uint8_t enabled;
  uint8_t nofocus;
  uint8_t mouse_captured;
  vqgeometry layout;
  vqpxmap* host_pixmap;
  uint8_t direct;
  int hovered_region, captured_region, focused_region;
  std::unique_ptr<vqregion[]> regions;
  int region_count, region_capacity;
  int last_mouse_x, last_mouse_y;
  uint8_t autorefresh;
  vqGUIScript* inner_view;     // set by the markup view when one is laid out here
  vqpxmap pixmap;
  int scroll_x, scroll_y;
  int centre_x, centre_y;
  uint8_t vscroll_allowed, hscroll_allowed;
  uint8_t nokeyscroll, wheelalways, autofocus;
  // Derived at configuration: which scrollbars are shown (drawn by the panel
  // itself, VQVIEW_SCROLLBAR pixels thick, inside its rectangle).
  uint8_t vscroll_shown, hscroll_shown;
};

enum { VQVIEW_SCROLLBAR = 16 };

// Configures (or reconfigures) the panel from an option string; the host is
// the current container. Returns true when the panel is configured.
bool vqgraphic_create(vqView* view, const char* format, ...);
void vqgraphic_refresh(vqView* view);
void vqgraphic_select(vqView* view);
void vqgraphic_destroy(vqView* view);

// Posts one of the panel's event codes (index into events) with a position:
// through the mouse callback when one is set, else into the event queue.
void vqgraphic_post(vqView* view, int index, int x, int y, int extra);
// The event queue carries only codes: the position the last code was posted
// with (pixmap coordinates of the posting panel), and the absolute position
// (host offset, 8006/8007, plus the host position) of the last button event.
void vqgraphic_lastevent(int* x, int* y);
void vqgraphic_lastabsolute(int* x, int* y);
// The keyboard focus among the panel's regions (its controls): the focused
// region's index or -1; setting -1 takes the focus from every region (keys
// then reach only the window's event codes), an index gives it to that
// region as Tab would. False when the region cannot take it.
int vqgraphic_getfocus(const vqView* view);
bool vqgraphic_setfocus(vqView* view, int region);

// Argument layout of the commands that carry texts, pixmaps or objects (each
// pointer in two integers, vqptr_split): 1019 x, y, color, text; 1020 x, y,
// w, h, color, text; 1021 y, color, text; 1022 options; 1023 x, y, name;
// 1024 x, y, graphic id, options; 1028 font text (lines ending in "\n");
// 1029 font name; 1034 source object (null: the panel itself; a registered
// container or else a vqView), sx, sy, dx, dy, w, h; 1036 text; 1045 x, y,
// pixmap; 1046 x, y, palette, graphic id. Commands that answer with a
// pointer (1041 pixmap, 1042 object, 8017 panel) write it where their first
// pointer argument points and return 1.
// A panel that draws directly (directdraw, opengl, nostandardview) draws
// into its host's pixmap in the host's coordinates.
