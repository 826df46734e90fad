// Typing a number into an up-down control: digits, a sign and a decimal
// point at the cursor, Backspace and Delete, cursor keys, Enter to accept
// and Escape to cancel. The value goes onto the step grid and into range
// only when editing ends, so a typed 12 with step 5 still steps from 12.
#include "controls_internal.h"

#include "vqfont.h"

#include <cstdio>
#include <cstring>

namespace {

int length(const vqUpDownControl* c) { return static_cast<int>(std::strlen(c->text)); }

bool has_separator(const char* s) { return std::strchr(s, '.') != nullptr || std::strchr(s, ',') != nullptr; }

// Whether the character may go into the text at the cursor.
bool acceptable(const vqUpDownControl* c, int ch) {
  if (length(c) >= c->maxlen) return false;
  if (ch >= '0' && ch <= '9') return c->cursor > 0 || c->text[0] != '-';
  if (ch == '-') return c->cursor == 0 && c->text[0] != '-';
  if (ch == '.' || ch == ',')
    return c->decimal > 0 && !has_separator(c->text) && (c->cursor > 0 || c->text[0] != '-');
  return false;
}

void insert(vqUpDownControl* c, int ch) {
  const int n = length(c);
  std::memmove(c->text + c->cursor + 1, c->text + c->cursor, static_cast<size_t>(n - c->cursor + 1));
  c->text[c->cursor++] = static_cast<char>(ch);
}

void erase(vqUpDownControl* c, int index) {
  const int n = length(c);
  if (index < 0 || index >= n) return;
  std::memmove(c->text + index, c->text + index + 1, static_cast<size_t>(n - index));
}

// The keys that change the text or move the cursor.
void edit(vqUpDownControl* c, int key) {
  switch (key) {
    case VQCHAR_BACKSPACE:
      if (c->cursor > 0) erase(c, --c->cursor);
      break;
    case VQKEY_DELETE: erase(c, c->cursor); break;
    case VQKEY_LEFT: if (c->cursor > 0) --c->cursor; break;
    case VQKEY_RIGHT: if (c->cursor < length(c)) ++c->cursor; break;
    case VQKEY_HOME: c->cursor = 0; break;
    case VQKEY_END: c->cursor = length(c); break;
    default:
      // A refused character is still the field's, not the host's.
      if (acceptable(c, key)) insert(c, key);
      break;
  }
}

}  // namespace

void vqupdown_edit_begin(vqUpDownControl* c, int index) {
  if (!c->editing) {
    c->editing = 1;
    std::memcpy(c->saved_text, c->text, sizeof c->text);
  }
  const int n = length(c);
  c->cursor = index < 0 || index > n ? n : index;
}

void vqupdown_edit_accept(vqUpDownControl* c) {
  const int before = vqupdown_parse(c->saved_text, c->decimal);
  c->editing = 0;
  vqupdown_setvalue(c, vqupdown_getvalue(c));
  const int after = vqupdown_getvalue(c);
  if (after != before) vqcontrol_notify(&c->notify, after, 0);
}

void vqupdown_edit_cancel(vqUpDownControl* c) {
  std::memcpy(c->text, c->saved_text, sizeof c->text);
  c->editing = 0;
  vqupdown_redraw(c);
}

int vqupdown_index_at(const vqUpDownControl* c, int px) {
  char shown[VQUPDOWN_TEXTSIZE];
  vqupdown_shown(c, shown, sizeof shown);
  int first = 0, x = 0;
  vqupdown_textplace(c, &first, &x);
  int index = first;
  for (const char* p = shown + first; *p != 0; ++p, ++index) {
    const int w = vqfont_charwidth(c->font, static_cast<unsigned char>(*p));
    if (px < x + w / 2) break;
    x += w;
  }
  return index;
}

bool vqupdown_key(vqUpDownControl* c, int key) {
  if (c->greyed || !c->focused) return false;
  switch (key) {
    case VQKEY_UP: case VQKEY_DOWN:
      vqupdown_step(c, key == VQKEY_UP ? 1 : -1, true);
      return true;
    case VQKEY_ENTER: case VQCHAR_RETURN:
      if (c->editing) vqupdown_edit_accept(c);
      if (!c->keepfocus) vqcontrol_host_focusnext(&c->host);
      return true;
    case VQKEY_ESCAPE:
      if (c->editing) vqupdown_edit_cancel(c);
      return true;
    case VQKEY_TAB: return false;
    default: break;
  }
  const bool editing_key = (key >= 32 && key <= 255) || key == VQCHAR_BACKSPACE ||
                           key == VQKEY_DELETE || key == VQKEY_LEFT || key == VQKEY_RIGHT ||
                           key == VQKEY_HOME || key == VQKEY_END;
  if (!editing_key) return false;
  if (!c->editing) vqupdown_edit_begin(c, -1);
  edit(c, key);
  vqupdown_redraw(c);
  return true;
}
