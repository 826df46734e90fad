// The font record and the table that holds them, shared by the font files.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int VQFONT_GLYPHS = 224;
constexpr int VQFONT_TEXT = 64;

struct vqfont_record {
  uint8_t in_use;
  char key[VQFONT_TEXT];
  char name[VQFONT_TEXT];
  int xsize, ysize;
  int widths[VQFONT_GLYPHS];
  int ascent, descent, slant, weight, width, pts;
  char foundry[VQFONT_TEXT];
  int id;
  int spacing;             // 1 monospace, 2 proportional, 0 not stated
  uint8_t* glyph_data;     // malloc'd, data_size bytes, 1 = ink
  size_t data_size;
  int offsets[VQFONT_GLYPHS];
  int chars;
};

// All zero, chars 224, a fresh id; glyph_data is not freed here.
void vqfont_record_reset(vqfont_record* record);
// Parses a font text into a reset record (which then owns its glyph data).
// False with one diagnostic line when the text is refused.
bool vqfont_parse(const char* const* lines, size_t line_count, vqfont_record* record);
// Takes over a parsed record into the first free slot; returns its id.
int vqfont_table_add(vqfont_record* record);
// The in-use record of a handle, or null.
vqfont_record* vqfont_record_of(int handle);
void vqfont_copy_text(char* out, const char* text);
// Registers the built-in font with this key; 0 when there is none.
int vqfont_register_builtin(const char* key);
