// What the files of the terminal control share; not part of the toolkit's
// interface.
#pragma once

#include "vqterminal.h"

// Commands the terminal receives and sends (numbers of the panel protocol).
enum vqterm_command {
  VQTERM_DESTROY = 2001, VQTERM_LEFTDOWN = 2004, VQTERM_LEFTUP = 2005, VQTERM_LEFTDOUBLE = 2006,
  VQTERM_WHEELUP = 2013, VQTERM_WHEELDOWN = 2014, VQTERM_MOVE = 2015, VQTERM_KEYDOWN = 2016,
  VQTERM_FOCUSIN = 2018, VQTERM_FOCUSOUT = 2019, VQTERM_QUERY = 2020, VQTERM_REFRESH = 2026,
  VQTERM_TICK = 2029, VQTERM_REDRAWALL = 2048, VQTERM_CHILDTEXT = 2050, VQTERM_CHILDCHAR = 2051,
  VQTERM_LINEUP = 3008, VQTERM_LINEDOWN = 3009, VQTERM_PAGEUP = 3012, VQTERM_PAGEDOWN = 3013,
  VQTERM_SCROLLTO = 3017,
  VQTERM_ADDREGION = 8001, VQTERM_REMOVEREGIONS = 8002, VQTERM_SHOWRECT = 8008,
  VQTERM_FOCUSREGION = 8010, VQTERM_CAPTURE = 8015, VQTERM_RELEASE = 8016,
};

enum { VQTERM_BLINK_MS = 250 };

// terminal_draw.cpp
bool vqterm_drawable(const vqTerminal* t);
// Draws one cell; with erase the background under it is put back first.
void vqterm_drawcell(vqTerminal* t, int column, int row, bool erase);
// Takes the cursor off the screen (the cell under it drawn again) and puts
// it where it belongs now, in the current blink phase.
void vqterm_updatecursor(vqTerminal* t);
void vqterm_drawscrollbar(vqTerminal* t);
// Asks the host to bring a rectangle of its pixmap to the screen.
void vqterm_show(vqTerminal* t, int x, int y, int w, int h);

// terminal_write.cpp: one character through the decoder; typed says it came
// from the keyboard (and goes to a child process, if one is connected).
void vqterm_input(vqTerminal* t, int c, bool typed);

// terminal_scroll.cpp
// Sets the scroll bar from the first line shown; draws it unless a redraw
// of the whole terminal follows anyway.
void vqterm_syncbar(vqTerminal* t, bool draw = true);
// Mouse on the scroll bar (host coordinates); true when it was taken.
bool vqterm_barmouse(vqTerminal* t, int command, int px, int py);

// terminal_target.cpp: drawing commands 1001-1044 into the background.
int vqterm_target(vqTerminal* t, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                  int a7, int a8);
