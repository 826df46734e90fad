// The terminal as a drawing target: the drawing commands VQCMD_POINT to
// VQCMD_GETHEIGHT draw into its background pixmap, under the text, which is
// shown again at once while drawing is enabled.
#include "terminal_internal.h"

#include "vqdraw.h"
#include "vqtarget.h"

namespace {

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

// Another object's pixmap for VQCMD_COPYRECT: a registered container's, or our own.
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
    case VQCMD_COPYRECT:
      if (const vqpxmap* src = pixmap_of(t, vqptr_join(a1, a2))) copy_rect(pm, src, a3, a4, a5, a6, a7, a8);
      return 0;
    // VQCMD_REFRESHNOW and VQCMD_REFRESHRECT draw nothing: they only show the terminal again.
    default: return vqdraw_command(pm, t, &t->draw_font, command, a1, a2, a3, a4, a5, a6, a7, a8);
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
