// Option strings from outside: formatting (conversions limited to a safe
// set), splitting, matching, numbers, every vocabulary and the layout.
#include <cstdint>
#include <cstring>
#include <string>

#include "vqcfgstr.h"
#include "vqcolor.h"

// Only %d conversions may reach printf with our fixed arguments. Every other
// '%' becomes "% ", which the escape step turns into a literal percent; the
// escape step itself is fuzzed on the raw input.
static std::string safe_format(const std::string& in) {
  std::string out;
  int conversions = 0;
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '%') { out += in[i]; continue; }
    if (i + 1 < in.size() && in[i + 1] == 'd' && conversions < 4) {
      out += "%d";
      ++conversions;
      ++i;
    } else {
      out += "% ";
    }
  }
  return out;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string in(reinterpret_cast<const char*>(data), size);
  in = in.c_str();  // up to the first zero
  char esc[64];
  vqcfgstr_escape(esc, sizeof esc, in.c_str());
  char text[VQCFGSTR_CONTROLTEXT];
  vqcfgstr_format(text, sizeof text, safe_format(in).c_str(), 1, -2, 300, 4);
  static char buf[VQCFGSTR_CONTROLLIST];
  char** t = vqcfgstr_split(text, buf, sizeof buf);
  if (!t) return 0;
  char** heap = vqcfgstr_splitalloc(in.c_str());
  vqcfgstr_splitfree(heap);
  vqcfgstr_has(text, "xs");
  vqcfgstr_number(text, "maxxs", 0);
  char value[32];
  vqcfgstr_value(text, "font", value, sizeof value);
  vqgeometry g;
  vqgeometry_reset(&g);
  g.parentwidth = 1280;
  g.parentheight = 710;
  vqcfgstr_geometry(t, 0, &g);
  vqgeometry_compute(&g);
  int border = 0, type = 3, w = 0, h = 0, colors = 0, code = 0;
  vqcfgstr_border(t, 0, &border);
  uint8_t f[8] = {};
  uint32_t c[6] = {};
  vqcfgstr_focus(t, 0, &f[0]);
  vqcfgstr_greyed(t, 0, &f[1]);
  vqcfgstr_bgcolor(t, 0, &c[0]);
  vqcfgstr_textcolor(t, 0, &c[1]);
  vqcfgstr_transcolor(t, 0, &c[2]);
  vqcfgstr_color(t, 0, &c[3]);
  vqcfgstr_highlightcolor(t, 0, &c[4]);
  vqcfgstr_activecolor(t, 0, &c[5]);
  vqcfgstr_pxmaptype(t, 0, &type);
  vqcfgstr_pxmap(t, 0, &w, &h, &colors, &type);
  vqcfgstr_refresh(t, 0, &f[2], &f[3], &f[4]);
  vqcfgstr_scrollbars(t, 0, &f[5], &f[6]);
  vqcfgstr_align(t, 0, &f[7]);
  double d = 0;
  vqcfgstr_default(t, 0, &d, &f[0]);
  vqcfgstr_palettecode(t, 0, &code);
  char rest[VQCFGSTR_CONTROLTEXT];
  vqcfgstr_rest(t, rest, sizeof rest);
  return 0;
}
