// Text into the terminal: characters through the decoder into the cells,
// strings with one redraw, the log file, loading a file, clearing, the
// cursor position, and suspending the drawing.
#include "terminal_internal.h"

#include "vqcfgstr.h"

#include <cstdarg>
#include <cstring>

namespace {

// What printf-style texts are formatted into; one thread, and a write never
// formats again before it has used the text.
char g_text[65536];

void print(vqTerminal* t, int c, bool typed) {
  if (t->log != nullptr) std::fputc(c, t->log);
  if (typed && t->child != nullptr && t->child_send != nullptr) t->child_send(t->child, c);
  vqtermcells_print(&t->cells, c);
}

void act(vqTerminal* t, int action, int value, bool typed) {
  if (action == VQANSI_PRINT) print(t, value, typed);
  else if (action == VQANSI_CLEARSCREEN) vqterm_clear(t);
  else vqtermcells_act(&t->cells, action, value);
}

// Writes a text with drawing held back, then shows it with one redraw.
void write_quietly(vqTerminal* t, const char* text, size_t n) {
  const uint8_t was = t->drawing_enabled;
  t->drawing_enabled = 0;
  for (size_t i = 0; i < n; ++i) vqterm_input(t, static_cast<unsigned char>(text[i]), false);
  t->drawing_enabled = was;
  if (t->log != nullptr) std::fflush(t->log);
  if (was) vqterm_redraw(t);
}

}  // namespace

void vqterm_input(vqTerminal* t, int c, bool typed) {
  if (!t->created) return;
  vqansi_input(&t->decoder, c);
  int action, value;
  while (vqansi_take(&t->decoder, &action, &value)) act(t, action, value, typed);
}

void vqterm_putc(vqTerminal* t, int c) {
  if (t == nullptr || !t->created) return;
  vqterm_input(t, c, false);
  if (vqterm_drawable(t)) vqterm_updatecursor(t);
}

void vqterm_write(vqTerminal* t, const char* text) {
  if (t == nullptr || !t->created || text == nullptr) return;
  write_quietly(t, text, std::strlen(text));
}

void vqterm_printf(vqTerminal* t, const char* format, ...) {
  if (t == nullptr || !t->created || format == nullptr) return;
  va_list args;
  va_start(args, format);
  vqcfgstr_vformat(g_text, sizeof g_text, format, args);
  va_end(args);
  vqterm_write(t, g_text);
}

void vqterm_clear(vqTerminal* t) {
  if (t == nullptr || !t->created) return;
  // The clear itself asks for the redraw (through the cells' view hook).
  vqtermcells_clear(&t->cells);
}

void vqterm_setcursor(vqTerminal* t, int column, int row) {
  if (t == nullptr || !t->created) return;
  vqtermcells_setcursor(&t->cells, column, row);
  vqterm_updatecursor(t);
}

bool vqterm_loadfile(vqTerminal* t, const char* filename) {
  if (t == nullptr || !t->created || filename == nullptr) return false;
  FILE* f = std::fopen(filename, "rb");
  if (f == nullptr) return false;
  // Only the end of a long file can stay in the cells anyway.
  const long keep = static_cast<long>(t->cells.lines) * t->cells.columns;
  if (std::fseek(f, 0, SEEK_END) == 0) {
    const long size = std::ftell(f);
    std::fseek(f, size > keep ? size - keep : 0, SEEK_SET);
  } else {
    std::rewind(f);
  }
  const uint8_t was = t->drawing_enabled;
  t->drawing_enabled = 0;
  char piece[1000];
  while (std::fgets(piece, sizeof piece, f) != nullptr) write_quietly(t, piece, std::strlen(piece));
  std::fclose(f);
  t->drawing_enabled = was;
  if (was) vqterm_redraw(t);
  return true;
}

int vqterm_lines(const vqTerminal* t) { return t != nullptr ? t->cells.lines : 0; }
int vqterm_columns(const vqTerminal* t) { return t != nullptr ? t->cells.columns : 0; }

void vqterm_suspend(vqTerminal* t) {
  if (t == nullptr) return;
  t->saved_drawing = t->drawing_enabled;
  t->drawing_enabled = 0;
}

void vqterm_resume(vqTerminal* t) {
  if (t == nullptr) return;
  t->drawing_enabled = t->saved_drawing;
  vqterm_redraw(t);
}
