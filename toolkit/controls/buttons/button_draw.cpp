// Drawing a push button into its host's pixmap: raised or sunken 3D frame,
// the flat, thin-frame and tool-bar looks, the text-link style, the label or
// an arrow, the greyed look and the focus mark.
#include "controls_internal.h"

#include "vqcolor.h"
#include "vqdraw.h"
#include "vqfont.h"

namespace {

int32_t ink(uint32_t color) { return static_cast<int32_t>(color); }

bool looks_pressed(const vqButton* b) { return b->state || b->mouse_held || b->key_held; }

// The two-pixel frame of a push button: raised, or sunken while pressed.
void frame_3d(const vqButton* b, vqpxmap* pm, int x, int y, int w, int h, bool sunken) {
  const uint32_t* t = b->theme;
  if (sunken) {
    vqdraw_frame(pm, x, y, w, h, ink(t[VQCOLOR_BLACK]), ink(b->light_color));
    vqdraw_frame(pm, x + 1, y + 1, w - 2, h - 2, ink(b->dark_color), ink(b->background_color));
  } else {
    vqdraw_frame(pm, x, y, w, h, ink(b->light_color), ink(t[VQCOLOR_BLACK]));
    vqdraw_frame(pm, x + 1, y + 1, w - 2, h - 2, ink(t[VQCOLOR_WHITE]), ink(b->dark_color));
  }
}

void frame_thin(const vqButton* b, vqpxmap* pm, int x, int y, int w, int h, bool sunken) {
  const uint32_t light = b->theme[VQCOLOR_WHITE];
  if (sunken)
    vqdraw_frame(pm, x, y, w, h, ink(b->dark_color), ink(light));
  else
    vqdraw_frame(pm, x, y, w, h, ink(light), ink(b->dark_color));
}

void frame(const vqButton* b, vqpxmap* pm, int x, int y, int w, int h) {
  if (b->border == 0) return;
  const bool down = looks_pressed(b);
  if (b->attributes & (VQBTN_FLAT | VQBTN_TOOLBUTTON)) {
    // Flat until the mouse is on it or it is pressed.
    if (down || (b->hovered && !b->greyed)) frame_thin(b, pm, x, y, w, h, down);
  } else if (b->attributes & VQBTN_THINFRAME) {
    frame_thin(b, pm, x, y, w, h, down);
  } else {
    frame_3d(b, pm, x, y, w, h, down);
  }
}

void arrow(const vqButton* b, vqpxmap* pm, int shift) {
  int id = vqgraphic_builtin_id(b->label);
  if (id == VQGRAPHIC_NONE || id == VQGRAPHIC_BULLET) id = VQGRAPHIC_DOWN;
  int across = 7, along = 4;
  if (b->attributes & VQBTN_BIGARROW) across = 11, along = 6;
  if (b->attributes & VQBTN_SMALLARROW) across = 5, along = 3;
  const bool vertical = id == VQGRAPHIC_UP || id == VQGRAPHIC_DOWN;
  const int w = vertical ? across : along, h = vertical ? along : across;
  const uint32_t color = b->greyed ? b->theme[VQCOLOR_TEXTGREY] : b->text_color;
  const int x = b->x + (b->width - w) / 2 + shift, y = b->y + (b->height - h) / 2 + shift;
  vqdraw_builtin(pm, id, x, y, w, h, ink(color));
}

void label(const vqButton* b, vqpxmap* pm, int shift) {
  const int tw = vqbutton_labelwidth(b), fh = vqfont_height(b->font);
  int tx = b->x + (b->width - tw) / 2, max_width = 0;
  // A label wider than the face ends in "..." inside it.
  if (tw > b->width - 6) {
    tx = b->x + 3;
    max_width = b->width - 6;
  }
  const int ty = b->y + (b->height - fh) / 2;
  vqfont_drawstring(pm, b->font, tx + shift, ty + shift, ink(b->text_color), b->greyed != 0, false, -1,
                    max_width, -1, b->label, -1, -1);
}

// A dotted rectangle inside the frame.
void focus_mark(const vqButton* b, vqpxmap* pm) {
  const int x0 = b->x + 3, y0 = b->y + 3, x1 = b->x + b->width - 4, y1 = b->y + b->height - 4;
  if (x1 <= x0 || y1 <= y0) return;
  const int32_t color = ink(b->text_color);
  for (int x = x0; x <= x1; x += 2) {
    vqpxmap_setpixel(pm, x, y0, color);
    vqpxmap_setpixel(pm, x, y1, color);
  }
  for (int y = y0; y <= y1; y += 2) {
    vqpxmap_setpixel(pm, x0, y, color);
    vqpxmap_setpixel(pm, x1, y, color);
  }
}

void draw_link(const vqButton* b, vqpxmap* pm) {
  if (b->ground.saved.width > 0) vqpxmap_snapshot_restore(const_cast<vqpxmap_snapshot*>(&b->ground));
  if (b->background_color != VQ_NOCOLOR)
    vqpxmap_fillrect(pm, b->x, b->y, b->width, b->height, ink(b->background_color));
  uint32_t color = b->text_color;
  if (b->greyed) color = b->theme[VQCOLOR_TEXTGREY];
  else if (looks_pressed(b)) color = b->active_color;
  else if (b->hovered) color = b->highlight_color;
  const int tw = vqbutton_labelwidth(b), fh = vqfont_height(b->font);
  const int tx = b->x + (b->width - tw) / 2, ty = b->y + (b->height - fh) / 2;
  const bool underline = !b->greyed && (b->hovered || b->focused);
  vqfont_drawstring(pm, b->font, tx, ty, ink(color), false, underline, -1, b->width, -1, b->label, -1, -1);
}

}  // namespace

int vqbutton_labelwidth(const vqButton* b) { return vqfont_textwidth(b->font, b->label); }

void vqbutton_redraw(vqButton* b) {
  if (b == nullptr || !b->created) return;
  vqpxmap* pm = vqcontrol_host_pixmap(&b->host);
  if (pm == nullptr) return;
  if (b->attributes & VQBTN_LINK) {
    draw_link(b, pm);
  } else {
    int x = b->x, y = b->y, w = b->width, h = b->height;
    const uint32_t face = b->hovered && !b->greyed && !looks_pressed(b) ? b->light_color : b->background_color;
    if (face != VQ_NOCOLOR) vqpxmap_fillrect(pm, x, y, w, h, ink(face));
    // The default button (Enter presses it) has a black outline around its frame.
    if (b->attributes & VQBTN_DEFAULT) {
      vqdraw_rect(pm, x, y, w, h, ink(b->theme[VQCOLOR_BLACK]));
      x += 1, y += 1, w -= 2, h -= 2;
    }
    frame(b, pm, x, y, w, h);
    const int shift = looks_pressed(b) ? 1 : 0;
    if (b->attributes & (VQBTN_ARROW | VQBTN_BIGARROW | VQBTN_SMALLARROW))
      arrow(b, pm, shift);
    else
      label(b, pm, shift);
    if (b->focused && !b->greyed) focus_mark(b, pm);
  }
  vqcontrol_host_show(&b->host, b->x, b->y, b->width, b->height);
}
