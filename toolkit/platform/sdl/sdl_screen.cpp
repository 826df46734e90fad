// The display: starting video on first need, screen and work-area sizes,
// frame metrics, depth and the information box.
#include "sdl_internal.h"
#include "sdl_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool g_video = false;
bool g_video_failed = false;

bool invisible(const char* driver) {
  return driver == nullptr || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

// Now and then (seen on an X server that has just started, on a loaded
// machine) SDL's automatic choice passes by an X display that DISPLAY names
// and that other clients reach. Asking for it by name, a few times over a
// second, finds it; the last refusal becomes the diagnostic.
bool x11_by_name(const char** problem) {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || display[0] == 0) return false;
  static char reason[200];
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  bool found = false;
  for (int attempt = 0; attempt < 5 && !found; ++attempt) {
    if (attempt > 0) SDL_Delay(200);
    found = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!found) std::snprintf(reason, sizeof reason, "%s: %s", display, SDL_GetError());
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, nullptr);
  if (!found) *problem = reason;
  return found;
}

}  // namespace

bool vqsdl_video() {
  if (g_video) return true;
  if (g_video_failed) return false;
  // Desktop habits: a double click is two clicks close together, not
  // anywhere within SDL's generous default radius; a click that activates a
  // window also counts as a click.
  SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_RADIUS, "4");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // A window's surface stays the plain one of its own X window: with the
  // accelerated kind SDL replaces the first X window of every program by
  // another one (made for OpenGL) when it first draws, so that the desktop
  // sees a window come and go, and scripts that found the first lose it.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  const char* problem = nullptr;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    problem = SDL_GetError();
  } else if (std::getenv("SDL_VIDEODRIVER") == nullptr && invisible(SDL_GetCurrentVideoDriver())) {
    // SDL falls back to drivers that show nothing; a window there would
    // leave the program waiting for a user who cannot see it.
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    problem = "no desktop to show windows on";
    if (x11_by_name(&problem)) problem = nullptr;
  }
  if (problem != nullptr) {
    std::printf("vqplatform: no display (%s); set VQ_PLATFORM=headless to run without one\n", problem);
    std::fflush(stdout);
    g_video_failed = true;
    return false;
  }
  g_video = true;
  vqsdl_x11_watch_connection();
  return true;
}

bool vqsdl_video_running() { return g_video; }

void vqsdl_video_stop() { g_video = false; }

void vqsdl_screen_size(int* w, int* h) {
  SDL_DisplayMode mode;
  if (vqsdl_video() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    *w = mode.w;
    *h = mode.h;
    return;
  }
  *w = 1024;
  *h = 768;
}

void vqsdl_work_area(int* x, int* y, int* w, int* h) {
  SDL_Rect rect;
  if (vqsdl_video() && SDL_GetDisplayUsableBounds(0, &rect) == 0) {
    *x = rect.x;
    *y = rect.y;
    *w = rect.w;
    *h = rect.h;
    return;
  }
  *x = 0;
  *y = 0;
  vqsdl_screen_size(w, h);
}

vqplatform_frame_metrics vqsdl_frame() { return {4, 22, 16, 20}; }

// SDL knows no desktop color scheme: the toolkit's fallbacks apply.
int32_t vqsdl_theme_color(int) { return -1; }

int vqsdl_display_depth() {
  SDL_DisplayMode mode;
  if (vqsdl_video() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    int bits = SDL_BITSPERPIXEL(mode.format);
    return bits == 24 ? 32 : bits;
  }
  return 32;
}

void vqsdl_infobox(const char* title, const char* text) {
  if (!vqsdl_video() || SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, vqsdl_utf8_of_latin1(title).c_str(),
                                                 vqsdl_utf8_of_latin1(text).c_str(), nullptr) != 0) {
    std::printf("%s\n%s\n", title ? title : "", text ? text : "");
  }
}
