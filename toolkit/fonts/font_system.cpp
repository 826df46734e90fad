// System fonts: a font specification ("Courier New,points=20,bold") is
// rasterized once into the toolkit's bitmap form and registered under the
// whole font specification, so later requests find it by name.
#include "font_record.h"
#include "vqcfgstr.h"
#include "vqfont.h"
#include "vqfont_cp1252.h"
#include "vqplatform_font.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Spec {
  std::string face;
  int points = 0, width = 0, height = 0, ascent = 0, descent = 0, xsextra = 0;
  bool bold = false, italic = false, underline = false;
};

int number_after(const std::string& item, const char* key) {
  size_t n = strlen(key);
  return item.compare(0, n, key) == 0 ? atoi(item.c_str() + n) : -1;
}

Spec parse_spec(const char* text) {
  Spec spec;
  std::vector<std::string> items(1);
  for (const char* p = text; *p; ++p) {
    if (*p == ',') items.emplace_back();
    else items.back() += *p;
  }
  spec.face = items[0];
  for (size_t i = 1; i < items.size(); ++i) {
    std::string item;
    for (char c : items[i])
      if (c != ' ' && c != '\t') item += static_cast<char>(tolower(static_cast<unsigned char>(c)));
    int v;
    if ((v = number_after(item, "points=")) >= 0) spec.points = v;
    else if (item == "bold") spec.bold = true;
    else if (item == "italic") spec.italic = true;
    else if (item == "underlined" || item == "understriked") spec.underline = true;
    else if ((v = number_after(item, "xs=")) >= 0 || (v = number_after(item, "width=")) >= 0) spec.width = v;
    else if ((v = number_after(item, "ys=")) >= 0 || (v = number_after(item, "height=")) >= 0) spec.height = v;
    else if ((v = number_after(item, "ascent=")) >= 0) spec.ascent = v;
    else if ((v = number_after(item, "descent=")) >= 0) spec.descent = v;
    else if ((v = number_after(item, "xsextra=")) >= 0) spec.xsextra = v;
  }
  return spec;
}

// One glyph drawn into the work area two cells wide at x = cell / 2, then
// cut to its ink columns and widened on both sides to its advance.
void cut_glyph(vqplatform_face* face, int code, int cell, int height, int ascent, int blank_advance,
               bool underline, int fixed_advance, std::vector<uint8_t>* data, int* width_out) {
  int area_w = 2 * cell;
  std::vector<uint8_t> area(static_cast<size_t>(area_w) * height, 0);
  vqplatform_glyph_image g{};
  int unicode = vqfont_unicode_of(code);
  if (!unicode || !vqplatform_face_glyph(face, unicode, &g)) {
    *width_out = 0;
    return;
  }
  for (int r = 0; r < g.rows; ++r)
    for (int c = 0; c < g.width; ++c) {
      int x = cell / 2 + g.left + c, y = ascent - g.top + r;
      if (x >= 0 && x < area_w && y >= 0 && y < height && g.pixels[r * g.width + c])
        area[static_cast<size_t>(y) * area_w + x] = 1;
    }
  if (underline && ascent + 1 < height)
    for (int x = cell / 2; x < cell / 2 + g.advance && x < area_w; ++x)
      area[static_cast<size_t>(ascent + 1) * area_w + x] = 1;
  int first = -1, last = -1;
  for (int x = 0; x < area_w; ++x)
    for (int y = 0; y < height; ++y)
      if (area[static_cast<size_t>(y) * area_w + x]) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  int start = first, width = last - first + 1;
  if (first < 0) {
    start = 0;
    width = blank_advance;
  }
  for (int step = 1; width < g.advance; ++step) {
    ++width;
    if (step % 2 == 0 && start > 0) --start;
  }
  // In a face of one advance for all, a glyph whose ink spills over it (a
  // bold dash) is cut back to the advance, so the font stays monospace.
  if (fixed_advance > 0 && width > fixed_advance) {
    start += (width - fixed_advance) / 2;
    width = fixed_advance;
  }
  for (int y = 0; y < height; ++y)
    for (int x = start; x < start + width; ++x)
      data->push_back(x < area_w ? area[static_cast<size_t>(y) * area_w + x] : 0);
  *width_out = width;
}

int create_system_font(const char* text) {
  Spec spec = parse_spec(text);
  int pixel_height = spec.points > 0 ? spec.points * 96 / 72 : (spec.height > 0 ? spec.height : 16);
  vqplatform_face_request request{spec.face.c_str(), pixel_height, spec.points > 0 ? 0 : spec.width,
                                  spec.bold, spec.italic};
  vqplatform_face* face = vqplatform_face_open(&request);
  if (!face) return 0;
  vqplatform_face_metrics m = vqplatform_face_get_metrics(face);
  int cell = m.average_width + spec.xsextra;
  if (cell < 1 || m.height < 1) {
    vqplatform_face_close(face);
    return 0;
  }
  vqplatform_glyph_image blank{};
  int blank_advance = vqplatform_face_glyph(face, ' ', &blank) ? blank.advance : cell;

  int fixed_advance = 0;
  for (int code = 32; code < 255; ++code) {
    vqplatform_glyph_image g{};
    int unicode = vqfont_unicode_of(code);
    if (!unicode || !vqplatform_face_glyph(face, unicode, &g)) continue;
    if (fixed_advance == 0) fixed_advance = g.advance;
    else if (g.advance != fixed_advance) fixed_advance = -1;
  }

  vqfont_record record;
  vqfont_record_reset(&record);
  std::vector<uint8_t> data;
  for (int i = 0; i < 223; ++i) {
    record.offsets[i] = static_cast<int>(data.size());
    cut_glyph(face, 32 + i, cell, m.height, m.ascent, blank_advance, spec.underline, fixed_advance,
              &data, &record.widths[i]);
  }
  record.offsets[223] = static_cast<int>(data.size());
  vqplatform_face_close(face);
  for (int i = 0; i < VQFONT_GLYPHS; ++i)
    if (record.widths[i] == 0) {
      record.widths[i] = record.widths[32];
      record.offsets[i] = record.offsets[32];
    }
  if (data.empty()) return 0;

  snprintf(record.key, sizeof record.key, "system font %s %d", spec.face.c_str(), spec.points);
  vqfont_copy_text(record.name, text);
  record.xsize = record.widths['x' - 32];
  record.ysize = m.height;
  record.ascent = m.ascent;
  record.descent = m.descent;
  record.pts = spec.points;
  record.spacing = 1;
  for (int i = 1; i < 223; ++i)
    if (record.widths[i] != record.widths[0]) record.spacing = 2;
  record.glyph_data = static_cast<uint8_t*>(malloc(data.size()));
  if (!record.glyph_data) return 0;
  memcpy(record.glyph_data, data.data(), data.size());
  record.data_size = data.size();
  return vqfont_table_add(&record);
}

}  // namespace

int vqfont_get(const char* format, ...) {
  if (!format) return 0;
  char text[1000];
  va_list args;
  va_start(args, format);
  vqcfgstr_vformat(text, sizeof text, format, args);
  va_end(args);
  int index = vqfont_find_name(text);
  if (index >= 0) return vqfont_id_at(index);
  return create_system_font(text);
}
