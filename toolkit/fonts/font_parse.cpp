// The font text parser. Font texts may come from a user (a panel command
// registers one), so every count, width and offset is checked against the
// text and the glyph data before anything is stored, and a refused text
// leaves no trace in the table.
#include "font_record.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Far above any real font, low enough that no product can overflow.
constexpr long kMaxNumber = 100000000;
constexpr size_t kMaxGlyphData = 16u << 20;
// Glyphs up to this size in either direction are drawn; larger ones are
// missing (vqfont_glyph refuses them), but the font still registers.
constexpr int kMaxGlyphSide = 10000;

// Leading decimal digits; 0 when there are none. Saturates at kMaxNumber + 1
// so that an absurd value is recognised without overflowing.
long read_number(const char* text) {
  long value = 0;
  while (*text >= '0' && *text <= '9') {
    if (value <= kMaxNumber) value = value * 10 + (*text - '0');
    ++text;
  }
  return value;
}

bool starts(const char* line, const char* prefix) {
  return strncmp(line, prefix, strlen(prefix)) == 0;
}

// count numbers separated by single blanks; false when the list is short.
bool read_list(const char* text, int count, int* out) {
  for (int i = 0; i < count; ++i) {
    if (i > 0) {
      text = strchr(text, ' ');
      if (!text) return false;
      ++text;
    }
    long value = read_number(text);
    if (value > kMaxNumber) return false;
    out[i] = static_cast<int>(value);
  }
  return true;
}

bool refuse(vqfont_record* record, const char* problem) {
  printf("vqfont_register: %s\n", problem);
  free(record->glyph_data);
  record->glyph_data = nullptr;
  return false;
}

}  // namespace

bool vqfont_parse(const char* const* lines, size_t line_count, vqfont_record* record) {
  size_t at = 1;  // line 0 is the "header:" marker
  bool have_data = false, have_widths = false, have_offsets = false;
  long ysize = 0, chars = 0;
  for (; at < line_count; ++at) {
    const char* line = lines[at];
    if (strcmp(line, "data:") == 0) {
      have_data = true;
      ++at;
      break;
    }
    if (starts(line, "name=")) vqfont_copy_text(record->name, line + 5);
    else if (starts(line, "xsize=")) record->xsize = static_cast<int>(read_number(line + 6));
    else if (starts(line, "ysize=")) ysize = read_number(line + 6);
    else if (strcmp(line, "monospace") == 0) record->spacing = 1;
    else if (strcmp(line, "proportional") == 0) record->spacing = 2;
    else if (starts(line, "chars=")) chars = read_number(line + 6);
    else if (starts(line, "ascent=")) record->ascent = static_cast<int>(read_number(line + 7));
    else if (starts(line, "descent=")) record->descent = static_cast<int>(read_number(line + 8));
    else if (starts(line, "slant=")) record->slant = static_cast<int>(read_number(line + 6));
    else if (starts(line, "weight=")) record->weight = static_cast<int>(read_number(line + 7));
    else if (starts(line, "width=")) record->width = static_cast<int>(read_number(line + 6));
    else if (starts(line, "pts=")) record->pts = static_cast<int>(read_number(line + 4));
    else if (starts(line, "foundry=")) vqfont_copy_text(record->foundry, line + 8);
    else if (starts(line, "propxs=") || starts(line, "propdataoffset=")) {
      bool widths = line[4] == 'x';
      if (chars != 223 && chars != 224) return refuse(record, "chars= must be 223 or 224 before the lists");
      int* out = widths ? record->widths : record->offsets;
      if (!read_list(strchr(line, '=') + 1, static_cast<int>(chars), out))
        return refuse(record, "glyph list too short or absurd");
      (widths ? have_widths : have_offsets) = true;
    }
  }
  if (!have_data) return refuse(record, "no data: line");
  // A chars= line after the lists must not leave entries unchecked.
  if (chars != 223 && chars != 224) return refuse(record, "chars= must be 223 or 224");
  for (int i = static_cast<int>(chars); i < VQFONT_GLYPHS; ++i) record->widths[i] = record->offsets[i] = 0;
  if (!have_widths || !have_offsets) return refuse(record, "propxs= or propdataoffset= missing");
  if (ysize < 1) return refuse(record, "absurd ysize");
  long total_width = 0;
  for (int i = 0; i < chars; ++i) total_width += record->widths[i];
  if (total_width == 0) return refuse(record, "no glyph has a width");
  size_t size = static_cast<size_t>(ysize) * static_cast<size_t>(total_width);
  if (size > kMaxGlyphData) return refuse(record, "absurd glyph data size");
  for (int i = 0; i < chars; ++i)
    if (static_cast<size_t>(record->offsets[i]) + static_cast<size_t>(record->widths[i]) * ysize > size)
      return refuse(record, "glyph offset outside the glyph data");
  if (line_count - at < static_cast<size_t>(chars * ysize)) return refuse(record, "glyph rows missing");

  record->ysize = static_cast<int>(ysize);
  record->glyph_data = static_cast<uint8_t*>(malloc(size));
  if (!record->glyph_data) return refuse(record, "out of memory");
  record->data_size = size;
  uint8_t* out = record->glyph_data;
  for (int i = 0; i < chars; ++i) {
    for (int row = 0; row < ysize; ++row, ++at) {
      const char* line = lines[at];
      bool ended = false;
      for (int column = 0; column < record->widths[i]; ++column) {
        if (!ended && line[column] == 0) ended = true;
        *out++ = !ended && line[column] == '*';
      }
    }
  }
  // A glyph too wide to draw is missing: it keeps no width either, so that
  // a text of such glyphs (each up to the size of all glyph data) cannot
  // measure past the range of a pixel position.
  for (int i = 0; i < chars; ++i)
    if (record->widths[i] > kMaxGlyphSide) record->widths[i] = 0;
  return true;
}
