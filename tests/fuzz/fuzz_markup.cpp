// Arbitrary markup laid out on a small panel by one markup view, whose
// table starts again at 100 records after an input that grew it (so that
// one input's many controls do not slow every later one). The bytes go in as the one argument of "%s", so no
// conversion reads an argument that was never passed; markup without
// conversions also goes through the preparation itself, whose escaping must
// keep every literal percent sign, and is laid out once more where the
// preparation changed it. Every record must hold a terminated name and
// type, and the table must have grown only in steps of 100.
//
// Inputs are skipped that would only exercise other parts' limits: a font
// tag with a system font specification (",points=2000" rasterizes a font
// of that size), and control tags with numbers of four or more digits or
// with an exponent (a panel of pxmapxs=30000 or a terminal of
// scrollback=1e6 is a big allocation by design), or a log file (which would
// be written).
#include "../controls/plain_host_test_util.h"
#include "vqcfgstr.h"
#include "vqfont.h"
#include "vqplatform.h"
#include "vqplatform_font.h"
#include "vqscript.h"
#include "vqtarget.h"
#include "vqview.h"

#include <cctype>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <strings.h>
#include <vector>

namespace {

PlainHost* g_host;
vqView* g_panel;
vqGUIScript* g_view;
std::set<int> g_fonts;   // ids registered before the first input

bool is_font_tag(const char* name) {
  return strcasecmp(name, "font") == 0 || strcasecmp(name, "boldfont") == 0;
}

bool is_control_tag(const char* name) {
  static const char* const kinds[] = {"button", "updowncontrol", "terminal", "view", "link", "checkbox",
                                      "switchbutton", "lineinput", "listbox", "combobox", "tabbar", "slide",
                                      "progressbar", "editor", "rtfeditor", "table"};
  for (const char* k : kinds)
    if (strcasecmp(k, name) == 0) return true;
  return false;
}

bool big_numbers(const std::string& value) {
  int digits = 0;
  for (size_t i = 0; i < value.size(); i++) {
    const unsigned char c = static_cast<unsigned char>(value[i]);
    digits = isdigit(c) ? digits + 1 : 0;
    if (digits > 3) return true;
    if (i > 0 && (c == 'e' || c == 'E') && isdigit(static_cast<unsigned char>(value[i - 1]))) return true;
  }
  return strcasestr(value.c_str(), "logfile") != nullptr;
}

bool skipped(const std::string& text) {
  size_t pos = 0;
  for (;;) {
    vqscript_token t = vqscript_nexttoken(text.c_str(), &pos);
    if (t.kind == VQSCRIPT_END) return false;
    if (t.kind != VQSCRIPT_TAG) continue;
    char name[64];
    std::string value;
    vqscript_splittag(t.text, t.length, name, sizeof name, &value);
    if (is_font_tag(name) && value.find(',') != std::string::npos) return true;
    if (is_control_tag(name) && big_numbers(value)) return true;
  }
}

// True when the escaped markup has no conversion left, only "%%" pairs.
bool conversion_free(const char* escaped) {
  for (const char* p = escaped; *p; p++) {
    if (*p != '%') continue;
    if (p[1] != '%') return false;
    p++;
  }
  return true;
}

std::string prepared(const char* format, ...) {
  va_list args;
  va_start(args, format);
  char* text = vqscript_prepare(format, args);
  va_end(args);
  std::string s = text;
  delete[] text;
  return s;
}

// What printf makes of a text whose percent signs all stand in pairs.
std::string literal(const std::string& escaped) {
  std::string out;
  out.reserve(escaped.size());
  for (size_t i = 0; i < escaped.size(); i++) {
    out += escaped[i];
    if (escaped[i] == '%') i++;
  }
  return out;
}

void check_records(const vqGUIScript& v) {
  if (v.control_capacity % VQSCRIPT_TABLEGROWTH != 0) std::abort();
  for (int i = 0; i < v.control_capacity; i++) {
    const vqscript_record& r = v.controls[i];
    if (!r.in_use) continue;
    if (memchr(r.name, 0, sizeof r.name) == nullptr || memchr(r.type, 0, sizeof r.type) == nullptr) std::abort();
  }
}

// Fonts the markup asked for by name leave with the input.
void forget_new_fonts() {
  for (int i = 0; i < vqfont_count(); i++) {
    int id = vqfont_id_at(i);
    if (id != 0 && g_fonts.count(id) == 0) vqfont_free(id);
  }
}

}  // namespace

// A font tag with an unknown name asks the platform for a system font. Here
// there are none (the build wraps the call): fontconfig would match every
// new name to some face and FreeType rasterize all its glyphs, input after
// input, where what matters is how the markup goes on without the font.
extern "C" vqplatform_face* __wrap__Z20vqplatform_face_openPK23vqplatform_face_request(
    const vqplatform_face_request*) {
  return nullptr;
}

// Freed blocks are held back in a quarantine of 16 MB instead of 256 MB:
// that is still many inputs' worth of frees, so a use after a free in the
// same input is caught, but the allocator no longer walks through fresh
// pages (each one faulted in and zeroed by the kernel) for every control.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

namespace {

// Unless the command line says otherwise, inputs stay within 2 KB. Without
// a limit a long run lets them grow to 4 KB and beyond, and the layout's
// time grows with them; 2 KB still overflow every buffer of the markup
// (2,000 bytes of centred words, 1,000 of a control's options) and hold
// the more than 90 records that make the control table grow.
void limit_input_length(int* argc, char*** argv) {
  for (int i = 1; i < *argc; i++)
    if (std::strncmp((*argv)[i], "-max_len=", 9) == 0) return;
  static std::vector<char*> args;
  static char limit[] = "-max_len=2048";
  args.assign(*argv, *argv + *argc);
  args.insert(args.begin() + 1, limit);
  args.push_back(nullptr);
  *argc += 1;
  *argv = args.data();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  limit_input_length(argc, argv);
  // Diagnostics go to standard output; keep the run quiet.
  if (std::freopen("/dev/null", "w", stdout) == nullptr) return 0;
  setenv("VQ_PLATFORM", "headless", 1);
  // Small: every input clears the panel, and its pixels are most of the
  // drawing; lines still wrap and controls still reach past the edges.
  g_host = new PlainHost(140, 80);
  vqfont_register_builtins();
  // The compiled-in families are registered once here, not parsed again
  // for every input that names one.
  vqfont_register_embedded_all();
  g_panel = new vqView;
  vqgraphic_create(g_panel, "x=0,y=0,xs=120,ys=60,bgcolor=white");
  g_view = new vqGUIScript;
  vqscript_create(g_view);   // registers the markup's fonts before they are counted
  for (int i = 0; i < vqfont_count(); i++) g_fonts.insert(vqfont_id_at(i));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  text.resize(strlen(text.c_str()));
  if (skipped(text)) return 0;
  vqgraphic_select(g_panel);
  vqpxmap_clear(&g_panel->pixmap, 0xFFFFFF);
  vqscript_setmarkup(g_view, "%s", text.c_str());
  check_records(*g_view);

  std::string escaped(2 * text.size() + 1, '\0');
  if (!vqcfgstr_escape(escaped.data(), escaped.size(), text.c_str())) std::abort();
  escaped.resize(strlen(escaped.c_str()));
  if (conversion_free(escaped.c_str())) {
    const std::string shown = literal(escaped);
    if (prepared(text.c_str()) != shown) std::abort();
    // The same text again would only repeat the layout above.
    if (shown != text) {
      vqscript_setmarkup(g_view, text.c_str());
      check_records(*g_view);
    }
  }
  vqscript_setmarkup(g_view, "");   // destroys the controls of this input
  if (g_view->control_capacity > VQSCRIPT_TABLEGROWTH) vqscript_create(g_view);
  forget_new_fonts();
  return 0;
}
