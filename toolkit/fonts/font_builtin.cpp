// The compiled-in fonts: the eleven built-in ones registered at toolkit
// start, and the embedded families registered when something first needs them.
#include "font_record.h"
#include "fontdata.h"
#include "vqfont.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <strings.h>

namespace {

struct Builtin {
  const char* key;
  const char* const* lines;
};

const Builtin kBuiltins[] = {
    {"builtin 6x13", vqfontdata_6x13},       {"builtin 6x13 bold", vqfontdata_6x13b},
    {"builtin 12x24", vqfontdata_12x24},     {"builtin 5x7", vqfontdata_5x7},
    {"builtin 8x8", vqfontdata_8x8},         {"builtin 6x8", vqfontdata_6x8},
    {"builtin 8x16", vqfontdata_8x16},       {"builtin 8x16 bold", vqfontdata_8x16b},
    {"builtin 9x15", vqfontdata_9x15},       {"builtin 9x15 bold", vqfontdata_9x15b},
    {"builtin variable 13", vqfontdata_var13},
};

const char* const* const kEmbedded[] = {
    vqfontdata_Arial10,  vqfontdata_Arial10b, vqfontdata_Arial12,  vqfontdata_Arial12b,
    vqfontdata_Arial14,  vqfontdata_Arial14b, vqfontdata_Arial16,  vqfontdata_Arial16b,
    vqfontdata_Arial18,  vqfontdata_Arial18b, vqfontdata_Arial20,  vqfontdata_Arial20b,
    vqfontdata_Arial22,  vqfontdata_Arial22b, vqfontdata_Arial24,  vqfontdata_Arial24b,
    vqfontdata_Arial26,  vqfontdata_Arial26b, vqfontdata_Arial36,  vqfontdata_Arial36b,
    vqfontdata_crnew10,  vqfontdata_crnew10b, vqfontdata_crnew12,  vqfontdata_crnew12b,
    vqfontdata_crnew14,  vqfontdata_crnew14b,
};

}  // namespace

int vqfont_register_builtin(const char* key) {
  for (const Builtin& b : kBuiltins)
    if (strcmp(b.key, key) == 0) return vqfont_register(b.lines, b.key);
  return 0;
}

void vqfont_register_builtins() {
  for (const Builtin& b : kBuiltins) vqfont_register(b.lines, b.key);
}

int vqfont_register_embedded(const char* name) {
  if (!name) return 0;
  for (const char* const* lines : kEmbedded)
    if (strcasecmp(lines[1] + 5, name) == 0) return vqfont_register_text(lines);
  return 0;
}

void vqfont_register_embedded_all() {
  for (const char* const* lines : kEmbedded) vqfont_register_text(lines);
}

void vqfont_register_markup_fonts() {
  for (const char* name : {"Arial14", "Arial14b", "Arial16", "Arial16b", "Arial18", "Arial18b",
                           "Arial20", "Arial20b"})
    vqfont_register_embedded(name);
}
