// Graphic panels (vqView): a rectangle in a host (a window or another panel)
// that owns a pixmap, answers the drawing commands of vqtarget.h, hosts hit
// regions for embedded controls and posts event codes for mouse actions.
//
// Everything reaches a panel through vqView::command (object, command, eight
// integers): the drawing commands, the events from its host, the scroll
// commands and the requests of its children, all named in vqcommand.h.
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
// (host offset, VQCMD_ORIGINX/VQCMD_ORIGINY, plus the host position) of the last button event.
void vqgraphic_lastevent(int* x, int* y);
void vqgraphic_lastabsolute(int* x, int* y);
// The keyboard focus among the panel's regions (its controls): the focused
// region's index or -1; setting -1 takes the focus from every region (keys
// then reach only the window's event codes), an index gives it to that
// region as Tab would. False when the region cannot take it.
int vqgraphic_getfocus(const vqView* view);
bool vqgraphic_setfocus(vqView* view, int region);

// Argument layout of the commands that carry texts, pixmaps or objects (each
// pointer in two integers, vqptr_split): TEXT x, y, color, text; TEXTBOX x,
// y, w, h, color, text; TEXTCENTRED y, color, text; SAVE options; PICTURE x,
// y, name; GRAPHIC x, y, graphic id, options; LOADFONT font text (lines
// ending in "\n"); SETFONTNAME font name; COPYRECT source object (null: the
// panel itself; a registered container or else a vqView), sx, sy, dx, dy, w,
// h; TEXTWIDTH text; DRAWPIXMAP x, y, pixmap; PALETTEGRAPHIC x, y, palette,
// graphic id (each VQCMD_...). Commands that answer with a pointer
// (VQCMD_GETPIXMAP, VQCMD_GETOBJECT, VQCMD_GETPANEL) write it where their
// first pointer argument points and return 1.
// A panel that draws directly (directdraw, opengl, nostandardview) draws
// into its host's pixmap in the host's coordinates.
