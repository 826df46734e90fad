// A markup view's life: creation with its fonts, the state every markup
// starts from, laying out a markup token by token, and destruction.
#include "script_internal.h"

#include "vqfont.h"
#include "vqtarget.h"
#include "vqview.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void reset_state(vqGUIScript* v) {
  v->x = v->y = 10;
  v->left_border = 10;
  v->right_border = 20;
  v->top_border = v->bottom_border = 10;
  v->normal_font = vqfont_get("%s", "Arial16");
  v->bold_font = vqfont_get("%s", "Arial16b");
  v->font = v->normal_font;
  v->saved_font = v->font;
  v->saved_bold_font = v->bold_font;
  std::snprintf(v->font_name, sizeof v->font_name, "%s", "Arial16");
  v->text_color = 0;
  v->background_color = 0xFFFFFF;
  v->link_color = 0x000080;
  v->link_background = 0xFFFFFF;
  v->link_highlight = 0x0000FF;
  v->link_active = 0x800080;
  v->underline = v->centering = v->in_table = 0;
  v->center_buffer[0] = 0;
  v->center_length = 0;
  v->line_offset = 0;
  // No word has been placed: the first one starts a line whatever its y.
  v->line_y = INT_MIN;
  v->line_height = vqfont_height(v->font);
  v->start_y = -1;
  v->end_y = v->y;
  v->double_size = 0;
  v->selectable = 1;
  v->table = nullptr;
  v->pushed = 0;
  v->words.clear();
}

// The panel the view was laid out on may have been destroyed since: it is
// then no longer a registered container (laying out registered it).
void leave_panel(vqGUIScript* v) {
  if (v->panel && vqcontainer_find(v->panel) && v->panel->inner_view == v) v->panel->inner_view = nullptr;
  v->panel = nullptr;
}

// Lays the markup out on the panel it is drawn on: controls created by its
// tags are placed in that panel, whatever container was current before.
void take_target(vqGUIScript* v) {
  v->target_handler = vqtarget_handler();
  v->target_object = vqtarget_current();
  v->surface = vqtargetpixmap();
  v->target_width = vqtargetwidth();
  v->target_height = vqtargetheight();
  vqView* panel = v->target_handler == vqView::command ? static_cast<vqView*>(v->target_object) : nullptr;
  if (v->panel != panel) leave_panel(v);
  v->panel = panel;
}

void lay_out_tag(vqGUIScript* v, const vqscript_token& t) {
  char name[64];
  std::string value;
  vqscript_splittag(t.text, t.length, name, sizeof name, &value);
  vqscript_grow(v);
  if (vqscript_layout_tag(v, name, value)) return;
  if (vqscript_drawing_tag(v, name, value)) return;
  vqscript_control_tag(v, name, value);   // any other name does nothing
}

}  // namespace

int vqscript_clamp(long long v) {
  if (v > VQSCRIPT_COORDMAX) return VQSCRIPT_COORDMAX;
  if (v < -VQSCRIPT_COORDMAX) return -VQSCRIPT_COORDMAX;
  return static_cast<int>(v);
}

int vqscript_number(const char* text, bool* percent) {
  const char* p = text ? text : "";
  while (*p == ' ') p++;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') p++;
  long long n = 0;
  for (; *p >= '0' && *p <= '9'; p++)
    if (n <= VQSCRIPT_COORDMAX) n = n * 10 + (*p - '0');
  if (percent) *percent = *p == '%';
  return vqscript_clamp(negative ? -n : n);
}

vqGUIScript::vqGUIScript()
    : created(0), built(0), surface(nullptr), target_handler(nullptr), target_object(nullptr),
      target_width(0), target_height(0), controls(nullptr), control_capacity(0), table(nullptr),
      panel(nullptr), pushed(0), recording(0) {}

vqGUIScript::~vqGUIScript() { vqscript_destroy(this); }

bool vqscript_create(vqGUIScript* v) {
  if (!v) return false;
  if (v->created) vqscript_destroy(v);
  vqfont_register_markup_fonts();
  v->built = 0;
  v->controls = new vqscript_record[VQSCRIPT_TABLEGROWTH]();
  v->control_capacity = VQSCRIPT_TABLEGROWTH;
  v->surface = nullptr;
  v->target_handler = nullptr;
  v->target_object = nullptr;
  v->target_width = v->target_height = 0;
  v->panel = nullptr;
  reset_state(v);
  v->created = 1;
  return true;
}

void vqscript_destroy(vqGUIScript* v) {
  if (!v || !v->created) return;
  vqscript_clear(v);
  delete[] v->controls;
  v->controls = nullptr;
  v->control_capacity = 0;
  leave_panel(v);
  v->surface = nullptr;
  v->built = 0;
  v->created = 0;
  v->words.clear();
}

void vqscript_recordwords(vqGUIScript* v, bool on) {
  if (v) v->recording = on ? 1 : 0;
}

int vqscript_setmarkup(vqGUIScript* v, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int y = vqscript_vsetmarkup(v, format, args);
  va_end(args);
  return y;
}

int vqscript_vsetmarkup(vqGUIScript* v, const char* format, va_list args) {
  if (!v) return 0;
  if (!v->created) vqscript_create(v);
  // The old controls go first: after a standardview tag the drawing target
  // may be one of them, and then the markup goes back to its own panel.
  if (v->built) vqscript_clear(v);
  v->built = 0;
  if (!vqtarget_handler() && v->panel && vqcontainer_find(v->panel)) vqtarget_set(vqView::command, v->panel);
  take_target(v);
  reset_state(v);
  char* text = vqscript_prepare(format, args);
  if (text[0] == 0) {
    delete[] text;
    return 0;
  }
  if (!v->surface) {
    std::printf("vqscript_setmarkup: no drawing target\n");
    delete[] text;
    return 0;
  }
  vqhandler first_handler = v->target_handler;
  void* first_object = v->target_object;
  vqcontainer_save();
  if (v->panel) {
    v->panel->inner_view = v;
    vqgraphic_select(v->panel);
  }
  size_t pos = 0;
  for (;;) {
    vqscript_token t = vqscript_nexttoken(text, &pos);
    if (t.kind == VQSCRIPT_END) break;
    if (v->start_y == -1) v->start_y = v->y;
    if (t.kind == VQSCRIPT_TAG)
      lay_out_tag(v, t);
    else
      vqscript_place_word(v, t.text, t.length);
  }
  // A markup that ends inside center or table still shows its words.
  if (v->centering) vqscript_flush_center(v);
  if (v->in_table) vqscript_table_end(v);
  vqfont_set_halfscale(false, 0);
  if (v->pushed) vqscript_redraw_controls(v);
  vqcontainer_restore();
  v->end_y = v->y;
  v->built = 1;
  delete[] text;
  vqsend(first_handler, first_object, VQCMD_REFRESHNOW);
  // A standardview tag moved the drawing on to another panel.
  if (v->target_object != first_object) vqsend(v->target_handler, v->target_object, VQCMD_REFRESHNOW);
  return v->end_y;
}
