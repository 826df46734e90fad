// Cuts the compiled-in bitmap fonts out of the fonts Debian ships: the X11
// misc bitmap fonts where one of the right cell exists, Liberation Sans and
// Liberation Mono (rendered without smoothing) for the proportional and the
// narrow monospace families. Writes each font as a font text into
// toolkit/fonts/data/; the build makes the C++ tables from those texts, so
// it never needs this tool or the source fonts.
//
// usage: vqfontgen SOURCE_DIR
#include "vqfont_cp1252.h"
#include "vqplatform_font.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const kMisc = "/usr/share/fonts/X11/misc/";
const char* const kLiberation = "/usr/share/fonts/truetype/liberation/";

struct FontDef {
  const char* name;
  bool monospace;
  int xsize, ysize, chars, ascent, descent;
  int weight;          // -1: no weight line
  const char* file;    // in kMisc when it ends in .pcf.gz, else in kLiberation
  int glyph_width;     // monospace glyph width (0 = xsize)
  const char* fallback = nullptr;  // bitmap font for the glyphs the first one lacks
  bool embolden = false;           // strokes doubled one pixel to the right
};

const FontDef kFonts[] = {
    {"6x13", true, 6, 13, 224, 11, 2, 0, "6x13.pcf.gz", 0},
    {"6x13b", true, 6, 13, 224, 11, 2, 2, "6x13B.pcf.gz", 0},
    {"12x24", true, 12, 24, 223, 22, 2, 0, "12x24.pcf.gz", 0},
    {"5x7", true, 5, 7, 224, 6, 1, 0, "5x7.pcf.gz", 0},
    {"8x8", true, 8, 8, 224, 7, 1, 0, "clR8x8.pcf.gz", 0, "5x8.pcf.gz"},
    {"6x8", true, 6, 8, 224, 7, 1, 0, "clR6x8.pcf.gz", 0, "5x8.pcf.gz"},
    {"8x16", true, 8, 16, 223, 14, 2, 0, "8x16.pcf.gz", 0},
    // No bold 8x16 with the Latin-1 letters ships, so the regular one is doubled.
    {"8x16b", true, 8, 16, 223, 14, 2, 2, "8x16.pcf.gz", 0, nullptr, true},
    {"9x15", true, 9, 15, 224, 12, 3, 0, "9x15.pcf.gz", 0},
    {"9x15b", true, 9, 15, 224, 12, 3, 2, "9x15B.pcf.gz", 0},
    {"var13", false, 11, 13, 223, 11, 2, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial10", false, 10, 10, 224, 8, 2, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial10b", false, 10, 10, 224, 8, 2, 2, "LiberationSans-Bold.ttf", 0},
    {"Arial12", false, 12, 12, 224, 9, 3, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial12b", false, 12, 12, 224, 10, 2, 2, "LiberationSans-Bold.ttf", 0},
    {"Arial14", false, 14, 14, 224, 11, 3, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial14b", false, 14, 14, 224, 11, 3, 2, "LiberationSans-Bold.ttf", 0},
    {"Arial16", false, 17, 16, 224, 13, 3, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial16b", false, 16, 16, 224, 13, 3, 2, "LiberationSans-Bold.ttf", 0},
    {"Arial18", false, 21, 18, 224, 15, 3, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial18b", false, 8, 18, 224, 14, 4, -1, "LiberationSans-Bold.ttf", 0},
    {"Arial20", false, 22, 19, 224, 15, 4, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial20b", false, 21, 19, 224, 15, 4, 2, "LiberationSans-Bold.ttf", 0},
    {"Arial22", false, 25, 22, 224, 18, 4, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial22b", false, 24, 22, 224, 18, 4, 2, "LiberationSans-Bold.ttf", 0},
    {"Arial24", false, 27, 24, 224, 19, 5, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial24b", false, 25, 24, 224, 19, 5, 2, "LiberationSans-Bold.ttf", 0},
    {"Arial26", false, 30, 26, 224, 21, 5, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial26b", false, 27, 26, 224, 21, 5, 2, "LiberationSans-Bold.ttf", 0},
    {"Arial36", false, 41, 36, 224, 29, 7, 0, "LiberationSans-Regular.ttf", 0},
    {"Arial36b", false, 39, 36, 224, 29, 7, 2, "LiberationSans-Bold.ttf", 0},
    {"crnew10", true, 5, 8, 224, 6, 2, 0, "LiberationMono-Regular.ttf", 5},
    {"crnew10b", true, 5, 10, 224, 7, 3, 2, "LiberationMono-Bold.ttf", 4},
    {"crnew12", true, 6, 12, 224, 9, 3, 0, "LiberationMono-Regular.ttf", 5},
    {"crnew12b", true, 7, 12, 224, 9, 3, 2, "LiberationMono-Bold.ttf", 5},
    {"crnew14", true, 7, 14, 224, 11, 3, 0, "LiberationMono-Regular.ttf", 7},
    {"crnew14b", true, 8, 14, 224, 11, 3, 2, "LiberationMono-Bold.ttf", 7},
};

bool is_bitmap_file(const FontDef& def) {
  return std::string(def.file).find(".pcf") != std::string::npos;
}

// Scalable sources: the largest em size whose line fits the cell (a little
// accent room above may be cut); monospace ones also keep the stated advance.
vqplatform_face* open_source(const FontDef& def) {
  std::string path = std::string(is_bitmap_file(def) ? kMisc : kLiberation) + def.file;
  vqplatform_face_request request{path.c_str(), 0, 0, false, false};
  if (is_bitmap_file(def)) return vqplatform_face_open(&request);
  int want_width = def.glyph_width ? def.glyph_width : def.xsize;
  for (int em = def.ysize + 4; em >= 4; --em) {
    request.pixel_height = em;
    vqplatform_face* face = vqplatform_face_open(&request);
    if (!face) return nullptr;
    vqplatform_face_metrics m = vqplatform_face_get_metrics(face);
    vqplatform_glyph_image zero{};
    bool fits = m.height <= def.ysize + 1 && m.descent <= def.descent + 1;
    if (def.monospace && vqplatform_face_glyph(face, '0', &zero)) fits = fits && zero.advance <= want_width;
    if (fits) return face;
    vqplatform_face_close(face);
  }
  return nullptr;
}

struct Glyph {
  int width = 0;
  std::vector<std::string> rows;
};

Glyph cut_glyph(vqplatform_face* face, vqplatform_face* fallback, const FontDef& def, int baseline,
                int code, int blank_width) {
  Glyph g;
  vqplatform_glyph_image image{};
  int unicode = vqfont_unicode_of(code);
  bool have = unicode != 0 && vqplatform_face_glyph(face, unicode, &image);
  if (!have && unicode != 0 && fallback) have = vqplatform_face_glyph(fallback, unicode, &image);
  if (def.monospace) g.width = def.glyph_width ? def.glyph_width : def.xsize;
  else g.width = have ? (image.advance > 0 ? image.advance : image.width) : blank_width;
  if (g.width < 1) g.width = 1;
  g.rows.assign(def.ysize, std::string(g.width, '.'));
  if (!have) return g;
  int pen = def.monospace ? (g.width - image.advance) / 2 : 0;
  // A mark that would fall wholly outside the cell (an underscore below a
  // small cell, an accent above it) is moved just inside instead of lost.
  int top_row = baseline - image.top, shift = 0;
  if (image.rows > 0 && top_row + image.rows <= 0) shift = -top_row;
  if (image.rows > 0 && top_row >= def.ysize) shift = def.ysize - image.rows - top_row;
  // Hinting at the smallest sizes can drop a thin mark entirely; its box
  // then stands for it, so that the character is not blank.
  std::vector<uint8_t> pixels(image.pixels, image.pixels + image.width * image.rows);
  bool any = false;
  for (uint8_t p : pixels) any = any || p;
  if (!any && unicode != 0x20 && unicode != 0xA0) pixels.assign(pixels.size(), 1);
  for (int r = 0; r < image.rows; ++r) {
    int y = top_row + shift + r;
    if (y < 0 || y >= def.ysize) continue;
    for (int c = 0; c < image.width; ++c) {
      int x = pen + image.left + c;
      if (x >= 0 && x < g.width && pixels[r * image.width + c]) g.rows[y][x] = '*';
    }
  }
  if (def.embolden)
    for (std::string& row : g.rows)
      for (int x = g.width - 1; x > 0; --x)
        if (row[x - 1] == '*') row[x] = '*';
  return g;
}

std::vector<std::string> make_font_text(const FontDef& def) {
  vqplatform_face* face = open_source(def);
  if (!face) return {};
  vqplatform_face_metrics m = vqplatform_face_get_metrics(face);
  // Bitmap fonts of the exact cell keep their own rows; rendered ones sit on
  // the stated baseline.
  int baseline = is_bitmap_file(def) && m.height == def.ysize ? m.ascent : def.ascent;
  vqplatform_glyph_image blank{};
  int blank_width = vqplatform_face_glyph(face, ' ', &blank) ? blank.advance : def.xsize / 3;
  vqplatform_face* fallback = nullptr;
  if (def.fallback) {
    std::string path = std::string(kMisc) + def.fallback;
    vqplatform_face_request request{path.c_str(), 0, 0, false, false};
    fallback = vqplatform_face_open(&request);
  }
  std::vector<Glyph> glyphs;
  for (int i = 0; i < def.chars; ++i)
    glyphs.push_back(cut_glyph(face, fallback, def, baseline, 32 + i, blank_width));
  vqplatform_face_close(face);
  vqplatform_face_close(fallback);

  std::vector<std::string> lines = {"header:", std::string("name=") + def.name,
                                    def.monospace ? "monospace" : "proportional"};
  lines.push_back("xsize=" + std::to_string(def.xsize));
  lines.push_back("ysize=" + std::to_string(def.ysize));
  lines.push_back("chars=" + std::to_string(def.chars));
  lines.push_back("ascent=" + std::to_string(def.ascent));
  lines.push_back("descent=" + std::to_string(def.descent));
  if (def.weight > 0) lines.push_back("weight=" + std::to_string(def.weight));
  lines.push_back("colors=1");
  lines.push_back("desiredxs=" + std::to_string(def.xsize));
  lines.push_back("desiredys=" + std::to_string(def.ysize));
  std::string widths = "propxs=", offsets = "propdataoffset=";
  int offset = 0;
  for (size_t i = 0; i < glyphs.size(); ++i) {
    if (i) {
      widths += ' ';
      offsets += ' ';
    }
    widths += std::to_string(glyphs[i].width);
    offsets += std::to_string(offset);
    offset += glyphs[i].width * def.ysize;
  }
  lines.push_back(widths);
  lines.push_back(offsets);
  lines.push_back("data:");
  for (const Glyph& g : glyphs) lines.insert(lines.end(), g.rows.begin(), g.rows.end());
  return lines;
}

bool write_file(const std::string& path, const std::string& text) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) {
    printf("vqfontgen: cannot write %s\n", path.c_str());
    return false;
  }
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    printf("usage: vqfontgen SOURCE_DIR\n");
    return 2;
  }
  std::string fonts = std::string(argv[1]) + "/toolkit/fonts/data/";
  for (const FontDef& def : kFonts) {
    std::vector<std::string> lines = make_font_text(def);
    if (lines.empty()) {
      printf("vqfontgen: no source for %s\n", def.name);
      return 1;
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    if (!write_file(fonts + def.name + ".font", text)) return 1;
  }
  return 0;
}
