// Drawing an up-down control into its host's pixmap: the field, its sunken
// frame, the two arrow boxes and the text with the editing cursor.
#include "controls_internal.h"

#include "vqcolor.h"
#include "vqdraw.h"
#include "vqfont.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

void arrow_box(const vqUpDownControl* c, vqpxmap* pm, int x, int y, int w, int h, bool held,
               const char* symbol) {
  if (w <= 0 || h <= 0) return;
  const uint32_t* t = c->theme;
  vqpxmap_fillrect(pm, x, y, w, h, static_cast<int32_t>(t[VQCOLOR_GREY]));
  if (held) {
    vqdraw_frame(pm, x, y, w, h, t[VQCOLOR_DARK], t[VQCOLOR_WHITE]);
    vqdraw_frame(pm, x + 1, y + 1, w - 2, h - 2, t[VQCOLOR_BLACK], t[VQCOLOR_LIGHT]);
  } else {
    vqdraw_frame(pm, x, y, w, h, t[VQCOLOR_LIGHT], t[VQCOLOR_BLACK]);
    vqdraw_frame(pm, x + 1, y + 1, w - 2, h - 2, t[VQCOLOR_WHITE], t[VQCOLOR_DARK]);
  }
  const int shift = held ? 1 : 0;
  const uint32_t ink = c->greyed ? t[VQCOLOR_TEXTGREY] : t[VQCOLOR_TEXT];
  vqdraw_builtin(pm, vqgraphic_builtin_id(symbol), x + 2 + shift, y + 2 + shift, w - 4, h - 4,
                 static_cast<int32_t>(ink));
}

void draw_text(const vqUpDownControl* c, vqpxmap* pm, const vqupdown_geometry& g) {
  char shown[VQUPDOWN_TEXTSIZE];
  vqupdown_shown(c, shown, sizeof shown);
  int first = 0, tx = 0;
  vqupdown_textplace(c, &first, &tx);
  const int32_t color = static_cast<int32_t>(c->greyed ? c->theme[VQCOLOR_TEXTGREY] : c->text_color);
  int x = tx;
  for (const char* p = shown + first; *p != 0; ++p) {
    const int w = vqfont_charwidth(c->font, static_cast<unsigned char>(*p));
    if (x + w > g.text_right) break;
    vqfont_drawchar(pm, c->font, x, g.text_y, color, false, false, -1, static_cast<unsigned char>(*p), -1, -1);
    x += w;
  }
  if (!c->editing || c->greyed) return;
  // The cursor sits in the gap before the character at its index.
  char before[VQUPDOWN_TEXTSIZE];
  const int from = std::min(first, c->cursor);
  std::snprintf(before, sizeof before, "%.*s", c->cursor - from, shown + from);
  int cx = tx + vqfont_textwidth(c->font, before) - (c->cursor > 0 ? 1 : 0);
  cx = std::clamp(cx, c->x + 1, g.text_right);
  vqpxmap_fillrect(pm, cx, g.text_y, 1, vqfont_height(c->font), static_cast<int32_t>(c->text_color));
}

}  // namespace

void vqupdown_geometry_of(const vqUpDownControl* c, vqupdown_geometry* g) {
  const int framed = c->border != 0 ? 1 : 0;
  g->column_w = c->height / 2 + 1;
  g->column_x = c->x + c->width - g->column_w + 1 - 2 * framed;
  g->box_top = c->y + 2 * framed;
  g->box_h = (c->height - 4 * c->border + 1) / 2;
  g->text_y = c->y + (c->height - vqfont_height(c->font)) / 2;
  g->text_left = c->x + 4;
  g->text_right = g->column_x - 2;
}

void vqupdown_shown(const vqUpDownControl* c, char* out, int size) {
  if (!c->password) {
    std::snprintf(out, static_cast<size_t>(size), "%s", c->text);
    return;
  }
  int n = std::min(static_cast<int>(std::strlen(c->text)), size - 1);
  std::memset(out, '*', static_cast<size_t>(n));
  out[n] = 0;
}

void vqupdown_textplace(const vqUpDownControl* c, int* first, int* x) {
  vqupdown_geometry g;
  vqupdown_geometry_of(c, &g);
  char shown[VQUPDOWN_TEXTSIZE];
  vqupdown_shown(c, shown, sizeof shown);
  *first = 0;
  const int width = vqfont_textwidth(c->font, shown);
  // Right-aligned while the text fits inside the frame; else from 4 pixels in.
  const int inside = c->x + (c->border != 0 ? 2 : 0);
  if (c->align_right && g.text_right - width >= inside) {
    *x = g.text_right - width;
    return;
  }
  *x = g.text_left;
  if (!c->editing) return;
  // While editing, a long text is shown from the first character that
  // keeps the cursor in view.
  const int room = g.text_right - g.text_left;
  int cursor = std::min(c->cursor, static_cast<int>(std::strlen(shown)));
  char part[VQUPDOWN_TEXTSIZE];
  while (*first < cursor) {
    std::snprintf(part, sizeof part, "%.*s", cursor - *first, shown + *first);
    if (vqfont_textwidth(c->font, part) <= room) break;
    ++*first;
  }
}

void vqupdown_redraw(vqUpDownControl* c) {
  if (c == nullptr || !c->created) return;
  vqpxmap* pm = vqcontrol_host_pixmap(&c->host);
  if (pm == nullptr) return;
  vqupdown_geometry g;
  vqupdown_geometry_of(c, &g);
  const uint32_t fill = c->greyed ? c->theme[VQCOLOR_LIGHT] : c->background_color;
  if (fill != VQ_NOCOLOR) vqpxmap_fillrect(pm, c->x, c->y, c->width, c->height, static_cast<int32_t>(fill));
  if (c->border != 0) {
    const uint32_t* t = c->theme;
    vqdraw_frame(pm, c->x, c->y, c->width, c->height, t[VQCOLOR_DARK], t[VQCOLOR_WHITE]);
    vqdraw_frame(pm, c->x + 1, c->y + 1, c->width - 2, c->height - 2, t[VQCOLOR_BLACK], t[VQCOLOR_LIGHT]);
  }
  arrow_box(c, pm, g.column_x, g.box_top, g.column_w - 1, g.box_h, c->up_pressed != 0, "up");
  arrow_box(c, pm, g.column_x, g.box_top + g.box_h, g.column_w - 1, g.box_h, c->down_pressed != 0, "down");
  draw_text(c, pm, g);
  vqcontrol_host_show(&c->host, c->x, c->y, c->width, c->height);
}
