// The cell buffer of a terminal: allocation, clearing, the cursor, scrolling
// out of the top and putting one character.
#include "vqtermcells.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr long long max_cells = 16LL * 1024 * 1024;

void blank(vqterm_cell* c, long long n) {
  for (long long i = 0; i < n; ++i) c[i] = vqterm_cell{' ', 0, 0, 0};
}

void changed_view(vqterm_cells* t) {
  if (t->view_hook != nullptr) t->view_hook(t->owner);
}

}  // namespace

bool vqtermcells_allocate(vqterm_cells* t, int columns, int visible_lines, int scrollback) {
  vqtermcells_free(t);
  const int lines = scrollback > 0 ? scrollback : visible_lines;
  if (columns < 1 || lines < 1 || visible_lines < 1 ||
      static_cast<long long>(columns) * lines > max_cells) {
    std::printf("vqterm_create: no room for %d x %d cells\n", columns, lines);
    return false;
  }
  t->cells = static_cast<vqterm_cell*>(std::malloc(sizeof(vqterm_cell) * columns * lines));
  if (t->cells == nullptr) {
    std::printf("vqterm_create: out of memory for %d x %d cells\n", columns, lines);
    return false;
  }
  t->columns = columns;
  t->lines = lines;
  t->visible_lines = visible_lines;
  t->scrollback = scrollback > 0 ? scrollback : 0;
  blank(t->cells, static_cast<long long>(columns) * lines);
  t->top_line = 0;
  t->cursor_col = t->cursor_row = 0;
  t->fg_index = t->bg_index = 0;
  t->word_length = 0;
  t->word[0] = 0;
  return true;
}

void vqtermcells_free(vqterm_cells* t) {
  std::free(t->cells);
  t->cells = nullptr;
  t->columns = t->lines = t->visible_lines = t->scrollback = 0;
  t->top_line = t->cursor_col = t->cursor_row = 0;
  t->fg_index = t->bg_index = 0;
  t->word_length = 0;
  t->word[0] = 0;
}

vqterm_cell* vqtermcells_at(vqterm_cells* t, int column, int row) {
  if (t->cells == nullptr || column < 0 || column >= t->columns || row < 0 || row >= t->lines)
    return nullptr;
  return &t->cells[static_cast<long long>(row) * t->columns + column];
}

const vqterm_cell* vqtermcells_at(const vqterm_cells* t, int column, int row) {
  return vqtermcells_at(const_cast<vqterm_cells*>(t), column, row);
}

void vqtermcells_clear(vqterm_cells* t) {
  if (t->cells == nullptr) return;
  blank(t->cells, static_cast<long long>(t->columns) * t->lines);
  t->cursor_col = t->cursor_row = 0;
  changed_view(t);
}

void vqtermcells_setcursor(vqterm_cells* t, int column, int row) {
  t->cursor_col = column < 0 ? 0 : column >= t->columns ? t->columns - 1 : column;
  t->cursor_row = row < 0 ? 0 : row >= t->lines ? t->lines - 1 : row;
  if (t->cursor_col < 0) t->cursor_col = 0;
  if (t->cursor_row < 0) t->cursor_row = 0;
}

void vqtermcells_scroll(vqterm_cells* t) {
  if (t->cells == nullptr) return;
  const long long row = t->columns;
  std::memmove(t->cells, t->cells + row, sizeof(vqterm_cell) * row * (t->lines - 1));
  blank(t->cells + row * (t->lines - 1), row);
  if (t->cursor_row > 0) --t->cursor_row;
  changed_view(t);
}

void vqtermcells_put(vqterm_cells* t, int c) {
  if (t->cells == nullptr) return;
  // A row advanced past the last line scrolls only when the next character
  // arrives, so a final line feed does not push the text up.
  while (t->cursor_row >= t->lines) vqtermcells_scroll(t);
  vqterm_cell* cell = vqtermcells_at(t, t->cursor_col, t->cursor_row);
  if (cell == nullptr) return;
  *cell = vqterm_cell{static_cast<uint8_t>(c), static_cast<uint8_t>(t->fg_index),
                      static_cast<uint8_t>(t->bg_index), 0};
  if (t->cell_hook != nullptr) t->cell_hook(t->owner, t->cursor_col, t->cursor_row);
  if (++t->cursor_col >= t->columns) {
    t->cursor_col = 0;
    ++t->cursor_row;
  }
}

int vqtermcells_maxtop(const vqterm_cells* t) {
  const int m = t->lines - t->visible_lines;
  return m > 0 ? m : 0;
}
