// Check boxes and switch buttons: a state that the user turns over, shown
// as a ticked square beside the label or as a button that stays pressed.
#include "minor_internal.h"

#include "vqdraw.h"

namespace {

enum { SQUARE = 13, GAP = 5 };

void draw_checkbox(const vqToggle* c) {
  const vqminor_box& b = c->box;
  vqminor_fill(&b, b.x, b.y, b.width, b.height, b.background_color);
  int sy = b.y + (b.height - SQUARE) / 2;
  vqminor_frame(&b, b.x, sy, SQUARE, SQUARE, true);
  vqminor_fill(&b, b.x + 2, sy + 2, SQUARE - 4, SQUARE - 4, b.greyed ? b.theme[VQCOLOR_GREY] : 0xFFFFFF);
  if (c->state && b.surface) {
    int32_t ink = static_cast<int32_t>(vqminor_ink(&b));
    for (int d = 0; d < 2; d++) {
      vqdraw_line(b.surface, b.x + 3, sy + 5 + d, b.x + 5, sy + 7 + d, ink);
      vqdraw_line(b.surface, b.x + 5, sy + 7 + d, b.x + 9, sy + 3 + d, ink);
    }
  }
  int ty = b.y + (b.height - vqminor_fontheight(&b)) / 2;
  vqminor_text(&b, b.x + SQUARE + GAP, ty, b.label, vqminor_ink(&b));
}

void draw_switch(const vqToggle* c) {
  const vqminor_box& b = c->box;
  uint32_t face = b.background_color != VQ_NOCOLOR ? b.background_color : b.theme[VQCOLOR_GREY];
  vqminor_fill(&b, b.x, b.y, b.width, b.height, c->state ? b.theme[VQCOLOR_LIGHT] : face);
  vqminor_frame(&b, b.x, b.y, b.width, b.height, c->state != 0);
  int shift = c->state ? 1 : 0;
  int tx = b.x + (b.width - vqminor_textwidth(&b, b.label)) / 2 + shift;
  int ty = b.y + (b.height - vqminor_fontheight(&b)) / 2 + shift;
  vqminor_text(&b, tx, ty, b.label, vqminor_ink(&b));
}

void turn_over(vqToggle* c) {
  c->state = !c->state;
  vqtoggle_draw(c);
  vqminor_notify(&c->box);
}

}  // namespace

vqToggle::vqToggle() : style(VQTOGGLE_CHECKBOX), state(0) { vqminor_init(&box); }
vqToggle::~vqToggle() { vqtoggle_destroy(this); }

bool vqtoggle_create(vqToggle* c, int style, const char* format, ...) {
  if (!c) return false;
  if (c->box.created) vqtoggle_destroy(c);
  vqoptions o;
  va_list args;
  va_start(args, format);
  bool ok = vqminor_begin(&c->box, &o, "vqtoggle_create", format, args, true);
  va_end(args);
  if (!ok) return false;
  c->style = style == VQTOGGLE_SWITCH ? VQTOGGLE_SWITCH : VQTOGGLE_CHECKBOX;
  uint8_t on = 0;
  for (const char* word : {"checked", "on", "pressed"}) vqcfgstr_flag(o.tokens, 0, word, &on);
  c->state = on;
  const vqminor_box& b = c->box;
  int tw = vqminor_textwidth(&b, b.label), fh = vqminor_fontheight(&b);
  if (c->style == VQTOGGLE_SWITCH)
    vqminor_finish(&c->box, &o, vqToggle::command, c, tw + 20, fh + 8);
  else
    vqminor_finish(&c->box, &o, vqToggle::command, c, SQUARE + GAP + tw + 2, (fh > SQUARE ? fh : SQUARE) + 2);
  vqtoggle_draw(c);
  return true;
}

void vqtoggle_destroy(vqToggle* c) {
  if (c) vqminor_end(&c->box, c);
}

void vqtoggle_set(vqToggle* c, bool on) {
  if (!c) return;
  c->state = on ? 1 : 0;
  vqtoggle_draw(c);
}

void vqtoggle_draw(vqToggle* c) {
  if (!c->box.created) return;
  if (c->style == VQTOGGLE_SWITCH)
    draw_switch(c);
  else
    draw_checkbox(c);
  vqminor_show(&c->box);
}

int vqToggle::command(void* object, int command, int a1, int, int, int, int, int, int, int) {
  vqToggle* c = static_cast<vqToggle*>(object);
  vqminor_box& b = c->box;
  if (vqminor_common(&b, command)) return 0;
  if (vqminor_redraw_command(command)) vqtoggle_draw(c);
  if (b.greyed) return 0;
  switch (command) {
    case VQCMD_LEFTDOWN:
    case VQCMD_LEFTDOUBLE:
      vqminor_takefocus(&b);
      // A switch answers at once, like a button that keeps pressed.
      if (c->style == VQTOGGLE_SWITCH)
        turn_over(c);
      else
        b.pressed = 1;
      break;
    case VQCMD_LEFTUP:
      if (b.pressed) turn_over(c);
      b.pressed = 0;
      break;
    case VQCMD_KEYDOWN:
      if (a1 == VQKEY_SPACE) turn_over(c);
      break;
    default: break;
  }
  return 0;
}
