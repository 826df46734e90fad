// The drawing commands every drawing target carries out the same way on its
// pixmap: shapes and the pen, texts, files, pictures, fonts and sizes. Texts
// and pointers arrive as two integers each.
#include "vqdraw.h"

#include "pixmap_internal.h"
#include "vqfont.h"
#include "vqimagefile.h"
#include "vqpicture.h"
#include "vqtarget.h"

#include <cstring>

namespace {

const char* text_at(int low, int high) {
  const char* text = vqptr_join<const char>(low, high);
  return text ? text : "";
}

// Writers convert the pixmap they save to truecolor first: a palette panel
// saves a copy, so that saving never changes what the panel shows.
bool save(vqpxmap* pm, const char* options) {
  if (pm->format == VQPX_TRUECOLOR) return vqpxmap_savetofile(pm, "%s", options);
  vqpxmap copy;
  vqpxmap_init(&copy);
  if (!vqpxmap_duplicate(&copy, pm, -1, -1, -1, -1)) return false;
  bool ok = vqpxmap_savetofile(&copy, "%s", options);
  vqpxmap_free(&copy);
  return ok;
}

// Pictures of the platform's decoder (PNG, JPEG, ...): pixels of more than
// half opacity are drawn.
bool draw_decoded(vqpxmap* pm, int x, int y, const char* filename) {
  vqpicture reader;
  if (!vqpicture_open(&reader, "%s", filename)) return false;
  vqpxmap picture;
  vqpxmap_init(&picture);
  picture.width = reader.width;
  picture.height = reader.height;
  picture.format = VQPX_TRUECOLOR;
  if (!vqpxmap_allocate(&picture)) return false;
  // Transparent pixels take a key color that no opaque pixel has.
  uint32_t key = 0xFF000000u;
  vqpxmap_settransparent(&picture, static_cast<int32_t>(key));
  uint32_t* to = vqpxmap_rgbpixels(&picture);
  for (int row = 0; row < reader.height; row++)
    for (int col = 0; col < reader.width; col++) {
      uint32_t argb = vqpicture_getpixel(&reader, col, row);
      *to++ = (argb >> 24) >= 128 ? (argb & 0xFFFFFFu) : key;
    }
  bool ok;
  if (uint32_t* rgb = vqpxmap_is_rgb(pm->format) ? vqpxmap_rgbpixels(pm) : nullptr) {
    // A merge into a platform-held pixmap copies every pixel, so the key
    // would arrive as a color: skip the transparent pixels here instead.
    vqpxmap_rect r = vqpxmap_clip(x, y, picture.width, picture.height, pm->width, pm->height);
    const uint32_t* from = vqpxmap_rgbpixels(&picture);
    for (int row = r.y; row < r.y + r.h; row++)
      for (int col = r.x; col < r.x + r.w; col++) {
        uint32_t v = from[static_cast<size_t>(row - y) * picture.width + (col - x)];
        if (v != key) rgb[static_cast<size_t>(row) * pm->width + col] = v;
      }
    vqpxmap_changed(pm, r);
    ok = true;
  } else if (pm->format == VQPX_PALETTE8) {
    ok = vqpxmap_convert2palette8(&picture, static_cast<int32_t>(key)) &&
         vqpxmap_merge(pm, &picture, x, y, 0, 0, 0, 0, 0, 0);
  } else {
    ok = vqpxmap_merge(pm, &picture, x, y, 0, 0, 0, 0, 0, 0);
  }
  vqpxmap_free(&picture);
  return ok;
}

bool draw_picture(vqpxmap* pm, int x, int y, const char* options) {
  char filename[256];
  size_t n = strcspn(options, ",");
  if (n >= sizeof filename) n = sizeof filename - 1;
  memcpy(filename, options, n);
  filename[n] = 0;
  switch (vqimage_type_of(filename)) {
    case VQIMG_BMP: case VQIMG_PCX: case VQIMG_PPM: case VQIMG_XPM:
      return vqgraphic_gloadintern_file(pm, x, y, 0, 0, options);
    default:
      return draw_decoded(pm, x, y, filename);
  }
}

// Line from the pen to (x, y) in the given thickness; the end becomes the pen.
void line_to(vqpxmap* pm, int x, int y, int32_t color, int thickness) {
  if (thickness <= 1)
    vqdraw_line(pm, pm->pen_x, pm->pen_y, x, y, color);
  else
    vqdraw_wideline(pm, pm->pen_x, pm->pen_y, x, y, color, thickness, thickness);
  pm->pen_x = x;
  pm->pen_y = y;
}

// Commands that answer with a pointer write it where a1/a2 point.
void answer_pointer(int a1, int a2, const void* p) {
  if (void** out = vqptr_join<void*>(a1, a2)) *out = const_cast<void*>(p);
}

}  // namespace

int vqdraw_command(vqpxmap* pm, void* self, int* font, int command, int a1, int a2, int a3, int a4,
                   int a5, int a6, int a7, int /*a8*/) {
  switch (command) {
    case VQCMD_POINT: vqpxmap_setpixel(pm, a1, a2, a3); return 0;
    case VQCMD_CIRCLE: vqdraw_circle(pm, a1, a2, a3, a4); return 0;
    case VQCMD_FILLCIRCLE: vqdraw_fillcircle(pm, a1, a2, a3, a4); return 0;
    case VQCMD_RECT: vqdraw_rect(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_FRAME: vqdraw_frame(pm, a1, a2, a3, a4, a5, a6); return 0;
    case VQCMD_FILLRECT: vqpxmap_fillrect(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_FILLFRAME: vqdraw_fillframe(pm, a1, a2, a3, a4, a5, a6, a7); return 0;
    case VQCMD_SHADOWRECT: vqdraw_shadowrect(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_LINE:
      vqdraw_line(pm, a1, a2, a3, a4, a5);
      pm->pen_x = a3;
      pm->pen_y = a4;
      return 0;
    case VQCMD_LINETO: line_to(pm, a1, a2, a3, 1); return 0;
    case VQCMD_MOVETO:
      pm->pen_x = a1;
      pm->pen_y = a2;
      return 0;
    case VQCMD_THICKLINETO: line_to(pm, a1, a2, a3, 3); return 0;
    case VQCMD_FLOODFILL: vqdraw_floodfill(pm, a1, a2, a3); return 0;
    case VQCMD_ARC: vqdraw_arc(pm, a1, a2, a3, a4, a5, a6, a7); return 0;
    case VQCMD_ELLIPSE: vqdraw_ellipse(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_FILLELLIPSE: vqdraw_fillellipse(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_CLEAR: vqpxmap_clear(pm, a1); return 0;
    case VQCMD_TEXT:
      vqfont_drawstring(pm, *font, a1, a2, a3, false, false, -1, 0, -1, text_at(a4, a5), -1, -1);
      return 0;
    case VQCMD_TEXTBOX:
      return vqfont_drawtextbox(pm, *font, a1, a2, a3, a4, a5, text_at(a6, a7), false);
    case VQCMD_TEXTCENTRED: {
      const char* text = text_at(a3, a4);
      int x = (pm->width - vqfont_textwidth(*font, text)) / 2;
      vqfont_drawstring(pm, *font, x, a1, a2, false, false, -1, 0, -1, text, -1, -1);
      return 0;
    }
    case VQCMD_SAVE: return save(pm, text_at(a1, a2)) ? 1 : 0;
    case VQCMD_PICTURE: return draw_picture(pm, a1, a2, text_at(a3, a4)) ? 1 : 0;
    case VQCMD_GRAPHIC: return vqdraw_builtin_options(pm, a3, a1, a2, text_at(a4, a5)) ? 1 : 0;
    case VQCMD_SETPALETTE: vqpxmap_setpalette(pm, a1, a2); return 0;
    case VQCMD_GETPIXEL: return vqpxmap_getpixel(pm, a1, a2);
    case VQCMD_SETFONT: *font = a1; return 0;
    case VQCMD_LOADFONT: {
      const char* text = text_at(a1, a2);
      int id = vqfont_register_buffer(text, strlen(text));
      if (id > 0) *font = id;
      return id;
    }
    case VQCMD_SETFONTNAME: {
      int id = vqfont_get("%s", text_at(a1, a2));
      if (id > 0) *font = id;
      return id;
    }
    case VQCMD_SETTRANSPARENT: vqpxmap_settransparent(pm, a1); return 0;
    case VQCMD_TEXTWIDTH: return vqfont_textwidth(*font, text_at(a1, a2));
    case VQCMD_FONTHEIGHT: return vqfont_height(*font);
    case VQCMD_CHARWIDTH: return vqfont_charwidth(*font, a1);
    case VQCMD_GETPIXMAP: answer_pointer(a1, a2, pm); return 1;
    case VQCMD_GETOBJECT: answer_pointer(a1, a2, self); return 1;
    case VQCMD_GETWIDTH: return pm->width;
    case VQCMD_GETHEIGHT: return pm->height;
    case VQCMD_DRAWPIXMAP: {
      const vqpxmap* src = vqptr_join<const vqpxmap>(a3, a4);
      if (src) vqpxmap_merge(pm, src, a1, a2, 0, 0, 0, 0, 0, 0);
      return 0;
    }
    case VQCMD_PALETTEGRAPHIC:
      return vqdraw_builtin_palette(pm, a5, a1, a2, vqptr_join<const uint32_t>(a3, a4)) ? 1 : 0;
    case VQCMD_WIDELINE:
      vqdraw_wideline(pm, a1, a2, a3, a4, a5, a6, a7);
      pm->pen_x = a3;
      pm->pen_y = a4;
      return 0;
    case VQCMD_CHAR:
      vqfont_drawchar(pm, *font, a1, a2, a3, false, false, -1, a4, -1, -1);
      return 0;
    default:
      return 0;
  }
}
