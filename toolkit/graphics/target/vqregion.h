// Hit regions: the rectangles a host (a window, a panel) keeps for the
// objects placed in it, through which it passes them the mouse, hover and
// the keyboard focus. A child asks for one with command VQCMD_ADDREGION and a
// vqregion_request; the host answers with the region's index.
//
// Panels and windows keep their regions in one kind of table and differ only
// in their rules: a panel's table grows and keeps a region's first column
// and row for the panel itself, a window's has a fixed number of slots and
// gives a region every pixel of its rectangle.
#pragma once

#include "vqhandler.h"

#include <cstdint>

// Flags of a hit region (VQCMD_ADDREGION).
enum vqregion_flags : unsigned {
  VQREGION_MOUSE = 1,        // takes mouse events
  VQREGION_FOCUSABLE = 2,    // forced off when the panel takes no focus
  VQREGION_HOVER = 4,        // hover tracking (2024 / 2025)
  VQREGION_SCROLLBARS = 8,   // has scrollbars
  VQREGION_KEEPTAB = 16,     // keeps the Tab key
};

struct vqregion {
  uint8_t in_use;
  int32_t x, y, w, h;        // pixmap coordinates of the panel
  void* object;
  vqhandler handler;
  uint8_t mouse, focusable, hover, scrollbars, keeptab;
};

// What VQCMD_ADDREGION carries (as one pointer in a1/a2): the region to add.
struct vqregion_request {
  vqhandler handler;
  void* object;
  int x, y, w, h;
  unsigned flags;
};

// The hit region a request asks for, in use (panels and windows alike).
vqregion vqregion_of(const vqregion_request& q);

// The child's side: asks the host for the region (VQCMD_ADDREGION); the host's answer,
// the region's index (-1 when it had no room, 0 from a host that keeps no
// regions).
int vqregion_ask(vqhandler host, void* host_object, const vqregion_request& q);

// Whose the first column and row of a region's rectangle (x, y, w, h) are.
enum vqregion_edge {
  VQREGION_EDGE_HOST,     // the host's: x < px < x + w, y < py < y + h
  VQREGION_EDGE_REGION,   // the region's: x <= px < x + w, y <= py < y + h
};

bool vqregion_contains(const vqregion& r, int px, int py, vqregion_edge edge);

// One owner's table seen through its own fields: the slots, how many of them
// the table spans (every slot in use lies below *count), how many there are
// and the owner's edge rule. Made afresh for each call, so that an owner may
// move its slots between calls.
struct vqregion_table {
  vqregion* slots;
  int* count;
  int capacity;
  vqregion_edge edge;
};

// The region at index, or null unless it is in use.
vqregion* vqregion_get(const vqregion_table& t, int index);
// The first region from index `from` on that takes the mouse and holds the
// point; -1 when none does.
int vqregion_hit(const vqregion_table& t, int from, int px, int py);
// Puts the region into the first free slot and returns its index; -1 when
// every one of the capacity slots is in use (the owner may then grow the
// table and ask again).
int vqregion_add(const vqregion_table& t, const vqregion_request& q);
// Frees every region of the object; the table then spans up to its last
// region in use.
void vqregion_remove(const vqregion_table& t, void* object);
// Gives a region in use a new rectangle (8003); false for any other index.
bool vqregion_move(const vqregion_table& t, int index, int x, int y, int w, int h);
