// What the small controls share: creation from an option string in the
// current container, the hit region, focus and hover, and their drawing.
#include "vqminor.h"

#include "vqcontrols.h"
#include "vqdraw.h"
#include "vqevent.h"
#include "vqfont.h"
#include "vqpxmap.h"
#include "vqtarget.h"
#include "vqview.h"

#include <cstdio>
#include <cstring>

namespace {

void reset(vqminor_box* b) {
  b->created = 0;
  b->x = b->y = b->width = b->height = 0;
  b->font = -1;
  b->text_color = 0;
  b->background_color = VQ_NOCOLOR;
  memset(b->theme, 0, sizeof b->theme);
  b->greyed = b->nofocus = 0;
  b->focused = b->hovered = b->pressed = 0;
  b->host_handler = nullptr;
  b->host_object = nullptr;
  b->surface = nullptr;
  b->region = -1;
  b->label[0] = 0;
}

}  // namespace

void vqminor_init(vqminor_box* b) {
  b->event = vqnewevent();
  reset(b);
}

bool vqminor_begin(vqminor_box* b, vqoptions* o, const char* who, const char* format, va_list args,
                   bool labelled) {
  if (!vqoptions_open(o, who, VQOPTIONS_HOST_NEEDED, format, args)) return false;
  b->host_handler = o->host.handler;
  b->host_object = o->host.object;
  b->surface = o->host.pixmap;
  vqcolor_systemtable(b->theme);
  b->font = vqcontrol_defaultfont();
  b->text_color = b->theme[VQCOLOR_TEXT];
  b->background_color = VQ_NOCOLOR;
  if (labelled) vqoptions_label(o, b->label, sizeof b->label);
  vqoptions_read(o,
                 {nullptr, &b->font, &b->nofocus, &b->greyed, &b->background_color, &b->text_color, nullptr});
  return true;
}

void vqminor_finish(vqminor_box* b, vqoptions* o, vqhandler handler, void* object, int preferred_width,
                    int preferred_height) {
  vqoptions_place(o, preferred_width, preferred_height, 0, &b->x, &b->y, &b->width, &b->height);
  const unsigned flags = VQREGION_MOUSE | VQREGION_HOVER | (b->nofocus ? 0u : VQREGION_FOCUSABLE);
  b->region =
      vqregion_ask(b->host_handler, b->host_object, {handler, object, b->x, b->y, b->width, b->height, flags});
  b->created = 1;
}

void vqminor_end(vqminor_box* b, void* object) {
  if (b->created && b->host_handler) {
    int low, high;
    vqptr_split(object, &low, &high);
    vqsend(b->host_handler, b->host_object, VQCMD_REMOVEREGIONS, low, high);
  }
  reset(b);
}

void vqminor_show(const vqminor_box* b) {
  if (b->created && b->host_handler)
    vqsend(b->host_handler, b->host_object, VQCMD_SHOWRECT, b->x, b->y, b->width, b->height);
}

void vqminor_notify(const vqminor_box* b) { vqpostevent(b->event); }

void vqminor_takefocus(vqminor_box* b) {
  if (b->nofocus || b->focused || b->region < 0 || !b->host_handler) return;
  if (vqsend(b->host_handler, b->host_object, VQCMD_FOCUSREGION, b->region)) b->focused = 1;
}

bool vqminor_common(vqminor_box* b, int command) {
  switch (command) {
    case VQCMD_CLOSE:
      // The host goes away before us: nothing of it may be used any more.
      b->host_handler = nullptr;
      b->host_object = nullptr;
      b->surface = nullptr;
      b->region = -1;
      return true;
    case VQCMD_FOCUSIN: b->focused = 1; return true;
    case VQCMD_FOCUSOUT: b->focused = 0; return true;
    case VQCMD_HOVERSTART: b->hovered = 1; return true;
    case VQCMD_HOVEREND:
      b->hovered = 0;
      b->pressed = 0;
      return true;
    default: return false;
  }
}

bool vqminor_inside(const vqminor_box* b, int px, int py) {
  return px >= b->x && px < b->x + b->width && py >= b->y && py < b->y + b->height;
}

void vqminor_fill(const vqminor_box* b, int x, int y, int w, int h, uint32_t color) {
  if (b->surface && color != VQ_NOCOLOR) vqpxmap_fillrect(b->surface, x, y, w, h, static_cast<int32_t>(color));
}

void vqminor_frame(const vqminor_box* b, int x, int y, int w, int h, bool sunken) {
  if (!b->surface) return;
  auto c = [b](int index) { return static_cast<int32_t>(b->theme[index]); };
  if (sunken) {
    vqdraw_frame(b->surface, x, y, w, h, c(VQCOLOR_DARK), c(VQCOLOR_WHITE));
    vqdraw_frame(b->surface, x + 1, y + 1, w - 2, h - 2, c(VQCOLOR_BLACK), c(VQCOLOR_LIGHT));
  } else {
    vqdraw_frame(b->surface, x, y, w, h, c(VQCOLOR_WHITE), c(VQCOLOR_BLACK));
    vqdraw_frame(b->surface, x + 1, y + 1, w - 2, h - 2, c(VQCOLOR_LIGHT), c(VQCOLOR_DARK));
  }
}

void vqminor_text(const vqminor_box* b, int x, int y, const char* text, uint32_t color, bool underline,
                  int max_width) {
  if (!b->surface || !text) return;
  vqfont_drawstring(b->surface, b->font, x, y, static_cast<int32_t>(color), false, underline, -1,
                    max_width, -1, text, -1, -1);
}

int vqminor_textwidth(const vqminor_box* b, const char* text) { return vqfont_textwidth(b->font, text); }
int vqminor_fontheight(const vqminor_box* b) { return vqfont_height(b->font); }

uint32_t vqminor_ink(const vqminor_box* b) {
  return b->greyed ? b->theme[VQCOLOR_TEXTGREY] : b->text_color;
}

void vqminor_entries(const char* value, std::vector<std::string>* out) {
  out->clear();
  if (!value || !*value) return;
  std::string entry;
  for (const char* p = value; *p; p++) {
    if (*p == ';') {
      out->push_back(entry);
      entry.clear();
    } else {
      entry += *p;
    }
  }
  out->push_back(entry);
}
