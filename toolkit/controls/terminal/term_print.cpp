// Printing into the cells: control characters, tabs, word break, the view
// that follows the cursor, and the decoder actions a terminal acts on.
#include "vqansi.h"
#include "vqtermcells.h"

#include <cstring>

namespace {

void new_row(vqterm_cells* t) {
  t->cursor_col = 0;
  if (++t->cursor_row >= t->lines) vqtermcells_scroll(t);
}

void plain(vqterm_cells* t, int c) {
  if (c == '\n') {
    t->cursor_col = 0;
    ++t->cursor_row;
  } else if (c == '\r') {
    t->cursor_col = 0;
  } else if (c == '\t') {
    vqtermcells_put(t, ' ');
    while (t->cursor_col % 4 != 0) vqtermcells_put(t, ' ');
  } else if (c >= 32) {
    vqtermcells_put(t, c);
  }
}

int clamp(int v, int size) { return v < 0 ? 0 : v >= size ? (size > 0 ? size - 1 : 0) : v; }

bool ends_word_and_stays(int c) {
  return c == '-' || c == '.' || c == '!' || c == '?' || c == ',' || c == ';' || c == ':' || c == '\n';
}

// Puts the collected word, moving to the next row first when it does not
// fit in the rest of this one; sep is the character that ended it (0 when
// the buffer ran full).
void finish_word(vqterm_cells* t, int sep) {
  const int n = t->word_length;
  if (n > t->columns - t->cursor_col) new_row(t);
  const int fg = t->fg_index, bg = t->bg_index;
  for (int i = 0; i < n; ++i) {
    const int c = static_cast<unsigned char>(t->word[i]);
    if (c < 32) continue;
    t->fg_index = t->word_fg[i];
    t->bg_index = t->word_bg[i];
    vqtermcells_put(t, c);
  }
  t->fg_index = fg;
  t->bg_index = bg;
  if (sep == ' ' && !(n > 0 && t->cursor_col == 0)) vqtermcells_put(t, ' ');
  if (sep == '\n') new_row(t);
  t->word_length = 0;
  t->word[0] = 0;
}

void wordbreak(vqterm_cells* t, int c) {
  if (c == ' ') {
    finish_word(t, ' ');
    return;
  }
  t->word_fg[t->word_length] = static_cast<uint8_t>(t->fg_index);
  t->word_bg[t->word_length] = static_cast<uint8_t>(t->bg_index);
  t->word[t->word_length++] = static_cast<char>(c);
  t->word[t->word_length] = 0;
  if (ends_word_and_stays(c)) {
    finish_word(t, c);
  } else if (t->word_length >= VQTERM_WORDMAX) {
    // A word this long cannot be kept whole anyway; putting it out now
    // loses none of its characters.
    finish_word(t, 0);
  }
}

}  // namespace

void vqtermcells_print(vqterm_cells* t, int c) {
  if (t->cells == nullptr) return;
  c &= 0xFF;
  const int old_top = t->top_line;
  if (t->scrollback > 0) {
    if (t->cursor_row < t->top_line || t->cursor_row > t->top_line + t->visible_lines - 1)
      t->top_line = t->cursor_row - t->visible_lines + 1;
    const int max_top = vqtermcells_maxtop(t);
    if (t->top_line > max_top) t->top_line = max_top;
    if (t->top_line < 0) t->top_line = 0;
  }
  if (t->cursor_row >= t->lines) vqtermcells_scroll(t);
  if (t->wordbreak) wordbreak(t, c);
  else plain(t, c);
  if (t->top_line != old_top && t->view_hook != nullptr) t->view_hook(t->owner);
}

bool vqtermcells_act(vqterm_cells* t, int action, int value) {
  switch (action) {
    case VQANSI_PRINT: vqtermcells_print(t, value); return true;
    // A reset sets both colours back to default, whether it came as the
    // whole rendition or as a 0 among several parameters.
    case VQANSI_RESET:
    case VQANSI_RESETPART: t->fg_index = t->bg_index = 0; return true;
    case VQANSI_FOREGROUND: t->fg_index = value & 15; return true;
    case VQANSI_BACKGROUND: t->bg_index = value & 15; return true;
    case VQANSI_DEFAULTFG: t->fg_index = 0; return true;
    case VQANSI_DEFAULTBG: t->bg_index = 0; return true;
    case VQANSI_CLEARSCREEN: vqtermcells_clear(t); return true;
    // Each moves one coordinate only: a row left below the last line by a
    // line feed stays there when just the column is set.
    case VQANSI_COLUMN: t->cursor_col = clamp((value == 0 ? 1 : value) - 1, t->columns); return true;
    case VQANSI_ROW: t->cursor_row = clamp((value == 0 ? 1 : value) - 1, t->lines); return true;
    default: return false;
  }
}
