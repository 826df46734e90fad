// Draws every registered font into one PNG for a person to look at: per
// font a title line with its name and metrics, then the glyphs 32 to 254 in
// rows of 32, each on a cell shaded to show the glyph's width.
//
// usage: vqfontsheet [OUT.png]   (default fontsheet.png)
#include "vqfont.h"
#include "vqimagefile.h"
#include "vqpxmap.h"

#include <cstdio>
#include <vector>

namespace {

constexpr int kPerRow = 32, kMargin = 8, kGap = 2;
constexpr int32_t kPaper = 0xFFFFFF, kCellA = 0xE4ECF4, kCellB = 0xF4ECE0, kInk = 0x000000,
                  kTitle = 0x0030A0;

struct Sheet {
  std::vector<int> fonts;   // ids, in table order
  int width = 0, height = 0;
};

int widest_glyph(int id) {
  int widest = 1;
  for (int code = 32; code < 255; ++code)
    if (vqfont_charwidth(id, code) > widest) widest = vqfont_charwidth(id, code);
  return widest;
}

int block_height(int id) {
  int rows = (255 - 32 + kPerRow - 1) / kPerRow;
  return 13 + kGap + rows * (vqfont_height(id) + kGap) + kMargin;
}

Sheet plan() {
  Sheet s;
  for (int i = 0; i < vqfont_count(); ++i)
    if (vqfont_id_at(i)) s.fonts.push_back(vqfont_id_at(i));
  s.width = 640;
  s.height = kMargin;
  for (int id : s.fonts) {
    int w = 2 * kMargin + kPerRow * (widest_glyph(id) + kGap);
    if (w > s.width) s.width = w;
    s.height += block_height(id);
  }
  return s;
}

void draw_font(vqpxmap* pm, int id, int y) {
  vqfont_info f{};
  if (!vqfont_describe(id, &f)) return;
  char title[256];
  snprintf(title, sizeof title, "%s  [%s]  %s  cell %dx%d  ascent %d descent %d weight %d", f.name, f.key,
           f.spacing == 1 ? "monospace" : f.spacing == 2 ? "proportional" : "spacing ?", f.xsize, f.ysize,
           f.ascent, f.descent, f.weight);
  vqfont_drawstring(pm, -1, kMargin, y, kTitle, false, false, -1, 0, -1, title, -1, -1);
  y += 13 + kGap;
  int step = widest_glyph(id) + kGap;
  for (int code = 32; code < 255; ++code) {
    int i = code - 32;
    int x = kMargin + (i % kPerRow) * step, row_y = y + (i / kPerRow) * (f.ysize + kGap);
    int w = vqfont_charwidth(id, code);
    if (w > 0) vqpxmap_fillrect(pm, x, row_y, w, f.ysize, (i + i / kPerRow) % 2 ? kCellA : kCellB);
    vqfont_drawchar(pm, id, x, row_y, kInk, false, false, -1, code, -1, -1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char* out = argc > 1 ? argv[1] : "fontsheet.png";
  vqfont_register_builtins();
  vqfont_register_embedded_all();
  for (const char* spec : {"Courier New,points=20,bold", "Courier New,points=18,bold"})
    if (!vqfont_get("%s", spec)) fprintf(stderr, "vqfontsheet: no system font for %s\n", spec);

  Sheet s = plan();
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = s.width;
  pm.height = s.height;
  pm.format = VQPX_TRUECOLOR;
  if (!vqpxmap_allocate(&pm)) {
    fprintf(stderr, "vqfontsheet: cannot allocate %dx%d\n", s.width, s.height);
    return 1;
  }
  vqpxmap_clear(&pm, kPaper);
  int y = kMargin;
  for (int id : s.fonts) {
    draw_font(&pm, id, y);
    y += block_height(id);
  }
  bool ok = vqpxmap_savetofile_png(&pm, out);
  if (!ok) fprintf(stderr, "vqfontsheet: cannot write %s\n", out);
  else printf("%s: %d fonts, %dx%d\n", out, static_cast<int>(s.fonts.size()), s.width, s.height);
  vqpxmap_free(&pm);
  vqfont_free_all();
  return ok ? 0 : 1;
}
