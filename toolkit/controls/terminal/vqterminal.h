// The terminal control (vqTerminal): a grid of character cells with an
// optional scroll-back buffer and scroll bar, drawn in one bitmap font onto
// the pixmap of the container it was created in (usually a graphic panel,
// which routes mouse, wheel and key events to it as a hit region).
//
// Text goes in through the escape-sequence decoder (vqansi.h) into the cells
// (vqtermcells.h); the terminal draws what changed, blinks its cursor on a
// 250 ms toolkit timer, collects typed keys for vqterm_getkey and friends,
// can copy what it prints to a log file, and answers the drawing commands of
// vqtarget.h by drawing into its background pixmap, under the text.
#pragma once

#include "vqansi.h"
#include "vqcolor.h"
#include "vqhandler.h"
#include "vqpxmap.h"
#include "vqtermcells.h"

#include <cstdint>
#include <cstdio>

enum { VQTERM_KEYRING = 32, VQTERM_PALETTE = 16 };

// Palette of the colour indexes 1 to 15; index 0 is the text colour for the
// foreground and no fill for the background.
extern const uint32_t vqterm_palette[VQTERM_PALETTE];

struct vqterm_scrollbar {
  uint8_t present;
  int x, y, w, h;        // in the host pixmap
  int position, size;    // thumb position and length, percent
  uint8_t dragging;
};

class vqTerminal {
 public:
  vqTerminal();
  ~vqTerminal();
  vqTerminal(const vqTerminal&) = delete;
  vqTerminal& operator=(const vqTerminal&) = delete;

  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                     int a8);

  uint8_t created;
  uint8_t drawing_enabled;   // clear: writes change cells but draw nothing
  uint8_t focused;
  uint8_t nokeyfocus, greyed;
  int x, y, width, height;   // in the host pixmap
  int border;                // non-zero: a sunken frame just outside the rectangle
  uint32_t background_color;
  uint32_t text_color;
  uint32_t transparent_color;
  int font;
  int cell_width, line_height;
  // Columns, lines, visible lines, scroll-back, first line shown, cursor,
  // current colour indexes, word break and the word being collected.
  vqterm_cells cells;
  uint8_t cursor_on;
  uint8_t blink_phase;       // per terminal, so that two blinking terminals do not cancel out
  uint8_t cursor_forced;     // vqterm_getkey shows the cursor while it waits
  uint8_t cursor_drawn;      // a cursor is on the screen at cursor_drawn_col, _row
  int cursor_drawn_col, cursor_drawn_row;
  uint8_t directdraw;
  uint8_t nostandardview;
  char logfile[261];
  FILE* log;
  int keys[VQTERM_KEYRING];
  int key_read, key_write, key_count;
  // Connection to a child process whose output is shown and which gets the
  // typed keys. Nothing sets it yet: the hook stays for when there is one.
  void* child;
  void (*child_send)(void* child, int c);
  vqAnsiDecoder decoder;
  vqpxmap background;        // width x height, drawn under the text
  vqterm_scrollbar scroll_bar;
  uint32_t theme[VQCOLOR_THEMECOUNT];
  vqhandler host_handler;
  void* host_object;
  vqpxmap* host_pixmap;
  int child_id;              // the region the host gave us, -1 none
  int draw_font;             // font of the text drawing commands into the background
  uint8_t saved_drawing;     // vqterm_suspend / vqterm_resume
};

// Creates (or re-creates) the terminal from an option string in the current
// container. False with one diagnostic line when it cannot be created.
bool vqterm_create(vqTerminal* t, const char* format, ...);
void vqterm_destroy(vqTerminal* t);

void vqterm_write(vqTerminal* t, const char* text);
void vqterm_printf(vqTerminal* t, const char* format, ...);
void vqterm_putc(vqTerminal* t, int c);
void vqterm_clear(vqTerminal* t);
void vqterm_setcursor(vqTerminal* t, int column, int row);
void vqterm_redraw(vqTerminal* t);

// Keys typed while the terminal has the focus. getkey and the two below wait
// (running the event loop) and return 0 / null once the program is ending.
int vqterm_getkey(vqTerminal* t);
int vqterm_getchar(vqTerminal* t);
// Reads a line with echo into buffer (size bytes, terminator included).
char* vqterm_readline(vqTerminal* t, char* buffer, int size);
bool vqterm_keyavailable(const vqTerminal* t);
// Puts a key into the ring as a key event does (codes below 255).
void vqterm_addkey(vqTerminal* t, int key);

bool vqterm_loadfile(vqTerminal* t, const char* filename);
int vqterm_lines(const vqTerminal* t);
int vqterm_columns(const vqTerminal* t);
void vqterm_suspend(vqTerminal* t);
void vqterm_resume(vqTerminal* t);

// Scrolling through the scroll-back (nothing without it).
void vqterm_lineup(vqTerminal* t);
void vqterm_linedown(vqTerminal* t);
void vqterm_pageup(vqTerminal* t);
void vqterm_pagedown(vqTerminal* t);
void vqterm_scrolltop(vqTerminal* t);
void vqterm_scrollpercent(vqTerminal* t, int percent);
