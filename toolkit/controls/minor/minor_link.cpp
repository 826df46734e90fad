// A link: an underlined label that changes color under the pointer and
// while pressed, and posts its code when clicked.
#include "minor_internal.h"

#include "vqcfgstr.h"

vqLink::vqLink() : color(0x000080), highlight(0x0000FF), active(0x800080) { vqminor_init(&box); }
vqLink::~vqLink() { vqlink_destroy(this); }

bool vqlink_create(vqLink* c, const char* format, ...) {
  if (!c) return false;
  if (c->box.created) vqlink_destroy(c);
  vqoptions o;
  va_list args;
  va_start(args, format);
  bool ok = vqminor_begin(&c->box, &o, "vqlink_create", format, args, true);
  va_end(args);
  if (!ok) return false;
  c->color = o.text_color_given ? c->box.text_color : 0x000080;
  c->highlight = 0x0000FF;
  c->active = 0x800080;
  vqcfgstr_highlightcolor(o.tokens, 0, &c->highlight);
  vqcfgstr_activecolor(o.tokens, 0, &c->active);
  const vqminor_box& b = c->box;
  vqminor_finish(&c->box, &o, vqLink::command, c, vqminor_textwidth(&b, b.label) + 1,
                 vqminor_fontheight(&b) + 1);
  vqlink_draw(c);
  return true;
}

void vqlink_destroy(vqLink* c) {
  if (c) vqminor_end(&c->box, c);
}

void vqlink_draw(vqLink* c) {
  const vqminor_box& b = c->box;
  if (!b.created) return;
  vqminor_fill(&b, b.x, b.y, b.width, b.height, b.background_color);
  uint32_t ink = b.greyed ? b.theme[VQCOLOR_TEXTGREY] : b.pressed ? c->active : b.hovered ? c->highlight : c->color;
  vqminor_text(&b, b.x, b.y, b.label, ink, true, b.width);
  vqminor_show(&b);
}

int vqLink::command(void* object, int command, int a1, int, int, int, int, int, int, int) {
  vqLink* c = static_cast<vqLink*>(object);
  vqminor_box& b = c->box;
  if (vqminor_common(&b, command)) {
    vqlink_draw(c);
    return 0;
  }
  if (b.greyed) return 0;
  switch (command) {
    case VQCMD_LEFTDOWN:
    case VQCMD_LEFTDOUBLE:
      b.pressed = 1;
      vqminor_takefocus(&b);
      vqlink_draw(c);
      break;
    case VQCMD_LEFTUP:
      if (!b.pressed) break;
      b.pressed = 0;
      vqlink_draw(c);
      vqminor_notify(&b);
      break;
    case VQCMD_KEYDOWN:
      if (a1 == VQKEY_ENTER || a1 == VQKEY_SPACE) vqminor_notify(&b);
      break;
    default:
      if (vqminor_redraw_command(command)) vqlink_draw(c);
      break;
  }
  return 0;
}
