// Bitmap fonts: the process-wide font table, the font text format, the
// compiled-in fonts, system fonts, and text drawn pixel by pixel.
//
// A font handle is a font id (1000000 or more), a table index, or -1/-3 for
// the default font "builtin 6x13" and -2 for "builtin variable 13". Text is
// single-byte Latin-1; glyphs exist for the codes 32 to 254.
#pragma once

#include <cstddef>
#include <cstdint>

struct vqpxmap;

// Font texts are arrays of lines ending in a null pointer.
int vqfont_register(const char* const* lines, const char* key);
int vqfont_register_text(const char* const* lines);
// A font text in one buffer, lines ending in "\n" (or "\r\n"); the buffer
// need not be zero-terminated. Returns the font id, or 0 when refused.
int vqfont_register_buffer(const char* text, size_t length);
void vqfont_register_builtins();
// The compiled-in fonts that are not built-in (Arial10 ... Arial36b,
// crnew10 ... crnew14b): by name, returns the id or 0 for an unknown name.
int vqfont_register_embedded(const char* name);
void vqfont_register_embedded_all();
// The fonts a markup view needs when it is created.
void vqfont_register_markup_fonts();

int vqfont_get(const char* format, ...);
int vqfont_find_key(const char* key);
int vqfont_find_name(const char* name);
int vqfont_resolve(int handle);
int vqfont_count();        // slots in the table, free ones included
int vqfont_id_at(int index);  // 0 for a free or missing slot

// Read-only view of a registered font.
struct vqfont_info {
  const char* key;
  const char* name;
  int xsize, ysize;
  int ascent, descent, slant, weight, width, pts;
  int id, spacing, chars;
  const int* widths;   // 224 entries
  const int* offsets;  // 224 entries
};
bool vqfont_describe(int handle, vqfont_info* out);

bool vqfont_glyph(int handle, int code, const uint8_t** bitmap, int* width, int* height);
int vqfont_textwidth(int handle, const char* text);
int vqfont_height(int handle);
int vqfont_charwidth(int handle, int code);
void vqfont_free(int handle);
void vqfont_free_all();

// Drawing. Colors are 0x00RRGGBB; -1 means none.
void vqfont_drawchar(vqpxmap* surface, int handle, int x, int y, int32_t color, bool engraved,
                     bool underline, int32_t background, int code, int32_t light, int32_t shadow);
void vqfont_drawstring(vqpxmap* surface, int handle, int x, int y, int32_t color, bool engraved,
                       bool underline, int32_t background, int max_width, int underline_index,
                       const char* text, int32_t light, int32_t shadow);
int vqfont_drawtextbox(vqpxmap* surface, int handle, int box_x, int box_y, int box_width,
                       int box_height, int32_t color, const char* text, bool measure_only);
int vqfont_textboxheight(int width, const char* text, int handle);

// The process-wide outline color (-1 = none) and half-scale mode.
void vqfont_set_outline(int32_t color);
int32_t vqfont_outline();
void vqfont_set_halfscale(bool on, int32_t background);

// The font= and fontid= keywords of a token list (null-terminated). The
// first such token sets *handle and is consumed; returns true when one was found.
bool vqfont_option(char** tokens, int first, int* handle);
