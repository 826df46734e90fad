// The tags that move the position, set borders and flags, and remember
// named points.
#include "script_internal.h"

#include <cstring>
#include <strings.h>

namespace {

using tag_function = void (*)(vqGUIScript* v, const std::string& value);

int n(const std::string& value) { return vqscript_number(value.c_str()); }

// n, or n percent of the given size.
int n_or_percent(const std::string& value, int size) {
  bool percent = false;
  int v = vqscript_number(value.c_str(), &percent);
  return percent ? vqscript_clamp(static_cast<long long>(v) * size / 100) : v;
}

int add(int a, long long b) { return vqscript_clamp(a + b); }

void save_point(vqGUIScript* v, const std::string& name, const char* type, int value) {
  vqscript_record* r = vqscript_point(v, name.c_str(), type);
  // Saving a name again moves the point: a restore finds the latest value.
  if (!r) r = vqscript_newrecord(v, name.c_str(), type);
  if (r) r->value = value;
}

int point_value(vqGUIScript* v, const std::string& name, const char* type) {
  const vqscript_record* r = vqscript_point(v, name.c_str(), type);
  return r ? r->value : 0;
}

void tag_none(vqGUIScript*, const std::string&) {}
void tag_center(vqGUIScript* v, const std::string&) { v->centering = 1; }
void tag_center_end(vqGUIScript* v, const std::string&) {
  if (v->centering) vqscript_flush_center(v);
}
void tag_bold(vqGUIScript* v, const std::string&) { v->font = v->bold_font; }
void tag_bold_end(vqGUIScript* v, const std::string&) { v->font = v->normal_font; }
void tag_underline(vqGUIScript* v, const std::string&) { v->underline = 1; }
void tag_underline_end(vqGUIScript* v, const std::string&) { v->underline = 0; }
void tag_pushfont(vqGUIScript* v, const std::string&) {
  v->saved_font = v->font;
  v->saved_bold_font = v->bold_font;
}
void tag_popfont(vqGUIScript* v, const std::string&) {
  v->font = v->saved_font;
  v->bold_font = v->saved_bold_font;
}
void tag_x(vqGUIScript* v, const std::string& s) { v->x = n_or_percent(s, v->target_width); }
void tag_y(vqGUIScript* v, const std::string& s) { v->y = n_or_percent(s, v->target_height); }
void tag_xinc(vqGUIScript* v, const std::string& s) { v->x = add(v->x, n(s)); }
void tag_yinc(vqGUIScript* v, const std::string& s) { v->y = add(v->y, n(s)); }
void tag_ydec(vqGUIScript* v, const std::string& s) { v->y = add(v->y, -static_cast<long long>(n(s))); }
void tag_offset(vqGUIScript* v, const std::string& s) {
  v->x = v->left_border;
  v->y = add(v->y, n(s));
}
void tag_leftborder(vqGUIScript* v, const std::string& s) {
  v->left_border = n_or_percent(s, v->target_width);
  v->x = v->left_border;
}
void tag_rightborder(vqGUIScript* v, const std::string& s) { v->right_border = n(s); }
void tag_rightborderpos(vqGUIScript* v, const std::string& s) {
  v->right_border = add(v->target_width, -static_cast<long long>(n(s)));
}
void tag_setxleftborder(vqGUIScript* v, const std::string&) { v->x = v->left_border; }
void tag_lineoffset(vqGUIScript* v, const std::string& s) { v->line_offset = n(s); }
void tag_br(vqGUIScript* v, const std::string&) { vqscript_place_word(v, "\n", 1); }
void tag_save(vqGUIScript* v, const std::string& s) { save_point(v, s, "ypoint", v->y); }
void tag_xsave(vqGUIScript* v, const std::string& s) { save_point(v, s, "xpoint", v->x); }
void tag_restore(vqGUIScript* v, const std::string& s) {
  if (int y = point_value(v, s, "ypoint")) v->y = y;
}
void tag_xrestore(vqGUIScript* v, const std::string& s) {
  if (int x = point_value(v, s, "xpoint")) v->x = x;
}
void tag_doublesize(vqGUIScript* v, const std::string&) { v->double_size = 1; }
void tag_doublesize_end(vqGUIScript* v, const std::string&) { v->double_size = 0; }
void tag_selectable_on(vqGUIScript* v, const std::string&) { v->selectable = 1; }
void tag_selectable_off(vqGUIScript* v, const std::string&) { v->selectable = 0; }

struct tag_entry {
  const char* name;
  tag_function function;
};

const tag_entry kTags[] = {
    {"none", tag_none},
    {"center", tag_center},
    {"/center", tag_center_end},
    {"b", tag_bold},
    {"/b", tag_bold_end},
    {"u", tag_underline},
    {"/u", tag_underline_end},
    {"pushfont", tag_pushfont},
    {"popfont", tag_popfont},
    {"x", tag_x},
    {"y", tag_y},
    {"xinc", tag_xinc},
    {"xoffset", tag_xinc},
    {"yinc", tag_yinc},
    {"ydec", tag_ydec},
    {"offset", tag_offset},
    {"leftborder", tag_leftborder},
    {"rightborder", tag_rightborder},
    {"rightborderpos", tag_rightborderpos},
    {"setxleftborder", tag_setxleftborder},
    {"lineoffset", tag_lineoffset},
    {"br", tag_br},
    {"save", tag_save},
    {"restore", tag_restore},
    {"xsave", tag_xsave},
    {"xrestore", tag_xrestore},
    {"antialias_doublesize", tag_doublesize},
    {"/antialias_doublesize", tag_doublesize_end},
    {"selectable_on", tag_selectable_on},
    {"selectable_off", tag_selectable_off},
};

}  // namespace

bool vqscript_layout_tag(vqGUIScript* v, const char* name, const std::string& value) {
  for (const tag_entry& t : kTags) {
    if (strcasecmp(t.name, name) != 0) continue;
    t.function(v, value);
    return true;
  }
  return false;
}
