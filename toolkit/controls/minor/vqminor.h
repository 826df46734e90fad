// The small controls a markup view creates from its tags besides terminals,
// up-down controls and buttons: links, check boxes and switch buttons, line
// inputs, list boxes, combo boxes and tab bars, sliders and progress bars,
// editors, and tables. Each is created from an option string in the
// current container (at x=, y= of the string), draws itself on the
// container's pixmap, takes mouse and keys as a hit region of it, posts its
// own event code when the user acts on it, and reports its right edge, its
// bottom and one integer value.
//
// Keywords beyond the shared ones (geometry, font=, fontid=, colors,
// greyed, focus keywords): entries=a;b;c and select=n (list, combo, tab
// bar, n counting from 0), lines=n (list box rows), min=, max=, start=
// (slider, progress bar), checked / on / pressed (check box, switch
// button), text= and maxlen= (line input), columns=n (table).
#pragma once

#include "vqcfgstr.h"
#include "vqcolor.h"
#include "vqhandler.h"
#include "vqoptions.h"

#include <cstdarg>
#include <cstdint>
#include <string>
#include <vector>

struct vqpxmap;

// What every small control keeps: place, looks, host and its event code.
struct vqminor_box {
  uint8_t created;
  int x, y, width, height;       // in the host's pixmap
  int font;
  uint32_t text_color, background_color;
  uint32_t theme[VQCOLOR_THEMECOUNT];
  uint8_t greyed, nofocus;
  uint8_t focused, hovered, pressed;
  int event;                     // own code, from vqnewevent at construction
  vqhandler host_handler;
  void* host_object;
  vqpxmap* surface;              // the host's pixmap
  int region;                    // index of the hit region in the host, -1 none
  char label[256];
};

class vqLink {
 public:
  vqLink();
  ~vqLink();
  vqLink(const vqLink&) = delete;
  vqLink& operator=(const vqLink&) = delete;
  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                     int a7, int a8);
  vqminor_box box;
  uint32_t color, highlight, active;   // text colors: normal, hovered, pressed
};

// Check box (a ticked square and a label) or switch button (a button that
// stays pressed until pressed again).
enum vqtoggle_style { VQTOGGLE_CHECKBOX = 0, VQTOGGLE_SWITCH = 1 };
class vqToggle {
 public:
  vqToggle();
  ~vqToggle();
  vqToggle(const vqToggle&) = delete;
  vqToggle& operator=(const vqToggle&) = delete;
  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                     int a7, int a8);
  vqminor_box box;
  int style;
  uint8_t state;
};

enum { VQLINEINPUT_SIZE = 1024 };
class vqLineInput {
 public:
  vqLineInput();
  ~vqLineInput();
  vqLineInput(const vqLineInput&) = delete;
  vqLineInput& operator=(const vqLineInput&) = delete;
  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                     int a7, int a8);
  vqminor_box box;
  char text[VQLINEINPUT_SIZE];
  int length, maxlen;
  int cursor;                    // insertion point, 0 .. length
  int first;                     // first character shown
};

// List box (rows), combo box (one row with an arrow) or tab bar (tabs side
// by side); the selected entry is the value.
enum vqchoice_style { VQCHOICE_LIST = 0, VQCHOICE_COMBO = 1, VQCHOICE_TABS = 2 };
class vqChoice {
 public:
  vqChoice();
  ~vqChoice();
  vqChoice(const vqChoice&) = delete;
  vqChoice& operator=(const vqChoice&) = delete;
  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                     int a7, int a8);
  vqminor_box box;
  int style;
  std::vector<std::string> entries;
  int selected;                  // -1 none
  int first;                     // first row shown (list box)
  int rows;                      // rows shown (list box)
};

// Slider (the user moves it) or progress bar (the program does).
enum vqrange_style { VQRANGE_SLIDER = 0, VQRANGE_PROGRESS = 1 };
class vqRange {
 public:
  vqRange();
  ~vqRange();
  vqRange(const vqRange&) = delete;
  vqRange& operator=(const vqRange&) = delete;
  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                     int a7, int a8);
  vqminor_box box;
  int style;
  int min, max, value;
};

// Editor or rich-text editor: a framed text that the program appends to;
// the end stays in view.
class vqEditor {
 public:
  vqEditor();
  ~vqEditor();
  vqEditor(const vqEditor&) = delete;
  vqEditor& operator=(const vqEditor&) = delete;
  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                     int a7, int a8);
  vqminor_box box;
  uint8_t rich;
  std::string text;
};

// A table from the words between the markup's table and /table tags: rows
// end at line feeds, cells at '|' (or after columns= words each).
class vqTable {
 public:
  vqTable();
  ~vqTable();
  vqTable(const vqTable&) = delete;
  vqTable& operator=(const vqTable&) = delete;
  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                     int a7, int a8);
  vqminor_box box;
  int columns;                   // 0: cells end at '|'
  std::string text;
  std::vector<std::vector<std::string>> cells;
  std::vector<int> column_widths;
  uint8_t laid_out;
};

// Each create returns false (and prints one line) when there is no
// container to be created in; a second create destroys the first.
bool vqlink_create(vqLink* c, const char* format, ...);
void vqlink_destroy(vqLink* c);
bool vqtoggle_create(vqToggle* c, int style, const char* format, ...);
void vqtoggle_destroy(vqToggle* c);
void vqtoggle_set(vqToggle* c, bool on);
bool vqlineinput_create(vqLineInput* c, const char* format, ...);
void vqlineinput_destroy(vqLineInput* c);
void vqlineinput_settext(vqLineInput* c, const char* text);
int vqlineinput_value(const vqLineInput* c);   // the text read as a number, truncated
bool vqchoice_create(vqChoice* c, int style, const char* format, ...);
void vqchoice_destroy(vqChoice* c);
void vqchoice_select(vqChoice* c, int index);
bool vqrange_create(vqRange* c, int style, const char* format, ...);
void vqrange_destroy(vqRange* c);
void vqrange_set(vqRange* c, int value);      // clamped to min .. max
bool vqeditor_create(vqEditor* c, bool rich, const char* format, ...);
void vqeditor_destroy(vqEditor* c);
void vqeditor_append(vqEditor* c, const char* text);
bool vqtable_create(vqTable* c, const char* format, ...);
void vqtable_destroy(vqTable* c);
void vqtable_append(vqTable* c, const char* text, size_t length);
// Cuts the collected text into cells, sizes the columns and draws the grid.
void vqtable_layout(vqTable* c);
int vqtable_bottom(const vqTable* c);

// Draws the control again where it stands.
void vqlink_draw(vqLink* c);
void vqtoggle_draw(vqToggle* c);
void vqlineinput_draw(vqLineInput* c);
void vqchoice_draw(vqChoice* c);
void vqrange_draw(vqRange* c);
void vqeditor_draw(vqEditor* c);
void vqtable_draw(vqTable* c);

// ---- the shared helper (minor_box.cpp) --------------------------------------

// Construction: own event code and defaults.
void vqminor_init(vqminor_box* b);
// Host, theme, formatting and splitting, the label (token 0, when
// labelled), geometry, font, focus, greyed and colors. False when there is
// no container.
bool vqminor_begin(vqminor_box* b, vqoptions* o, const char* who, const char* format,
                   va_list args, bool labelled);
// The size the options did not give takes the preferred one; the control
// becomes a hit region of its host and is drawn by the caller.
void vqminor_finish(vqminor_box* b, vqoptions* o, vqhandler handler, void* object,
                    int preferred_width, int preferred_height);
// Leaves the host and returns to the constructed state (the code is kept).
void vqminor_end(vqminor_box* b, void* object);
// Asks the host to bring the control's rectangle to the screen.
void vqminor_show(const vqminor_box* b);
void vqminor_notify(const vqminor_box* b);
// Takes the keyboard focus in the host.
void vqminor_takefocus(vqminor_box* b);
// Commands all small controls answer alike (destroy, focus, hover); true
// when the command was one of them.
bool vqminor_common(vqminor_box* b, int command);
bool vqminor_inside(const vqminor_box* b, int px, int py);

// Drawing on the host's pixmap.
void vqminor_fill(const vqminor_box* b, int x, int y, int w, int h, uint32_t color);
// A 3D frame of two pixels just inside the rectangle: raised or sunken.
void vqminor_frame(const vqminor_box* b, int x, int y, int w, int h, bool sunken);
void vqminor_text(const vqminor_box* b, int x, int y, const char* text, uint32_t color,
                  bool underline = false, int max_width = 0);
int vqminor_textwidth(const vqminor_box* b, const char* text);
int vqminor_fontheight(const vqminor_box* b);
uint32_t vqminor_ink(const vqminor_box* b);   // text color, greyed when greyed
// entries=a;b;c into a list.
void vqminor_entries(const char* value, std::vector<std::string>* out);
