// The geometry of showing a client area scaled: how large it is shown, where
// it lies in its window, which client pixel a window point shows, and the
// stretching itself. Plain arithmetic on pixel arrays, apart from SDL.
#pragma once

#include <cstdint>

struct vqsdl_rect {
  int x, y, w, h;
};

// The size to show a client area of w x h in a room of room_w x room_h: the
// client size when it fits, times `enlarge` (a whole factor) as far as the
// room allows; else scaled down to fit, aspect kept.
void vqsdl_fit(int w, int h, int room_w, int room_h, int enlarge, int* out_w, int* out_h);

// The size to show a client area of w x h at `factor` times (1 or more, not
// necessarily whole) in a room of room_w x room_h: as asked where it fits,
// else the largest size with the client's aspect that fits (scaled down
// below the client size when even that does not fit).
void vqsdl_enlarge(int w, int h, int room_w, int room_h, double factor, int* out_w, int* out_h);

// Where the picture of a w x h client area lies in a window of frame_w x
// frame_h: all of it when the sizes agree, else the largest picture that
// keeps the aspect, centred (letterboxed).
vqsdl_rect vqsdl_place(int w, int h, int frame_w, int frame_h);

// The client pixel that window point fx, fy shows (outside the picture the
// result lies outside the client area).
void vqsdl_to_client(const vqsdl_rect& shown, int w, int h, int fx, int fy, int* x, int* y);

// The window pixels whose look depends on the client rectangle x, y, rw, rh.
vqsdl_rect vqsdl_shown_part(const vqsdl_rect& shown, int w, int h, int x, int y, int rw, int rh);

// Draws the window pixels `part` (inside `shown`) from the whole client
// picture src (w x h, stride w) to frame, which points at the window pixel
// part.x, part.y (stride in pixels): copied when the sizes agree, pixels
// repeated when it grows by a whole factor (sharp), bilinear otherwise
// (smooth, and thin lines stay visible when it shrinks), within one step
// per channel of exact bilinear sampling.
void vqsdl_stretch(const uint32_t* src, int w, int h, const vqsdl_rect& shown, const vqsdl_rect& part,
                   uint32_t* frame, int frame_stride);

// Pixels that arrive with a present: the client rectangle `rect` of a
// buffer whose client pixel x, y lies at pixels[y * stride + x].
struct vqsdl_fresh {
  const uint32_t* pixels;
  int stride;
  vqsdl_rect rect;
};

// vqsdl_stretch of the picture in `back` once `fresh` is copied into it,
// which it does on the way: each fresh row is read from the caller's buffer
// once, both for the copy and for the stretching, instead of copied first
// and read again. All of `fresh` is in back on return, even where nothing
// is drawn (an empty part).
void vqsdl_stretch_fresh(uint32_t* back, int w, int h, const vqsdl_fresh& fresh, const vqsdl_rect& shown,
                         const vqsdl_rect& part, uint32_t* frame, int frame_stride);

// The widest registers vqsdl_stretch may use where the processor has them:
// 512 (the default) for AVX-512's, 256 for AVX2's, 0 for none: the plain
// loops of the same arithmetic, which the tests compare the others with.
void vqsdl_stretch_allow_wide(int bits);
