// What the web back end's files share. The page side lives in vqweb.js.
#pragma once

#include "../backend.h"

// web_keys.cpp: gives the page its key and typed-character codes.
void vqweb_define_keys();

int vqweb_window_create(const char* title, int x, int y, int w, int h, unsigned flags);
void vqweb_window_destroy(int window);
bool vqweb_window_client_size(int window, int* w, int* h);
bool vqweb_window_position(int window, int* x, int* y);
void vqweb_window_set_title(int window, const char* title);
void vqweb_window_move(int window, int x, int y, int w, int h);
void vqweb_window_focus(int window);
void vqweb_window_present(int window, const uint32_t* buffer, int stride, int buffer_w, int buffer_h, int x, int y,
                          int w, int h);
void vqweb_mouse_capture(int window, bool on);
bool vqweb_window_readback(int window, uint32_t* out, int out_w, int out_h);
bool vqweb_window_shown_size(int window, int* w, int* h);
void vqweb_set_cursor(int shape);
