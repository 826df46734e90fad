// The push button's own keywords: its looks and behaviours, and hotkey=.
#include "controls_internal.h"

#include "vqcfgstr.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

struct attribute_name {
  const char* name;
  unsigned flag;
};

const attribute_name kAttributes[] = {
    {"arrow", VQBTN_ARROW},           {"bigarrow", VQBTN_BIGARROW},       {"smallarrow", VQBTN_SMALLARROW},
    {"flat", VQBTN_FLAT},             {"skip", VQBTN_NOFOCUS},            {"nofocus", VQBTN_NOFOCUS},
    {"default", VQBTN_DEFAULT},       {"defaultbutton", VQBTN_DEFAULT},   {"mouserepeat", VQBTN_MOUSEREPEAT},
    {"singleborder", VQBTN_THINFRAME}, {"thinborder", VQBTN_THINFRAME},   {"singleframe", VQBTN_THINFRAME},
    {"thinframe", VQBTN_THINFRAME},   {"hyperlink", VQBTN_LINK},          {"hyperlinkstyle", VQBTN_LINK},
    {"hlink", VQBTN_LINK},            {"hlinkstyle", VQBTN_LINK},         {"text", VQBTN_LINK},
    {"no3d", VQBTN_LINK},             {"2d", VQBTN_LINK},                 {"switch", VQBTN_SWITCH},
    {"keeppressed", VQBTN_SWITCH},    {"toolbutton", VQBTN_TOOLBUTTON},   {"pressed", VQBTN_PRESSED},
    {"checked", VQBTN_PRESSED},       {"on", VQBTN_PRESSED},
};

}  // namespace

int vqbutton_hotkeycode(const char* value) {
  if (value == nullptr) value = "";
  if (std::strlen(value) == 1) return static_cast<unsigned char>(value[0]);
  if (strcasecmp(value, "space") == 0) return VQKEY_SPACE;
  if (strcasecmp(value, "return") == 0) return VQKEY_ENTER;
  if ((value[0] == 'f' || value[0] == 'F') && value[1] >= '1' && value[1] <= '9') {
    char* end = nullptr;
    const long n = std::strtol(value + 1, &end, 10);
    if (*end == 0 && n >= 1 && n <= 12) return VQKEY_F1 + static_cast<int>(n) - 1;
  }
  std::printf("complex hotkey not fully supported yet ! (vqcfgstr_btnattr) \"%s\"\n", value);
  return 0;
}

void vqcfgstr_btnattr(char** list, int first, unsigned* flags, int* hotkey) {
  if (list == nullptr) return;
  for (int i = first; list[i] != nullptr; ++i) {
    char* token = list[i];
    if (token[0] == 0) continue;
    if (vqcfgstr_match(token, "hotkey=")) {
      char stripped[VQCFGSTR_TOKENMAX + 1];
      vqcfgstr_strip(token, stripped, sizeof stripped);
      const int code = vqbutton_hotkeycode(vqcfgstr_after(stripped));
      if (code != 0 && hotkey != nullptr) *hotkey = code;
      vqcfgstr_consume(token);
      continue;
    }
    for (const attribute_name& a : kAttributes) {
      if (!vqcfgstr_match(token, a.name)) continue;
      if (flags != nullptr) *flags |= a.flag;
      vqcfgstr_consume(token);
      break;
    }
  }
}
