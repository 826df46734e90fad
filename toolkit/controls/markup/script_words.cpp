// Placing words: line heights shared by the words of a line, wrapping at
// the right border, trailing blanks and line feeds, and centred text.
#include "script_internal.h"

#include "vqfont.h"
#include "vqminor.h"
#include "vqpxmap.h"

#include <algorithm>
#include <cstring>

namespace {

bool is_word_end(char c) {
  return c == ' ' || c == '\r' || c == '\n' || c == '-' || c == '.' || c == '?' || c == '!' ||
         c == ',' || c == ';' || c == ':';
}

void new_line(vqGUIScript* v) {
  v->x = v->left_border;
  v->y = vqscript_clamp(static_cast<long long>(v->y) + vqscript_shown(v, v->line_height) + v->line_offset);
}

// The part of the line drawn so far moves down by d pixels, bottom row
// first so that no row is overwritten before it has moved; the strip it
// leaves at the top takes the background color.
void push_line_down(vqGUIScript* v, int d) {
  vqpxmap* s = v->surface;
  if (!s || d <= 0) return;
  const int x0 = std::max(0, v->left_border), x1 = std::min(s->width, vqscript_wrap_edge(v));
  const int top = v->line_y, rows = vqscript_shown(v, v->line_height);
  uint32_t* pixels = s->format == VQPX_TRUECOLOR ? vqpxmap_rgbpixels(s) : nullptr;
  for (int row = std::min(top + rows - 1, s->height - d - 1); row >= std::max(0, top) && x1 > x0; row--) {
    if (pixels) {
      memmove(pixels + static_cast<size_t>(row + d) * s->width + x0, pixels + static_cast<size_t>(row) * s->width + x0,
              sizeof(uint32_t) * static_cast<size_t>(x1 - x0));
      continue;
    }
    for (int col = x0; col < x1; col++) vqpxmap_setpixel(s, col, row + d, vqpxmap_getpixel(s, col, row));
  }
  if (x1 > x0) vqpxmap_fillrect(s, x0, top, x1 - x0, d, static_cast<int32_t>(v->background_color));
  for (vqscript_word& w : v->words)
    if (w.y >= top && w.y < top + rows) w.y += d;
  v->pushed = 1;
}

// Keeps the words of a line on one bottom edge; returns how much lower than
// y this word is drawn.
int share_line(vqGUIScript* v, int height) {
  if (v->y != v->line_y) {
    v->line_y = v->y;
    v->line_height = height;
    return 0;
  }
  if (height > v->line_height) {
    push_line_down(v, vqscript_shown(v, height) - vqscript_shown(v, v->line_height));
    v->line_height = height;
    return 0;
  }
  return vqscript_shown(v, v->line_height) - vqscript_shown(v, height);
}

void keep_word(vqGUIScript* v, int x, int y, int w, int h, const char* text) {
  if (v->recording && v->selectable) v->words.push_back(vqscript_word{x, y, w, h, text});
}

void draw(vqGUIScript* v, int x, int y, const char* text) {
  vqfont_drawstring(v->surface, v->font, x, y, static_cast<int32_t>(v->text_color), false,
                    v->underline != 0, -1, 0, -1, text, -1, -1);
}

}  // namespace

int vqscript_wrap_edge(const vqGUIScript* v) {
  return vqscript_clamp(static_cast<long long>(v->target_width) - v->right_border);
}

void vqscript_place_word(vqGUIScript* v, const char* word, size_t length) {
  if (length == 0) return;
  if (v->centering) {
    size_t room = sizeof v->center_buffer - 1 - static_cast<size_t>(v->center_length);
    size_t n = std::min(length, room);
    memcpy(v->center_buffer + v->center_length, word, n);
    v->center_length += static_cast<int>(n);
    v->center_buffer[v->center_length] = 0;
    return;
  }
  if (v->in_table) {
    vqtable_append(static_cast<vqTable*>(v->table), word, length);
    return;
  }
  vqfont_set_halfscale(v->double_size != 0, static_cast<int32_t>(v->background_color));
  const int height = vqfont_height(v->font);
  int offset = share_line(v, height);
  char trail = word[length - 1];
  if (trail == ' ' || trail == '\n' || trail == '\r')
    length--;
  else
    trail = 0;
  std::string text(word, length);
  text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
  const int w = vqscript_shown(v, vqfont_textwidth(v->font, text.c_str()));
  const int wrap = vqscript_wrap_edge(v);
  if (static_cast<long long>(v->x) + w > wrap) {
    new_line(v);
    // The word opens the new line: its height is the line's.
    offset = share_line(v, height);
  }
  if (!text.empty()) {
    draw(v, v->x, v->y + offset, text.c_str());
    keep_word(v, v->x, v->y + offset, w, vqscript_shown(v, height), text.c_str());
  }
  v->x = vqscript_clamp(static_cast<long long>(v->x) + w);
  if (trail == ' ') {
    if (v->underline) draw(v, v->x, v->y + offset, " ");
    v->x = vqscript_clamp(static_cast<long long>(v->x) + vqscript_shown(v, vqfont_charwidth(v->font, ' ')));
  } else if (trail == '\n') {
    new_line(v);
  }
  if (v->x >= wrap) v->x = wrap - 1;
}

void vqscript_place_text(vqGUIScript* v, const char* text) {
  size_t start = 0, i = 0;
  for (; text[i]; i++) {
    if (!is_word_end(text[i])) continue;
    vqscript_place_word(v, text + start, i + 1 - start);
    start = i + 1;
  }
  if (i > start) vqscript_place_word(v, text + start, i - start);
}

void vqscript_flush_center(vqGUIScript* v) {
  v->centering = 0;
  if (v->center_length == 0) return;
  const char* text = v->center_buffer;
  const int wrap = vqscript_wrap_edge(v);
  const int w = vqscript_shown(v, vqfont_textwidth(v->font, text));
  const int x = vqscript_clamp(v->left_border + (static_cast<long long>(wrap) - v->left_border - w) / 2);
  vqfont_set_halfscale(v->double_size != 0, static_cast<int32_t>(v->background_color));
  draw(v, x, v->y, text);
  keep_word(v, x, v->y, w, vqscript_shown(v, vqfont_height(v->font)), text);
  if (strchr(text, '\n'))
    v->y = vqscript_clamp(static_cast<long long>(v->y) + vqfont_height(v->font) + v->line_offset);
  v->center_buffer[0] = 0;
  v->center_length = 0;
}
