// What the files of the terminal control share; not part of the toolkit's
// interface.
#pragma once

#include "vqterminal.h"
#include "vqkeys.h"

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

// terminal_target.cpp: drawing commands (VQCMD_POINT to VQCMD_GETHEIGHT)
// into the background.
int vqterm_target(vqTerminal* t, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                  int a7, int a8);
