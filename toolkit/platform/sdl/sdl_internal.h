// What the files of the SDL back end share: the window table, the video
// start, and the back buffer through which every window is shown.
#pragma once

#include <SDL.h>

#include "../vqplatform.h"
#include "sdl_scale.h"

#include <vector>

struct sdl_window {
  SDL_Window* window = nullptr;
  unsigned flags = 0;
  int width = 0, height = 0;            // the client size the toolkit sees
  std::vector<uint32_t> back;           // what the client area shows, width x height
  vqsdl_rect shown{};                   // where the picture lies in the SDL window
  int frame_w = 0, frame_h = 0;         // the SDL window's size in pixels, as last laid out
  bool follows = false;                 // a user's resize changes the client size
  bool first_drop = true;               // the next dropped file is the first of its drop
  bool fullscreen = false;              // made fullscreen by the back end itself (no window manager)
  SDL_Rect windowed{};                  // where it was before that
};

// The window of a handle, or null.
sdl_window* vqsdl_window(int window);
int vqsdl_handle_of(uint32_t sdl_id);
int vqsdl_window_slots();               // handles run from 1 to this
bool vqsdl_video();                     // starts video on first use; false without a display
bool vqsdl_video_running();

// Window frame sizes as the desktop reports them (0 while unknown).
void vqsdl_borders(SDL_Window* window, int* left, int* top, int* right, int* bottom);

// Lays the picture out again for the window's present size; true when the
// layout changed (the whole window then needs drawing).
bool vqsdl_layout(sdl_window& win);
// Draws the whole window from its back buffer, bars included.
void vqsdl_repaint(sdl_window& win);
// Gives the back buffer a new client size, keeping what still fits.
void vqsdl_resize_back(sdl_window& win, int w, int h);

// Queues a message for the pump, before anything SDL still holds.
void vqsdl_post(const vqplatform_msg& msg);
// Takes the oldest queued message; false when none is queued.
bool vqsdl_take(vqplatform_msg* msg);
// Turns one SDL event into the messages it means (maybe none) and queues them.
void vqsdl_translate(const SDL_Event& ev);
// Window point to client pixel, through the window's scaling.
void vqsdl_client_point(int window, int fx, int fy, int* x, int* y);

// The operations of the back end's table, by file.
// sdl_window.cpp
int vqsdl_window_create(const char* title, int x, int y, int w, int h, unsigned flags);
void vqsdl_window_destroy(int window);
void vqsdl_window_destroy_all();
bool vqsdl_window_client_size(int window, int* w, int* h);
bool vqsdl_window_position(int window, int* x, int* y);
void vqsdl_window_set_title(int window, const char* title);
void vqsdl_window_move(int window, int x, int y, int w, int h);
void vqsdl_window_focus(int window);
// sdl_icon.cpp
void vqsdl_window_set_icon(int window, const uint32_t* argb, int w, int h);
void vqsdl_mouse_capture(int window, bool on);
void vqsdl_set_cursor(int shape);
void vqsdl_toggle_fullscreen(int window);   // F11
// sdl_x11.cpp: what SDL does not offer on X. Each is false (and does
// nothing) off X or without a window manager.
// The frame the window manager will give this (not yet shown) window.
bool vqsdl_x11_frame(SDL_Window* window, int* left, int* top, int* right, int* bottom);
// Asks the window manager to switch the window's fullscreen state.
bool vqsdl_x11_toggle_fullscreen(SDL_Window* window);
// From now on a lost connection to the X display ends the program at once.
void vqsdl_x11_watch_connection();
// sdl_present.cpp
void vqsdl_window_present(int window, const uint32_t* buffer, int stride, int buffer_w, int buffer_h, int x, int y,
                          int w, int h);
bool vqsdl_window_readback(int window, uint32_t* out, int out_w, int out_h);
bool vqsdl_window_shown_size(int window, int* w, int* h);
// sdl_events.cpp
void vqsdl_forget_messages();
// sdl_wait.cpp
bool vqsdl_peek_message(vqplatform_msg* msg);
bool vqsdl_wait_message(vqplatform_msg* msg, uint32_t timeout_ms);
// sdl_screen.cpp
void vqsdl_video_stop();
void vqsdl_screen_size(int* w, int* h);
void vqsdl_work_area(int* x, int* y, int* w, int* h);
vqplatform_frame_metrics vqsdl_frame();
int32_t vqsdl_theme_color(int which);
int vqsdl_display_depth();
void vqsdl_infobox(const char* title, const char* text);
// sdl_sound.cpp
bool vqsdl_sound_play(const char* wavfile);
void vqsdl_sound_stop();
void vqsdl_sound_close();   // at stop: the device goes, the next sound opens it again
