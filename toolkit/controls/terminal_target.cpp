// The terminal as a drawing target: the drawing commands 1001 to 1044 draw
// into its background pixmap, under the text, which is shown again at once
// while drawing is enabled.
#include "terminal_internal.h"

#include "vqdraw.h"
#include "vqfont.h"
#include "vqimagefile.h"
#include "vqtarget.h"

#include <cstring>

namespace {

const char* text_at(int low, int high) {
  const char* text = vqptr_join<const char>(low, high);
  return text != nullptr ? text : "";
}

void answer_pointer(int a1, int a2, const void* p) {
  if (void** out = vqptr_join<void*>(a1, a2)) *out = const_cast<void*>(p);
}

bool changes_nothing(int command) {
  switch (command) {
    case VQCMD_MOVETO: case VQCMD_SAVE: case VQCMD_GETPIXEL: case VQCMD_SETFONT: case VQCMD_LOADFONT:
    case VQCMD_SETFONTNAME: case VQCMD_TEXTWIDTH: case VQCMD_FONTHEIGHT: case VQCMD_CHARWIDTH:
    case VQCMD_GETPIXMAP: case VQCMD_GETOBJECT: case VQCMD_GETWIDTH: case VQCMD_GETHEIGHT:
      return true;
    default:
      return false;
  }
}

// Another object's pixmap for 1034: a registered container's, or our own.
const vqpxmap* pixmap_of(vqTerminal* t, void* object) {
  if (object == nullptr || object == t) return &t->background;
  if (const vqcontainer* c = vqcontainer_find(object)) return c->pixmap;
  return nullptr;
}

void copy_rect(vqpxmap* pm, const vqpxmap* src, int sx, int sy, int dx, int dy, int w, int h) {
  vqpxmap part;
  vqpxmap_init(&part);
  // A copy first, so that a rectangle may move within the background.
  if (!vqpxmap_duplicate(&part, src, sx, sy, w, h)) return;
  if (part.format != VQPX_TRUECOLOR) vqpxmap_convert2truecolor(&part, -1);
  for (int row = 0; row < part.height; ++row)
    for (int col = 0; col < part.width; ++col)
      vqpxmap_setpixel(pm, dx + col, dy + row, vqpxmap_getpixel(&part, col, row));
  vqpxmap_free(&part);
}

int draw(vqTerminal* t, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7, int a8) {
  vqpxmap* pm = &t->background;
  switch (command) {
    case VQCMD_POINT: vqpxmap_setpixel(pm, a1, a2, a3); return 0;
    case VQCMD_CIRCLE: vqdraw_circle(pm, a1, a2, a3, a4); return 0;
    case VQCMD_FILLCIRCLE: vqdraw_fillcircle(pm, a1, a2, a3, a4); return 0;
    case VQCMD_RECT: vqdraw_rect(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_FRAME: vqdraw_frame(pm, a1, a2, a3, a4, a5, a6); return 0;
    case VQCMD_FILLRECT: vqpxmap_fillrect(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_FILLFRAME: vqdraw_fillframe(pm, a1, a2, a3, a4, a5, a6, a7); return 0;
    case VQCMD_SHADOWRECT: vqdraw_shadowrect(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_LINE: vqdraw_line(pm, a1, a2, a3, a4, a5); pm->pen_x = a3; pm->pen_y = a4; return 0;
    case VQCMD_LINETO: case VQCMD_THICKLINETO:
      if (command == VQCMD_LINETO) vqdraw_line(pm, pm->pen_x, pm->pen_y, a1, a2, a3);
      else vqdraw_wideline(pm, pm->pen_x, pm->pen_y, a1, a2, a3, 3, 3);
      pm->pen_x = a1;
      pm->pen_y = a2;
      return 0;
    case VQCMD_MOVETO: pm->pen_x = a1; pm->pen_y = a2; return 0;
    case VQCMD_FLOODFILL: vqdraw_floodfill(pm, a1, a2, a3); return 0;
    case VQCMD_ARC: vqdraw_arc(pm, a1, a2, a3, a4, a5, a6, a7); return 0;
    case VQCMD_ELLIPSE: vqdraw_ellipse(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_FILLELLIPSE: vqdraw_fillellipse(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_CLEAR: vqpxmap_clear(pm, a1); return 0;
    case VQCMD_TEXT:
      vqfont_drawstring(pm, t->draw_font, a1, a2, a3, false, false, -1, 0, -1, text_at(a4, a5), -1, -1);
      return 0;
    case VQCMD_TEXTBOX: return vqfont_drawtextbox(pm, t->draw_font, a1, a2, a3, a4, a5, text_at(a6, a7), false);
    case VQCMD_TEXTCENTRED: {
      const char* text = text_at(a3, a4);
      const int x = (pm->width - vqfont_textwidth(t->draw_font, text)) / 2;
      vqfont_drawstring(pm, t->draw_font, x, a1, a2, false, false, -1, 0, -1, text, -1, -1);
      return 0;
    }
    case VQCMD_SAVE: return vqpxmap_savetofile(pm, "%s", text_at(a1, a2)) ? 1 : 0;
    case VQCMD_PICTURE: return vqgraphic_gloadintern_file(pm, a1, a2, 0, 0, text_at(a3, a4)) ? 1 : 0;
    case VQCMD_GRAPHIC: return vqdraw_builtin_options(pm, a3, a1, a2, text_at(a4, a5)) ? 1 : 0;
    case VQCMD_SETPALETTE: vqpxmap_setpalette(pm, a1, a2); return 0;
    case VQCMD_GETPIXEL: return vqpxmap_getpixel(pm, a1, a2);
    case VQCMD_SETFONT: t->draw_font = a1; return 0;
    case VQCMD_LOADFONT: {
      const char* text = text_at(a1, a2);
      const int id = vqfont_register_buffer(text, std::strlen(text));
      if (id > 0) t->draw_font = id;
      return id;
    }
    case VQCMD_SETFONTNAME: {
      const int id = vqfont_get("%s", text_at(a1, a2));
      if (id > 0) t->draw_font = id;
      return id;
    }
    case VQCMD_COPYRECT:
      if (const vqpxmap* src = pixmap_of(t, vqptr_join(a1, a2))) copy_rect(pm, src, a3, a4, a5, a6, a7, a8);
      return 0;
    case VQCMD_SETTRANSPARENT: vqpxmap_settransparent(pm, a1); return 0;
    case VQCMD_TEXTWIDTH: return vqfont_textwidth(t->draw_font, text_at(a1, a2));
    case VQCMD_FONTHEIGHT: return vqfont_height(t->draw_font);
    case VQCMD_CHARWIDTH: return vqfont_charwidth(t->draw_font, a1);
    case VQCMD_GETPIXMAP: answer_pointer(a1, a2, pm); return 1;
    case VQCMD_GETOBJECT: answer_pointer(a1, a2, t); return 1;
    case VQCMD_GETWIDTH: return pm->width;
    case VQCMD_GETHEIGHT: return pm->height;
    default: return 0;   // 1017 and 1039 only show the terminal again
  }
}

}  // namespace

int vqterm_target(vqTerminal* t, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                  int a8) {
  if (!t->created) return 0;
  const int result = draw(t, command, a1, a2, a3, a4, a5, a6, a7, a8);
  if (!changes_nothing(command) && t->drawing_enabled) vqterm_redraw(t);
  return result;
}
