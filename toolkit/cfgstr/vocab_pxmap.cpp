// Pixmap vocabularies: type, size and color count of a panel's pixmap.
#include "vqcfgstr.h"

#include <cctype>
#include <cstring>

static const vqcfgstr_keyword type_words[] = {
    {"palette", 1}, {"palette8", 1}, {"palette_8", 1}, {"indexed", 1},
    {"palette16", 2}, {"palette_16", 2}, {"truecolor", 3}, {"server", 4},
    {"screen", 5},  {"directx", 6},
};

// Whole-word type names; n limits the table for the by-value form.
static int type_of(const char* text, size_t n) {
  char bare[VQCFGSTR_TOKENMAX + 1];
  vqcfgstr_strip(text, bare, sizeof bare);
  for (size_t i = 0; i < n; ++i)
    if (strcasecmp(bare, type_words[i].name) == 0) return type_words[i].id;
  return -1;
}

void vqcfgstr_pxmaptype(char** list, int first, int* type) {
  for (int i = first; list && list[i]; ++i) {
    if (!list[i][0]) continue;
    int t = type_of(list[i], sizeof type_words / sizeof type_words[0]);
    if (t < 0) continue;
    *type = t;
    vqcfgstr_consume(list[i]);
  }
}

enum { P_WIDTH, P_HEIGHT, P_STRETCH, P_COLORS, P_TYPE };

static const vqcfgstr_keyword pxmap_keys[] = {
    {"pxmapxs=", P_WIDTH}, {"pxmap_xs=", P_WIDTH}, {"pixmapxs=", P_WIDTH},
    {"pixmap_xs=", P_WIDTH}, {"bitmapxs=", P_WIDTH}, {"bitmap_xs=", P_WIDTH},
    {"bmpxs=", P_WIDTH}, {"bmp_xs=", P_WIDTH}, {"pxs=", P_WIDTH},
    {"pxmapys=", P_HEIGHT}, {"pxmap_ys=", P_HEIGHT}, {"pixmapys=", P_HEIGHT},
    {"pixmap_ys=", P_HEIGHT}, {"bitmapys=", P_HEIGHT}, {"bitmap_ys=", P_HEIGHT},
    {"bmpys=", P_HEIGHT}, {"bmp_ys=", P_HEIGHT}, {"pys=", P_HEIGHT},
    {"stretch=", P_STRETCH}, {"xstretch=", P_STRETCH}, {"x_stretch=", P_STRETCH},
    {"stretchx=", P_STRETCH}, {"stretch_x=", P_STRETCH}, {"ystretch=", P_STRETCH},
    {"y_stretch=", P_STRETCH}, {"stretchy=", P_STRETCH}, {"stretch_y=", P_STRETCH},
    {"colors=", P_COLORS}, {"pxmapcolors=", P_COLORS}, {"pixmapcolors=", P_COLORS},
    {"pxmap_colors=", P_COLORS}, {"pixmap_colors=", P_COLORS}, {"bitmapcolors=", P_COLORS},
    {"bitmap_colors=", P_COLORS}, {"bmpcolors=", P_COLORS}, {"bmp_colors=", P_COLORS},
    {"pxmap=", P_TYPE}, {"pixmap=", P_TYPE}, {"bmp=", P_TYPE}, {"bitmap=", P_TYPE},
    {"pxmaptype=", P_TYPE}, {"pixmaptype=", P_TYPE}, {"bmptype=", P_TYPE},
    {"bitmaptype=", P_TYPE},
};

void vqcfgstr_pxmap(char** list, int first, int* width, int* height, int* colors, int* type) {
  int count = colors ? *colors : 0;
  for (int i = first; list && list[i]; ++i) {
    char* t = list[i];
    int id = vqcfgstr_lookup(t, pxmap_keys);
    if (id < 0 || id == P_STRETCH) continue;  // stretch: known, but not a panel's
    switch (id) {
      case P_WIDTH: if (width) *width = vqcfgstr_intvalue(t); break;
      case P_HEIGHT: if (height) *height = vqcfgstr_intvalue(t); break;
      case P_COLORS: count = vqcfgstr_intvalue(t); if (colors) *colors = count; break;
      case P_TYPE: {
        int v = type_of(vqcfgstr_after(t), 9);  // by value: no "directx"
        if (v > 0 && type) *type = v;
        break;
      }
    }
    vqcfgstr_consume(t);
  }
  if (type && *type == 1 && count > 256) *type = 2;
}
