// What a test can do with the headless back end (VQ_PLATFORM=headless):
// drive the virtual clock, inject input, read what windows show, see the
// information boxes, and play the user from inside the program's own waits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// ---- virtual clock -----------------------------------------------------------
// The clock starts at 0 ms and moves only when the program sleeps or a test
// advances it. Ticks are credited from its advance, so timers are exact.
void vqheadless_advance(uint32_t ms);
uint64_t vqheadless_now();                    // virtual milliseconds since start
void vqheadless_set_calendar(int64_t seconds);  // calendar time at virtual 0 ms
// Virtual time after which a program still waiting is taken as hung: the
// process prints one line and aborts. Default: one virtual hour.
void vqheadless_set_time_limit(uint64_t ms);

// ---- playing the user --------------------------------------------------------
// Called whenever the program would sleep waiting for input (every sleep and
// every wait for a message), before the clock advances.
typedef void (*vqheadless_hook)(void* context);
void vqheadless_set_idle_hook(vqheadless_hook hook, void* context);

// ---- injected input ----------------------------------------------------------
void vqheadless_mouse_move(int window, int x, int y);
void vqheadless_button(int window, int x, int y, int button, bool down);
void vqheadless_click(int window, int x, int y);   // left down + up
// A double click as a desktop reports it: down, up, double click, up.
void vqheadless_double_click(int window, int x, int y, int button = 1);
void vqheadless_wheel(int window, int x, int y, int delta);
void vqheadless_key(int window, int key, bool down);
void vqheadless_char(int window, int ch);
// A digit key of the numeric keypad ('0' to '9') pressed and released: with
// NumLock on it types the digit, with NumLock off it is its navigation key.
void vqheadless_keypad(int window, int digit, bool numlock);
void vqheadless_close_request(int window);
// The window becomes the active one and gets the keyboard (or loses both).
void vqheadless_focus(int window, bool gained);
// The user drags the frame or the title bar: the window changes and reports
// VQMSG_SIZE or VQMSG_MOVE, as it does when the program moves it.
void vqheadless_user_resize(int window, int w, int h);
void vqheadless_user_move(int window, int x, int y);
// VQMSG_MINIMIZE, VQMSG_MAXIMIZE or VQMSG_RESTORE with the client size.
void vqheadless_show_state(int window, int kind);
void vqheadless_expose(int window);                // the desktop asks for all of it again
void vqheadless_drop_file(int window, const char* name);
size_t vqheadless_pending_messages();

// ---- windows -----------------------------------------------------------------
struct vqheadless_window_info {
  bool open;
  std::string title;
  int x, y, width, height;
  unsigned flags;
  bool captured;
  int presents;          // how many rectangles were presented
};
bool vqheadless_window(int window, vqheadless_window_info* info);
int vqheadless_last_window();    // handle of the newest open window, 0 if none
// What the window's client area shows now (0x00RRGGBB); 0 outside it.
uint32_t vqheadless_pixel(int window, int x, int y);
// The icon the program put on the window (0xAARRGGBB, w x h), or null.
const std::vector<uint32_t>* vqheadless_window_icon(int window, int* w, int* h);
const std::vector<uint32_t>* vqheadless_screen(int window);
void vqheadless_set_screen_size(int w, int h);

// ---- records -----------------------------------------------------------------
const std::vector<std::string>& vqheadless_infoboxes();   // "title\ntext" each
// File names asked to play, in order, also those that did not play because
// the file cannot be read (vqplatform_sound_play then answers false).
const std::vector<std::string>& vqheadless_sounds();
int vqheadless_cursor();
void vqheadless_clear_records();
