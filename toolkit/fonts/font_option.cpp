// The font keywords of option strings: font= by name or alias, fontid= by handle.
#include "font_record.h"
#include "vqcfgstr.h"
#include "vqfont.h"

#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace {

struct Alias {
  const char* name;
  const char* key;
};

const Alias kAliases[] = {
    {"6x13", "builtin 6x13"},          {"6x13b", "builtin 6x13 bold"},
    {"6x13bold", "builtin 6x13 bold"}, {"9x15", "builtin 9x15"},
    {"9x15b", "builtin 9x15 bold"},    {"9x15bold", "builtin 9x15 bold"},
    {"8x16", "builtin 8x16"},          {"8x16b", "builtin 8x16 bold"},
    {"8x16bold", "builtin 8x16 bold"}, {"12x24", "builtin 12x24"},
    {"5x7", "builtin 5x7"},            {"8x8", "builtin 8x8"},
    {"var13", "builtin variable 13"},  {"variable13", "builtin variable 13"},
    {"13var", "builtin variable 13"},  {"13variable", "builtin variable 13"},
};

}  // namespace

bool vqfont_option(char** tokens, int first, int* handle) {
  if (!tokens || !handle) return false;
  for (int i = first; tokens[i]; ++i) {
    char stripped[512];
    vqcfgstr_strip(tokens[i], stripped, sizeof stripped);
    if (strncasecmp(stripped, "fontid=", 7) == 0) {
      sscanf(stripped + 7, "%d", handle);
      vqcfgstr_consume(tokens[i]);
      return true;
    }
    if (strncasecmp(stripped, "font=", 5) != 0) continue;
    const char* name = stripped + 5;
    int index = -1;
    for (const Alias& a : kAliases)
      if (strcasecmp(a.name, name) == 0) {
        index = vqfont_find_key(a.key);
        if (index < 0 && vqfont_register_builtin(a.key)) index = vqfont_find_key(a.key);
        break;
      }
    if (index < 0) index = vqfont_find_name(name);
    if (index >= 0) *handle = index;
    else printf("font not loaded/found: %s\n", name);
    vqcfgstr_consume(tokens[i]);
    return true;
  }
  return false;
}
