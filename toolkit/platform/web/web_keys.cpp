// The page's key names (KeyboardEvent.key) in the toolkit's key codes, and
// the characters typed with Backspace and Control+C, V, X: handed to the page
// at the start, so that the codes are written in one place for every back
// end (vqkeys.h).
#include "web_internal.h"

#include "../vqkeys.h"

#include <emscripten.h>

namespace {

EM_JS(void, web_key_code, (const char* name, int code), { Module.vqweb.keyCodes[UTF8ToString(name)] = code; });
EM_JS(void, web_typed_code, (const char* name, int code), { Module.vqweb.typedCodes[UTF8ToString(name)] = code; });

struct named_code {
  const char* name;
  int code;
};

const named_code kKeys[] = {
    {"Enter", VQKEY_ENTER},   {"Escape", VQKEY_ESCAPE},   {" ", VQKEY_SPACE},         {"Tab", VQKEY_TAB},
    {"ArrowLeft", VQKEY_LEFT}, {"ArrowRight", VQKEY_RIGHT}, {"ArrowUp", VQKEY_UP},     {"ArrowDown", VQKEY_DOWN},
    {"F1", VQKEY_F1},         {"F2", VQKEY_F2},           {"F3", VQKEY_F3},           {"F4", VQKEY_F4},
    {"F5", VQKEY_F5},         {"F6", VQKEY_F6},           {"F7", VQKEY_F7},           {"F8", VQKEY_F8},
    {"F9", VQKEY_F9},         {"F10", VQKEY_F10},         {"F11", VQKEY_F11},         {"F12", VQKEY_F12},
    {"Insert", VQKEY_INSERT}, {"Control", VQKEY_CONTROL}, {"Shift", VQKEY_SHIFT},     {"Home", VQKEY_HOME},
    {"End", VQKEY_END},       {"Delete", VQKEY_DELETE},   {"PageUp", VQKEY_PAGEUP},   {"PageDown", VQKEY_PAGEDOWN},
    {"Alt", VQKEY_ALT},
};

const named_code kTyped[] = {
    {"Backspace", VQCHAR_BACKSPACE},
    {"ControlC", VQCHAR_CONTROL_C},
    {"ControlV", VQCHAR_CONTROL_V},
    {"ControlX", VQCHAR_CONTROL_X},
};

}  // namespace

void vqweb_define_keys() {
  for (const named_code& k : kKeys) web_key_code(k.name, k.code);
  for (const named_code& t : kTyped) web_typed_code(t.name, t.code);
}
