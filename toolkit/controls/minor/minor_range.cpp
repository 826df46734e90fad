// A value between min and max: a slider the user drags (or steps with the
// arrow keys and the wheel) and a progress bar the program sets.
#include "minor_internal.h"

#include "vqcfgstr.h"

#include <algorithm>

namespace {

enum { THUMB = 10 };

long long span(const vqRange* c) { return static_cast<long long>(c->max) - c->min; }

// Left edge of the thumb for the current value.
int thumb_x(const vqRange* c) {
  const vqminor_box& b = c->box;
  long long track = std::max(0, b.width - THUMB);
  return b.x + static_cast<int>(span(c) > 0 ? (c->value - static_cast<long long>(c->min)) * track / span(c) : 0);
}

int value_at(const vqRange* c, int px) {
  const vqminor_box& b = c->box;
  long long track = std::max(1, b.width - THUMB);
  long long offset = std::clamp<long long>(px - b.x - THUMB / 2, 0, track);
  return static_cast<int>(c->min + (offset * span(c) + track / 2) / track);
}

void move_to(vqRange* c, int value, bool notify) {
  int before = c->value;
  vqrange_set(c, value);
  if (notify && c->value != before) vqminor_notify(&c->box);
}

void draw_slider(const vqRange* c) {
  const vqminor_box& b = c->box;
  vqminor_fill(&b, b.x, b.y, b.width, b.height, b.background_color);
  int mid = b.y + b.height / 2;
  vqminor_frame(&b, b.x, mid - 2, b.width, 4, true);
  int tx = thumb_x(c);
  vqminor_fill(&b, tx, b.y, THUMB, b.height, b.theme[VQCOLOR_GREY]);
  vqminor_frame(&b, tx, b.y, THUMB, b.height, false);
}

void draw_progress(const vqRange* c) {
  const vqminor_box& b = c->box;
  vqminor_fill(&b, b.x, b.y, b.width, b.height, b.background_color != VQ_NOCOLOR ? b.background_color : 0xFFFFFF);
  vqminor_frame(&b, b.x, b.y, b.width, b.height, true);
  long long inner = std::max(0, b.width - 4);
  int filled = static_cast<int>(span(c) > 0 ? (c->value - static_cast<long long>(c->min)) * inner / span(c) : 0);
  vqminor_fill(&b, b.x + 2, b.y + 2, filled, b.height - 4, b.greyed ? b.theme[VQCOLOR_DARK] : b.theme[VQCOLOR_BLUE]);
}

}  // namespace

vqRange::vqRange() : style(VQRANGE_SLIDER), min(0), max(100), value(0) { vqminor_init(&box); }
vqRange::~vqRange() { vqrange_destroy(this); }

bool vqrange_create(vqRange* c, int style, const char* format, ...) {
  if (!c) return false;
  if (c->box.created) vqrange_destroy(c);
  vqoptions o;
  va_list args;
  va_start(args, format);
  bool ok = vqminor_begin(&c->box, &o, "vqrange_create", format, args, false);
  va_end(args);
  if (!ok) return false;
  c->style = style == VQRANGE_PROGRESS ? VQRANGE_PROGRESS : VQRANGE_SLIDER;
  int min = 0, max = 100, start = 0;
  for (char** t = o.tokens; *t; t++) {
    if (vqcfgstr_match(*t, "min=")) min = vqcfgstr_intvalue(*t);
    else if (vqcfgstr_match(*t, "max=")) max = vqcfgstr_intvalue(*t);
    else if (vqcfgstr_match(*t, "start=") || vqcfgstr_match(*t, "value=")) start = vqcfgstr_intvalue(*t);
    else continue;
    vqcfgstr_consume(*t);
  }
  c->min = min;
  c->max = std::max(min, max);
  c->value = c->min;
  int fh = vqminor_fontheight(&c->box);
  vqminor_finish(&c->box, &o, vqRange::command, c, 120, c->style == VQRANGE_SLIDER ? fh + 8 : fh + 4);
  vqrange_set(c, start);
  return true;
}

void vqrange_destroy(vqRange* c) {
  if (c) vqminor_end(&c->box, c);
}

void vqrange_set(vqRange* c, int value) {
  if (!c) return;
  c->value = std::clamp(value, c->min, c->max);
  vqrange_draw(c);
}

void vqrange_draw(vqRange* c) {
  if (!c->box.created) return;
  if (c->style == VQRANGE_SLIDER)
    draw_slider(c);
  else
    draw_progress(c);
  vqminor_show(&c->box);
}

int vqRange::command(void* object, int command, int a1, int, int, int, int, int, int, int) {
  vqRange* c = static_cast<vqRange*>(object);
  vqminor_box& b = c->box;
  if (vqminor_common(&b, command)) return 0;
  if (vqminor_redraw_command(command)) vqrange_draw(c);
  if (b.greyed || c->style != VQRANGE_SLIDER) return 0;
  switch (command) {
    case VQCMD_LEFTDOWN:
    case VQCMD_LEFTDOUBLE:
      vqminor_takefocus(&b);
      b.pressed = 1;
      move_to(c, value_at(c, a1), false);
      break;
    case VQCMD_MOUSEMOVE:
      if (b.pressed) move_to(c, value_at(c, a1), false);
      break;
    case VQCMD_LEFTUP:
      if (b.pressed) vqminor_notify(&b);
      b.pressed = 0;
      break;
    case VQCMD_WHEELUP: move_to(c, c->value + 1, true); break;
    case VQCMD_WHEELDOWN: move_to(c, c->value - 1, true); break;
    case VQCMD_KEYDOWN:
      if (a1 == VQKEY_LEFT || a1 == VQKEY_DOWN) move_to(c, c->value - 1, true);
      if (a1 == VQKEY_RIGHT || a1 == VQKEY_UP) move_to(c, c->value + 1, true);
      break;
    default: break;
  }
  return 0;
}
