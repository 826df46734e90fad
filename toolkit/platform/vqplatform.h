// What the toolkit needs of the desktop platform, as plain operations.
//
// Two back ends fill this interface: sdl/ (the real desktop) and headless/
// (everything in memory, with a virtual clock). The back end is chosen once,
// at vqplatform_start(), from the environment variable VQ_PLATFORM ("sdl" is
// the default, "headless" the other). The browser build has web/ instead of
// sdl/ (and keeps headless). Nothing outside toolkit/platform/ sees SDL,
// FreeType, fontconfig or emscripten.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

// ---- start and stop --------------------------------------------------------

// Chooses and starts the back end; safe to call more than once. A back end
// that cannot start falls back to nothing: false and one diagnostic line.
bool vqplatform_start();
void vqplatform_stop();
const char* vqplatform_backend_name();   // "sdl", "headless" or "web"
bool vqplatform_is_headless();

// ---- time ------------------------------------------------------------------

uint32_t vqplatform_ms();                // monotonic milliseconds, wraps at 2^32
int64_t vqplatform_calendar_seconds();   // seconds since 1970
void vqplatform_sleep(uint32_t ms);

// Periodic tick source: ticks_per_call is added to *pending once per period,
// on a grid of periods that starts at vqplatform_ticks_start (the first one
// ends a period after it). No thread wakes for it: the SDL back end credits
// the periods that have passed when the program polls, the headless one as
// its virtual clock advances. The program polls before it reads *pending.
uint32_t vqplatform_ticks_min_period();  // smallest period the source offers, ms
bool vqplatform_ticks_start(uint32_t period_ms, uint32_t ticks_per_call,
                            std::atomic<uint32_t>* pending);
void vqplatform_ticks_poll();
void vqplatform_ticks_stop();

// ---- messages --------------------------------------------------------------

enum vqplatform_msgkind {
  VQMSG_NONE = 0,
  VQMSG_MOUSEMOVE,     // x, y
  VQMSG_BUTTONDOWN,    // x, y, button (1 left, 2 middle, 3 right)
  VQMSG_BUTTONUP,      // x, y, button
  VQMSG_DOUBLECLICK,   // x, y, button
  VQMSG_WHEEL,         // x, y, wheel (+1 up, -1 down)
  VQMSG_KEYDOWN,       // key: toolkit key code (vqkeys.h)
  VQMSG_KEYUP,         // key
  VQMSG_CHAR,          // ch: typed Latin-1 character; also 8 for Backspace and the
                       // control characters 3, 22, 24 for Control+C, +V, +X.
                       // Enter, Space, Tab and Escape arrive only as keys.
  VQMSG_CLOSE,         // close request
  VQMSG_PAINT,         // x, y, width, height: the part to draw again
  VQMSG_SIZE,          // width, height of the client area
  VQMSG_MOVE,          // x, y: the window's new outer top-left corner
  VQMSG_FOCUS,         // focus gained
  VQMSG_UNFOCUS,       // focus lost
  VQMSG_DROPFILE,      // text: the dropped file's name (the first of several)
  VQMSG_ACTIVATE,      // the window became the active one (comes before VQMSG_FOCUS)
  VQMSG_DEACTIVATE,    // another window became active (comes before VQMSG_UNFOCUS)
  VQMSG_MINIMIZE,      // width, height of the client area, for these three
  VQMSG_MAXIMIZE,
  VQMSG_RESTORE,
};

struct vqplatform_msg {
  int window;          // platform window handle, 0 = none
  int kind;            // vqplatform_msgkind
  int x, y;
  int width, height;
  int button;
  int wheel;
  int key;
  int ch;
  // VQMSG_KEYDOWN, VQMSG_KEYUP: a digit key of the numeric keypad that does
  // not type its digit (NumLock off) is a navigation key (`key`, 0 for the
  // 5) and names its digit here, '0' to '9'; every other key has 0.
  int keypad;
  char text[261];
};

typedef void (*vqplatform_winproc)(void* object, const vqplatform_msg* msg);

// Removes one waiting message; false when none is waiting.
bool vqplatform_peek_message(vqplatform_msg* msg);
// Waits up to timeout_ms for a message (and removes it); false on time-out.
bool vqplatform_wait_message(vqplatform_msg* msg, uint32_t timeout_ms);
// Hands the message to its window's procedure; messages of unknown windows are dropped.
void vqplatform_dispatch(const vqplatform_msg* msg);
// The navigation key a keypad digit key is while NumLock is off, as desktops
// have it: 1 End, 2 Down, 3 Page down, 4 Left, 6 Right, 7 Home, 8 Up, 9 Page
// up, 0 Insert; 0 for the 5 (and for anything that is no digit).
int vqplatform_keypad_navigation(int digit);

// ---- windows ---------------------------------------------------------------

enum vqplatform_winflags : unsigned {
  VQWIN_TITLE = 1,       // has a title bar
  VQWIN_RESIZABLE = 2,
  VQWIN_POPUP = 4,       // no frame at all
  VQWIN_ONTOP = 8,
  VQWIN_HIDDEN = 16,
  VQWIN_FULLSCREEN = 32,
  VQWIN_TOOL = 64,       // a tool window: no taskbar entry
};

// Creates a window whose client area is exactly w x h; x, y is the outer
// top-left corner. A window with neither VQWIN_TITLE nor VQWIN_RESIZABLE,
// and every VQWIN_POPUP or VQWIN_FULLSCREEN window, has no frame.
// Returns a handle > 0, or 0 and one diagnostic line (without a display:
// "vqplatform: no display (...); set VQ_PLATFORM=headless ...").
//
// A client area larger than the screen's usable area is shown scaled down to
// fit, and on a work area larger than about 1920 x 1080 a window starts
// enlarged in proportion (from 1.25 times on); a framed window can be
// resized, maximised and made fullscreen (F11) by its user, its picture
// following letterboxed, and mouse positions are mapped back, so everything
// above this layer sees the exact client size in client pixels (a
// VQWIN_RESIZABLE window shown unscaled gets the new client size instead).
// VQ_SCALE=off turns the scaling at start off; VQ_SCALE=2 (3, 4) asks for a
// whole-factor enlargement where the screen has room for it. When the
// connection to the display is lost the program ends at once with status 1
// and one line on standard output.
int vqplatform_window_create(const char* title, int x, int y, int w, int h,
                             unsigned flags, vqplatform_winproc proc, void* object);
void vqplatform_window_destroy(int window);
bool vqplatform_window_client_size(int window, int* w, int* h);
bool vqplatform_window_position(int window, int* x, int* y);
void vqplatform_window_set_title(int window, const char* title);
void vqplatform_window_move(int window, int x, int y, int w, int h);
void vqplatform_window_focus(int window);
// Copies the rectangle x, y, w, h of a 0x00RRGGBB back buffer (stride in
// pixels, buffer_w x buffer_h) to the same place of the window's client area.
void vqplatform_window_present(int window, const uint32_t* buffer, int stride,
                               int buffer_w, int buffer_h, int x, int y, int w, int h);
void vqplatform_mouse_capture(int window, bool on);
// What the client area shows now: its 0x00RRGGBB pixels at client
// resolution into out (out_w x out_h, stride out_w); the part of out outside
// the client area becomes 0. False for an unknown window or a bad buffer.
bool vqplatform_window_readback(int window, uint32_t* out, int out_w, int out_h);
// The size of the client area's picture on the screen, in screen pixels:
// the client size unless the window is shown scaled.
bool vqplatform_window_shown_size(int window, int* w, int* h);
// Puts an icon on the window for the task bar and the title bar: w x h
// pixels 0xAARRGGBB, row after row. The back end copies what it keeps; one
// that shows no icons accepts it all the same.
void vqplatform_window_set_icon(int window, const uint32_t* argb, int w, int h);

enum vqplatform_cursor { VQCURSOR_ARROW = 0, VQCURSOR_HAND, VQCURSOR_TEXT, VQCURSOR_WAIT,
                         VQCURSOR_SIZEWE, VQCURSOR_SIZENS, VQCURSOR_CROSS };
void vqplatform_set_cursor(int shape);

// ---- screen and theme ------------------------------------------------------

void vqplatform_screen_size(int* w, int* h);
void vqplatform_work_area(int* x, int* y, int* w, int* h);

struct vqplatform_frame_metrics {
  int border;          // width of a window's side frame
  int caption;         // height of a title bar
  int scrollbar;       // width of a vertical scroll bar
  int menu;            // height of a menu bar
};
vqplatform_frame_metrics vqplatform_frame();

enum vqplatform_themecolor { VQTHEME_FACE = 0, VQTHEME_SHADOW, VQTHEME_BUTTONTEXT,
                             VQTHEME_DISABLEDTEXT };
// The desktop's color in the platform's 0x00BBGGRR order, or -1 when the
// desktop has no color scheme to ask.
int32_t vqplatform_theme_color(int which);
int vqplatform_display_depth();          // bits per pixel times planes

// Full path of the running program file; false when it cannot be found.
bool vqplatform_program_path(char* out, size_t size);

// A modal information box with an OK button.
void vqplatform_infobox(const char* title, const char* text);

// ---- filling pixels ------------------------------------------------------------

// Sets count 0x00RRGGBB pixels from pixels on to value, at the speed of the
// machine's own fill: the C library's wide fill on the desktop, the page's
// typed-array fill in the browser (whose compiled loops store one pixel at
// a time).
void vqplatform_fill_pixels(uint32_t* pixels, uint32_t value, size_t count);

// ---- platform-held pixel buffers (pixmap formats "server" and "directx") ----

int vqplatform_pixbuf_create(int w, int h);        // handle > 0, or 0
void vqplatform_pixbuf_destroy(int buffer);
// The buffer's 0x00RRGGBB pixels, row after row, stride = width; null for a bad handle.
uint32_t* vqplatform_pixbuf_pixels(int buffer, int* w, int* h);

// ---- sound -------------------------------------------------------------------

// Plays a wave file asynchronously, stopping what played before; false when
// the file cannot be played.
bool vqplatform_sound_play(const char* wavfile);
void vqplatform_sound_stop();

// ---- picture decoding (JPEG, PNG, BMP and the rest; needs no display) ------

struct vqplatform_picture;
vqplatform_picture* vqplatform_picture_open(const char* file, int* w, int* h);
// The same from the file's bytes in memory (formats known by their content).
vqplatform_picture* vqplatform_picture_open_mem(const uint8_t* bytes, size_t size, int* w, int* h);
// Width and height from the header alone (JPEG, PNG, BMP, GIF; other formats
// are decoded to learn them); false when it is no picture the decoder reads.
bool vqplatform_picture_size(const char* file, int* w, int* h);
bool vqplatform_picture_size_mem(const uint8_t* bytes, size_t size, int* w, int* h);
// 0xAARRGGBB of pixel x, y; 0 outside the picture.
uint32_t vqplatform_picture_pixel(const vqplatform_picture* picture, int x, int y);
// The whole picture's pixels, row after row, stride = width (the locked data).
const uint32_t* vqplatform_picture_pixels(const vqplatform_picture* picture);
void vqplatform_picture_close(vqplatform_picture* picture);

// ---- font rasterizing (system fonts) ----------------------------------------
// Declared in vqplatform_font.h, beside the rasterizer (font_freetype.cpp).
