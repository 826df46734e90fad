// Color vocabularies: each key family writes one color field.
#include "vqcfgstr.h"
#include "vqcolor.h"

// The value is read from the token without its blanks and tabs, like the
// key was matched: "BGColor = E0E0E0" gives 0xE0E0E0.
static bool color_pass(char** list, int first, const char* const* keys, uint32_t* color) {
  bool given = false;
  for (int i = first; list && list[i]; ++i) {
    for (const char* const* k = keys; *k; ++k) {
      if (!vqcfgstr_match(list[i], *k)) continue;
      char bare[VQCFGSTR_TOKENMAX + 1];
      vqcfgstr_strip(list[i], bare, sizeof bare);
      vqcolor_parse(bare, color);
      vqcfgstr_consume(list[i]);
      given = true;
      break;
    }
  }
  return given;
}

void vqcfgstr_bgcolor(char** list, int first, uint32_t* color) {
  static const char* const keys[] = {"bgcol=", "bgcolor=", "backgroundcolor=", "background=",
                                     nullptr};
  color_pass(list, first, keys, color);
}

bool vqcfgstr_textcolor(char** list, int first, uint32_t* color) {
  static const char* const keys[] = {"color=", "col=", "txtcol=", "textcol=", "textcolor=",
                                     nullptr};
  return color_pass(list, first, keys, color);
}

void vqcfgstr_color(char** list, int first, uint32_t* color) {
  static const char* const keys[] = {"color=", "col=", nullptr};
  color_pass(list, first, keys, color);
}

void vqcfgstr_transcolor(char** list, int first, uint32_t* color) {
  static const char* const keys[] = {"transcolor=", "transparentcol=", "transparentcolor=",
                                     nullptr};
  color_pass(list, first, keys, color);
}

void vqcfgstr_highlightcolor(char** list, int first, uint32_t* color) {
  static const char* const keys[] = {"highlightcolor=", nullptr};
  color_pass(list, first, keys, color);
}

void vqcfgstr_activecolor(char** list, int first, uint32_t* color) {
  static const char* const keys[] = {"activecolor=", nullptr};
  color_pass(list, first, keys, color);
}
