// The terminal's character cells: a buffer of lines x columns cells, the
// cursor, the current colour indexes and the printing rules (line feeds,
// carriage returns, tabs, word break, scrolling out of the top). Nothing
// here draws: whoever owns the cells is told through two hooks which cell
// changed and when the whole view must be drawn again, so the same rules
// serve the on-screen terminal and the tools and tests that only read cells.
#pragma once

#include <cstdint>

struct vqterm_cell {
  uint8_t ch;       // character code (32 or more once written; blanks when cleared)
  uint8_t fg, bg;   // palette indexes, 0 = default
  uint8_t spare;
};

enum { VQTERM_WORDMAX = 1000 };

struct vqterm_cells {
  int columns = 0;
  int lines = 0;           // buffer lines: the visible lines, or the scroll-back size
  int visible_lines = 0;
  int scrollback = 0;      // 0 = none
  int top_line = 0;        // first buffer line shown
  int cursor_col = 0, cursor_row = 0;
  int fg_index = 0, bg_index = 0;
  vqterm_cell* cells = nullptr;
  uint8_t wordbreak = 0;
  char word[VQTERM_WORDMAX + 1] = {};
  // The colour indexes each character of the word had when it arrived: a
  // colour change inside a word, or a reset before the blank that ends it,
  // must not recolour what came before.
  uint8_t word_fg[VQTERM_WORDMAX] = {}, word_bg[VQTERM_WORDMAX] = {};
  int word_length = 0;

  // Hooks of the owner; either may be null.
  void* owner = nullptr;
  void (*cell_hook)(void* owner, int column, int row) = nullptr;   // a cell was written
  void (*view_hook)(void* owner) = nullptr;   // the whole view changed (scroll, clear, top line)
};

// Allocates columns x lines blank cells (lines = scrollback when it is set,
// else visible_lines) and puts the cursor at 0,0. False with one diagnostic
// line for sizes below 1 or a buffer beyond 16 million cells.
bool vqtermcells_allocate(vqterm_cells* t, int columns, int visible_lines, int scrollback);
void vqtermcells_free(vqterm_cells* t);   // releases the cells; hooks stay

// The cell at (column, row), or null outside the buffer.
vqterm_cell* vqtermcells_at(vqterm_cells* t, int column, int row);
const vqterm_cell* vqtermcells_at(const vqterm_cells* t, int column, int row);

// Blanks with attributes 0, cursor to 0,0; the view hook is called.
void vqtermcells_clear(vqterm_cells* t);
// Each clamped to 0..columns-1 and 0..lines-1.
void vqtermcells_setcursor(vqterm_cells* t, int column, int row);
// Every line one up, the last one blank, the cursor one row up.
void vqtermcells_scroll(vqterm_cells* t);
// Puts a character of 32 or more at the cursor with the current colours and
// advances the cursor (to the next row at the last column).
void vqtermcells_put(vqterm_cells* t, int c);
// Prints one character: control characters, word break and the view that
// follows the cursor.
void vqtermcells_print(vqterm_cells* t, int c);
// Acts on one decoder action (vqansi.h): print, colours, reset, clear screen,
// cursor column and row. Returns false for the actions a terminal ignores.
bool vqtermcells_act(vqterm_cells* t, int action, int value);

// Largest first line the view can show (0 when the buffer fits the view).
int vqtermcells_maxtop(const vqterm_cells* t);
