// Choosing one entry of a list: a list box shows rows, a combo box one row
// with an arrow that steps to the next entry, a tab bar its tabs side by
// side. The selected entry is the value; a choice posts the control's code.
#include "minor_internal.h"

#include "vqcfgstr.h"
#include "vqdraw.h"

#include <algorithm>

namespace {

enum { PAD = 4, TAB_PAD = 8, DEFAULT_ROWS = 5 };

int row_height(const vqChoice* c) { return vqminor_fontheight(&c->box) + 2; }
int count(const vqChoice* c) { return static_cast<int>(c->entries.size()); }

int widest(const vqChoice* c) {
  int w = 0;
  for (const std::string& e : c->entries) w = std::max(w, vqminor_textwidth(&c->box, e.c_str()));
  return w;
}

int tab_width(const vqChoice* c, int i) {
  return vqminor_textwidth(&c->box, c->entries[static_cast<size_t>(i)].c_str()) + 2 * TAB_PAD;
}

void scroll_to_selection(vqChoice* c) {
  if (c->selected < 0) return;
  if (c->selected < c->first) c->first = c->selected;
  if (c->selected >= c->first + c->rows) c->first = c->selected - c->rows + 1;
}

void choose(vqChoice* c, int index) {
  if (index < 0 || index >= count(c) || index == c->selected) return;
  vqchoice_select(c, index);
  vqminor_notify(&c->box);
}

// The entry under a click, or -1.
int entry_at(const vqChoice* c, int px, int py) {
  const vqminor_box& b = c->box;
  if (c->style == VQCHOICE_LIST) {
    int row = (py - b.y - 2) / row_height(c) + c->first;
    return row < count(c) ? row : -1;
  }
  if (c->style == VQCHOICE_TABS) {
    for (int i = 0, x = b.x; i < count(c); x += tab_width(c, i), i++)
      if (px >= x && px < x + tab_width(c, i)) return i;
    return -1;
  }
  return count(c) > 0 ? (c->selected + 1) % count(c) : -1;   // the combo box steps on
}

void draw_list(const vqChoice* c) {
  const vqminor_box& b = c->box;
  vqminor_fill(&b, b.x, b.y, b.width, b.height, b.background_color != VQ_NOCOLOR ? b.background_color : 0xFFFFFF);
  vqminor_frame(&b, b.x, b.y, b.width, b.height, true);
  int rh = row_height(c);
  for (int i = c->first, y = b.y + 2; i < count(c) && i < c->first + c->rows; i++, y += rh) {
    bool chosen = i == c->selected;
    if (chosen) vqminor_fill(&b, b.x + 2, y, b.width - 4, rh, b.theme[VQCOLOR_BLUE]);
    vqminor_text(&b, b.x + PAD, y + 1, c->entries[static_cast<size_t>(i)].c_str(),
                 chosen ? b.theme[VQCOLOR_TEXTSEL] : vqminor_ink(&b), false, b.width - 2 * PAD);
  }
}

void draw_combo(const vqChoice* c) {
  const vqminor_box& b = c->box;
  int arrow = b.height - 4;
  vqminor_fill(&b, b.x, b.y, b.width, b.height, b.background_color != VQ_NOCOLOR ? b.background_color : 0xFFFFFF);
  vqminor_frame(&b, b.x, b.y, b.width, b.height, true);
  int ax = b.x + b.width - 2 - arrow;
  vqminor_fill(&b, ax, b.y + 2, arrow, arrow, b.theme[VQCOLOR_GREY]);
  vqminor_frame(&b, ax, b.y + 2, arrow, arrow, false);
  if (b.surface) vqdraw_builtin(b.surface, VQGRAPHIC_DOWN, ax + 3, b.y + 5, arrow - 6, arrow - 6, -1);
  if (c->selected >= 0)
    vqminor_text(&b, b.x + PAD, b.y + (b.height - vqminor_fontheight(&b)) / 2,
                 c->entries[static_cast<size_t>(c->selected)].c_str(), vqminor_ink(&b), false,
                 ax - b.x - PAD);
}

void draw_tabs(const vqChoice* c) {
  const vqminor_box& b = c->box;
  vqminor_fill(&b, b.x, b.y, b.width, b.height, b.background_color != VQ_NOCOLOR ? b.background_color : b.theme[VQCOLOR_GREY]);
  int fh = vqminor_fontheight(&b);
  for (int i = 0, x = b.x; i < count(c); x += tab_width(c, i), i++) {
    bool chosen = i == c->selected;
    int top = chosen ? b.y : b.y + 2, w = tab_width(c, i);
    if (x + w > b.x + b.width) break;   // tabs beyond the bar are not shown
    vqminor_fill(&b, x, top, w, b.y + b.height - top, chosen ? b.theme[VQCOLOR_LIGHT] : b.theme[VQCOLOR_GREY]);
    vqminor_frame(&b, x, top, w, b.y + b.height - top + 2, false);
    vqminor_text(&b, x + TAB_PAD, top + (b.y + b.height - top - fh) / 2,
                 c->entries[static_cast<size_t>(i)].c_str(), vqminor_ink(&b));
  }
}

}  // namespace

vqChoice::vqChoice() : style(VQCHOICE_LIST), selected(-1), first(0), rows(1) { vqminor_init(&box); }
vqChoice::~vqChoice() { vqchoice_destroy(this); }

bool vqchoice_create(vqChoice* c, int style, const char* format, ...) {
  if (!c) return false;
  if (c->box.created) vqchoice_destroy(c);
  vqoptions o;
  va_list args;
  va_start(args, format);
  bool ok = vqminor_begin(&c->box, &o, "vqchoice_create", format, args, false);
  va_end(args);
  if (!ok) return false;
  c->style = style == VQCHOICE_COMBO || style == VQCHOICE_TABS ? style : VQCHOICE_LIST;
  int select = 0, lines = 0;
  for (char** t = o.tokens; *t; t++) {
    if (vqcfgstr_match(*t, "entries=")) vqminor_entries(vqcfgstr_after(*t), &c->entries);
    else if (vqcfgstr_match(*t, "select=")) select = vqcfgstr_intvalue(*t);
    else if (vqcfgstr_match(*t, "lines=")) lines = vqcfgstr_intvalue(*t);
    else continue;
    vqcfgstr_consume(*t);
  }
  c->selected = count(c) == 0 ? -1 : std::clamp(select, 0, count(c) - 1);
  c->first = 0;
  c->rows = lines > 0 ? std::min(lines, 1000) : std::clamp(count(c), 1, static_cast<int>(DEFAULT_ROWS));
  int fh = vqminor_fontheight(&c->box), w = widest(c);
  int pw, ph;
  if (c->style == VQCHOICE_LIST) {
    pw = std::max(40, w + 2 * PAD);
    ph = c->rows * row_height(c) + 4;
  } else if (c->style == VQCHOICE_COMBO) {
    ph = fh + 8;
    pw = std::max(40, w + 2 * PAD + ph);
  } else {
    ph = fh + 8;
    pw = 0;
    for (int i = 0; i < count(c); i++) pw += tab_width(c, i);
    pw = std::max(pw, 20);
  }
  vqminor_finish(&c->box, &o, vqChoice::command, c, pw, ph);
  if (c->style == VQCHOICE_LIST) c->rows = std::max(1, (c->box.height - 4) / row_height(c));
  scroll_to_selection(c);
  vqchoice_draw(c);
  return true;
}

void vqchoice_destroy(vqChoice* c) {
  if (!c) return;
  vqminor_end(&c->box, c);
  c->entries.clear();
  c->selected = -1;
  c->first = 0;
}

void vqchoice_select(vqChoice* c, int index) {
  if (!c || index < 0 || index >= count(c)) return;
  c->selected = index;
  scroll_to_selection(c);
  vqchoice_draw(c);
}

void vqchoice_draw(vqChoice* c) {
  if (!c->box.created) return;
  if (c->style == VQCHOICE_LIST) draw_list(c);
  else if (c->style == VQCHOICE_COMBO) draw_combo(c);
  else draw_tabs(c);
  vqminor_show(&c->box);
}

int vqChoice::command(void* object, int command, int a1, int a2, int, int, int, int, int, int) {
  vqChoice* c = static_cast<vqChoice*>(object);
  vqminor_box& b = c->box;
  if (vqminor_common(&b, command)) return 0;
  if (vqminor_redraw_command(command)) vqchoice_draw(c);
  if (b.greyed) return 0;
  int step = 0;
  switch (command) {
    case VQCMD_LEFTDOWN:
    case VQCMD_LEFTDOUBLE:
      vqminor_takefocus(&b);
      choose(c, entry_at(c, a1, a2));
      return 0;
    case VQCMD_WHEELUP: step = -1; break;
    case VQCMD_WHEELDOWN: step = 1; break;
    case VQCMD_KEYDOWN:
      if (a1 == VQKEY_UP || a1 == VQKEY_LEFT) step = -1;
      if (a1 == VQKEY_DOWN || a1 == VQKEY_RIGHT) step = 1;
      break;
    default: return 0;
  }
  if (step != 0 && count(c) > 0) choose(c, std::clamp(c->selected + step, 0, count(c) - 1));
  return 0;
}
