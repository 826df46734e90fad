// The tags that choose fonts and colors and draw: lines, rectangles,
// bullets, single characters, pictures from files and from memory, and the
// tag that moves the drawing on to a panel of the markup.
#include "script_internal.h"

#include "vqcolor.h"
#include "vqdraw.h"
#include "vqfont.h"
#include "vqimagefile.h"
#include "vqpxmap.h"
#include "vqtarget.h"
#include "vqview.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

using tag_function = void (*)(vqGUIScript* v, const std::string& value);

// The colors of achar's hexadecimal digit.
const uint32_t kCharColors[16] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

enum { IMAGE_SLOTS = 32 };
const vqpxmap* g_images[IMAGE_SLOTS];

uint32_t hex(const std::string& value) {
  return static_cast<uint32_t>(strtoul(value.c_str(), nullptr, 16) & 0xFFFFFFFFul);
}

int32_t ink(uint32_t color) { return static_cast<int32_t>(color); }

// Where a picture of width w starts: at x, or centred on the line while
// the words are being centred.
int picture_x(const vqGUIScript* v, int w) {
  if (!v->centering) return v->x;
  long long wrap = vqscript_wrap_edge(v);
  return vqscript_clamp(v->left_border + (wrap - v->left_border - w) / 2);
}

void draw_char(vqGUIScript* v, int code) {
  vqfont_drawchar(v->surface, v->font, v->x, v->y, ink(v->text_color), false, v->underline != 0, -1,
                  code, -1, -1);
  v->x = vqscript_clamp(static_cast<long long>(v->x) + vqfont_charwidth(v->font, code));
}

// "Arial16b" -> family "Arial", size 16; false when the name is not of the
// series Arial12 ... Arial26 or crnew12 ... crnew26.
bool font_step(const char* font_name, const char** family, int* size) {
  char lower[64];
  size_t i = 0;
  for (; font_name[i] && i + 1 < sizeof lower; i++)
    lower[i] = static_cast<char>(tolower(static_cast<unsigned char>(font_name[i])));
  lower[i] = 0;
  for (const char* f : {"arial", "crnew"})
    for (int s = 12; s <= 26; s += 2) {
      char key[16];
      std::snprintf(key, sizeof key, "%s%d", f, s);
      if (!strstr(lower, key)) continue;
      *family = f[0] == 'a' ? "Arial" : "crnew";
      *size = s;
      return true;
    }
  return false;
}

void step_font(vqGUIScript* v, int step) {
  const char* family;
  int size;
  if (!font_step(v->font_name, &family, &size)) return;
  int next = size + step;
  if (next < 12 || next > 26) return;   // no step beyond the ends of the series
  char name[16];
  std::snprintf(name, sizeof name, "%s%d", family, next);
  vqscript_setfont(v, name);
}

void tag_font(vqGUIScript* v, const std::string& s) { vqscript_setfont(v, s.c_str()); }
void tag_boldfont(vqGUIScript* v, const std::string& s) {
  vqfont_register_embedded(s.c_str());
  v->bold_font = vqfont_get("%s", s.c_str());
}
void tag_big(vqGUIScript* v, const std::string&) { step_font(v, 2); }
void tag_small(vqGUIScript* v, const std::string&) { step_font(v, -2); }

void tag_textcolor(vqGUIScript* v, const std::string& s) { vqcolor_parse(s.c_str(), &v->text_color); }
void tag_backgroundcolor(vqGUIScript* v, const std::string& s) {
  if (!vqcolor_parse(s.c_str(), &v->background_color)) return;
  vqpxmap* pm = v->surface;
  int top = std::max(0, v->start_y);
  if (pm) vqpxmap_fillrect(pm, 0, top, pm->width, pm->height - top, ink(v->background_color));
}
void tag_linkcolor(vqGUIScript* v, const std::string& s) { v->link_color = hex(s); }
void tag_linkbackground(vqGUIScript* v, const std::string& s) { v->link_background = hex(s); }
void tag_linkhighlight(vqGUIScript* v, const std::string& s) { v->link_highlight = hex(s); }
void tag_linkactive(vqGUIScript* v, const std::string& s) { v->link_active = hex(s); }

void tag_hline(vqGUIScript* v, const std::string&) {
  v->x = v->left_border;
  int w = vqscript_wrap_edge(v) - v->left_border;
  if (w > 0) {
    vqpxmap_fillrect(v->surface, v->left_border, v->y + 5, w, 1, 0xD0D0D0);
    vqpxmap_fillrect(v->surface, v->left_border, v->y + 6, w, 1, 0xF0F0F0);
  }
  v->y = vqscript_clamp(static_cast<long long>(v->y) + 12);
}

// width,height,color; 0 reaches the wrap edge or the bottom margin.
void tag_fillrect(vqGUIScript* v, const std::string& s) {
  const char* p = s.c_str();
  long long w = vqscript_number(p);
  const char* comma = strchr(p, ',');
  long long h = comma ? vqscript_number(comma + 1) : 0;
  comma = comma ? strchr(comma + 1, ',') : nullptr;
  uint32_t color = comma ? hex(comma + 1) : 0;
  if (w == 0) w = static_cast<long long>(vqscript_wrap_edge(v)) - v->x;
  if (h == 0) h = static_cast<long long>(v->target_height) - v->bottom_border - v->y;
  if (w > 0 && h > 0)
    vqpxmap_fillrect(v->surface, v->x, v->y, vqscript_clamp(w), vqscript_clamp(h), ink(color));
}

void tag_bullet(vqGUIScript* v, const std::string& s) {
  if (s != "1") return;
  vqdraw_builtin(v->surface, VQGRAPHIC_BULLET, v->x, v->y + 4, 0, 0, -1);
  v->x = vqscript_clamp(static_cast<long long>(v->left_border) + 12);
}

void tag_char(vqGUIScript* v, const std::string& s) {
  if (!s.empty()) draw_char(v, static_cast<unsigned char>(s[0]));
}

// Optional B (bold), one hexadecimal digit for the color, the character.
void tag_achar(vqGUIScript* v, const std::string& s) {
  size_t i = 0;
  if (i < s.size() && s[i] == 'B') {
    v->font = v->bold_font;
    i++;
  }
  if (i + 1 >= s.size() || !isxdigit(static_cast<unsigned char>(s[i]))) return;
  char digit[2] = {s[i], 0};
  v->text_color = kCharColors[strtol(digit, nullptr, 16)];
  draw_char(v, static_cast<unsigned char>(s[i + 1]));
}

void tag_image(vqGUIScript* v, const std::string& s) {
  std::string file = s.substr(0, s.find(','));
  int w = 0, h = 0;
  if (!file.empty() && vqgetpicturesizes(file.c_str(), &w, &h)) {
    vqgraphic_gloadintern_file(v->surface, picture_x(v, w), v->y, 0, 0, s.c_str());
    v->y = vqscript_clamp(static_cast<long long>(v->y) + h);
    v->x = v->left_border;
    return;
  }
  std::string text = "#### IMAGE NOT FOUND: " + file + " ####\n";
  vqscript_place_text(v, text.c_str());
}

void tag_memimage(vqGUIScript* v, const std::string& s) {
  unsigned long long address = strtoull(s.c_str(), nullptr, 10);
  for (const vqpxmap* pm : g_images) {
    if (!pm || reinterpret_cast<unsigned long long>(pm) != address) continue;
    vqpxmap_merge(v->surface, pm, picture_x(v, pm->width), v->y, 0, 0, pm->width, pm->height, 0, 0);
    return;
  }
}

void tag_standardview(vqGUIScript* v, const std::string& s) {
  const vqscript_record* r = vqscript_findrecord(v, s.c_str());
  if (!r || strcmp(r->type, "view") != 0 || !r->control) return;
  vqView* panel = static_cast<vqView*>(r->control);
  if (!panel->created) return;
  vqgraphic_select(panel);
  v->target_handler = vqView::command;
  v->target_object = panel;
  v->surface = vqtargetpixmap();
  v->target_width = vqtargetwidth();
  v->target_height = vqtargetheight();
}

struct tag_entry {
  const char* name;
  tag_function function;
};

const tag_entry kTags[] = {
    {"font", tag_font},
    {"boldfont", tag_boldfont},
    {"big", tag_big},
    {"small", tag_small},
    {"textcolor", tag_textcolor},
    {"backgroundcolor", tag_backgroundcolor},
    {"linkcolor", tag_linkcolor},
    {"linkbackground", tag_linkbackground},
    {"linkhighlight", tag_linkhighlight},
    {"linkactive", tag_linkactive},
    {"hline", tag_hline},
    {"fillrect", tag_fillrect},
    {"bullet", tag_bullet},
    {"char", tag_char},
    {"achar", tag_achar},
    {"image", tag_image},
    {"image_xpm", tag_memimage},
    {"memimage", tag_memimage},
    {"standardview", tag_standardview},
};

}  // namespace

void vqscript_setfont(vqGUIScript* v, const char* name) {
  bool bold_current = v->font == v->bold_font && v->bold_font != v->normal_font;
  std::string bold = name;
  if (!strcasestr(name, "var13")) bold += "b";
  // The Arial and crnew families are compiled in: registered on first use.
  vqfont_register_embedded(name);
  vqfont_register_embedded(bold.c_str());
  v->normal_font = vqfont_get("%s", name);
  v->bold_font = vqfont_get("%s", bold.c_str());
  v->font = bold_current ? v->bold_font : v->normal_font;
  std::snprintf(v->font_name, sizeof v->font_name, "%s", bold.c_str());
}

bool vqscript_drawing_tag(vqGUIScript* v, const char* name, const std::string& value) {
  for (const tag_entry& t : kTags) {
    if (strcasecmp(t.name, name) != 0) continue;
    t.function(v, value);
    return true;
  }
  return false;
}

bool vqscript_addimage(const vqpxmap* pixmap) {
  if (!pixmap) return false;
  for (const vqpxmap*& slot : g_images)
    if (slot == pixmap) return true;
  for (const vqpxmap*& slot : g_images)
    if (!slot) {
      slot = pixmap;
      return true;
    }
  return false;
}

void vqscript_removeimage(const vqpxmap* pixmap) {
  for (const vqpxmap*& slot : g_images)
    if (slot == pixmap) slot = nullptr;
}
