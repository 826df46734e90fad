// What the window files share: the options an opening reads, the frame
// arithmetic, the window procedure and the screen copies.
#pragma once

#include "vqplatform.h"
#include "vqwindow.h"

#include <cstdint>

// Everything an opening's options decide, before anything is created.
struct vqwindow_options {
  int pixmap_width, pixmap_height;   // of the main panel; 0 = the window's size
  bool x_given;
  uint8_t fullscreen, modal, sysmenu, resize, maximized;
  uint8_t noquit, noclose, popup, notitle, nodraw, nostandardview;
  bool setwindowsize, invisible, ownpxmap;
};

// Formats nothing: takes the split token list of the formatted text, the
// unformatted format (for the whole-string words and their numbers) and the
// formatted text (where a word handed in by a conversion, "%s", is found as
// well), fills the window's title, layout, flags and bar heights and returns
// what else was read. The tokens it recognised are consumed; the rest is
// left for the main panel.
void vqwindow_read_options(vqWindow* window, char** tokens, const char* format, const char* formatted,
                           vqwindow_options* options);

// The platform window's frame for a client area of w x h.
struct vqwindow_frame {
  unsigned flags;                   // vqplatform_winflags
  int outer_w, outer_h;
};
vqwindow_frame vqwindow_frame_for(const vqWindow* window, const vqwindow_options& options, int w, int h);

// Creates the platform window with a client area of exactly w x h; false
// when the platform refuses (it says why).
bool vqwindow_create_platform(vqWindow* window, const vqwindow_options& options, int w, int h);

// The window procedure: platform messages into commands of the handler.
void vqwindow_proc(void* object, const vqplatform_msg* msg);

// The requests of the window's children (VQCMD_ADDREGION onwards).
int vqwindow_child_request(vqWindow* window, int command, int a1, int a2, int a3, int a4, int a5, int a6);
// Mouse commands (VQCMD_LEFTDOWN to VQCMD_MOUSEMOVE) to the child under the pointer or holding
// the capture; the main panel when none is.
int vqwindow_route_mouse(vqWindow* window, int command, int x, int y);

// Copies a rectangle of the window pixmap to the screen (clipped); nothing
// before the program has started or while the window does not paint.
void vqwindow_copy_to_screen(vqWindow* window, int x, int y, int w, int h);
// Brings the whole window up to date on the screen in one presentation:
// the panels redraw into the window pixmap, then the client area is copied.
void vqwindow_update_all(vqWindow* window);
