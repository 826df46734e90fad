// Option strings: the one-string configuration of every toolkit object.
// A creator formats (format, arguments) into a text, splits it at commas
// into a token list, and lets the vocabulary functions below walk the list;
// each vocabulary consumes (empties) the tokens it recognised.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

// ---- sizes ----------------------------------------------------------------

constexpr size_t VQCFGSTR_CONTROLTEXT = 1000;  // formatted text of panels and controls
constexpr size_t VQCFGSTR_WINDOWTEXT = 2000;   // formatted text of top-level windows
constexpr int VQCFGSTR_TOKENMAX = 499;         // characters kept of one token

// Bytes a vqcfgstr_split buffer needs for any text shorter than textsize.
constexpr size_t vqcfgstr_listsize(size_t textsize) {
  return (textsize + 2) * sizeof(char*) + textsize + 1;
}
constexpr size_t VQCFGSTR_CONTROLLIST = vqcfgstr_listsize(VQCFGSTR_CONTROLTEXT);
constexpr size_t VQCFGSTR_WINDOWLIST = vqcfgstr_listsize(VQCFGSTR_WINDOWTEXT);

// ---- formatting -----------------------------------------------------------

// Copies format into out with every '%' that is followed by a character
// below '0' (blank, comma, the end, ...) or by '>' doubled, so "x=50%"
// survives printf formatting; a "%%" already written stays as it is. Returns false when out was too small (the copy
// is then cut, still terminated, and never ends in half a "%%").
bool vqcfgstr_escape(char* out, size_t size, const char* format);

// Escapes the format as above and formats it with the arguments (printf
// rules) into out of size bytes (terminating zero included). Returns the
// length of the text in out. A text that does not fit is cut at size - 1
// and reported with one diagnostic line.
// No printf format attribute on purpose: "x=50%," is valid here.
int vqcfgstr_vformat(char* out, size_t size, const char* format, va_list args);
int vqcfgstr_format(char* out, size_t size, const char* format, ...);

// ---- token lists ----------------------------------------------------------

// Cuts text at every comma into a null-terminated token list placed in
// buffer (pointer array first, then the texts). No quoting; empty pieces stay
// as empty tokens; an empty text gives no tokens. Tokens are cut at
// VQCFGSTR_TOKENMAX characters. If the buffer is too small the list holds the
// tokens that fit (one diagnostic line); nullptr only when not even the
// terminating null pointer fits.
char** vqcfgstr_split(const char* text, void* buffer, size_t size);
// Bytes vqcfgstr_split needs for exactly this text.
size_t vqcfgstr_splitsize(const char* text);
// Same list on the heap; release with vqcfgstr_splitfree (nullptr is fine).
char** vqcfgstr_splitalloc(const char* text);
void vqcfgstr_splitfree(char** list);

int vqcfgstr_count(char* const* list);          // number of tokens
inline void vqcfgstr_consume(char* token) { token[0] = 0; }

// Joins all unconsumed tokens from index 1, each preceded by a comma, into
// out (",a,b"). Returns false when out was too small (cut at a whole token).
bool vqcfgstr_rest(char* const* list, char* out, size_t size);

// ---- matching -------------------------------------------------------------

// Copy of token without blanks and tabs, cut to fit out.
void vqcfgstr_strip(const char* token, char* out, size_t size);

// Case-insensitive match of the blank-free token: a key ending in '=' is a
// prefix over its own length, any other key must equal the whole token.
bool vqcfgstr_match(const char* token, const char* key);
// Case-insensitive prefix match of the blank-free token over n characters
// of key (used where a keyword is matched as a prefix, e.g. "showpos").
bool vqcfgstr_matchprefix(const char* token, const char* key);

struct vqcfgstr_keyword {
  const char* name;
  int id;
};
// First table entry (in table order) whose name is a case-insensitive prefix
// of the blank-free token; its id, or -1 when none.
int vqcfgstr_lookup(const char* token, const vqcfgstr_keyword* table, size_t count);
template <size_t N>
int vqcfgstr_lookup(const char* token, const vqcfgstr_keyword (&table)[N]) {
  return vqcfgstr_lookup(token, table, N);
}

// ---- values ---------------------------------------------------------------

enum vqcfgstr_unit { VQUNIT_NONE = 0, VQUNIT_PERCENT = 1, VQUNIT_PIXEL = 2 };

// Text after the first '=' of token ("" when there is none).
const char* vqcfgstr_after(const char* token);

// Reads the decimal number after the first '=' of token (blanks removed) and
// its unit ("%"/"percent" or "pix"/"pixel"). Without digits: 0, no unit,
// false. Either pointer may be null.
bool vqcfgstr_numvalue(const char* token, double* value, int* unit);
// The number truncated toward zero (saturated to the int range).
int vqcfgstr_intvalue(const char* token);
// Truncation toward zero, saturated to the int range; NaN gives 0.
int vqcfgstr_toint(double value);

// ---- whole-string lookups (case-insensitive, on the text as a whole) ------

bool vqcfgstr_has(const char* text, const char* word);
// Integer after the first "key=" anywhere in text; def when absent.
int vqcfgstr_number(const char* text, const char* key, int def);
// Value behind key (behind one '=' if there is one) up to the next comma,
// copied to out (cut to fit); false when key is absent.
bool vqcfgstr_value(const char* text, const char* key, char* out, size_t size);

// ---- generic passes -------------------------------------------------------

// Every token from first equal to name sets *flag to 1 and is consumed.
// Returns true when at least one was found. *flag is never cleared.
bool vqcfgstr_flag(char** list, int first, const char* name, uint8_t* flag);

// border=N, border (2), noborder (0); the first matching token wins and ends
// the search. The number is read only when the token starts with a
// lower-case "border=".
void vqcfgstr_border(char** list, int first, int* border);

// ---- geometry -------------------------------------------------------------

struct vqgeometry {
  int32_t x, y, width, height;          // results in pixels inside the parent
  int32_t minwidth0, minheight0;        // first copy of minxs=, minys=
  double xvalue, yvalue;                // parsed values (x is -1.0 while parsing, until given)
  double xsvalue, ysvalue;
  int32_t minwidth, minheight, maxwidth, maxheight;  // clamps, 0 = none
  uint8_t reserved1[4];
  uint8_t xpixel, ypixel, widthpixel, heightpixel;   // 1 pixels, 0 percent of the parent
  uint8_t reserved2[4];
  // 1: the value is the left (top) edge; 0: the coordinate was given in
  // percent and the object is centred on it.
  uint8_t xedge, yedge;
  int32_t parentwidth, parentheight;    // set before vqgeometry_compute
};

// x = y = 0, xs = ys = 100, clamps 0, pixel and edge flags 1, results 0.
void vqgeometry_reset(vqgeometry* g);
// Parses the geometry keywords from token first on into g (every value not
// given becomes 0, flags start at 1). Returns 1 when x= was given, else 0.
// The parent size in g is kept.
int vqcfgstr_geometry(char** list, int first, vqgeometry* g);
// Computes x, y, width, height from the values and the parent size.
void vqgeometry_compute(vqgeometry* g);

// ---- shared vocabularies --------------------------------------------------
// Each walks all tokens from first, consumes what it recognises, and writes
// only the fields whose keywords appear (the last occurrence wins).

void vqcfgstr_bgcolor(char** list, int first, uint32_t* color);
// Returns true when a text color was given.
bool vqcfgstr_textcolor(char** list, int first, uint32_t* color);
void vqcfgstr_color(char** list, int first, uint32_t* color);
void vqcfgstr_transcolor(char** list, int first, uint32_t* color);
void vqcfgstr_highlightcolor(char** list, int first, uint32_t* color);
void vqcfgstr_activecolor(char** list, int first, uint32_t* color);

void vqcfgstr_focus(char** list, int first, uint8_t* nofocus);
void vqcfgstr_greyed(char** list, int first, uint8_t* greyed);
// Sets *nohorizontal / *novertical to 1 when the scrollbar is forbidden.
void vqcfgstr_scrollbars(char** list, int first, uint8_t* nohorizontal, uint8_t* novertical);

// Pixmap type 1 palette8, 2 palette16, 3 truecolor, 4 server, 5 screen,
// 6 directx from whole-token keywords.
void vqcfgstr_pxmaptype(char** list, int first, int* type);
// Pixmap width, height, color count and type-by-value keys; afterwards an
// 8-bit palette type with more than 256 colors becomes the 16-bit one.
// Any pointer may be null. The stretch keys are recognised but left in the
// list.
void vqcfgstr_pxmap(char** list, int first, int* width, int* height, int* colors, int* type);

// Refresh switches of panels: drawoff & co. set *autorefresh to 0;
// directdraw, opengl and nostandardview set *direct to 1; nostandardview
// also sets *nostandardview to 1. Any pointer may be null.
void vqcfgstr_refresh(char** list, int first, uint8_t* autorefresh, uint8_t* direct,
                      uint8_t* nostandardview);

// right, align=right, rightaligned set *right to 1.
void vqcfgstr_align(char** list, int first, uint8_t* right);
// default=, def=, start= set *value; a token beginning with "showpos" sets
// *showpos to 1. Either pointer may be null.
void vqcfgstr_default(char** list, int first, double* value, uint8_t* showpos);
void vqcfgstr_palettecode(char** list, int first, int* code);
