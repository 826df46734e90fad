// The drawing target and the drawing functions: each sends one numbered
// command to whatever object is the target now.
#include "vqtarget.h"

#include "vqcfgstr.h"

#include <cstdarg>
#include <cstdio>

namespace {

struct target {
  vqhandler handler = nullptr;
  void* object = nullptr;
};
target g_target;
target g_saved;

// Formatted texts stay here until the target has drawn them; one thread,
// and no command formats again while it draws.
char g_text[65536];

// A percent sign before a character below '0' or before '>' is meant
// literally ("50% done", "%d%"): the option-string formatter keeps it.
const char* format_text(const char* format, va_list args) {
  vqcfgstr_vformat(g_text, sizeof g_text, format ? format : "", args);
  return g_text;
}

// Sends a command whose arguments a1..a(k) are followed by a pointer.
int send_with_pointer(int command, const void* p, int a1 = 0, int a2 = 0, int a3 = 0) {
  int low, high;
  vqptr_split(p, &low, &high);
  return vqtarget_send(command, a1, a2, a3, low, high);
}

// Commands that answer with a pointer write it through the one they got.
void* ask_pointer(int command) {
  void* answer = nullptr;
  int low, high;
  vqptr_split(&answer, &low, &high);
  vqtarget_send(command, low, high);
  return answer;
}

}  // namespace

vqpxmap* vqtarget_pointpixmap = nullptr;

void vqtarget_arm_points(void* target, vqpxmap* pm) {
  vqtarget_pointpixmap = target && target == g_target.object ? pm : nullptr;
}

void vqtarget_set(vqhandler handler, void* object) {
  g_target = {handler, object};
  vqtarget_pointpixmap = nullptr;
}

void vqtarget_clear(vqhandler handler, void* object) {
  if (g_target.handler == handler && g_target.object == object) {
    g_target = {};
    vqtarget_pointpixmap = nullptr;
  }
}

int vqtarget_send(int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7, int a8) {
  if (!g_target.handler) return 0;
  return g_target.handler(g_target.object, command, a1, a2, a3, a4, a5, a6, a7, a8);
}

void vqtarget_save() { g_saved = g_target; }
void vqtarget_restore() {
  g_target = g_saved;
  vqtarget_pointpixmap = nullptr;
}
vqhandler vqtarget_handler() { return g_target.handler; }
void* vqtarget_current() { return g_target.object; }

int vqpoint_send(int x, int y, int32_t color) { return vqtarget_send(VQCMD_POINT, x, y, color); }
int vqgetpixel(int x, int y) { return vqtarget_send(VQCMD_GETPIXEL, x, y); }
int vqline(int x1, int y1, int x2, int y2, int32_t color) {
  return vqtarget_send(VQCMD_LINE, x1, y1, x2, y2, color);
}
int vqfillrect(int x, int y, int w, int h, int32_t color) {
  return vqtarget_send(VQCMD_FILLRECT, x, y, w, h, color);
}
int vqsetfont(int font) { return vqtarget_send(VQCMD_SETFONT, font); }

int vqsetfontname(const char* name) {
  int low, high;
  vqptr_split(name, &low, &high);
  return vqtarget_send(VQCMD_SETFONTNAME, low, high);
}

int vqtext(int x, int y, int32_t color, const char* text) {
  return send_with_pointer(VQCMD_TEXT, text, x, y, color);
}

int vqprintf(int x, int y, int32_t color, const char* format, ...) {
  if (!g_target.handler) return 0;
  va_list args;
  va_start(args, format);
  const char* text = format_text(format, args);
  va_end(args);
  return send_with_pointer(VQCMD_TEXT, text, x, y, color);
}

int vqchar(int x, int y, int32_t color, int character) {
  return vqtarget_send(VQCMD_CHAR, x, y, color, character);
}
int vqclear(int32_t color) { return vqtarget_send(VQCMD_CLEAR, color); }

int vqpicturef(const char* format, ...) {
  if (!g_target.handler) return 0;
  va_list args;
  va_start(args, format);
  const char* name = format_text(format, args);
  va_end(args);
  int low, high;
  vqptr_split(name, &low, &high);
  return vqtarget_send(VQCMD_PICTURE, 0, 0, low, high);
}

int vqgraphicf(int graphic, const char* format, ...) {
  if (!g_target.handler) return 0;
  va_list args;
  va_start(args, format);
  const char* options = format_text(format, args);
  va_end(args);
  int low, high;
  vqptr_split(options, &low, &high);
  return vqtarget_send(VQCMD_GRAPHIC, 0, 0, graphic, low, high);
}

int vqdrawpixmap(int x, int y, const vqpxmap* pixmap) {
  int low, high;
  vqptr_split(pixmap, &low, &high);
  return vqtarget_send(VQCMD_DRAWPIXMAP, x, y, low, high);
}

int vqtextwidth(const char* text) {
  int low, high;
  vqptr_split(text, &low, &high);
  return vqtarget_send(VQCMD_TEXTWIDTH, low, high);
}
int vqfontheight() { return vqtarget_send(VQCMD_FONTHEIGHT); }
int vqrefresh() { return vqtarget_send(VQCMD_REFRESHNOW); }
vqpxmap* vqtargetpixmap() { return static_cast<vqpxmap*>(ask_pointer(VQCMD_GETPIXMAP)); }
void* vqtargetobject() { return ask_pointer(VQCMD_GETOBJECT); }
int vqtargetwidth() { return vqtarget_send(VQCMD_GETWIDTH); }
int vqtargetheight() { return vqtarget_send(VQCMD_GETHEIGHT); }
