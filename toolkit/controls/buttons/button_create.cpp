// Creating a push button from its option string (label first), its
// preferred size and colours, and destroying it.
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

namespace {

enum { MAX_SIDE = 10000 };

// No colour option yields this value, so it tells "not given" apart from
// every colour, "none" included.
constexpr uint32_t kNotGiven = 0xFE000000u;

// The markup view's default colours of links and their highlight.
constexpr uint32_t kLinkColor = 0x000080, kLinkHighlight = 0x0000FF, kLinkActive = 0x800080;

void defaults(vqButton* b) {
  b->created = 0;
  b->x = b->y = b->width = b->height = 0;
  b->border = 1;
  b->font = vqcontrol_defaultfont();
  vqcolor_systemtable(b->theme);
  b->text_color = b->theme[VQCOLOR_TEXT];
  b->background_color = b->theme[VQCOLOR_GREY];
  b->light_color = b->theme[VQCOLOR_LIGHT];
  b->dark_color = b->theme[VQCOLOR_DARK];
  b->highlight_color = kLinkHighlight;
  b->active_color = kLinkActive;
  b->label[0] = 0;
  b->state = 0;
  b->attributes = 0;
  b->hotkey = 0;
  b->greyed = b->nofocus = b->focused = b->hovered = 0;
  b->mouse_held = b->key_held = 0;
  vqpxmap_snapshot_free(&b->ground);
  b->host = vqcontrol_host{nullptr, nullptr, nullptr, -1};
}

uint32_t brighter(uint32_t color, int delta) {
  auto channel = [&](int shift) {
    const int v = static_cast<int>((color >> shift) & 0xFF) + delta;
    return static_cast<uint32_t>(v > 255 ? 255 : v) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

bool dark(uint32_t color) {
  return ((color >> 16) & 0xFF) + ((color >> 8) & 0xFF) + (color & 0xFF) < 384;
}

void colours(vqButton* b, uint32_t background, bool text_given) {
  if (b->attributes & VQBTN_LINK) {
    if (!text_given) b->text_color = kLinkColor;
    // A link shows its host's ground unless it was given a colour.
    if (background == kNotGiven) b->background_color = VQ_NOCOLOR;
  }
  if (background == kNotGiven) return;
  b->background_color = background;
  if (background == VQ_NOCOLOR) return;
  if (dark(background) && !text_given) b->text_color = b->theme[VQCOLOR_WHITE];
  b->light_color = brighter(background, 32);
}

bool configure(vqButton* b, const char* format, va_list args) {
  vqoptions o;
  if (!vqoptions_open(&o, "vqbutton_create", VQOPTIONS_HOST_NEEDED, format, args)) return false;
  b->host = vqcontrol_host{o.host.handler, o.host.object, o.host.pixmap, -1};
  vqoptions_label(&o, b->label, sizeof b->label);
  uint32_t background = kNotGiven, transparent = VQ_NOCOLOR;
  vqoptions_read(&o,
                 {&b->border, &b->font, &b->nofocus, &b->greyed, &background, &b->text_color, &transparent});
  char** list = o.tokens;
  vqcfgstr_highlightcolor(list, o.first, &b->highlight_color);
  vqcfgstr_activecolor(list, o.first, &b->active_color);
  vqcfgstr_btnattr(list, o.first, &b->attributes, &b->hotkey);
  if (b->attributes & VQBTN_NOFOCUS) b->nofocus = 1;
  if (b->attributes & VQBTN_PRESSED) b->state = 1;
  colours(b, background, o.text_color_given);

  const bool link = (b->attributes & VQBTN_LINK) != 0;
  const int label_width = vqbutton_labelwidth(b), font_height = vqfont_height(b->font);
  vqoptions_place(&o, label_width + (link ? 1 : 20), font_height + (link ? 1 : 8), MAX_SIDE, &b->x, &b->y,
                  &b->width, &b->height);
  return true;
}

}  // namespace

vqButton::vqButton() {
  vqcontrol_init(&notify);
  defaults(this);
}

vqButton::~vqButton() { vqbutton_destroy(this); }

bool vqbutton_create(vqButton* b, const char* format, ...) {
  if (b == nullptr) return false;
  if (b->created) vqbutton_destroy(b);
  defaults(b);
  va_list args;
  va_start(args, format);
  const bool configured = configure(b, format, args);
  va_end(args);
  if (!configured) {
    defaults(b);
    return false;
  }
  b->created = 1;
  // A link is drawn over whatever its host shows there, which it keeps.
  if (b->attributes & VQBTN_LINK)
    vqpxmap_snapshot_save(&b->ground, b->host.pixmap, b->x, b->y, b->width, b->height);
  vqcontrol_host_register(&b->host, vqButton::command, b, b->x, b->y, b->width, b->height,
                          VQREGION_MOUSE | VQREGION_HOVER | (b->nofocus ? 0u : VQREGION_FOCUSABLE));
  if (b->hotkey != 0 || (b->attributes & VQBTN_DEFAULT)) vqbutton_hotkey_add(b);
  vqbutton_redraw(b);
  return true;
}

void vqbutton_destroy(vqButton* b) {
  if (b == nullptr || !b->created) return;
  vqtimer_remove(b, 0);
  vqbutton_hotkey_remove(b);
  vqcontrol_host_detach(&b->host, b);
  defaults(b);
}

// A push button is pressed while the mouse or a key holds it down; a
// switch is pressed on the side it has switched to.
int vqbutton_state(const vqButton* b) {
  if (b == nullptr) return 0;
  if (b->state) return 1;
  if ((b->attributes & VQBTN_SWITCH) != 0) return 0;
  return b->mouse_held || b->key_held ? 1 : 0;
}

int vqbutton_right(const vqButton* b) { return b != nullptr ? b->x + b->width : 0; }

int vqbutton_bottom(const vqButton* b) { return b != nullptr ? b->y + b->height : 0; }

int vqbutton_event(const vqButton* b) { return b != nullptr ? b->notify.event : 0; }
