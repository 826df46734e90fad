// Creating a terminal from its option string, and destroying it.
#include "terminal_internal.h"

#include "vqcfgstr.h"
#include "vqfont.h"
#include "vqoptions.h"
#include "vqtarget.h"
#include "vqtimer.h"
#include "vqview.h"

#include <cstdarg>
#include <cstring>

namespace {

enum { DEFAULT_LINES = 25, DEFAULT_COLUMNS = 80, SCROLLBACK_ALONE = 300, MAX_SIDE = 10000 };

struct keywords {
  int lines = DEFAULT_LINES, columns = DEFAULT_COLUMNS, scrollback = 0;
};

int limited(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

void terminal_keywords(vqTerminal* t, char** list, keywords* k) {
  for (int i = 0; list[i] != nullptr; ++i) {
    char* token = list[i];
    if (token[0] == 0) continue;
    bool used = true;
    if (vqcfgstr_match(token, "scrollback")) k->scrollback = SCROLLBACK_ALONE;
    else if (vqcfgstr_match(token, "scrollback=")) k->scrollback = vqcfgstr_intvalue(token);
    else if (vqcfgstr_match(token, "lines=")) k->lines = vqcfgstr_intvalue(token);
    else if (vqcfgstr_match(token, "columns=")) k->columns = vqcfgstr_intvalue(token);
    else if (vqcfgstr_match(token, "logfile=")) {
      char path[sizeof t->logfile + 16];
      vqcfgstr_strip(token, path, sizeof path);
      std::snprintf(t->logfile, sizeof t->logfile, "%s", vqcfgstr_after(path));
    } else if (vqcfgstr_match(token, "wordbreak")) t->cells.wordbreak = 1;
    else if (vqcfgstr_match(token, "cursor") || vqcfgstr_match(token, "cursor=on") ||
             vqcfgstr_match(token, "cursor=1") || vqcfgstr_match(token, "cursoron")) t->cursor_on = 1;
    else if (vqcfgstr_match(token, "directdraw") || vqcfgstr_match(token, "drawdirect")) t->directdraw = 1;
    else if (vqcfgstr_match(token, "nostandardview")) t->nostandardview = 1;
    else used = false;
    if (used) vqcfgstr_consume(token);
  }
}

// The background of a terminal without a background colour is what its
// host showed under it when it was created.
bool make_background(vqTerminal* t) {
  t->background.width = t->width;
  t->background.height = t->height;
  t->background.format = VQPX_TRUECOLOR;
  if (!vqpxmap_allocate(&t->background)) return false;
  if (t->background_color != VQ_NOCOLOR) {
    vqpxmap_clear(&t->background, static_cast<int32_t>(t->background_color));
  } else if (t->host_pixmap != nullptr) {
    for (int row = 0; row < t->height; ++row)
      for (int col = 0; col < t->width; ++col) {
        const int32_t p = vqpxmap_getpixel(t->host_pixmap, t->x + col, t->y + row);
        vqpxmap_setpixel(&t->background, col, row, p < 0 ? 0 : p);
      }
  }
  return true;
}

void register_with_host(vqTerminal* t) {
  if (t->host_handler == nullptr) return;
  const unsigned flags = VQREGION_MOUSE | VQREGION_HOVER | (t->nokeyfocus ? 0u : VQREGION_FOCUSABLE) |
                         (t->scroll_bar.present ? VQREGION_SCROLLBARS : 0u);
  t->child_id = vqregion_ask(t->host_handler, t->host_object,
                             {vqTerminal::command, t, t->x, t->y, t->width, t->height, flags});
}

bool configure(vqTerminal* t, const char* format, va_list args) {
  vqoptions o;
  if (!vqoptions_open(&o, "vqterm_create", VQOPTIONS_HOST_OPTIONAL, format, args)) return false;
  // Without a host the terminal only keeps cells (and its background for the
  // drawing commands).
  t->host_handler = o.host.handler;
  t->host_object = o.host.object;
  t->host_pixmap = o.host.pixmap;
  vqoptions_read(&o, {&t->border, &t->font, &t->nokeyfocus, &t->greyed, &t->background_color, &t->text_color,
                      &t->transparent_color});
  keywords k;
  terminal_keywords(t, o.tokens, &k);

  t->cell_width = vqfont_charwidth(t->font, 'w');
  t->line_height = vqfont_height(t->font);
  if (t->cell_width <= 0 || t->line_height <= 0) {
    std::printf("vqterm_create: font %d has no cells\n", t->font);
    return false;
  }
  k.lines = limited(k.lines, 1, MAX_SIDE);
  k.columns = limited(k.columns, 1, MAX_SIDE);
  vqoptions_place(&o, k.columns * t->cell_width + 4, k.lines * t->line_height + 4, MAX_SIDE, &t->x, &t->y,
                  &t->width, &t->height);

  const int visible = (t->height - 4) / t->line_height;
  const int scrollback = limited(k.scrollback, 0, 1000000);
  int columns = (t->width - 4) / t->cell_width;
  if (scrollback > 0) columns -= VQVIEW_SCROLLBAR / t->cell_width + 1;
  // A terminal too small for one cell still keeps one, so that writing
  // into it is never a special case.
  if (!vqtermcells_allocate(&t->cells, columns < 1 ? 1 : columns, visible < 1 ? 1 : visible, scrollback))
    return false;
  if (!make_background(t)) return false;
  if (scrollback > 0) {
    vqterm_scrollbar& b = t->scroll_bar;
    b.present = 1;
    b.w = VQVIEW_SCROLLBAR;
    b.x = t->x + t->width - b.w;
    b.y = t->y;
    b.h = t->height;
    b.size = t->cells.lines > 0 ? t->cells.visible_lines * 100 / t->cells.lines : 100;
    if (b.size > 100) b.size = 100;
    b.position = 0;
  }
  return true;
}

void cell_changed(void* owner, int column, int row) {
  vqTerminal* t = static_cast<vqTerminal*>(owner);
  if (!vqterm_drawable(t)) return;
  vqterm_drawcell(t, column, row, true);
  vqterm_show(t, t->x + 2 + column * t->cell_width, t->y + 2 + (row - t->cells.top_line) * t->line_height,
              t->cell_width, t->line_height);
}

void view_changed(void* owner) {
  vqTerminal* t = static_cast<vqTerminal*>(owner);
  vqterm_syncbar(t, false);
  vqterm_redraw(t);
}

void defaults(vqTerminal* t) {
  t->created = 0;
  t->drawing_enabled = 1;
  t->focused = t->nokeyfocus = t->greyed = 0;
  t->x = t->y = t->width = t->height = 0;
  t->border = 1;
  t->background_color = 0xFFFFFF;
  t->text_color = 0x000040;
  t->transparent_color = VQ_NOCOLOR;
  t->font = -1;
  t->cell_width = t->line_height = 0;
  vqtermcells_free(&t->cells);
  t->cells.wordbreak = 0;
  t->cells.owner = t;
  t->cells.cell_hook = cell_changed;
  t->cells.view_hook = view_changed;
  t->cursor_on = t->blink_phase = t->cursor_forced = t->cursor_drawn = 0;
  t->cursor_drawn_col = t->cursor_drawn_row = 0;
  t->directdraw = t->nostandardview = 0;
  t->logfile[0] = 0;
  t->log = nullptr;
  std::memset(t->keys, 0, sizeof t->keys);
  t->key_read = t->key_write = t->key_count = 0;
  t->child = nullptr;
  t->child_send = nullptr;
  vqansi_reset(&t->decoder);
  vqpxmap_free(&t->background);
  t->scroll_bar = vqterm_scrollbar{};
  std::memset(t->theme, 0, sizeof t->theme);
  t->host_handler = nullptr;
  t->host_object = nullptr;
  t->host_pixmap = nullptr;
  t->child_id = -1;
  t->draw_font = -1;
  t->saved_drawing = 1;
}

}  // namespace

vqTerminal::vqTerminal() {
  vqpxmap_init(&background);
  log = nullptr;
  defaults(this);
}

vqTerminal::~vqTerminal() { vqterm_destroy(this); }

bool vqterm_create(vqTerminal* t, const char* format, ...) {
  if (t == nullptr) return false;
  if (t->created) vqterm_destroy(t);
  vqcolor_systemtable(t->theme);
  va_list args;
  va_start(args, format);
  const bool configured = configure(t, format, args);
  va_end(args);
  if (!configured) {
    vqterm_destroy(t);
    return false;
  }
  t->draw_font = t->font;
  t->created = 1;
  register_with_host(t);
  vqterm_redraw(t);
  if (t->logfile[0] != 0) {
    t->log = std::fopen(t->logfile, "ab");
    if (t->log == nullptr) std::printf("vqterm_create: cannot open log file %s\n", t->logfile);
  }
  vqtimer_set(vqTerminal::command, t, VQTERM_BLINK_MS, 0);
  if (!t->nostandardview) vqtarget_set(vqTerminal::command, t);
  return true;
}

void vqterm_destroy(vqTerminal* t) {
  if (t == nullptr) return;
  vqtimer_remove(t, 0);
  if (t->host_handler != nullptr && t->child_id >= 0) {
    if (t->scroll_bar.dragging) vqsend(t->host_handler, t->host_object, VQCMD_RELEASE, t->child_id);
    int low, high;
    vqptr_split(t, &low, &high);
    vqsend(t->host_handler, t->host_object, VQCMD_REMOVEREGIONS, low, high);
  }
  vqtarget_clear(vqTerminal::command, t);
  if (t->log != nullptr) std::fclose(t->log);
  defaults(t);
}
