// The start every panel and control makes on its option string.
#include "vqoptions.h"

#include "vqfont.h"

#include <cstdio>

bool vqoptions_open(vqoptions* o, const char* who, vqoptions_host rule, const char* format, va_list args) {
  const vqcontainer* host = vqcontainer_current();
  const bool placeable = host != nullptr && host->pixmap != nullptr;
  if (host != nullptr && (placeable || rule == VQOPTIONS_HOST_OPTIONAL)) {
    o->host = *host;
  } else if (rule == VQOPTIONS_HOST_NEEDED) {
    std::printf("%s: no container\n", who);
    return false;
  }
  vqcfgstr_vformat(o->text, sizeof o->text, format != nullptr ? format : "", args);
  const size_t size = vqcfgstr_splitsize(o->text);
  o->buffer = std::make_unique<unsigned char[]>(size);
  o->tokens = vqcfgstr_split(o->text, o->buffer.get(), size);
  if (o->tokens == nullptr) return false;   // said by vqcfgstr_split
  o->first = 0;
  vqgeometry_reset(&o->geometry);
  o->geometry.parentwidth = o->host.pixmap != nullptr ? o->host.pixmap->width : VQOPTIONS_NOHOST_SIDE;
  o->geometry.parentheight = o->host.pixmap != nullptr ? o->host.pixmap->height : VQOPTIONS_NOHOST_SIDE;
  return true;
}

void vqoptions_label(vqoptions* o, char* label, size_t size) {
  if (size > 0) label[0] = 0;
  if (o->tokens[0] == nullptr) return;
  std::snprintf(label, size, "%s", o->tokens[0]);
  vqcfgstr_consume(o->tokens[0]);
  o->first = 1;
}

void vqoptions_read(vqoptions* o, const vqoptions_fields& f) {
  char** t = o->tokens;
  const int first = o->first;
  vqcfgstr_geometry(t, first, &o->geometry);
  if (f.border != nullptr) vqcfgstr_border(t, first, f.border);
  if (f.font != nullptr) vqfont_option(t, first, f.font);
  if (f.nofocus != nullptr) vqcfgstr_focus(t, first, f.nofocus);
  if (f.greyed != nullptr) vqcfgstr_greyed(t, first, f.greyed);
  if (f.background != nullptr) vqcfgstr_bgcolor(t, first, f.background);
  if (f.text != nullptr) o->text_color_given = vqcfgstr_textcolor(t, first, f.text);
  if (f.transparent != nullptr) vqcfgstr_transcolor(t, first, f.transparent);
}

namespace {

int limited(int v, int max_side) {
  if (max_side <= 0) return v;
  return v < 1 ? 1 : v > max_side ? max_side : v;
}

}  // namespace

void vqoptions_place(vqoptions* o, int preferred_width, int preferred_height, int max_side, int* x, int* y,
                     int* width, int* height) {
  vqgeometry& g = o->geometry;
  if (!(g.xsvalue > 0)) {
    g.xsvalue = preferred_width;
    g.widthpixel = 1;
  }
  if (!(g.ysvalue > 0)) {
    g.ysvalue = preferred_height;
    g.heightpixel = 1;
  }
  vqgeometry_compute(&g);
  *x = g.x;
  *y = g.y;
  *width = limited(g.width, max_side);
  *height = limited(g.height, max_side);
}
