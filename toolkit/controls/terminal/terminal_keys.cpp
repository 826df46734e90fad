// Keys typed into the terminal: the ring of 32, and the waits that read
// one key, one echoed character or a whole line.
#include "terminal_internal.h"

#include "vqevent.h"
#include "vqframe.h"
#include "vqplatform.h"

namespace {

enum { KEY_LIMIT = 255 };

// Cursor back one cell (to the end of the row above at column 0), a blank
// over the character, and back again.
void rub_out(vqTerminal* t) {
  vqterm_cells& c = t->cells;
  if (c.cursor_row >= c.lines) {
    // Left below the last line by a full row: the character is the row's last.
    c.cursor_row = c.lines - 1;
    c.cursor_col = c.columns;
  }
  auto back = [&c]() {
    if (c.cursor_col > 0) {
      --c.cursor_col;
    } else if (c.cursor_row > 0) {
      --c.cursor_row;
      c.cursor_col = c.columns - 1;
    }
  };
  back();
  const int fg = c.fg_index, bg = c.bg_index;
  c.fg_index = c.bg_index = 0;
  vqtermcells_put(&c, ' ');
  c.fg_index = fg;
  c.bg_index = bg;
  back();
  vqterm_updatecursor(t);
}

}  // namespace

void vqterm_addkey(vqTerminal* t, int key) {
  if (t == nullptr || key < 0 || key >= KEY_LIMIT) return;
  if (t->child != nullptr && t->child_send != nullptr) {
    vqterm_input(t, key, true);
    return;
  }
  // A full ring keeps the 32 keys that were typed first: they are what the
  // program will read next, and the ones typed after them are dropped.
  if (t->key_count >= VQTERM_KEYRING) return;
  t->keys[t->key_write] = key;
  t->key_write = (t->key_write + 1) % VQTERM_KEYRING;
  ++t->key_count;
}

bool vqterm_keyavailable(const vqTerminal* t) { return t != nullptr && t->key_count > 0; }

int vqterm_getkey(vqTerminal* t) {
  if (t == nullptr) return 0;
  const uint8_t forced = t->cursor_forced;
  t->cursor_forced = 1;
  vqterm_updatecursor(t);
  while (t->key_count == 0 && vqrunning()) {
    vqpump_nonblocking();
    if (t->key_count > 0) break;
    vqplatform_sleep(10);
  }
  t->cursor_forced = forced;
  vqterm_updatecursor(t);
  if (t->key_count == 0) return 0;
  const int key = t->keys[t->key_read];
  t->key_read = (t->key_read + 1) % VQTERM_KEYRING;
  --t->key_count;
  return key;
}

int vqterm_getchar(vqTerminal* t) {
  const int key = vqterm_getkey(t);
  if ((key >= 32 && key <= 254) || key == VQKEY_ENTER) vqterm_putc(t, key);
  return key;
}

char* vqterm_readline(vqTerminal* t, char* buffer, int size) {
  if (t == nullptr || buffer == nullptr || size < 1) return nullptr;
  int n = 0;
  buffer[0] = 0;
  for (;;) {
    const int key = vqterm_getchar(t);
    if (key == 0) return nullptr;
    if (key == VQKEY_ENTER) break;
    if (key == VQCHAR_BACKSPACE) {
      if (n > 0) {
        buffer[--n] = 0;
        rub_out(t);
      }
    } else if (key >= 32 && key <= 254) {
      if (n + 1 >= size) {
        // Echoed already; a full buffer takes it off the screen again.
        rub_out(t);
      } else {
        buffer[n++] = static_cast<char>(key);
        buffer[n] = 0;
      }
    }
  }
  return buffer;
}
