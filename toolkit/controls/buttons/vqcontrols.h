// Up-down controls (vqUpDownControl) and push buttons (vqButton), and the
// control events they send.
//
// Both are created from a printf-style option string into storage the
// caller provides, in the current container (usually a graphic panel): they
// register as hit regions of that host, draw themselves into its pixmap and
// ask it to show what changed. Everything else reaches them through their
// command handler: the host's routed mouse, wheel, key, focus and hover
// commands (pixmap coordinates), redraw and destroy, and their timers.
//
// Each control owns an event code (vqnewevent) and sends it with
// vqcontrol_notify when the user acts on it: to its callback when it has
// one, else into the event queue.
#pragma once

#include "vqhandler.h"
#include "vqpxmap.h"

#include <cstdint>

// ---- control events -----------------------------------------------------------

// (callback object, code, a1, a2): replaces the posting of the code.
typedef int (*vqcontrol_callback)(void* object, int code, int a1, int a2);

struct vqcontrol {
  int event;                        // the control's own code, from vqnewevent
  vqcontrol_callback callback;      // null: the code is posted with vqpostevent
  void* callback_object;
  void (*simple_callback)();        // called after the control's own events
  int last_code, last_a1, last_a2;  // the last event sent
};

// Allocates the event code; no callbacks.
void vqcontrol_init(vqcontrol* c);
// Sends the control's own event code with two parameters.
void vqcontrol_notify(vqcontrol* c, int a1 = 0, int a2 = 0);
// Sends any code on the control's behalf (the simple callback only follows
// the control's own code).
void vqcontrol_send(vqcontrol* c, int code, int a1, int a2);

// The font a control gets when its option string names none. A markup view
// sets it to its current font before it creates a control. Default -1.
void vqcontrol_setdefaultfont(int font);
int vqcontrol_defaultfont();

// ---- the host a control lives in ------------------------------------------------

struct vqcontrol_host {
  vqhandler handler;
  void* object;
  vqpxmap* pixmap;
  int region;                       // index the host gave our hit region, -1 none
};

// ---- up-down control -------------------------------------------------------------

enum { VQUPDOWN_TEXTSIZE = 1024 };

class vqUpDownControl {
 public:
  vqUpDownControl();
  ~vqUpDownControl();
  vqUpDownControl(const vqUpDownControl&) = delete;
  vqUpDownControl& operator=(const vqUpDownControl&) = delete;

  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                     int a8);

  uint8_t created;
  int x, y, width, height;          // in the host pixmap
  int border;
  int font;
  uint8_t greyed, nokeyfocus;
  uint32_t background_color;
  uint32_t text_color;
  uint32_t transparent_color;
  char text[VQUPDOWN_TEXTSIZE];
  int maxlen;
  uint8_t align_right;
  uint8_t keepfocus;                // Enter does not move the focus on
  uint8_t password;
  int min, max, step;
  int start;
  int digits, decimal;
  int repeat_rate;                  // ms between auto-repeat steps
  uint8_t up_pressed, down_pressed;
  uint8_t editing;                  // the field has the focus and shows a cursor
  uint8_t focused;
  int cursor;                       // text index of the cursor while editing
  char saved_text[VQUPDOWN_TEXTSIZE];   // what Escape puts back
  uint32_t theme[11];
  vqcontrol notify;
  vqcontrol_host host;
};

// Creates (or re-creates) the control in the current container and shows
// the start value. False with one diagnostic line when there is no host.
bool vqupdown_create(vqUpDownControl* c, const char* format, ...);
void vqupdown_destroy(vqUpDownControl* c);
// Stores the value as text: onto the step grid (truncating toward zero),
// clamped to max then min, with digits and decimal point; redraws.
void vqupdown_setvalue(vqUpDownControl* c, int value);
// The text read as a scaled integer (decimal places included).
int vqupdown_getvalue(const vqUpDownControl* c);
// value + direction * step, stored as above; sends an event if notify.
void vqupdown_step(vqUpDownControl* c, int direction, bool notify);
int vqupdown_right(const vqUpDownControl* c);
int vqupdown_bottom(const vqUpDownControl* c);
int vqupdown_event(const vqUpDownControl* c);
// What a markup view reads: the text as a floating-point number, truncated.
int vqupdown_intvalue(const vqUpDownControl* c);
void vqupdown_redraw(vqUpDownControl* c);

// The text a value is stored as (the formatting of vqupdown_setvalue
// without grid and clamping), into out of size bytes.
void vqupdown_format(int value, int digits, int decimal, char* out, int size);
// A text read as vqupdown_getvalue reads it.
int vqupdown_parse(const char* text, int decimal);

// ---- push button ----------------------------------------------------------------

// Attribute flags (vqcfgstr_btnattr).
enum vqbutton_attribute : unsigned {
  VQBTN_ARROW = 1u << 0,
  VQBTN_BIGARROW = 1u << 1,
  VQBTN_SMALLARROW = 1u << 2,
  VQBTN_FLAT = 1u << 3,
  VQBTN_NOFOCUS = 1u << 4,
  VQBTN_DEFAULT = 1u << 5,
  VQBTN_MOUSEREPEAT = 1u << 6,
  VQBTN_THINFRAME = 1u << 7,
  VQBTN_LINK = 1u << 8,
  VQBTN_SWITCH = 1u << 9,
  VQBTN_TOOLBUTTON = 1u << 10,
  VQBTN_PRESSED = 1u << 11,
};

// The button keywords of a token list from first on: sets the flags it
// finds in *flags and the key of hotkey= in *hotkey (a value it cannot
// read writes one diagnostic line and leaves *hotkey). Consumes them.
void vqcfgstr_btnattr(char** list, int first, unsigned* flags, int* hotkey);
// The key code of a hotkey= value; 0 (and the diagnostic line) when it is
// not one the buttons support.
int vqbutton_hotkeycode(const char* value);

enum { VQBUTTON_LABELSIZE = 500 };

class vqButton {
 public:
  vqButton();
  ~vqButton();
  vqButton(const vqButton&) = delete;
  vqButton& operator=(const vqButton&) = delete;

  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                     int a8);

  uint8_t created;
  int x, y, width, height;          // in the host pixmap
  int border;
  int font;
  uint32_t text_color, background_color, light_color, dark_color;
  uint32_t highlight_color, active_color;
  char label[VQBUTTON_LABELSIZE];
  uint8_t state;                    // pressed
  unsigned attributes;              // vqbutton_attribute flags
  int hotkey;                       // key code, 0 none
  uint8_t greyed, nofocus;
  uint8_t focused, hovered;
  uint8_t mouse_held, key_held;     // what pressed it, until the release
  uint32_t theme[11];
  vqpxmap_snapshot ground;          // what a link-style button is drawn over
  vqcontrol notify;
  vqcontrol_host host;
};

bool vqbutton_create(vqButton* b, const char* format, ...);
void vqbutton_destroy(vqButton* b);
int vqbutton_state(const vqButton* b);
int vqbutton_right(const vqButton* b);
int vqbutton_bottom(const vqButton* b);
int vqbutton_event(const vqButton* b);
void vqbutton_redraw(vqButton* b);
// A key pressed anywhere in the program: the first button whose hotkey it
// is (or the default button, for Enter) is clicked. True when one took it.
bool vqbutton_hotkey(int key);
