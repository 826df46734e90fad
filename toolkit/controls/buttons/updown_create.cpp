// Creating an up-down control from its option string, and destroying it.
#include "controls_internal.h"

#include "vqcfgstr.h"
#include "vqcolor.h"
#include "vqfont.h"
#include "vqoptions.h"
#include "vqtimer.h"
#include "vqview.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

enum { DEFAULT_MAXLEN = 1000, MAX_DECIMAL = 9, MAX_SIDE = 10000 };

int limited(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

void defaults(vqUpDownControl* c) {
  c->created = 0;
  c->x = c->y = c->width = c->height = 0;
  c->border = 1;
  c->font = vqcontrol_defaultfont();
  c->greyed = c->nokeyfocus = 0;
  c->background_color = vqcolor_system(VQCOLOR_WHITE);
  c->text_color = vqcolor_system(VQCOLOR_TEXT);
  c->transparent_color = VQ_NOCOLOR;
  c->text[0] = 0;
  c->maxlen = DEFAULT_MAXLEN;
  c->align_right = 1;
  c->keepfocus = c->password = 0;
  c->min = -100000;
  c->max = 100000;
  c->step = 1;
  c->start = 0;
  c->digits = c->decimal = 0;
  c->repeat_rate = VQCTL_REPEAT_MS;
  c->up_pressed = c->down_pressed = 0;
  c->editing = c->focused = 0;
  c->cursor = 0;
  c->saved_text[0] = 0;
  vqcolor_systemtable(c->theme);
  c->host = vqcontrol_host{nullptr, nullptr, nullptr, -1};
}

bool is_any(const char* token, std::initializer_list<const char*> keys) {
  for (const char* key : keys)
    if (vqcfgstr_match(token, key)) return true;
  return false;
}

void own_keywords(vqUpDownControl* c, char** list) {
  double start = 0;
  bool start_given = false;
  for (int i = 0; list[i] != nullptr; ++i) {
    char* token = list[i];
    if (token[0] == 0) continue;
    bool used = true;
    if (vqcfgstr_match(token, "maxlen=")) c->maxlen = vqcfgstr_intvalue(token);
    else if (is_any(token, {"align=right", "alignright", "rightalign", "right", "rightaligned"}))
      c->align_right = 1;
    else if (is_any(token, {"nofocusswitchwithenter", "keepfocus"})) c->keepfocus = 1;
    else if (vqcfgstr_match(token, "password")) c->password = 1;
    else if (vqcfgstr_match(token, "min=")) c->min = vqcfgstr_intvalue(token);
    else if (vqcfgstr_match(token, "max=")) c->max = vqcfgstr_intvalue(token);
    else if (vqcfgstr_match(token, "step=")) c->step = vqcfgstr_intvalue(token);
    else if (vqcfgstr_match(token, "digits=")) c->digits = vqcfgstr_intvalue(token);
    else if (vqcfgstr_match(token, "decimal=")) c->decimal = vqcfgstr_intvalue(token);
    else if (is_any(token, {"default=", "def=", "start="})) {
      start_given = vqcfgstr_numvalue(token, &start, nullptr) || start_given;
    } else used = false;
    if (used) vqcfgstr_consume(token);
  }
  if (start_given) c->start = vqcfgstr_toint(start);
  // A step of 0 would divide by zero when a value is put on the grid.
  if (c->step == 0) c->step = 1;
  c->maxlen = limited(c->maxlen, 1, VQUPDOWN_TEXTSIZE - 1);
  c->decimal = limited(c->decimal, 0, MAX_DECIMAL);
  if (c->decimal > 0 && c->digits == 0) c->digits = c->decimal + 1;
}

bool configure(vqUpDownControl* c, const char* format, va_list args) {
  vqoptions o;
  if (!vqoptions_open(&o, "vqupdown_create", VQOPTIONS_HOST_NEEDED, format, args)) return false;
  c->host = vqcontrol_host{o.host.handler, o.host.object, o.host.pixmap, -1};
  vqoptions_read(&o, {&c->border, &c->font, &c->nokeyfocus, &c->greyed, &c->background_color, &c->text_color,
                      &c->transparent_color});
  own_keywords(c, o.tokens);

  const int font_height = vqfont_height(c->font);
  char widest[32];
  vqupdown_format(c->max, c->digits, c->decimal, widest, sizeof widest);
  vqoptions_place(&o, vqfont_textwidth(c->font, widest) + font_height + 8, font_height + 8, MAX_SIDE, &c->x,
                  &c->y, &c->width, &c->height);
  return true;
}

}  // namespace

vqUpDownControl::vqUpDownControl() {
  vqcontrol_init(&notify);
  defaults(this);
}

vqUpDownControl::~vqUpDownControl() { vqupdown_destroy(this); }

bool vqupdown_create(vqUpDownControl* c, const char* format, ...) {
  if (c == nullptr) return false;
  if (c->created) vqupdown_destroy(c);
  defaults(c);
  va_list args;
  va_start(args, format);
  const bool configured = configure(c, format, args);
  va_end(args);
  if (!configured) {
    defaults(c);
    return false;
  }
  c->created = 1;
  vqcontrol_host_register(&c->host, vqUpDownControl::command, c, c->x, c->y, c->width, c->height,
                          VQREGION_MOUSE | VQREGION_HOVER | (c->nokeyfocus ? 0u : VQREGION_FOCUSABLE));
  vqupdown_setvalue(c, c->start);
  return true;
}

void vqupdown_destroy(vqUpDownControl* c) {
  if (c == nullptr || !c->created) return;
  vqtimer_remove(c, 0);
  if (c->up_pressed || c->down_pressed) vqcontrol_host_release(&c->host);
  vqcontrol_host_detach(&c->host, c);
  defaults(c);
}

int vqupdown_right(const vqUpDownControl* c) { return c != nullptr ? c->x + c->width : 0; }

int vqupdown_bottom(const vqUpDownControl* c) { return c != nullptr ? c->y + c->height : 0; }

int vqupdown_event(const vqUpDownControl* c) { return c != nullptr ? c->notify.event : 0; }
