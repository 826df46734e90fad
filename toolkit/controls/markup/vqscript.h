// The markup view (vqGUIScript): a printf-formatted markup text laid out on
// the current drawing target. Words are drawn with bitmap fonts and wrapped
// at the right border; tags between angle brackets change the layout state
// or create controls at the current position, and every control is entered
// by name in the view's control table, so that the application asks for it
// by name afterwards:
//
//   vqscript_setmarkup(&view, " Level: <updowncontrol=udStufe,min=1,max=12> ...");
//   if (vqscript_is(&view, vqwaitevent(), "btStart")) ...
//   int level = vqscript_value(&view, "udStufe");
//   vqscript_printf(&view, "term", "Testmodus \n");
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "vqhandler.h"

struct vqpxmap;
class vqView;

enum {
  VQSCRIPT_NAMESIZE = 45,       // bytes of a record's name, terminator included
  VQSCRIPT_TYPESIZE = 27,       // bytes of a record's type
  VQSCRIPT_TABLEGROWTH = 100,   // records of a new table and of each growth
  VQSCRIPT_CENTERSIZE = 2000,   // bytes of the words collected while centring
  VQSCRIPT_PRINTMAX = 20000,    // characters vqscript_printf formats
};

// One control (or named point) of the markup.
struct vqscript_record {
  uint8_t in_use;
  void* control;                // the control object; null for named points
  int32_t value;                // coordinate of a named point
  char name[VQSCRIPT_NAMESIZE]; // compared case-sensitively
  char type[VQSCRIPT_TYPESIZE]; // tag keyword: "button", "terminal", ..., "ypoint", "xpoint"
};

// A word as it was placed, kept while the view records text.
struct vqscript_word {
  int x, y, width, height;
  std::string text;             // without its trailing blank or line feed
};

class vqGUIScript {
 public:
  vqGUIScript();
  ~vqGUIScript();
  vqGUIScript(const vqGUIScript&) = delete;
  vqGUIScript& operator=(const vqGUIScript&) = delete;

  uint8_t created;              // vqscript_create has run
  uint8_t built;                // laid out, controls exist
  int x, y;
  int left_border, right_border, top_border, bottom_border;
  int font, normal_font, bold_font;
  int saved_font, saved_bold_font;
  char font_name[64];
  uint32_t text_color, background_color;
  uint32_t link_color, link_background, link_highlight, link_active;
  uint8_t underline;
  uint8_t centering;
  char center_buffer[VQSCRIPT_CENTERSIZE];
  int center_length;
  uint8_t in_table;
  int line_offset;
  int line_y, line_height;
  int start_y, end_y;
  uint8_t double_size;
  uint8_t selectable;
  vqpxmap* surface;             // the drawing target's pixmap while laying out
  vqhandler target_handler;     // the drawing target the markup is laid out on
  void* target_object;
  int target_width, target_height;
  vqscript_record* controls;
  int control_capacity;
  void* table;                  // the table collecting words between table and /table
  vqView* panel;                // the panel whose inner view this is, if any
  uint8_t pushed;               // a line was pushed down: controls drawn again at the end
  uint8_t recording;            // words are kept in `words` (off by default)
  std::vector<vqscript_word> words;
};

// Initialises the state and registers the fonts a markup view uses
// (Arial14 ... Arial20b). No controls. Safe to call again on a destroyed view.
bool vqscript_create(vqGUIScript* view);
// Destroys every control of the table by its type, then the table.
void vqscript_destroy(vqGUIScript* view);
// Takes the current drawing target, destroys the controls of an earlier
// markup, formats the markup (a percent sign before a character below '0'
// or before '>' stays literal) and lays it out. Returns the final y; an
// empty markup builds nothing and returns 0.
int vqscript_setmarkup(vqGUIScript* view, const char* format, ...);
int vqscript_vsetmarkup(vqGUIScript* view, const char* format, va_list args);

// First record in use with exactly this name (controls and named points).
const vqscript_record* vqscript_findrecord(const vqGUIScript* view, const char* name);
// The control named so, or null (also for named points).
void* vqscript_findcontrol(const vqGUIScript* view, const char* name);
// True if the control that owns the event code bears exactly this name.
bool vqscript_is(const vqGUIScript* view, int code, const char* name);
// The named control's integer value by its type; 0 for an unknown name.
int vqscript_value(const vqGUIScript* view, const char* name);
// Formats (up to 20000 characters) and sends the text to the named
// terminal, editor or rich-text editor; false when there is none.
bool vqscript_printf(const vqGUIScript* view, const char* name, const char* format, ...);

// Words are kept as they are placed (text selection); off by default.
void vqscript_recordwords(vqGUIScript* view, bool on);

// The memimage and image_xpm tags draw pixmaps named by their address; only
// pixmaps the program announced here are drawn (an address typed into the
// markup is never followed otherwise). At most 32; false when full.
bool vqscript_addimage(const vqpxmap* pixmap);
void vqscript_removeimage(const vqpxmap* pixmap);

// ---- the markup text, for the view and its tests ----------------------------

// The markup with literal percent signs kept, formatted with the arguments
// into a buffer of 10 x its length + 1000 bytes. Free with delete[].
char* vqscript_prepare(const char* format, va_list args);

enum vqscript_tokenkind { VQSCRIPT_END = 0, VQSCRIPT_TAG, VQSCRIPT_WORD };

struct vqscript_token {
  int kind;
  const char* text;   // points into the markup; not terminated
  size_t length;      // a tag's text without '<' and the closing '>'
};

// The token at *pos; advances *pos past it. A tag runs from '<' to the
// first '>' that is not followed by another '>' (or to the end of an
// unterminated tag); a word ends after the first blank, carriage return,
// line feed, '-', '.', '?', '!', ',', ';' or ':', or before the next '<'.
vqscript_token vqscript_nexttoken(const char* text, size_t* pos);

// A tag's name (up to the first blank or '=', cut to fit) and its value
// (after the first '=', empty without one).
void vqscript_splittag(const char* tag, size_t length, char* name, size_t name_size,
                       std::string* value);
// A control tag's value: the name up to the first ',' (",," stands for one
// comma) or line feed, cut to fit name_size; the rest after that comma or
// line feed is the control's own option string.
void vqscript_splitcontrol(const std::string& value, char* name, size_t name_size,
                           std::string* options);
