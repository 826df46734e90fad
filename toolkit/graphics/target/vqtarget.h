// The drawing target, the container registry and the deferred-refresh list.
//
// The drawing target is one process-wide (handler, object) pair; every
// drawing function below sends its numbered command to it and returns 0
// without doing anything while there is none. Text, pixmap and object
// arguments travel as two integers each (vqptr_split in vqhandler.h), so a
// handler reads the text of vqtext from a4/a5.
//
// Containers are the pixmaps that new panels and controls are placed in (a
// window's pixmap, a panel's pixmap); the current one is the host of the next
// object that is created.
#pragma once

#include "vqhandler.h"
#include "vqpxmap.h"

#include <cstdint>

// ---- drawing target ----------------------------------------------------------

void vqtarget_set(vqhandler handler, void* object);
void vqtarget_clear(vqhandler handler, void* object);   // only if it is this pair
int vqtarget_send(int command, int a1 = 0, int a2 = 0, int a3 = 0, int a4 = 0, int a5 = 0, int a6 = 0,
                  int a7 = 0, int a8 = 0);
void vqtarget_save();
void vqtarget_restore();
vqhandler vqtarget_handler();
void* vqtarget_current();

// vqpoint is inline: see the points' fast path below.
int vqgetpixel(int x, int y);
int vqline(int x1, int y1, int x2, int y2, int32_t color);
int vqfillrect(int x, int y, int w, int h, int32_t color);
int vqsetfont(int font);
int vqsetfontname(const char* name);
int vqtext(int x, int y, int32_t color, const char* text);
int vqprintf(int x, int y, int32_t color, const char* format, ...) __attribute__((format(printf, 4, 5)));
int vqchar(int x, int y, int32_t color, int character);
int vqclear(int32_t color);
int vqpicturef(const char* format, ...) __attribute__((format(printf, 1, 2)));
int vqgraphicf(int graphic, const char* format, ...) __attribute__((format(printf, 2, 3)));
int vqdrawpixmap(int x, int y, const vqpxmap* pixmap);
int vqtextwidth(const char* text);
int vqfontheight();
int vqrefresh();
vqpxmap* vqtargetpixmap();
void* vqtargetobject();
int vqtargetwidth();
int vqtargetheight();

// ---- container registry (100 entries) --------------------------------------

struct vqcontainer {
  uint8_t in_use;
  uint8_t deferred_first_refresh;
  vqpxmap* pixmap;
  vqhandler handler;
  void* object;
  uint32_t background;
};

// Registers (or updates) the object's entry and makes it current; returns
// the entry's index. With deferred_first_refresh the object gets
// VQCMD_FIRSTREFRESH once, when the program starts.
int vqcontainer_register(vqpxmap* pixmap, vqhandler handler, void* object, uint32_t background,
                         bool deferred_first_refresh);
// Removes the object's entry; removing the current one makes the nearest
// used entry below it current (never entry 0 by that fallback).
void vqcontainer_remove(void* object);
// The current container, or null when there is none.
const vqcontainer* vqcontainer_current();
const vqcontainer* vqcontainer_find(void* object);
void vqcontainer_save();
void vqcontainer_restore();

// ---- deferred refresh (25 slots, served every 200 ms) -----------------------

// Lists the object for VQCMD_REFRESHDUE at the next 200 ms tick (once; silently
// dropped when all slots are taken). Starts the service timer on first use.
void vqrefresh_defer(vqhandler handler, void* object);
// The object listed last while it is still listed, else null: drawing comes
// in bursts from one object, and this spares each command of a burst the
// call and the search.
extern void* vqrefresh_last_listed;
inline void vqrefresh_defer_burst(vqhandler handler, void* object) {
  if (object != vqrefresh_last_listed) vqrefresh_defer(handler, object);
}
void vqrefresh_forget(void* object);
// Empties the list without refreshing (every copy to the screen does this).
void vqrefresh_clear();
int vqrefresh_pending();

// ---- the points' fast path --------------------------------------------------

// Pictures drawn pixel by pixel send hundreds of thousands of points. While
// the target's pixels are a truecolor pixmap in memory whose changes need
// nothing more (its refresh is already listed, or it does not refresh by
// itself), the target arms this and vqpoint writes the pixel in place
// instead of sending VQCMD_POINT. Every change of the target and of the
// deferred-refresh list disarms it; format, size and pixels are read at
// each use, so a converted, resized or freed pixmap is never written past.
extern vqpxmap* vqtarget_pointpixmap;
// Called by the target itself, from its answer to VQCMD_POINT.
void vqtarget_arm_points(void* target, vqpxmap* pm);
int vqpoint_send(int x, int y, int32_t color);

inline int vqpoint(int x, int y, int32_t color) {
  if (vqpxmap* pm = vqtarget_pointpixmap) {
    // One test for format and mirroring, one unsigned compare per axis.
    unsigned w = static_cast<unsigned>(pm->width), h = static_cast<unsigned>(pm->height);
    if (((pm->format ^ VQPX_TRUECOLOR) | static_cast<int>(pm->mirror_to_window)) == 0 &&
        static_cast<unsigned>(x) < w && static_cast<unsigned>(y) < h && pm->data) {
      reinterpret_cast<uint32_t*>(pm->data)[static_cast<size_t>(y) * w + static_cast<unsigned>(x)] =
          static_cast<uint32_t>(color);
      return 0;
    }
  }
  return vqpoint_send(x, y, color);
}
