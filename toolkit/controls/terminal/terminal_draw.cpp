// Drawing the terminal into its host's pixmap: the background, the sunken
// frame, the cells in their palette colours, the scroll bar and the cursor.
#include "terminal_internal.h"

#include "vqdraw.h"
#include "vqfont.h"

#include <algorithm>
#include <cstring>

const uint32_t vqterm_palette[VQTERM_PALETTE] = {
    0x000000, 0xC00000, 0x00FF00, 0xFFFF00, 0x0000C0, 0xC000C0, 0x00C0C0, 0xFFFFFF,
    0x000000, 0x0000C0, 0x00C000, 0x00C0C0, 0xC00000, 0xC000C0, 0xC0C000, 0xC0C0C0,
};

namespace {

// Copies a rectangle of the background exactly: its pixels are never keyed
// out as transparent on the way to the host.
void copy_background(vqTerminal* t, int sx, int sy, int w, int h) {
  vqpxmap* host = t->host_pixmap;
  const vqpxmap* bg = &t->background;
  uint32_t* to = host->mirror_to_window ? nullptr : vqpxmap_rgbpixels(host);
  const uint32_t* from = vqpxmap_rgbpixels(bg);
  if (to == nullptr || from == nullptr) {
    vqpxmap_merge(host, bg, t->x + sx, t->y + sy, sx, sy, w, h, 0, 0);
    return;
  }
  int dx = t->x + sx, dy = t->y + sy;
  if (sx < 0) { w += sx; dx -= sx; sx = 0; }
  if (sy < 0) { h += sy; dy -= sy; sy = 0; }
  if (dx < 0) { w += dx; sx -= dx; dx = 0; }
  if (dy < 0) { h += dy; sy -= dy; dy = 0; }
  w = std::min({w, bg->width - sx, host->width - dx});
  h = std::min({h, bg->height - sy, host->height - dy});
  if (w <= 0 || h <= 0) return;   // the terminal lies beyond its host's edge
  for (int row = 0; row < h; ++row)
    std::memcpy(to + static_cast<size_t>(dy + row) * host->width + dx,
                from + static_cast<size_t>(sy + row) * bg->width + sx, static_cast<size_t>(w) * 4);
}

void draw_frame(vqTerminal* t) {
  vqpxmap* host = t->host_pixmap;
  vqdraw_frame(host, t->x - 2, t->y - 2, t->width + 4, t->height + 4, t->theme[VQCOLOR_DARK],
               t->theme[VQCOLOR_WHITE]);
  vqdraw_frame(host, t->x - 1, t->y - 1, t->width + 2, t->height + 2, t->theme[VQCOLOR_BLACK],
               t->theme[VQCOLOR_LIGHT]);
}

bool cell_visible(const vqTerminal* t, int row) {
  return row >= t->cells.top_line && row < t->cells.top_line + t->cells.visible_lines &&
         row < t->cells.lines;
}

int cell_x(const vqTerminal* t, int column) { return t->x + 2 + column * t->cell_width; }
int cell_y(const vqTerminal* t, int row) { return t->y + 2 + (row - t->cells.top_line) * t->line_height; }

// The cursor's look: two lines at the foot of the cell with the focus (in
// the blink phase that shows it), an outline of the cell without.
void draw_cursor_shape(vqTerminal* t, int column, int row) {
  vqpxmap* host = t->host_pixmap;
  const int x = cell_x(t, column), y = cell_y(t, row), w = t->cell_width, h = t->line_height;
  const int32_t color = static_cast<int32_t>(t->text_color);
  if (t->focused) {
    vqpxmap_fillrect(host, x, y + h - 2, w, 2, color);
  } else {
    vqdraw_rect(host, x, y, w, h, color);
  }
}

bool cursor_wanted(const vqTerminal* t) {
  if (!(t->cursor_on || t->cursor_forced)) return false;
  return t->focused ? t->blink_phase != 0 : true;
}

}  // namespace

bool vqterm_drawable(const vqTerminal* t) {
  return t->created && t->drawing_enabled && t->host_pixmap != nullptr;
}

void vqterm_show(vqTerminal* t, int x, int y, int w, int h) {
  vqsend(t->host_handler, t->host_object, VQCMD_SHOWRECT, x, y, w, h);
}

void vqterm_drawcell(vqTerminal* t, int column, int row, bool erase) {
  if (!vqterm_drawable(t) || !cell_visible(t, row)) return;
  const vqterm_cell* cell = vqtermcells_at(&t->cells, column, row);
  if (cell == nullptr) return;
  const int x = cell_x(t, column), y = cell_y(t, row);
  if (erase) copy_background(t, x - t->x, y - t->y, t->cell_width, t->line_height);
  int32_t fg = cell->fg != 0 ? static_cast<int32_t>(vqterm_palette[cell->fg & 15])
                             : static_cast<int32_t>(t->greyed ? t->theme[VQCOLOR_TEXTGREY] : t->text_color);
  int32_t bg = cell->bg != 0 ? static_cast<int32_t>(vqterm_palette[cell->bg & 15]) : -1;
  if (bg != -1) vqpxmap_fillrect(t->host_pixmap, x, y, t->cell_width, t->line_height, bg);
  vqfont_drawchar(t->host_pixmap, t->font, x, y, fg, false, false, bg, cell->ch, -1, -1);
}

void vqterm_updatecursor(vqTerminal* t) {
  if (!vqterm_drawable(t)) return;
  if (t->cursor_drawn) {
    t->cursor_drawn = 0;
    const int col = t->cursor_drawn_col, row = t->cursor_drawn_row;
    vqterm_drawcell(t, col, row, true);
    if (cell_visible(t, row)) vqterm_show(t, cell_x(t, col), cell_y(t, row), t->cell_width, t->line_height);
  }
  const int col = t->cells.cursor_col, row = t->cells.cursor_row;
  if (!cursor_wanted(t) || !cell_visible(t, row) || col < 0 || col >= t->cells.columns) return;
  draw_cursor_shape(t, col, row);
  t->cursor_drawn = 1;
  t->cursor_drawn_col = col;
  t->cursor_drawn_row = row;
  vqterm_show(t, cell_x(t, col), cell_y(t, row), t->cell_width, t->line_height);
}

void vqterm_drawscrollbar(vqTerminal* t) {
  if (!vqterm_drawable(t) || !t->scroll_bar.present) return;
  const vqterm_scrollbar& b = t->scroll_bar;
  vqdraw_vscrollbar(t->host_pixmap, b.x, b.y, b.w, b.h, std::clamp(b.position, 0, 100),
                    std::clamp(b.size, 0, 100));
}

void vqterm_redraw(vqTerminal* t) {
  if (!vqterm_drawable(t)) return;
  copy_background(t, 0, 0, t->width, t->height);
  if (t->border != 0) draw_frame(t);
  const int last = std::min(t->cells.top_line + t->cells.visible_lines, t->cells.lines);
  for (int row = t->cells.top_line; row < last; ++row)
    for (int col = 0; col < t->cells.columns; ++col) vqterm_drawcell(t, col, row, false);
  vqterm_drawscrollbar(t);
  t->cursor_drawn = 0;   // the background copy took it off
  vqterm_updatecursor(t);
  vqterm_show(t, t->x - 2, t->y - 2, t->width + 4, t->height + 4);
}
