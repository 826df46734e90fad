// The table of operations that each back end fills. vqplatform.cpp walks the
// table of back ends once at start and routes every display-bound call here;
// what needs no display (picture decoding, font rasterizing, program path) is
// shared by both and lives outside the table.
#pragma once

#include "vqplatform.h"

struct vqplatform_backend {
  const char* name;
  bool (*start)();
  void (*stop)();

  uint32_t (*ms)();
  int64_t (*calendar_seconds)();
  void (*sleep)(uint32_t ms);
  uint32_t (*ticks_min_period)();
  bool (*ticks_start)(uint32_t period_ms, uint32_t ticks_per_call, std::atomic<uint32_t>* pending);
  void (*ticks_stop)();
  void (*ticks_poll)();

  bool (*peek_message)(vqplatform_msg* msg);
  bool (*wait_message)(vqplatform_msg* msg, uint32_t timeout_ms);

  int (*window_create)(const char* title, int x, int y, int w, int h, unsigned flags);
  void (*window_destroy)(int window);
  bool (*window_client_size)(int window, int* w, int* h);
  bool (*window_position)(int window, int* x, int* y);
  void (*window_set_title)(int window, const char* title);
  void (*window_move)(int window, int x, int y, int w, int h);
  void (*window_focus)(int window);
  void (*window_present)(int window, const uint32_t* buffer, int stride, int buffer_w,
                         int buffer_h, int x, int y, int w, int h);
  void (*mouse_capture)(int window, bool on);
  bool (*window_readback)(int window, uint32_t* out, int out_w, int out_h);
  bool (*window_shown_size)(int window, int* w, int* h);
  void (*set_cursor)(int shape);

  void (*screen_size)(int* w, int* h);
  void (*work_area)(int* x, int* y, int* w, int* h);
  vqplatform_frame_metrics (*frame)();
  int32_t (*theme_color)(int which);
  int (*display_depth)();
  void (*infobox)(const char* title, const char* text);

  bool (*sound_play)(const char* wavfile);
  void (*sound_stop)();

  // May stay null in a back end without window icons.
  void (*window_set_icon)(int window, const uint32_t* argb, int w, int h);
};

#ifdef __EMSCRIPTEN__
extern const vqplatform_backend vqplatform_web_backend;
#else
extern const vqplatform_backend vqplatform_sdl_backend;
#endif
extern const vqplatform_backend vqplatform_headless_backend;

// Window procedures are kept here, outside the back ends, so that dispatch
// works the same on both.
void vqplatform_register_winproc(int window, vqplatform_winproc proc, void* object);
void vqplatform_forget_winproc(int window);
