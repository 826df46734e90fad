// What benchmarks compare the platform layer with: SDL's own way of showing
// a frame in a window (copy into the window surface, update it), without
// anything of ours in between. Only on the SDL back end.
#pragma once

#include <cstdint>

// Opens a plain SDL window with a client area of w x h at x, y; false (and
// one diagnostic line) where there is no SDL display.
bool vqplatform_bench_reference_open(int x, int y, int w, int h);
// Copies the top-left client-sized part of frame (frame_w x frame_h, stride
// frame_w) into the window surface and updates the window.
void vqplatform_bench_reference_frame(const uint32_t* frame, int frame_w, int frame_h);
void vqplatform_bench_reference_close();
// Resizes a window of ours as its user would, so that its picture is shown
// at w x h (scaled, letterboxed where the aspect differs); false where it
// cannot (no SDL display, or the desktop refused the size).
bool vqplatform_bench_show_at(int window, int w, int h);

// Picture loading (both back ends, no display): the decoder's own decode of
// the file alone (libjpeg-turbo's 24-bit rows for JPEG, SDL_image for the
// rest), the pixels freed at once; false when it cannot decode it.
bool vqplatform_bench_decode(const char* file, int* w, int* h);
// Writes w x h pixels (0x00RRGGBB, stride w) as a JPEG file of the quality
// 1 to 100; false (and one diagnostic line) when it cannot.
bool vqplatform_bench_write_jpeg(const char* file, const uint32_t* pixels, int w, int h, int quality);
