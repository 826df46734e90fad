// A line input: one line of text the user types into, with a cursor that
// moves with the arrow keys, Home and End; Backspace and Delete remove,
// Enter posts the control's code.
#include "minor_internal.h"

#include "vqcfgstr.h"
#include "vqfont.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

enum { PAD = 4, CURSOR_BLANK = 2 };

int inner_width(const vqLineInput* c) { return c->box.width - 2 * PAD - CURSOR_BLANK; }

int width_between(const vqLineInput* c, int from, int to) {
  int w = 0;
  for (int i = from; i < to; i++) w += vqfont_charwidth(c->box.font, static_cast<unsigned char>(c->text[i]));
  return w;
}

// The first character shown follows the cursor so that it stays in view.
void keep_cursor_shown(vqLineInput* c) {
  if (c->cursor < c->first) c->first = c->cursor;
  while (c->first < c->cursor && width_between(c, c->first, c->cursor) > inner_width(c)) c->first++;
}

void remove_at(vqLineInput* c, int at) {
  if (at < 0 || at >= c->length) return;
  memmove(c->text + at, c->text + at + 1, static_cast<size_t>(c->length - at));
  c->length--;
}

void insert(vqLineInput* c, int ch) {
  if (c->length >= c->maxlen || c->length >= VQLINEINPUT_SIZE - 1) return;
  memmove(c->text + c->cursor + 1, c->text + c->cursor, static_cast<size_t>(c->length - c->cursor + 1));
  c->text[c->cursor++] = static_cast<char>(ch);
  c->length++;
}

// The character boundary nearest to a click at px.
int cursor_at(const vqLineInput* c, int px) {
  int x = c->box.x + PAD;
  for (int i = c->first; i < c->length; i++) {
    int w = vqfont_charwidth(c->box.font, static_cast<unsigned char>(c->text[i]));
    if (px < x + w / 2) return i;
    x += w;
  }
  return c->length;
}

bool key(vqLineInput* c, int code) {
  switch (code) {
    case VQCHAR_BACKSPACE:
      if (c->cursor > 0) remove_at(c, --c->cursor);
      return true;
    case VQKEY_DELETE: remove_at(c, c->cursor); return true;
    case VQKEY_LEFT: if (c->cursor > 0) c->cursor--; return true;
    case VQKEY_RIGHT: if (c->cursor < c->length) c->cursor++; return true;
    case VQKEY_HOME: c->cursor = 0; return true;
    case VQKEY_END: c->cursor = c->length; return true;
    case VQKEY_ENTER: vqminor_notify(&c->box); return false;
    default:
      if (code < 32 || code > 255 || code == 127) return false;
      insert(c, code);
      return true;
  }
}

}  // namespace

vqLineInput::vqLineInput() : length(0), maxlen(VQLINEINPUT_SIZE - 1), cursor(0), first(0) {
  text[0] = 0;
  vqminor_init(&box);
}
vqLineInput::~vqLineInput() { vqlineinput_destroy(this); }

bool vqlineinput_create(vqLineInput* c, const char* format, ...) {
  if (!c) return false;
  if (c->box.created) vqlineinput_destroy(c);
  vqoptions o;
  va_list args;
  va_start(args, format);
  bool ok = vqminor_begin(&c->box, &o, "vqlineinput_create", format, args, false);
  va_end(args);
  if (!ok) return false;
  c->maxlen = VQLINEINPUT_SIZE - 1;
  const char* initial = "";
  for (char** t = o.tokens; *t; t++) {
    if (vqcfgstr_match(*t, "maxlen=")) {
      int n = vqcfgstr_intvalue(*t);
      c->maxlen = n < 0 ? 0 : n > VQLINEINPUT_SIZE - 1 ? VQLINEINPUT_SIZE - 1 : n;
      vqcfgstr_consume(*t);
    } else if (vqcfgstr_match(*t, "text=")) {
      initial = vqcfgstr_after(*t);
    }
  }
  const vqminor_box& b = c->box;
  vqminor_finish(&c->box, &o, vqLineInput::command, c, 20 * vqfont_charwidth(b.font, '0') + 2 * PAD,
                 vqminor_fontheight(&b) + 8);
  vqlineinput_settext(c, initial);
  return true;
}

void vqlineinput_destroy(vqLineInput* c) {
  if (!c) return;
  vqminor_end(&c->box, c);
  c->text[0] = 0;
  c->length = c->cursor = c->first = 0;
}

void vqlineinput_settext(vqLineInput* c, const char* text) {
  if (!c) return;
  std::snprintf(c->text, static_cast<size_t>(c->maxlen) + 1, "%s", text ? text : "");
  c->length = static_cast<int>(strlen(c->text));
  c->cursor = c->length;
  c->first = 0;
  keep_cursor_shown(c);
  vqlineinput_draw(c);
}

int vqlineinput_value(const vqLineInput* c) {
  if (!c) return 0;
  double v = strtod(c->text, nullptr);
  return vqcfgstr_toint(std::trunc(v));
}

void vqlineinput_draw(vqLineInput* c) {
  const vqminor_box& b = c->box;
  if (!b.created) return;
  uint32_t field = b.greyed ? b.theme[VQCOLOR_LIGHT] : b.background_color != VQ_NOCOLOR ? b.background_color : 0xFFFFFF;
  vqminor_fill(&b, b.x, b.y, b.width, b.height, field);
  vqminor_frame(&b, b.x, b.y, b.width, b.height, true);
  int fh = vqminor_fontheight(&b), ty = b.y + (b.height - fh) / 2;
  int x = b.x + PAD, right = b.x + b.width - PAD;
  char one[2] = {0, 0};
  for (int i = c->first; i < c->length; i++) {
    int w = vqfont_charwidth(b.font, static_cast<unsigned char>(c->text[i]));
    if (x + w > right) break;
    one[0] = c->text[i];
    vqminor_text(&b, x, ty, one, vqminor_ink(&b));
    x += w;
  }
  if (b.focused) {
    int cx = b.x + PAD + width_between(c, c->first, c->cursor);
    vqminor_fill(&b, cx, ty, 1, fh, vqminor_ink(&b));
  }
  vqminor_show(&b);
}

int vqLineInput::command(void* object, int command, int a1, int, int, int, int, int, int, int) {
  vqLineInput* c = static_cast<vqLineInput*>(object);
  vqminor_box& b = c->box;
  if (vqminor_common(&b, command)) {
    vqlineinput_draw(c);
    return 0;
  }
  if (vqminor_redraw_command(command)) vqlineinput_draw(c);
  if (b.greyed) return 0;
  if (command == VQCMD_LEFTDOWN || command == VQCMD_LEFTDOUBLE) {
    vqminor_takefocus(&b);
    c->cursor = cursor_at(c, a1);
    keep_cursor_shown(c);
    vqlineinput_draw(c);
  } else if (command == VQCMD_KEYDOWN && b.focused) {
    if (key(c, a1)) {
      keep_cursor_shown(c);
      vqlineinput_draw(c);
    }
  }
  return 0;
}
