// Top-level windows (vqWindow) and the screen and interface metrics.
//
// A window is a platform window whose client area is one pixmap of exactly
// the requested size, with optional menu bar, toolbar and status bar and one
// main graphic panel over the rest. vqwindow_open("title,x=50%,xs=400,...")
// opens it; afterwards the main panel is the current container and the
// drawing target, and input arrives as event codes in the event queue.
// Nothing reaches the screen before the program has started (first
// vqwaitevent, vqpollevent or vqwait).
#pragma once

#include "vqcfgstr.h"
#include "vqhandler.h"
#include "vqpxmap.h"
#include "vqview.h"

#include <cstdint>

struct vqwindow_platform {
  int handle;                // platform window, 0 while closed
  vqhandler handler;
  void* object;
  int x, y, outer_w, outer_h;
  vqpxmap pixmap;            // client size, 0x00RRGGBB; shown only through the handler
};

class vqWindow {
 public:
  vqWindow();
  ~vqWindow();
  vqWindow(const vqWindow&) = delete;
  vqWindow& operator=(const vqWindow&) = delete;

  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                     int a8);

  int events[16];
  int font;
  vqgeometry layout;
  vqwindow_platform platform;
  char title[100];
  uint32_t background;
  uint8_t quit_allowed;
  uint8_t close_allowed;
  uint8_t draw;
  int menu_height, status_height, toolbar_height;
  int max_width, max_height;
  vqView panels[10];
  vqView toolbar;
  vqView menubar;
  vqView statusbar;          // the status bar is drawn as a plain panel
  int window_events[10];
  uint8_t created;
  // Input state kept between platform messages.
  unsigned modifiers;        // 1 Shift, 2 Alt, 4 Control
  uint8_t keypad_digits;     // keypad digit keys type their digits, NumLock on or off
  char dropped_file[261];
  // The window container's children (bars and main panel) as the regions
  // they registered with VQCMD_ADDREGION, in client coordinates.
  vqregion children[16];
  int child_count;
  int captured_child;        // index into children, -1 none
  int hovered_child;         // child that had the last mouse move, -1 none
  // While a whole-window update runs, the copies the panels ask for wait
  // for one presentation of the whole client area.
  uint8_t batching;
};

// Indexes into vqWindow::window_events.
enum vqwindow_eventindex {
  VQWEV_FOCUS = 0, VQWEV_UNFOCUS, VQWEV_MOVED, VQWEV_RESIZED, VQWEV_ACTIVATED, VQWEV_DEACTIVATED,
  VQWEV_REPAINT, VQWEV_DROPPED, VQWEV_MINIMISED, VQWEV_MENU,
};

// Opens the window; false (and one diagnostic line) when the platform window
// cannot be created.
bool vqwindow_open(vqWindow* window, const char* format, ...);
void vqwindow_close(vqWindow* window);
int vqwindow_mousex(vqWindow* window);
// While on, the digit keys of the numeric keypad type their digits whatever
// NumLock says (a game that takes answers by digit); off (as opened), with
// NumLock off they are the navigation keys printed on them.
void vqwindow_keypad_digits(vqWindow* window, bool on);
int vqwindow_mousey(vqWindow* window);

// Saves what the window shows on the screen as a PNG file, with the
// toolkit's own writer; false (and one diagnostic line) when the window is
// not open or the file cannot be written.
bool vqwindow_screenshot(vqWindow* window, const char* file);

int vqscreen_metric(const char* name);
int vqgui_metric(const char* name);
