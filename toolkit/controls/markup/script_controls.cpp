// The control table and the control tags: records, growth, placing a new
// control at the current position, and destroying them all again.
#include "script_internal.h"

#include "vqcontrols.h"
#include "vqfont.h"
#include "vqminor.h"
#include "vqtarget.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

void grow_by(vqGUIScript* v, int records) {
  vqscript_record* grown = new vqscript_record[v->control_capacity + records]();
  if (v->controls) memcpy(grown, v->controls, sizeof(vqscript_record) * v->control_capacity);
  delete[] v->controls;
  v->controls = grown;
  v->control_capacity += records;
}

// Fewer than `wanted` free records? Counted from the end, where a table
// filled front to back keeps its free records, and only as far as needed:
// this is asked before every tag.
bool fewer_free_than(const vqGUIScript* v, int wanted) {
  int free_records = 0;
  for (int i = v->control_capacity - 1; i >= 0 && free_records < wanted; i--) free_records += !v->controls[i].in_use;
  return free_records < wanted;
}

// Creating a control may make it the drawing target or select a container
// of its own; the markup goes on where it was.
// The markup's current font is the new control's default font.
struct placement_guard {
  vqGUIScript* v;
  vqcontainer host{};
  bool had_host = false;
  int default_font;
  explicit placement_guard(vqGUIScript* view) : v(view), default_font(vqcontrol_defaultfont()) {
    vqcontrol_setdefaultfont(v->font);
    // Controls draw their labels at full size, whatever the markup does.
    vqfont_set_halfscale(false, 0);
    if (const vqcontainer* c = vqcontainer_current()) {
      host = *c;
      had_host = true;
    }
  }
  ~placement_guard() {
    vqcontrol_setdefaultfont(default_font);
    vqtarget_set(v->target_handler, v->target_object);
    const vqcontainer* now = vqcontainer_current();
    if (had_host && (!now || now->object != host.object))
      vqcontainer_register(host.pixmap, host.handler, host.object, host.background, false);
  }
};

// The position goes after the control's own options, and a font given as
// fontid= after that: the first font keyword wins, so a font the options
// name is kept.
std::string placed_options(const vqGUIScript* v, const std::string& options, int y, const char* extra,
                           bool fontid, const std::string& prefix = std::string()) {
  bool own_x = options.compare(0, 2, "x=") == 0 || options.find(",x=") != std::string::npos;
  char tail[128];
  if (own_x)
    std::snprintf(tail, sizeof tail, ",y=%d%s", y, extra);
  else
    std::snprintf(tail, sizeof tail, ",x=%d,y=%d%s", v->x, y, extra);
  std::string text = prefix + options + tail;
  if (fontid) text += ",fontid=" + std::to_string(v->font);
  return text;
}

int button_yoffs(const std::string& options) {
  size_t at = options.find(",yoffs=");
  return at == std::string::npos ? 0 : vqscript_number(options.c_str() + at + 7);
}

void enter(vqGUIScript* v, const char* name, const vqscript_kind* k, void* control) {
  vqscript_record* r = vqscript_newrecord(v, name, k->type);
  r->control = control;
}

}  // namespace

void vqscript_grow(vqGUIScript* v) {
  if (fewer_free_than(v, 10)) grow_by(v, VQSCRIPT_TABLEGROWTH);
}

vqscript_record* vqscript_newrecord(vqGUIScript* v, const char* name, const char* type) {
  int i = 0;
  while (i < v->control_capacity && v->controls[i].in_use) i++;
  if (i == v->control_capacity) grow_by(v, VQSCRIPT_TABLEGROWTH);
  vqscript_record* r = &v->controls[i];
  *r = vqscript_record{};
  r->in_use = 1;
  std::snprintf(r->name, sizeof r->name, "%s", name ? name : "");
  std::snprintf(r->type, sizeof r->type, "%s", type ? type : "");
  return r;
}

vqscript_record* vqscript_point(vqGUIScript* v, const char* name, const char* type) {
  for (int i = 0; i < v->control_capacity; i++) {
    vqscript_record& r = v->controls[i];
    if (r.in_use && strcmp(r.type, type) == 0 &&
        strncmp(r.name, name, VQSCRIPT_NAMESIZE - 1) == 0)
      return &r;
  }
  return nullptr;
}

void vqscript_clear(vqGUIScript* v) {
  for (int i = 0; i < v->control_capacity; i++) {
    vqscript_record& r = v->controls[i];
    if (r.in_use && r.control) {
      const vqscript_kind* k = vqscript_kind_of(r.type);
      if (k && k->destroy) k->destroy(r.control);
    }
    r = vqscript_record{};
  }
  v->table = nullptr;
  v->in_table = 0;
}

void vqscript_redraw_controls(vqGUIScript* v) {
  for (int i = 0; i < v->control_capacity; i++) {
    const vqscript_record& r = v->controls[i];
    if (!r.in_use || !r.control) continue;
    const vqscript_kind* k = vqscript_kind_of(r.type);
    if (k && k->redraw) k->redraw(r.control);
  }
}

bool vqscript_control_tag(vqGUIScript* v, const char* tag, const std::string& value) {
  if (strcasecmp(tag, "table") == 0) {
    vqscript_table_begin(v, value);
    return true;
  }
  if (strcasecmp(tag, "/table") == 0) {
    vqscript_table_end(v);
    return true;
  }
  const vqscript_kind* k = vqscript_kind_of(tag);
  if (!k || !k->make) return false;
  char name[VQSCRIPT_NAMESIZE];
  std::string options;
  vqscript_splitcontrol(value, name, sizeof name, &options);
  long long y = static_cast<long long>(v->y) + k->y_shift;
  if (strcmp(k->type, "button") == 0) y += button_yoffs(options);
  void* control;
  {
    placement_guard guard(v);
    control = k->make(v, placed_options(v, options, vqscript_clamp(y), k->extra, k->fontid_option).c_str());
  }
  if (!control) return true;
  enter(v, name, k, control);
  if (k->line_below) {
    v->x = v->left_border;
    v->y = vqscript_clamp(static_cast<long long>(k->bottom(control)) + 5);
  } else {
    v->x = k->right(control);
  }
  return true;
}

void vqscript_table_begin(vqGUIScript* v, const std::string& value) {
  if (v->in_table) return;
  const vqscript_kind* k = vqscript_kind_of("table");
  char name[VQSCRIPT_NAMESIZE];
  std::string options;
  vqscript_splitcontrol(value, name, sizeof name, &options);
  // The text color of the markup, unless the table's options name another.
  char color[32];
  std::snprintf(color, sizeof color, "textcolor=%06x,", v->text_color & 0xFFFFFF);
  void* table;
  {
    placement_guard guard(v);
    table = k->make(v, placed_options(v, options, v->y, "", false, color).c_str());
  }
  if (!table) return;
  enter(v, name, k, table);
  v->table = table;
  v->in_table = 1;
}

void vqscript_table_end(vqGUIScript* v) {
  if (!v->in_table) return;
  v->in_table = 0;
  vqTable* table = static_cast<vqTable*>(v->table);
  v->table = nullptr;
  vqtable_layout(table);
  v->x = v->left_border;
  v->y = vqscript_clamp(static_cast<long long>(vqtable_bottom(table)) + 5);
}
